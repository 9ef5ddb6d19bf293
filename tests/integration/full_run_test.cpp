// Whole unattended runs, each case of tests/data/integration/runs.txt one
// start of the program per line of its "runs" (`quillmere /p <project>
// <line>`, a second later each time), over the shipped example, the
// Warehouse project in tests/data (the shapes real projects have that once
// broke a run: directives around headers, Type blocks, attributes under
// continued headers, names the blocks would add again) or the Ledger project
// there (members in sub-folders and neighbouring folders, companion files, a
// resource file, an outside member whose path an inside one already has) or
// the Gauges project there (a user control, a property page, a user document,
// a designer, scoped and Set properties, Static procedures: with /x every
// procedure but its one-line one gains its blocks, the designer and resource
// files stay as they were).
// The runs must leave exactly the files stored under
// tests/data/integration/runs/<case>/ and end with the summary stored there as
// summary.txt, byte for byte, the bench's folder written "<root>/".
//
// Every stored file was read, when it was stored, as VB6 reads it: numbers
// never in front of a directive, an Attribute line, a header, a label or a
// Type member; one pair of blocks per procedure that wanted one, below its
// attributes and above its end line; header constants whose quotes pair up;
// variable reports naming variables that exist where they are named; no
// member or control library listed twice; every member of a new copy inside
// it with its companion file. A change of the product's output is stored anew
// with QUILLMERE_STORE_EXPECTED=1 and must be read the same way before it is
// committed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "integration/run_bench.h"
#include "platform/paths.h"
#include "support/case_file.h"

namespace qm::testing {
namespace {

namespace fs = std::filesystem;

std::unique_ptr<RunBench> benchFor(const std::string& project) {
  if (project == "Billing") return RunBench::example();
  const std::string data = std::string(QUILLMERE_SOURCE_DIR) + "/tests/data/";
  if (project == "Warehouse") return std::make_unique<RunBench>(data + "Warehouse", "Warehouse.vbp");
  if (project == "Gauges") return std::make_unique<RunBench>(data + "Gauges", "Gauges.vbp");
  return std::make_unique<RunBench>(data + "shapes", "Ledger/Ledger.vbp");
}

// The switches of a line, "<root>/" standing for the bench's folder.
std::vector<std::string> switchesOf(const std::string& line, const RunBench& bench) {
  std::istringstream in(line);
  std::vector<std::string> out;
  for (std::string word; in >> word;) {
    out.push_back(word.starts_with("<root>/") ? bench.path(word.substr(7)) : word);
  }
  return out;
}

// The bench's folder, in either spelling, written "<root>/"; on Windows the rest
// of such a path too is written with "/", as the stored files have it.
std::string withoutRoot(std::string text, const RunBench& bench) {
  for (const std::string& root : {bench.root.path(), shownPath(bench.root.path())}) {
    for (std::size_t at; (at = text.find(root)) != std::string::npos;) {
      text.replace(at, root.size(), "<root>/");
#ifdef _WIN32
      for (std::size_t i = at; i < text.size() && text[i] != '\r' && text[i] != '\n'; ++i) {
        if (text[i] == '\\') text[i] = '/';
      }
#endif
    }
  }
  return text;
}

// The files the runs left (outside the program's folder) and the last summary.
std::map<std::string, std::string> outcome(const RunBench& bench) {
  std::map<std::string, std::string> out;
  for (const auto& [relative, content] : bench.files()) out[relative] = withoutRoot(content, bench);
  std::string summary = withoutRoot(bench.summary(), bench);
#ifdef _WIN32
  std::replace(summary.begin(), summary.end(), '\\', '/');  // paths are shown with the system's own separator
#endif
  out["summary.txt"] = summary;
  return out;
}

std::map<std::string, std::string> stored(const fs::path& folder) {
  std::map<std::string, std::string> out;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) out[fs::relative(entry.path(), folder).generic_string()] = RunBench::read(entry.path().string());
  }
  return out;
}

void store(const fs::path& folder, const std::map<std::string, std::string>& files) {
  fs::remove_all(folder);
  for (const auto& [relative, content] : files) {
    fs::create_directories((folder / relative).parent_path());
    std::ofstream(folder / relative, std::ios::binary) << content;
  }
}

// The stored files were written on Linux, where a record joins a member's
// name to its folder with a backslash but the folder itself has slashes; on
// Windows both are backslashes, so there the two separators count as one.
std::string separatorsAlike(std::string text) {
#ifdef _WIN32
  std::replace(text.begin(), text.end(), '\\', '/');
#endif
  return text;
}

class Runs : public CaseTest {};

TEST_P(Runs, LeaveTheStoredFiles) {
  std::unique_ptr<RunBench> bench = benchFor(c.text("project"));
  bench->root.makeFolder("copies");
  if (c.text("style", "") == "Dump") bench->writeStyle("Dump.style", dumpStyleText());
  if (c.text("style", "") == "Extras") bench->writeStyle("Extras.style", dumpStyleText(bench->writeExtraFiles()));
  int second = 10;
  for (const std::string& line : c.lines("runs")) {
    bench->clock.time.second = second++;
    EXPECT_EQ(bench->run(switchesOf(line, *bench)).exitStatus, 0) << line << "\n" << bench->summary();
  }
  const fs::path folder = fs::path(QUILLMERE_SOURCE_DIR) / "tests/data/integration/runs" / c.name;
  const std::map<std::string, std::string> actual = outcome(*bench);
  if (std::getenv("QUILLMERE_STORE_EXPECTED") != nullptr) return store(folder, actual);
  const std::map<std::string, std::string> expected = stored(folder);
  for (const auto& [relative, content] : expected) {
    const auto found = actual.find(relative);
    if (found == actual.end()) {
      ADD_FAILURE() << relative << " is missing";
    } else {
      EXPECT_EQ(separatorsAlike(found->second), separatorsAlike(content)) << relative;
    }
  }
  for (const auto& file : actual) EXPECT_TRUE(expected.count(file.first)) << file.first << " was not expected";
}

QM_CASES_FROM(Runs, "integration/runs.txt");

}  // namespace
}  // namespace qm::testing
