// Runs a fuzzer's property checks without libFuzzer, for the test run: over
// every input kept in its folder of cases, then over inputs drawn from a
// fixed seed, weighted towards the bytes that matter to the code page
// (lead bytes, 0x5C, the colon, letters, line breaks).
//   fuzz_replay_<fuzzer> <cases folder> <number of drawn inputs>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

std::string currentCase;

// A property that fails traps: name the input before the process ends.
void NameTheFailingCase(int signal) {
  std::string report = "property failed (signal " + std::to_string(signal) + ") on " + currentCase + "\n";
  ssize_t written = write(2, report.data(), report.size());
  (void)written;
  _exit(1);
}

std::string Hex(const std::vector<uint8_t>& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string hex;
  for (uint8_t b : bytes) {
    hex += digits[b >> 4];
    hex += digits[b & 15];
    hex += ' ';
  }
  return hex;
}

void Run(const std::string& name, const std::vector<uint8_t>& input) {
  currentCase = name + ": " + Hex(input);
  LLVMFuzzerTestOneInput(input.data(), input.size());
}

struct Draw {
  uint64_t state = 0x9E3779B97F4A7C15ull;
  uint64_t Next() {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
  }
  uint8_t Byte() {
    static const uint8_t telling[] = {0x81, 0x82, 0x83, 0x9F, 0xE0, 0xEF, 0xFC, 0x5C, ':', 'a', 'z', 'A', 'Z',
                                      0x40, 0x7E, 0x7F, 0x80, 0xA0, 0xA6, 0xDF, 0xFD, 0x00, '\r', '\n', '.'};
    uint64_t r = Next();
    if (r % 10 < 4) return telling[(r >> 8) % sizeof telling];
    return static_cast<uint8_t>(r >> 16);
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <cases folder> <number of drawn inputs>\n", argv[0]);
    return 2;
  }
  for (int signal : {SIGILL, SIGTRAP, SIGABRT, SIGSEGV, SIGFPE}) std::signal(signal, NameTheFailingCase);

  size_t kept = 0;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(argv[1], error)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::vector<uint8_t> input((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Run("case " + entry.path().filename().string(), input);
    ++kept;
  }
  if (error) {
    std::fprintf(stderr, "cannot read the cases in %s: %s\n", argv[1], error.message().c_str());
    return 2;
  }

  Draw draw;
  size_t drawn = std::strtoul(argv[2], nullptr, 10);
  for (size_t i = 0; i < drawn; ++i) {
    std::vector<uint8_t> input(draw.Next() % 300);
    for (uint8_t& b : input) b = draw.Byte();
    Run("drawn input " + std::to_string(i), input);
  }
  std::printf("%zu kept cases and %zu drawn inputs hold their properties\n", kept, drawn);
  return 0;
}
