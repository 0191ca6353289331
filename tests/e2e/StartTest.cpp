#include <gtest/gtest.h>

#include "Harness.h"

using namespace e2e;

namespace {

HWND FocusOf(const Program& program) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(program.Form(), nullptr), &info);
  return info.hwndFocus;
}

bool Foreground(const Program& program) {
  SetForegroundWindow(program.Form());
  return WaitFor([&]() { return GetForegroundWindow() == program.Form(); }, 3000);
}

RECT Centred() {
  int width = GetSystemMetrics(SM_CXSCREEN);
  int height = GetSystemMetrics(SM_CYSCREEN);
  int left = std::max(0, (width - 410) / 2);
  int top = std::max(0, (height - 285) / 2);
  return RECT{left, top, left + 410, top + 285};
}

}  // namespace

TEST(Start, CaptionOuterSizeAndCentredPosition) {
  Program program;
  EXPECT_EQ(WindowText(program.Form()), "Quindrel v1.2");
  RECT r = ScreenRect(program.Form());
  RECT expected = Centred();
  EXPECT_EQ(r.right - r.left, 410);
  EXPECT_EQ(r.bottom - r.top, 285);
  EXPECT_EQ(r.left, expected.left);
  EXPECT_EQ(r.top, expected.top);
  RECT client{};
  GetClientRect(program.Form(), &client);
  EXPECT_EQ(client.right, 402);
  EXPECT_EQ(client.bottom, 258);
}

TEST(Start, TheTaskbarButtonCarriesTheTitleAndTheIcon) {
  Program program;
  ASSERT_NE(program.AppWindow(), nullptr);
  EXPECT_EQ(WindowText(program.AppWindow()), "Tamberlo");
  EXPECT_EQ(GetWindow(program.Form(), GW_OWNER), program.AppWindow());
  uint64_t form = reinterpret_cast<uintptr_t>(program.Form());
  EXPECT_EQ(program.CallAgent("CheckIcons", &form, sizeof form), 0u) << "the window has no icon";
  uint64_t app = reinterpret_cast<uintptr_t>(program.AppWindow());
  EXPECT_EQ(program.CallAgent("CheckIcons", &app, sizeof app) & 2, 0u) << "the taskbar button has no icon";
  LONG style = GetWindowLongA(program.Form(), GWL_STYLE);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_MAXIMIZEBOX);
  EXPECT_EQ(GetMenu(program.Form()), nullptr);
}

TEST(Start, EmptyListOptionOffFocusOnTheCheckBox) {
  Program program;
  EXPECT_EQ(program.Text(), "");
  EXPECT_FALSE(program.Checked());
  EXPECT_TRUE(WaitFor([&]() { return FocusOf(program) == program.Control("CBox1"); }, 3000));
  EXPECT_TRUE(GetWindowLongA(program.Form(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

TEST(Start, SpaceTicksTheCheckBox) {
  Program program;
  ASSERT_TRUE(Foreground(program));
  ASSERT_TRUE(WaitFor([&]() { return FocusOf(program) == program.Control("CBox1"); }, 3000));
  SendChord({}, VK_SPACE);
  EXPECT_TRUE(WaitFor([&]() { return program.Checked(); }, 3000));
  program.Drop({"Z:\\dir\\full.txt"});  // the program reads the option as the box shows it
  SendChord({}, VK_SPACE);
  EXPECT_TRUE(WaitFor([&]() { return !program.Checked(); }, 3000));
  program.Drop({"Z:\\dir\\bare.txt"});
  EXPECT_EQ(program.Lines(), (std::vector<std::string>{"Z:\\dir\\full.txt", "bare.txt"}));
}

TEST(Start, TabMovesTheFocusBetweenTheCheckBoxAndTheTextArea) {
  Program program;
  ASSERT_TRUE(Foreground(program));
  ASSERT_TRUE(WaitFor([&]() { return FocusOf(program) == program.Control("CBox1"); }, 3000));
  SendChord({}, VK_TAB);
  EXPECT_TRUE(WaitFor([&]() { return FocusOf(program) == program.Control("REdit"); }, 3000));
  SendChord({}, VK_TAB);
  EXPECT_TRUE(WaitFor([&]() { return FocusOf(program) == program.Control("CBox1"); }, 3000));
  SendChord({VK_SHIFT}, VK_TAB);
  EXPECT_TRUE(WaitFor([&]() { return FocusOf(program) == program.Control("REdit"); }, 3000));
}

TEST(Start, AMaximisedStartIsMaximisedWithTheToolbarInPlace) {
  StartOptions options;
  options.showWindow = SW_SHOWMAXIMIZED;
  Program program(options);
  EXPECT_TRUE(IsZoomed(program.Form()));
  RECT client{};
  GetClientRect(program.Form(), &client);
  RECT edit = ClientRectIn(program.Control("REdit"), program.Form());
  EXPECT_EQ(edit.top, 31);
  EXPECT_EQ(edit.right, client.right);
  EXPECT_EQ(edit.bottom, client.bottom);
  EXPECT_NE(program.Control("endB"), nullptr) << "endB left its place";
  // Restored, it stands where the first showing centred it.
  ShowWindow(program.Form(), SW_RESTORE);
  ASSERT_TRUE(WaitFor([&]() { return !IsZoomed(program.Form()); }, 3000));
  RECT r = ScreenRect(program.Form());
  EXPECT_EQ(r.left, Centred().left);
  EXPECT_EQ(r.top, Centred().top);
}

TEST(Start, AMinimisedStartTakesNoDropBeforeTheFirstRestore) {
  TempFolder folder;
  std::string file = folder.Make("a.txt");
  StartOptions options;
  options.showWindow = SW_SHOWMINNOACTIVE;
  options.waitForVisibleForm = false;
  Program program(options);
  ASSERT_NE(program.Form(), nullptr);
  // Only a minimised taskbar button: the window is hidden and no drop target.
  EXPECT_FALSE(IsWindowVisible(program.Form()));
  EXPECT_FALSE(GetWindowLongA(program.Form(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  EXPECT_TRUE(IsIconic(program.AppWindow()));

  PostMessageA(program.AppWindow(), WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(WaitFor([&]() { return IsWindowVisible(program.Form()) != FALSE; }));
  EXPECT_TRUE(GetWindowLongA(program.Form(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  RECT r = ScreenRect(program.Form());
  EXPECT_EQ(r.left, Centred().left);
  EXPECT_EQ(r.top, Centred().top);
  program.Drop({file});
  EXPECT_EQ(program.Lines(), std::vector<std::string>{"a.txt"});
}

TEST(Start, MinimisingHidesTheWindowAndRestoringBringsItBack) {
  Program program;
  PostMessageA(program.Form(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(WaitFor([&]() { return !IsWindowVisible(program.Form()); }));
  EXPECT_TRUE(WaitFor([&]() { return IsIconic(program.AppWindow()) != FALSE; }));
  PostMessageA(program.AppWindow(), WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(WaitFor([&]() { return IsWindowVisible(program.Form()) != FALSE; }));
  EXPECT_TRUE(WaitFor([&]() { return !IsIconic(program.AppWindow()); }));
}
