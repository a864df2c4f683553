// "Завершить ввод": the pin grid becomes the pin table, or the user is told why not.
#include "mainwin/CountText.h"
#include "mainwin/PinGridRun.h"
#include "mainwin/ProgramStart.h"
#include "results/ProjectPins.h"
#include "results/ValueFields.h"

namespace {

const std::string Finished = "Ввод завершён!";
const std::string RefusedRoles =
    "Имеются повторяющиеся сигналы \n(пример - два синхронизирующих сигнала)\n"
    "Или отсутсвует один из обязательных сигналов";

// The grid of the out-of-order example: the optional flags come before the
// output data and the end of operation, and ПРС comes last.
std::vector<RoledPin> OutOfOrderProject() {
  return {{"clk", prClock},         {"X[15..0]", prInputData},
          {"p[3..0]", prStatus},    {"y[7..0]", prControl},
          {"Q[7..0]", prMemoryOutput, false}, {"pmr", prPmr, false},
          {"dz", prDivByZero, false}, {"Z[15..0]", prOutputData, false},
          {"end", prEndOfOperation, false}, {"prs", prPrs, false}};
}

// The smallest accepted project: the seven obligatory roles.
std::vector<RoledPin> ObligatoryProject() {
  return {{"clk", prClock},      {"X[15..0]", prInputData},
          {"p[3..0]", prStatus}, {"y[7..0]", prControl},
          {"Z[15..0]", prOutputData, false}, {"end", prEndOfOperation, false},
          {"prs", prPrs, false}};
}

std::vector<int> RowsByColumn(int pinCount) {
  return std::vector<int>(PinByColumn + 1, PinByColumn + 1 + pinCount);
}

class FinishInput : public PinGridRun {
protected:
  void ExpectRefusedWithRolesMessage() {
    ASSERT_FALSE(backend.Boxes.empty());
    EXPECT_EQ(backend.Boxes.back().Text, RefusedRoles);
    EXPECT_EQ(backend.Boxes.back().Type, TMsgDlgType::mtError);
    EXPECT_EQ(backend.Boxes.back().Buttons, static_cast<TMsgDlgButtons>(mbOK));
    EXPECT_FALSE(FMain->InputFinished);
    EXPECT_TRUE(FMain->Button1->Enabled);
    for (const PINStruct& pin : Pins) EXPECT_TRUE(pin.Role.empty() && pin.BaseName.empty() && pin.Value.empty());
  }

  void ExpectAccepted(int pinCount) {
    ASSERT_EQ(BoxTexts(), std::vector<std::string>{Finished});
    EXPECT_EQ(backend.Boxes[0].Type, TMsgDlgType::mtInformation);
    EXPECT_TRUE(FMain->InputFinished);
    EXPECT_FALSE(FMain->Button1->Enabled);
    EXPECT_EQ(PinRowCount - 1, pinCount);
    ExpectPinTableInvariants(pinCount);
  }
};

// Gives the pin of a row that has a role another role, by hand.
void ChangeRole(HeadlessBackend& backend, int row, int role) {
  backend.AnswerNextBox(mrYes);
  backend.InNextModal([role](TForm&) {
    FAssign->ComboBox1->ChooseItem(role);
    FAssign->Button1->Click();
  });
  FMain->StringGrid1->SelectCell(0, row);
}

struct BoxWatchingBackend : HeadlessBackend {
  std::function<void(const MessageBoxRequest&)> OnBox;
  int ShowMessageBox(const MessageBoxRequest& request) override {
    if (OnBox) OnBox(request);
    return HeadlessBackend::ShowMessageBox(request);
  }
};

}  // namespace

TEST_F(FinishInput, OutOfOrderGridGivesItsColumnsAndTheListShowsThem) {
  ReadPins(OutOfOrderProject());
  Finish();
  ExpectAccepted(10);
  EXPECT_EQ(PinColumns(10), (std::vector<int>{1, 2, 3, 4, 5, 9, 10, 6, 7, 8}));
  EXPECT_EQ(RowsByColumn(10), (std::vector<int>{1, 2, 3, 4, 5, 8, 9, 10, 6, 7}));

  FMain->SpeedButton1->Click();
  EXPECT_EQ(backend.Boxes.back().Text,
            "clk  =1\nX  =2\np  =3\ny  =4\nQ  =5\npmr  =9\ndz  =10\nZ  =6\nend  =7\nprs  =8\n");
}

TEST_F(FinishInput, ResetListedAfterTheInputSideStillTakesColumnThree) {
  ReadPins({{"clk", prClock}, {"X[15..0]", prInputData}, {"p[3..0]", prStatus},
            {"y[7..0]", prControl}, {"Q[7..0]", prMemoryOutput, false}, {"reset", prReset},
            {"Z[15..0]", prOutputData, false}, {"end", prEndOfOperation, false},
            {"prs", prPrs, false}, {"pmr", prPmr, false}, {"dz", prDivByZero, false}});
  Finish();
  ExpectAccepted(11);
  EXPECT_EQ(PinColumns(11), (std::vector<int>{1, 2, 4, 5, 6, 3, 7, 8, 9, 10, 11}));
  EXPECT_TRUE(HasReset);
}

TEST_F(FinishInput, APinWithoutRoleIsReportedAndNothingChanges) {
  std::vector<RoledPin> pins = ObligatoryProject();
  pins[4].Role = -1;
  ReadPins(pins);
  Finish();
  ASSERT_EQ(BoxTexts(), std::vector<std::string>{"Не все выводы проименованы"});
  EXPECT_EQ(backend.Boxes[0].Type, TMsgDlgType::mtError);
  EXPECT_EQ(Pins[0].BaseName, "");
  EXPECT_EQ(Pins[0].Column, 0);
  EXPECT_FALSE(FMain->InputFinished);
  EXPECT_TRUE(FMain->Button1->Enabled);
}

TEST_F(FinishInput, AMissingObligatoryRoleIsRefused) {
  std::vector<RoledPin> pins = OutOfOrderProject();
  pins.pop_back();  // no "Признак ПРС", though every optional flag is there
  ReadPins(pins);
  Finish();
  ExpectRefusedWithRolesMessage();
}

TEST_F(FinishInput, MemoryOutputsMayShareANameAndTakeConsecutiveColumns) {
  std::vector<RoledPin> pins = ObligatoryProject();
  pins.insert(pins.begin() + 2, {"Q[7..0]", prMemoryOutput, false});
  pins.push_back({"Q[15..8]", prMemoryOutput, false});
  pins.push_back({"S", prMemoryOutput, false});
  pins.push_back({"X[16]", prPmr, false});  // the input's name, but a role of its own
  ReadPins(pins);
  Finish();
  ExpectAccepted(11);
  EXPECT_EQ(PinColumns(11), (std::vector<int>{1, 2, 5, 3, 4, 8, 9, 10, 6, 7, 11}));
}

TEST_F(FinishInput, RetryAfterAFailureGivesWhatAFirstAttemptGives) {
  std::vector<RoledPin> pins = OutOfOrderProject();
  pins[9].Role = prPmr;  // two ПМР pins and no ПРС
  ReadPins(pins);
  Finish();
  ExpectRefusedWithRolesMessage();

  ChangeRole(backend, 10, prPrs);
  backend.Boxes.clear();
  Finish();
  ExpectAccepted(10);
  EXPECT_EQ(PinColumns(10), (std::vector<int>{1, 2, 3, 4, 5, 9, 10, 6, 7, 8}));
  EXPECT_EQ(RowsByColumn(10), (std::vector<int>{1, 2, 3, 4, 5, 8, 9, 10, 6, 7}));
  EXPECT_EQ(ResetCount, 0);
  EXPECT_FALSE(HasReset);
  EXPECT_TRUE(HasPRS && HasPMR && HasDivByZero);
  EXPECT_EQ(Pins[1].Value, "0");
}

// After a success the command does nothing more until a role changes: that undoes
// the finish and closes every later step, and the next finish builds the table
// from the grid as it stands. A role dialog left without a change changes nothing.
TEST_F(FinishInput, ARunAfterSuccessDoesNothingUntilARoleChanges) {
  std::vector<RoledPin> pins = ObligatoryProject();
  pins.push_back({"q", prMemoryOutput, false});
  ReadPins(pins);
  Finish();
  AcceptSettings();
  backend.Boxes.clear();
  FMain->N17->Click();
  Finish();
  EXPECT_TRUE(BoxTexts().empty());

  ChangeRole(backend, 8, prMemoryOutput);  // the role it has
  backend.AnswerNextBox(mrNo);
  FMain->StringGrid1->SelectCell(0, 8);
  backend.AnswerNextBox(mrYes);
  backend.InNextModal([](TForm&) { FAssign->Button2->Click(); });
  FMain->StringGrid1->SelectCell(0, 8);
  FMain->Button2->Click();  // every pin has its role already
  EXPECT_TRUE(FMain->InputFinished);
  EXPECT_TRUE(FMain->N7->Enabled && FMain->Image2->Visible);

  ChangeRole(backend, 8, prPmr);
  EXPECT_FALSE(FMain->InputFinished);
  EXPECT_TRUE(FMain->Button1->Enabled);
  EXPECT_FALSE(FMain->N7->Enabled || FMain->Image2->Visible);
  backend.Boxes.clear();
  Finish();
  ExpectAccepted(8);
  EXPECT_EQ(Pins[7].Role, RoleText(prPmr));
  EXPECT_TRUE(HasPMR);
  EXPECT_FALSE(FMain->N7->Enabled) << "the settings are to be accepted again";
  AcceptSettings();
  EXPECT_TRUE(FMain->N7->Enabled && FMain->Image2->Visible);
}

// The student mends the schematic and reads it again after the table was written:
// the finish is undone with every later step, and the next finish takes the new
// pins alone into the table and the vector table.
TEST_F(FinishInput, AReadingAfterTheFinishUndoesItAndTheNextFinishTakesTheNewPins) {
  ReadPins(ObligatoryProject());
  Finish();
  AcceptSettings();
  FMain->N7->Click();
  ASSERT_TRUE(FMain->Image3->Visible && FMain->N12->Enabled);

  std::vector<RoledPin> mended = ObligatoryProject();
  mended.insert(mended.begin() + 4, {"M_out[3..0]", prMemoryOutput, false});
  ReadPins(mended);
  EXPECT_FALSE(FMain->InputFinished || FMain->SettingsAccepted);
  EXPECT_TRUE(FMain->Button1->Enabled);
  EXPECT_FALSE(FMain->Image2->Visible || FMain->Image3->Visible);
  EXPECT_FALSE(FMain->N7->Enabled || FMain->N12->Enabled);
  EXPECT_EQ(PinRowCount, 9);
  backend.Boxes.clear();
  Finish();
  ExpectAccepted(8);
  EXPECT_EQ(Pins[4].BaseName, "M_out");
  EXPECT_EQ(Pins[4].Column, 5);
  AcceptSettings();
  FMain->N7->Click();
  EXPECT_NE(ReadBytes(folder / "project.tbl").find("GROUP CREATE M_out = M_out[3] M_out[2] M_out[1] M_out[0] ;"),
            std::string::npos);

  ReadPins(ObligatoryProject());
  Finish();
  ASSERT_TRUE(FMain->InputFinished);
  EXPECT_EQ(Pins[7].Column, 0);
  EXPECT_TRUE(Pins[7].BaseName.empty() && Pins[7].Role.empty());
  EXPECT_EQ(PinByColumn[8], 0);
}

TEST_F(FinishInput, WidthsLowBitsAndDirectionsFollowTheGrid) {
  ReadPins({{"clk", prClock}, {"X[15..0]", prInputData}, {"b[3]", prStatus}, {"y[7..0]", prControl},
            {"Q[15..8]", prOutputData, false}, {"end", prEndOfOperation, false}, {"prs", prPrs, false}});
  Finish();
  ExpectAccepted(7);
  const auto width = [](int k) { return std::vector<int>{Pins[k].BitWidth, Pins[k].LowBit}; };
  EXPECT_EQ(width(1), (std::vector<int>{16, 0}));
  EXPECT_EQ(width(4), (std::vector<int>{8, 8}));
  EXPECT_EQ(Pins[2].BaseName, "b");
  EXPECT_EQ(width(2), (std::vector<int>{1, 0}));
  EXPECT_EQ(width(0), (std::vector<int>{1, 0}));
  EXPECT_EQ(Pins[1].Value, "0");
  EXPECT_EQ(Pins[4].Value, "0");
  EXPECT_EQ(Pins[0].Value, "");
  EXPECT_EQ(Pins[2].Value, "");
  EXPECT_FALSE(Pins[1].IsOutput);
  EXPECT_TRUE(Pins[4].IsOutput);
}

TEST_F(FinishInput, RefusedBusRangesNameThePinAndPlaceNothing) {
  const std::pair<const char*, const char*> refused[] = {
      {"y[0..7]", "диапазон шины записан от младшего бита к старшему. Запишите его как y[7..0]."},
      {"y[2147483647..2147483640]", "номера битов шины выходят за допустимые пределы."},
      {"y[-2147483647..-2147483648]", "номера битов шины выходят за допустимые пределы."},
      {"y[1024..0]", "шина шире 1024 бит."},
      {"y[2147483646..0]", "шина шире 1024 бит."},
  };
  for (const auto& [name, reason] : refused) {
    SCOPED_TRACE(name);
    std::vector<RoledPin> pins = ObligatoryProject();
    pins[3].Name = name;
    ReadPins(pins);
    backend.Boxes.clear();
    Finish();
    ASSERT_EQ(backend.Boxes.size(), 1u);
    EXPECT_EQ(backend.Boxes[0].Type, TMsgDlgType::mtError);
    EXPECT_EQ(backend.Boxes[0].Text, "Вывод " + std::string(name) + ": " + reason);
    EXPECT_EQ(Pins[0].BaseName, "") << "nothing is placed";
    EXPECT_EQ(Pins[0].Column, 0);
    EXPECT_EQ(Pins[3].BitWidth, 0);
    EXPECT_FALSE(FMain->InputFinished);
    EXPECT_TRUE(FMain->Button1->Enabled);
  }
  std::vector<RoledPin> pins = ObligatoryProject();
  pins[3].Name = "y[1023..0]";
  ReadPins(pins);
  Finish();
  EXPECT_TRUE(FMain->InputFinished);
  EXPECT_EQ(Pins[3].BitWidth, 1024);
}

TEST_F(FinishInput, MoreThan29PinsAreRefusedStatingTheLimit) {
  std::vector<RoledPin> pins;
  for (int k = 0; k < 30; ++k) pins.push_back({"out" + std::to_string(k), -1, false});
  ReadPins(pins);
  FMain->Button2->Click();  // every name contains "out"
  ASSERT_EQ(RoleCell(30), "Выходы элементов памяти");
  Finish();
  ASSERT_EQ(backend.Boxes.size(), 1u);
  EXPECT_EQ(backend.Boxes[0].Type, TMsgDlgType::mtError);
  EXPECT_EQ(backend.Boxes[0].Text, "В проекте 30 выводов, а допускается не более 29.");
  for (const PINStruct& pin : Pins) EXPECT_TRUE(pin.BaseName.empty() && pin.Column == 0);
  EXPECT_FALSE(FMain->InputFinished);
}

TEST_F(FinishInput, TooManyPinsAreCountedInTheFormRussianTakesAfterTheNumber) {
  const std::pair<int, const char*> counts[] = {{30, "30 выводов"}, {31, "31 вывод"},  {32, "32 вывода"},
                                                {35, "35 выводов"}, {41, "41 вывод"}, {111, "111 выводов"}};
  for (const auto& [count, words] : counts) {
    SCOPED_TRACE(count);
    std::vector<RoledPin> pins;
    for (int k = 0; k < count; ++k) pins.push_back({"out" + std::to_string(k), prMemoryOutput, false});
    ReadPins(pins);
    backend.Boxes.clear();
    Finish();
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"В проекте " + std::string(words) + ", а допускается не более 29."});
  }
}

TEST(CountText, TheNounFollowsTheLastTwoDigits) {
  const std::pair<std::size_t, const char*> counts[] = {
      {0, "0 выводов"},   {1, "1 вывод"},     {2, "2 вывода"},    {4, "4 вывода"},     {5, "5 выводов"},
      {11, "11 выводов"}, {12, "12 выводов"}, {14, "14 выводов"}, {21, "21 вывод"},    {22, "22 вывода"},
      {101, "101 вывод"}, {112, "112 выводов"}, {114, "114 выводов"}, {1000, "1000 выводов"}};
  for (const auto& [count, words] : counts) EXPECT_EQ(CountText(count, "вывод", "вывода", "выводов"), words);
}

TEST_F(FinishInput, EntriesAboveTheLastPinAreClearedOnEveryAttempt) {
  std::vector<RoledPin> larger = OutOfOrderProject();
  for (const char* name : {"reset", "S1", "S2"}) larger.push_back({name, -1, false});
  larger[10].Role = prReset;
  larger[11].Role = larger[12].Role = prMemoryOutput;
  larger.push_back({"CLK", prClock});  // a second clock: refused
  ReadPins(larger);
  Finish();
  ExpectRefusedWithRolesMessage();
  ASSERT_NE(Pins[12].Column, 0);

  std::vector<RoledPin> smaller = ObligatoryProject();
  smaller[6].Role = prPmr;  // refused again
  ReadPins(smaller);
  Finish();
  const auto expectCleared = [] {
    for (int k = 7; k < PinTableSize; ++k) {
      EXPECT_EQ(Pins[k].Column, 0) << k;
      EXPECT_EQ(Pins[k].BitWidth, 0) << k;
      EXPECT_FALSE(Pins[k].IsOutput) << k;
      EXPECT_EQ(Pins[k].LowBit, 0) << k;
      EXPECT_TRUE(Pins[k].Role.empty() && Pins[k].BaseName.empty() && Pins[k].Value.empty()) << k;
    }
  };
  expectCleared();

  ChangeRole(backend, 7, prPrs);
  Finish();
  EXPECT_TRUE(FMain->InputFinished);
  expectCleared();
}

TEST_F(FinishInput, AOneBitPinWhereARefusedAttemptPlacedABusGetsBitZero) {
  std::vector<RoledPin> refused = ObligatoryProject();
  refused[2].Name = "p[26..25]";
  refused[6].Role = prPmr;  // no ПРС: refused
  ReadPins(refused);
  Finish();
  ExpectRefusedWithRolesMessage();
  ASSERT_EQ(Pins[2].LowBit, 25);

  std::vector<RoledPin> pins = ObligatoryProject();
  pins[2].Name = "p";
  ReadPins(pins);
  Finish();
  ASSERT_TRUE(FMain->InputFinished);
  EXPECT_EQ(Pins[2].BitWidth, 1);
  EXPECT_EQ(Pins[2].LowBit, 0);
  BuildValueFields(FResult, CurrentProjectPins());
  ASSERT_NE(ValueEdits[2][0], nullptr);
  EXPECT_EQ(ValueEdits[2][0]->EditLabel.Caption, "P0");
  RemoveValueFields();
}

TEST_F(FinishInput, ABusBoundThatIsNoIntegerReachesTheExceptionDisplay) {
  std::vector<RoledPin> pins = ObligatoryProject();
  pins[1].Name = "X[a..0]";
  ReadPins(pins);
  Finish();
  ASSERT_EQ(backend.Boxes.size(), 1u);
  EXPECT_EQ(backend.Boxes[0].Type, TMsgDlgType::mtError);
  EXPECT_EQ(backend.Boxes[0].Text, "\"a\" не является целым числом.");
  EXPECT_FALSE(FMain->InputFinished);

  ReadPins(ObligatoryProject());
  Finish();
  EXPECT_TRUE(FMain->InputFinished) << "the next attempt starts afresh";
}

TEST_F(FinishInput, StepThreeOpensOnlyAfterTheBoxIsClosed) {
  BoxWatchingBackend watcher;
  StartRun(watcher, (folder / "opbench").string());
  ui = &watcher;
  ReadPins(ObligatoryProject());
  FMain->SettingsAccepted = true;
  bool stepThreeAtTheBox = true;
  watcher.OnBox = [&](const MessageBoxRequest& box) {
    if (box.Text == Finished) stepThreeAtTheBox = FMain->Image2->Visible || FMain->N7->Enabled;
  };
  Finish();
  EXPECT_FALSE(stepThreeAtTheBox);
  EXPECT_TRUE(FMain->Image2->Visible);
  EXPECT_TRUE(FMain->N7->Enabled);
  EndRun();
}

TEST_F(FinishInput, StepThreeWaitsForAcceptedSettingsAndASuccess) {
  std::vector<RoledPin> pins = ObligatoryProject();
  pins[6].Role = prPmr;
  ReadPins(pins);
  FMain->SettingsAccepted = true;
  Finish();
  EXPECT_FALSE(FMain->Image2->Visible) << "refused";
  EXPECT_FALSE(FMain->N7->Enabled);

  FMain->SettingsAccepted = false;
  ChangeRole(backend, 7, prPrs);
  Finish();
  EXPECT_TRUE(FMain->InputFinished);
  EXPECT_FALSE(FMain->Image2->Visible) << "settings not accepted";
  EXPECT_FALSE(FMain->N7->Enabled);
}
