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
  std::vector<wchar_t> wide(bytes / 2);
  std::memcpy(wide.data(), text, wide.size() * sizeof(wchar_t));
  int units = static_cast<int>(wide.size());
  int needed = WideCharToMultiByte(CP_ACP, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
  path_.assign(static_cast<size_t>(needed > 0 ? needed : 0), '\0');
  if (needed > 0) WideCharToMultiByte(CP_ACP, 0, wide.data(), units, &path_[0], needed, nullptr, nullptr);
}
