// Properties that every rewriting pass must keep on any input: generated
// VB6 sources of every shape the scanning rules care about, plus the files
// of the example project when it is there.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/analysis.h"
#include "engine/insertion.h"
#include "engine/numbering.h"
#include "engine/removal.h"
#include "engine_fixtures.h"
#include "platform/lines.h"
#include "platform/text.h"

namespace qm {
namespace {

using testing::kDefaultHandler;
using testing::kDefaultOnError;

// A deterministic source of VB6-shaped files: forms, modules and classes
// with continued headers, attributes, comments (8-bit ones too), ignore
// tags, directives, declarations, labels, existing handlers and numbered
// lines, in random mixes. The same seed always gives the same file.
class SourceGenerator {
 public:
  explicit SourceGenerator(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}

  std::string file() {
    out_.clear();
    preamble();
    declarations();
    const int procedures = below(12);
    for (int i = 0; i < procedures; ++i) {
      between();
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
  template <typename T, std::size_t N>
  const T& pick(const T (&items)[N]) {
    return items[below(static_cast<int>(N))];
  }
  void line(std::string_view text) { appendLine(out_, text); }
  std::string name() { return "Item" + std::to_string(++counter_); }

  void lines(std::initializer_list<const char*> texts) {
    for (const char* text : texts) line(text);
  }

  void preamble() {
    switch (below(3)) {
      case 0:
        lines({"VERSION 5.00", "Begin VB.Form frmMain ", "   Caption         =   \"Billing\"",
               "   Begin VB.CommandButton cmdOK ", "      Caption         =   \"OK\"", "   End", "End",
               "Attribute VB_Name = \"frmMain\"", "Attribute VB_GlobalNameSpace = False"});
        break;
      case 1:
        lines({"VERSION 1.0 CLASS", "BEGIN", "  MultiUse = -1  'True", "END", "Attribute VB_Name = \"clsInvoice\""});
        break;
      default:
        line("Attribute VB_Name = \"modMain\"");
        break;
    }
    if (chance(80)) line("Option Explicit");
  }

  void declarations() {
    static const char* const kDeclarations[] = {
        "Private mTotal As Currency",
        "Public gName As String",
        "Dim mCount As Long",
        "Const MAX_ITEMS As Long = 100",
        "Private Declare Function GetTickCount Lib \"kernel32\" () As Long",
        "#Const DEBUGGING = 1",
        "' Caf\xe9 cr\xe8me: 8-bit comment",
        "Private WithEvents mTimer As Timer",
    };
    const int count = below(5);
    for (int i = 0; i < count; ++i) line(pick(kDeclarations));
    if (chance(30)) lines({"Private Type Invoice", "    SubTotal As Currency", "    Tax As Currency", "End Type"});
  }

  void between() {
    if (chance(30)) line("");
    if (chance(20)) line("' -------------------------------------------");
    if (chance(5)) line("'<ignore>");
    if (chance(5)) line("'</ignore>");
  }

  // A header of a kind that the passes recognise, or one that they don't
  // ("*" stands for a fresh name). Returns the end keyword line that closes it.
  std::string header() {
    struct Kind {
      std::vector<std::string> lines;
      const char* end;
    };
    static const Kind kKinds[] = {
        {{"Private Sub cmd*_Click()"}, "End Sub"},
        {{"Public Function Total*(ByVal a As Long, _", "                      ByVal b As Long) As Long"},
         "End Function"},
        {{"Property Get *() As String"}, "End Property"},
        {{"Property Let *(ByVal v As String)"}, "End Property"},
        {{"Friend Sub Reset*()"}, "End Sub"},
        {{"Public Property Get Count*() As Long"}, "End Property"},  // not recognised
        {{"Static Sub Tick*()"}, "End Sub"},                         // not recognised
        {{"Function Pad*(ByVal s As String, Optional ByVal c As String = \"_\") As String"}, "End Function"},
        {{"Private Sub Form_Load()"}, "End Sub"},  // the same header in many files
        {{"Public Sub Run*(ByVal a As Long, _", "    ByVal b As Long, _", "    ByVal c As Long)  "}, "End Sub"},
        {{"Private Function Lookup*() As Long   "}, "End Function"},
        {{"Sub Main*()"}, "End Sub"},
    };
    const Kind& kind = pick(kKinds);
    const std::string n = name();
    for (std::string text : kind.lines) {
      if (const auto star = text.find('*'); star != std::string::npos) text.replace(star, 1, n);
      line(text);
    }
    return kind.end;
  }

  void statement() {
    static const char* const kStatements[] = {
        "    x = x + 1",
        "    Dim s As String",
        "    Static calls As Long",
        "    ReDim a(10)",
        "Subtotal = 5",
        "    Dimension = 3",
        "",
        "    y = 2   ",
        "\t' a comment behind a tab",
        "    ' an ordinary comment",
        "10  Done",
        "ErrorHandler:",
        "    On Error Resume Next",
        "    If x > 1 Then Exit Sub",
        "    Set mTimer = Nothing",
        "    Debug.Print \"caf\xe9\"",
    };
    switch (below(8)) {
      case 0:
        lines({"    Select Case x", "    Case 1", "        x = 2", "    Case Else", "        x = 3", "    End Select"});
        break;
      case 1:
        lines({"    MsgBox \"first\" & _", "        \"second\""});
        break;
      case 2:
        lines({"#If DEBUGGING Then", "    Debug.Print x", "#End If"});
        break;
      default:
        line(pick(kStatements));
        break;
    }
  }

  void procedure(bool last) {
    const std::string end = header();
    if (chance(25)) line("Attribute Item.VB_UserMemId = 0");
    if (chance(25)) line("' what this does");
    if (chance(8)) line("'<IGNORE> not this one");
    if (chance(10)) line("    On Error GoTo ErrorHandler");
    const int statements = below(7);
    for (int i = 0; i < statements; ++i) statement();
    if (chance(5)) line("'</ignore>");
    if (last && chance(10)) return;  // the file ends before the end line
    line(chance(10) ? end + " ' done" : end);
  }

  std::uint32_t state_;
  int counter_ = 0;
  std::string out_;
};

// Appends the bytes of every source file under `folder`; nothing when the
// folder is absent.
void addSourceFiles(const std::string& folder, std::vector<std::string>& texts) {
  std::error_code error;
  for (std::filesystem::recursive_directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string extension = toLower(it->path().extension().string());
    if (extension != ".frm" && extension != ".bas" && extension != ".cls") continue;
    std::ifstream in(it->path(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    texts.push_back(bytes.str());
  }
}

// Generated files, then the example projects' files and the shared corpus
// of real projects, when they are there.
std::vector<std::string> samples() {
  std::vector<std::string> texts;
  for (std::uint32_t seed = 1; seed <= 300; ++seed) texts.push_back(SourceGenerator(seed).file());
  addSourceFiles(std::string(QUILLMERE_SOURCE_DIR) + "/examples", texts);
  addSourceFiles(std::string(QUILLMERE_SOURCE_DIR) + "/../shared/corpus", texts);
  return texts;
}

const std::vector<std::string>& allSamples() {
  static const std::vector<std::string> texts = samples();
  return texts;
}

std::vector<std::string> linesOf(std::string_view text) {
  std::vector<std::string> out;
  for (auto line : splitLines(text)) out.emplace_back(line);
  return out;
}

// Index of the first line of `part` that does not appear, in order, in
// `whole`; part.size() when every one does.
std::size_t firstMissing(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
  std::size_t found = 0;
  for (const auto& line : whole) {
    if (found < part.size() && line == part[found]) ++found;
  }
  return found;
}

struct InsertionSetting {
  bool skipIgnoreTagged;
  bool skipExistingHandlers;
  const char* minLines;
};
constexpr InsertionSetting kSettings[] = {
    {true, true, "0"}, {false, false, "0"}, {true, false, "3"}, {false, true, "-1"}};

InsertionOutcome insertDefaultStyle(const std::string& text, InsertionSetting setting) {
  ProcedureList list;
  AnalysisNotes notes;
  analyseText(text, list, notes);
  auto pass = InsertionPass::prepare({kDefaultOnError, kDefaultHandler, setting.minLines, "Billing", list},
                                     "frmMain.frm", setting.skipIgnoreTagged, setting.skipExistingHandlers);
  EXPECT_TRUE(pass.ok());
  return pass->run(text);
}

std::string numbered(const std::string& text) {
  const auto out = NumberingPass(10, 5).run(text);
  return out.alreadyNumbered || out.numberedLines == 0 ? text : out.text;
}

bool endsInLineBreak(const std::string& text) { return text.empty() || endsWith(text, "\r\n"); }

TEST(EngineProperties, InsertionOnlyAddsLines) {
  long long found = 0;
  long long updated = 0;
  for (std::size_t i = 0; i < allSamples().size(); ++i) {
    const auto input = linesOf(allSamples()[i]);
    for (const auto& setting : kSettings) {
      const InsertionOutcome outcome = insertDefaultStyle(allSamples()[i], setting);
      found += outcome.found;
      updated += outcome.updated;
      const auto output = linesOf(outcome.text);
      const std::size_t missing = firstMissing(input, output);
      ASSERT_EQ(missing, input.size()) << "sample " << i << " lost line " << missing << ": " << input[missing];
    }
  }
  // The samples must exercise both outcomes, or the property says little.
  EXPECT_GT(updated, found / 4);
  EXPECT_LT(updated, found);
}

TEST(EngineProperties, InsertedBlocksNeverSeparateAttributesFromTheirHeader) {
  for (std::size_t i = 0; i < allSamples().size(); ++i) {
    const auto output = linesOf(insertDefaultStyle(allSamples()[i], kSettings[1]).text);
    for (std::size_t n = 1; n < output.size(); ++n) {
      ASSERT_FALSE(isAttributeLine(trimSpaces(output[n])) && markerOf(trimSpaces(output[n - 1])) == Marker::SE)
          << "sample " << i << " line " << n;
    }
  }
}

TEST(EngineProperties, RemovalAfterInsertionGivesBackTheInput) {
  for (std::size_t i = 0; i < allSamples().size(); ++i) {
    const std::string& input = allSamples()[i];
    if (!endsInLineBreak(input)) continue;  // the passes end every line in CR LF
    for (const auto& setting : kSettings) {
      const auto removed = RemovalPass().run(insertDefaultStyle(input, setting).text);
      ASSERT_TRUE(removed.ok()) << "sample " << i << ": " << removed.message();
      ASSERT_EQ(removed->text, input) << "sample " << i;
    }
  }
}

TEST(EngineProperties, RemovalAfterTwoInsertionsGivesBackTheInput) {
  // A second Add run without skipping existing handlers must put its blocks
  // beside the first ones, never inside them, or the removal would leave the
  // first run's On Error line behind.
  const InsertionSetting everyProcedure{false, false, "0"};
  for (std::size_t i = 0; i < allSamples().size(); ++i) {
    const std::string& input = allSamples()[i];
    if (!endsInLineBreak(input)) continue;
    const std::string once = insertDefaultStyle(input, everyProcedure).text;
    const auto removed = RemovalPass().run(insertDefaultStyle(once, everyProcedure).text);
    ASSERT_TRUE(removed.ok()) << "sample " << i << ": " << removed.message();
    ASSERT_EQ(removed->text, input) << "sample " << i;
  }
}

TEST(EngineProperties, NumberingTwiceEqualsNumberingOnce) {
  for (std::size_t i = 0; i < allSamples().size(); ++i) {
    const std::string once = numbered(allSamples()[i]);
    ASSERT_EQ(numbered(once), once) << "sample " << i;
    const std::string insertedOnce = numbered(insertDefaultStyle(allSamples()[i], kSettings[0]).text);
    ASSERT_EQ(numbered(insertedOnce), insertedOnce) << "sample " << i;
  }
}

// Every line either stays as it was or gains a number and a blank in front;
// comments, blank lines, directives and attributes never do.
void checkOnlyNumbersAdded(const std::string& text, std::size_t i) {
  const auto input = linesOf(text);
  const auto output = linesOf(numbered(text));
  if (output == input) return;
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

TEST(EngineProperties, NumberingOnlyPutsNumbersInFrontOfStatements) {
  for (std::size_t i = 0; i < allSamples().size(); ++i) {
    checkOnlyNumbersAdded(allSamples()[i], i);
    // A full run: insertion without skipping, then the numbers.
    checkOnlyNumbersAdded(insertDefaultStyle(allSamples()[i], kSettings[1]).text, i);
  }
}

}  // namespace
}  // namespace qm
