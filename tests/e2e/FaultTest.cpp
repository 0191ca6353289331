#include <gtest/gtest.h>

#include <set>

#include "Harness.h"
#include "agent/AgentProtocol.h"

using namespace e2e;

namespace {

using Lines = std::vector<std::string>;

std::set<std::string> Names(const std::string& folder) {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = found.cFileName;
    if (name != "." && name != "..") names.insert(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

void Upper(std::string& text) { CharUpperBuffA(&text[0], static_cast<DWORD>(text.size())); }

// Byte for byte, as the program holds it.
std::string TextInside(Program& program) {
  static TextRequest request;
  request.window = reinterpret_cast<uintptr_t>(program.Control("REdit"));
  program.CallAgent("ReadText", &request, sizeof request);
  return std::string(request.text, request.length);
}

}  // namespace

TEST(Faults, ADropOfAHundredThousandItemsIsListedWhole) {
  Program program;
  std::vector<std::string> paths;
  for (int i = 0; i < 100000; ++i) paths.push_back("Z:\\many\\folder\\item" + std::to_string(i) + "_padding.txt");
  DWORD start = GetTickCount();
  program.Drop(paths, true);
  EXPECT_LT(GetTickCount() - start, 20000u) << "the drop froze the program";
  EXPECT_EQ(Send(program.Control("REdit"), EM_GETLINECOUNT), 100001);
  Lines lines = program.Lines();
  ASSERT_EQ(lines.size(), 100000u);
  EXPECT_EQ(lines.front(), "item0_padding.txt");
  EXPECT_EQ(lines.back(), "item99999_padding.txt");
  EXPECT_EQ(WindowText(program.Form()), "Quindrel v1.2") << "the window answers";
  program.Click("NewBtn");
  EXPECT_EQ(program.Text(), "");
}

TEST(Faults, APathEndingInALoneLeadByteIsListedAsItStands) {
  Program program;
  program.DropList(std::string("Z:\\d\\name\x83") + '\0' + "Z:\\d\\after" + '\0' + '\0', false);
  program.Sync();
  EXPECT_EQ(TextInside(program), "name\x83\r\nafter\r\n");
  AnswerCaseQuestion(program, "mojiAA", 'N');
  EXPECT_EQ(TextInside(program), "NAME\x83\r\nAFTER\r\n") << "the letters before it are converted";
}

TEST(Faults, TheLongestPathsArriveWhole) {
  Program program;
  // The longest path the system takes: 32,767 units, terminator included.
  std::string longest = "Z:\\" + std::string(32766 - 3 - 8, 'p') + "\\end.txt";
  ASSERT_EQ(longest.size(), 32766u);
  program.Drop({longest, "Z:\\short"}, true);
  EXPECT_EQ(program.Lines(), (Lines{"end.txt", "short"}));
  Send(program.Control("CBox1"), BM_CLICK);
  program.Drop({longest}, true);
  EXPECT_EQ(program.Lines().back(), longest);
}

TEST(Faults, ItemsChangedBeforeTheRenamePassOnlyEverRenameThemselves) {
  TempFolder folder;
  std::string away = folder.MakeFolder("away");
  std::string moved = folder.Make("moved.txt", "m"), readOnly = folder.Make("readonly.txt", "r"),
              plain = folder.Make("plain.txt", "p"), other = folder.Make("Other.txt", "o");
  folder.Make("away\\Keep.txt", "k");
  Program program;
  program.Drop({moved, readOnly, plain});
  ASSERT_TRUE(MoveFileA(moved.c_str(), (away + "\\moved.txt").c_str()));
  SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
  AnswerCaseQuestion(program, "mojiAA", 'Y');
  EXPECT_TRUE(NoWindowOf(program.Pid(), "#32770", 300)) << "failures of the pass are silent";
  // Only the dropped items still in their place took the new case; nothing
  // else was renamed or replaced.
  EXPECT_EQ(Names(folder.Path()), (std::set<std::string>{"Other.txt", "PLAIN.TXT", "READONLY.TXT", "away"}));
  EXPECT_EQ(Names(away + "\\"), (std::set<std::string>{"Keep.txt", "moved.txt"}));
  EXPECT_EQ(ReadFile(folder.Path() + "PLAIN.TXT"), "p");
  EXPECT_EQ(ReadFile(folder.Path() + "READONLY.TXT"), "r");
  EXPECT_EQ(ReadFile(other), "o");
  SetFileAttributesA((folder.Path() + "READONLY.TXT").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(Faults, AnItemOnADiskThatCannotBeWrittenKeepsItsName) {
  std::string disk = HostFolder("TAMBERLO_READONLY_DISK");
  if (disk.empty()) GTEST_SKIP() << "scripts/test mounts a read-only disk for this";
  TempFolder folder;
  std::string plain = folder.Make("next.txt");
  Program program;
  program.Drop({disk + "Stay.txt", plain});
  AnswerCaseQuestion(program, "mojiAA", 'Y');
  EXPECT_TRUE(NoWindowOf(program.Pid(), "#32770", 300));
  EXPECT_EQ(ListedName(disk + "Stay.txt"), "Stay.txt");
  EXPECT_EQ(ReadFile(disk + "Stay.txt"), "kept\r\n");
  EXPECT_EQ(ListedName(plain), "NEXT.TXT") << "the pass goes on";
  std::string upper = disk + "Stay.txt";
  Upper(upper);
  EXPECT_EQ(program.Lines().front(), "STAY.TXT");
}
