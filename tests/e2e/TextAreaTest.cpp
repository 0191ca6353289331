#include <gtest/gtest.h>

#include <algorithm>

#include "Harness.h"
#include "agent/AgentProtocol.h"

using namespace e2e;

namespace {

class TextArea : public ::testing::Test {
 protected:
  HWND Edit() const { return program.Control("REdit"); }
  ScrollState Scroll() {
    ScrollState state{};
    state.window = reinterpret_cast<uintptr_t>(Edit());
    EXPECT_EQ(program.CallAgent("ReadScrollState", &state, sizeof state), 0u);
    return state;
  }
  std::pair<int, int> Selection() {
    DWORD start = 0, end = 0;
    LRESULT packed = Send(Edit(), EM_GETSEL, 0, 0);
    start = LOWORD(packed);
    end = HIWORD(packed);
    return {static_cast<int>(start), static_cast<int>(end)};
  }
  int FirstVisibleLine() { return static_cast<int>(Send(Edit(), EM_GETFIRSTVISIBLELINE, 0, 0)); }
  void DropLines(int count, const std::string& prefix = "line") {
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) paths.push_back("Z:\\list\\" + prefix + std::to_string(i));
    program.Drop(paths);
  }
  // Focus on the text area with a click at a point of it, and the window in front.
  void ClickAt(int x, int y, bool shift = false) {
    PostMessageA(Edit(), WM_LBUTTONDOWN, MK_LBUTTON | (shift ? MK_SHIFT : 0), MAKELPARAM(x, y));
    PostMessageA(Edit(), WM_LBUTTONUP, shift ? MK_SHIFT : 0, MAKELPARAM(x, y));
    program.Sync();
  }
  bool InFront() {
    SetForegroundWindow(program.Form());
    return WaitFor([&]() { return GetForegroundWindow() == program.Form(); }, 3000);
  }
  void Keys(std::initializer_list<UINT> modifiers, UINT key) {
    SendChord(modifiers, key);
    Sleep(30);
    program.Sync();
  }
  bool HighlightShown() {
    RECT r = ScreenRect(Edit());
    std::vector<COLORREF> pixels = Capture(r);
    COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    return std::count(pixels.begin(), pixels.end(), highlight) > 20;
  }

  Program program;
};

}  // namespace

TEST_F(TextArea, TheScrollBarIsAlwaysThereAndDisabledWhileTheTextFits) {
  ScrollState state = Scroll();
  EXPECT_TRUE(state.disabled);
  DropLines(3);
  EXPECT_TRUE(Scroll().disabled);
  DropLines(40);
  state = Scroll();
  EXPECT_FALSE(state.disabled);
  EXPECT_EQ(state.max, 43);  // 43 lines and the place after the last
  EXPECT_GT(state.page, 5);
  program.Click("NewBtn");
  EXPECT_TRUE(Scroll().disabled);
}

TEST_F(TextArea, ALongLineWrapsOnScreenButStaysOneLine) {
  Send(program.Control("CBox1"), BM_CLICK, 0, 0);
  std::string path = "Z:\\" + std::string(150, 'w') + "\\" + std::string(60, 'n') + ".txt";
  program.Drop({path, "Z:\\short"});
  EXPECT_EQ(program.Lines().size(), 2u);
  EXPECT_EQ(program.Lines()[0], path);
  int narrowRows = Scroll().max + 1;
  EXPECT_GE(narrowRows, 5) << "the long line should wrap over rows";
  RECT r = ScreenRect(program.Form());
  SetWindowPos(program.Form(), nullptr, 0, 0, 1200, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  program.Sync();
  WaitFor([&]() { return Scroll().max + 1 < narrowRows; }, 3000);
  EXPECT_LT(Scroll().max + 1, narrowRows) << "a wider area wraps again into fewer rows";
  EXPECT_EQ(program.Lines().size(), 2u);
}

TEST_F(TextArea, KeysMoveTheCaretAndShiftSelects) {
  // aa CR LF aaaa CR LF aaaaaa CR LF: lines at 0, 4 and 10; 18 bytes.
  program.Drop({"Z:\\aa", "Z:\\aaaa", "Z:\\aaaaaa"});
  ASSERT_TRUE(InFront());
  ClickAt(1, 2);
  EXPECT_EQ(Selection(), std::make_pair(0, 0));
  Keys({VK_SHIFT}, VK_END);
  EXPECT_EQ(Selection(), std::make_pair(0, 2));
  Keys({VK_SHIFT}, VK_DOWN);
  EXPECT_EQ(Selection(), std::make_pair(0, 6));  // the same x on the next line
  Keys({}, VK_RIGHT);
  EXPECT_EQ(Selection(), std::make_pair(6, 6));  // collapses to the selection's end
  Keys({}, VK_END);
  Keys({}, VK_RIGHT);
  EXPECT_EQ(Selection(), std::make_pair(10, 10));  // over the line break in one step
  Keys({VK_SHIFT}, VK_LEFT);
  EXPECT_EQ(Selection(), std::make_pair(8, 10));
  Keys({VK_CONTROL}, VK_END);
  EXPECT_EQ(Selection(), std::make_pair(18, 18));
  Keys({VK_CONTROL, VK_SHIFT}, VK_HOME);
  EXPECT_EQ(Selection(), std::make_pair(0, 18));
  Keys({}, VK_NEXT);
  EXPECT_EQ(Selection(), std::make_pair(18, 18));
  Keys({}, VK_PRIOR);
  EXPECT_EQ(Selection(), std::make_pair(0, 0));
  Keys({VK_CONTROL}, 'A');
  EXPECT_EQ(Selection(), std::make_pair(0, 18));
  SetClipboardText("before");
  Keys({VK_CONTROL}, 'C');
  EXPECT_EQ(ClipboardText(), "aa\r\naaaa\r\naaaaaa\r\n");
}

TEST_F(TextArea, TheMouseSelectsByDragAndShiftClick) {
  program.Drop({"Z:\\first", "Z:\\second"});
  HWND edit = Edit();
  PostMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 3));
  PostMessageA(edit, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, 20));
  PostMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(300, 20));
  program.Sync();
  EXPECT_EQ(Selection(), std::make_pair(0, 13)) << "from the start to the end of the second line";
  ClickAt(2, 3);
  ClickAt(300, 3, true);
  EXPECT_EQ(Selection(), std::make_pair(0, 5));
  EXPECT_EQ(GetFocus() == nullptr, true);  // the focus is the program's, not the test's
}

TEST_F(TextArea, TheWheelAndTheScrollBarScrollByRows) {
  DropLines(100);
  Send(Edit(), EM_SETSEL, 0, 0);
  Send(Edit(), EM_SCROLLCARET, 0, 0);
  ASSERT_EQ(FirstVisibleLine(), 0);
  RECT r = ScreenRect(Edit());
  PostMessageA(Edit(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(r.left + 20, r.top + 20));
  program.Sync();
  EXPECT_EQ(FirstVisibleLine(), 3);
  PostMessageA(Edit(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(r.left + 20, r.top + 20));
  program.Sync();
  EXPECT_EQ(FirstVisibleLine(), 0);
  int page = Scroll().page;
  PostMessageA(Edit(), WM_VSCROLL, SB_PAGEDOWN, 0);
  program.Sync();
  EXPECT_EQ(FirstVisibleLine(), page);
  PostMessageA(Edit(), WM_VSCROLL, SB_LINEDOWN, 0);
  program.Sync();
  EXPECT_EQ(FirstVisibleLine(), page + 1);
  PostMessageA(Edit(), WM_VSCROLL, SB_BOTTOM, 0);
  program.Sync();
  EXPECT_EQ(FirstVisibleLine(), 101 - page);
  EXPECT_EQ(Scroll().pos, 101 - page);
}

TEST_F(TextArea, ADropBringsItsLastLineIntoView) {
  DropLines(100);
  EXPECT_GT(FirstVisibleLine(), 80);
  EXPECT_EQ(Selection().first, Selection().second);
}

TEST_F(TextArea, TheUserCannotChangeTheText) {
  program.Drop({"Z:\\keep"});
  ASSERT_TRUE(InFront());
  ClickAt(2, 2);
  SetClipboardText("pasted");
  Keys({}, 'X');
  Keys({}, VK_DELETE);
  Keys({}, VK_BACK);
  Keys({}, VK_RETURN);
  Keys({VK_CONTROL}, 'V');
  Keys({VK_CONTROL}, 'X');
  PostMessageA(Edit(), WM_PASTE, 0, 0);
  PostMessageA(Edit(), WM_CHAR, 'z', 0);
  Send(Edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("replaced"));
  program.Sync();
  EXPECT_EQ(program.Text(), "keep\r\n");
}

TEST_F(TextArea, TheSelectionIsHiddenWhileTheAreaLacksTheFocus) {
  program.Drop({"Z:\\" + std::string(40, 'm'), "Z:\\" + std::string(40, 'm')});
  ASSERT_TRUE(InFront());
  ClickAt(2, 2);
  Keys({VK_CONTROL}, 'A');
  UpdateWindow(Edit());
  EXPECT_TRUE(WaitFor([&]() { return HighlightShown(); }, 3000));
  Keys({}, VK_TAB);  // the focus goes to the check box
  EXPECT_TRUE(WaitFor([&]() { return !HighlightShown(); }, 3000));
}

TEST_F(TextArea, AnswersTheStandardEditMessages) {
  program.Drop({"Z:\\ソ表", "Z:\\b"});  // ソ表 CR LF b CR LF: 9 bytes
  HWND edit = Edit();
  EXPECT_EQ(Send(edit, WM_GETTEXTLENGTH, 0, 0), 9);
  EXPECT_EQ(Send(edit, EM_GETLINECOUNT, 0, 0), 3);
  EXPECT_EQ(Send(edit, EM_LINEINDEX, 1, 0), 6);
  EXPECT_EQ(Send(edit, EM_LINEFROMCHAR, 7, 0), 1);
  EXPECT_EQ(Send(edit, EM_LINELENGTH, 0, 0), 4);
  Send(edit, EM_SETSEL, 1, 7);  // inside ソ and after b's start: whole characters only
  EXPECT_EQ(Selection(), std::make_pair(0, 7));
  Send(edit, EM_SETSEL, 0, -1);
  EXPECT_EQ(Selection(), std::make_pair(0, 9));
  SetClipboardText("before");
  Send(edit, WM_COPY, 0, 0);
  EXPECT_EQ(ClipboardText(), "ソ表\r\nb\r\n");
}
