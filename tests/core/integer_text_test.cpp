#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <random>
#include <string>

#include "core/calculator.h"

namespace {

constexpr int64_t kMax = INT64_MAX;
constexpr int64_t kMin = INT64_MIN;

TEST(ParseIntegerText, Table) {
  struct {
    std::string text;
    int64_t want;
  } rows[] = {
      // decimal
      {"0", 0}, {"1", 1}, {"42", 42}, {"007", 7}, {"256", 256},
      // no digits
      {"", 0}, {"   ", 0}, {"x", 0},
      // blanks: only space and tab, only before the number
      {"  42", 42}, {"\t\t42", 42}, {" \t 42", 42},
      {"\n42", 0}, {"\r42", 0}, {"\v42", 0}, {"\f42", 0}, {"\xA0" "42", 0},
      // trailing junk ends the scan
      {"42abc", 42}, {"1.9", 1}, {"1 000", 1}, {"1e3", 1}, {"42 ", 42}, {"4-2", 4},
      {std::string("4\0" "2", 3), 4},
      // signs
      {"-17", -17}, {"+17", 17}, {"  -17", -17}, {"- 17", 0}, {"--17", 0},
      {"+-17", 0}, {"-+17", 0}, {"-", 0}, {"+", 0}, {"-0", 0},
      // hexadecimal
      {"$1F", 31}, {"$ff", 255}, {"$fF", 255}, {"$", 0}, {"$1G2", 1}, {"$ 1F", 0},
      {"  $10", 16}, {"-$10", -16}, {"+$10", 16}, {"$-5", 0}, {"$$1", 0}, {"$%1", 0},
      // base 2
      {"%101", 5}, {"%102", 2}, {"%", 0}, {"-%1", -1}, {"%2", 0}, {"% 1", 0},
      // no other prefixes
      {"0x1F", 0}, {"0b1", 0}, {"x1F", 0},
      // 64-bit extremes and the wrap beyond them
      {"9223372036854775807", kMax},
      {"9223372036854775808", kMin},
      {"-9223372036854775808", kMin},
      {"-9223372036854775807", kMin + 1},
      {"18446744073709551615", -1},
      {"18446744073709551616", 0},
      {"18446744073709551617", 1},
      {"-18446744073709551615", 1},
      {"000000000000000000000000000042", 42},
      {"$7FFFFFFFFFFFFFFF", kMax},
      {"$8000000000000000", kMin},
      {"$FFFFFFFFFFFFFFFF", -1},
      {"$10000000000000000", 0},
      {"$123456789ABCDEF0FF", static_cast<int64_t>(0x3456789ABCDEF0FFull)},
      {"%" + std::string(64, '1'), -1},
      {"%1" + std::string(64, '0'), 0},
      {"%1" + std::string(63, '0'), kMin},
  };
  for (auto& row : rows) {
    int64_t got = ParseIntegerText(row.text);
    EXPECT_EQ(got, row.want) << "ParseIntegerText(\"" << row.text << "\") = " << got
                             << ", want " << row.want;
  }
}

TEST(ParseIntegerText, NoTextGivesZero) {
  EXPECT_EQ(ParseIntegerText(std::string_view()), 0);
  EXPECT_EQ(ParseIntegerText(std::string_view(nullptr, 0)), 0);
}

// A byte of 128 or more is never a blank, sign, prefix or digit, wherever it stands.
TEST(ParseIntegerText, HighBytesMeanNothing) {
  for (int b = 128; b <= 255; ++b) {
    const std::string c(1, static_cast<char>(b));
    struct {
      std::string text;
      int64_t want;
    } rows[] = {
        {c + "42", 0},       // not a blank
        {"-" + c + "5", 0},  // not a digit after a sign
        {c + "$1F", 0},      // not a blank before a prefix
        {"$" + c + "F", 0},  // not a hex digit
        {"%" + c + "1", 0},  // not a binary digit
        {"12" + c + "3", 12},
        {"$A" + c + "B", 10},
    };
    for (auto& row : rows) {
      int64_t got = ParseIntegerText(row.text);
      EXPECT_EQ(got, row.want) << "byte " << b << ": ParseIntegerText(\"" << row.text
                               << "\") = " << got << ", want " << row.want;
    }
  }
}

TEST(ParseIntegerText, LongTextsAreReadWholeAndWrap) {
  // 10^k is a multiple of 2^64 once k >= 64, so a run of k nines is -1 modulo 2^64.
  std::string nines(200000, '9');
  EXPECT_EQ(ParseIntegerText(nines), -1) << "200000 nines";
  EXPECT_EQ(ParseIntegerText("-" + nines), 1) << "minus 200000 nines";
  // Leading zeros of any length change nothing; trailing junk of any length is ignored.
  EXPECT_EQ(ParseIntegerText(std::string(100000, ' ') + std::string(100000, '0') + "42" +
                             std::string(100000, 'x')),
            42);
  EXPECT_EQ(ParseIntegerText("%" + std::string(100000, '1')), -1) << "100000 binary ones";
  EXPECT_EQ(ParseIntegerText("$" + std::string(70000, 'f') + "0"), -16) << "70000 hex f then 0";
}

TEST(FormatIntegerText, Table) {
  struct {
    int64_t value;
    const char* want;
  } rows[] = {
      {0, "0"}, {7, "7"}, {-7, "-7"}, {-42, "-42"}, {10, "10"}, {1000000, "1000000"},
      {2147483647, "2147483647"}, {2147483648, "2147483648"},
      {-2147483648LL, "-2147483648"}, {-2147483649LL, "-2147483649"},
      {4294967296, "4294967296"}, {31056740424, "31056740424"},
      {999999999999999999, "999999999999999999"}, {1000000000000000000, "1000000000000000000"},
      {kMax, "9223372036854775807"}, {kMin + 1, "-9223372036854775807"},
      {kMin, "-9223372036854775808"},
  };
  for (auto& row : rows) {
    std::string got = FormatIntegerText(row.value);
    EXPECT_EQ(got, row.want) << "FormatIntegerText(" << row.value << ") = \"" << got
                             << "\", want \"" << row.want << "\"";
  }
}

TEST(FormatIntegerText, ThirtyTwoBitValuesFormatAlike) {
  for (int32_t v : {0, 1, -1, 2147483647, -2147483647 - 1}) {
    EXPECT_EQ(FormatIntegerText(v), FormatIntegerText(static_cast<int64_t>(v))) << v;
  }
}

// Random 64-bit values against the C library's formatting, and back through the parse.
TEST(IntegerText, RandomValuesAgainstPrintfAndRoundTrip) {
  std::mt19937_64 random(20261211);
  for (int i = 0; i < 100000; ++i) {
    uint64_t bits = random();
    int64_t value = static_cast<int64_t>(bits >> (random() % 64));  // every magnitude
    if (i % 2) value = static_cast<int64_t>(0 - static_cast<uint64_t>(value));
    char want[32];
    std::snprintf(want, sizeof want, "%" PRId64, value);
    std::string text = FormatIntegerText(value);
    ASSERT_EQ(text, want) << "FormatIntegerText(" << want << ")";
    ASSERT_EQ(ParseIntegerText(text), value) << "ParseIntegerText(\"" << text << "\")";
  }
}

}  // namespace
