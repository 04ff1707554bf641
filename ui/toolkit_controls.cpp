// Controls: one place creates them all; texts cross here between UTF-16 and Windows-1250.
#include "core/windows1250.h"
#include "toolkit_state.h"

struct ControlKind {
  const wchar_t* className;
  DWORD style, exStyle;
};

static constexpr DWORD kCommon = WS_CHILD | WS_VISIBLE | WS_GROUP;
static constexpr ControlKind kFrame = {L"Button", kCommon | BS_GROUPBOX, 0};
static constexpr ControlKind kLabel = {L"Static", kCommon | SS_LEFT, 0};
static constexpr ControlKind kField = {L"Edit", kCommon | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL,
                                       WS_EX_CLIENTEDGE};
static constexpr ControlKind kButton = {L"Button", kCommon | WS_TABSTOP | BS_PUSHBUTTON, 0};

static ToolkitControl CreateControl(const ControlKind& kind, int id, int x, int y, int width,
                                    int height, const wchar_t* text) {
  if (id < 0 || id >= MaxControls || !Toolkit.controlParent) return nullptr;
  HWND control = CreateWindowExW(kind.exStyle, kind.className, text ? text : L"", kind.style, x, y,
                                 width, height, Toolkit.controlParent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
  if (!control) return nullptr;
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  Toolkit.controls[id] = control;
  return control;
}

ToolkitControl CreateFrameControl(int id, int x, int y, int width, int height, const wchar_t* text) {
  return CreateControl(kFrame, id, x, y, width, height, text);
}
ToolkitControl CreateLabelControl(int id, int x, int y, int width, int height, const wchar_t* text) {
  return CreateControl(kLabel, id, x, y, width, height, text);
}
ToolkitControl CreateFieldControl(int id, int x, int y, int width, int height, const wchar_t* text) {
  return CreateControl(kField, id, x, y, width, height, text);
}
ToolkitControl CreateButtonControl(int id, int x, int y, int width, int height, const wchar_t* text) {
  return CreateControl(kButton, id, x, y, width, height, text);
}

static HWND ControlOf(int id) { return id >= 0 && id < MaxControls ? Toolkit.controls[id] : nullptr; }

void SetControlFont(int id, ToolkitFont font) {
  if (HWND control = ControlOf(id)) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

std::string GetControlText(int id) {
  HWND control = ControlOf(id);
  if (!control) return std::string();
  // The length is asked first so that a text of any length is read whole.
  int length = GetWindowTextLengthW(control);
  std::u16string text(static_cast<size_t>(length) + 1, u'\0');
  length = GetWindowTextW(control, reinterpret_cast<wchar_t*>(text.data()), length + 1);
  text.resize(static_cast<size_t>(length));
  return Windows1250FromUtf16(text);
}

void SetControlText(int id, std::string_view text) {
  HWND control = ControlOf(id);
  if (!control) return;
  std::u16string wide = Utf16FromWindows1250(text);
  SetWindowTextW(control, reinterpret_cast<const wchar_t*>(wide.c_str()));
}
