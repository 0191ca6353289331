#include <gtest/gtest.h>

#include "Harness.h"

using namespace e2e;

namespace {

class Copy : public ::testing::Test {
 protected:
  HWND Edit() const { return program.Control("REdit"); }
  std::pair<int, int> Selection() {
    LRESULT packed = Send(Edit(), EM_GETSEL);
    return {LOWORD(packed), HIWORD(packed)};
  }
  int FirstVisibleLine() { return static_cast<int>(Send(Edit(), EM_GETFIRSTVISIBLELINE)); }

  Program program;
};

}  // namespace

TEST_F(Copy, TheClipboardHoldsTheShownTextAsASavedFileWould) {
  Send(program.Control("CBox1"), BM_CLICK);
  program.Drop({"C:\\full\\ソ表.txt"});
  Send(program.Control("CBox1"), BM_CLICK);
  program.Drop({"C:\\dir\\ｷｬﾝｾﾙ", "C:\\", "C:\\" + std::string(300, 'w')});
  SetClipboardText("before");
  program.Click("copytxt");
  EXPECT_EQ(ClipboardText(), "C:\\full\\ソ表.txt\r\nｷｬﾝｾﾙ\r\n\r\n" + std::string(300, 'w') + "\r\n");
  EXPECT_EQ(ClipboardText(), program.Text());
  EXPECT_TRUE(NoWindowOf(program.Pid(), "TMessageForm", 200));
}

TEST_F(Copy, AfterTheCopyTheCaretIsAtTheStartAndTheFirstLineInView) {
  std::vector<std::string> paths;
  for (int i = 0; i < 120; ++i) paths.push_back("Z:\\l\\line" + std::to_string(i));
  program.Drop(paths);
  Send(Edit(), EM_SETSEL, 30, 60);
  PostMessageA(Edit(), WM_VSCROLL, SB_BOTTOM, 0);
  program.Sync();
  ASSERT_GT(FirstVisibleLine(), 100);
  program.Click("copytxt");
  EXPECT_EQ(Selection(), std::make_pair(0, 0));
  EXPECT_EQ(FirstVisibleLine(), 0);
  EXPECT_EQ(ClipboardText().size(), program.Text().size());
}

TEST_F(Copy, AConvertedListIsCopiedConverted) {
  program.Drop({"Z:\\n\\Mixed.Case"});
  AnswerCaseQuestion(program, "mojiA", 'N');
  program.Click("copytxt");
  EXPECT_EQ(ClipboardText(), "mixed.case\r\n");
}

TEST_F(Copy, AClipboardHeldByAnotherProgramShowsNothingAndCollapsesTheSelection) {
  program.Drop({"Z:\\a", "Z:\\b"});
  SetClipboardText("kept");
  ASSERT_TRUE(WaitFor([]() { return OpenClipboard(nullptr) != FALSE; }, 3000));
  program.Click("copytxt");
  CloseClipboard();
  EXPECT_TRUE(NoWindowOf(program.Pid(), "#32770", 300));
  EXPECT_TRUE(NoWindowOf(program.Pid(), "TMessageForm", 100));
  EXPECT_EQ(Selection(), std::make_pair(0, 0));
  EXPECT_EQ(ClipboardText(), "kept");
  EXPECT_TRUE(program.Running());
}

TEST_F(Copy, AnEmptyListRunsTheSameStepsQuietly) {
  SetClipboardText("kept");
  program.Click("copytxt");
  EXPECT_EQ(Selection(), std::make_pair(0, 0));
  EXPECT_TRUE(NoWindowOf(program.Pid(), "TMessageForm", 200));
  EXPECT_TRUE(program.Running());
}
