#include <gtest/gtest.h>

#include <string>

#include "app/AppTexts.h"
#include "core/PlatformTexts.h"

namespace {

// The sources are UTF-8; the compiled texts must be code page 932 bytes.
struct Case {
  const char* name;
  std::string text;
  std::string cp932;
};

TEST(TextBytes, TextsAreCodePage932) {
  const Case cases[] = {
      {"cancel, half-width katakana", PlatformTexts::CancelButton, "\xB7\xAC\xDD\xBE\xD9"},
      {"yes with access key", PlatformTexts::YesButton, "\x82\xCD\x82\xA2(&Y)"},
      {"no with access key", PlatformTexts::NoButton, "\x82\xA2\x82\xA2\x82\xA6(&N)"},
      {"warning caption", PlatformTexts::WarningCaption, "\x8C\x78\x8D\x90"},
      {"confirmation caption", PlatformTexts::ConfirmationCaption, "\x8A\x6D\x94\x46"},
      {"insertion error", PlatformTexts::LineInsertError,
       "RichEdit \x82\xC5\x82\xCC\x8D\x73\x82\xCC\x91\x7D\x93\xFC\xB4\xD7\xB0"},
      {"default file name", AppTexts::DefaultFileName, "\x90\x56\x8B\x4B.txt"},
      {"no file names", AppTexts::NothingToConvert,
       "\x95\xCF\x8A\xB7\x82\xB7\x82\xE9\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB9"
       "\x82\xF1"},
      {"window caption", AppTexts::FormCaption, "Quindrel v1.2"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.text, c.cp932) << c.name;
}

TEST(TextBytes, FullWidthSpaceAndLetters) {
  // "ＭＳ Ｐゴシック": full-width M, S, an ASCII space, full-width P, then katakana.
  EXPECT_EQ(std::string(AppTexts::FontFace), "\x82\x6C\x82\x72 \x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E");
}

}  // namespace
