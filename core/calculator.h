// The arithmetic of the training calculator: pricing, field text conversion and
// the calculation of one press of "OBLICZ". Pure functions: no state, no failure,
// no user interface. Texts are 8-bit (Windows-1250) byte strings of any length.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

constexpr int AttributeCount = 9;

// Development points that training one attribute from 0 up to `value` costs:
// the sum of the point costs 1..value, each the least whole number not below
// 10 * 1.2^(n-1). Values 0 and 100..255 cost nothing. Never fails.
int64_t AttributeCost(uint8_t value);

// Attribute points the level grants: 3 for every two whole levels, the quotient
// truncated toward zero and the product wrapping on 32 bits. Never fails.
int32_t LevelBonus(int32_t level);

// The leading integer of a field text: blanks (space, tab), one optional sign,
// an optional "$" (hex) or "%" (binary) prefix, then digits of that base. The
// magnitude wraps modulo 2^64 and the 64 bits are read as signed. A text with
// no valid leading number, the empty text and no text at all (a null view)
// give 0. Reads the text once, never copies it, never fails.
int64_t ParseIntegerText(std::string_view text);

// Plain decimal with a leading "-" for negatives; every value, the smallest
// included, is written in full. Never fails.
std::string FormatIntegerText(int64_t value);

struct CalculationInputs {
  std::string LevelText;
  std::string AttributeTexts[AttributeCount];
};

struct CalculationResults {
  std::string TotalCostText;  // total development-point cost of the nine attributes
  std::string SumBonusText;   // attribute sum, " / ", level bonus
};

// One press of "OBLICZ": parses the ten texts, prices the low 8 bits of each
// attribute value, sums their low 32 bits with 32-bit wrap, and prices the low
// 32 bits of the level. The same inputs always give the same results.
CalculationResults RunCalculation(const CalculationInputs& inputs);
