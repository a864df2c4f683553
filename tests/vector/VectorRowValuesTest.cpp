// The value of every pin at one instant.
#include "vector/VectorRowValues.h"
#include "vector/VectorRun.h"

namespace {

class VectorRowValues : public HandPinTable {
protected:
  void At(float instant, int cycle, bool cycleStart) {
    SetVectorRowValues(settings, instant, cycle, cycleStart);
  }
};

}  // namespace

TEST_F(VectorRowValues, ClockFollowsStartRiseAndFallOfTheCycle) {
  UsePins(ExamplePins());
  At(300.0f, 3, true);
  EXPECT_EQ(Pins[0].Value, "0");
  At(310.0f, 3, false);
  EXPECT_EQ(Pins[0].Value, "1");
  At(340.0f, 3, false);  // none of the three instants: unchanged
  EXPECT_EQ(Pins[0].Value, "1");
  At(360.0f, 3, false);
  EXPECT_EQ(Pins[0].Value, "0");
  At(310.5f, 3, false);
  EXPECT_EQ(Pins[0].Value, "0");
}

TEST_F(VectorRowValues, ResetIsHighOnlyAtTheFirstInstant) {
  UsePins(ExamplePins());
  Pins[2].Value = "";
  At(0.0f, 0, true);
  EXPECT_EQ(Pins[2].Value, "1");
  At(10.0f, 0, false);
  EXPECT_EQ(Pins[2].Value, "0");
  Pins[2].Value = "1";
  At(100.0f, 1, true);  // a later cycle start keeps the value
  EXPECT_EQ(Pins[2].Value, "1");
  At(0.0f, 0, false);
  EXPECT_EQ(Pins[2].Value, "0");
}

TEST_F(VectorRowValues, OnlyPinsInTheRowColumnsAreTouchedAndSharedColumnsAllAre) {
  std::vector<PINStruct> pins = ExamplePins();
  pins.push_back(HandPin("K", prClock, 1, false));
  pins.push_back(HandPin("FAR", prStatus, 20, true, 2));
  pins.push_back(HandPin("NONE", prStatus, 0, true, 2));
  UsePins(pins);
  At(10.0f, 0, false);
  EXPECT_EQ(Pins[0].Value, "1");
  EXPECT_EQ(Pins[8].Value, "1");
  EXPECT_EQ(Pins[9].Value, "0");
  EXPECT_EQ(Pins[10].Value, "0");
}

TEST_F(VectorRowValues, ResetRoleRulesComeAfterTheClockAndBeforeTheOperand) {
  std::vector<PINStruct> pins = ExamplePins();
  pins[0].Role = RoleNames[prReset];  // the reset role in the clock's column
  pins[1].Role = RoleNames[prReset];  // and in the operand's column
  UsePins(pins);
  At(0.0f, 0, true);
  EXPECT_EQ(Pins[0].Value, "0");
  EXPECT_EQ(Pins[1].Value, "1");
  At(10.0f, 0, false);
  EXPECT_EQ(Pins[0].Value, "1");
  EXPECT_EQ(Pins[1].Value, "0");
  At(100.0f, 1, true);  // no reset rule: the operand rule of cycle 1
  EXPECT_EQ(Pins[1].Value, std::string(16, '0'));
}
