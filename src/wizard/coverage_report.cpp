// Member records for tools, their JSON, and the coverage gate.
#include "wizard/coverage_report.h"

#include "engine/analysis.h"
#include "platform/lines.h"
#include "platform/paths.h"
#include "project/project_file.h"

namespace qm {

namespace {

// The length of the well-formed UTF-8 sequence that starts `text`, or 0 when
// it is none: no overlong form, no surrogate, nothing past U+10FFFF, so that
// a strict JSON reader takes every text the report writes.
std::size_t utf8Length(std::string_view text) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  }
  if (length == 0 || text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
  }
  return length;
}

void appendHex4(std::string& out, unsigned value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  out += "\\u00";
  out += kDigits[(value >> 4) & 0xF];
  out += kDigits[value & 0xF];
}

std::string jsonString(std::string_view text) {
  std::string out(1, '"');
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x80) {
      const std::size_t length = utf8Length(text.substr(i));
      if (length == 0) {
        appendHex4(out, byte);
        ++i;
      } else {
        out += text.substr(i, length);
        i += length;
      }
      continue;
    }
    if (byte == '"' || byte == '\\') {
      out += '\\';
      out += static_cast<char>(byte);
    } else if (byte < 0x20 || byte == 0x7F) {
      appendHex4(out, byte);
    } else {
      out += static_cast<char>(byte);
    }
    ++i;
  }
  out += '"';
  return out;
}

}  // namespace

Result<ProjectCoverage> analyseProjectCoverage(const FileSystem& files, std::string_view projectFile,
                                               bool allProcedures) {
  if (std::string problem = projectLoadProblem(files, projectFile); !problem.empty()) {
    return Status::failure(std::move(problem));
  }
  ProjectCoverage out;
  out.projectFile = sGetLongFileName(files, projectFile);
  const ProjectDetails details = LoadProjectDetails(files, out.projectFile, memberKindsFor(allProcedures));
  out.name = details.name;
  LineReader reader(details.detailsText);
  std::string_view line;
  while (reader.next(line)) out.details.emplace_back(line);
  const std::string folder(folderOf(out.projectFile));
  ProcedureList procedures;
  AnalysisNotes notes;
  for (const std::string& member : details.members) {
    const ProcedureCounts counts = AnalyseFile(files, folder + member, procedures, notes, headerFormsFor(allProcedures));
    out.members.push_back({member, counts.procedures, counts.handled, coveragePercent(counts), counts.procedures >= 0});
  }
  return out;
}

std::string coverageJson(const ProjectCoverage& coverage) {
  std::string out = "{\"project\": " + jsonString(coverage.projectFile);
  out += ", \"name\": " + jsonString(coverage.name);
  out += ", \"details\": [";
  for (std::size_t i = 0; i < coverage.details.size(); ++i) {
    if (i > 0) out += ", ";
    out += jsonString(coverage.details[i]);
  }
  out += "],\n \"members\": [";
  for (std::size_t i = 0; i < coverage.members.size(); ++i) {
    const MemberCoverage& member = coverage.members[i];
    out += i > 0 ? ",\n  " : "\n  ";
    out += "{\"path\": " + jsonString(member.path);
    out += ", \"procedures\": " + std::to_string(member.procedures);
    out += ", \"handled\": " + std::to_string(member.handled);
    out += ", \"coverage\": " + std::to_string(member.coverage);
    out += std::string(", \"found\": ") + (member.found ? "true" : "false") + "}";
  }
  out += "]}\n";
  return out;
}

std::vector<MemberCoverage> membersBelow(const ProjectCoverage& coverage, int minimum) {
  std::vector<MemberCoverage> out;
  for (const MemberCoverage& member : coverage.members) {
    if (member.procedures > 0 && member.coverage < minimum) out.push_back(member);
  }
  return out;
}

}  // namespace qm
