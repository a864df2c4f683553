// Reading speed: a large project schematic into the pin grid, and a large file
// into a line list.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "GeneratedSchematic.h"
#include "access/UPass.h"
#include "mainwin/ProgramStart.h"
#include "mainwin/UMain.h"
#include "platform/gui/HeadlessBackend.h"
#include "platform/text/StringList.h"

namespace fs = std::filesystem;

namespace {

fs::path BenchFolder() {
  const auto folder = fs::temp_directory_path() / "opbench-bench";
  fs::create_directories(folder);
  return folder;
}

void BM_ReadSchematicIntoGrid(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  const auto path = BenchFolder() / "large.bdf";
  const std::string text = GenerateSchematic(lines, lines / 30);
  std::ofstream(path, std::ios::binary) << text;
  HeadlessBackend backend;
  StartRun(backend, (BenchFolder() / "opbench").string());
  FPassw->Show();
  FMain->Show();
  for (auto _ : state) {
    backend.ChooseFile(path.string());
    FMain->N10->Click();
  }
  if (FMain->StringGrid1->RowCount() != lines / 30 + 1) state.SkipWithError("pins missing");
  EndRun();
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
  state.SetComplexityN(lines);
}
BENCHMARK(BM_ReadSchematicIntoGrid)->Arg(75000)->Arg(150000)->Arg(300000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_LoadLineList(benchmark::State& state) {
  const auto path = BenchFolder() / "large.txt";
  std::string text;
  const std::string line = "0,000000000000000000 > 1 0000000000000000 1111111111111111 0 1 0 = 0 0;\r\n";
  while (text.size() < static_cast<std::size_t>(state.range(0))) text += line;
  std::ofstream(path, std::ios::binary) << text;
  for (auto _ : state) {
    TStringList list;
    list.LoadFromFile(path.string());
    benchmark::DoNotOptimize(list.Count());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LoadLineList)->Arg(2'500'000)->Arg(5'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
