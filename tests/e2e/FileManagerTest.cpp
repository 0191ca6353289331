#include <gtest/gtest.h>

#include <sstream>

#include "Harness.h"

using namespace e2e;

namespace {

using Lines = std::vector<std::string>;

struct Start {
  unsigned long pid = 0;
  unsigned long flags = 0;
  unsigned show = 0;
  std::string commandLine;
};

// A copy of the program with the stand-in file manager beside it.
class FileManager : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CopyFileA(ProgramPath().c_str(), (folder.Path() + "tamberlo.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((BuildFolder() + "fake\\EXPLORER.EXE").c_str(), (folder.Path() + "EXPLORER.EXE").c_str(), FALSE));
  }
  StartOptions Options(int show = -1) {
    StartOptions options;
    options.exe = folder.Path() + "tamberlo.exe";
    options.showWindow = show;
    options.waitForVisibleForm = show != SW_SHOWMINNOACTIVE;
    return options;
  }
  std::vector<Start> Starts() {
    std::vector<Start> starts;
    std::istringstream log(ReadFile(folder.Path() + "explorer.log"));
    std::string line;
    while (std::getline(log, line)) {
      Start s;
      char command[512] = "";
      if (std::sscanf(line.c_str(), "pid=%lu flags=%lu show=%u cmd=%511[^\n]", &s.pid, &s.flags, &s.show, command) >= 3) {
        s.commandLine = command;
        starts.push_back(s);
      }
    }
    return starts;
  }
  bool StartsReach(size_t n) {
    return WaitFor([&]() { return Starts().size() >= n; });
  }

  TempFolder folder;
};

bool StillRunning(unsigned long pid) {
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
  if (process == nullptr) return false;
  bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
  CloseHandle(process);
  return running;
}

}  // namespace

TEST_F(FileManager, EachClickStartsOneMoreWithTheBareCommandLine) {
  Program program(Options());
  program.Click("ExpBtn");
  ASSERT_TRUE(StartsReach(1));
  program.Click("ExpBtn");
  ASSERT_TRUE(StartsReach(2));
  std::vector<Start> starts = Starts();
  ASSERT_EQ(starts.size(), 2u);
  EXPECT_NE(starts[0].pid, starts[1].pid);
  for (const Start& s : starts) EXPECT_EQ(s.commandLine, "EXPLORER.EXE") << "no arguments";
}

TEST_F(FileManager, TheProgramNeitherWaitsNorHoldsOn) {
  Program program(Options());
  DWORD before = GetTickCount();
  program.Click("ExpBtn");
  EXPECT_LT(GetTickCount() - before, 3000u) << "the click waited for the file manager";
  ASSERT_TRUE(StartsReach(1));
  EXPECT_TRUE(StillRunning(Starts()[0].pid));
  EXPECT_EQ(WindowText(program.Form()), "Quindrel v1.2") << "the window answers";
  DWORD pid = Starts()[0].pid;
  EXPECT_EQ(program.CallAgent("HoldsHandleTo", &pid, sizeof pid), 0u) << "a handle to the file manager was kept";
  DWORD self = GetCurrentProcessId();
  EXPECT_EQ(program.CallAgent("HoldsHandleTo", &self, sizeof self), 0u) << "the check itself sees no handle";
}

TEST_F(FileManager, TheClickTouchesNeitherListNorControl) {
  Program program(Options());
  program.Drop({"Z:\\kept\\a.txt"});
  Send(program.Control("CBox1"), BM_CLICK);
  program.Click("ExpBtn");
  ASSERT_TRUE(StartsReach(1));
  EXPECT_EQ(program.Lines(), (Lines{"a.txt"}));
  EXPECT_TRUE(program.Checked());
}

TEST_F(FileManager, AFailedStartShowsNothingAndChangesNothing) {
  // Not a program at all: the start fails.
  folder.Make("EXPLORER.EXE", "this is no program");
  Program program(Options());
  program.Drop({"Z:\\kept\\a.txt"});
  program.Click("ExpBtn");
  EXPECT_TRUE(NoWindowOf(program.Pid(), "#32770", 1000));
  EXPECT_TRUE(NoWindowOf(program.Pid(), "TMessageForm", 100));
  EXPECT_TRUE(program.Running());
  EXPECT_EQ(program.Lines(), (Lines{"a.txt"}));
}

TEST_F(FileManager, TheProgramsOwnStartRequestIsPassedOn) {
  struct Case {
    const char* name;
    int show;
  };
  for (const Case& c : {Case{"maximised", SW_SHOWMAXIMIZED}, Case{"minimised", SW_SHOWMINNOACTIVE}}) {
    DeleteFileA((folder.Path() + "explorer.log").c_str());
    Program program(Options(c.show));
    program.Click("ExpBtn");
    ASSERT_TRUE(StartsReach(1)) << c.name;
    Start s = Starts()[0];
    EXPECT_TRUE(s.flags & STARTF_USESHOWWINDOW) << c.name;
    EXPECT_EQ(s.show, static_cast<unsigned>(c.show)) << c.name;
  }
}

TEST_F(FileManager, TheFileManagerRunsOnAfterTheProgramEnds) {
  Program program(Options());
  program.Click("ExpBtn");
  ASSERT_TRUE(StartsReach(1));
  program.ClickNoWait("endB");
  EXPECT_EQ(program.WaitForExit(), 0);
  EXPECT_TRUE(StillRunning(Starts()[0].pid));
}

TEST(SystemFileManager, TheClickStartsTheSystemsFileManager) {
  Program program;
  ASSERT_EQ(FindWindowA("ExplorerWClass", nullptr), nullptr);
  program.Click("ExpBtn");
  HWND browser = nullptr;
  bool found = WaitFor(
      [&]() {
        browser = FindWindowA("ExplorerWClass", nullptr);
        return browser != nullptr;
      },
      20000);
  ASSERT_TRUE(found) << "no file manager window came up";
  DWORD pid = 0;
  GetWindowThreadProcessId(browser, &pid);
  EXPECT_NE(pid, program.Pid());
  PostMessageA(browser, WM_CLOSE, 0, 0);
  WaitFor([&]() { return !IsWindow(browser); }, 5000);
}
