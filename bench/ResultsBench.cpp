// Viewing speed on a long simulation: accepting a result table, the automatic run
// to a flag on its last row (also past every other cycle without its row), and
// stepping forward and back.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "access/UPass.h"
#include "mainwin/ProgramStart.h"
#include "mainwin/UMain.h"
#include "platform/gui/HeadlessBackend.h"
#include "results/UResult.h"
#include "results/UResultConv.h"
#include "settings/SettingU.h"

namespace fs = std::filesystem;

namespace {

const char* const ProjectPins[][2] = {{"clk", "input"},    {"X[15..0]", "input"}, {"p[1..0]", "output"},
                                      {"y[2..0]", "output"}, {"result[15..0]", "output"},
                                      {"z", "output"},       {"prs", "output"}};

std::string ProjectSchematic() {
  std::string text;
  for (int i = 0; i < 22; ++i) text += "/* header */\r\n";
  for (const auto& pin : ProjectPins)
    text += std::string("(pin\r\n\t(") + pin[1] + ")\r\n\t(rect)\r\n\t(text)\r\n\t(text \"" + pin[0] +
            "\" (rect))\r\n";
  return text;
}

// A run of the program with the project finished, settings accepted (period
// 100 ns) and the vector table written.
class ViewingRun {
public:
  ViewingRun() {
    const fs::path folder = fs::temp_directory_path() / "opbench-bench";
    fs::create_directories(folder);
    StartRun(backend, (folder / "opbench").string());
    FPassw->Show();
    FMain->Show();
    const fs::path schematic = folder / "alu.bdf";
    std::ofstream(schematic, std::ios::binary) << ProjectSchematic();
    backend.ChooseFile(schematic.string());
    FMain->N10->Click();
    FMain->Button2->Click();
    FMain->Button1->Click();
    FSetting->Show();
    FSetting->BitBtn1->Click();
    FMain->N7->Click();
  }
  ~ViewingRun() { EndRun(); }

  // Saves a result table of `rows` rows over the vector table, two rows a clock
  // cycle, with the end of the operation raised in the last cycle. With
  // `oddRisesMissing` the rise rows of the odd cycles before the last are left out.
  void SaveResultTable(int rows, bool oddRisesMissing = false) {
    std::ofstream out(FMain->VectorFileName, std::ios::binary);
    for (int i = 0; i < FMain->VectorLines->Count() && (*FMain->VectorLines)[i] != "PATTERN"; ++i)
      out << (*FMain->VectorLines)[i] << "\r\n";
    out << "PATTERN\r\n";
    const int cycles = rows / 2;
    for (int cycle = 0; cycle < cycles; ++cycle) {
      const std::string end = cycle == cycles - 1 ? "1" : "0";
      const std::string values = " 0000000000000101 = 01 010 0000000000001010 " + end + " 0;";
      if (!oddRisesMissing || cycle % 2 == 0 || cycle == cycles - 1)
        out << cycle * 100 + 10 << ".0> 1" << values << "\r\n";
      out << cycle * 100 + 60 << ".0> 0" << values << "\r\n";
    }
    out << ";\r\n";
  }

  HeadlessBackend backend;
};

void BM_AcceptResultTable(benchmark::State& state) {
  ViewingRun run;
  run.SaveResultTable(static_cast<int>(state.range(0)));
  for (auto _ : state) FMain->N12->Click();
  if (!FMain->BitBtn1->Visible) state.SkipWithError("the result table was not accepted");
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AcceptResultTable)->Arg(25'000)->Arg(50'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Complexity();

// The automatic run to a flag on the last row, of a table with a row for every
// cycle or (`withGaps`) without rows for every other cycle.
void AutomaticRunToTheLastRow(benchmark::State& state, bool withGaps) {
  ViewingRun run;
  run.SaveResultTable(static_cast<int>(state.range(0)), withGaps);
  FMain->N12->Click();
  FMain->RadioGroup1->ChooseItem(0);
  for (auto _ : state) {
    run.backend.InNextModal([](TForm&) { FResConv->Button1->Click(); });
    FMain->BitBtn1->Click();
  }
  if (CurrentCycle != state.range(0) / 2 - 1) state.SkipWithError("the run did not reach the last cycle");
  state.SetComplexityN(state.range(0));
}

void BM_AutomaticRunToAFlagOnTheLastRow(benchmark::State& state) { AutomaticRunToTheLastRow(state, false); }
BENCHMARK(BM_AutomaticRunToAFlagOnTheLastRow)->Arg(25'000)->Arg(50'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_AutomaticRunPastCyclesWithoutRows(benchmark::State& state) { AutomaticRunToTheLastRow(state, true); }
BENCHMARK(BM_AutomaticRunPastCyclesWithoutRows)->Arg(25'000)->Arg(50'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_StepForwardAndBack(benchmark::State& state) {
  ViewingRun run;
  run.SaveResultTable(100'000);
  FMain->N12->Click();
  FMain->RadioGroup1->ChooseItem(1);
  const int steps = static_cast<int>(state.range(0));
  for (auto _ : state) {
    run.backend.InNextModal([steps](TForm&) {
      for (int i = 0; i < steps; ++i) FResult->BitBtn2->Click();
      for (int i = 0; i < steps; ++i) FResult->BitBtn1->Click();
      FResult->Button2->Click();
    });
    FMain->BitBtn1->Click();
  }
  state.SetComplexityN(steps);
}
BENCHMARK(BM_StepForwardAndBack)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
