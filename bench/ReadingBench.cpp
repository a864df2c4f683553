// Reading speed: a large project schematic into the pin grid, and a large file
// into a line list.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

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

// 22 header lines, then pin blocks of 7 lines and filler lines up to `lines`.
std::string GenerateSchematic(int lines, int pins) {
  std::string text;
  for (int i = 0; i < 22; ++i) text += "/* header */\r\n";
  int written = 22;
  const int fillerPerPin = (lines - 22) / pins - 7;
  for (int p = 0; p < pins; ++p) {
    text += "(pin\r\n\t(input)\r\n\t(rect 40 32 208 48)\r\n\t(text \"INPUT\" (rect 133 0 161 10))\r\n";
    text += "\t(text \"sig" + std::to_string(p) + "[15..0]\" (rect 5 0 50 12))\r\n\t(pt 168 8)\r\n)\r\n";
    for (int f = 0; f < fillerPerPin; ++f) text += "\t(line (pt 0 0)(pt 8 8)(line_width 1))\r\n";
    written += 7 + fillerPerPin;
  }
  for (; written < lines; ++written) text += "\r\n";
  return text;
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
