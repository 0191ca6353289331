// Turns a text pixel map into a 16-colour .bmp or a 32x32 16-colour .ico.
// Each map row is one pixel row, one letter a pixel, from this palette;
// "." is transparent (icons only).
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

const char Letters[] = "kmgonptsdrlybfaw";
const uint32_t Colours[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                              0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

struct Pixmap {
  int width = 0;
  std::vector<std::string> rows;  // top to bottom
};

bool Read(const char* path, Pixmap& map) {
  std::ifstream in(path);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    if (map.width == 0) map.width = static_cast<int>(line.size());
    if (static_cast<int>(line.size()) != map.width) {
      std::cerr << path << ": row " << map.rows.size() + 1 << " is " << line.size() << " wide, not " << map.width << "\n";
      return false;
    }
    for (char c : line)
      if (c != '.' && std::string(Letters).find(c) == std::string::npos) {
        std::cerr << path << ": unknown colour letter '" << c << "'\n";
        return false;
      }
    map.rows.push_back(line);
  }
  return map.width > 0;
}

int IndexOf(char c) { return c == '.' ? 0 : static_cast<int>(std::string(Letters).find(c)); }

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// BITMAPINFOHEADER, the palette and the 4-bit pixels, bottom row first.
void PutDib(std::vector<uint8_t>& out, const Pixmap& map, bool withMask) {
  int height = static_cast<int>(map.rows.size());
  int stride = ((map.width * 4 + 31) / 32) * 4;
  int maskStride = ((map.width + 31) / 32) * 4;
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(map.width));
  Put32(out, static_cast<uint32_t>(withMask ? height * 2 : height));
  Put16(out, 1);
  Put16(out, 4);
  Put32(out, 0);
  Put32(out, static_cast<uint32_t>(stride * height + (withMask ? maskStride * height : 0)));
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 16);
  Put32(out, 0);
  for (uint32_t c : Colours) {
    out.push_back(c & 0xFF);
    out.push_back((c >> 8) & 0xFF);
    out.push_back((c >> 16) & 0xFF);
    out.push_back(0);
  }
  for (int y = height - 1; y >= 0; --y) {
    std::vector<uint8_t> row(static_cast<size_t>(stride), 0);
    for (int x = 0; x < map.width; ++x) {
      int v = IndexOf(map.rows[static_cast<size_t>(y)][static_cast<size_t>(x)]);
      row[static_cast<size_t>(x / 2)] |= static_cast<uint8_t>(x % 2 ? v : v << 4);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  if (!withMask) return;
  for (int y = height - 1; y >= 0; --y) {
    std::vector<uint8_t> row(static_cast<size_t>(maskStride), 0);
    for (int x = 0; x < map.width; ++x)
      if (map.rows[static_cast<size_t>(y)][static_cast<size_t>(x)] == '.') row[static_cast<size_t>(x / 8)] |= 0x80 >> (x % 8);
    out.insert(out.end(), row.begin(), row.end());
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || (std::string(argv[1]) != "bmp" && std::string(argv[1]) != "ico")) {
    std::cerr << "usage: pixmap2bmp bmp|ico MAP OUT\n";
    return 2;
  }
  Pixmap map;
  if (!Read(argv[2], map)) {
    std::cerr << argv[2] << ": not a pixel map\n";
    return 1;
  }
  std::vector<uint8_t> dib;
  std::vector<uint8_t> file;
  if (std::string(argv[1]) == "bmp") {
    PutDib(dib, map, false);
    file.push_back('B');
    file.push_back('M');
    Put32(file, static_cast<uint32_t>(14 + dib.size()));
    Put32(file, 0);
    Put32(file, 14 + 40 + 64);
  } else {
    PutDib(dib, map, true);
    Put16(file, 0);
    Put16(file, 1);  // icon
    Put16(file, 1);  // one image
    file.push_back(static_cast<uint8_t>(map.width));
    file.push_back(static_cast<uint8_t>(map.rows.size()));
    file.push_back(16);
    file.push_back(0);
    Put16(file, 1);
    Put16(file, 4);
    Put32(file, static_cast<uint32_t>(dib.size()));
    Put32(file, 6 + 16);
  }
  file.insert(file.end(), dib.begin(), dib.end());
  std::ofstream out(argv[3], std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  return out ? 0 : 1;
}
