#include "lifecycle.h"

#include "ui/calculator_window.h"
#include "ui/event_loop.h"
#include "ui/toolkit.h"

int RunCalculatorProgram() {
  StartToolkit();
  // Loaded before the window because the form applies it while creating controls.
  // A null font is no error: those controls then draw in the system font.
  LabelFont = LoadToolkitFont(1, L"Arial", 10);
  if (OpenCalculatorWindow() != 0) {
    ShowMessageBox(L"Bład", L"Bład krytyczny!");
  } else {
    RunEventLoop();
  }
  StopToolkit();  // the window and its controls first, then the fonts
  return 0;
}
