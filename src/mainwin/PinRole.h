#pragma once
// A pin's role as the index of its text in RoleNames, and the base name of a pin,
// shared by the role dialog and by finishing the input.
#include <string>

enum TPinRole : int {
  prInputData = 0,
  prClock = 1,
  prStatus = 2,
  prControl = 3,
  prMemoryOutput = 4,
  prOutputData = 5,
  prEndOfOperation = 6,
  prPrs = 7,
  prPmr = 8,
  prDivByZero = 9,
  prReset = 10,
};

// The index of a role text in RoleNames, compared exactly; -1 for any other text.
int RoleIndexOf(const std::string& role);

// The pin's name up to, not including, its first "["; the whole name without one.
std::string BaseNameOf(const std::string& nameCell);

// The role guessed from a pin's base name, as an index into RoleNames, or -1 when
// the name matches no known spelling. Case-sensitive: only the listed spellings match.
int GuessRole(const std::string& baseName);
