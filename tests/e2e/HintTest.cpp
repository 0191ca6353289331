#include <gtest/gtest.h>

#include "Harness.h"
#include "agent/AgentProtocol.h"

using namespace e2e;

namespace {

struct HintCase {
  const char* control;
  const char* hint;
};

const HintCase Hints[] = {
    {"NewBtn", "ファイル名一覧を消去する"},
    {"saveBtn", "ファイル名一覧をテキストとしてセーブする"},
    {"copytxt", "取得したファイル名をコピーバッファにコピーする"},
    {"mojiAA", "取得したファイル名のファイルを全て大文字にする"},
    {"mojiA", "取得したファイル名のファイルを全て小文字にする"},
    {"ExpBtn", "ファイルエクスプローラーを起動する"},
    {"endB", "プログラムを終了"},
    {"REdit", "ここへファイルエクスプローラーからファイルをドラックするとファイル名一覧としてリストができる"},
};

HintState ReadHints(Program& program) {
  HintState state{};
  state.form = reinterpret_cast<uintptr_t>(program.Form());
  EXPECT_EQ(program.CallAgent("ReadHintState", &state, sizeof state), 0u) << "no hint window";
  return state;
}

void PointAt(HWND control) {
  RECT r = ScreenRect(control);
  MouseTo((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

}  // namespace

TEST(Hints, ThePlatformsTimingsAndTheTooltipColour) {
  Program program;
  HintState state = ReadHints(program);
  EXPECT_EQ(state.initial, 500u);
  EXPECT_EQ(state.hide, 2500u);
  EXPECT_EQ(state.reshow, 50u);
  EXPECT_EQ(state.background, GetSysColor(COLOR_INFOBK));
}

TEST(Hints, EachButtonAndTheTextAreaShowTheirHintWhenThePointerRests) {
  Program program;
  SetForegroundWindow(program.Form());
  for (const HintCase& c : Hints) {
    MouseTo(0, 0);
    Sleep(100);
    PointAt(program.Control(c.control));
    bool shown = WaitFor(
        [&]() {
          HintState state = ReadHints(program);
          // The tooltip hands out at most the first 80 bytes of a tip.
          return state.visible && std::string(state.text) == std::string(c.hint).substr(0, 80);
        },
        4000);
    EXPECT_TRUE(shown) << c.control << " showed \"" << ReadHints(program).text << "\"";
  }
}

TEST(Hints, TheCheckBoxAndTheToolbarShowNone) {
  Program program;
  SetForegroundWindow(program.Form());
  RECT box = ScreenRect(program.Control("CBox1"));
  RECT panel = ScreenRect(program.Control("Panel1"));
  // The check box's middle, and the toolbar's gap between ExpBtn and the check box.
  const POINT spots[] = {{(box.left + box.right) / 2, (box.top + box.bottom) / 2}, {panel.left + 183, panel.top + 15}};
  for (POINT spot : spots) {
    MouseTo(0, 0);
    Sleep(100);
    MouseTo(spot.x, spot.y);
    Sleep(1200);
    EXPECT_FALSE(ReadHints(program).visible) << "at " << spot.x << "," << spot.y;
  }
}
