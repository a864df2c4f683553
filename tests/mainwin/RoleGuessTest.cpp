// The role guessed from a pin's name, and the base name it is guessed from.
#include <gtest/gtest.h>

#include "mainwin/PinRole.h"

TEST(RoleGuess, ListedSpellingsGiveTheirRoles) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"clk", prClock},        {"CLK", prClock},        {"c", prClock},       {"C", prClock},
      {"x", prInputData},      {"X", prInputData},      {"y", prControl},     {"Y", prControl},
      {"z", prEndOfOperation}, {"Z", prEndOfOperation}, {"PRS", prPrs},       {"prs", prPrs},
      {"p", prStatus},         {"P", prStatus},         {"result", prOutputData},
      {"RESULT", prOutputData}, {"del", prDivByZero},   {"DEL", prDivByZero}, {"pmr", prPmr},
      {"PMR", prPmr},          {"reset", prReset},      {"RESET", prReset}};
  for (const auto& [name, role] : cases) EXPECT_EQ(GuessRole(name), role) << name;
}

TEST(RoleGuess, OtherSpellingsGiveNoRole) {
  for (const char* name : {"Clk", "Reset", "Result", "x1", "Out1", "Out", "", "Prs", "Pmr", "Del",
                           "xx", "clk1", " x", "X "})
    EXPECT_EQ(GuessRole(name), -1) << '"' << name << '"';
}

TEST(RoleGuess, NamesContainingOutInOneCaseAreMemoryOutputs) {
  for (const char* name : {"Cout", "q_out", "result_out", "DATA_OUT", "out", "OUT", "outQ"})
    EXPECT_EQ(GuessRole(name), prMemoryOutput) << name;
  EXPECT_EQ(GuessRole("Out1"), -1);
  EXPECT_EQ(GuessRole("oUT"), -1);
}

TEST(PinBaseName, IsTheNameBeforeItsFirstBracket) {
  EXPECT_EQ(BaseNameOf("X[15..0]"), "X");
  EXPECT_EQ(BaseNameOf("clk"), "clk");
  EXPECT_EQ(BaseNameOf("b[3]"), "b");
  EXPECT_EQ(BaseNameOf("[3..0]"), "");
  EXPECT_EQ(BaseNameOf("Q[7..0][1]"), "Q");
  EXPECT_EQ(GuessRole(BaseNameOf("[x]")), -1);
}

TEST(PinRoleIndex, ComparesRoleTextsExactly) {
  EXPECT_EQ(RoleIndexOf("Признак ПРС"), prPrs);
  EXPECT_EQ(RoleIndexOf("Сигнал сброса"), prReset);
  EXPECT_EQ(RoleIndexOf("Признак ПРС "), -1);
  EXPECT_EQ(RoleIndexOf("признак ПРС"), -1);
  EXPECT_EQ(RoleIndexOf(""), -1);
}
