#include "Fonts.h"

#include <map>
#include <string>
#include <tuple>

namespace {

// Proportional Japanese faces to try when the asked one is missing.
const char* const FallbackFaces[] = {"MS PGothic", "IPAPGothic", "IPA Pゴシック", "VL PGothic", "TakaoPGothic",
                                     "Noto Sans CJK JP", "Meiryo UI", "Yu Gothic UI"};

HFONT Create(const TFont& font, const std::string& face) {
  LOGFONTA lf{};
  lf.lfHeight = font.Height;
  lf.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
  lf.lfUnderline = font.Underline ? TRUE : FALSE;
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  lstrcpynA(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  return CreateFontIndirectA(&lf);
}

// What the system gives for the font: a proportional face with Japanese.
bool IsProportionalJapanese(HFONT font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  // The bit named "fixed pitch" is set for variable-pitch fonts.
  return (tm.tmPitchAndFamily & TMPF_FIXED_PITCH) != 0 && tm.tmCharSet == SHIFTJIS_CHARSET;
}

HFONT Choose(const TFont& font) {
  HFONT asked = Create(font, font.Name);
  if (IsProportionalJapanese(asked)) return asked;
  for (const char* face : FallbackFaces) {
    HFONT candidate = Create(font, face);
    if (IsProportionalJapanese(candidate)) {
      DeleteObject(asked);
      return candidate;
    }
    DeleteObject(candidate);
  }
  return asked;
}

}  // namespace

HFONT FontHandle(const TFont& font) {
  static std::map<std::tuple<std::string, int, bool, bool>, HFONT> fonts;
  auto key = std::make_tuple(font.Name, font.Height, font.Bold, font.Underline);
  auto found = fonts.find(key);
  if (found != fonts.end()) return found->second;
  HFONT handle = Choose(font);
  fonts.emplace(key, handle);
  return handle;
}
