#include "integration/run_bench.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "integration/source_reading.h"
#include "settings/command_line.h"

namespace fs = std::filesystem;

namespace qm::testing {

namespace {

std::string lowered(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::string slashed(std::string text) {
  std::replace(text.begin(), text.end(), '\\', '/');
  return text;
}

std::string keyOf(std::string_view line) {
  const std::size_t equals = line.find('=');
  return equals == std::string_view::npos ? std::string() : lowered(std::string(trimmedText(line.substr(0, equals))));
}

}  // namespace

RunBench::RunBench(const std::string& sourceFolder, const std::string& projectInside)
    : workspace{disk, root.path() + "program/", root.path() + "work/"} {
  root.makeFolder("program");
  root.makeFolder("work");
  const fs::path source = fs::weakly_canonical(fs::path(sourceFolder));
  const std::string name = source.filename().string();
  root.makeFolder("projects");
  fs::copy(source, root.file("projects/" + name), fs::copy_options::recursive);
  copiedFolder = root.file("projects/" + name + "/");
  projectFile = copiedFolder + slashed(projectInside);
  projectFolder = fs::path(projectFile).parent_path().string() + "/";
}

std::unique_ptr<RunBench> RunBench::example() {
  return std::make_unique<RunBench>(exampleFolder() + "..", "Billing/Billing.vbp");
}

StartUpOutcome RunBench::run(const std::vector<std::string>& switches) {
  std::vector<std::string> words{"/p", projectFile};
  words.insert(words.end(), switches.begin(), switches.end());
  window.reset();
  window = std::make_unique<MainWindow>(MainWindowServices{workspace, settings, clock, launcher, dialogs, view, [] {}});
  return window->Form_Load(CommandLine::fromWords(words));
}

MainWindow& RunBench::openWizard() {
  window.reset();
  window = std::make_unique<MainWindow>(MainWindowServices{workspace, settings, clock, launcher, dialogs, view, [] {}});
  window->Form_Load(CommandLine::fromWords({}));
  return *window;
}

const std::string& RunBench::summary() const { return window->page4.txtSummary.text; }

void RunBench::writeStyle(std::string_view fileName, std::string_view text) const {
  root.write("program/" + std::string(fileName), text);
}

std::vector<ProjectMember> RunBench::members() const {
  NativeFileSystem native;
  std::vector<ProjectMember> out;
  for (const std::string& line : sourceLines(read(projectFile))) {
    const std::string key = keyOf(line);
    ProjectMember member;
    const std::string value(line.substr(line.find('=') + 1));
    if (key == "form") {
      member.kind = "Form";
      member.listed = value;
    } else if (key == "module" || key == "class") {
      member.kind = key == "module" ? "Module" : "Class";
      const std::size_t semicolon = value.find(';');
      if (semicolon == std::string::npos) continue;
      member.listed = std::string(trimmedText(value.substr(semicolon + 1)));
    } else {
      continue;
    }
    member.path = native.longName(projectFolder + member.listed);
    member.name = fs::path(slashed(member.listed)).filename().string();
    if (!member.path.empty()) member.vbName = vbNameOf(read(member.path));
    out.push_back(member);
  }
  return out;
}

std::map<std::string, std::string> RunBench::files() const {
  std::map<std::string, std::string> out;
  const fs::path base(root.path());
  for (const auto& entry : fs::recursive_directory_iterator(base)) {
    if (!entry.is_regular_file()) continue;
    const std::string relative = fs::relative(entry.path(), base).generic_string();
    if (relative.rfind("program/", 0) == 0) continue;
    out[relative] = read(entry.path().string());
  }
  return out;
}

std::string RunBench::readNative(const std::string& nativePath) {
  std::ifstream in(nativePath, std::ios::binary);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

std::optional<std::string> corpusFolder() {
  const char* chosen = std::getenv("QUILLMERE_CORPUS");
  const std::string folder = chosen != nullptr && *chosen != '\0'
                                 ? std::string(chosen)
                                 : std::string(QUILLMERE_SOURCE_DIR) + "/../shared/corpus";
  std::error_code error;
  if (!fs::is_directory(folder, error)) return std::nullopt;
  return fs::weakly_canonical(folder).string();
}

std::vector<CorpusProject> corpusProjects(const std::string& corpus) {
  std::vector<CorpusProject> out;
  for (const auto& entry : fs::directory_iterator(corpus)) {
    if (!entry.is_directory()) continue;
    for (const auto& inner : fs::recursive_directory_iterator(entry.path())) {
      if (!inner.is_regular_file() || lowered(inner.path().extension().string()) != ".vbp") continue;
      out.push_back({entry.path().string(), fs::relative(inner.path(), entry.path()).string()});
    }
  }
  std::sort(out.begin(), out.end(), [](const CorpusProject& a, const CorpusProject& b) {
    return a.folder + "/" + a.projectInside < b.folder + "/" + b.projectInside;
  });
  return out;
}

std::string styleText(const std::vector<std::string>& onError, const std::vector<std::string>& handler,
                      const std::vector<std::string>& files) {
  std::string text = "[ON ERROR]\r\n";
  for (const std::string& line : onError) text += line + "\r\n";
  text += "[ERROR HANDLER]\r\n";
  for (const std::string& line : handler) text += line + "\r\n";
  text += "[FILES]\r\n";
  for (const std::string& line : files) text += line + "\r\n";
  return text;
}

std::vector<std::string> defaultOnErrorLines() {
  return {"On Error GoTo ErrorHandler", "Const sPROJECT as String = <Project_Name>",
          "Const sMODULE as String = <Module_Name>", "Const sPROCEDURE as String = <Procedure_Name>",
          "Dim sErrorMessage As String"};
}

std::vector<std::string> defaultHandlerLines() {
  return {"<Exit_Routine>",
          "ErrorHandler:",
          "sErrorMessage = \"Error \" & Err.Number & vbCrLf",
          "sErrorMessage = sErrorMessage & Err.Description & vbCrLf",
          "sErrorMessage = sErrorMessage & \"Location: \" & sPROJECT & \": \"",
          "sErrorMessage = sErrorMessage & sMODULE & \": \" & sPROCEDURE & vbCrLf ",
          "Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, \"Error in \" & sPROJECT)",
          "Case vbAbort",
          "    End",
          "Case vbRetry",
          "    Resume",
          "Case vbIgnore",
          "    Resume Next",
          "End Select"};
}

std::string dumpStyleText(const std::vector<std::string>& files) {
  std::vector<std::string> onError = defaultOnErrorLines();
  onError.push_back("Dim sLocalVariableDump as String 'Used for variable dump");
  std::vector<std::string> handler = defaultHandlerLines();
  handler.insert(handler.begin() + 2, "<Variable_Dump>");
  handler.insert(handler.begin() + 7, "sErrorMessage = sErrorMessage & sLocalVariableDump");
  return styleText(onError, handler, files);
}

std::vector<std::string> projectMemberLines(std::string_view projectText) {
  static const std::vector<std::string> memberKeys = {"form",         "module",       "class",    "usercontrol",
                                                      "userdocument", "propertypage", "designer", "relateddoc",
                                                      "object",       "reference"};
  std::vector<std::string> out;
  for (const std::string& line : sourceLines(projectText)) {
    if (std::find(memberKeys.begin(), memberKeys.end(), keyOf(line)) != memberKeys.end()) out.push_back(line);
  }
  return out;
}

}  // namespace qm::testing
