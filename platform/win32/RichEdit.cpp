#include "RichEdit.h"

#include <algorithm>
#include <vector>

#include "Application.h"
#include "Fonts.h"
#include "Win32.h"
#include "core/Exceptions.h"
#include "core/Mbcs.h"
#include "core/PlatformTexts.h"
#include "core/TextView.h"

namespace {
const char RichEditClass[] = "TRichEdit";
constexpr UINT ExLimitText = WM_USER + 53;  // the rich edit's capacity message
constexpr UINT SettleMessage = WM_USER + 0x200;  // the view's own: the text changed outside any handler
}

// Character widths of the view's font, measured once each.
class FontMetrics : public CharMetrics {
 public:
  explicit FontMetrics(HFONT font) : dc_(CreateCompatibleDC(nullptr)) {
    SelectObject(dc_, font);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc_, &tm);
    rowHeight_ = tm.tmHeight;
    INT widths[256];
    GetCharWidth32A(dc_, 0, 255, widths);
    for (int b = 0; b < 256; ++b) single_[b] = widths[b];
  }
  ~FontMetrics() override { DeleteDC(dc_); }

  int Width(std::string_view character) override {
    if (character.size() == 1) return single_[static_cast<unsigned char>(character[0])];
    if (double_.empty()) double_.assign(65536, -1);
    unsigned code = (static_cast<unsigned char>(character[0]) << 8) | static_cast<unsigned char>(character[1]);
    if (double_[code] < 0) {
      SIZE size{};
      GetTextExtentPoint32A(dc_, character.data(), 2, &size);
      double_[code] = static_cast<int16_t>(size.cx);
    }
    return double_[code];
  }
  int RowHeight() override { return rowHeight_; }
  const int* SingleByteWidths() override { return single_; }

 private:
  HDC dc_;
  int rowHeight_ = 16;
  int single_[256];
  std::vector<int16_t> double_;
};

class TRichEdit::Impl {
 public:
  explicit Impl(HFONT font) : font_(font), metrics_(font), view_(metrics_) { view_.Relayout(); }

  TextView& View() { return view_; }
  void Attach(HWND window) { window_ = window; }

  // The text changed, and the caret moved with it.
  void Changed() {
    caretScrollPending_ = true;
    Refresh();
  }
  void Settle() {
    if (caretScrollPending_) {
      caretScrollPending_ = false;
      view_.ScrollCaretIntoView();
    }
  }
  // The view scrolled or the caret moved.
  void Moved() { Refresh(); }

  // The screen follows the view: scrolling to the caret, the scroll bar and
  // the repaint wait until the running handler has ended, so a handler that
  // changes many lines does that work once; outside a handler, at once.
  void Refresh() {
    if (refreshDeferred_) return;
    refreshDeferred_ = Application->DeferUntilHandlerEnds(this, [this]() {
      refreshDeferred_ = false;
      ApplyRefresh();
    });
    if (!refreshDeferred_) ApplyRefresh();
  }
  void ApplyRefresh() {
    Settle();
    UpdateScrollBar();
    InvalidateRect(window_, nullptr, FALSE);
    PlaceCaret();
  }

  bool Handle(TMessage& m);
  void CopySelection();

 private:
  void Paint();
  void PaintRow(HDC dc, const TextView::Row& row, int y, size_t selStart, size_t selEnd);
  void UpdateScrollBar();
  void PlaceCaret();
  void OnScroll(int code);
  void OnKey(UINT key);
  LRESULT GetText(size_t size, char* buffer);

  HWND window_ = nullptr;
  HFONT font_;
  FontMetrics metrics_;
  TextView view_;
  bool focused_ = false;
  bool dragging_ = false;
  bool caretScrollPending_ = false;
  bool refreshDeferred_ = false;
  bool painting_ = false;
  bool barPending_ = false;  // a change of the bar waits for the paint
  SCROLLINFO shownBar_{};
  int wheelRemainder_ = 0;
};

// The text area's lines as a string list.
class TRichEdit::LinesAdapter : public TStrings {
 public:
  explicit LinesAdapter(Impl& impl) : impl_(impl) {}
  int Count() const override { return static_cast<int>(impl_.View().Text().LineCount()); }
  std::string Get(int index) const override {
    if (index < 0 || index >= Count()) return std::string();
    return std::string(impl_.View().Text().Line(static_cast<size_t>(index)));
  }
  void Put(int index, const std::string& text) override {
    impl_.View().ReplaceLine(index, text);
    impl_.Changed();
  }
  void Add(const std::string& text) override {
    bool whole = impl_.View().Append(text);
    impl_.Changed();
    if (!whole) throw EOutOfResources(PlatformTexts::LineInsertError);
  }
  void Clear() override {
    impl_.View().Clear();
    impl_.Changed();
  }
  void WriteText(const std::function<void(std::string_view)>& sink) const override {
    impl_.View().Text().WriteText(sink);
  }

 private:
  Impl& impl_;
};

TRichEdit::TRichEdit(TWinControl* parent, const TControlDescription& description)
    : TWinControl(parent, description) {
  impl_ = std::make_unique<Impl>(FontHandle(Font()));
  lines_ = std::make_unique<LinesAdapter>(*impl_);
  WindowGlue::RegisterWindowClass(RichEditClass, 0, IDC_IBEAM, COLOR_WINDOW);
  CreateHandle(RichEditClass, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL, WS_EX_CLIENTEDGE);
}

TRichEdit::~TRichEdit() {
  // The window goes before the view it paints.
  if (Handle() != nullptr) DestroyWindow(Hwnd(Handle()));
}

TStrings* TRichEdit::Lines() { return lines_.get(); }

// The operations answer as their messages do, without the round trip.
void TRichEdit::SelectAll() { Perform(EM_SETSEL, 0, -1); }
void TRichEdit::CopyToClipboard() { Perform(WM_COPY, 0, 0); }
int TRichEdit::SelStart() const { return static_cast<int>(impl_->View().Text().SelStart()); }
int TRichEdit::SelLength() const {
  return static_cast<int>(impl_->View().Text().SelEnd() - impl_->View().Text().SelStart());
}
void TRichEdit::SetSelStart(int start) { Perform(EM_SETSEL, static_cast<uintptr_t>(start), start); }
void TRichEdit::SetSelLength(int length) {
  int start = SelStart();
  Perform(EM_SETSEL, static_cast<uintptr_t>(start), start + length);
  Perform(EM_SCROLLCARET, 0, 0);
}

intptr_t TRichEdit::Perform(unsigned message, uintptr_t wParam, intptr_t lParam) {
  TMessage m{message, wParam, lParam, 0};
  impl_->Handle(m);
  return m.Result;
}

bool TRichEdit::WindowProc(TMessage& message) {
  if (message.Msg == WM_NCCREATE || message.Msg == WM_CREATE) impl_->Attach(Hwnd(Handle()));
  if (message.Msg == Messages::DropFiles) {
    // Drops anywhere on the window are the form's.
    HWND form = GetAncestor(Hwnd(Handle()), GA_ROOT);
    message.Result = SendMessageA(form, message.Msg, message.WParam, message.LParam);
    return true;
  }
  if (impl_->Handle(message)) return true;
  return TWinControl::WindowProc(message);
}

bool TRichEdit::Impl::Handle(TMessage& m) {
  const TextModel& text = view_.Text();
  switch (m.Msg) {
    case WM_SIZE:
      view_.SetClientSize(LOWORD(m.LParam), HIWORD(m.LParam));
      ApplyRefresh();
      return true;
    case WM_PAINT:
      Paint();
      return true;
    case WM_ERASEBKGND:
      m.Result = 1;
      return true;
    case WM_GETDLGCODE:
      m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      return true;
    case WM_SETFOCUS:
      focused_ = true;
      CreateCaret(window_, nullptr, 1, view_.RowHeight());
      PlaceCaret();
      ShowCaret(window_);
      InvalidateRect(window_, nullptr, FALSE);
      return true;
    case WM_KILLFOCUS:
      focused_ = false;
      DestroyCaret();
      InvalidateRect(window_, nullptr, FALSE);
      return true;
    case WM_VSCROLL:
      Settle();
      OnScroll(LOWORD(m.WParam));
      return true;
    case WM_MOUSEWHEEL: {
      Settle();
      UINT perNotch = 3;
      SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &perNotch, 0);
      wheelRemainder_ += static_cast<short>(HIWORD(m.WParam));
      long notches = wheelRemainder_ / WHEEL_DELTA;
      wheelRemainder_ %= WHEEL_DELTA;
      view_.ScrollBy(-notches * static_cast<long>(perNotch));
      Moved();
      return true;
    }
    case WM_LBUTTONDOWN:
      Settle();
      if (GetFocus() != window_) ::SetFocus(window_);
      SetCapture(window_);
      dragging_ = true;
      view_.PlaceCaretAt(static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam)),
                         (m.WParam & MK_SHIFT) != 0);
      Moved();
      return true;
    case WM_MOUSEMOVE:
      if (dragging_) {
        view_.PlaceCaretAt(static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam)), true);
        Moved();
      }
      return true;
    case WM_LBUTTONUP:
      if (dragging_) {
        dragging_ = false;
        ReleaseCapture();
      }
      return true;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return true;
    case WM_KEYDOWN:
      Settle();
      OnKey(static_cast<UINT>(m.WParam));
      return true;
    case WM_CHAR:
      return true;  // read-only: no typed character reaches the text
    case WM_COPY:
      CopySelection();
      return true;
    case WM_GETTEXTLENGTH:
      m.Result = static_cast<LRESULT>(text.Length());
      return true;
    case WM_GETTEXT:
      m.Result = GetText(m.WParam, reinterpret_cast<char*>(m.LParam));
      return true;
    case WM_SETTEXT:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case EM_REPLACESEL:
      m.Result = 0;
      return true;
    case EM_GETSEL: {
      DWORD start = static_cast<DWORD>(text.SelStart());
      DWORD end = static_cast<DWORD>(text.SelEnd());
      if (m.WParam != 0) *reinterpret_cast<DWORD*>(m.WParam) = start;
      if (m.LParam != 0) *reinterpret_cast<DWORD*>(m.LParam) = end;
      m.Result = (start > 0xFFFF || end > 0xFFFF) ? -1 : static_cast<LRESULT>(MAKELONG(start, end));
      return true;
    }
    case EM_SETSEL: {
      long start = static_cast<long>(static_cast<int>(m.WParam));
      long end = static_cast<long>(static_cast<int>(m.LParam));
      size_t length = text.Length();
      if (start < 0) {
        view_.Select(text.Caret(), text.Caret());
      } else {
        size_t anchor = std::min<size_t>(static_cast<size_t>(start), length);
        size_t caret = end < 0 ? length : std::min<size_t>(static_cast<size_t>(end), length);
        view_.Select(anchor, caret);
      }
      Moved();
      return true;
    }
    case EM_SCROLLCARET:
      caretScrollPending_ = false;
      view_.ScrollCaretIntoView();
      Moved();
      return true;
    case EM_GETLINECOUNT:
      m.Result = static_cast<LRESULT>(text.CaretLineCount());
      return true;
    case EM_GETFIRSTVISIBLELINE:
      Settle();
      m.Result = static_cast<LRESULT>(view_.RowAt(view_.TopRow()).line);
      return true;
    case EM_LINEINDEX: {
      long line = static_cast<long>(static_cast<int>(m.WParam));
      size_t index = line < 0 ? text.LineOfPosition(text.Caret()) : static_cast<size_t>(line);
      m.Result = index < text.CaretLineCount() ? static_cast<LRESULT>(text.LineStart(index)) : -1;
      return true;
    }
    case EM_LINEFROMCHAR: {
      long pos = static_cast<long>(static_cast<int>(m.WParam));
      m.Result = static_cast<LRESULT>(text.LineOfPosition(pos < 0 ? text.Caret() : static_cast<size_t>(pos)));
      return true;
    }
    case EM_LINELENGTH: {
      long pos = static_cast<long>(static_cast<int>(m.WParam));
      m.Result = static_cast<LRESULT>(text.LineLength(text.LineOfPosition(pos < 0 ? text.Caret() : static_cast<size_t>(pos))));
      return true;
    }
    case EM_GETLINE: {
      size_t line = m.WParam;
      char* buffer = reinterpret_cast<char*>(m.LParam);
      size_t room = *reinterpret_cast<WORD*>(buffer);
      std::string_view content = line < text.LineCount() ? text.Line(line) : std::string_view();
      size_t n = std::min(room, content.size());
      std::copy(content.begin(), content.begin() + static_cast<ptrdiff_t>(n), buffer);
      m.Result = static_cast<LRESULT>(n);
      return true;
    }
    case ExLimitText:
      view_.SetCapacity(m.LParam > 0 ? static_cast<size_t>(m.LParam) : TextModel::MaxCapacity);
      return true;
    case EM_SETLIMITTEXT:
      view_.SetCapacity(m.WParam > 0 ? static_cast<size_t>(m.WParam) : TextModel::MaxCapacity);
      return true;
    case EM_GETLIMITTEXT:
      m.Result = static_cast<LRESULT>(text.Capacity());
      return true;
    case EM_GETMODIFY:
    case EM_CANUNDO:
      m.Result = 0;
      return true;
    default:
      return false;
  }
}

LRESULT TRichEdit::Impl::GetText(size_t size, char* buffer) {
  if (size == 0 || buffer == nullptr) return 0;
  size_t used = 0;
  size_t room = size - 1;
  view_.Text().WriteText([&](std::string_view piece) {
    size_t n = std::min(room - used, piece.size());
    std::copy(piece.begin(), piece.begin() + static_cast<ptrdiff_t>(n), buffer + used);
    used += n;
  });
  used = mbcs::WholeCharPrefix(std::string_view(buffer, used), used);
  buffer[used] = '\0';
  return static_cast<LRESULT>(used);
}

void TRichEdit::Impl::CopySelection() {
  const TextModel& text = view_.Text();
  size_t start = text.SelStart();
  size_t end = text.SelEnd();
  if (start == end) return;
  if (!OpenClipboard(window_)) return;  // another program holds it: nothing to do
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, end - start + 1);
  if (memory != nullptr) {
    char* bytes = static_cast<char*>(GlobalLock(memory));
    size_t used = 0;
    text.CopyRange(start, end, [&](std::string_view piece) {
      std::copy(piece.begin(), piece.end(), bytes + used);
      used += piece.size();
    });
    bytes[used] = '\0';
    GlobalUnlock(memory);
    if (SetClipboardData(CF_TEXT, memory) == nullptr) GlobalFree(memory);
  }
  CloseClipboard();
}

void TRichEdit::Impl::OnKey(UINT key) {
  bool shift = GetKeyState(VK_SHIFT) < 0;
  bool control = GetKeyState(VK_CONTROL) < 0;
  using Motion = TextView::Motion;
  switch (key) {
    case VK_LEFT: view_.Move(Motion::Left, shift); break;
    case VK_RIGHT: view_.Move(Motion::Right, shift); break;
    case VK_UP: view_.Move(Motion::Up, shift); break;
    case VK_DOWN: view_.Move(Motion::Down, shift); break;
    case VK_HOME: view_.Move(control ? Motion::TextStart : Motion::RowStart, shift); break;
    case VK_END: view_.Move(control ? Motion::TextEnd : Motion::RowEnd, shift); break;
    case VK_PRIOR: view_.Move(Motion::PageUp, shift); break;
    case VK_NEXT: view_.Move(Motion::PageDown, shift); break;
    case 'A':
      if (control) view_.SelectAll();
      break;
    case 'C':
    case VK_INSERT:
      if (control) CopySelection();
      break;
    default:
      return;
  }
  Moved();
}

void TRichEdit::Impl::OnScroll(int code) {
  size_t top = view_.TopRow();
  long page = static_cast<long>(view_.PageRows());
  switch (code) {
    case SB_LINEUP: view_.ScrollBy(-1); break;
    case SB_LINEDOWN: view_.ScrollBy(1); break;
    case SB_PAGEUP: view_.ScrollBy(-page); break;
    case SB_PAGEDOWN: view_.ScrollBy(page); break;
    case SB_TOP: view_.ScrollTo(0); break;
    case SB_BOTTOM: view_.ScrollTo(view_.MaxTopRow()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_TRACKPOS;
      GetScrollInfo(window_, SB_VERT, &si);
      view_.ScrollTo(static_cast<size_t>(std::max(0, si.nTrackPos)));
      break;
    }
    default:
      return;
  }
  if (view_.TopRow() != top) Moved();
}

void TRichEdit::Impl::UpdateScrollBar() {
  // Always there; disabled while the text fits.
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
  size_t rows = view_.RowCount();
  si.nMin = 0;
  si.nMax = static_cast<int>(std::min<size_t>(rows, 0x7FFFFFFF) - 1);
  si.nPage = static_cast<UINT>(view_.PageRows());
  si.nPos = static_cast<int>(view_.TopRow());
  if (si.nMax == shownBar_.nMax && si.nPage == shownBar_.nPage && si.nPos == shownBar_.nPos && shownBar_.cbSize) return;
  // Enabling or disabling the bar draws it there and then, whatever is asked
  // (seen under Wine): that waits for the paint, where drawing belongs.
  bool fits = rows <= view_.PageRows();
  bool fitted = shownBar_.cbSize == 0 || static_cast<size_t>(shownBar_.nMax) + 1 <= shownBar_.nPage;
  if (fits != fitted && !painting_) {
    barPending_ = true;
    RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
    return;
  }
  barPending_ = false;
  shownBar_ = si;
  SetScrollInfo(window_, SB_VERT, &si, FALSE);
  RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

void TRichEdit::Impl::PlaceCaret() {
  if (!focused_) return;
  int x = 0, y = 0;
  if (view_.CaretPoint(&x, &y))
    SetCaretPos(x, y);
  else
    SetCaretPos(-100, -100);
}

void TRichEdit::Impl::Paint() {
  Settle();
  painting_ = true;
  UpdateScrollBar();
  painting_ = false;
  PAINTSTRUCT ps;
  HDC screen = BeginPaint(window_, &ps);
  RECT client;
  GetClientRect(window_, &client);
  // Drawn off screen, then put up at once.
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP canvas = CreateCompatibleBitmap(screen, std::max<LONG>(1, client.right), std::max<LONG>(1, client.bottom));
  HGDIOBJ oldCanvas = SelectObject(dc, canvas);
  HGDIOBJ oldFont = SelectObject(dc, font_);
  FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
  SetBkMode(dc, TRANSPARENT);
  const TextModel& text = view_.Text();
  size_t selStart = focused_ ? text.SelStart() : 0;
  size_t selEnd = focused_ ? text.SelEnd() : 0;
  size_t top = view_.TopRow();
  size_t rows = view_.RowCount();
  int height = view_.RowHeight();
  for (size_t row = top; row < rows; ++row) {
    int y = static_cast<int>(row - top) * height;
    if (y >= client.bottom) break;
    PaintRow(dc, view_.RowAt(row), y, selStart, selEnd);
  }
  BitBlt(screen, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
  SelectObject(dc, oldFont);
  SelectObject(dc, oldCanvas);
  DeleteObject(canvas);
  DeleteDC(dc);
  EndPaint(window_, &ps);
  PlaceCaret();
}

void TRichEdit::Impl::PaintRow(HDC dc, const TextView::Row& row, int y, size_t selStart, size_t selEnd) {
  const TextModel& text = view_.Text();
  if (row.line >= text.LineCount()) return;
  std::string_view line = text.Line(row.line);
  size_t lineStart = text.LineStart(row.line);
  // Widths of each character at its first byte, so the text lands where
  // the caret and the mouse expect it.
  std::vector<INT> dx(row.end - row.begin, 0);
  for (size_t pos = row.begin; pos < row.end;) {
    size_t len = mbcs::CharLength(line, pos);
    dx[pos - row.begin] = metrics_.Width(line.substr(pos, len));
    pos += len;
  }
  int x = TextView::Margin;
  int height = view_.RowHeight();
  size_t from = std::max(selStart, lineStart + row.begin);
  size_t to = std::min(selEnd, lineStart + row.end);
  bool lastRowOfLine = row.end == line.size();
  bool breakSelected = lastRowOfLine && selStart <= lineStart + row.end && selEnd > lineStart + row.end;
  if (from < to || breakSelected) {
    int left = x;
    for (size_t pos = row.begin; pos + lineStart < from && pos < row.end; ++pos) left += dx[pos - row.begin];
    int right = left;
    for (size_t pos = from - lineStart; pos + lineStart < to && pos < row.end; ++pos) right += dx[pos - row.begin];
    if (breakSelected) right += metrics_.Width(" ");
    RECT band{left, y, right, y + height};
    FillRect(dc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
  }
  // Unselected text, then the selected part over its band.
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  ExtTextOutA(dc, x, y, 0, nullptr, line.data() + row.begin, static_cast<UINT>(row.end - row.begin), dx.data());
  if (from < to) {
    int left = x;
    for (size_t pos = row.begin; pos + lineStart < from; ++pos) left += dx[pos - row.begin];
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    ExtTextOutA(dc, left, y, 0, nullptr, line.data() + (from - lineStart), static_cast<UINT>(to - from),
                dx.data() + (from - lineStart - row.begin));
  }
}
