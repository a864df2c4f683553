#include "mainwin/ProjectSchematic.h"

std::string PinNameOfLine(const std::string& line) {
  const auto first = line.find('"');
  if (first == std::string::npos) return line;
  const auto second = line.find('"', first + 1);
  if (second == std::string::npos) return line.substr(first + 1);
  return line.substr(first + 1, second - first - 1);
}

std::vector<SchematicPin> ReadPinBlocks(const TStringList& lines) {
  std::vector<SchematicPin> pins;
  bool blockOpen = false;
  int j = 0;  // line of the open block: 1 direction, 2 and 3 skipped, 4 name
  std::string direction;
  for (int i = SchematicHeaderLines; i < lines.Count(); ++i) {
    const std::string& line = lines[i];
    if (!blockOpen) {
      if (line == "(pin") {
        blockOpen = true;
        j = 1;
      }
    } else if (j == 1) {
      direction = line.find("input") != std::string::npos ? "Input" : "Output";
      j = 2;
    } else if (j == 4) {
      pins.push_back({PinNameOfLine(line), direction});
      blockOpen = false;
      j = 0;
    } else {
      ++j;
    }
  }
  return pins;
}
