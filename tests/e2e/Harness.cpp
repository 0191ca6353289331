#include "Harness.h"

#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>

#include "FileTree.h"
#include "agent/AgentProtocol.h"

namespace e2e {

namespace {

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }

struct ControlPlace {
  const char* name;
  const char* className;
  bool onToolbar;
  RECT rect;  // in the parent's client area; empty: aligned, found by class
};

const ControlPlace Places[] = {
    {"Panel1", "TPanel", false, {0, 0, 0, 0}},
    {"REdit", "TRichEdit", false, {0, 0, 0, 0}},
    {"NewBtn", "TSpeedButton", true, {6, 4, 31, 29}},
    {"saveBtn", "TSpeedButton", true, {34, 4, 59, 29}},
    {"copytxt", "TSpeedButton", true, {65, 4, 90, 29}},
    {"mojiAA", "TSpeedButton", true, {97, 4, 122, 29}},
    {"mojiA", "TSpeedButton", true, {124, 4, 149, 29}},
    {"ExpBtn", "TSpeedButton", true, {155, 4, 180, 29}},
    {"CBox1", "Button", true, {185, 8, 356, 25}},
    {"endB", "TSpeedButton", true, {360, 4, 400, 29}},
};

std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

}  // namespace

DWORD CurrentProgramPid = 0;
const char* volatile CurrentStep = "";

namespace {
struct Step {
  const char* previous;
  explicit Step(const char* name) : previous(CurrentStep) { CurrentStep = name; }
  ~Step() { CurrentStep = previous; }
};
}  // namespace

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Step step("send");
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, DefaultTimeoutMs, &result))
    ADD_FAILURE() << "message " << message << " was not answered in time";
  return static_cast<LRESULT>(result);
}

std::string BuildFolder() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return FolderOf(path);
}

std::string ProgramPath() { return BuildFolder() + "tamberlo.exe"; }

bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
  Step step("wait");
  DWORD start = GetTickCount();
  while (!done()) {
    if (static_cast<int>(GetTickCount() - start) > timeoutMs) return done();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(15);
  }
  return true;
}

std::string Cp932(const std::wstring& text) {
  if (text.empty()) return std::string();
  int n = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), &out[0], n, nullptr, nullptr);
  return out;
}

std::wstring Wide(const std::string& cp932) {
  if (cp932.empty()) return std::wstring();
  int n = MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), &out[0], n);
  return out;
}

// ---- files

TempFolder::TempFolder() {
  static int counter = 0;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  path_ = std::string(temp) + "tamberlo-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(++counter) + "\\";
  CreateDirectoryA(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::string TempFolder::Make(const std::string& name, const std::string& content) {
  std::string path = path_ + name;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  EXPECT_NE(file, INVALID_HANDLE_VALUE) << "cannot make " << path;
  DWORD written = 0;
  if (!content.empty()) WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
  return path;
}

std::string TempFolder::MakeFolder(const std::string& name) {
  std::string path = path_ + name;
  CreateDirectoryA(path.c_str(), nullptr);
  return path;
}

std::string ReadFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string content;
  char buffer[65536];
  DWORD read = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) content.append(buffer, read);
  CloseHandle(file);
  return content;
}

std::string UnixPath(const std::string& path) {
  using ToUnix = char* (*)(const WCHAR*);
  auto toUnix = reinterpret_cast<ToUnix>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (toUnix == nullptr) return std::string();
  char* unix = toUnix(Wide(path).c_str());
  if (unix == nullptr) return std::string();
  // The host's path is UTF-8; the test speaks code page 932, and so do the
  // command lines it hands to host programs.
  int n = MultiByteToWideChar(CP_UTF8, 0, unix, -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, unix, -1, &wide[0], n);
  HeapFree(GetProcessHeap(), 0, unix);
  wide.resize(wide.size() - 1);
  return Cp932(wide);
}

bool RunUnix(const std::string& shellCommand) {
  Step step("unix command");
  // Wine hands out no handle to wait on for a host program: it leaves a mark
  // when the command succeeded, and the mark is waited for.
  static int counter = 0;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string mark = std::string(temp) + "tamberlo-e2e-mark-" + std::to_string(GetCurrentProcessId()) + "-" +
                     std::to_string(++counter);
  DeleteFileA(mark.c_str());
  std::string commandLine = "/bin/sh -c \"(" + shellCommand + ") && : > '" + UnixPath(mark) + "'\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  bool done = WaitFor([&]() { return Exists(mark); }, 5000);
  DeleteFileA(mark.c_str());
  return done;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ListedName(const std::string& path) {
  Step step("listed name");
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return std::string();
  FindClose(search);
  return found.cFileName;
}

// ---- the program

Program::Program(const StartOptions& options) {
  Step step("start");
  std::string exe = options.exe.empty() ? ProgramPath() : options.exe;
  std::string commandLine = "\"" + exe + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (options.showWindow >= 0) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(options.showWindow);
  }
  BOOL started = CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                options.currentDirectory.empty() ? nullptr : options.currentDirectory.c_str(),
                                &startup, &info_);
  if (!started) {
    ADD_FAILURE() << "cannot start " << exe << ": error " << GetLastError();
    return;
  }
  CurrentProgramPid = info_.dwProcessId;
  bool found = WaitFor([&]() {
    form_ = FindWindowOf(info_.dwProcessId, "TDForm", options.waitForVisibleForm);
    return form_ != nullptr;
  });
  if (!found) {
    ADD_FAILURE() << "the main window did not appear";
    return;
  }
  appWindow_ = FindWindowOf(info_.dwProcessId, "TApplication", false);
  LoadAgent();
  Sync();  // the message loop runs: start-up is over
}

Program::~Program() {
  Step step("end program");
  if (Running()) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, DefaultTimeoutMs);
  }
  if (thawEvent_ != nullptr) SetEvent(thawEvent_);
  for (HANDLE event : {syncEvent_, frozenEvent_, thawEvent_, requestEvent_, doneEvent_})
    if (event != nullptr) CloseHandle(event);
  if (channel_ != nullptr) UnmapViewOfFile(channel_);
  if (channelMapping_ != nullptr) CloseHandle(channelMapping_);
  if (localAgent_ != nullptr) FreeLibrary(localAgent_);
  if (info_.hThread != nullptr) CloseHandle(info_.hThread);
  if (info_.hProcess != nullptr) CloseHandle(info_.hProcess);
}

bool Program::Running() const {
  return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

void Program::LoadAgent() {
  Step step("load agent");
  std::string dll = BuildFolder() + "tamberlo_agent.dll";
  localAgent_ = LoadLibraryA(dll.c_str());
  ASSERT_NE(localAgent_, nullptr) << dll;

  DWORD pid = info_.dwProcessId;
  channelMapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                       Channel::Room + offsetof(Channel, data), AgentObjectName(pid, "channel").c_str());
  ASSERT_NE(channelMapping_, nullptr);
  channel_ = static_cast<Channel*>(MapViewOfFile(channelMapping_, FILE_MAP_ALL_ACCESS, 0, 0, 0));
  requestEvent_ = CreateEventA(nullptr, FALSE, FALSE, AgentObjectName(pid, "request").c_str());
  doneEvent_ = CreateEventA(nullptr, FALSE, FALSE, AgentObjectName(pid, "done").c_str());
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, AgentObjectName(pid, "ready").c_str());

  // The program's thread loads the agent when it next takes a message.
  auto hook = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(localAgent_, "LoadingHook")));
  HHOOK loading = SetWindowsHookExA(WH_GETMESSAGE, hook, localAgent_, GetWindowThreadProcessId(form_, nullptr));
  bool serving = false;
  for (int waited = 0; loading != nullptr && !serving && waited < DefaultTimeoutMs; waited += 100) {
    PostMessageA(form_, WM_NULL, 0, 0);
    serving = WaitForSingleObject(ready, 100) == WAIT_OBJECT_0;
  }
  if (loading != nullptr) UnhookWindowsHookEx(loading);
  CloseHandle(ready);
  ASSERT_TRUE(serving) << "the agent did not load into the program";

  std::string base = "TamberloE2E-" + std::to_string(pid);
  marker_ = RegisterWindowMessageA("Tamberlo.E2E.Marker");
  freeze_ = RegisterWindowMessageA("Tamberlo.E2E.Freeze");
  syncEvent_ = CreateEventA(nullptr, FALSE, FALSE, (base + "-taken").c_str());
  frozenEvent_ = CreateEventA(nullptr, FALSE, FALSE, (base + "-frozen").c_str());
  thawEvent_ = CreateEventA(nullptr, FALSE, FALSE, (base + "-thaw").c_str());
  SyncRequest request{};
  request.window = reinterpret_cast<uintptr_t>(form_);
  request.message = marker_;
  request.freeze = freeze_;
  lstrcpynA(request.event, (base + "-taken").c_str(), sizeof request.event);
  lstrcpynA(request.frozen, (base + "-frozen").c_str(), sizeof request.frozen);
  lstrcpynA(request.thaw, (base + "-thaw").c_str(), sizeof request.thaw);
  ASSERT_EQ(CallAgent("WatchForMarker", &request, sizeof request), 0u);
}

DWORD Program::CallAgent(const char* function, void* data, size_t size) {
  Step step("call agent");
  if (channel_ == nullptr || size > Channel::Room) {
    ADD_FAILURE() << "no channel to the agent for " << function;
    return ~0u;
  }
  lstrcpynA(channel_->function, function, sizeof channel_->function);
  channel_->size = static_cast<uint32_t>(size);
  channel_->result = ~0u;
  std::memcpy(channel_->data, data, size);
  ResetEvent(doneEvent_);
  SetEvent(requestEvent_);
  if (WaitForSingleObject(doneEvent_, DefaultTimeoutMs) != WAIT_OBJECT_0) {
    ADD_FAILURE() << "the agent did not answer " << function;
    return ~0u;
  }
  std::memcpy(data, channel_->data, size);
  return channel_->result;
}

void Program::DropList(const std::string& listBytes, bool wide) {
  std::vector<char> request(offsetof(DropRequest, list) + listBytes.size());
  auto* drop = reinterpret_cast<DropRequest*>(request.data());
  drop->window = reinterpret_cast<uintptr_t>(form_);
  drop->wide = wide ? 1 : 0;
  drop->bytes = static_cast<uint32_t>(listBytes.size());
  std::memcpy(request.data() + offsetof(DropRequest, list), listBytes.data(), listBytes.size());
  EXPECT_EQ(CallAgent("PostDrop", request.data(), request.size()), 0u) << "the drop was not posted";
}

void Program::Drop(const std::vector<std::string>& paths, bool wide) {
  std::string list;
  for (const std::string& path : paths) {
    if (wide) {
      std::wstring w = Wide(path);
      list.append(reinterpret_cast<const char*>(w.data()), w.size() * 2);
      list.append(2, '\0');
    } else {
      list.append(path);
      list.push_back('\0');
    }
  }
  list.append(wide ? 2 : 1, '\0');
  DropList(list, wide);
  Sync();
}

void Program::Sync(int timeoutMs) {
  Step step("sync");
  ResetEvent(syncEvent_);
  PostMessageA(form_, marker_, 0, 0);
  EXPECT_EQ(WaitForSingleObject(syncEvent_, static_cast<DWORD>(timeoutMs)), WAIT_OBJECT_0)
      << "the program did not take its messages in time";
}

void Program::Freeze() {
  Step step("freeze");
  ResetEvent(frozenEvent_);
  PostMessageA(form_, freeze_, 0, 0);
  EXPECT_EQ(WaitForSingleObject(frozenEvent_, DefaultTimeoutMs), WAIT_OBJECT_0) << "the program was not held";
}

void Program::Thaw() { SetEvent(thawEvent_); }

HWND Program::Control(const std::string& name) const {
  for (const ControlPlace& place : Places) {
    if (name != place.name) continue;
    HWND parent = form_;
    if (place.onToolbar) {
      parent = nullptr;
      for (HWND child : ChildrenOf(form_))
        if (ClassOf(child) == "TPanel") parent = child;
      if (parent == nullptr) return nullptr;
    }
    for (HWND child : ChildrenOf(parent)) {
      if (lstrcmpiA(ClassOf(child).c_str(), place.className) != 0) continue;
      RECT r = ClientRectIn(child, parent);
      bool aligned = place.rect.right == 0;
      if (aligned || EqualRect(&r, &place.rect)) return child;
    }
  }
  return nullptr;
}

void Program::ClickNoWait(const std::string& button) {
  HWND target = Control(button);
  ASSERT_NE(target, nullptr) << "no control " << button;
  PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageA(target, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

void Program::Click(const std::string& button) {
  ClickNoWait(button);
  Sync();
}

std::string Program::Text() const {
  HWND edit = Control("REdit");
  size_t length = static_cast<size_t>(Send(edit, WM_GETTEXTLENGTH, 0, 0));
  std::string text(length + 1, '\0');
  size_t got = static_cast<size_t>(Send(edit, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0])));
  text.resize(got);
  return text;
}

std::vector<std::string> Program::Lines() const {
  std::vector<std::string> lines;
  std::string text = Text();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

bool Program::Checked() const { return Send(Control("CBox1"), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Program::SetCapacity(size_t bytes) { Send(Control("REdit"), EM_SETLIMITTEXT, bytes, 0); }

int Program::WaitForExit(int timeoutMs) {
  if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return static_cast<int>(code);
}

// ---- windows

namespace {
struct Search {
  DWORD pid;
  const char* className;
  bool visibleOnly;
  HWND found;
};
}  // namespace

HWND FindWindowOf(DWORD pid, const char* className, bool visibleOnly) {
  Step step("find window");
  Search search{pid, className, visibleOnly, nullptr};
  EnumWindows(
      [](HWND window, LPARAM parameter) -> BOOL {
        auto* s = reinterpret_cast<Search*>(parameter);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s->pid || (s->visibleOnly && !IsWindowVisible(window))) return TRUE;
        if (ClassOf(window) != s->className) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindowOf(DWORD pid, const char* className, int timeoutMs) {
  HWND found = nullptr;
  WaitFor([&]() { return (found = FindWindowOf(pid, className)) != nullptr; }, timeoutMs);
  return found;
}

bool NoWindowOf(DWORD pid, const char* className, int forMs) {
  return !WaitFor([&]() { return FindWindowOf(pid, className) != nullptr; }, forMs);
}

std::string WindowText(HWND window) {
  char text[4096] = "";
  Send(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

std::string ClassOf(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

RECT ScreenRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

RECT ClientRectIn(HWND child, HWND parent) {
  RECT r = ScreenRect(child);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

Box ReadBox(HWND window) {
  Box box;
  box.window = window;
  box.caption = WindowText(window);
  std::vector<std::pair<LONG, HWND>> buttons;
  for (HWND child : ChildrenOf(window)) {
    std::string cls = ClassOf(child);
    LONG style = GetWindowLongA(child, GWL_STYLE);
    if (lstrcmpiA(cls.c_str(), "Static") == 0) {
      if ((style & SS_TYPEMASK) == SS_ICON) {
        box.icon = child;
      } else {
        std::string text = WindowText(child);
        if (!text.empty()) box.text += (box.text.empty() ? "" : "\n") + text;
      }
    } else if (lstrcmpiA(cls.c_str(), "Button") == 0 && IsWindowVisible(child)) {
      buttons.emplace_back(ScreenRect(child).left, child);
    }
  }
  std::sort(buttons.begin(), buttons.end());
  for (auto& [left, button] : buttons) {
    box.buttons.push_back(WindowText(button));
    box.buttonWindows.push_back(button);
  }
  return box;
}

Box WaitForBox(DWORD pid, const char* className) {
  HWND window = WaitForWindowOf(pid, className);
  if (window == nullptr) {
    ADD_FAILURE() << "no " << className << " opened";
    return Box();
  }
  // Its controls are made before it shows; let it settle into view.
  WaitFor([&]() {
    RECT r = ScreenRect(window);
    return IsWindowVisible(window) && !IsRectEmpty(&r);
  }, 2000);
  Sleep(50);
  return ReadBox(window);
}

bool ShowsSystemIcon(HWND iconWindow, LPCSTR icon) {
  if (iconWindow == nullptr) return false;
  RECT r = ScreenRect(iconWindow);
  int size = std::min<int>(32, std::min(r.right - r.left, r.bottom - r.top));
  RECT area{r.left, r.top, r.left + size, r.top + size};
  std::vector<COLORREF> shown = Capture(area);
  // The icon drawn on black and on white: pixels alike on both are its own.
  HICON handle = LoadIconA(nullptr, icon);
  auto render = [&](COLORREF background) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH brush = CreateSolidBrush(background);
    RECT all{0, 0, size, size};
    FillRect(dc, &all, brush);
    DrawIconEx(dc, 0, 0, handle, size, size, 0, nullptr, DI_NORMAL);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteObject(brush);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
  };
  std::vector<COLORREF> onBlack = render(RGB(0, 0, 0)), onWhite = render(RGB(255, 255, 255));
  int own = 0, same = 0;
  for (size_t i = 0; i < shown.size(); ++i) {
    if (onBlack[i] != onWhite[i]) continue;
    ++own;
    if (shown[i] == onBlack[i]) ++same;
  }
  return own > 50 && same * 10 >= own * 9;
}

void AnswerCaseQuestion(Program& program, const std::string& button, UINT key) {
  program.Click(button);
  Box question = WaitForBox(program.Pid());
  PressKey(question.window, key);
  EXPECT_TRUE(WaitFor([&]() { return !IsWindow(question.window); })) << "the question did not close";
  program.Sync();
}

std::string HostFolder(const char* variable) {
  const char* folder = std::getenv(variable);
  if (folder == nullptr) return std::string();
  std::string path = std::string("Z:") + folder + "\\";
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

void PressKey(HWND window, UINT key) {
  UINT scan = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
  PostMessageA(window, WM_KEYDOWN, key, 1 | (scan << 16));
  PostMessageA(window, WM_KEYUP, key, 1 | (scan << 16) | (1u << 30) | (1u << 31));
}

void ClickButton(const Box& box, const std::string& text) {
  for (size_t i = 0; i < box.buttons.size(); ++i)
    if (box.buttons[i] == text) {
      PostMessageA(box.buttonWindows[i], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
      PostMessageA(box.buttonWindows[i], WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
      return;
    }
  ADD_FAILURE() << "no button " << text;
}

void CloseBySystemMenu(HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

// ---- real input

void SendKeys(const std::vector<std::pair<UINT, bool>>& keys) {
  std::vector<INPUT> inputs;
  for (auto [key, down] : keys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(key);
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void SendChord(std::initializer_list<UINT> modifiers, UINT key) {
  std::vector<std::pair<UINT, bool>> keys;
  for (UINT m : modifiers) keys.emplace_back(m, true);
  keys.emplace_back(key, true);
  keys.emplace_back(key, false);
  for (auto it = modifiers.end(); it != modifiers.begin();) keys.emplace_back(*--it, false);
  SendKeys(keys);
}

void MouseTo(int x, int y) {
  // As a mouse moves: through the system's input, in two small steps.
  for (int step = 1; step >= 0; --step) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = ((x - step) * 65535) / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = ((y - step) * 65535) / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    Sleep(20);
  }
}

void MouseButton(bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof input);
}

// ---- clipboard and pixels

std::string ClipboardText() {
  Step step("clipboard read");
  std::string text;
  if (!WaitFor([]() { return OpenClipboard(nullptr) != FALSE; }, 3000)) return text;
  HANDLE data = GetClipboardData(CF_TEXT);
  if (data != nullptr) {
    const char* bytes = static_cast<const char*>(GlobalLock(data));
    if (bytes != nullptr) text = bytes;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

void SetClipboardText(const std::string& text) {
  Step step("clipboard write");
  if (!WaitFor([]() { return OpenClipboard(nullptr) != FALSE; }, 3000)) return;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

std::vector<COLORREF> Capture(const RECT& area) {
  Step step("capture");
  int width = area.right - area.left;
  int height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(dc, bitmap);
  BitBlt(dc, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(dc, x, y));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return pixels;
}

}  // namespace e2e
