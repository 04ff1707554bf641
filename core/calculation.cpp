#include "calculator.h"

CalculationResults RunCalculation(const CalculationInputs& inputs) {
  int64_t totalCost = 0;
  uint32_t sum = 0;  // wraps modulo 2^32; read as signed when formatted
  for (const std::string& text : inputs.AttributeTexts) {
    uint64_t value = static_cast<uint64_t>(ParseIntegerText(text));
    totalCost += AttributeCost(static_cast<uint8_t>(value));
    sum += static_cast<uint32_t>(value);
  }
  int32_t level = static_cast<int32_t>(static_cast<uint64_t>(ParseIntegerText(inputs.LevelText)));

  CalculationResults results;
  results.TotalCostText = FormatIntegerText(totalCost);
  results.SumBonusText = FormatIntegerText(static_cast<int32_t>(sum));
  results.SumBonusText += " / ";
  results.SumBonusText += FormatIntegerText(LevelBonus(level));
  return results;
}
