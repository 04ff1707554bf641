// A second, independent calculation used as the oracle of the fuzzers: it is
// written another way than the program (128-bit integers, the digit run found
// before it is read, prices from the exact table, the C library's formatting),
// so a fault the two shared would have to be made twice.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tests/support/exact_costs.h"

namespace model {

using u128 = unsigned __int128;
constexpr u128 kTwo64 = static_cast<u128>(1) << 64;
constexpr u128 kTwo32 = static_cast<u128>(1) << 32;

// The value of the leading number, modulo 2^64, as a signed 64-bit number.
inline int64_t Parse(std::string_view text) {
  size_t at = text.find_first_not_of(" \t");
  if (at == std::string_view::npos) return 0;
  bool negative = false;
  if (text[at] == '+' || text[at] == '-') negative = text[at++] == '-';
  std::string_view digits = "0123456789";
  unsigned base = 10;
  if (at < text.size() && text[at] == '$') base = 16, digits = "0123456789abcdefABCDEF", ++at;
  else if (at < text.size() && text[at] == '%') base = 2, digits = "01", ++at;
  size_t end = text.find_first_not_of(digits, at);
  if (end == std::string_view::npos) end = text.size();

  u128 value = 0;
  for (size_t i = at; i < end; ++i) {
    char c = text[i];
    unsigned digit = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
    value = (value * base + digit) % kTwo64;
  }
  if (negative) value = (kTwo64 - value) % kTwo64;
  return value >= kTwo64 / 2 ? static_cast<int64_t>(static_cast<__int128>(value) - static_cast<__int128>(kTwo64))
                             : static_cast<int64_t>(value);
}

// The low `bits` bits of v as a signed number of that width.
inline int64_t Wrap(__int128 v, int bits) {
  u128 modulus = static_cast<u128>(1) << bits;
  u128 low = static_cast<u128>(v) % modulus;
  return low >= modulus / 2 ? static_cast<int64_t>(static_cast<__int128>(low) - static_cast<__int128>(modulus))
                            : static_cast<int64_t>(low);
}

inline int64_t Cost(int64_t value) {
  int64_t low8 = static_cast<int64_t>(static_cast<u128>(static_cast<__int128>(value)) % 256);
  return low8 >= 1 && low8 <= 99 ? kExactPoints[low8 - 1].total : 0;
}

inline int64_t Bonus(int64_t level32) { return Wrap(static_cast<__int128>(3) * (level32 / 2), 32); }

struct Results {
  std::string totalCost, sumBonus;
};

inline Results Calculate(std::string_view level, const std::string_view attributes[9]) {
  __int128 total = 0, sum = 0;
  for (int i = 0; i < 9; ++i) {
    int64_t value = Parse(attributes[i]);
    total += Cost(value);
    sum += value;  // all nine in full width, wrapped once at the end
  }
  int64_t level32 = Wrap(Parse(level), 32);
  return {std::to_string(static_cast<long long>(total)),
          std::to_string(static_cast<long long>(Wrap(sum, 32))) + " / " +
              std::to_string(static_cast<long long>(Bonus(level32)))};
}

}  // namespace model
