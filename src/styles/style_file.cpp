#include "styles/style_file.h"

#include "platform/lines.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "styles/tags.h"

namespace qm {

namespace {

constexpr std::string_view kOnErrorHeader = "[ON ERROR]";
constexpr std::string_view kHandlerHeader = "[ERROR HANDLER]";
constexpr std::string_view kFilesHeader = "[FILES]";

enum class Section { OnError, Handler, Files };

bool mentionsVariableDump(std::string_view text) {
  return findNoCase(text, tagText(Tag::VariableDump)) != std::string_view::npos;
}

// A loaded text already ends in the line break that closes its last line;
// writing another would add an empty line on every save.
void appendText(std::string& out, std::string_view text) {
  if (text.empty()) return;
  if (endsWith(text, "\r\n")) {
    out.append(text);
  } else if (endsWith(text, "\n")) {
    out.append(text.substr(0, text.size() - 1));
    out.append("\r\n");
  } else {
    appendLine(out, text);
  }
}

}  // namespace

std::string normaliseStyleName(std::string_view name) {
  std::string out(name);
  if (!endsWith(name, kStyleExtension)) out.append(kStyleExtension);
  return out;
}

std::string stylePath(std::string_view programFolder, std::string_view styleName) {
  return joinPath(programFolder, styleName);
}

StyleLoad bLoadDetails(const FileSystem& files, std::string_view programFolder, std::string_view sFileName) {
  StyleLoad load;
  load.style.name = normaliseStyleName(sFileName);
  auto text = files.readFile(stylePath(programFolder, load.style.name));
  if (!text) return load;

  Section section = Section::OnError;
  LineReader reader(*text);
  std::string_view line;
  while (reader.next(line)) {
    if (line == kOnErrorHeader) {
      section = Section::OnError;
    } else if (line == kHandlerHeader) {
      section = Section::Handler;
    } else if (line == kFilesHeader) {
      section = Section::Files;
    } else if (section == Section::OnError) {
      appendLine(load.style.onErrorText, line);
    } else if (section == Section::Handler) {
      appendLine(load.style.handlerText, line);
    } else {
      load.style.files.emplace_back(line);
    }
  }
  load.mentionsVariableDump =
      mentionsVariableDump(load.style.onErrorText) || mentionsVariableDump(load.style.handlerText);
  load.ok = true;
  return load;
}

std::string styleFileText(const CodeStyle& style) {
  std::string out;
  appendLine(out, kOnErrorHeader);
  appendText(out, style.onErrorText);
  appendLine(out, kHandlerHeader);
  appendText(out, style.handlerText);
  appendLine(out, kFilesHeader);
  for (const std::string& file : style.files) appendLine(out, file);
  return out;
}

Status saveStyle(Workspace& workspace, const CodeStyle& style, std::string_view styleName) {
  return workspace.files.writeFile(stylePath(workspace.programFolder, styleName), styleFileText(style));
}

std::string defaultStyleText() {
  std::string out;
  appendLine(out, kOnErrorHeader);
  appendLine(out, "On Error GoTo ErrorHandler");
  appendLine(out, "Const sPROJECT as String = " + std::string(tagText(Tag::ProjectName)));
  appendLine(out, "Const sMODULE as String = " + std::string(tagText(Tag::ModuleName)));
  appendLine(out, "Const sPROCEDURE as String = " + std::string(tagText(Tag::ProcedureName)));
  appendLine(out, "Dim sErrorMessage As String");
  appendLine(out, kHandlerHeader);
  appendLine(out, tagText(Tag::ExitRoutine));
  appendLine(out, "ErrorHandler:");
  appendLine(out, "sErrorMessage = \"Error \" & Err.Number & vbCrLf");
  appendLine(out, "sErrorMessage = sErrorMessage & Err.Description & vbCrLf");
  appendLine(out, "sErrorMessage = sErrorMessage & \"Location: \" & sPROJECT & \": \"");
  appendLine(out, "sErrorMessage = sErrorMessage & sMODULE & \": \" & sPROCEDURE & vbCrLf ");
  appendLine(out, "Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, \"Error in \" & sPROJECT)");
  appendLine(out, "Case vbAbort");
  appendLine(out, "    End");
  appendLine(out, "Case vbRetry");
  appendLine(out, "    Resume");
  appendLine(out, "Case vbIgnore");
  appendLine(out, "    Resume Next");
  appendLine(out, "End Select");
  appendLine(out, kFilesHeader);
  return out;
}

Status writeDefaultStyle(Workspace& workspace) {
  const std::string path = stylePath(workspace.programFolder, kDefaultStyleName);
  if (workspace.files.exists(path)) return {};
  return workspace.files.writeFile(path, defaultStyleText());
}

std::string emptyStyleText() {
  std::string out;
  appendLine(out, kOnErrorHeader);
  appendLine(out, "");
  appendLine(out, kHandlerHeader);
  appendLine(out, "");
  appendLine(out, kFilesHeader);
  return out;
}

}  // namespace qm
