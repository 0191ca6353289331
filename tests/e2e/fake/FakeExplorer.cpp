// Stands in for the file manager beside a copy of the program: records how
// it was started in explorer.log next to it, then stays for a while.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string folder(self);
  folder.resize(folder.find_last_of('\\') + 1);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  char line[1024];
  std::snprintf(line, sizeof line, "pid=%lu flags=%lu show=%u cmd=%s\n", GetCurrentProcessId(),
                startup.dwFlags, startup.wShowWindow, GetCommandLineA());
  HANDLE log = CreateFileA((folder + "explorer.log").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(log, line, static_cast<DWORD>(strlen(line)), &written, nullptr);
  CloseHandle(log);
  Sleep(6000);
  return 0;
}
