// The end-to-end tests' eyes: a separate Windows program that finds the
// calculator's window and reads it back through Win32, as another process
// would. One command per line on stdin, one answer per line on stdout (UTF-8).
//
//   find MS                  wait for the calculator window: "ok PID" | "timeout"
//   text ID                  a control's text
//   settext ID TEXT          replace a control's text (WM_SETTEXT from outside)
//   waittext ID MS TEXT      wait until a control shows TEXT: "ok" | "timeout <text>"
//   focus                    the focused control's id, "window", or "none"
//   waitfocus ID MS          wait until control ID has the focus: "ok" | "timeout <focus>"
//   rect ID                  a control's screen rectangle centre: "X Y"
//   closebox                 the close box's screen position: "X Y"
//   click ID                 BM_CLICK sent to a control from this process
//   gone MS                  wait until the window no longer exists: "ok" | "timeout"
//   shot PATH                save a PNG of the window
//   msgbox MS                wait for a message box: "ok PID|title|text|buttons|icon|windows"
//   msgboxok                 the message box's OK button centre: "X Y"
//   settexthex ID HEX        replace a control's text, given as UTF-16LE in hex
//   texthex ID               a control's text as UTF-16LE in hex
//   probe                    the probe build's "GDI USER PRIVATE_KB"
//   startup CONTROL MS TITLE wait for the window TITLE (and its control CONTROL, unless -1),
//                            polling every millisecond: "ms since its process started"
//   pressms N                N presses of "OBLICZ" (BM_CLICK): "ms from click to both results" each
//   roundtripms N            N empty messages to the window: "ms" each
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "tests/support/png_capture.h"

static HWND calculator;
static HWND messageBox;

static std::string Utf8(const std::wstring& text) {
  int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), s.data(), n, nullptr, nullptr);
  return s;
}

static std::wstring Wide(const std::string& text) {
  int n = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring s(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), s.data(), n);
  return s;
}

static std::wstring FromHex(const std::string& hex) {
  std::wstring text;
  for (size_t i = 0; i + 4 <= hex.size(); i += 4) {
    unsigned lo = std::stoul(hex.substr(i, 2), nullptr, 16), hi = std::stoul(hex.substr(i + 2, 2), nullptr, 16);
    text += static_cast<wchar_t>(lo | (hi << 8));
  }
  return text;
}

static std::string ToHex(const std::wstring& text) {
  static const char digits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(text.size() * 4);
  for (wchar_t c : text) {
    for (unsigned byte : {static_cast<unsigned>(c & 0xFF), static_cast<unsigned>(c >> 8)}) {
      hex += digits[byte >> 4];
      hex += digits[byte & 15];
    }
  }
  return hex;
}

static std::wstring TextOf(HWND window) {
  LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  LRESULT got = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(got));
  return text;
}

static std::string FocusName() {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(calculator, nullptr), &info) || !info.hwndFocus) return "none";
  if (info.hwndFocus == calculator) return "window";
  if (GetParent(info.hwndFocus) == calculator) return std::to_string(GetDlgCtrlID(info.hwndFocus));
  return "other";
}

// Polls a condition until it holds or the deadline passes.
template <typename Condition>
static bool WaitFor(int milliseconds, Condition condition) {
  DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= static_cast<DWORD>(milliseconds)) return false;
    Sleep(10);
  }
}

struct VisibleWindows {
  DWORD pid;
  int visible;
};

static BOOL CALLBACK CountVisibleWindow(HWND window, LPARAM param) {
  VisibleWindows* count = reinterpret_cast<VisibleWindows*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == count->pid && IsWindowVisible(window)) ++count->visible;
  return TRUE;
}

static void Centre(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

static double Now() {
  LARGE_INTEGER t, f;
  QueryPerformanceCounter(&t);
  QueryPerformanceFrequency(&f);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

static void Answer(const std::string& command, const std::string& rest) {
  int id = atoi(rest.c_str());
  const char* second = strchr(rest.c_str(), ' ');
  std::string tail = second ? second + 1 : "";
  if (command == "find") {
    // Ready once the last control of the form, the level field, exists.
    bool found = WaitFor(id, [] {
      calculator = FindWindowW(nullptr, L"Kalkulator treningu");
      return calculator && GetDlgItem(calculator, 24);
    });
    DWORD pid = 0;
    if (found) GetWindowThreadProcessId(calculator, &pid);
    if (found) printf("ok %lu\n", pid); else printf("timeout\n");
  } else if (command == "text") {
    printf("%s\n", Utf8(TextOf(GetDlgItem(calculator, id))).c_str());
  } else if (command == "settext") {
    SendMessageW(GetDlgItem(calculator, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(tail).c_str()));
    printf("ok\n");
  } else if (command == "waittext") {
    int ms = atoi(tail.c_str());
    const char* want = strchr(tail.c_str(), ' ');
    std::wstring expected = Wide(want ? want + 1 : "");
    HWND control = GetDlgItem(calculator, id);
    if (WaitFor(ms, [&] { return TextOf(control) == expected; })) printf("ok\n");
    else printf("timeout %s\n", Utf8(TextOf(control)).c_str());
  } else if (command == "focus") {
    printf("%s\n", FocusName().c_str());
  } else if (command == "waitfocus") {
    std::string want = std::to_string(id);
    if (WaitFor(atoi(tail.c_str()), [&] { return FocusName() == want; })) printf("ok\n");
    else printf("timeout %s\n", FocusName().c_str());
  } else if (command == "rect") {
    Centre(GetDlgItem(calculator, id));
  } else if (command == "closebox") {
    RECT r;
    GetWindowRect(calculator, &r);
    int border = GetSystemMetrics(SM_CXFIXEDFRAME);
    printf("%ld %ld\n", r.right - border - GetSystemMetrics(SM_CXSIZE) / 2,
           r.top + border + GetSystemMetrics(SM_CYCAPTION) / 2);
  } else if (command == "click") {
    SendMessageW(GetDlgItem(calculator, id), BM_CLICK, 0, 0);
    printf("ok\n");
  } else if (command == "gone") {
    printf(WaitFor(id, [] { return !IsWindow(calculator); }) ? "ok\n" : "timeout\n");
  } else if (command == "shot") {
    printf(SaveWindowPng(calculator, Wide(rest).c_str()) ? "ok\n" : "failed\n");
  } else if (command == "msgbox") {
    if (!WaitFor(id, [] { return (messageBox = FindWindowW(L"#32770", nullptr)) != nullptr && IsWindowVisible(messageBox); })) {
      printf("timeout\n");
      return;
    }
    std::wstring text, buttons;
    bool icon = false;
    for (HWND c = GetWindow(messageBox, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      wchar_t cls[32];
      GetClassNameW(c, cls, 32);
      LONG style = GetWindowLongW(c, GWL_STYLE);
      if (!(style & WS_VISIBLE)) continue;
      if (lstrcmpiW(cls, L"Button") == 0) buttons += (buttons.empty() ? L"" : L",") + TextOf(c);
      else if (lstrcmpiW(cls, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON) icon = SendMessageW(c, STM_GETICON, 0, 0) != 0;
      else if (lstrcmpiW(cls, L"Static") == 0 && !TextOf(c).empty()) text = TextOf(c);
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(messageBox, &pid);
    VisibleWindows count = {pid, 0};
    EnumWindows(CountVisibleWindow, reinterpret_cast<LPARAM>(&count));
    printf("ok %lu|%s|%s|%s|%d|%d\n", pid, Utf8(TextOf(messageBox)).c_str(), Utf8(text).c_str(),
           Utf8(buttons).c_str(), icon ? 1 : 0, count.visible);
  } else if (command == "msgboxok") {
    Centre(GetDlgItem(messageBox, IDOK));
  } else if (command == "settexthex") {
    SendMessageW(GetDlgItem(calculator, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(FromHex(tail).c_str()));
    printf("ok\n");
  } else if (command == "texthex") {
    printf("%s\n", ToHex(TextOf(GetDlgItem(calculator, id))).c_str());
  } else if (command == "probe") {
    static UINT probe = RegisterWindowMessageW(L"KalkulatorTreninguProbe");
    SendMessageW(calculator, probe, 0, 0);
    LONG_PTR counts = GetWindowLongPtrW(calculator, GWLP_USERDATA);
    SendMessageW(calculator, probe, 1, 0);
    LONG_PTR privateKb = GetWindowLongPtrW(calculator, GWLP_USERDATA);
    printf("%ld %ld %ld\n", static_cast<long>(counts & 0xFFFF), static_cast<long>((counts >> 16) & 0xFFFF),
           static_cast<long>(privateKb));
  } else if (command == "startup") {
    int ms = atoi(tail.c_str());
    const char* title = strchr(tail.c_str(), ' ');
    std::wstring wantTitle = Wide(title ? title + 1 : "");
    bool found = false;
    DWORD start = GetTickCount();
    while (!found && GetTickCount() - start < static_cast<DWORD>(ms)) {
      calculator = FindWindowW(nullptr, wantTitle.c_str());
      found = calculator && (id < 0 || GetDlgItem(calculator, id));
      if (!found) Sleep(1);
    }
    FILETIME now, created, exited, kernel, user;
    GetSystemTimePreciseAsFileTime(&now);
    DWORD pid = 0;
    if (found) GetWindowThreadProcessId(calculator, &pid);
    HANDLE process = found ? OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid) : nullptr;
    if (!process || !GetProcessTimes(process, &created, &exited, &kernel, &user)) {
      printf("timeout\n");
    } else {
      ULARGE_INTEGER a, b;
      a.LowPart = created.dwLowDateTime, a.HighPart = created.dwHighDateTime;
      b.LowPart = now.dwLowDateTime, b.HighPart = now.dwHighDateTime;
      printf("%.2f\n", static_cast<double>(b.QuadPart - a.QuadPart) / 10000.0);
    }
    if (process) CloseHandle(process);
  } else if (command == "pressms") {
    HWND button = GetDlgItem(calculator, 25), total = GetDlgItem(calculator, 20), sum = GetDlgItem(calculator, 22);
    std::string times;
    for (int i = 0; i < id; ++i) {
      SendMessageW(total, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
      SendMessageW(sum, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
      double t0 = Now();
      SendMessageW(button, BM_CLICK, 0, 0);
      while (SendMessageW(sum, WM_GETTEXTLENGTH, 0, 0) == 0) {}
      char one[32];
      snprintf(one, sizeof one, "%s%.3f", times.empty() ? "" : " ", Now() - t0);
      times += one;
    }
    printf("%s\n", times.c_str());
  } else if (command == "roundtripms") {
    std::string times;
    for (int i = 0; i < id; ++i) {
      double t0 = Now();
      SendMessageW(calculator, WM_NULL, 0, 0);
      char one[32];
      snprintf(one, sizeof one, "%s%.3f", times.empty() ? "" : " ", Now() - t0);
      times += one;
    }
    printf("%s\n", times.c_str());
  } else {
    printf("unknown command\n");
  }
}

int main() {
  static char line[1 << 22];  // a 100,000-character text in hex fits
  while (fgets(line, sizeof line, stdin)) {
    std::string s(line);
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
    size_t space = s.find(' ');
    Answer(s.substr(0, space), space == std::string::npos ? "" : s.substr(space + 1));
    fflush(stdout);
  }
  return 0;
}
