#pragma once
// Lines of bytes packed into fixed-size chunks: a few bytes of bookkeeping
// per line and no slack beyond one chunk, so large lists stay small.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class LineStore {
 public:
  size_t Count() const { return spans_.size(); }
  std::string_view At(size_t i) const;
  void Append(std::string_view line);
  void Replace(size_t i, std::string_view line);
  void Clear();
  // Bytes of all lines, no separators.
  size_t Bytes() const { return liveBytes_; }

 private:
  static constexpr size_t ChunkSize = 64 * 1024;
  struct Chunk {
    std::unique_ptr<char[]> bytes;
    size_t size = 0;
    size_t used = 0;
  };
  struct Span {
    uint32_t chunk;
    uint32_t offset;
    uint32_t length;
  };

  Span Store(std::string_view line);
  void CompactIfWasteful();

  std::vector<Chunk> chunks_;
  std::vector<Span> spans_;
  size_t liveBytes_ = 0;
  size_t deadBytes_ = 0;
};
