#pragma once
// Small helpers for UTF-8 text: positions counted in characters, never cutting a
// multi-byte character in half.
#include <string>
#include <string_view>

namespace utf8 {
// Number of characters (code points) in the text.
std::size_t Length(std::string_view text);
// The first `count` characters of the text (all of it when shorter).
std::string Left(std::string_view text, std::size_t count);
// The byte offset at which character `index` starts (the text's size past its end).
std::size_t Offset(std::string_view text, std::size_t index);
// `count` characters from character `index` on (fewer at the text's end).
std::string Middle(std::string_view text, std::size_t index, std::size_t count);
// The text without its last character (empty text stays empty).
std::string DropLast(std::string_view text);
// Appends one code point, encoded as UTF-8.
void Append(std::string& text, char32_t codePoint);
// Decodes the code point that starts at `pos` and moves `pos` past it. A byte that
// starts no valid sequence is taken as one character of its own value.
char32_t Next(std::string_view text, std::size_t& pos);
}  // namespace utf8
