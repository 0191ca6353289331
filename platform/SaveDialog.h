#pragma once
// The system's file-save dialog with fixed settings; remembers the path
// chosen last.
#include <string>

#include "Controls.h"

enum TOpenOption : unsigned { ofHideReadOnly = 1u << 0, ofOverwritePrompt = 1u << 1 };

struct TSaveDialogSettings {
  std::string FileName;
  std::string Filter;  // "description|pattern"
  int FilterIndex = 1;
  std::string DefaultExt;
  std::string Title;
  std::string InitialDir;
  unsigned Options = ofHideReadOnly;
};

class TSaveDialog : public TObject {
 public:
  static constexpr int NameBufferSize = 260;  // characters, the terminating NUL included

  explicit TSaveDialog(const TSaveDialogSettings& settings) : settings_(settings) {}
  // True when a name was confirmed; FileName then holds its full path.
  bool Execute();
  const std::string& FileName() const { return settings_.FileName; }

 private:
  TSaveDialogSettings settings_;
};
