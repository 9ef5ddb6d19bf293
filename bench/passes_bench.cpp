// Throughput of each rewriting pass on synthetic VB6 source in memory, and,
// for comparison, atomic copies of the files of a large project on disk. The
// whole run on disk is measured by bench_end_to_end.
//
//   bench_passes                               every case at its default size
//   bench_passes --benchmark_filter=CopyOnDisk the on-disk copies only
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <set>

#include "engine/analysis.h"
#include "engine/insertion.h"
#include "engine/numbering.h"
#include "engine/removal.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/workspace.h"
#include "project_generator.h"
#include "styles/style_file.h"
#include "vardump/variable_dump.h"

namespace qm::bench {
namespace {

namespace fs = std::filesystem;

// 200 members of 500 lines: about 100,000 lines, 3 MB.
const GeneratedProject& sampleProject() {
  static const GeneratedProject project = generateProject(200, 100'000);
  return project;
}

// The default style, as a first start writes and loads it, with the
// variable-dump tag added to its handler so the dump pass has work to do.
CodeStyle defaultStyle() {
  static const CodeStyle style = [] {
    const fs::path folder = fs::temp_directory_path() / ("quillmere-bench-style-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    NativeFileSystem files;
    Workspace ws{files, folder.string(), folder.string()};
    writeDefaultStyle(ws);
    CodeStyle loaded = bLoadDetails(files, ws.programFolder, kDefaultStyleName).style;
    fs::remove_all(folder);
    loaded.handlerText += "<Variable_Dump>\r\n";
    return loaded;
  }();
  return style;
}

void setThroughput(benchmark::State& state, std::size_t bytes) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes));
}

std::vector<std::string> insertedTexts(ProcedureList& list) {
  AnalysisNotes notes;
  for (const auto& member : sampleProject().members) analyseText(member.content, list, notes, member.relativePath);
  std::vector<std::string> out;
  const CodeStyle style = defaultStyle();
  for (const auto& member : sampleProject().members) {
    auto pass = InsertionPass::prepare({style.onErrorText, style.handlerText, "0", "Generated", list, member.relativePath},
                                       bareName(member.relativePath), true, false);
    out.push_back(pass->run(member.content).text);
  }
  return out;
}

void BM_Analyse(benchmark::State& state) {
  for (auto _ : state) {
    ProcedureList list;
    AnalysisNotes notes;
    for (const auto& member : sampleProject().members) benchmark::DoNotOptimize(analyseText(member.content, list, notes, member.relativePath));
  }
  setThroughput(state, sampleProject().totalBytes());
}
BENCHMARK(BM_Analyse)->Unit(benchmark::kMillisecond);

void BM_Insert(benchmark::State& state) {
  ProcedureList list;
  AnalysisNotes notes;
  for (const auto& member : sampleProject().members) analyseText(member.content, list, notes, member.relativePath);
  const CodeStyle style = defaultStyle();
  for (auto _ : state) {
    for (const auto& member : sampleProject().members) {
      auto pass = InsertionPass::prepare({style.onErrorText, style.handlerText, "0", "Generated", list, member.relativePath},
                                         bareName(member.relativePath), true, false);
      benchmark::DoNotOptimize(pass->run(member.content));
    }
  }
  setThroughput(state, sampleProject().totalBytes());
}
BENCHMARK(BM_Insert)->Unit(benchmark::kMillisecond);

void BM_VariableDump(benchmark::State& state) {
  ProcedureList list;
  const auto inserted = insertedTexts(list);
  std::size_t bytes = 0;
  for (const auto& text : inserted) bytes += text.size();
  const std::set<std::string> userTypes;
  for (auto _ : state) {
    DumpState dump;
    for (std::size_t i = 0; i < inserted.size(); ++i) {
      DumpOptions options{bareName(sampleProject().members[i].relativePath), true, true, &userTypes};
      benchmark::DoNotOptimize(VariableDumpPass(options).run(inserted[i], dump));
    }
  }
  setThroughput(state, bytes);
}
BENCHMARK(BM_VariableDump)->Unit(benchmark::kMillisecond);

void BM_Number(benchmark::State& state) {
  ProcedureList list;
  const auto inserted = insertedTexts(list);
  std::size_t bytes = 0;
  for (const auto& text : inserted) bytes += text.size();
  for (auto _ : state) {
    for (const auto& text : inserted) benchmark::DoNotOptimize(NumberingPass(10, 5).run(text));
  }
  setThroughput(state, bytes);
}
BENCHMARK(BM_Number)->Unit(benchmark::kMillisecond);

void BM_Remove(benchmark::State& state) {
  ProcedureList list;
  const auto inserted = insertedTexts(list);
  std::size_t bytes = 0;
  for (const auto& text : inserted) bytes += text.size();
  for (auto _ : state) {
    for (const auto& text : inserted) benchmark::DoNotOptimize(RemovalPass().run(text));
  }
  setThroughput(state, bytes);
}
BENCHMARK(BM_Remove)->Unit(benchmark::kMillisecond);

void BM_CopyOnDisk(benchmark::State& state) {
  ProjectOnDisk disk("quillmere-bench", static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  NativeFileSystem files;
  for (auto _ : state) {
    state.PauseTiming();
    const std::string folder = disk.freshCopy("work").string() + "/";
    state.ResumeTiming();
    for (const auto& member : disk.project().members) {
      const std::string path = folder + member.relativePath;
      files.copyFile(path, path + ".copy");
    }
  }
  setThroughput(state, disk.project().totalBytes());
}
BENCHMARK(BM_CopyOnDisk)->Args({2000, 1'000'000})->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace qm::bench

BENCHMARK_MAIN();
