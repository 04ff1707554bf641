// What the toolkit's parts share: its objects by number and the held events.
#pragma once

#include <windows.h>

#include <cstdint>

#include "toolkit.h"

constexpr int MaxWindows = 4;

struct ToolkitEvent {
  int32_t kind, window, control;
};

struct ToolkitState {
  HWND windows[MaxWindows];
  HACCEL keyboardTables[MaxWindows];
  HWND controls[MaxControls];  // of the last opened window
  HWND controlParent;          // where new controls go
  HFONT fonts[MaxFonts];
  ATOM windowClass;
  bool comStarted;
};
extern ToolkitState Toolkit;

LRESULT CALLBACK ToolkitWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
int WindowNumberOf(HWND window);
void ForgetHeldEvents();
