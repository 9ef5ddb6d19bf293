#include "project/project_file.h"

#include <iterator>
#include <limits>
#include <unordered_set>

#include "engine/scanning.h"
#include "platform/lines.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace qm {

namespace {

constexpr int kMaxCount = std::numeric_limits<std::int16_t>::max();

// The text from a 0-based position on; "" past the end, as Mid$ answers.
std::string_view from(std::string_view line, std::size_t position) {
  return position < line.size() ? line.substr(position) : std::string_view();
}

std::string_view lastChars(std::string_view text, std::size_t count) {
  return text.size() <= count ? text : text.substr(text.size() - count);
}

// The members that are listed only with all member kinds: "UserControl="
// and the path, and so on. The key is compared whole, without regard to case.
struct DesignedKind {
  std::string_view key;
  std::string_view plural;  // as the details text counts them
};
constexpr DesignedKind kDesignedKinds[] = {
    {"usercontrol=", "user controls"}, {"propertypage=", "property pages"}, {"userdocument=", "user documents"}};
constexpr std::size_t kDesignedKindCount = std::size(kDesignedKinds);

class ProjectReader {
 public:
  ProjectReader(std::string_view projectFile, MemberKinds kinds) : projectFile_(projectFile), kinds_(kinds) {}

  // False (with `failure` set) on a line that Visual Basic would not have written.
  bool take(std::string_view line, ProjectDetails& details) {
    ++lineNumber_;
    const std::string key = toLower(line.substr(0, 5));
    if (key == "form=") {
      if (!countOne(forms_, "forms", details)) return false;
      details.members.emplace_back(from(line, 5));
    } else if (key == "modul" || key == "class") {
      const bool isClass = key == "class";
      if (!countOne(isClass ? classes_ : modules_, isClass ? "classes" : "modules", details)) return false;
      const std::size_t semicolon = line.find(';');
      if (semicolon == std::string_view::npos) return failAtLine("a Module= or Class= line without \";\"", details);
      details.members.emplace_back(from(line, semicolon + 2));
    } else if (key == "type=") {
      type_ = from(line, 5);
    } else if (key == "name=") {
      if (line.size() < 7) return failAtLine("a Name= line too short to hold a quoted name", details);
      name_ = line.substr(6, line.size() - 7);
    } else if (key == "major") {
      major_ = from(line, 9);
    } else if (key == "minor") {
      minor_ = from(line, 9);
    } else if (key == "revis") {
      revision_ = from(line, 12);
    } else if (kinds_ == MemberKinds::All) {
      return takeDesignedMember(line, details);
    }
    return true;
  }

  bool finish(ProjectDetails& details) {
    int members = forms_ + modules_ + classes_;
    for (const int count : designed_) members += count;
    if (members > kMaxCount) return fail("it lists more than 32767 members", details);
    std::string text;
    appendLine(text, "Project Name: " + name_);
    appendLine(text, "Project Type: " + type_);
    appendLine(text, "Project Version: " + major_ + "." + minor_ + "." + revision_);
    appendLine(text, "Number of modules: " + decimal(modules_));
    appendLine(text, "Number of classes: " + decimal(classes_));
    appendLine(text, "Number of forms: " + decimal(forms_));
    if (kinds_ == MemberKinds::All) {
      for (std::size_t i = 0; i < kDesignedKindCount; ++i) {
        appendLine(text, "Number of " + std::string(kDesignedKinds[i].plural) + ": " + decimal(designed_[i]));
      }
    }
    details.detailsText = std::move(text);
    details.isExe = toLower(type_) == "exe";
    details.fileCount = static_cast<std::int16_t>(members);
    details.name = name_;
    details.loaded = true;
    return true;
  }

 private:
  bool takeDesignedMember(std::string_view line, ProjectDetails& details) {
    for (std::size_t i = 0; i < kDesignedKindCount; ++i) {
      const std::string_view key = kDesignedKinds[i].key;
      if (!startsWithNoCase(line, key)) continue;
      if (!countOne(designed_[i], kDesignedKinds[i].plural, details)) return false;
      details.members.emplace_back(from(line, key.size()));
      return true;
    }
    return true;
  }

  bool countOne(int& counter, std::string_view what, ProjectDetails& details) {
    if (counter == kMaxCount) return fail("it lists more than 32767 " + std::string(what), details);
    ++counter;
    return true;
  }

  bool fail(std::string_view why, ProjectDetails& details) const {
    details.failure = "Cannot read the project file '" + std::string(projectFile_) + "': " + std::string(why);
    return false;
  }

  bool failAtLine(std::string_view why, ProjectDetails& details) const {
    return fail("line " + decimal(lineNumber_) + " is " + std::string(why), details);
  }

  std::string_view projectFile_;
  MemberKinds kinds_;
  int lineNumber_ = 0;
  int forms_ = 0, modules_ = 0, classes_ = 0;
  int designed_[kDesignedKindCount] = {};
  std::string name_, type_, major_, minor_, revision_;
};

struct MemberFacts {
  std::string vbName;
  std::vector<std::string> references;  // control libraries, as a project file writes them
};

MemberFacts readMemberFacts(std::string_view text) {
  MemberFacts facts;
  LineReader reader(text);
  std::string_view line;
  while (reader.next(line)) {
    if (auto name = vbNameAttribute(line)) {
      facts.vbName = std::move(*name);
    } else if (startsWithNoCase(line, "object = ")) {
      facts.references.push_back(unquotedValue(line.substr(8)));
    }
  }
  return facts;
}

std::string memberLine(std::string_view extension, std::string_view vbName, std::string_view fileName) {
  const std::string file(fileName);
  if (extension == "cls") return "Class=" + std::string(vbName) + "; " + file;
  if (extension == "bas") return "Module=" + std::string(vbName) + "; " + file;
  if (extension == "frm") return "Form=" + file;
  if (extension == "txt") return "RelatedDoc=" + file;
  return {};
}

std::string listedName(const FileSystem& files, std::string_view path) {
  if (auto entry = files.lookUp(path)) return entry->name;
  return std::string(bareName(path));
}

// The lines to put first: those the project does not hold yet. The empty
// member line of an unknown extension stays in front of new references, as
// the project file has always been laid out; it alone is no reason to write.
std::vector<std::string> newLines(const std::vector<std::string>& wanted, std::string_view projectText) {
  std::unordered_set<std::string> held;
  for (std::string_view line : splitLines(projectText)) held.insert(toLower(line));
  std::vector<std::string> out;
  bool anyNew = false;
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    const std::string& line = wanted[i];
    if (line.empty()) {
      if (i == 0) out.push_back(line);
      continue;
    }
    if (!held.insert(toLower(line)).second) continue;
    out.push_back(line);
    anyNew = true;
  }
  if (!anyNew) out.clear();
  return out;
}

}  // namespace

ProjectDetails LoadProjectDetails(const FileSystem& files, std::string_view projectFile, MemberKinds kinds) {
  ProjectDetails details;
  auto text = files.readFile(projectFile);
  if (!text) {
    details.failure = text.message();
    return details;
  }
  ProjectReader reader(projectFile, kinds);
  LineReader lines(*text);
  std::string_view line;
  while (lines.next(line)) {
    if (!reader.take(line, details)) return details;
  }
  reader.finish(details);
  return details;
}

std::string sGetLongFileName(const FileSystem& files, std::string_view path) {
  if (path.empty()) return {};
  return files.longName(path);
}

std::string memberVbName(std::string_view fileText) { return readMemberFacts(fileText).vbName; }

Status AddFileToProject(Workspace& workspace, std::string_view projectFile, std::string_view memberFile) {
  FileSystem& files = workspace.files;
  const std::string extension = toLower(lastChars(memberFile, 3));
  MemberFacts facts;
  if (extension == "txt") {
    facts.vbName = std::string(memberFile);
  } else {
    auto text = files.readFile(memberFile);
    if (!text) return text.status();
    facts = readMemberFacts(*text);
  }
  if (facts.vbName.empty()) return {};

  std::vector<std::string> wanted{memberLine(extension, facts.vbName, listedName(files, memberFile))};
  for (const std::string& reference : facts.references) wanted.push_back("Object=" + reference);

  auto project = files.readFile(projectFile);
  if (!project) return project.status();
  const std::vector<std::string> lines = newLines(wanted, *project);
  if (lines.empty()) return {};

  std::string content;
  content.reserve(project->size() + 256);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) content.append("\r\n");
    content.append(lines[i]);
  }
  content.append("\r\n");
  LineReader reader(*project);
  std::string_view line;
  while (reader.next(line)) appendLine(content, line);
  // One atomic replacement, beside the project file under a fresh name, so
  // no fixed-name scratch file can ever be shared with another run.
  return files.writeFile(projectFile, content);
}

std::string projectLoadProblem(const FileSystem& files, std::string_view projectFile) {
  const std::string longName = sGetLongFileName(files, projectFile);
  if (longName.empty()) return "Cannot find the project file '" + std::string(projectFile) + "'";
  const ProjectDetails details = LoadProjectDetails(files, longName);
  if (!details.loaded) return details.failure;
  if (details.name.empty()) return "The project file '" + longName + "' has no Name= line, so it cannot be used";
  return {};
}

}  // namespace qm
