#include <windows.h>
#include <shellapi.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/windows/command_line_text.h"
#include "platform/windows/wide_text.h"

namespace qm::windows {
namespace {

// What the started program's start-up code makes of a command line.
std::vector<std::string> splitAsAProgramWould(const std::string& commandLine) {
  int count = 0;
  wchar_t** words = ::CommandLineToArgvW(wideFromAnsi(commandLine).c_str(), &count);
  std::vector<std::string> out;
  for (int i = 0; i < count; ++i) out.push_back(ansiFromWide(words[i]));
  ::LocalFree(words);
  return out;
}

TEST(CommandLineText, EveryArgumentComesBackAsItWasGiven) {
  const std::string program = "C:\\Program Files\\Microsoft Visual Studio\\VB98\\VB6.EXE";
  const std::vector<std::string> texts = {
      "/make", "C:\\Work\\Billing\\Billing.vbp", "C:\\Work\\Caf\xE9 \"Nord\"\\Billing.vbp", "", " ",
      "\\\\server\\share\\", "trailing\\\\", "a\\\"b", "tab\there", "\"", "\\"};
  for (const std::string& text : texts) {
    for (bool isPath : {false, true}) {
      const std::vector<ProcessArgument> arguments = {ProcessArgument::plain("/make"), {text, isPath}};
      const std::string line = commandLineText(program, arguments);
      EXPECT_EQ(splitAsAProgramWould(line), (std::vector<std::string>{program, "/make", text})) << line;
    }
  }
}

TEST(CommandLineText, APathIsAlwaysQuotedAndAPlainWordOnlyWhenItMustBe) {
  EXPECT_EQ(commandLineText("C:\\VB98\\VB6.EXE", {ProcessArgument::plain("/make"),
                                                  ProcessArgument::path("C:\\Work\\Billing\\Billing.vbp")}),
            "C:\\VB98\\VB6.EXE /make \"C:\\Work\\Billing\\Billing.vbp\"");
}

TEST(CommandLineText, TheArgumentsFollowTheProgramsNameAndItsBlanks) {
  const std::vector<std::pair<std::wstring, std::wstring>> cases = {
      {L"quillmere.exe /pC:\\a.vbp /a", L"/pC:\\a.vbp /a"},
      {L"\"C:\\Program Files\\Quillmere\\quillmere.exe\"  \"C:\\My Work\\a.vbp\" ", L"\"C:\\My Work\\a.vbp\" "},
      {L"\"C:\\x y\\q.exe\"/pa.vbp", L"/pa.vbp"},
      {L"q.exe\t/a", L"/a"},
      {L"q.exe", L""},
      {L"\"unclosed /p", L""},
  };
  for (const auto& [whole, arguments] : cases) EXPECT_EQ(argumentsAfterProgramName(whole), arguments);
}

}  // namespace
}  // namespace qm::windows
