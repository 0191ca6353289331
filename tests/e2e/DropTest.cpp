#include <gtest/gtest.h>

#include <cstdlib>

#include "Harness.h"

using namespace e2e;

namespace {

using Lines = std::vector<std::string>;

class Drops : public ::testing::Test {
 protected:
  void TickOption() {
    HWND box = program.Control("CBox1");
    PostMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    PostMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    program.Sync();
  }

  TempFolder folder;
  Program program;
};

}  // namespace

TEST_F(Drops, FilesAreListedByBareNameInTheDropsOrder) {
  std::string b = folder.Make("b.txt"), a = folder.Make("a.txt"), c = folder.Make("Report.TXT");
  program.Drop({b, a, c});
  EXPECT_EQ(program.Lines(), (Lines{"b.txt", "a.txt", "Report.TXT"}));
  EXPECT_EQ(program.Text(), "b.txt\r\na.txt\r\nReport.TXT\r\n");
  std::string d = folder.Make("d");
  program.Drop({d});
  EXPECT_EQ(program.Lines(), (Lines{"b.txt", "a.txt", "Report.TXT", "d"}));
}

TEST_F(Drops, TheOptionGivesFullPathsToLaterDropsOnly) {
  std::string a = folder.Make("a.txt"), b = folder.Make("b.txt");
  program.Drop({a});
  TickOption();
  ASSERT_TRUE(program.Checked());
  EXPECT_EQ(program.Lines(), (Lines{"a.txt"})) << "ticking changed a listed line";
  program.Drop({b, a});
  EXPECT_EQ(program.Lines(), (Lines{"a.txt", b, a}));
  TickOption();
  EXPECT_EQ(program.Lines(), (Lines{"a.txt", b, a})) << "unticking changed a listed line";
}

TEST_F(Drops, FoldersAreListedLikeFiles) {
  std::string data = folder.MakeFolder("Data");
  folder.Make("Data\\inside.txt");
  program.Drop({data});
  EXPECT_EQ(program.Lines(), (Lines{"Data"}));
  TickOption();
  program.Drop({data});
  EXPECT_EQ(program.Lines(), (Lines{"Data", data}));
}

TEST_F(Drops, ADriveRootIsAnEmptyLineThatCounts) {
  program.Drop({"C:\\"});
  EXPECT_EQ(program.Text(), "\r\n");
  EXPECT_EQ(Send(program.Control("REdit"), EM_GETLINECOUNT, 0, 0), 2);  // the line and the place after it
  TickOption();
  program.Drop({"C:\\"});
  EXPECT_EQ(program.Text(), "\r\nC:\\\r\n");
}

TEST_F(Drops, TheSameItemTwiceIsListedTwice) {
  std::string a = folder.Make("a.txt");
  program.Drop({a, a});
  program.Drop({a});
  EXPECT_EQ(program.Lines(), (Lines{"a.txt", "a.txt", "a.txt"}));
}

TEST_F(Drops, DoubleByteNamesAreNotCutAtASecondByteOfBackslash) {
  // ソ is 83 5C and 表 is 95 5C: their second byte is a backslash's value.
  std::string hyo = folder.MakeFolder("表");
  std::string file = folder.Make("表\\ソ表.txt");
  std::string kana = folder.Make("ｷｬﾝｾﾙ.txt");
  program.Drop({file, hyo, kana});
  EXPECT_EQ(program.Lines(), (Lines{"ソ表.txt", "表", "ｷｬﾝｾﾙ.txt"}));
}

TEST_F(Drops, WideDropsArriveInTheSystemCodePage) {
  std::string file = folder.Make("ソ表ﾌｧｲﾙ.txt");
  program.Drop({file, "C:\\"}, true);
  EXPECT_EQ(program.Lines(), (Lines{"ソ表ﾌｧｲﾙ.txt", ""}));
  TickOption();
  program.Drop({file}, true);
  EXPECT_EQ(program.Lines().back(), file);
}

TEST_F(Drops, ADropWithNoItemsChangesNothing) {
  std::string a = folder.Make("a.txt");
  program.Drop({a});
  program.Drop({});
  program.Drop({}, true);
  EXPECT_EQ(program.Lines(), (Lines{"a.txt"}));
}

TEST_F(Drops, PathsAreTakenAsDroppedWithoutAnyTest) {
  program.Drop({"Z:\\no\\such\\folder\\ghost.txt", "relative.txt"});
  EXPECT_EQ(program.Lines(), (Lines{"ghost.txt", "relative.txt"}));
}

TEST_F(Drops, APathLongerThan254BytesArrivesWhole) {
  // Cut to 254 bytes it would name another item; it must arrive whole.
  std::string name = std::string(200, 'n') + ".txt";
  std::string sub = folder.MakeFolder(std::string(258 - folder.Path().size() - name.size() - 1, 'd'));
  std::string path = sub + "\\" + name;
  ASSERT_EQ(path.size(), 258u);
  program.Drop({path});
  EXPECT_EQ(program.Lines(), (Lines{name}));
  TickOption();
  program.Drop({path});
  program.Drop({path}, true);
  EXPECT_EQ(program.Lines(), (Lines{name, path, path}));
}

TEST_F(Drops, ManyItemsInOneDropKeepTheirOrder) {
  std::vector<std::string> paths;
  Lines names;
  for (int i = 0; i < 500; ++i) {
    names.push_back("item" + std::to_string(i) + ".txt");
    paths.push_back(folder.Path() + names.back());
  }
  program.Drop(paths);
  EXPECT_EQ(program.Lines(), names);
}

TEST_F(Drops, ARealDragFromAnX11ProgramArrivesAsADrop) {
  const char* drag = std::getenv("TAMBERLO_XDND_DRAG");
  if (drag == nullptr) GTEST_SKIP() << "scripts/test builds the X11 drag source for this";
  std::string file = folder.Make("ソ表.txt"), other = folder.Make("b.txt"), data = folder.MakeFolder("Data");
  SetForegroundWindow(program.Form());
  // Onto the text area, as its hint asks, then onto the toolbar: both reach the list.
  RECT edit = ScreenRect(program.Control("REdit"));
  std::string command = std::string(drag) + " " + std::to_string((edit.left + edit.right) / 2) + " " +
                        std::to_string((edit.top + edit.bottom) / 2) + " '" + UnixPath(file) + "' '" +
                        UnixPath(other) + "' '" + UnixPath(data) + "'";
  ASSERT_TRUE(RunUnix(command)) << command;
  EXPECT_TRUE(WaitFor([&]() { return program.Lines().size() == 3; }));
  EXPECT_EQ(program.Lines(), (Lines{"ソ表.txt", "b.txt", "Data"}));
  RECT bar = ScreenRect(program.Control("Panel1"));
  command = std::string(drag) + " " + std::to_string(bar.left + 182) + " " + std::to_string(bar.top + 15) + " '" +
            UnixPath(other) + "'";
  ASSERT_TRUE(RunUnix(command)) << command;
  EXPECT_TRUE(WaitFor([&]() { return program.Lines().size() == 4; }));
  EXPECT_EQ(program.Lines().back(), "b.txt");
}
