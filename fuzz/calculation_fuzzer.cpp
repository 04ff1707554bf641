// RunCalculation against the reference model: the input is split at NUL
// bytes into the level text and up to nine attribute texts.
#include <cstdio>
#include <cstdlib>

#include "core/calculator.h"
#include "tests/support/reference_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::string_view parts[10];
  for (int i = 0; i < 10; ++i) {
    size_t nul = rest.find('\0');
    parts[i] = rest.substr(0, nul);
    rest = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
  }
  CalculationInputs inputs;
  inputs.LevelText = std::string(parts[0]);
  for (int i = 0; i < 9; ++i) inputs.AttributeTexts[i] = std::string(parts[1 + i]);

  CalculationResults got = RunCalculation(inputs);
  model::Results want = model::Calculate(parts[0], parts + 1);
  if (got.TotalCostText != want.totalCost || got.SumBonusText != want.sumBonus) {
    fprintf(stderr, "RunCalculation = \"%s\", \"%s\"; model = \"%s\", \"%s\"\n", got.TotalCostText.c_str(),
            got.SumBonusText.c_str(), want.totalCost.c_str(), want.sumBonus.c_str());
    abort();
  }
  return 0;
}
