#pragma once
// A large project schematic made up for the reading benchmarks.
#include <string>

// 22 header lines, then `pins` pin blocks of 7 lines, each followed by drawing lines,
// and empty lines up to `lines` lines in all; every line ends in CR LF.
inline std::string GenerateSchematic(int lines, int pins) {
  std::string text;
  for (int i = 0; i < 22; ++i) text += "/* header */\r\n";
  int written = 22;
  const int fillerPerPin = (lines - 22) / pins - 7;
  for (int p = 0; p < pins; ++p) {
    text += "(pin\r\n\t(input)\r\n\t(rect 40 32 208 48)\r\n\t(text \"INPUT\" (rect 133 0 161 10))\r\n";
    text += "\t(text \"sig" + std::to_string(p) + "[15..0]\" (rect 5 0 50 12))\r\n\t(pt 168 8)\r\n)\r\n";
    for (int f = 0; f < fillerPerPin; ++f) text += "\t(line (pt 0 0)(pt 8 8)(line_width 1))\r\n";
    written += 7 + fillerPerPin;
  }
  for (; written < lines; ++written) text += "\r\n";
  return text;
}
