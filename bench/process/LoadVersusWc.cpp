// Loading a large schematic into a line list, timed as a whole process side by side
// with `wc -l` on the same file, and the process's peak memory against the file's
// size. Run without arguments; `--load FILE` is the measured child.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../GeneratedSchematic.h"
#include "platform/text/StringList.h"

namespace {

constexpr int SchematicLines = 300'000;
constexpr int SchematicPins = 10'000;
constexpr int Rounds = 15;

struct TRun {
  double WallMs = 0, CpuMs = 0;
  long PeakKb = 0;
  long PageFaults = 0;  // first touches of memory, most of a large load's time
};

double Ms(const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; }

// Runs the command to its end with its output thrown away.
TRun Measure(const std::vector<std::string>& command) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    std::freopen("/dev/null", "w", stdout);
    std::vector<char*> argv;
    for (const auto& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed\n", command[0].c_str());
    std::exit(1);
  }
  return {std::chrono::duration<double, std::milli>(end - start).count(), Ms(usage.ru_utime) + Ms(usage.ru_stime),
          usage.ru_maxrss, usage.ru_minflt};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The measured child: loads the file and ends at once, so that the process's end,
// not a line-by-line Clear, gives the memory back (wc -l ends the same way). What a
// Clear costs is measured on its own.
[[noreturn]] void LoadOnce(const char* path) {
  auto* list = new TStringList;
  list->LoadFromFile(path);
  std::printf("%d\n", list->Count());
  std::fflush(stdout);
  std::_Exit(list->Count() == SchematicLines ? 0 : 1);
}

// Milliseconds that a Clear of the loaded file takes, the median of a few.
double ClearMs(const std::string& path) {
  std::vector<double> times;
  for (int round = 0; round < 5; ++round) {
    TStringList list;
    list.LoadFromFile(path);
    const auto start = std::chrono::steady_clock::now();
    list.Clear();
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  return Median(times);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--load") LoadOnce(argv[2]);

  const auto path = std::filesystem::temp_directory_path() / "opbench-load-bench.bdf";
  const std::string text = GenerateSchematic(SchematicLines, SchematicPins);
  std::ofstream(path, std::ios::binary) << text;
  const std::string self = std::filesystem::read_symlink("/proc/self/exe");

  std::vector<double> loadWall, loadCpu, wcWall, wcCpu;
  long peakKb = 0, loadFaults = 0, wcFaults = 0;
  for (int round = 0; round < Rounds; ++round) {
    const TRun load = Measure({self, "--load", path.string()});
    const TRun wc = Measure({"wc", "-l", path.string()});
    loadWall.push_back(load.WallMs);
    loadCpu.push_back(load.CpuMs);
    wcWall.push_back(wc.WallMs);
    wcCpu.push_back(wc.CpuMs);
    peakKb = std::max(peakKb, load.PeakKb);
    loadFaults = load.PageFaults;
    wcFaults = wc.PageFaults;
  }
  const double clearMs = ClearMs(path.string());
  std::filesystem::remove(path);

  const double fileMb = text.size() / 1e6;
  std::printf("file: %.2f MB, %d lines; medians of %d rounds each, run in turn\n", fileMb, SchematicLines, Rounds);
  std::printf("  line list load: wall %7.2f ms  cpu %7.2f ms\n", Median(loadWall), Median(loadCpu));
  std::printf("  wc -l:          wall %7.2f ms  cpu %7.2f ms\n", Median(wcWall), Median(wcCpu));
  std::printf("  ratio:          wall %7.2f     cpu %7.2f     (target at most 8)\n",
              Median(loadWall) / Median(wcWall), Median(loadCpu) / Median(wcCpu));
  std::printf("  peak memory of the loading process: %.2f MB = %.2f times the file (target under 2.5)\n",
              peakKb * 1024 / 1e6, peakKb * 1024 / 1e6 / fileMb);
  std::printf("  page faults: line list load %ld, wc -l %ld\n", loadFaults, wcFaults);
  std::printf("  Clear of the loaded list, in the process: %.2f ms\n", clearMs);
  return 0;
}
