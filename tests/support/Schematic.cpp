#include "support/Schematic.h"

std::string SchematicHeader() {
  std::string text = "/*\r\n";
  for (int i = 1; i < 21; ++i) text += "Header line " + std::to_string(i) + "\r\n";
  text += "*/\r\n";
  return text;
}

std::string PinBlock(const TestPin& pin) {
  return "(pin\r\n"
         "\t(" + std::string(pin.Input ? "input" : "output") + ")\r\n"
         "\t(rect 40 32 208 48)\r\n"
         "\t(text \"" + std::string(pin.Input ? "INPUT" : "OUTPUT") + "\" (rect 133 0 161 10))\r\n"
         "\t(text \"" + pin.Name + "\" (rect 5 0 50 12)(font \"Arial\" (font_size 8)))\r\n"
         "\t(pt 168 8)\r\n"
         ")\r\n";
}

std::string SchematicText(const std::vector<TestPin>& pins) {
  std::string text = SchematicHeader();
  for (const auto& pin : pins) text += PinBlock(pin);
  return text;
}
