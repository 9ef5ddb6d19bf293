// Properties that every rewriting pass must keep on any input: generated
// VB6 sources of every shape the scanning rules care about, plus the files
// of the example project and of the shared corpus when they are there.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "engine/analysis.h"
#include "engine/insertion.h"
#include "engine/numbering.h"
#include "engine/removal.h"
#include "engine/scanning.h"
#include "platform/file_system.h"
#include "platform/lines.h"
#include "platform/text.h"
#include "support/case_file.h"
#include "support/default_style_texts.h"
#include "support/faulty_file_system.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using Piece = std::vector<std::string>;  // lines
using Pieces = std::vector<Piece>;

// The pieces of tests/data/engine/source_pieces.txt of one kind, in order.
const Pieces& pieces(const std::string& kind) {
  static const testing::Case file = testing::readCases("engine/source_pieces.txt").front();
  static std::map<std::string, Pieces> read;
  if (read.count(kind) == 0) {
    for (const std::string& written : file.written.at(kind)) {
      const std::string text = testing::decodeEscapes(written);
      Piece piece;
      for (auto line : splitLines(text)) piece.emplace_back(line);
      read[kind].push_back(piece.empty() ? Piece{""} : piece);
    }
  }
  return read[kind];
}

// A deterministic source of VB6-shaped files: forms, modules and classes
// with continued headers, attributes, comments (8-bit ones too), ignore
// tags, directives, declarations, labels, existing handlers and numbered
// lines, in random mixes, of the pieces above. The same seed always gives
// the same file.
class SourceGenerator {
 public:
  explicit SourceGenerator(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}

  std::string file() {
    out_.clear();
    lines(pick(pieces("preambles")));
    if (chance(80)) line("Option Explicit");
    for (int i = below(5); i > 0; --i) lines(pick(pieces("declarations")));
    if (chance(30)) lines({"Private Type Invoice", "    SubTotal As Currency", "    Tax As Currency", "End Type"});
    const int procedures = below(12);
    for (int i = 0; i < procedures; ++i) {
      if (chance(30)) line("");
      if (chance(20)) line("' -------------------------------------------");
      if (chance(5)) line("'<ignore>");
      if (chance(5)) line("'</ignore>");
      procedure(i + 1 == procedures);
    }
    if (chance(20)) line("' trailing comment");
    return out_;
  }

 private:
  std::uint32_t next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }
  bool chance(int percent) { return below(100) < percent; }
  const Piece& pick(const Pieces& from) { return from[below(static_cast<int>(from.size()))]; }
  void line(std::string_view text) { appendLine(out_, text); }
  void lines(const Piece& texts) {
    for (const auto& text : texts) line(text);
  }

  void procedure(bool last) {
    Piece header = pick(pieces("headers"));
    const std::string end = header.back();
    header.pop_back();
    const std::string name = "Item" + std::to_string(++counter_);
    for (std::string& text : header) {
      if (const auto star = text.find('*'); star != std::string::npos) text.replace(star, 1, name);
    }
    lines(header);
    if (chance(25)) line("Attribute Item.VB_UserMemId = 0");
    if (chance(25)) line("' what this does");
    if (chance(8)) line("'<IGNORE> not this one");
    if (chance(10)) line("    On Error GoTo ErrorHandler");
    // Each of the three blocks comes as often as all single lines together.
    for (int i = below(7); i > 0; --i) {
      const int kind = below(8);
      lines(pieces("statements")[kind < 3 ? kind : 3 + below(static_cast<int>(pieces("statements").size()) - 3)]);
    }
    if (chance(5)) line("'</ignore>");
    if (last && chance(10)) return;  // the file ends before the end line
    line(chance(10) ? end + " ' done" : end);
  }

  std::uint32_t state_;
  int counter_ = 0;
  std::string out_;
};

// Generated files, then the source files of the example projects and of the
// shared corpus of real projects, when they are there.
const std::vector<std::string>& samples() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> out;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) out.push_back(SourceGenerator(seed).file());
    for (const char* folder : {"/examples", "/../shared/corpus"}) {
      std::error_code error;
      for (std::filesystem::recursive_directory_iterator it(std::string(QUILLMERE_SOURCE_DIR) + folder, error), end;
           !error && it != end; it.increment(error)) {
        const std::string extension = toLower(it->path().extension().string());
        if (extension != ".frm" && extension != ".bas" && extension != ".cls") continue;
        std::ifstream in(it->path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        out.push_back(bytes.str());
      }
    }
    return out;
  }();
  return texts;
}

std::vector<std::string> linesOf(std::string_view text) {
  std::vector<std::string> out;
  for (auto line : splitLines(text)) out.emplace_back(line);
  return out;
}

struct InsertionSetting {
  bool skipIgnoreTagged;
  bool skipExistingHandlers;
  const char* minLines;
  HeaderForms forms = HeaderForms::Classic;
};
constexpr InsertionSetting kSettings[] = {{true, true, "0"},  {false, false, "0"}, {true, false, "3"},
                                          {false, true, "-1"}, {false, false, "0", HeaderForms::All},
                                          {true, true, "0", HeaderForms::All}};
constexpr InsertionSetting kEveryProcedure = kSettings[1];

InsertionOutcome inserted(const std::string& text, InsertionSetting setting) {
  ProcedureList list;
  AnalysisNotes notes;
  analyseText(text, list, notes, {}, setting.forms);
  auto pass = InsertionPass::prepare({testing::kDefaultOnError, testing::kDefaultHandler, setting.minLines, "Billing",
                                      list, {}, setting.forms},
                                     "frmMain.frm", setting.skipIgnoreTagged, setting.skipExistingHandlers);
  EXPECT_TRUE(pass.ok());
  return pass->run(text);
}

std::string numbered(const std::string& text, HeaderForms forms = HeaderForms::Classic) {
  const auto out = NumberingPass(10, 5, forms).run(text);
  return out.alreadyNumbered || out.numberedLines == 0 ? text : out.text;
}

TEST(EngineProperties, InsertionOnlyAddsLinesAndNeverBetweenAHeaderAndItsAttributes) {
  long long found = 0, updated = 0;
  for (std::size_t i = 0; i < samples().size(); ++i) {
    const auto input = linesOf(samples()[i]);
    for (const auto& setting : kSettings) {
      const InsertionOutcome outcome = inserted(samples()[i], setting);
      found += outcome.found;
      updated += outcome.updated;
      const auto output = linesOf(outcome.text);
      std::size_t kept = 0;  // the input's lines met, in order, in the output
      for (std::size_t n = 0; n < output.size(); ++n) {
        if (kept < input.size() && output[n] == input[kept]) ++kept;
        ASSERT_FALSE(n > 0 && isAttributeLine(trimSpaces(output[n])) && markerOf(trimSpaces(output[n - 1])) == Marker::SE)
            << "sample " << i << " line " << n;
      }
      ASSERT_EQ(kept, input.size()) << "sample " << i << " lost line " << kept << ": " << input[kept];
    }
  }
  // The samples must exercise both outcomes, or the property says little.
  EXPECT_GT(updated, found / 4);
  EXPECT_LT(updated, found);
}

TEST(EngineProperties, RemovalAfterOneOrTwoInsertionsGivesBackTheInput) {
  // A second Add run without skipping existing handlers must put its blocks
  // beside the first ones, never inside them, or the removal would leave the
  // first run's On Error line behind.
  for (std::size_t i = 0; i < samples().size(); ++i) {
    const std::string& input = samples()[i];
    if (!input.empty() && !endsWith(input, "\r\n")) continue;  // the passes end every line in CR LF
    for (const auto& setting : kSettings) {
      const auto removed = RemovalPass().run(inserted(input, setting).text);
      ASSERT_TRUE(removed.ok()) << "sample " << i << ": " << removed.message();
      ASSERT_EQ(removed->text, input) << "sample " << i;
    }
    const auto removed = RemovalPass().run(inserted(inserted(input, kEveryProcedure).text, kEveryProcedure).text);
    ASSERT_TRUE(removed.ok()) << "sample " << i << ": " << removed.message();
    ASSERT_EQ(removed->text, input) << "sample " << i << ", inserted twice";
  }
}

TEST(EngineProperties, NumberingPutsNumbersInFrontOfStatementsOnlyAndOnlyOnce) {
  for (std::size_t i = 0; i < samples().size(); ++i) {
    // The sample as it is, and after insertions.
    for (const auto& [text, forms] : {std::pair(samples()[i], HeaderForms::Classic),
                                      std::pair(inserted(samples()[i], kSettings[0]).text, HeaderForms::Classic),
                                      std::pair(inserted(samples()[i], kEveryProcedure).text, HeaderForms::Classic),
                                      std::pair(inserted(samples()[i], kSettings[4]).text, HeaderForms::All)}) {
      const std::string once = numbered(text, forms);
      ASSERT_EQ(numbered(once, forms), once) << "sample " << i;
      const auto input = linesOf(text);
      const auto output = linesOf(once);
      if (output == input) continue;
      // Every line stays as it was or gains a number and a blank in front;
      // comments, blank lines, directives and attributes never do.
      ASSERT_EQ(output.size(), input.size() + 1) << "sample " << i;
      for (std::size_t n = 0; n < input.size(); ++n) {
        const std::string& got = output[n + 1];
        if (got == input[n]) continue;
        std::size_t digits = 0;
        while (digits < got.size() && isAsciiDigit(got[digits])) ++digits;
        ASSERT_GT(digits, 0u) << "sample " << i << " line " << n << ": " << got;
        ASSERT_EQ(got.substr(digits), " " + input[n]) << "sample " << i << " line " << n;
        const std::string_view trimmed = trimSpaces(input[n]);
        ASSERT_FALSE(isDirectiveOrAttribute(trimmed) || isComment(trimmed) || trimmed.empty())
            << "sample " << i << " numbered: " << got;
      }
    }
  }
}

}  // namespace
}  // namespace qm
