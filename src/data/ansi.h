#pragma once
// Text fields of the data files are 8-bit text in the Windows-1252 code page; the rest of the program
// works in UTF-8. These convert between the two.
#include <cstdint>
#include <string>
#include <string_view>

namespace teebrook {

// The Unicode code point of one Windows-1252 byte (undefined bytes map to themselves).
char32_t ansiCodePoint(unsigned char byte);

// Windows-1252 bytes to UTF-8.
std::string ansiToUtf8(std::string_view ansi);

// UTF-8 to Windows-1252; characters the code page lacks become '?', and malformed UTF-8 bytes are
// taken as Windows-1252 bytes, so text never gets lost silently.
std::string utf8ToAnsi(std::string_view utf8);

// Compares two Windows-1252 texts by code point, as a binary text comparison does.
int compareAnsi(std::string_view a, std::string_view b);

}  // namespace teebrook
