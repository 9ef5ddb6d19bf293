// A deterministic generator of synthetic VB6 projects for the benchmarks:
// forms, modules and classes with a realistic mix of headers (some continued),
// declarations, comments, statements, existing error handlers and ignore tags.
// The same arguments always give the same bytes.
#pragma once

#include <cstdint>
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

}  // namespace qm::bench
