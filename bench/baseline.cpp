// The floor the calculator is measured against: the same toolchain, runtime
// and manifest, common controls started, and one empty window of the
// calculator's style and client size, centred, served until it is closed.
#include <windows.h>
#include <commctrl.h>

static LRESULT CALLBACK BaselineProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

int main() {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW cls = {};
  cls.cbSize = sizeof cls;
  cls.lpfnWndProc = BaselineProc;
  cls.hInstance = instance;
  cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  cls.lpszClassName = L"BaselineWindow";
  RegisterClassExW(&cls);

  const DWORD style = WS_CAPTION | WS_SYSMENU;
  RECT outer = {0, 0, 330, 440};
  AdjustWindowRectEx(&outer, style, FALSE, 0);
  int width = outer.right - outer.left, height = outer.bottom - outer.top;
  HWND window = CreateWindowExW(0, L"BaselineWindow", L"Baseline", style,
                                (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr,
                                nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
