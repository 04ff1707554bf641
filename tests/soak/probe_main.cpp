// Test build of the calculator that can report its own GDI and USER object
// counts and memory. A thread hook sees a registered message sent to the
// window and leaves the figures in the window's user data, where the soak
// driver reads them after its SendMessage returns. The program itself is the
// real one: same start-up, loop and shutdown.
#include <windows.h>
#include <psapi.h>

#include "app/lifecycle.h"

static UINT probeMessage;

static DWORD CountGdiObjects() {
  DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (n) return n;
  // Wine answers 0 above. Its GDI handles hold their table index in the low
  // 16 bits and a zero high word matches any generation, so scan the table.
  for (ULONG_PTR h = 1; h < 0x10000; ++h) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(h))) ++n;
  }
  return n;
}

static DWORD CountUserObjects() {
  DWORD n = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  if (n) return n;
  DWORD self = GetCurrentProcessId();  // as above: count this process's windows
  for (ULONG_PTR h = 1; h < 0x10000; ++h) {
    DWORD owner = 0;
    HWND window = reinterpret_cast<HWND>(h);
    if (IsWindow(window) && GetWindowThreadProcessId(window, &owner) && owner == self) ++n;
  }
  return n;
}

static LRESULT CALLBACK ProbeHook(int code, WPARAM wParam, LPARAM lParam) {
  const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && probeMessage && call->message == probeMessage) {
    LONG_PTR answer;
    if (call->wParam == 0) {
      answer = static_cast<LONG_PTR>(CountGdiObjects() | (CountUserObjects() << 16));
    } else {
      PROCESS_MEMORY_COUNTERS_EX memory = {};
      memory.cb = sizeof memory;
      GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
      // Wine leaves PrivateUsage at 0; PagefileUsage is the same figure (committed private bytes).
      answer = static_cast<LONG_PTR>((memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage) / 1024);
    }
    SetWindowLongPtrW(call->hwnd, GWLP_USERDATA, answer);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

int main() {
  probeMessage = RegisterWindowMessageW(L"KalkulatorTreninguProbe");
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, ProbeHook, nullptr, GetCurrentThreadId());
  int code = RunCalculatorProgram();
  if (hook) UnhookWindowsHookEx(hook);
  return code;
}
