#include "calculator_window.h"

#include <windows.h>

ToolkitFont LabelFont = nullptr;

enum FormKind { Frame, Label, Field, Button };

struct FormControl {
  int id;
  FormKind kind;
  int x, y, width, height;
  const wchar_t* text;
};

// The form in creation order, which is also the Tab order. The button comes
// before the level row although that row stands at the top.
static constexpr FormControl kForm[] = {
    // id  kind    x    y    w    h    text
    {0, Frame, 10, 10, 310, 320, L"Podaj swoje statystyki z treningu"},
    {1, Label, 20, 60, 150, 20, L"Siła"},
    {2, Label, 20, 90, 150, 20, L"Zwinność"},
    {3, Label, 20, 120, 150, 20, L"Odporność"},
    {4, Label, 20, 150, 150, 20, L"Wygląd"},
    {5, Label, 20, 180, 150, 20, L"Charyzma"},
    {6, Label, 20, 210, 150, 20, L"Wpływy"},
    {7, Label, 20, 240, 150, 20, L"Spostrzegawczość"},
    {8, Label, 20, 270, 150, 20, L"Inteligencja"},
    {9, Label, 20, 300, 150, 20, L"Wiedza"},
    {10, Field, 180, 60, 130, 20, L"0"},
    {11, Field, 180, 90, 130, 20, L"0"},
    {12, Field, 180, 120, 130, 20, L"0"},
    {13, Field, 180, 150, 130, 20, L"0"},
    {14, Field, 180, 180, 130, 20, L"0"},
    {15, Field, 180, 210, 130, 20, L"0"},
    {16, Field, 180, 240, 130, 20, L"0"},
    {17, Field, 180, 270, 130, 20, L"0"},
    {18, Field, 180, 300, 130, 20, L"0"},
    {19, Label, 10, 340, 180, 20, L"Całkowity koszt w pkt rozwoju:"},
    {20, Field, 190, 340, 120, 20, nullptr},
    {21, Label, 10, 370, 180, 20, L"Suma / bonus z parzystych:"},
    {22, Field, 190, 370, 120, 20, nullptr},
    {25, Button, 80, 400, 160, 30, L"OBLICZ"},
    {23, Label, 20, 30, 150, 20, L"Podaj swój poziom:"},
    {24, Field, 180, 30, 130, 20, L"1"},
};

static void CreateFormControl(const FormControl& c) {
  switch (c.kind) {
    case Frame: CreateFrameControl(c.id, c.x, c.y, c.width, c.height, c.text); break;
    case Label: CreateLabelControl(c.id, c.x, c.y, c.width, c.height, c.text); break;
    case Field: CreateFieldControl(c.id, c.x, c.y, c.width, c.height, c.text); break;
    case Button: CreateButtonControl(c.id, c.x, c.y, c.width, c.height, c.text); break;
  }
  // Fields keep the default GUI font; everything else wears LabelFont, even a null one.
  if (c.kind != Field) SetControlFont(c.id, LabelFont);
}

int OpenCalculatorWindow() {
  if (!OpenToolkitWindow(CalculatorWindow, 330, 440, L"Kalkulator treningu", WS_CAPTION | WS_SYSMENU)) {
    return 1;
  }
  for (const FormControl& control : kForm) CreateFormControl(control);
  return 0;
}
