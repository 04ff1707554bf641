// The program's small window toolkit. Windows, controls and fonts are named by
// small numbers the program chooses; the toolkit maps them to its Win32 objects.
// This header needs no <windows.h>, so code above the toolkit stays portable.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

using ToolkitFont = void*;     // a font handle, null when the font could not be made
using ToolkitWindow = void*;   // a window handle, null when it could not be made
using ToolkitControl = void*;  // a control handle, null when it could not be made

// What WaitForEvent returns. Any other value is an event this program ignores.
enum EventKind : int32_t {
  NoEvent = 0,         // the wait's time bound ran out
  OtherEvent = 1,      // a message was delivered and raised nothing
  CloseRequest = 16,   // the user asked to close a window
  ControlEvent = 13100 // a control reported a click, a text change or a focus change
};

// Keyboard commands of a toolkit window: Tab and Shift+Tab.
constexpr int NextControlCommand = 64001;
constexpr int PreviousControlCommand = 64002;

constexpr int MaxControls = 64;  // control numbers are 0..MaxControls-1
constexpr int MaxFonts = 8;      // font numbers are 0..MaxFonts-1

// Starts the common controls and COM; call before anything else.
void StartToolkit();
// Closes every window (its controls, class and keyboard table with it), then
// deletes every loaded font. Safe to call when nothing was opened.
void StopToolkit();

// Creates font `number` (face, size in points at the display's resolution) and
// returns it, or null when it cannot be made. The toolkit deletes it at StopToolkit.
ToolkitFont LoadToolkitFont(int number, const wchar_t* faceName, int points);

// The outer rectangle of a window centred on a screen: an outer size larger
// than the screen is cut to it, and the half pixel of an odd difference dropped.
struct WindowPlacement {
  int x, y, width, height;
};
WindowPlacement CentreOnScreen(int outerWidth, int outerHeight, int screenWidth, int screenHeight);

// Creates and shows window `number` with the given client size, title and
// Win32 style, centred on the primary screen, with the Tab / Shift+Tab keyboard
// table. Controls created afterwards go into it. Returns null on failure.
ToolkitWindow OpenToolkitWindow(int number, int clientWidth, int clientHeight,
                                const wchar_t* title, uint32_t style);

// Create a control of the last opened window at a client position, with its
// text (null for none) and the default GUI font. Return null on failure.
ToolkitControl CreateFrameControl(int id, int x, int y, int width, int height, const wchar_t* text);
ToolkitControl CreateLabelControl(int id, int x, int y, int width, int height, const wchar_t* text);
ToolkitControl CreateFieldControl(int id, int x, int y, int width, int height, const wchar_t* text);
ToolkitControl CreateButtonControl(int id, int x, int y, int width, int height, const wchar_t* text);

// Gives the control the font (null: the system font) and redraws it; an id
// without a control is ignored.
void SetControlFont(int id, ToolkitFont font);

// The control's whole current text, of any length, as Windows-1250 bytes
// (characters outside the code page read as "?"). Changes nothing. Empty for
// an id without a control.
std::string GetControlText(int id);
// Replaces the control's whole text with the Windows-1250 bytes given.
void SetControlText(int id, std::string_view text);

// Returns the next event, waiting at most `milliseconds` (0: no wait). Events
// raised while a message is delivered are held and come back one per call,
// oldest first, before another message is taken. Keys are first offered to the
// active window's keyboard table. Never fails.
int32_t WaitForEvent(int milliseconds);
// Window number of the last event (-1 when it has none).
int32_t EventWindowNumber();
// Control number of the last ControlEvent.
int32_t EventControlNumber();

// A modal message box with one OK button, no icon and no owner.
void ShowMessageBox(const wchar_t* title, const wchar_t* text);
