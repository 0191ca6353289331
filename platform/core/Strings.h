#pragma once
// Ordered lists of byte strings: the abstract list and the plain string list.
#include <functional>
#include <string>
#include <string_view>

#include "LineStore.h"

class TStrings {
 public:
  virtual ~TStrings() = default;
  virtual int Count() const = 0;
  virtual std::string Get(int index) const = 0;
  virtual void Put(int index, const std::string& text) = 0;
  virtual void Add(const std::string& text) = 0;
  virtual void Clear() = 0;
  // The whole text, handed out in pieces in order (each line and its CR LF).
  virtual void WriteText(const std::function<void(std::string_view)>& sink) const;

  std::string Text() const;
  // Creates or truncates the file, opened for exclusive writing, and writes
  // the text chunk by chunk (the system layer implements it).
  void SaveToFile(const std::string& fileName) const;
};

// Unsorted, duplicates kept, appends at the end.
class TStringList : public TStrings {
 public:
  int Count() const override { return static_cast<int>(lines_.Count()); }
  std::string Get(int index) const override;
  void Put(int index, const std::string& text) override;
  void Add(const std::string& text) override { lines_.Append(text); }
  void Clear() override { lines_.Clear(); }

 private:
  void CheckIndex(int index) const;
  LineStore lines_;
};
