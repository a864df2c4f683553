#pragma once
// Code page 1251 is what every file of the program holds on disk; in memory all text
// is UTF-8. The table covers all 256 bytes (0x98, unused by the code page, stands for
// U+0098), so any byte read from disk is written back unchanged.
#include <string>
#include <string_view>

std::string Cp1251ToUtf8(std::string_view bytes);
// Raises EEncodingError naming the first character that code page 1251 cannot hold.
std::string Utf8ToCp1251(std::string_view text);
// The byte of a character, or -1 when code page 1251 has no such character.
int CodePointToCp1251(char32_t codePoint);
