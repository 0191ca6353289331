#include <gtest/gtest.h>

#include "Harness.h"

using namespace e2e;

namespace {

using Lines = std::vector<std::string>;

// Waits for the error box, checks it, and dismisses it with Enter.
void ExpectErrorBox(Program& program, const std::string& text) {
  HWND window = WaitForWindowOf(program.Pid(), "#32770");
  ASSERT_NE(window, nullptr) << "no error box";
  Box box = ReadBox(window);
  EXPECT_EQ(box.caption, "Tamberlo");
  EXPECT_EQ(box.text, text);
  EXPECT_EQ(box.buttons, (Lines{"OK"}));
  EXPECT_NE(box.icon, nullptr) << "the stop sign";
  EXPECT_FALSE(IsWindowEnabled(program.Form())) << "the window takes no input under the box";
  PressKey(window, VK_RETURN);
  ASSERT_TRUE(WaitFor([&]() { return !IsWindow(window); })) << "the box did not close";
  program.Sync();
  EXPECT_TRUE(IsWindowEnabled(program.Form()));
}

}  // namespace

TEST(Errors, AFullTextAreaEndsTheDropAtTheFirstLineThatDoesNotFit) {
  Program program;
  // "first\r\n" and "second\r\n" fit in 15 bytes; "third\r\n" does not.
  program.SetCapacity(15);
  program.Drop({"Z:\\first", "Z:\\second", "Z:\\third", "Z:\\fourth"});
  ExpectErrorBox(program, "RichEdit での行の挿入ｴﾗｰ.");
  EXPECT_EQ(program.Lines(), (Lines{"first", "second"})) << "later items of the drop are taken";
  EXPECT_TRUE(program.Running());
}

TEST(Errors, WhileTheAreaIsFullEachDropFailsAtItsFirstItem) {
  Program program;
  program.SetCapacity(8);
  program.Drop({"Z:\\first"});
  program.Drop({"Z:\\x", "Z:\\y"});
  ExpectErrorBox(program, "RichEdit での行の挿入ｴﾗｰ.");
  EXPECT_EQ(program.Lines(), (Lines{"first"}));
  program.Drop({"Z:\\z"});
  ExpectErrorBox(program, "RichEdit での行の挿入ｴﾗｰ.");
  EXPECT_EQ(program.Lines(), (Lines{"first"}));
}

TEST(Errors, ClearingRestoresAndTheProgramGoesOn) {
  Program program;
  program.SetCapacity(8);
  program.Drop({"Z:\\first", "Z:\\second"});
  ExpectErrorBox(program, "RichEdit での行の挿入ｴﾗｰ.");
  program.Click("NewBtn");
  EXPECT_EQ(program.Text(), "");
  program.Drop({"Z:\\again"});
  EXPECT_EQ(program.Lines(), (Lines{"again"}));
}
