#include <gtest/gtest.h>

#include "vardump/declarations.h"

namespace qm {
namespace {

std::string caseName(std::string text) {
  for (char& c : text) {
    if (!isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return text;
}

// --- ParseDeclaration -------------------------------------------------------

struct ParseCase {
  const char* name;
  const char* line;  // already trimmed, as the dump passes it
  const char* expected;
};
void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }


class ParseDeclarationTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDeclarationTest, YieldsScopeAndName) {
  EXPECT_EQ(ParseDeclaration(GetParam().line), GetParam().expected) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseDeclarationTest,
    ::testing::Values(
        ParseCase{"dim integer", "Dim x As Integer", "lx"},
        ParseCase{"private long", "Private mCount As Long", "mmCount"},
        ParseCase{"static byte", "Static n As Byte", "ln"},
        ParseCase{"public string", "Public gName As String", "ggName"},
        ParseCase{"keywords in capitals", "DIM X AS INTEGER", "lX"},
        ParseCase{"blanks around the type", "Dim z As   Date", "lz"},
        ParseCase{"no type is a variant", "Dim v", "lv"},
        ParseCase{"suffixed name", "Dim s$", "ls$"},
        ParseCase{"array with type", "Dim a() As Long", ""},
        ParseCase{"array without type", "Dim b()", ""},
        ParseCase{"array with bounds", "Private mTotals(1 To 12) As Currency", ""},
        ParseCase{"fixed length string", "Dim sCode As String * 8", ""},
        ParseCase{"new object", "Dim colItems As New Collection", ""},
        ParseCase{"object", "Private mForm As Form", ""},
        ParseCase{"user defined type", "Dim pt As tPoint", ""},
        ParseCase{"type with default text", "Dim n As Integer = 5", ""},
        ParseCase{"constant", "Private Const MAX As Integer = 5", ""},
        ParseCase{"sub header", "Public Sub Main()", ""},
        ParseCase{"function header", "Private Function Total(ByVal n As Long) As Currency", ""},
        ParseCase{"static function", "Static Function Counter() As Long", ""},
        ParseCase{"property get header", "Public Property Get Count() As Long", ""},
        ParseCase{"declare function", "Private Declare Function GetTickCount Lib \"kernel32\" () As Long", ""},
        ParseCase{"enum", "Private Enum eColour", ""},
        ParseCase{"type block", "Public Type tPoint", ""},
        ParseCase{"type block with comment", "Private Type tLine ' two points", ""},
        ParseCase{"withevents", "Private WithEvents mTimer As Timer", ""},
        ParseCase{"comment cut first", "Dim i As Integer ' loop counter", "li"},
        ParseCase{"comment holding a comma", "Dim i As Integer ' a, b", "li"},
        ParseCase{"list", "Dim a As Integer, b As Long, c", "cl"},
        ParseCase{"private list", "Private x As Integer, o As Object", "cm"},
        ParseCase{"public list", "Public a As Long, b As String", "cg"},
        ParseCase{"list ending in an array", "Dim p As Long, q() As Long", "cl"},
        ParseCase{"constant list declares no variable", "Private Const A = 1, B = 2", ""},
        ParseCase{"scoped property with parameters",
                  "Private Property Let X(pThunk As IUnknown, Optional ByVal Index As Long, ByVal v As Long)", ""},
        ParseCase{"static function with parameters", "Public Static Function F(a As Long, b As Long)", ""},
        ParseCase{"event with parameters", "Public Event Changed(ByVal a As Long, b As String)", ""},
        ParseCase{"declare with parameters",
                  "Private Declare PtrSafe Function Beep Lib \"kernel32\" (ByVal f As Long, ByVal d As Long) As Long", ""},
        ParseCase{"friend-free names that start like those words", "Public Eventual As Long, Typed As Byte", "cg"},
        ParseCase{"a name that starts like a word after the scope", "Private Subtotal As Currency", "mSubtotal"},
        ParseCase{"a plain name after the scope", "Private Constant As Long", "mConstant"},
        ParseCase{"function with two parameters", "Public Function F(a, b)", ""},
        ParseCase{"statement after colon", "Dim x As Integer: x = 5", ""},
        // Word tests: statements that only start with a keyword's letters.
        ParseCase{"dimension assignment", "Dimension = 3", ""},
        ParseCase{"publicity assignment", "Publicity = 1", ""},
        ParseCase{"underscore continues the word", "Private_Count = 2", ""},
        ParseCase{"statics method call", "Statics.Add x, y", ""},
        ParseCase{"tab after keyword", "Dim\tx", "l\tx"},
        ParseCase{"not a declaration", "x = 5", ""},
        ParseCase{"empty", "", ""}),
    [](const auto& info) { return caseName(info.param.name); });

// --- SplitDeclarationList ---------------------------------------------------

struct SplitCase {
  const char* name;
  const char* line;
  std::vector<std::string> expected;
};
void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }


class SplitDeclarationListTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitDeclarationListTest, YieldsNamesInOrder) {
  EXPECT_EQ(SplitDeclarationList(GetParam().line), GetParam().expected) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitDeclarationListTest,
    ::testing::Values(
        SplitCase{"typed and untyped", "Dim a As Integer, b As Long, c", {"a", "b", "c"}},
        SplitCase{"object type dropped", "Private x As Integer, o As Object", {"x"}},
        SplitCase{"last array keeps brackets", "Dim p As Long, q() As Long", {"p", "q()"}},
        SplitCase{"last untyped array kept", "Dim a, b()", {"a", "b()"}},
        SplitCase{"array before comma dropped", "Dim a() As Long, b", {"b"}},
        SplitCase{"untyped array before comma dropped", "Dim a(), b", {"b"}},
        SplitCase{"word before name dropped", "Private WithEvents w As Long, n As Integer", {"w", "n"}},
        SplitCase{"fixed length string dropped", "Dim s As String * 5, n As Long", {"n"}},
        SplitCase{"last object dropped", "Dim n As Long, o As Object", {"n"}},
        SplitCase{"empty item skipped", "Dim a As Integer,, b As Long", {"a", "b"}},
        SplitCase{"bounds with comma", "Dim m(1, 2) As Long, x", {"m(1", "x"}},
        SplitCase{"bounds with blanks last", "Dim n As Long, a(1 To 5) As Long", {"n", "To 5)"}},
        SplitCase{"constant list", "Private Const A = 1, B = 2", {"Const A = 1", "B = 2"}},
        SplitCase{"comment is not cut here", "Dim a As Long, b ' note, c", {"a", "b ' note", "c"}},
        SplitCase{"keyword only", "Dim", {}},
        SplitCase{"trailing comma", "Dim a As Long,", {"a"}}),
    [](const auto& info) { return caseName(info.param.name); });

TEST(DeclarationListItems, CarryTheirTypesLowerCased) {
  const auto items = declarationListItems("Dim a As Integer, b As LONG, c");
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].typeText, "integer");
  EXPECT_EQ(items[1].typeText, "long");
  EXPECT_EQ(items[2].typeText, "");
}

// --- sAnalyseTitle ------------------------------------------------------------

struct TitleCase {
  const char* name;
  const char* header;
  std::vector<std::string> expected;
};
void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.name; }


class AnalyseTitleTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(AnalyseTitleTest, YieldsParameters) {
  EXPECT_EQ(sAnalyseTitle(GetParam().header), GetParam().expected) << GetParam().header;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnalyseTitleTest,
    ::testing::Values(
        TitleCase{"byval and plain", "Public Function Total(ByVal nA As Integer, nB As Long) As Currency",
                  {"nA", "nB"}},
        TitleCase{"empty list", "Private Sub Form_Load()", {}},
        TitleCase{"no brackets", "Sub Main", {}},
        TitleCase{"array parameter dropped", "Sub Fill(a() As Long, n As Integer)", {"n"}},
        TitleCase{"event index", "Private Sub cmdSave_Click(Index As Integer)", {"Index"}},
        TitleCase{"object dropped", "Sub Show(o As Object, n As Long)", {"n"}},
        TitleCase{"user type dropped", "Sub Move(s As String, pt As tPoint)", {"s"}},
        TitleCase{"untyped keeps its words", "Sub Log(ByVal x)", {"ByVal x"}},
        TitleCase{"untyped optional keeps default", "Function F(Optional n = 5) As Long", {"Optional n = 5"}},
        TitleCase{"typed default is not simple", "Function F(Optional ByVal n As Integer = 5)", {}},
        TitleCase{"optional byval typed", "Sub S(Optional ByVal b As Boolean)", {"ByVal b"}},
        TitleCase{"paramarray", "Sub S(ParamArray args() As Variant)", {}},
        TitleCase{"function type not collected", "Function Name() As String", {}},
        TitleCase{"comment with brackets collected", "Sub S(a As Long) ' see (x, y)", {"a", "y"}}),
    [](const auto& info) { return caseName(info.param.name); });

// --- comment cuts -------------------------------------------------------------

TEST(Comments, DeclarationsAreCutAtTheFirstApostrophe) {
  EXPECT_EQ(withoutComment("Dim a As Long ' note"), "Dim a As Long");
  EXPECT_EQ(withoutComment("Dim a As Long"), "Dim a As Long");
  EXPECT_EQ(withoutComment("' all comment"), "");
}

TEST(Comments, HeadersKeepApostrophesInsideLiterals) {
  EXPECT_EQ(withoutTrailingComment("Sub S(Optional c = \"'\") ' why"), "Sub S(Optional c = \"'\")");
  EXPECT_EQ(withoutTrailingComment("Sub S(a As Long) ' see (x, y)"), "Sub S(a As Long)");
  EXPECT_EQ(withoutTrailingComment("Sub S()"), "Sub S()");
}

// --- plainVariableName ------------------------------------------------------------

struct PlainCase {
  const char* piece;
  std::optional<std::string> expected;
};
void PrintTo(const PlainCase& c, std::ostream* os) { *os << "[" << c.piece << "]"; }


class PlainVariableNameTest : public ::testing::TestWithParam<PlainCase> {};

TEST_P(PlainVariableNameTest, KeepsOnlyCertainNames) {
  EXPECT_EQ(plainVariableName(GetParam().piece), GetParam().expected) << GetParam().piece;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlainVariableNameTest,
    ::testing::Values(PlainCase{"x", "x"}, PlainCase{"nCount_2", "nCount_2"}, PlainCase{"s$", "s$"},
                      PlainCase{"n%", "n%"}, PlainCase{"c@", "c@"}, PlainCase{"ByVal x", "x"},
                      PlainCase{"BYREF x", "x"}, PlainCase{"Optional ByVal v", "v"},
                      PlainCase{"Optional n = 5", "n"}, PlainCase{"Optional s = \"a b\"", "s"},
                      PlainCase{"WithEvents w", "w"}, PlainCase{"  padded  ", "padded"},
                      PlainCase{"q()", std::nullopt}, PlainCase{"x = 5", std::nullopt},
                      PlainCase{"ension = 3", std::nullopt}, PlainCase{"To 5)", std::nullopt},
                      PlainCase{"m(1", std::nullopt}, PlainCase{"b ' note", std::nullopt},
                      PlainCase{"Const A = 1", std::nullopt}, PlainCase{"t\tAs tPoint", std::nullopt},
                      PlainCase{"\tx", std::nullopt}, PlainCase{"t _", std::nullopt},
                      PlainCase{"_", std::nullopt}, PlainCase{"_x", std::nullopt},
                      PlainCase{"1abc", std::nullopt}, PlainCase{"a.b", std::nullopt},
                      PlainCase{"x$$", std::nullopt}, PlainCase{"$", std::nullopt},
                      PlainCase{"caf\xE9", std::nullopt}, PlainCase{"", std::nullopt},
                      PlainCase{"ByVal x As Long", std::nullopt}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(PlainIdentifier, ModuleNamesTakeNoTypeCharacter) {
  EXPECT_TRUE(isPlainIdentifier("frmMain", false));
  EXPECT_FALSE(isPlainIdentifier("frm$", false));
  EXPECT_FALSE(isPlainIdentifier("my util", false));
}

TEST(SimpleTypes, WholeTypeTextComparedWithoutCase) {
  for (const char* type : {"integer", "Long", "SINGLE", "double", "currency", "date", "string", "boolean",
                           "variant", "decimal", "byte", " long "}) {
    EXPECT_TRUE(isSimpleType(type)) << type;
  }
  for (const char* type : {"object", "string * 5", "new collection", "long = 5", "longs", ""}) {
    EXPECT_FALSE(isSimpleType(type)) << type;
  }
}

}  // namespace
}  // namespace qm
