#pragma once
// The shell's side: dropped files, drop registration, starting programs.
#include <cstddef>
#include <iterator>
#include <string>

#include "Controls.h"

// Marks the window as a target for files dropped from the shell (accept
// not 0) or no longer (0).
void DragAcceptFiles(NativeWindow* window, int accept);

// The items of one drop, read from the drop's block in one pass, each path
// whole and in the system's code page. Releases the drop when finished or
// when it goes out of scope.
class TDroppedFiles {
 public:
  explicit TDroppedFiles(const TMessage& message);
  ~TDroppedFiles();
  TDroppedFiles(const TDroppedFiles&) = delete;
  TDroppedFiles& operator=(const TDroppedFiles&) = delete;

  class Iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = std::string;
    using difference_type = std::ptrdiff_t;
    using pointer = const std::string*;
    using reference = const std::string&;

    const std::string& operator*() const { return path_; }
    Iterator& operator++();
    bool operator!=(const Iterator& other) const { return offset_ != other.offset_; }

   private:
    friend class TDroppedFiles;
    Iterator(const TDroppedFiles* drop, size_t offset);
    void Read();
    const TDroppedFiles* drop_;
    size_t offset_;
    size_t next_ = 0;
    std::string path_;
  };
  Iterator begin() const;
  Iterator end() const;

  void Finish();

 private:
  void* drop_;
  const char* block_ = nullptr;
  size_t size_ = 0;
  size_t first_ = 0;
  bool wide_ = false;
};

// Starts a program as a separate process from a command line and gives up
// all hold on it at once. The outcome is not reported.
void StartProgram(const std::string& commandLine);
