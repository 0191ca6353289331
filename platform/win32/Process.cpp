#include <algorithm>
#include <cstring>

#include "Shell.h"
#include "Win32.h"

void StartProgram(const std::string& commandLine) {
  // The system may write into the command line, so it gets a buffer of its own.
  char buffer[260];
  size_t length = std::min(commandLine.size(), sizeof buffer - 1);
  std::memcpy(buffer, commandLine.data(), length);
  buffer[length] = '\0';
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  PROCESS_INFORMATION process{};
  if (CreateProcessA(nullptr, buffer, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
}
