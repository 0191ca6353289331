#include <gtest/gtest.h>

#include "Harness.h"
#include "agent/AgentProtocol.h"

using namespace e2e;

namespace {

struct Place {
  const char* name;
  const char* text;  // caption shown, where there is one
  RECT rect;         // in the parent's client area
};

const Place Toolbar[] = {
    {"NewBtn", "", {6, 4, 31, 29}},        {"saveBtn", "", {34, 4, 59, 29}},   {"copytxt", "", {65, 4, 90, 29}},
    {"mojiAA", "A", {97, 4, 122, 29}},     {"mojiA", "a", {124, 4, 149, 29}},  {"ExpBtn", "", {155, 4, 180, 29}},
    {"CBox1", "ドライブとデレクトリーを取得する", {185, 8, 356, 25}}, {"endB", "", {360, 4, 400, 29}},
};

void ExpectToolbarInPlace(const Program& program) {
  HWND panel = program.Control("Panel1");
  for (const Place& place : Toolbar) {
    HWND control = program.Control(place.name);
    ASSERT_NE(control, nullptr) << place.name << " is not where the layout puts it";
    RECT r = ClientRectIn(control, panel);
    EXPECT_TRUE(EqualRect(&r, &place.rect)) << place.name;
  }
}

void ExpectFillsBelowToolbar(const Program& program) {
  RECT client{};
  GetClientRect(program.Form(), &client);
  RECT panel = ClientRectIn(program.Control("Panel1"), program.Form());
  RECT edit = ClientRectIn(program.Control("REdit"), program.Form());
  EXPECT_EQ(panel.left, 0);
  EXPECT_EQ(panel.top, 0);
  EXPECT_EQ(panel.right, client.right);
  EXPECT_EQ(panel.bottom, 31);
  EXPECT_EQ(edit.left, 0);
  EXPECT_EQ(edit.top, 31);
  EXPECT_EQ(edit.right, client.right);
  EXPECT_EQ(edit.bottom, client.bottom);
}

void Resize(const Program& program, int width, int height) {
  RECT r = ScreenRect(program.Form());
  SetWindowPos(program.Form(), nullptr, r.left, r.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  WaitFor([&]() {
    RECT now = ScreenRect(program.Form());
    return now.right - now.left == width && now.bottom - now.top == height;
  });
}

}  // namespace

TEST(Layout, EveryControlStandsWhereTheTableSaysWithItsText) {
  Program program;
  ExpectToolbarInPlace(program);
  ExpectFillsBelowToolbar(program);
  for (const Place& place : Toolbar) EXPECT_EQ(WindowText(program.Control(place.name)), place.text) << place.name;
  RECT edit = ClientRectIn(program.Control("REdit"), program.Form());
  EXPECT_EQ(edit.right - edit.left, 402);
  EXPECT_EQ(edit.bottom - edit.top, 227);
}

TEST(Layout, SettingsOfTheControls) {
  Program program;
  HWND box = program.Control("CBox1");
  EXPECT_EQ(GetWindowLongA(box, GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX) << "a two-state check box";
  EXPECT_TRUE(GetWindowLongA(box, GWL_STYLE) & WS_TABSTOP);
  HWND edit = program.Control("REdit");
  LONG style = GetWindowLongA(edit, GWL_STYLE);
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_FALSE(style & WS_HSCROLL);
  EXPECT_TRUE(style & WS_TABSTOP);
  EXPECT_TRUE(GetWindowLongA(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) << "a sunken border";
  EXPECT_FALSE(GetWindowLongA(program.Control("Panel1"), GWL_STYLE) & WS_TABSTOP);
  for (const char* button : {"NewBtn", "saveBtn", "copytxt", "mojiAA", "mojiA", "ExpBtn", "endB"}) {
    EXPECT_FALSE(GetWindowLongA(program.Control(button), GWL_STYLE) & WS_TABSTOP) << button;
    EXPECT_TRUE(IsWindowEnabled(program.Control(button))) << button;
  }
}

TEST(Layout, FontsAreAProportionalJapaneseFaceAtTheGivenHeights) {
  Program program;
  struct Expected {
    const char* control;
    int height;
    bool bold;
    bool underline;
  };
  const Expected fonts[] = {
      {"REdit", -15, false, false}, {"CBox1", -11, false, false}, {"mojiAA", -16, true, true},
      {"mojiA", -16, true, true},   {"NewBtn", -12, false, false},
  };
  for (const Expected& e : fonts) {
    FontState font{};
    font.window = reinterpret_cast<uintptr_t>(program.Control(e.control));
    ASSERT_EQ(program.CallAgent("ReadFont", &font, sizeof font), 0u) << e.control;
    EXPECT_EQ(font.height, e.height) << e.control;
    EXPECT_EQ(font.weight >= FW_BOLD, e.bold) << e.control;
    EXPECT_EQ(font.underline != 0, e.underline) << e.control;
    EXPECT_EQ(font.charset, static_cast<uint32_t>(SHIFTJIS_CHARSET)) << e.control << " " << font.face;
    EXPECT_TRUE(font.proportional) << e.control << " got the fixed-width face " << font.face;
  }
}

TEST(Layout, AWiderWindowLeavesRoomRightOfTheToolbarAndWidensTheTextArea) {
  Program program;
  Resize(program, 700, 400);
  ExpectToolbarInPlace(program);
  ExpectFillsBelowToolbar(program);
}

TEST(Layout, ANarrowWindowCutsOffTheToolbarsRightEnd) {
  Program program;
  Resize(program, 300, 200);
  ExpectToolbarInPlace(program);  // nothing moves or shrinks
  ExpectFillsBelowToolbar(program);
  RECT client{};
  GetClientRect(program.Form(), &client);
  EXPECT_LT(client.right, 360) << "endB should be cut off";
}

TEST(Layout, MaximisingGivesAllTheRoomToTheTextArea) {
  Program program;
  ShowWindow(program.Form(), SW_MAXIMIZE);
  ASSERT_TRUE(WaitFor([&]() { return IsZoomed(program.Form()) != FALSE; }));
  program.Sync();
  ExpectToolbarInPlace(program);
  ExpectFillsBelowToolbar(program);
}
