// The window procedure, the held events and the bounded wait.
#include <deque>

#include "toolkit_state.h"

// Events raised while messages are delivered, oldest first. Everything the
// window procedure raises lands here, including what a message sent from
// another thread or process raises while the wait pumps, so nothing is lost.
static std::deque<ToolkitEvent> heldEvents;
static ToolkitEvent lastEvent = {NoEvent, -1, -1};

void ForgetHeldEvents() {
  heldEvents.clear();
  lastEvent = {NoEvent, -1, -1};
}

int WindowNumberOf(HWND window) {
  if (!window) return -1;
  for (int n = 0; n < MaxWindows; ++n) {
    if (Toolkit.windows[n] == window) return n;
  }
  return -1;
}

static void Raise(int32_t kind, HWND window, int32_t control) {
  heldEvents.push_back({kind, WindowNumberOf(window), control});
}

// Tab order: the enabled, visible tab stops among the window's children, in
// child order (the order of creation), wrapping at both ends.
static void MoveFocus(HWND window, bool forward) {
  HWND focus = GetFocus();
  while (focus && GetParent(focus) != window) focus = GetParent(focus);

  HWND candidates[MaxControls];
  int count = 0, before = 0;  // before: candidates that precede the focused child
  bool focusFound = false, focusIsCandidate = false;
  for (HWND child = GetWindow(window, GW_CHILD); child && count < MaxControls;
       child = GetWindow(child, GW_HWNDNEXT)) {
    LONG style = GetWindowLongW(child, GWL_STYLE);
    bool candidate = (style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED);
    if (child == focus) {
      focusFound = true;
      focusIsCandidate = candidate;
      before = count;
    }
    if (candidate) candidates[count++] = child;
  }
  if (count == 0) return;

  int next;
  if (!focusFound) {
    next = forward ? 0 : count - 1;
  } else if (forward) {
    next = before + (focusIsCandidate ? 1 : 0);
    if (next >= count) next = 0;
  } else {
    next = before - 1;
    if (next < 0) next = count - 1;
  }
  SetFocus(candidates[next]);
  // As in dialogs: a field reached with the keyboard has its whole text selected.
  if (SendMessageW(candidates[next], WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
    SendMessageW(candidates[next], EM_SETSEL, 0, -1);
  }
}

static LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
  if (lParam != 0) {
    Raise(ControlEvent, window, LOWORD(wParam));  // a notification from a control
  } else if (HIWORD(wParam) == 1 && LOWORD(wParam) == NextControlCommand) {
    MoveFocus(window, true);
  } else if (HIWORD(wParam) == 1 && LOWORD(wParam) == PreviousControlCommand) {
    MoveFocus(window, false);
  }
  return 0;
}

static LRESULT OnClose(HWND window) {
  Raise(CloseRequest, window, -1);  // closing is the program's decision, not ours
  return 0;
}

LRESULT CALLBACK ToolkitWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: return OnCommand(window, wParam, lParam);
    case WM_CLOSE: return OnClose(window);
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

static bool TakeHeldEvent() {
  if (heldEvents.empty()) return false;
  lastEvent = heldEvents.front();
  heldEvents.pop_front();
  return true;
}

static void Deliver(MSG& msg) {
  HWND active = GetActiveWindow();
  int number = WindowNumberOf(active);
  if (number >= 0 && Toolkit.keyboardTables[number] &&
      TranslateAcceleratorW(active, Toolkit.keyboardTables[number], &msg)) {
    return;
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

int32_t WaitForEvent(int milliseconds) {
  if (TakeHeldEvent()) return lastEvent.kind;
  DWORD start = GetTickCount();
  for (;;) {
    // PeekMessage first delivers any messages sent to this thread; those may raise events too.
    MSG msg;
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      Deliver(msg);
      if (TakeHeldEvent()) return lastEvent.kind;
      lastEvent = {OtherEvent, WindowNumberOf(msg.hwnd), -1};
      return OtherEvent;
    }
    if (TakeHeldEvent()) return lastEvent.kind;
    DWORD elapsed = GetTickCount() - start;
    if (milliseconds <= 0 || elapsed >= static_cast<DWORD>(milliseconds)) {
      lastEvent = {NoEvent, -1, -1};
      return NoEvent;
    }
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(milliseconds) - elapsed, QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
  }
}

int32_t EventWindowNumber() { return lastEvent.window; }
int32_t EventControlNumber() { return lastEvent.control; }
