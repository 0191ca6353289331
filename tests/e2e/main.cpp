#include <gtest/gtest.h>
#include <windows.h>

int main(int argc, char** argv) {
  // A failure shows in the test's output, never in a box that waits for a click.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
