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
