#include "event_loop.h"

#include "calculator_window.h"
#include "core/calculator.h"

static void HandleCalculatePress() {
  CalculationInputs inputs;
  inputs.LevelText = GetControlText(LevelField);
  for (int i = 0; i < AttributeCount; ++i) inputs.AttributeTexts[i] = GetControlText(FirstAttributeField + i);
  CalculationResults results = RunCalculation(inputs);
  // Writing the results raises change events of fields 20 and 22; the loop ignores them.
  SetControlText(TotalCostField, results.TotalCostText);
  SetControlText(SumBonusField, results.SumBonusText);
}

void RunEventLoop() {
  for (;;) {
    int32_t kind = WaitForEvent(1000);
    int32_t window = EventWindowNumber();
    if (kind == ControlEvent) {
      if (EventControlNumber() == CalculateButton) HandleCalculatePress();
    } else if (kind == CloseRequest && window == CalculatorWindow) {
      return;
    }
  }
}
