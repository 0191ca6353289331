#include <gtest/gtest.h>

#include "Harness.h"

using namespace e2e;

namespace {

// Whatever closes it, the program ends at once with status 0 and asks nothing.
void ExpectEndsQuietly(Program& program) {
  EXPECT_EQ(program.WaitForExit(), 0);
  EXPECT_EQ(FindWindowOf(program.Pid(), "TMessageForm"), nullptr);
}

void FillWithUnsavedLines(Program& program) {
  std::vector<std::string> paths;
  for (int i = 0; i < 200; ++i) paths.push_back("Z:\\unsaved\\line" + std::to_string(i));
  program.Drop(paths);
}

}  // namespace

TEST(Closing, ByTheEndButton) {
  Program program;
  FillWithUnsavedLines(program);
  program.ClickNoWait("endB");
  ExpectEndsQuietly(program);
}

TEST(Closing, ByTheCloseBoxMessage) {
  Program program;
  FillWithUnsavedLines(program);
  PostMessageA(program.Form(), WM_CLOSE, 0, 0);
  ExpectEndsQuietly(program);
}

TEST(Closing, ByTheSystemMenusCloseCommand) {
  Program program;
  CloseBySystemMenu(program.Form());
  ExpectEndsQuietly(program);
}

TEST(Closing, ByAltF4) {
  Program program;
  SetForegroundWindow(program.Form());
  ASSERT_TRUE(WaitFor([&]() { return GetForegroundWindow() == program.Form(); }, 3000));
  SendChord({VK_MENU}, VK_F4);
  ExpectEndsQuietly(program);
}

TEST(Closing, EventsQueuedBehindTheCloseTouchNothing) {
  // A drop and clicks that wait behind the close must not reach the released list.
  TempFolder folder;
  Program program;
  std::string a = folder.Make("a.txt");
  program.Freeze();
  PostMessageA(program.Form(), WM_CLOSE, 0, 0);
  program.DropList(a + std::string(2, '\0'), false);
  program.ClickNoWait("NewBtn");
  program.ClickNoWait("mojiAA");
  program.ClickNoWait("copytxt");
  program.ClickNoWait("saveBtn");
  program.Thaw();
  ExpectEndsQuietly(program);
  EXPECT_EQ(FindWindowOf(program.Pid(), "#32770"), nullptr);
}
