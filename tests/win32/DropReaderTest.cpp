// The drop's block read in one pass gives exactly the paths the shell's
// own query gives, item by item.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "Shell.h"

namespace {

std::wstring Wide(const std::string& cp932) {
  int n = MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), &out[0], n);
  return out;
}

HGLOBAL Block(const std::string& list, bool wide) {
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = wide;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size());
  GlobalUnlock(memory);
  return memory;
}

std::string NarrowList(const std::vector<std::string>& paths) {
  std::string list;
  for (const std::string& p : paths) list += p + '\0';
  return list + '\0';
}

std::string WideList(const std::vector<std::wstring>& paths) {
  std::string list;
  for (const std::wstring& p : paths) {
    list.append(reinterpret_cast<const char*>(p.data()), p.size() * 2);
    list.append(2, '\0');
  }
  return list.append(2, '\0');
}

// The shell's way: count, then each item's length, then the item whole.
std::vector<std::string> ByQuery(HGLOBAL memory) {
  HDROP drop = static_cast<HDROP>(memory);
  std::vector<std::string> paths;
  UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    UINT length = DragQueryFileA(drop, i, nullptr, 0);
    std::string path(length + 1, '\0');
    DragQueryFileA(drop, i, &path[0], length + 1);
    path.resize(length);
    paths.push_back(path);
  }
  return paths;
}

std::vector<std::string> InOnePass(HGLOBAL memory) {
  TMessage message{0x0233, reinterpret_cast<uintptr_t>(memory), 0, 0};
  TDroppedFiles drop(message);  // releases the block when done
  std::vector<std::string> paths;
  for (const std::string& path : drop) paths.push_back(path);
  return paths;
}

struct Case {
  const char* name;
  std::vector<std::string> paths;  // code page 932
};

const std::string LongPath = "C:\\" + std::string(200, 'd') + "\\" + std::string(120, 'n') + ".txt";

const Case Cases[] = {
    {"files of one folder", {"C:\\Data\\a.txt", "C:\\Data\\b.txt", "C:\\Data\\Report.TXT"}},
    {"double-byte and half-width names", {"Z:\\表\\ソ表.txt", "Z:\\ｷｬﾝｾﾙ\\ﾌｧｲﾙ", "Z:\\ヂ"}},
    {"a drive root and a folder", {"C:\\", "D:\\folder"}},
    {"one item", {"C:\\only"}},
    {"a path longer than 254 bytes", {LongPath, "C:\\after"}},
    {"the same path twice", {"C:\\twice", "C:\\twice"}},
};

TEST(DropReader, GivesThePathsTheShellsQueryGives) {
  for (const Case& c : Cases) {
    for (bool wide : {false, true}) {
      std::vector<std::wstring> widePaths;
      for (const std::string& p : c.paths) widePaths.push_back(Wide(p));
      std::string list = wide ? WideList(widePaths) : NarrowList(c.paths);
      HGLOBAL forQuery = Block(list, wide);
      std::vector<std::string> expected = ByQuery(forQuery);
      GlobalFree(forQuery);
      EXPECT_EQ(InOnePass(Block(list, wide)), expected) << c.name << (wide ? ", wide" : ", narrow");
      EXPECT_EQ(expected, c.paths) << c.name << (wide ? ", wide" : ", narrow") << ": the query itself";
    }
  }
}

TEST(DropReader, CharactersWithoutACodePage932FormComeOutAsTheQueryGivesThem) {
  std::string list = WideList({L"C:\\\x00E9t\x00E9", L"C:\\\x4E02\x20AC"});
  HGLOBAL forQuery = Block(list, true);
  std::vector<std::string> expected = ByQuery(forQuery);
  GlobalFree(forQuery);
  EXPECT_EQ(InOnePass(Block(list, true)), expected);
}

TEST(DropReader, APathEndingInALoneLeadByteArrivesAsItStands) {
  // A narrow path's bytes are the item's name; they are not reinterpreted.
  // (Wine's query turns the lone byte into a middle dot; Windows copies it.)
  std::string list = NarrowList({"C:\\a\\b\x83", "C:\\next"});
  EXPECT_EQ(InOnePass(Block(list, false)), (std::vector<std::string>{"C:\\a\\b\x83", "C:\\next"}));
}

TEST(DropReader, ADropWithNoItemsGivesNone) {
  // The shell's query counts one empty name here (seen under Wine); a drop
  // of nothing lists nothing.
  EXPECT_TRUE(InOnePass(Block(std::string(1, '\0'), false)).empty());
  EXPECT_TRUE(InOnePass(Block(std::string(2, '\0'), true)).empty());
}

TEST(DropReader, ABlockWithoutItsEndIsReadOnlyToItsSize) {
  // No terminating zeros at all: the last path ends where the block ends.
  std::string unended = "C:\\a";
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + unended.size());
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), unended.data(), unended.size());
  size_t size = GlobalSize(memory);
  GlobalUnlock(memory);
  std::vector<std::string> paths = InOnePass(memory);
  ASSERT_EQ(paths.size(), 1u);
  EXPECT_EQ(paths[0].substr(0, 4), "C:\\a");
  EXPECT_LE(paths[0].size(), size - sizeof(DROPFILES));
  // A header that points past the block gives nothing.
  memory = GlobalAlloc(GHND, sizeof(DROPFILES));
  static_cast<DROPFILES*>(GlobalLock(memory))->pFiles = 4096;
  GlobalUnlock(memory);
  EXPECT_TRUE(InOnePass(memory).empty());
}

}  // namespace
