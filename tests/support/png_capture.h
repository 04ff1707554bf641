// Saves what the screen shows of a window as a PNG file, for the test run's screenshots.
#pragma once

#include <windows.h>

// Returns true when the file was written.
bool SaveWindowPng(HWND window, const wchar_t* path);
