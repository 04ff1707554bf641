// Conversion between UTF-16 (the window's texts) and Windows-1250 (the 8-bit
// field texts the calculation reads). Pure, no state, never fails.
#pragma once

#include <string>
#include <string_view>

// Each UTF-16 unit becomes one byte: ASCII as itself, a character of the code
// page as its byte, anything else as "?". Never a best-fit guess, so no
// character outside ASCII ever becomes a digit, sign or blank.
std::string Windows1250FromUtf16(std::u16string_view text);

// Each byte becomes its character of the code page.
std::u16string Utf16FromWindows1250(std::string_view text);
