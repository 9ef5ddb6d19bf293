// A deterministic generator of synthetic VB6 projects for the benchmarks:
// forms, modules and classes with a realistic mix of headers (some continued),
// declarations, comments, statements, existing error handlers and ignore tags.
// The same arguments always give the same bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qm::bench {

struct GeneratedFile {
  std::string relativePath;  // as the project file writes it
  std::string content;       // CR LF lines
};

struct GeneratedProject {
  std::string projectFileText;
  std::vector<GeneratedFile> members;
  std::size_t totalBytes() const;
  std::size_t totalLines() const;
};

// About `totalLines` lines spread over `fileCount` members.
GeneratedProject generateProject(int fileCount, int totalLines, std::uint32_t seed = 1);

// One member's text of about `lines` lines.
std::string generateMember(int index, int lines, std::uint32_t seed);

// Writes the project (Project.vbp and its members) into `folder`.
void writeProject(const GeneratedProject& project, const std::string& folder);

// A generated project written once into "original" under a fresh temporary
// folder of its own, which goes with it. Every copy goes into a new folder
// beside it and nothing is deleted until the end: a file system that has
// just freed thousands of files can be slow to hand out new ones (ext4
// without a journal searches past recently freed inodes), which would charge
// the clean-up to whichever side creates more files.
class ProjectOnDisk {
 public:
  ProjectOnDisk(const std::string& name, int fileCount, int totalLines);
  ~ProjectOnDisk();
  ProjectOnDisk(const ProjectOnDisk&) = delete;
  ProjectOnDisk& operator=(const ProjectOnDisk&) = delete;

  const GeneratedProject& project() const { return project_; }
  std::size_t totalBytes() const { return bytes_; }
  std::size_t totalLines() const { return lines_; }
  // Gives the members' texts back to the system, for a bench that only
  // needs the files on disk: a child process started by fork counts the
  // pages it inherits from this one in its peak memory.
  void dropContents();
  const std::filesystem::path& root() const { return root_; }
  std::filesystem::path original() const { return root_ / "original"; }
  // The next folder name for a copy ("<prefix>-1", "<prefix>-2", ...) and a copy of the original in it.
  std::filesystem::path nextFolder(const std::string& prefix);
  std::filesystem::path freshCopy(const std::string& prefix);

 private:
  GeneratedProject project_;
  std::size_t bytes_ = 0;
  std::size_t lines_ = 0;
  std::filesystem::path root_;
  int copies_ = 0;
};

}  // namespace qm::bench
