#include "results/ResultRun.h"

namespace {
const std::string Zero16(16, '0');
}  // namespace

std::vector<ProjectPin> PlainProject() {
  return {{"CLK", prClock},      {"X", prInputData, 16}, {"p", prStatus, 2},
          {"y", prControl, 3},   {"Q", prOutputData, 16}, {"Z", prEndOfOperation},
          {"PRS", prPrs}};
}

std::vector<ProjectPin> ProjectWithDivision() {
  auto pins = PlainProject();
  pins.push_back({"DIV", prDivByZero});
  return pins;
}

std::vector<ProjectPin> ProjectWithReset() {
  auto pins = PlainProject();
  pins.insert(pins.begin() + 2, {"RESET", prReset});
  return pins;
}

void SetPinTable(const std::vector<ProjectPin>& pins) {
  ResetPinTable();
  for (std::size_t k = 0; k < pins.size(); ++k) {
    PINStruct& pin = Pins[k];
    const int column = static_cast<int>(k) + 1;
    pin.Role = RoleNames[static_cast<std::size_t>(pins[k].Role)];
    pin.BaseName = pins[k].Name;
    pin.BitWidth = pins[k].Width;
    pin.LowBit = pins[k].LowBit;
    pin.Column = column;
    pin.IsOutput = pins[k].Role != prClock && pins[k].Role != prInputData && pins[k].Role != prReset;
    pin.Value = pin.BitWidth > 1 ? "0" : "";
    PinByColumn[column] = column;
    switch (pins[k].Role) {
      case prEndOfOperation: SignalColumns.EndOfOperationColumn = column; break;
      case prPmr: SignalColumns.PmrColumn = column; HasPMR = true; break;
      case prPrs: SignalColumns.PrsColumn = column; HasPRS = true; break;
      case prOutputData: SignalColumns.OutputDataColumn = column; break;
      case prDivByZero: SignalColumns.DivByZeroColumn = column; HasDivByZero = true; break;
      case prReset: SignalColumns.ResetColumn = column; HasReset = true; break;
      default: break;
    }
  }
  PinRowCount = static_cast<int>(pins.size()) + 1;
}

std::vector<std::string> TableHead(const std::vector<ProjectPin>& pins) {
  std::vector<std::string> lines = {"%"};
  for (int n = 1; n <= 13; ++n) lines.push_back("notice line " + std::to_string(n));
  lines.push_back("%");
  lines.push_back("");
  for (const ProjectPin& pin : pins) {
    if (pin.Width < 2) continue;
    std::string group = "GROUP CREATE " + pin.Name + " =";
    for (int offset = pin.Width - 1; offset >= 0; --offset)
      group += " " + pin.Name + "[" + std::to_string(static_cast<long long>(pin.LowBit) + offset) + "]";
    lines.push_back(group + " ;");
  }
  return lines;
}

std::string Row(const std::string& time, const std::vector<std::string>& values, bool withReset) {
  std::string row = time + ">";
  const std::size_t separatorAfter = withReset ? 3 : 2;
  for (std::size_t k = 0; k < values.size(); ++k) row += (k == separatorAfter ? " = " : " ") + values[k];
  return row + " ";
}

std::vector<std::string> PlainValues(const std::string& clock, const std::string& result, const std::string& end,
                                     const std::string& prs) {
  return {clock, Zero16, "01", "100", result, end, prs};
}

ResultRun::ResultRun() {
  EnterMainWindow();
  FMain->Period = 100;
  FMain->TimeUnit = "ns";
  FMain->XCode = "0100000000000000";
  FMain->YCode = "1110000000000000";
}

void ResultRun::PrepareProject(const std::vector<ProjectPin>& pins) {
  project = pins;
  SetPinTable(pins);
  std::vector<std::string> lines = TableHead(pins);
  for (const char* line : {"INPUTS CLK X\\BIN;", "OUTPUTS p\\BIN y\\BIN Q\\BIN Z PRS;", "UNIT ns;",
                           "RADIX BIN;", "PATTERN", ";"})
    lines.emplace_back(line);
  FMain->VectorLines = std::make_unique<TStringList>();
  for (const std::string& line : lines) FMain->VectorLines->Add(line);
  FMain->VectorFileName = (folder / "project.tbl").string();
  FMain->VectorLines->SaveToFile(FMain->VectorFileName);
  FMain->GateVectorWritten();
}

void ResultRun::SaveResultTable(const std::vector<std::string>& lines) {
  TStringList table;
  for (const std::string& line : lines) table.Add(line);
  table.SaveToFile(FMain->VectorFileName);
}

void ResultRun::SaveResultRows(const std::vector<std::string>& rows) {
  std::vector<std::string> lines = TableHead(project);
  lines.emplace_back("PATTERN");
  lines.insert(lines.end(), rows.begin(), rows.end());
  lines.emplace_back(";");
  SaveResultTable(lines);
}

void ResultRun::ViewStepwise(const std::function<void()>& inWindow) {
  FMain->RadioGroup1->ChooseItem(1);
  backend.InNextModal([inWindow](TForm&) {
    inWindow();
    if (FResult->Visible) FResult->Button2->Click();
  });
  FMain->BitBtn1->Click();
}

void ResultRun::ViewAutomatically() {
  FMain->RadioGroup1->ChooseItem(0);
  FMain->BitBtn1->Click();
}

void ResultRun::CaptureNextReport(std::vector<std::string>& lines) {
  backend.InNextModal([&lines](TForm&) {
    for (int i = 0; i < FResConv->Memo1->Lines.Count(); ++i) lines.push_back(FResConv->Memo1->Lines[i]);
    FResConv->Button1->Click();
  });
}

std::vector<std::string> CycleRows(const std::vector<Cycle>& cycles) {
  std::vector<std::string> rows;
  for (std::size_t i = 0; i < cycles.size(); ++i) {
    const Cycle& cycle = cycles[i];
    for (const char* clock : {"1", "0"}) {
      std::vector<std::string> values = PlainValues(clock, cycle.Result, cycle.End, cycle.Prs);
      if (!cycle.Division.empty()) values.push_back(cycle.Division);
      const int time = static_cast<int>(i) * 100 + (clock[0] == '1' ? 10 : 60);
      rows.push_back(Row(std::to_string(time) + ".0", values));
    }
  }
  return rows;
}
