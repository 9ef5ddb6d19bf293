// A second Add that spares existing handlers changes no member. (Two Adds
// with extra files, into the project or one new copy, are stored cases of
// tests/data/integration/runs.txt.)
#include <gtest/gtest.h>

#include <map>

#include "integration/run_bench.h"
#include "platform/paths.h"

namespace qm::testing {
namespace {

TEST(RepeatedAdd, ASecondAddThatSparesExistingHandlersChangesNoMember) {
  // Without extra files: a second run would rightly give the members they
  // brought in their first error handling.
  auto bench = RunBench::example();
  bench->writeStyle("Dump.style", dumpStyleText());
  bench->clock.time.second = 10;
  ASSERT_EQ(bench->run({"/a", "/b", "/v", "/s", "Dump"}).exitStatus, 0) << bench->summary();
  std::map<std::string, std::string> first = bench->memberTexts();
  std::erase_if(first, [](const auto& member) { return bareName(member.first) == "GlobalVariables.bas"; });
  first[bench->projectFile] = RunBench::read(bench->projectFile);
  ASSERT_EQ(first.size(), 5U);

  bench->clock.time.second = 11;
  ASSERT_EQ(bench->run({"/a", "/b", "/v"}).exitStatus, 0) << bench->summary();
  for (const auto& [path, text] : first) EXPECT_EQ(RunBench::read(path), text) << path;
}

}  // namespace
}  // namespace qm::testing
