#include "platform/text/Utf8.h"

namespace utf8 {

char32_t Next(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  int extra = 0;
  char32_t cp = lead;
  if (lead >= 0xC0 && lead < 0xE0) { extra = 1; cp = lead & 0x1F; }
  else if (lead >= 0xE0 && lead < 0xF0) { extra = 2; cp = lead & 0x0F; }
  else if (lead >= 0xF0 && lead < 0xF8) { extra = 3; cp = lead & 0x07; }
  if (extra == 0 || pos + extra >= text.size()) {
    ++pos;
    return lead;
  }
  for (int i = 1; i <= extra; ++i) {
    const auto b = static_cast<unsigned char>(text[pos + i]);
    if ((b & 0xC0) != 0x80) { ++pos; return lead; }
    cp = (cp << 6) | (b & 0x3F);
  }
  pos += 1 + extra;
  return cp;
}

std::size_t Length(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); ++count) Next(text, pos);
  return count;
}

std::size_t Offset(std::string_view text, std::size_t index) {
  std::size_t pos = 0;
  for (std::size_t n = 0; n < index && pos < text.size(); ++n) Next(text, pos);
  return pos;
}

std::string Left(std::string_view text, std::size_t count) { return std::string(text.substr(0, Offset(text, count))); }

std::string Middle(std::string_view text, std::size_t index, std::size_t count) {
  const std::size_t from = Offset(text, index);
  return std::string(text.substr(from, Offset(text.substr(from), count)));
}

std::string DropLast(std::string_view text) {
  if (text.empty()) return {};
  return Left(text, Length(text) - 1);
}

void Append(std::string& text, char32_t cp) {
  if (cp < 0x80) {
    text += static_cast<char>(cp);
  } else if (cp < 0x800) {
    text += static_cast<char>(0xC0 | (cp >> 6));
    text += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    text += static_cast<char>(0xE0 | (cp >> 12));
    text += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (cp >> 18));
    text += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace utf8
