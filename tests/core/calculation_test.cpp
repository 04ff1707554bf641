#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "core/calculator.h"

namespace {

// Attribute texts not named are the fields' starting text "0".
CalculationInputs Inputs(const char* level, std::initializer_list<const char*> attributes) {
  CalculationInputs in;
  in.LevelText = level;
  int i = 0;
  for (auto& text : in.AttributeTexts) text = "0";
  for (const char* text : attributes) in.AttributeTexts[i++] = text;
  return in;
}

CalculationInputs AllAttributes(const char* level, const char* value) {
  CalculationInputs in = Inputs(level, {});
  for (auto& text : in.AttributeTexts) text = value;
  return in;
}

std::string Describe(const CalculationInputs& in) {
  std::string s = "level \"" + in.LevelText + "\", attributes";
  for (auto& text : in.AttributeTexts) s += " \"" + text + "\"";
  return s;
}

TEST(RunCalculation, Table) {
  struct {
    CalculationInputs inputs;
    const char* totalCost;
    const char* sumBonus;
  } rows[] = {
      // the fields' starting texts
      {Inputs("1", {}), "0", "0 / 0"},
      // ordinary characters
      {AllAttributes("10", "10"), "2358", "90 / 15"},
      {AllAttributes("99", "99"), "31056740424", "891 / 147"},
      {Inputs("2", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}), "809", "45 / 3"},
      // totals beyond 32 bits are exact
      {Inputs("1", {"97"}), "2396353426", "97 / 0"},
      {AllAttributes("1", "96"), "17972650683", "864 / 0"},
      // the cost sees the low 8 bits, the sum the low 32 bits
      {Inputs("1", {"256", "300", "-1", "-200"}), "1511019", "355 / 0"},
      {Inputs("1", {"2147483647", "1"}), "10", "-2147483648 / 0"},
      {Inputs("1", {"4294967297"}), "10", "1 / 0"},
      {Inputs("1", {"$163"}), "3450748936", "355 / 0"},
      {AllAttributes("1", "-2147483648"), "0", "-2147483648 / 0"},
      // the level is cut to 32 bits before its bonus
      {Inputs("4294967298", {}), "0", "0 / 3"},
      {Inputs("-3", {}), "0", "0 / -3"},
      {Inputs("2147483647", {}), "0", "0 / -1073741827"},
      {Inputs("$80000000", {}), "0", "0 / 1073741824"},
      // malformed texts count as their leading number
      {Inputs("abc", {"12abc", "", " -", "$1G"}), "409", "13 / 0"},
      {Inputs("  12", {"\t3", "1.9"}), "47", "4 / 18"},
  };
  for (auto& row : rows) {
    CalculationResults got = RunCalculation(row.inputs);
    EXPECT_EQ(got.TotalCostText, row.totalCost)
        << "RunCalculation(" << Describe(row.inputs) << ").TotalCostText";
    EXPECT_EQ(got.SumBonusText, row.sumBonus)
        << "RunCalculation(" << Describe(row.inputs) << ").SumBonusText";
  }
}

TEST(RunCalculation, SameInputsSameResults) {
  CalculationInputs in = Inputs("7", {"13", "$ff", "-9"});
  CalculationResults first = RunCalculation(in);
  CalculationResults second = RunCalculation(in);
  EXPECT_EQ(first.TotalCostText, second.TotalCostText);
  EXPECT_EQ(first.SumBonusText, second.SumBonusText);
}

}  // namespace
