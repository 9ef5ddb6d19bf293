#include "project_generator.h"

#include <malloc.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace qm::bench {

namespace {

// A small linear congruential generator: fixed across platforms and library versions.
class Random {
 public:
  explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
  std::uint32_t next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }
  bool chance(int percent) { return below(100) < percent; }

 private:
  std::uint32_t state_;
};

void line(std::string& out, const std::string& text) {
  out += text;
  out += "\r\n";
}

const char* kTypes[] = {"Integer", "Long", "String", "Double", "Boolean", "Variant", "Currency", "Date"};

std::string moduleName(int index) {
  switch (index % 3) {
    case 0:
      return "modGen" + std::to_string(index);
    case 1:
      return "clsGen" + std::to_string(index);
    default:
      return "frmGen" + std::to_string(index);
  }
}

void writeHead(std::string& out, int index) {
  const std::string name = moduleName(index);
  if (index % 3 == 1) {
    line(out, "VERSION 1.0 CLASS");
    line(out, "BEGIN");
    line(out, "  MultiUse = -1  'True");
    line(out, "END");
  } else if (index % 3 == 2) {
    line(out, "VERSION 5.00");
    line(out, "Object = \"{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0\"; \"MSCOMCTL.OCX\"");
    line(out, "Begin VB.Form " + name);
    line(out, "   Caption         =   \"Generated\"");
    line(out, "   ClientHeight    =   3195");
    line(out, "End");
  }
  line(out, "Attribute VB_Name = \"" + name + "\"");
  line(out, "Option Explicit");
  line(out, "' Generated module " + std::to_string(index) + " \xE9t\xE9");
}

void writeProcedure(std::string& out, Random& random, int index, int number, int bodyLines) {
  const std::string name = "Proc" + std::to_string(index) + "_" + std::to_string(number);
  const int kind = random.below(10);
  std::string end = "End Sub";
  if (kind < 5) {
    line(out, (random.chance(50) ? "Private Sub " : "Public Sub ") + name + "(ByVal nCount As Long, sName As String)");
  } else if (kind < 8) {
    line(out, "Public Function " + name + "(ByVal a As Integer, _");
    line(out, "    ByVal b As Double) As Double");
    end = "End Function";
  } else {
    line(out, "Property Get " + name + "() As Long");
    end = "End Property";
  }
  line(out, "' " + name + " does generated work");
  const bool handled = random.chance(30);
  if (handled) line(out, "On Error GoTo Failed");
  for (int i = 0; i < bodyLines; ++i) {
    const int what = random.below(12);
    if (what < 3) {
      line(out, "    Dim v" + std::to_string(i) + " As " + kTypes[random.below(8)]);
    } else if (what == 3) {
      line(out, "    Dim a" + std::to_string(i) + " As Long, b" + std::to_string(i) + " As String");
    } else if (what == 4) {
      line(out, "    ' a comment about step " + std::to_string(i));
    } else if (what == 5) {
      line(out, "    sName = sName & \"x\" & _");
      line(out, "        CStr(nCount)");
      ++i;
    } else if (what == 6) {
      line(out, "    Select Case nCount");
      line(out, "    Case 1");
      line(out, "        nCount = nCount + 1");
      line(out, "    End Select");
      i += 3;
    } else if (what == 7) {
      line(out, "");
    } else {
      line(out, "    nCount = nCount * " + std::to_string(random.below(100)) + " + 1");
    }
  }
  if (handled) {
    line(out, "    Exit " + end.substr(4));
    line(out, "Failed:");
    line(out, "    MsgBox Err.Description");
  }
  line(out, end);
  line(out, "");
}

}  // namespace

std::size_t GeneratedProject::totalBytes() const {
  std::size_t total = 0;
  for (const auto& member : members) total += member.content.size();
  return total;
}

std::size_t GeneratedProject::totalLines() const {
  std::size_t total = 0;
  for (const auto& member : members) {
    for (char c : member.content) total += c == '\n';
  }
  return total;
}

std::string generateMember(int index, int lines, std::uint32_t seed) {
  Random random(seed + static_cast<std::uint32_t>(index) * 7919u);
  std::string out;
  out.reserve(static_cast<std::size_t>(lines) * 40);
  writeHead(out, index);
  line(out, "Private mTotal As Long");
  line(out, "Public gValue" + std::to_string(index) + " As String");
  int written = 10;
  int number = 0;
  while (written < lines) {
    const int body = 4 + random.below(30);
    if (random.chance(5)) line(out, "'<ignore>");
    writeProcedure(out, random, index, number++, body);
    written += body + 6;
  }
  return out;
}

GeneratedProject generateProject(int fileCount, int totalLines, std::uint32_t seed) {
  GeneratedProject project;
  std::string vbp = "Type=Exe\r\n";
  const int perFile = fileCount > 0 ? totalLines / fileCount : 0;
  for (int i = 0; i < fileCount; ++i) {
    const std::string name = moduleName(i);
    GeneratedFile file;
    switch (i % 3) {
      case 0:
        file.relativePath = name + ".bas";
        vbp += "Module=" + name + "; " + file.relativePath + "\r\n";
        break;
      case 1:
        file.relativePath = name + ".cls";
        vbp += "Class=" + name + "; " + file.relativePath + "\r\n";
        break;
      default:
        file.relativePath = "Forms\\" + name + ".frm";
        vbp += "Form=" + file.relativePath + "\r\n";
        break;
    }
    file.content = generateMember(i, perFile, seed);
    project.members.push_back(std::move(file));
  }
  vbp += "Name=\"Generated\"\r\nMajorVer=1\r\nMinorVer=0\r\nRevisionVer=0\r\n";
  project.projectFileText = vbp;
  return project;
}

void writeProject(const GeneratedProject& project, const std::string& folder) {
  namespace fs = std::filesystem;
  fs::create_directories(fs::path(folder) / "Forms");
  std::ofstream(fs::path(folder) / "Project.vbp", std::ios::binary) << project.projectFileText;
  for (const auto& member : project.members) {
    std::string relative = member.relativePath;
    for (char& c : relative)
      if (c == '\\') c = '/';
    std::ofstream(fs::path(folder) / relative, std::ios::binary) << member.content;
  }
}

ProjectOnDisk::ProjectOnDisk(const std::string& name, int fileCount, int totalLines)
    : project_(generateProject(fileCount, totalLines)),
      bytes_(project_.totalBytes()),
      lines_(project_.totalLines()),
      root_(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()))) {
  std::filesystem::remove_all(root_);
  std::filesystem::create_directories(root_ / "program");
  writeProject(project_, original().string());
}

ProjectOnDisk::~ProjectOnDisk() { std::filesystem::remove_all(root_); }

void ProjectOnDisk::dropContents() {
  project_ = GeneratedProject{};
  ::malloc_trim(0);
}

std::filesystem::path ProjectOnDisk::nextFolder(const std::string& prefix) {
  return root_ / (prefix + "-" + std::to_string(++copies_));
}

std::filesystem::path ProjectOnDisk::freshCopy(const std::string& prefix) {
  const std::filesystem::path folder = nextFolder(prefix);
  std::filesystem::copy(original(), folder, std::filesystem::copy_options::recursive);
  return folder;
}

}  // namespace qm::bench
