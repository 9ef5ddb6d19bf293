#include "vardump/generated_code.h"

#include "engine/scanning.h"
#include "platform/product.h"
#include "platform/text.h"

namespace qm {

namespace {

void appendReportCall(std::string& out, std::string_view collector, std::string_view module,
                      std::string_view name) {
  out.append(collector);
  out.append(" = ");
  out.append(collector);
  out.append(" & sVariableReport(");
  if (!module.empty()) out.append(module).push_back('.');
  out.append(name);
  out.append(", \"");
  if (!module.empty()) out.append(module).push_back('.');
  out.append(name);
  out.append("\") & VBCrLf\r\n");
}

std::string buildVariableReportFunction() {
  std::string out;
  for (std::string_view line : {
           "Public Function sVariableReport(ByVal VariableValue, ByVal sVariableName As String)",
           "'Module reports on the value of a variable. If it is an unknown type or an array it",
           "'returns a string indicating this.",
           "'Requires:",
           "'VariableValue - value of the variable (no type specified)",
           "'sVariableName - string with the name of the variable",
           "'Returns:",
           "'sVariableReport - a string of the form sName = Ada Morrow",
       }) {
    appendLine(out, line);
  }
  appendLine(out, std::string("'Inserted by ") + std::string(kProductName) + ".  Visit " +
                      std::string(kMakerAddress) + " for more information");
  for (std::string_view line : {
           "",
           "If IsArray(VariableValue) = True Then",
           "    sVariableReport = sVariableName & \" is an array\"",
           "Else",
           "    'not an array",
           "    Select Case VarType(VariableValue)",
           "    Case vbInteger, vbLong, vbSingle, vbDouble, vbCurrency, vbDate, vbString, vbBoolean, vbVariant, "
           "vbDecimal, vbByte",
           "        'perfectly ok",
           "        sVariableReport = sVariableName & \" = \" & VariableValue",
           "    Case Else",
           "        'don't return",
           "        sVariableReport = sVariableName & \" is not a standard type\"",
           "    End Select",
           "End If",
           "",
           "End Function",
       }) {
    appendLine(out, line);
  }
  return out;
}

}  // namespace

void appendLocalReportLine(std::string& out, std::string_view name) {
  appendReportCall(out, "sLocalVariableDump", {}, name);
}

void appendModuleReportLine(std::string& out, std::string_view name) { appendReportCall(out, "sMessage", {}, name); }

void appendPublicReportLine(std::string& out, std::string_view module, std::string_view name) {
  appendReportCall(out, "sMessage", module, name);
}

std::string reportFunctionHead(std::string_view header, std::string_view level) {
  std::string out;
  appendLine(out, header);
  appendLine(out, "'Function to return all the values of the variables available");
  appendLine(out, std::string("'at ") + std::string(level) + " level.");
  appendLine(out, "'Requires:");
  appendLine(out, "'   Nothing");
  appendLine(out, "'Returns:");
  appendLine(out, "'   A string containing a list of variables and their values");
  appendLine(out, std::string("'Code Created by ") + std::string(kProductName) + " from " + std::string(kMakerName));
  appendLine(out, std::string("'Visit ") + std::string(kMakerAddress) + " for more information");
  appendLine(out, "");
  appendLine(out, "Dim sMessage as String");
  return out;
}

std::string_view variableReportFunction() {
  static const std::string text = buildVariableReportFunction();
  return text;
}

bool opensFunctionNamed(std::string_view trimmed, std::string_view name) {
  constexpr std::string_view kPublic = "public function ";
  constexpr std::string_view kPrivate = "private function ";
  std::string_view rest;
  if (startsWithNoCase(trimmed, kPublic)) {
    rest = trimSpaces(trimmed.substr(kPublic.size()));
  } else if (startsWithNoCase(trimmed, kPrivate)) {
    rest = trimSpaces(trimmed.substr(kPrivate.size()));
  } else {
    return false;
  }
  return startsWithNoCase(rest, name) && rest.size() > name.size() && rest[name.size()] == '(';
}

void skipRestOfFunction(LineReader& reader, HeaderForms forms) {
  std::string_view line;
  for (LineReader before = reader; reader.next(line); before = reader) {
    const std::string_view trimmed = trimSpaces(line);
    if (endKeyword(trimmed) == ProcedureKind::Function) return;
    if (isHeader(trimmed, forms)) {
      reader = before;  // that line opens the next procedure: leave it to the caller
      return;
    }
  }
}

}  // namespace qm
