#include <gtest/gtest.h>

#include "Harness.h"

using namespace e2e;

namespace {

using Lines = std::vector<std::string>;

HWND FocusOf(const Program& program) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(program.Form(), nullptr), &info);
  return info.hwndFocus;
}

void ExpectCentredOnScreen(HWND window) {
  RECT r = ScreenRect(window);
  int width = r.right - r.left, height = r.bottom - r.top;
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
}

}  // namespace

TEST(MessageDialog, TheQuestionLooksAndAnswersAsDescribed) {
  TempFolder folder;
  Program program;
  program.Drop({folder.Make("q.txt")});
  SetForegroundWindow(program.Form());
  program.Click("mojiAA");
  Box box = WaitForBox(program.Pid());
  ASSERT_NE(box.window, nullptr);
  EXPECT_EQ(box.caption, "確認");
  EXPECT_EQ(box.text, "ファイル名も大文字にしますか？");
  EXPECT_EQ(box.buttons, (Lines{"はい(&Y)", "いいえ(&N)"}));
  EXPECT_TRUE(ShowsSystemIcon(box.icon, IDI_QUESTION)) << "the question-mark icon";
  EXPECT_TRUE(WaitFor([&]() { return FocusOf(program) == box.buttonWindows[0]; }, 3000)) << "Yes has the focus";
  EXPECT_TRUE(GetWindowLongA(box.buttonWindows[0], GWL_STYLE) & BS_DEFPUSHBUTTON) << "Yes is the default";
  // Both buttons in one row, centred below the text.
  RECT yes = ClientRectIn(box.buttonWindows[0], box.window), no = ClientRectIn(box.buttonWindows[1], box.window);
  RECT client{};
  GetClientRect(box.window, &client);
  EXPECT_EQ(yes.top, no.top);
  EXPECT_LE(std::abs((yes.left + no.right) / 2 - client.right / 2), 1);
  ExpectCentredOnScreen(box.window);
  EXPECT_FALSE(IsWindowEnabled(program.Form())) << "the window takes no input while the box is open";
  // A real click on the window does nothing meanwhile.
  RECT clear = ScreenRect(program.Control("NewBtn"));
  MouseTo(clear.left + 8, clear.top + 8);
  MouseButton(true);
  MouseButton(false);
  Sleep(200);
  program.Sync();
  EXPECT_EQ(program.Lines(), (Lines{"Q.TXT"}));
  PressKey(box.window, 'N');
  ASSERT_TRUE(WaitFor([&]() { return !IsWindow(box.window); }));
  program.Sync();
  EXPECT_TRUE(IsWindowEnabled(program.Form()));
  EXPECT_TRUE(WaitFor([&]() { return GetForegroundWindow() == program.Form(); }, 3000))
      << "the window active before is active again";
}

TEST(MessageDialog, ThePlainBoxHasTheTitleNoIconAndOneButton) {
  Program program;
  program.Click("mojiA");
  Box box = WaitForBox(program.Pid());
  EXPECT_EQ(box.caption, "Tamberlo");
  EXPECT_EQ(box.buttons, (Lines{"OK"}));
  EXPECT_EQ(box.icon, nullptr);
  ExpectCentredOnScreen(box.window);
  // Esc presses OK, the only button, as does its close box.
  PressKey(box.window, VK_ESCAPE);
  EXPECT_TRUE(WaitFor([&]() { return !IsWindow(box.window); }));
  program.Click("mojiA");
  box = WaitForBox(program.Pid());
  CloseBySystemMenu(box.window);
  EXPECT_TRUE(WaitFor([&]() { return !IsWindow(box.window); }));
  program.Sync();
  EXPECT_TRUE(IsWindowEnabled(program.Form()));
}
