#include "LineStore.h"

#include <cstring>
#include <new>

std::string_view LineStore::At(size_t i) const {
  const Span& span = spans_[i];
  return std::string_view(chunks_[span.chunk].bytes.get() + span.offset, span.length);
}

LineStore::Span LineStore::Store(std::string_view line) {
  if (line.size() > UINT32_MAX) throw std::bad_alloc();
  bool fits = !chunks_.empty() && chunks_.back().size - chunks_.back().used >= line.size();
  if (!fits) {
    Chunk chunk;
    chunk.size = line.size() > ChunkSize ? line.size() : ChunkSize;
    chunk.bytes.reset(new char[chunk.size]);
    chunks_.push_back(std::move(chunk));
  }
  Chunk& chunk = chunks_.back();
  Span span{static_cast<uint32_t>(chunks_.size() - 1), static_cast<uint32_t>(chunk.used),
            static_cast<uint32_t>(line.size())};
  if (!line.empty()) std::memcpy(chunk.bytes.get() + chunk.used, line.data(), line.size());
  chunk.used += line.size();
  return span;
}

void LineStore::Append(std::string_view line) {
  Span span = Store(line);
  spans_.push_back(span);
  liveBytes_ += line.size();
}

void LineStore::Replace(size_t i, std::string_view line) {
  const Span old = spans_[i];
  if (line.size() <= old.length) {
    // In place: same-length replacements (case mapping) cost nothing extra.
    if (!line.empty()) std::memmove(chunks_[old.chunk].bytes.get() + old.offset, line.data(), line.size());
    spans_[i].length = static_cast<uint32_t>(line.size());
  } else {
    spans_[i] = Store(line);
  }
  deadBytes_ += old.length - (line.size() <= old.length ? line.size() : 0);
  liveBytes_ = liveBytes_ - old.length + line.size();
  CompactIfWasteful();
}

void LineStore::Clear() {
  std::vector<Chunk>().swap(chunks_);
  std::vector<Span>().swap(spans_);
  liveBytes_ = 0;
  deadBytes_ = 0;
}

void LineStore::CompactIfWasteful() {
  if (deadBytes_ <= liveBytes_ + ChunkSize) return;
  LineStore packed;
  packed.spans_.reserve(spans_.size());
  for (size_t i = 0; i < spans_.size(); ++i) packed.Append(At(i));
  *this = std::move(packed);
}
