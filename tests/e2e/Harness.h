#pragma once
// Drives the real program under Wine: starts it, finds its windows, posts
// drops and input, answers its boxes, and reads what it shows. Every wait
// is bounded.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct Channel;

namespace e2e {

constexpr int DefaultTimeoutMs = 10000;

// Where the build put the program and the test's helpers.
std::string BuildFolder();
std::string ProgramPath();

// Polls until done() holds or the time is up; returns done().
bool WaitFor(const std::function<bool()>& done, int timeoutMs = DefaultTimeoutMs);

// UTF-8 (as tests are written) to code page 932 and back.
std::string Cp932(const std::wstring& text);
std::wstring Wide(const std::string& cp932);

// A fresh folder on a drive Wine reaches, removed with its contents.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::string& Path() const { return path_; }  // ends with a backslash
  std::string Make(const std::string& name, const std::string& content = "x");
  std::string MakeFolder(const std::string& name);

 private:
  std::string path_;
};

std::string ReadFile(const std::string& path);
// The host's path of a path Wine reaches (in code page 932, as command lines
// for host programs take it), and a host shell command run to its end.
std::string UnixPath(const std::string& path);
bool RunUnix(const std::string& shellCommand);
bool Exists(const std::string& path);
// The item's own name as its folder lists it.
std::string ListedName(const std::string& path);

struct StartOptions {
  int showWindow = -1;  // -1: no request
  std::string exe;      // default: the built program
  std::string currentDirectory;
  bool waitForVisibleForm = true;
};

class Program {
 public:
  explicit Program(const StartOptions& options = StartOptions());
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  HWND Form() const { return form_; }
  HWND AppWindow() const { return appWindow_; }
  DWORD Pid() const { return info_.dwProcessId; }
  HANDLE Process() const { return info_.hProcess; }
  // A control by its name, found where the layout puts it.
  HWND Control(const std::string& name) const;

  // A drop as the shell makes it: the paths in code page 932, or UTF-16.
  void Drop(const std::vector<std::string>& paths, bool wide = false);
  // A drop of raw list bytes (each path zero-ended, then one more zero).
  void DropList(const std::string& listBytes, bool wide);
  // Returns once the program has taken every message posted before.
  void Sync(int timeoutMs = DefaultTimeoutMs);
  // Holds the program's thread between two messages, so that what the test
  // posts meanwhile waits in its queue in order; Thaw lets it go on.
  void Freeze();
  void Thaw();

  // A press and release on a button, posted; then Sync.
  void Click(const std::string& button);
  void ClickNoWait(const std::string& button);

  // Runs a function of the agent inside the program on data that it may
  // fill in; returns the function's result.
  DWORD CallAgent(const char* function, void* data, size_t size);

  std::string Text() const;
  std::vector<std::string> Lines() const;
  bool Checked() const;
  void SetCapacity(size_t bytes);

  // Exit status, or -1 when it is still running after the time.
  int WaitForExit(int timeoutMs = DefaultTimeoutMs);
  bool Running() const;

 private:
  void LoadAgent();

  PROCESS_INFORMATION info_{};
  HWND form_ = nullptr;
  HWND appWindow_ = nullptr;
  HMODULE localAgent_ = nullptr;
  HANDLE channelMapping_ = nullptr;
  ::Channel* channel_ = nullptr;
  HANDLE requestEvent_ = nullptr;
  HANDLE doneEvent_ = nullptr;
  HANDLE syncEvent_ = nullptr;
  HANDLE frozenEvent_ = nullptr;
  HANDLE thawEvent_ = nullptr;
  UINT marker_ = 0;
  UINT freeze_ = 0;
};

// A message sent to the program's windows, never waiting longer than the bound.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// The program the running test started, for the watchdog to end with it,
// and the harness step under way, for it to name.
extern DWORD CurrentProgramPid;
extern const char* volatile CurrentStep;

// Top-level windows of a process.
HWND FindWindowOf(DWORD pid, const char* className, bool visibleOnly = true);
HWND WaitForWindowOf(DWORD pid, const char* className, int timeoutMs = DefaultTimeoutMs);
bool NoWindowOf(DWORD pid, const char* className, int forMs);
std::string WindowText(HWND window);
std::string ClassOf(HWND window);
RECT ScreenRect(HWND window);
RECT ClientRectIn(HWND child, HWND parent);

// A message box or the program's message dialog, as it stands.
struct Box {
  HWND window = nullptr;
  std::string caption;
  std::string text;
  std::vector<std::string> buttons;  // left to right
  std::vector<HWND> buttonWindows;
  HWND icon = nullptr;
};
Box ReadBox(HWND window);
// Waits for the program's message dialog, or the system's box, to open.
Box WaitForBox(DWORD pid, const char* className = "TMessageForm");
// Whether a box's icon shows the system's icon (IDI_QUESTION, IDI_EXCLAMATION, IDI_HAND).
bool ShowsSystemIcon(HWND iconWindow, LPCSTR icon);
// Clicks a case button and answers its question with a key.
void AnswerCaseQuestion(Program& program, const std::string& button, UINT key);
// Where Wine reaches a host folder named by an environment variable; empty when unset.
std::string HostFolder(const char* variable);
// Presses a key in a box (key down, character, key up), posted.
void PressKey(HWND window, UINT key);
// Clicks a box's button by its text.
void ClickButton(const Box& box, const std::string& text);
// Closes a window by its system menu's close command.
void CloseBySystemMenu(HWND window);

// Real input through the system: keys with modifiers, mouse moves and clicks.
void SendKeys(const std::vector<std::pair<UINT, bool>>& keys);  // key, down
void SendChord(std::initializer_list<UINT> modifiers, UINT key);
void MouseTo(int x, int y);
void MouseButton(bool down);

// The clipboard's text (code page 932); empty when there is none.
std::string ClipboardText();
void SetClipboardText(const std::string& text);

// Pixels of a screen area, for comparing what is drawn.
std::vector<COLORREF> Capture(const RECT& area);

}  // namespace e2e
