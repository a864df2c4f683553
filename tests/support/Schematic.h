#pragma once
// Project schematics for tests, in the shape the schematic editor writes them.
#include <string>
#include <vector>

struct TestPin {
  std::string Name;  // with its bus range
  bool Input = true;
};

// A schematic: 22 header lines, then one block per pin, lines ending in CR LF.
std::string SchematicText(const std::vector<TestPin>& pins);
// One pin block.
std::string PinBlock(const TestPin& pin);
// The 22 header lines.
std::string SchematicHeader();
