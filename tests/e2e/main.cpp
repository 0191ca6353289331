#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

#include "Harness.h"

namespace {

// No test may hang the run: one that takes longer than this is named, its
// program ended, and the run ends with a failure.
constexpr DWORD LongestTestMs = 90000;

std::atomic<DWORD> testStarted{0};
std::string runningTest;

class Watchdog : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo& test) override {
    runningTest = std::string(test.test_suite_name()) + "." + test.name();
    testStarted = GetTickCount();
  }
  void OnTestEnd(const ::testing::TestInfo&) override { testStarted = 0; }
};

void Watch() {
  for (;;) {
    Sleep(1000);
    DWORD started = testStarted;
    if (started == 0 || GetTickCount() - started < LongestTestMs) continue;
    std::fprintf(stderr, "\n%s did not end within %lu s (in the step \"%s\"): stopping the run\n",
                 runningTest.c_str(), static_cast<unsigned long>(LongestTestMs / 1000), e2e::CurrentStep);
    std::fflush(stderr);
    HANDLE program = OpenProcess(PROCESS_TERMINATE, FALSE, e2e::CurrentProgramPid);
    if (program != nullptr) TerminateProcess(program, 1);
    TerminateProcess(GetCurrentProcess(), 3);
  }
}

}  // namespace

int main(int argc, char** argv) {
  // A failure shows in the test's output, never in a box that waits for a click.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  setvbuf(stdout, nullptr, _IONBF, 0);
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new Watchdog);
  std::thread(Watch).detach();
  return RUN_ALL_TESTS();
}
