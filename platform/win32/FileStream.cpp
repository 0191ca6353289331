#include <string>

#include "Win32.h"
#include "core/Exceptions.h"
#include "core/PlatformTexts.h"
#include "core/Strings.h"

namespace {

std::string WithPath(const char* format, const std::string& path) {
  std::string text(format);
  size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, path);
  return text;
}

// Gathers the text into chunks and writes each with one call; a write that
// fails or falls short is an error. Each call costs a trip to the system, so
// the chunks are large.
class ChunkWriter {
 public:
  static constexpr size_t ChunkSize = 256 * 1024;
  explicit ChunkWriter(HANDLE file) : file_(file) { chunk_.reserve(ChunkSize); }
  void Put(std::string_view piece) {
    while (!piece.empty()) {
      size_t n = std::min(ChunkSize - chunk_.size(), piece.size());
      chunk_.append(piece.substr(0, n));
      piece.remove_prefix(n);
      if (chunk_.size() == ChunkSize) Flush();
    }
  }
  void Flush() {
    if (chunk_.empty()) return;
    DWORD written = 0;
    BOOL ok = WriteFile(file_, chunk_.data(), static_cast<DWORD>(chunk_.size()), &written, nullptr);
    if (!ok || written != chunk_.size()) throw EWriteError(PlatformTexts::StreamWriteError);
    chunk_.clear();
  }

 private:
  HANDLE file_;
  std::string chunk_;
};

}  // namespace

void TStrings::SaveToFile(const std::string& fileName) const {
  // A read-only file is never replaced, whatever rights the user has.
  DWORD attributes = GetFileAttributesA(fileName.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    throw EFCreateError(WithPath(PlatformTexts::FileCreateError, fileName));
  HANDLE file = CreateFileA(fileName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw EFCreateError(WithPath(PlatformTexts::FileCreateError, fileName));
  struct Closer {
    HANDLE file;
    ~Closer() { CloseHandle(file); }
  } closer{file};
  ChunkWriter writer(file);
  WriteText([&writer](std::string_view piece) { writer.Put(piece); });
  writer.Flush();
}
