#include <gtest/gtest.h>

#include "Harness.h"

using namespace e2e;

namespace {
using Lines = std::vector<std::string>;
}

TEST(Clearing, EmptiesTheListAndTheNextDropStartsAtTheTop) {
  TempFolder folder;
  Program program;
  std::string a = folder.Make("a.txt"), b = folder.Make("b.txt");
  program.Drop({a, b});
  program.Click("NewBtn");
  EXPECT_EQ(program.Text(), "");
  program.Drop({b});
  EXPECT_EQ(program.Lines(), (Lines{"b.txt"}));
}

TEST(Clearing, AnEmptyListStaysEmptyAndNothingIsShown) {
  Program program;
  program.Click("NewBtn");
  program.Click("NewBtn");
  EXPECT_EQ(program.Text(), "");
  EXPECT_TRUE(NoWindowOf(program.Pid(), "#32770", 500));
  EXPECT_TRUE(NoWindowOf(program.Pid(), "TMessageForm", 100));
  EXPECT_TRUE(program.Running());
}

TEST(Clearing, KeepsTheOptionAsItIs) {
  TempFolder folder;
  Program program;
  Send(program.Control("CBox1"), BM_CLICK, 0, 0);
  ASSERT_TRUE(program.Checked());
  std::string a = folder.Make("a.txt");
  program.Drop({a});
  program.Click("NewBtn");
  EXPECT_TRUE(program.Checked());
  program.Drop({a});
  EXPECT_EQ(program.Lines(), (Lines{a}));
}

TEST(Clearing, AClickCountsOnlyWhenReleasedOverTheButtonItWasPressedOn) {
  Program program;
  program.Drop({"Z:\\kept"});
  SetForegroundWindow(program.Form());
  RECT clear = ScreenRect(program.Control("NewBtn"));
  RECT save = ScreenRect(program.Control("saveBtn"));
  // Pressed on the button, released off it.
  MouseTo(clear.left + 10, clear.top + 10);
  MouseButton(true);
  MouseTo(clear.left + 10, clear.bottom + 60);
  MouseButton(false);
  Sleep(150);
  program.Sync();
  EXPECT_EQ(program.Text(), "kept\r\n");
  // Pressed on another button, released over this one.
  MouseTo(save.left + 10, save.top + 10);
  MouseButton(true);
  MouseTo(clear.left + 10, clear.top + 10);
  MouseButton(false);
  Sleep(150);
  program.Sync();
  EXPECT_EQ(program.Text(), "kept\r\n");
  EXPECT_TRUE(NoWindowOf(program.Pid(), "#32770", 300)) << "the save dialog opened";
  // Pressed and released on it.
  MouseButton(true);
  MouseButton(false);
  Sleep(150);
  program.Sync();
  EXPECT_EQ(program.Text(), "");
}
