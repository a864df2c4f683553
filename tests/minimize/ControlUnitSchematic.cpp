#include "minimize/ControlUnitSchematic.h"

LineVector HeaderLines() {
  LineVector lines = {
      "/*",
      "WARNING: Do NOT edit the input and output ports in this file in a text",
      "editor if you plan to continue editing the block that represents it in",
      "the Block Editor! File corruption is VERY likely to occur.",
      "*/",
      "(header \"graphic\" (version \"1.3\"))",
      "(symbol",
      "\t(rect 1 2 3 4)",
      "\t(text \"AND9\" (rect 0 0 30 10)(font \"Arial\" (font_size 6)))",
  };
  while (lines.size() < 22) lines.push_back("\t(comment " + std::to_string(lines.size()) + ")");
  return lines;
}

LineVector SymbolBlock(const std::string& name, const std::string& rect) {
  return {
      "(symbol",
      "\t(rect " + rect + ")",
      "\t(text \"" + name + "\" (rect 5 0 27 12)(font \"Arial\" (font_size 6)))",
      "\t(text \"inst7\" (rect 3 37 20 49)(font \"Arial\" ))",
      "\t(port",
      "\t\t(pt 0 16)",
      "\t\t(input)",
      "\t\t(text \"IN1\" (rect 2 7 18 19)(font \"Courier New\" (bold)))",
      "\t)",
      "\t(drawing",
      "\t\t(line (pt 14 24)(pt 25 24)(line_width 1))",
      "\t)",
      ")",
  };
}

LineVector Schematic(const std::vector<LineVector>& blocks) {
  LineVector lines = HeaderLines();
  for (const auto& block : blocks) lines.insert(lines.end(), block.begin(), block.end());
  return lines;
}

TStringList ToLineList(const LineVector& lines) {
  TStringList list;
  for (const auto& line : lines) list.Add(line);
  return list;
}

std::string FileBytes(const LineVector& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  return bytes;
}

std::string Record(const Elements& element) {
  return element.GateType + " " + std::to_string(element.InputCount) + " at " + std::to_string(element.PosX) + "," +
         std::to_string(element.PosY) + " width " + std::to_string(element.Width);
}
