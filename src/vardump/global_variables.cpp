#include "vardump/global_variables.h"

#include "engine/scanning.h"
#include "platform/lines.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "vardump/generated_code.h"

namespace qm {

namespace {

bool opensGeneratedFunction(std::string_view trimmed) {
  return opensFunctionNamed(trimmed, "sGlobalVariables") || opensFunctionNamed(trimmed, "sVariableReport");
}

void skipEmptyLines(LineReader& reader) {
  std::string_view line;
  for (LineReader before = reader; reader.next(line); before = reader) {
    if (!trimSpaces(line).empty()) {
      reader = before;
      return;
    }
  }
}

// The earlier file without its generated functions (and the empty lines that
// followed each of them); every other line as it was.
std::string withoutGeneratedFunctions(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  LineReader reader(text);
  std::string_view line;
  while (reader.next(line)) {
    if (opensGeneratedFunction(trimSpaces(line))) {
      skipRestOfFunction(reader);
      skipEmptyLines(reader);
      continue;
    }
    appendLine(kept, line);
  }
  return kept;
}

bool namesItsModule(std::string_view text) {
  LineReader reader(text);
  std::string_view line;
  while (reader.next(line)) {
    if (vbNameAttribute(line)) return true;
  }
  return false;
}

bool endsWithEmptyLine(std::string_view text) { return text.empty() || endsWith(text, "\r\n\r\n") || text == "\r\n"; }

void appendGlobalVariablesFunction(std::string& out, const DumpState& state) {
  out.append(reportFunctionHead(kGlobalFunctionHeader, "global"));
  out.append("\r\n\r\n");
  out.append(state.globalLines);
  if (state.globalCount == 0) out.append(kNoGlobalVariables);
  out.append("\r\n\r\n'Return the module dump string\r\nsGlobalVariables = sMessage\r\nEnd Function");
  out.append("\r\n");
}

bool listedByExactName(const FileSystem& files, std::string_view folder) {
  for (const auto& entry : files.list(folder, kGlobalVariablesFileName)) {
    if (entry.name == kGlobalVariablesFileName) return true;
  }
  return false;
}

}  // namespace

std::string globalVariablesModuleText(const DumpState& state, const std::optional<std::string>& earlierText,
                                      bool existsByExactName) {
  const std::string kept = earlierText ? withoutGeneratedFunctions(*earlierText) : std::string();
  std::string out;
  out.reserve(kept.size() + state.globalLines.size() + 2048);
  // A second attribute line would break the module, so a file that already
  // names itself gets none, whatever its name's case.
  if (!existsByExactName && !namesItsModule(kept)) {
    appendLine(out, "Attribute VB_Name = \"GlobalVariables\"");
    appendLine(out, "Option Explicit");
    appendLine(out, "");
  }
  out.append(kept);
  if (!endsWithEmptyLine(kept)) appendLine(out, "");
  appendGlobalVariablesFunction(out, state);
  appendLine(out, "");
  out.append(variableReportFunction());
  return out;
}

Result<std::string> writeGlobalVariablesModule(Workspace& ws, std::string_view folder, const DumpState& state) {
  const std::string path = joinPath(folder, kGlobalVariablesFileName);
  std::optional<std::string> earlier;
  if (ws.files.isFile(path)) {
    auto read = ws.files.readFile(path);
    if (!read) return read.status();
    earlier = std::move(*read);
  }
  const std::string text = globalVariablesModuleText(state, earlier, listedByExactName(ws.files, folder));
  if (Status written = ws.files.writeFile(path, text); !written) return written;
  return path;
}

}  // namespace qm
