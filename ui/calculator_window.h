// The calculator's one window, CalculatorWindow, and the numbers of its controls.
#pragma once

#include "toolkit.h"

constexpr int CalculatorWindow = 0;  // window number

// Control numbers (also the controls' Win32 identifiers).
constexpr int StatsFrame = 0;
constexpr int FirstAttributeLabel = 1;  // 1 + attribute index
constexpr int FirstAttributeField = 10; // 10 + attribute index
constexpr int TotalCostLabel = 19;
constexpr int TotalCostField = 20;
constexpr int SumBonusLabel = 21;
constexpr int SumBonusField = 22;
constexpr int LevelLabel = 23;
constexpr int LevelField = 24;
constexpr int CalculateButton = 25;

// Font of the frame, the labels and the button; loaded by start-up before the
// window opens and deleted at shutdown. Null when it could not be made.
extern ToolkitFont LabelFont;

// Opens CalculatorWindow, shown and centred, and creates its 26 controls.
// Returns 0 on success, non-zero when the window cannot be made (then no
// control exists). A control that cannot be made is left out silently.
int OpenCalculatorWindow();
