// The default style's two texts as a loaded "Simple.style" holds them, and
// the marker lines as they must appear in rewritten files. Tests of every
// module compare against these, so they live in one place.
#pragma once

#include <string>

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

}  // namespace qm::testing
