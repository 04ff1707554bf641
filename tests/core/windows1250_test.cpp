#include <gtest/gtest.h>

#include "core/calculator.h"
#include "core/windows1250.h"

namespace {

TEST(Windows1250, PolishLettersBothWays) {
  struct {
    std::u16string text;
    std::string bytes;
  } rows[] = {
      {u"Si\u0142a", "Si\xB3" "a"},
      {u"Zwinno\u015B\u0107", "Zwinno\x9C\xE6"},
      {u"Wygl\u0105d", "Wygl\xB9" "d"},
      {u"\u0104\u0106\u0118\u0141\u0143\u00D3\u015A\u0179\u017B", "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF"},
      {u"\u00A0", "\xA0"},
      {u"\u20AC", "\x80"},
      {u"", ""},
      {u"12 / -3", "12 / -3"},
  };
  for (auto& row : rows) {
    EXPECT_EQ(Windows1250FromUtf16(row.text), row.bytes);
    EXPECT_EQ(Utf16FromWindows1250(row.bytes), row.text);
  }
}

TEST(Windows1250, EveryByteRoundTrips) {
  for (int b = 1; b <= 255; ++b) {
    std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(Windows1250FromUtf16(Utf16FromWindows1250(byte)), byte) << "byte " << b;
  }
}

// Characters outside the code page become "?", never a best-fit digit or sign.
TEST(Windows1250, NoBestFit) {
  const char16_t lookalikes[] = {
      u'\uFF11', u'\uFF10', u'\uFF0D', u'\uFF0B', u'\uFF04', u'\uFF05',  // fullwidth 1 0 - + $ %
      u'\u0661', u'\u0967', u'\u2460', u'\u00B9', u'\u2212', u'\u3000',  // Arabic-Indic 1, Devanagari 1, circled 1, superscript 1, minus, ideographic space
      u'\u2009', u'\u2007', char16_t(0xD83D), char16_t(0xDE00), u'\uFFFD',  // halves of a surrogate pair, replacement
  };
  for (char16_t c : lookalikes) {
    std::u16string text = {c, u'7'};
    std::string bytes = Windows1250FromUtf16(text);
    EXPECT_EQ(bytes, "?7") << "U+" << std::hex << static_cast<int>(c);
    EXPECT_EQ(ParseIntegerText(bytes), 0) << "U+" << std::hex << static_cast<int>(c);
  }
}

TEST(Windows1250, LongTextsWhole) {
  std::u16string text(100000, u'\u0142');
  text += u"42";
  std::string bytes = Windows1250FromUtf16(text);
  ASSERT_EQ(bytes.size(), 100002u);
  EXPECT_EQ(bytes.substr(99998), "\xB3\xB3" "42");
}

}  // namespace
