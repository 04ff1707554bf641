#include "calculator.h"

#include <array>

// The value of every byte as a digit: 0..15 for "0".."9", "A".."F", "a".."f";
// 99 (no digit of any base) for everything else, bytes of 128 and more included.
static constexpr std::array<uint8_t, 256> kDigitValues = [] {
  std::array<uint8_t, 256> values{};
  for (auto& v : values) v = 99;
  for (int c = '0'; c <= '9'; ++c) values[c] = static_cast<uint8_t>(c - '0');
  for (int c = 'A'; c <= 'F'; ++c) values[c] = static_cast<uint8_t>(c - 'A' + 10);
  for (int c = 'a'; c <= 'f'; ++c) values[c] = static_cast<uint8_t>(c - 'a' + 10);
  return values;
}();

int64_t ParseIntegerText(std::string_view text) {
  size_t i = 0, n = text.size();
  while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;

  bool negative = false;
  if (i < n && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';

  unsigned base = 10;
  if (i < n && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i < n && text[i] == '%') {
    base = 2;
    ++i;
  }

  // Unsigned arithmetic wraps modulo 2^64 by definition: no overflow to fear.
  uint64_t magnitude = 0;
  for (; i < n; ++i) {
    unsigned digit = kDigitValues[static_cast<unsigned char>(text[i])];
    if (digit >= base) break;
    magnitude = magnitude * base + digit;
  }
  if (negative) magnitude = 0 - magnitude;
  return static_cast<int64_t>(magnitude);  // two's complement since C++20, and on every target
}

std::string FormatIntegerText(int64_t value) {
  char digits[20];
  char* end = digits + sizeof digits;
  char* p = end;
  // The magnitude in unsigned arithmetic, so the smallest value needs no special case.
  uint64_t magnitude = static_cast<uint64_t>(value);
  if (value < 0) magnitude = 0 - magnitude;
  do {
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) *--p = '-';
  return std::string(p, end);
}
