#include <cstring>
#include <vector>

#include "Shell.h"
#include "Win32.h"
#include "core/DropList.h"

void DragAcceptFiles(NativeWindow* window, int accept) { ::DragAcceptFiles(Hwnd(window), accept != 0); }

TDroppedFiles::TDroppedFiles(const TMessage& message) : drop_(reinterpret_cast<void*>(message.WParam)) {
  HGLOBAL memory = static_cast<HGLOBAL>(drop_);
  block_ = static_cast<const char*>(GlobalLock(memory));
  size_ = block_ != nullptr ? GlobalSize(memory) : 0;
  DropHeader header;
  if (ReadDropHeader(block_, size_, &header)) {
    first_ = header.firstPath;
    wide_ = header.wide;
  } else {
    first_ = size_;
  }
}

TDroppedFiles::~TDroppedFiles() { Finish(); }

void TDroppedFiles::Finish() {
  if (drop_ == nullptr) return;
  if (block_ != nullptr) GlobalUnlock(static_cast<HGLOBAL>(drop_));
  DragFinish(static_cast<HDROP>(drop_));
  drop_ = nullptr;
  block_ = nullptr;
  size_ = 0;
}

TDroppedFiles::Iterator TDroppedFiles::begin() const { return Iterator(this, first_); }
TDroppedFiles::Iterator TDroppedFiles::end() const { return Iterator(nullptr, SIZE_MAX); }

TDroppedFiles::Iterator::Iterator(const TDroppedFiles* drop, size_t offset) : drop_(drop), offset_(offset) {
  if (drop_ != nullptr) Read();
}

TDroppedFiles::Iterator& TDroppedFiles::Iterator::operator++() {
  offset_ = next_;
  Read();
  return *this;
}

// The path at the current offset, as the shell's narrow query gives it:
// narrow paths as they stand, wide ones in the system's code page.
void TDroppedFiles::Iterator::Read() {
  DropEntry entry;
  if (drop_->block_ == nullptr || !ReadDropEntry(drop_->block_, drop_->size_, offset_, drop_->wide_, &entry)) {
    offset_ = SIZE_MAX;
    path_.clear();
    return;
  }
  next_ = entry.next;
  const char* text = drop_->block_ + entry.begin;
  size_t bytes = entry.end - entry.begin;
  if (!drop_->wide_) {
    path_.assign(text, bytes);
    return;
  }
  // A UTF-16 unit gives at most two bytes in a double-byte code page.
  int units = static_cast<int>(bytes / 2);
  const wchar_t* wide = reinterpret_cast<const wchar_t*>(text);
  std::vector<wchar_t> aligned;
  if (reinterpret_cast<uintptr_t>(text) % alignof(wchar_t) != 0) {
    aligned.resize(static_cast<size_t>(units));
    std::memcpy(aligned.data(), text, aligned.size() * sizeof(wchar_t));
    wide = aligned.data();
  }
  path_.resize(static_cast<size_t>(units) * 2 + 1);
  int converted =
      WideCharToMultiByte(CP_ACP, 0, wide, units, &path_[0], static_cast<int>(path_.size()), nullptr, nullptr);
  path_.resize(static_cast<size_t>(converted > 0 ? converted : 0));
}
