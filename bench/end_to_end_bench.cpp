// The whole program on a large project: `quillmere /p Project.vbp /a /b /l /v`
// (select all, back up, line numbers, variable dump) on a generated project
// of 2,000 files and 1,000,000 lines, started as a separate process so that
// its peak memory can be read from the kernel; the same lines in half as many
// files, to show that memory does not grow with their number. Beside it, in
// the same run, the yardstick: a durable copy of the same files (`cp -r`,
// then a flush of that file system). The aim is a run within twice the
// copy's time and under 100 MB.
// Every repetition works in a folder of its own (see ProjectOnDisk).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "project_generator.h"

namespace qm::bench {
namespace {

namespace fs = std::filesystem;

struct ChildOutcome {
  int status = -1;
  long peakKilobytes = 0;
};

// Runs the program with its output discarded and its settings in `home`.
ChildOutcome runProgram(const std::string& projectFile, const fs::path& home) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    if (std::freopen("/dev/null", "w", stdout) == nullptr) ::_exit(126);
    ::execl(QUILLMERE_PROGRAM, QUILLMERE_PROGRAM, "/p", projectFile.c_str(), "/a", "/b", "/l", "/v",
            static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ChildOutcome outcome;
  struct rusage usage {};
  int status = 0;
  if (::wait4(pid, &status, 0, &usage) == pid) {
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    outcome.peakKilobytes = usage.ru_maxrss;
  }
  return outcome;
}

void setThroughput(benchmark::State& state, const ProjectOnDisk& disk) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(disk.totalBytes()));
  state.counters["lines"] = static_cast<double>(disk.totalLines());
}

void BM_CommandLineRun(benchmark::State& state) {
  ProjectOnDisk disk("quillmere-e2e", static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  disk.dropContents();  // else the child's peak would count this process's copy of them
  long peak = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const fs::path work = disk.freshCopy("work");
    ::sync();  // the run pays for its own writes only, as the copy does
    state.ResumeTiming();
    const ChildOutcome outcome = runProgram((work / "Project.vbp").string(), disk.root());
    if (outcome.status != 0) {
      state.SkipWithError("the command-line run did not succeed in every step");
      break;
    }
    peak = std::max(peak, outcome.peakKilobytes);
  }
  setThroughput(state, disk);
  state.counters["peak_MB"] = static_cast<double>(peak) / 1024.0;
}
BENCHMARK(BM_CommandLineRun)
    ->Args({2000, 1'000'000})
    ->Args({1000, 1'000'000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

// `cp -r` of the project's files and a flush of the file system they are on.
void BM_DurableCopy(benchmark::State& state) {
  ProjectOnDisk disk("quillmere-copy", static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    state.PauseTiming();
    const std::string copy = disk.nextFolder("copy").string();
    const std::string command = "cp -r '" + disk.original().string() + "' '" + copy + "' && sync -f '" + copy + "'";
    ::sync();
    state.ResumeTiming();
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError("the copy failed");
      break;
    }
  }
  setThroughput(state, disk);
}
BENCHMARK(BM_DurableCopy)->Args({2000, 1'000'000})->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace
}  // namespace qm::bench

BENCHMARK_MAIN();
