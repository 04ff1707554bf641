// The window as start-up opens it, checked from inside the program's process,
// where its fonts, class data and keyboard table can be seen.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/calculator.h"
#include "core/windows1250.h"
#include "tests/support/png_capture.h"
#include "ui/calculator_window.h"
#include "ui/toolkit_state.h"

namespace {

constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU;
constexpr DWORD kCommon = WS_CHILD | WS_VISIBLE | WS_GROUP;
constexpr DWORD kFrameStyle = kCommon | BS_GROUPBOX;
constexpr DWORD kLabelStyle = kCommon | SS_LEFT;
constexpr DWORD kFieldStyle = kCommon | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD kButtonStyle = kCommon | WS_TABSTOP | BS_PUSHBUTTON;

struct ExpectedControl {
  int id;
  const wchar_t* className;
  DWORD style, exStyle;
  RECT rect;  // left, top, right, bottom in client coordinates
  const wchar_t* text;
  bool labelFont;
};

// In creation order, which must also be the child order.
const ExpectedControl kExpected[] = {
    {0, L"Button", kFrameStyle, 0, {10, 10, 320, 330}, L"Podaj swoje statystyki z treningu", true},
    {1, L"Static", kLabelStyle, 0, {20, 60, 170, 80}, L"Si\u0142a", true},
    {2, L"Static", kLabelStyle, 0, {20, 90, 170, 110}, L"Zwinno\u015b\u0107", true},
    {3, L"Static", kLabelStyle, 0, {20, 120, 170, 140}, L"Odporno\u015b\u0107", true},
    {4, L"Static", kLabelStyle, 0, {20, 150, 170, 170}, L"Wygl\u0105d", true},
    {5, L"Static", kLabelStyle, 0, {20, 180, 170, 200}, L"Charyzma", true},
    {6, L"Static", kLabelStyle, 0, {20, 210, 170, 230}, L"Wp\u0142ywy", true},
    {7, L"Static", kLabelStyle, 0, {20, 240, 170, 260}, L"Spostrzegawczo\u015b\u0107", true},
    {8, L"Static", kLabelStyle, 0, {20, 270, 170, 290}, L"Inteligencja", true},
    {9, L"Static", kLabelStyle, 0, {20, 300, 170, 320}, L"Wiedza", true},
    {10, L"Edit", kFieldStyle, WS_EX_CLIENTEDGE, {180, 60, 310, 80}, L"0", false},
    {11, L"Edit", kFieldStyle, WS_EX_CLIENTEDGE, {180, 90, 310, 110}, L"0", false},
    {12, L"Edit", kFieldStyle, WS_EX_CLIENTEDGE, {180, 120, 310, 140}, L"0", false},
    {13, L"Edit", kFieldStyle, WS_EX_CLIENTEDGE, {180, 150, 310, 170}, L"0", false},
    {14, L"Edit", kFieldStyle, WS_EX_CLIENTEDGE, {180, 180, 310, 200}, L"0", false},
    {15, L"Edit", kFieldStyle, WS_EX_CLIENTEDGE, {180, 210, 310, 230}, L"0", false},
    {16, L"Edit", kFieldStyle, WS_EX_CLIENTEDGE, {180, 240, 310, 260}, L"0", false},
    {17, L"Edit", kFieldStyle, WS_EX_CLIENTEDGE, {180, 270, 310, 290}, L"0", false},
    {18, L"Edit", kFieldStyle, WS_EX_CLIENTEDGE, {180, 300, 310, 320}, L"0", false},
    {19, L"Static", kLabelStyle, 0, {10, 340, 190, 360}, L"Ca\u0142kowity koszt w pkt rozwoju:", true},
    {20, L"Edit", kFieldStyle, WS_EX_CLIENTEDGE, {190, 340, 310, 360}, L"", false},
    {21, L"Static", kLabelStyle, 0, {10, 370, 190, 390}, L"Suma / bonus z parzystych:", true},
    {22, L"Edit", kFieldStyle, WS_EX_CLIENTEDGE, {190, 370, 310, 390}, L"", false},
    {25, L"Button", kButtonStyle, 0, {80, 400, 240, 430}, L"OBLICZ", true},
    {23, L"Static", kLabelStyle, 0, {20, 30, 170, 50}, L"Podaj sw\u00f3j poziom:", true},
    {24, L"Edit", kFieldStyle, WS_EX_CLIENTEDGE, {180, 30, 310, 50}, L"1", false},
};

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::string Narrow(const std::wstring& text) {
  std::string s;
  for (wchar_t c : text) s += c < 128 ? static_cast<char>(c) : '?';
  return s;
}

BOOL CALLBACK MatchCalculatorWindow(HWND window, LPARAM param) {
  if (TextOf(window) != L"Kalkulator treningu") return TRUE;
  *reinterpret_cast<HWND*>(param) = window;
  return FALSE;
}

HWND FindCalculatorWindow() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), MatchCalculatorWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Opens the window the way start-up does: toolkit, then LabelFont, then the form.
class CalculatorWindowTest : public ::testing::Test {
 protected:
  void Open(bool withFont) {
    StartToolkit();
    LabelFont = withFont ? LoadToolkitFont(1, L"Arial", 10) : nullptr;
    ASSERT_EQ(OpenCalculatorWindow(), 0);
    window = FindCalculatorWindow();
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    StopToolkit();
    LabelFont = nullptr;
  }
  // Lets the window paint: delivers what is pending, up to a deadline.
  void Pump(DWORD milliseconds) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) WaitForEvent(20);
  }
  HWND window = nullptr;
};

TEST_F(CalculatorWindowTest, WindowStyleSizeAndPlace) {
  Open(true);
  EXPECT_TRUE(IsWindowVisible(window));
  LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_EQ(style & ~(WS_VISIBLE | WS_CLIPSIBLINGS), static_cast<LONG>(kWindowStyle))
      << std::hex << "style " << style;
  EXPECT_EQ(GetWindowLongW(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
  EXPECT_EQ(GetMenu(window), nullptr);
  EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);

  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 330);
  EXPECT_EQ(client.bottom, 440);

  RECT outer = {0, 0, 330, 440};
  AdjustWindowRectEx(&outer, kWindowStyle, FALSE, 0);
  int width = outer.right - outer.left, height = outer.bottom - outer.top;
  RECT placed;
  GetWindowRect(window, &placed);
  EXPECT_EQ(placed.right - placed.left, width);
  EXPECT_EQ(placed.bottom - placed.top, height);
  EXPECT_EQ(placed.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(placed.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
}

TEST(CentreOnScreen, Table) {
  struct {
    int outerW, outerH, screenW, screenH;
    WindowPlacement want;
  } rows[] = {
      {336, 469, 1024, 768, {344, 149, 336, 469}},  // even, odd differences
      {337, 470, 1024, 768, {343, 149, 337, 470}},  // odd, even: the half pixel dropped
      {336, 469, 336, 469, {0, 0, 336, 469}},       // exactly the screen
      {336, 469, 320, 240, {0, 0, 320, 240}},       // smaller screen: cut to it, at 0, 0
      {336, 469, 800, 240, {232, 0, 336, 240}},     // only too high
  };
  for (auto& r : rows) {
    WindowPlacement got = CentreOnScreen(r.outerW, r.outerH, r.screenW, r.screenH);
    EXPECT_TRUE(got.x == r.want.x && got.y == r.want.y && got.width == r.want.width &&
                got.height == r.want.height)
        << "CentreOnScreen(" << r.outerW << ", " << r.outerH << ", " << r.screenW << ", " << r.screenH
        << ") = {" << got.x << ", " << got.y << ", " << got.width << ", " << got.height << "}";
  }
}

TEST_F(CalculatorWindowTest, ClassBackgroundCursorAndNoIcon) {
  Open(true);
  EXPECT_EQ(GetClassLongPtrW(window, GCLP_HBRBACKGROUND), static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrW(window, GCLP_HCURSOR)), LoadCursorW(nullptr, IDC_ARROW));
  EXPECT_EQ(GetClassLongPtrW(window, GCLP_HICON), 0u);
}

TEST_F(CalculatorWindowTest, KeyboardTableHasTabAndShiftTab) {
  Open(true);
  HACCEL table = Toolkit.keyboardTables[CalculatorWindow];
  ASSERT_NE(table, nullptr);
  ACCEL keys[4];
  ASSERT_EQ(CopyAcceleratorTableW(table, keys, 4), 2);
  EXPECT_EQ(keys[0].fVirt & ~0x80, FVIRTKEY | FNOINVERT);  // 0x80 marks the table's last entry
  EXPECT_EQ(keys[0].key, VK_TAB);
  EXPECT_EQ(keys[0].cmd, 64001);
  EXPECT_EQ(keys[1].fVirt & ~0x80, FVIRTKEY | FNOINVERT | FSHIFT);
  EXPECT_EQ(keys[1].key, VK_TAB);
  EXPECT_EQ(keys[1].cmd, 64002);
}

void CheckFont(HFONT font) {
  LOGFONTW f;
  ASSERT_EQ(GetObjectW(font, sizeof f, &f), static_cast<int>(sizeof f));
  HDC display = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
  int dpi = GetDeviceCaps(display, LOGPIXELSY);
  DeleteDC(display);
  EXPECT_EQ(f.lfHeight, -MulDiv(10, dpi, 72));
  EXPECT_EQ(f.lfWeight, FW_NORMAL);
  EXPECT_FALSE(f.lfItalic || f.lfUnderline || f.lfStrikeOut);
  EXPECT_EQ(f.lfCharSet, DEFAULT_CHARSET);
  EXPECT_STREQ(f.lfFaceName, L"Arial");
}

TEST_F(CalculatorWindowTest, EveryControlAsTheFormSays) {
  Open(true);
  ASSERT_NE(LabelFont, nullptr);
  CheckFont(static_cast<HFONT>(LabelFont));
  HGDIOBJ guiFont = GetStockObject(DEFAULT_GUI_FONT);

  HWND child = GetWindow(window, GW_CHILD);
  for (const ExpectedControl& want : kExpected) {
    SCOPED_TRACE("control " + std::to_string(want.id));
    ASSERT_NE(child, nullptr) << "fewer children than controls";
    EXPECT_EQ(GetDlgCtrlID(child), want.id) << "child order differs from creation order";
    EXPECT_EQ(GetDlgItem(window, want.id), child);
    EXPECT_EQ(GetParent(child), window);

    wchar_t className[32];
    GetClassNameW(child, className, 32);
    EXPECT_STREQ(className, want.className);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE)), want.style)
        << std::hex << GetWindowLongW(child, GWL_STYLE) << " want " << want.style;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(child, GWL_EXSTYLE)), want.exStyle);

    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_TRUE(EqualRect(&r, &want.rect))
        << "at " << r.left << "," << r.top << " to " << r.right << "," << r.bottom;
    EXPECT_EQ(TextOf(child), want.text) << Narrow(TextOf(child));

    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(child, WM_GETFONT, 0, 0));
    EXPECT_EQ(font, want.labelFont ? static_cast<HGDIOBJ>(LabelFont) : guiFont);
    child = GetWindow(child, GW_HWNDNEXT);
  }
  EXPECT_EQ(child, nullptr) << "more children than controls";
}

TEST_F(CalculatorWindowTest, NoControlHasTheFocusAfterOpening) {
  Open(true);
  Pump(200);
  HWND focus = GetFocus();
  EXPECT_TRUE(focus == nullptr || focus == window) << "focus on control " << GetDlgCtrlID(focus);
}

TEST_F(CalculatorWindowTest, WithoutLabelFontTheFieldsKeepTheirs) {
  Open(false);
  HGDIOBJ guiFont = GetStockObject(DEFAULT_GUI_FONT);
  for (const ExpectedControl& c : kExpected) {
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(GetDlgItem(window, c.id), WM_GETFONT, 0, 0));
    EXPECT_EQ(font, c.labelFont ? nullptr : guiFont) << "control " << c.id;
  }
}

TEST_F(CalculatorWindowTest, FieldTextsAreReadWholeAndNeverBestFit) {
  Open(true);
  HWND field = GetDlgItem(window, LevelField);
  std::wstring longText(99998, L'7');
  longText = L"\u0142" + longText + L"x";
  SetWindowTextW(field, longText.c_str());
  std::string read = GetControlText(LevelField);
  ASSERT_EQ(read.size(), 100000u);
  EXPECT_EQ(read.front(), '\xB3');
  EXPECT_EQ(read.back(), 'x');
  EXPECT_EQ(read.substr(1, 99998), std::string(99998, '7'));

  struct {
    const wchar_t* text;
    int64_t want;
  } rows[] = {
      {L"\uFF11\uFF12", 0}, {L"\uFF0D5", 0}, {L"\u00A05", 0}, {L"\u3000" L"5", 0},
      {L"\u0661", 0},       {L"\u00B9", 0},  {L"\u2212" L"5", 0}, {L"12\uFF13", 12},
      {L"Si\u0142a", 0},    {L" 42", 42},
  };
  for (auto& row : rows) {
    SetWindowTextW(field, row.text);
    EXPECT_EQ(ParseIntegerText(GetControlText(LevelField)), row.want) << Narrow(row.text);
  }

  SetControlText(SumBonusField, "12 / -3");
  EXPECT_EQ(TextOf(GetDlgItem(window, SumBonusField)), L"12 / -3");
  SetControlText(TotalCostField, std::string(50000, '9'));
  EXPECT_EQ(TextOf(GetDlgItem(window, TotalCostField)).size(), 50000u);
}

// The code page table of the conversion agrees with the system's own, byte for byte.
TEST(Windows1250Table, AgreesWithTheSystem) {
  for (int b = 0x80; b <= 0xFF; ++b) {
    char byte = static_cast<char>(b);
    wchar_t system = 0;
    ASSERT_EQ(MultiByteToWideChar(1250, 0, &byte, 1, &system, 1), 1);
    SetLastError(0);
    std::string back = Windows1250FromUtf16(std::u16string(1, static_cast<char16_t>(system)));
    EXPECT_EQ(static_cast<unsigned char>(back[0]), b) << "byte " << b << " is U+" << std::hex << static_cast<int>(system);
  }
}

TEST_F(CalculatorWindowTest, Screenshot) {
  Open(true);
  Pump(500);
  EXPECT_TRUE(SaveWindowPng(window, L"calculator-window.png"));
}

}  // namespace
