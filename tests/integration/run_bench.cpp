#include "integration/run_bench.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "integration/source_reading.h"
#include "platform/text.h"
#include "settings/command_line.h"
#include "support/default_style_texts.h"

namespace fs = std::filesystem;

namespace qm::testing {

RunBench::RunBench(const std::string& sourceFolder, const std::string& projectInside)
    : workspace{disk, root.path() + "program/", root.path() + "work/"} {
  root.makeFolder("program");
  root.makeFolder("work");
  root.makeFolder("projects");
  const fs::path source = fs::weakly_canonical(fs::path(sourceFolder));
  const std::string copy = root.file("projects/" + source.filename().string());
  fs::copy(source, copy, fs::copy_options::recursive);
  // A read-only source (the corpus is one) must still give a copy the run may rewrite.
  fs::permissions(copy, fs::perms::owner_write, fs::perm_options::add);
  for (const auto& entry : fs::recursive_directory_iterator(copy)) {
    fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add);
  }
  projectFile = (fs::path(copy) / fs::path(projectInside)).string();
  std::replace(projectFile.begin(), projectFile.end(), '\\', '/');
  projectFolder = fs::path(projectFile).parent_path().string() + "/";
}

std::unique_ptr<RunBench> RunBench::example() {
  return std::make_unique<RunBench>(exampleFolder() + "..", "Billing/Billing.vbp");
}

StartUpOutcome RunBench::run(const std::vector<std::string>& switches) {
  std::vector<std::string> words{"/p", projectFile};
  words.insert(words.end(), switches.begin(), switches.end());
  if (allProcedures) words.push_back("/x");
  wizard.reset();
  wizard = std::make_unique<Wizard>(WizardServices{workspace, settings, clock, launcher, dialogs, view, [] {}});
  return wizard->Form_Load(CommandLine::fromWords(words));
}

Wizard& RunBench::openWizard() {
  wizard.reset();
  wizard = std::make_unique<Wizard>(WizardServices{workspace, settings, clock, launcher, dialogs, view, [] {}});
  wizard->Form_Load(CommandLine::fromWords({}));
  return *wizard;
}

std::string RunBench::read(const std::string& nativePath) {
  std::ifstream in(nativePath, std::ios::binary);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

std::vector<std::string> RunBench::writeExtraFiles() const {
  std::vector<std::string> out;
  for (const char* name : kExtraFiles) {
    write("extras/" + std::string(name), read(std::string(QUILLMERE_SOURCE_DIR) + "/tests/data/integration/extras/" + name));
    out.push_back(path("extras/" + std::string(name)));
  }
  return out;
}

std::map<std::string, std::string> RunBench::memberTexts() const {
  NativeFileSystem native;
  std::map<std::string, std::string> out;
  for (const std::string& line : sourceLines(read(projectFile))) {
    const std::size_t equals = line.find('=');
    const std::string key = toLower(trimBlanks(line.substr(0, equals)));
    const bool designed = key == "usercontrol" || key == "propertypage" || key == "userdocument";
    if (key != "form" && key != "module" && key != "class" && !(allProcedures && designed)) continue;
    std::string listed = line.substr(equals + 1);
    if (key == "module" || key == "class") {
      const std::size_t semicolon = listed.find(';');
      if (semicolon == std::string::npos) continue;
      listed = std::string(trimBlanks(listed.substr(semicolon + 1)));
    }
    const std::string path = native.longName(projectFolder + listed);
    if (!path.empty()) out[path] = read(path);
  }
  return out;
}

std::map<std::string, std::string> RunBench::files() const {
  std::map<std::string, std::string> out;
  const fs::path base(root.path());
  for (const auto& entry : fs::recursive_directory_iterator(base)) {
    const std::string relative = fs::relative(entry.path(), base).generic_string();
    if (entry.is_regular_file() && !relative.starts_with("program/")) out[relative] = read(entry.path().string());
  }
  return out;
}

std::map<std::string, std::string> RunBench::projectFiles(bool withGlobalModule) const {
  std::map<std::string, std::string> out = files();
  std::erase_if(out, [withGlobalModule](const auto& file) {
    return !file.first.starts_with("projects/") || file.first.find("/Backup on ") != std::string::npos ||
           (!withGlobalModule && file.first.ends_with("/GlobalVariables.bas"));
  });
  return out;
}

std::vector<CorpusProject> corpusProjects() {
  const char* chosen = std::getenv("QUILLMERE_CORPUS");
  const std::string folder = chosen != nullptr && *chosen != '\0'
                                 ? std::string(chosen)
                                 : std::string(QUILLMERE_SOURCE_DIR) + "/../shared/corpus";
  std::vector<CorpusProject> out;
  std::error_code error;
  if (!fs::is_directory(folder, error)) return out;
  for (const auto& entry : fs::directory_iterator(fs::weakly_canonical(folder))) {
    if (!entry.is_directory()) continue;
    for (const auto& inner : fs::recursive_directory_iterator(entry.path())) {
      if (inner.is_regular_file() && toLower(inner.path().extension().string()) == ".vbp") {
        out.push_back({entry.path().string(), fs::relative(inner.path(), entry.path()).string()});
      }
    }
  }
  std::sort(out.begin(), out.end(), [](const CorpusProject& a, const CorpusProject& b) {
    return a.folder + "/" + a.projectInside < b.folder + "/" + b.projectInside;
  });
  return out;
}

std::string dumpStyleText(const std::vector<std::string>& files) {
  std::string handler = kDefaultHandler;
  handler.insert(handler.find("sErrorMessage = \"Error"), "<Variable_Dump>\r\n");
  handler.insert(handler.find("Select Case"), "sErrorMessage = sErrorMessage & sLocalVariableDump\r\n");
  std::string text = "[ON ERROR]\r\n" + kDefaultOnError +
                     "Dim sLocalVariableDump as String 'Used for variable dump\r\n[ERROR HANDLER]\r\n" + handler +
                     "[FILES]\r\n";
  for (const std::string& file : files) text += file + "\r\n";
  return text;
}

}  // namespace qm::testing
