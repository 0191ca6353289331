// Loaded into the program under test. Posts drops the way the shell does,
// and tells the test when the program's thread has taken a marker message,
// so that the test knows every message posted before it has been handled.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstring>

#include "AgentProtocol.h"

namespace {
HINSTANCE module_ = nullptr;
UINT marker_ = 0;
UINT freeze_ = 0;
HANDLE markerEvent_ = nullptr;
HANDLE frozenEvent_ = nullptr;
HANDLE thawEvent_ = nullptr;
HHOOK hook_ = nullptr;

LRESULT CALLBACK WatchMessages(int code, WPARAM removal, LPARAM message) {
  if (code == HC_ACTION && removal == PM_REMOVE) {
    UINT taken = reinterpret_cast<MSG*>(message)->message;
    if (taken == marker_) SetEvent(markerEvent_);
    if (taken == freeze_) {
      // Held here, the thread takes nothing more until the test lets it go.
      SetEvent(frozenEvent_);
      WaitForSingleObject(thawEvent_, 20000);
    }
  }
  return CallNextHookEx(hook_, code, removal, message);
}
}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI PostDrop(void* parameter) {
  const auto* request = static_cast<const DropRequest*>(parameter);
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + request->bytes);
  if (memory == nullptr) return 1;
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = request->wide != 0;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), request->list, request->bytes);
  GlobalUnlock(memory);
  HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(request->window));
  return PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0) ? 0 : 2;
}

extern "C" __declspec(dllexport) DWORD WINAPI WatchForMarker(void* parameter) {
  const auto* request = static_cast<const SyncRequest*>(parameter);
  marker_ = request->message;
  freeze_ = request->freeze;
  markerEvent_ = OpenEventA(EVENT_MODIFY_STATE, FALSE, request->event);
  frozenEvent_ = OpenEventA(EVENT_MODIFY_STATE, FALSE, request->frozen);
  thawEvent_ = OpenEventA(SYNCHRONIZE, FALSE, request->thaw);
  HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(request->window));
  DWORD thread = GetWindowThreadProcessId(window, nullptr);
  hook_ = SetWindowsHookExA(WH_GETMESSAGE, WatchMessages, module_, thread);
  return hook_ != nullptr && markerEvent_ != nullptr ? 0 : 1;
}

extern "C" __declspec(dllexport) DWORD WINAPI ReadScrollState(void* parameter) {
  auto* state = static_cast<ScrollState*>(parameter);
  HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(state->window));
  UpdateWindow(window);  // the bar is drawn, and set, with the paint that follows a change
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  if (!GetScrollInfo(window, SB_VERT, &si)) return 1;
  state->min = si.nMin;
  state->max = si.nMax;
  state->page = static_cast<int32_t>(si.nPage);
  state->pos = si.nPos;
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  GetScrollBarInfo(window, OBJID_VSCROLL, &bar);
  state->disabled = (bar.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) != 0;
  return 0;
}

extern "C" __declspec(dllexport) DWORD WINAPI ReadHintState(void* parameter) {
  auto* state = static_cast<HintState*>(parameter);
  HWND form = reinterpret_cast<HWND>(static_cast<uintptr_t>(state->form));
  HWND tooltip = nullptr;
  for (HWND w = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); w != nullptr;
       w = FindWindowExA(nullptr, w, TOOLTIPS_CLASSA, nullptr))
    if (GetWindow(w, GW_OWNER) == form) tooltip = w;
  if (tooltip == nullptr) return 1;
  state->initial = static_cast<uint32_t>(SendMessageA(tooltip, TTM_GETDELAYTIME, TTDT_INITIAL, 0));
  state->hide = static_cast<uint32_t>(SendMessageA(tooltip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0));
  state->reshow = static_cast<uint32_t>(SendMessageA(tooltip, TTM_GETDELAYTIME, TTDT_RESHOW, 0));
  state->visible = IsWindowVisible(tooltip) ? 1 : 0;
  state->background = static_cast<uint32_t>(SendMessageA(tooltip, TTM_GETTIPBKCOLOR, 0, 0));
  state->text[0] = '\0';
  TOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  if (SendMessageA(tooltip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&tool))) {
    tool.lpszText = state->text;
    SendMessageA(tooltip, TTM_GETTEXTA, sizeof state->text, reinterpret_cast<LPARAM>(&tool));
  }
  return 0;
}

extern "C" __declspec(dllexport) DWORD WINAPI ReadFont(void* parameter) {
  auto* state = static_cast<FontState*>(parameter);
  HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(state->window));
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  if (font == nullptr) return 1;
  LOGFONTA lf{};
  GetObjectA(font, sizeof lf, &lf);
  state->height = lf.lfHeight;
  state->weight = lf.lfWeight;
  state->underline = lf.lfUnderline;
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  GetTextFaceA(dc, sizeof state->face, state->face);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  state->charset = tm.tmCharSet;
  state->proportional = (tm.tmPitchAndFamily & TMPF_FIXED_PITCH) != 0;
  return 0;
}

// 0 when the window has a big and a small icon from the program's own resources.
extern "C" __declspec(dllexport) DWORD WINAPI CheckIcons(void* parameter) {
  HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(*static_cast<uint64_t*>(parameter)));
  HICON big = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0));
  HICON classIcon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICON));
  return (big != nullptr ? 0 : 1) | (classIcon != nullptr ? 0 : 2);
}

// 1 when the program holds a handle to a process, or a thread of it.
extern "C" __declspec(dllexport) DWORD WINAPI HoldsHandleTo(void* parameter) {
  DWORD pid = *static_cast<DWORD*>(parameter);
  for (uintptr_t value = 4; value < 0x10000; value += 4) {
    HANDLE handle = reinterpret_cast<HANDLE>(value);
    if (GetProcessId(handle) == pid || GetProcessIdOfThread(handle) == pid) return 1;
  }
  return 0;
}

// The text area's text read inside the program, byte for byte (a read from
// another process goes through UTF-16 and back).
extern "C" __declspec(dllexport) DWORD WINAPI ReadText(void* parameter) {
  auto* request = static_cast<TextRequest*>(parameter);
  HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(request->window));
  request->length = static_cast<uint32_t>(
      SendMessageA(window, WM_GETTEXT, sizeof request->text, reinterpret_cast<LPARAM>(request->text)));
  return 0;
}

namespace {
DWORD WINAPI ServeTheTest(void*) {
  DWORD pid = GetCurrentProcessId();
  HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, AgentObjectName(pid, "channel").c_str());
  HANDLE request = OpenEventA(SYNCHRONIZE, FALSE, AgentObjectName(pid, "request").c_str());
  HANDLE done = OpenEventA(EVENT_MODIFY_STATE, FALSE, AgentObjectName(pid, "done").c_str());
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, AgentObjectName(pid, "ready").c_str());
  // The test's own copy of the agent finds no objects and serves nobody.
  if (mapping == nullptr || request == nullptr || done == nullptr || ready == nullptr) return 1;
  auto* channel = static_cast<Channel*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0));
  SetEvent(ready);
  for (;;) {
    if (WaitForSingleObject(request, INFINITE) != WAIT_OBJECT_0) return 2;
    using Function = DWORD(WINAPI*)(void*);
    auto function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, channel->function)));
    channel->result = function != nullptr ? function(channel->data) : ~0u;
    SetEvent(done);
  }
}
}  // namespace

// The test hooks the program's thread with this: the first message the
// thread takes loads the agent into the program, with no call across
// processes (those hung now and then under Wine).
extern "C" __declspec(dllexport) LRESULT CALLBACK LoadingHook(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  module_ = instance;
  // The system frees a hook's module after the call; the serving thread
  // needs it for the program's lifetime.
  HMODULE pinned = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_PIN | GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                     reinterpret_cast<LPCSTR>(&ServeTheTest), &pinned);
  HANDLE thread = CreateThread(nullptr, 0, ServeTheTest, nullptr, 0, nullptr);
  if (thread != nullptr) CloseHandle(thread);
  return TRUE;
}
