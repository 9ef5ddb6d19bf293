// Shared fixtures of the engine tests: the default style's two texts as a
// loaded "Simple.style" holds them, the marker lines as they must appear in
// rewritten files, and a quick way to fill a ProcedureList without running
// the analysis.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "engine/procedure_list.h"
#include "engine/scanning.h"
#include "platform/lines.h"
#include "support/temp_folder.h"

namespace qm::testing {

inline const std::string kSS = "'SS****** Do Not Delete, required by Quillmere";
inline const std::string kSE = "'SE****** Do Not Delete, required by Quillmere";
inline const std::string kES = "'ES****** Do Not Delete, required by Quillmere";
inline const std::string kEE = "'EE****** Do Not Delete, required by Quillmere";

// Each line followed by CR LF, as the style loader keeps a section.
inline const std::string kDefaultOnError = crlf({
    "On Error GoTo ErrorHandler",
    "Const sPROJECT as String = <Project_Name>",
    "Const sMODULE as String = <Module_Name>",
    "Const sPROCEDURE as String = <Procedure_Name>",
    "Dim sErrorMessage As String",
});

inline const std::string kDefaultHandler = crlf({
    "<Exit_Routine>",
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
    "End Select",
});

using Lines = std::vector<std::string>;

// The lines of every part, in order, each followed by CR LF.
inline std::string join(std::initializer_list<Lines> parts) {
  std::string out;
  for (const Lines& part : parts) {
    for (const std::string& line : part) {
      out += line;
      out += "\r\n";
    }
  }
  return out;
}

// A readable name for a parameterised case.
inline std::string caseName(std::string name) {
  for (char& c : name) {
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) c = '_';
  }
  return name;
}

// Appends one record per line that opens a procedure (tested as read), in
// file order, all with the same line count and error-handling flag.
inline void recordEveryHeader(std::string_view text, ProcedureList& list, std::int16_t lineCount = 50,
                              bool hasErrorHandling = false) {
  for (std::string_view line : splitLines(text)) {
    if (isHeader(line)) list.append({std::string(line), hasErrorHandling, lineCount});
  }
}

}  // namespace qm::testing
