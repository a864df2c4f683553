#include "mainwin/PinRole.h"

#include <array>
#include <utility>

#include "mainwin/RoleNames.h"

int RoleIndexOf(const std::string& role) {
  for (std::size_t i = 0; i < RoleNames.size(); ++i)
    if (RoleNames[i] == role) return static_cast<int>(i);
  return -1;
}

std::string BaseNameOf(const std::string& nameCell) {
  return nameCell.substr(0, nameCell.find('['));
}

namespace {

// Whole names that give a role. None of them contains "out" or "OUT", so a name
// matches at most one rule.
const std::array<std::pair<const char*, TPinRole>, 22> GuessedNames = {{
    {"clk", prClock}, {"CLK", prClock}, {"c", prClock}, {"C", prClock},
    {"x", prInputData}, {"X", prInputData},
    {"y", prControl}, {"Y", prControl},
    {"z", prEndOfOperation}, {"Z", prEndOfOperation},
    {"PRS", prPrs}, {"prs", prPrs},
    {"p", prStatus}, {"P", prStatus},
    {"result", prOutputData}, {"RESULT", prOutputData},
    {"del", prDivByZero}, {"DEL", prDivByZero},
    {"pmr", prPmr}, {"PMR", prPmr},
    {"reset", prReset}, {"RESET", prReset},
}};

}  // namespace

int GuessRole(const std::string& baseName) {
  for (const auto& [name, role] : GuessedNames)
    if (baseName == name) return role;
  if (baseName.find("out") != std::string::npos || baseName.find("OUT") != std::string::npos)
    return prMemoryOutput;
  return -1;
}
