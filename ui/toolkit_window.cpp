// Start and stop, windows, fonts and the message box.
#include "toolkit_state.h"

#include <commctrl.h>
#include <objbase.h>

ToolkitState Toolkit;

static const wchar_t kWindowClassName[] = L"KalkulatorTreninguWindow";

void StartToolkit() {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  InitCommonControls();
  Toolkit.comStarted = SUCCEEDED(CoInitialize(nullptr));
}

void StopToolkit() {
  for (int n = 0; n < MaxWindows; ++n) {
    if (Toolkit.windows[n]) DestroyWindow(Toolkit.windows[n]);
    if (Toolkit.keyboardTables[n]) DestroyAcceleratorTable(Toolkit.keyboardTables[n]);
    Toolkit.windows[n] = nullptr;
    Toolkit.keyboardTables[n] = nullptr;
  }
  for (HWND& control : Toolkit.controls) control = nullptr;
  Toolkit.controlParent = nullptr;
  if (Toolkit.windowClass) UnregisterClassW(kWindowClassName, GetModuleHandleW(nullptr));
  Toolkit.windowClass = 0;
  // Fonts go last: no control that might still draw with them is left.
  for (HFONT& font : Toolkit.fonts) {
    if (font) DeleteObject(font);
    font = nullptr;
  }
  ForgetHeldEvents();
  if (Toolkit.comStarted) CoUninitialize();
  Toolkit.comStarted = false;
}

ToolkitFont LoadToolkitFont(int number, const wchar_t* faceName, int points) {
  if (number < 0 || number >= MaxFonts) return nullptr;
  HDC display = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
  int pixelsPerInch = display ? GetDeviceCaps(display, LOGPIXELSY) : 96;
  if (display) DeleteDC(display);
  HFONT font = CreateFontW(-MulDiv(points, pixelsPerInch, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                           FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, 0, faceName);
  if (Toolkit.fonts[number]) DeleteObject(Toolkit.fonts[number]);
  Toolkit.fonts[number] = font;
  return font;
}

WindowPlacement CentreOnScreen(int outerWidth, int outerHeight, int screenWidth, int screenHeight) {
  WindowPlacement place;
  place.width = outerWidth > screenWidth ? screenWidth : outerWidth;
  place.height = outerHeight > screenHeight ? screenHeight : outerHeight;
  place.x = (screenWidth - place.width) / 2;
  place.y = (screenHeight - place.height) / 2;
  return place;
}

static bool RegisterWindowClass(HINSTANCE instance) {
  if (Toolkit.windowClass) return true;
  WNDCLASSEXW cls = {};
  cls.cbSize = sizeof cls;
  cls.lpfnWndProc = ToolkitWindowProc;
  cls.hInstance = instance;
  cls.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));  // the program carries none: no icon
  cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  cls.lpszClassName = kWindowClassName;
  Toolkit.windowClass = RegisterClassExW(&cls);
  return Toolkit.windowClass != 0;
}

ToolkitWindow OpenToolkitWindow(int number, int clientWidth, int clientHeight,
                                const wchar_t* title, uint32_t style) {
  if (number < 0 || number >= MaxWindows || Toolkit.windows[number]) return nullptr;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterWindowClass(instance)) return nullptr;

  RECT outer = {0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&outer, style, FALSE, 0);
  WindowPlacement place = CentreOnScreen(outer.right - outer.left, outer.bottom - outer.top,
                                         GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
#ifdef KALK_REFUSE_WINDOW
  // Test build of the critical-error path: a class that was never registered.
  const wchar_t* className = L"KalkulatorTreninguNoSuchClass";
#else
  const wchar_t* className = kWindowClassName;
#endif
  HWND window = CreateWindowExW(0, className, title, style, place.x, place.y, place.width,
                                place.height, nullptr, nullptr, instance, nullptr);
  if (!window) return nullptr;

  ACCEL keys[] = {
      {FVIRTKEY | FNOINVERT, VK_TAB, NextControlCommand},               // Tab
      {FVIRTKEY | FNOINVERT | FSHIFT, VK_TAB, PreviousControlCommand},  // Shift+Tab
  };
  Toolkit.keyboardTables[number] = CreateAcceleratorTableW(keys, 2);
  Toolkit.windows[number] = window;
  Toolkit.controlParent = window;
  ShowWindow(window, SW_SHOWNORMAL);
  return window;
}

void ShowMessageBox(const wchar_t* title, const wchar_t* text) {
  MessageBoxW(nullptr, text, title, MB_OK | MB_TASKMODAL);
}
