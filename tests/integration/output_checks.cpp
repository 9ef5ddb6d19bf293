#include "integration/output_checks.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "integration/source_reading.h"

namespace qm::testing {

namespace {

using Lines = std::vector<std::string>;

std::string lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::string at(std::size_t index, std::string_view line) {
  return "line " + std::to_string(index + 1) + " '" + std::string(line) + "'";
}

bool namedModuleFunction(const ProcedureSpan& span) { return lowered(span.name) == "smodulevariables"; }

// The spans of the user's own procedures: the module function a dump
// appends is the run's, not the user's.
std::vector<ProcedureSpan> userSpans(const Lines& lines) {
  std::vector<ProcedureSpan> out;
  for (const ProcedureSpan& span : procedureSpans(lines)) {
    if (!namedModuleFunction(span)) out.push_back(span);
  }
  return out;
}

std::optional<ProcedureSpan> spanHolding(const std::vector<ProcedureSpan>& spans, std::size_t index) {
  for (const ProcedureSpan& span : spans) {
    if (span.header <= index && index <= span.end) return span;
  }
  return std::nullopt;
}

int countMarkers(const Lines& lines, std::size_t first, std::size_t last, MarkerKind kind) {
  int count = 0;
  for (std::size_t i = first; i <= last && i < lines.size(); ++i) count += markerKind(lines[i]) == kind ? 1 : 0;
  return count;
}

bool isPlainName(std::string_view text) {
  if (text.empty() || std::isalpha(static_cast<unsigned char>(text.front())) == 0) return false;
  if (std::string_view("$%&!#@").find(text.back()) != std::string_view::npos) text.remove_suffix(1);
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; });
}

std::string withoutTypeCharacter(std::string_view name) {
  if (!name.empty() && std::string_view("$%&!#@").find(name.back()) != std::string_view::npos) {
    name.remove_suffix(1);
  }
  return std::string(name);
}

struct ReportCall {
  std::string expression;
  std::optional<std::string> label;  // nothing when the call is not of the generated shape
};

// The calls of sVariableReport on a line, its definition left out.
std::vector<ReportCall> reportCalls(std::string_view line) {
  static constexpr std::string_view kCall = "svariablereport(";
  std::vector<ReportCall> out;
  const std::string low = lowered(line);
  for (std::size_t at = low.find(kCall); at != std::string::npos; at = low.find(kCall, at + 1)) {
    if (at >= 9 && low.compare(at - 9, 9, "function ") == 0) continue;
    std::string_view rest = line.substr(at + kCall.size());
    ReportCall call;
    const std::size_t comma = rest.find(',');
    call.expression = std::string(trimmedText(rest.substr(0, comma)));
    if (comma != std::string_view::npos) {
      std::string_view label = trimmedText(rest.substr(comma + 1));
      const std::size_t close = label.find(')');
      if (close != std::string_view::npos) call.label = stringLiteralValue(trimmedText(label.substr(0, close)));
    }
    out.push_back(call);
  }
  return out;
}

// The lines with every generated report line blanked, so that a name only
// counts as existing where the user's own code mentions it.
Lines withoutReportLines(const Lines& lines) {
  Lines out = lines;
  for (std::string& line : out) {
    if (lowered(line).find("svariablereport(") != std::string::npos) line.clear();
  }
  return out;
}

// The lines outside every procedure (procedure lines blanked).
Lines moduleLevelLines(const Lines& lines) {
  Lines out = withoutReportLines(lines);
  for (const ProcedureSpan& span : procedureSpans(lines)) {
    for (std::size_t i = span.header; i <= span.end && i < out.size(); ++i) out[i].clear();
  }
  return out;
}

bool anyUserType(const std::vector<std::string>& types, const std::set<std::string>& userTypes) {
  return std::any_of(types.begin(), types.end(), [&](const std::string& t) { return userTypes.count(t) > 0; });
}

}  // namespace

Problems numberingProblems(std::string_view processed) {
  Problems out;
  const Lines lines = sourceLines(processed);
  std::vector<bool> inProcedure(lines.size(), false);
  for (const ProcedureSpan& span : procedureSpans(lines)) {
    for (std::size_t i = span.headerLast + 1; i < span.end && i < lines.size(); ++i) inProcedure[i] = true;
  }
  std::vector<bool> inBlock(lines.size(), false);
  for (const LineRange& block : typeAndEnumBlocks(lines)) {
    for (std::size_t i = block.first; i <= block.last; ++i) inBlock[i] = true;
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!lineNumberLength(lines[i])) continue;
    const std::string_view text = trimmedText(afterLineNumber(lines[i]));
    if (isDirectiveLine(text)) out.push_back("a numbered directive at " + at(i, lines[i]));
    if (isAttributeLine(text)) out.push_back("a numbered Attribute line at " + at(i, lines[i]));
    if (inBlock[i]) out.push_back("a numbered line inside a Type or Enum block at " + at(i, lines[i]));
    if (!inProcedure[i] && !inBlock[i]) out.push_back("a numbered line outside any procedure at " + at(i, lines[i]));
  }
  return out;
}

Problems attributeProblems(std::string_view original, std::string_view processed) {
  Problems out;
  const Lines before = sourceLines(original);
  const Lines after = sourceLines(processed);
  const std::vector<ProcedureSpan> was = userSpans(before);
  const std::vector<ProcedureSpan> now = userSpans(after);
  if (now.size() != was.size()) {
    out.push_back(std::to_string(was.size()) + " procedures before the run, " + std::to_string(now.size()) +
                  " after it");
    return out;
  }
  for (std::size_t p = 0; p < was.size(); ++p) {
    const ProcedureSpan& a = was[p];
    const ProcedureSpan& b = now[p];
    const std::size_t headerLines = a.headerLast - a.header + 1;
    if (b.headerLast - b.header + 1 != headerLines ||
        !std::equal(before.begin() + static_cast<long>(a.header), before.begin() + static_cast<long>(a.headerLast) + 1,
                    after.begin() + static_cast<long>(b.header))) {
      out.push_back("the header at " + at(a.header, before[a.header]) + " became " + at(b.header, after[b.header]));
      continue;
    }
    for (std::size_t k = 1; a.headerLast + k < before.size() && isAttributeLine(before[a.headerLast + k]); ++k) {
      const std::size_t where = b.headerLast + k;
      if (where >= after.size() || after[where] != before[a.headerLast + k]) {
        out.push_back("the Attribute line " + at(a.headerLast + k, before[a.headerLast + k]) +
                      " no longer stands directly under its header " + at(b.header, after[b.header]) + ": found " +
                      (where < after.size() ? at(where, after[where]) : std::string("the end of the file")));
        break;
      }
    }
  }
  return out;
}

Problems insertedBlockProblems(std::string_view original, std::string_view processed) {
  Problems out;
  const Lines before = sourceLines(original);
  const Lines after = sourceLines(processed);
  const std::vector<ProcedureSpan> spans = procedureSpans(after);

  for (std::size_t i = 0; i < after.size(); ++i) {
    const MarkerKind kind = markerKind(after[i]);
    if (kind == MarkerKind::SS) {
      // Back over comments, Attribute lines and earlier blocks to the header.
      std::size_t k = i;
      bool reached = false;
      while (k > 0) {
        --k;
        if (markerKind(after[k]) == MarkerKind::SE) {
          while (k > 0 && markerKind(after[k]) != MarkerKind::SS) --k;
          continue;
        }
        if (isCommentLine(after[k]) || isAttributeLine(after[k])) continue;
        reached = std::any_of(spans.begin(), spans.end(), [k](const ProcedureSpan& s) { return s.headerLast == k; });
        break;
      }
      if (!reached) out.push_back("an SS block that does not follow a procedure header at " + at(i, after[i]));
    }
    if (kind == MarkerKind::SS || kind == MarkerKind::ES) {
      const MarkerKind closing = kind == MarkerKind::SS ? MarkerKind::SE : MarkerKind::EE;
      std::size_t j = i + 1;
      while (j < after.size() && markerKind(after[j]) == MarkerKind::None && !procedureEndKind(after[j]) &&
             !procedureHeaderKind(after[j])) {
        ++j;
      }
      if (j >= after.size() || markerKind(after[j]) != closing) {
        out.push_back("a block that is not closed by its marker at " + at(i, after[i]));
      } else if (kind == MarkerKind::ES) {
        // Directly above the end line, or above the block a later run put beside it.
        std::size_t next = j + 1;
        while (next < after.size() && markerKind(after[next]) == MarkerKind::ES) {
          while (next < after.size() && markerKind(after[next]) != MarkerKind::EE) ++next;
          ++next;
        }
        if (next >= after.size() || !procedureEndKind(after[next])) {
          out.push_back("a handler block that does not stand directly above the end line at " + at(i, after[i]));
        }
      }
    }
  }

  const std::vector<ProcedureSpan> was = userSpans(before);
  const std::vector<ProcedureSpan> now = userSpans(after);
  for (std::size_t p = 0; p < was.size() && p < now.size(); ++p) {
    for (MarkerKind kind : {MarkerKind::SS, MarkerKind::ES}) {
      const int gained =
          countMarkers(after, now[p].header, now[p].end, kind) - countMarkers(before, was[p].header, was[p].end, kind);
      if (gained > 1) {
        out.push_back(std::to_string(gained) + (kind == MarkerKind::SS ? " SS" : " ES") +
                      " blocks were put into the procedure at " + at(now[p].header, after[now[p].header]));
      }
    }
  }
  return out;
}

Problems quotedHeaderProblems(std::string_view processed) {
  static constexpr std::string_view kConstant = "Const sPROCEDURE as String = ";
  Problems out;
  const Lines lines = sourceLines(processed);
  for (const ProcedureSpan& span : procedureSpans(lines)) {
    for (std::size_t i = span.headerLast + 1; i < span.end && i < lines.size(); ++i) {
      const std::string_view text = trimmedText(afterLineNumber(lines[i]));
      if (text.rfind(kConstant, 0) != 0) continue;
      const auto value = stringLiteralValue(text.substr(kConstant.size()));
      const std::string header = joinedHeaderText(lines, span);
      if (!value) {
        out.push_back("a quoted header whose quotes do not pair up at " + at(i, lines[i]));
      } else if (*value != header) {
        out.push_back("a quoted header that reads '" + *value + "' instead of '" + header + "' at " + at(i, lines[i]));
      }
    }
  }
  return out;
}

Problems exitBeforeHandlerProblems(std::string_view original, std::string_view processed) {
  Problems out;
  const Lines before = sourceLines(original);
  const Lines lines = sourceLines(processed);
  const std::vector<ProcedureSpan> was = userSpans(before);
  const std::vector<ProcedureSpan> now = userSpans(lines);
  for (std::size_t p = 0; p < now.size(); ++p) {
    const ProcedureSpan& span = now[p];
    const int earlier = p < was.size() ? countMarkers(before, was[p].header, was[p].end, MarkerKind::ES) : 0;
    if (countMarkers(lines, span.header, span.end, MarkerKind::ES) <= earlier || span.end >= lines.size()) continue;
    // This run's handler block is the one directly above the end line.
    std::size_t es = span.end;
    while (es > span.headerLast && markerKind(lines[es]) != MarkerKind::ES) --es;
    std::size_t label = es + 1;
    while (label < span.end && trimmedText(afterLineNumber(lines[label])) != "ErrorHandler:") ++label;
    if (label == span.end) {
      out.push_back("a handler block without its label at " + at(es, lines[es]));
      continue;
    }
    const std::string expected = "Exit " + span.kind;
    if (label == es + 1 || trimmedText(afterLineNumber(lines[label - 1])) != expected) {
      out.push_back("the handler at " + at(label, lines[label]) + " is not preceded by '" + expected + "': found " +
                    at(label - 1, lines[label - 1]));
    }
  }
  return out;
}

Problems variableReportProblems(const std::vector<ProcessedMember>& members, std::string_view globalModule) {
  Problems out;
  std::set<std::string> userTypes;
  std::set<std::string> formsAndModules;
  std::set<std::string> classes;
  for (const ProcessedMember& member : members) {
    for (const std::string& type : userTypeNames(sourceLines(member.text))) userTypes.insert(type);
    (member.kind == "Class" ? classes : formsAndModules).insert(lowered(member.vbName));
  }

  for (const ProcessedMember& member : members) {
    const Lines lines = sourceLines(member.text);
    const Lines own = withoutReportLines(lines);
    const Lines moduleLevel = moduleLevelLines(lines);
    const std::vector<ProcedureSpan> spans = procedureSpans(lines);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      for (const ReportCall& call : reportCalls(lines[i])) {
        const std::string where = member.name + " " + at(i, lines[i]);
        if (!call.label || *call.label != call.expression) {
          out.push_back("a report whose label is not its expression in " + where);
        }
        if (!isPlainName(call.expression)) {
          out.push_back("a report of '" + call.expression + "', which is not a plain name, in " + where);
          continue;
        }
        const std::string name = withoutTypeCharacter(call.expression);
        const auto span = spanHolding(spans, i);
        const bool local = span && !namedModuleFunction(*span);
        const Lines& scope = local ? own : moduleLevel;
        const std::size_t first = local ? span->header : 0;
        const std::size_t last = local ? span->end : lines.size() - 1;
        if (!mentionsWord(scope, first, last, name)) {
          out.push_back("a report of '" + name + "', which the " + (local ? "procedure" : "module") +
                        " does not have, in " + where);
        }
        if (anyUserType(declaredTypesOf(scope, first, last, name), userTypes)) {
          out.push_back("a report of '" + name + "', a variable of a user-defined type, in " + where);
        }
      }
    }
  }

  const Lines global = sourceLines(globalModule);
  for (std::size_t i = 0; i < global.size(); ++i) {
    for (const ReportCall& call : reportCalls(global[i])) {
      const std::string where = "GlobalVariables.bas " + at(i, global[i]);
      if (!call.label || *call.label != call.expression) {
        out.push_back("a report whose label is not its expression in " + where);
      }
      const std::size_t dot = call.expression.find('.');
      if (dot == std::string::npos || !isPlainName(call.expression.substr(0, dot)) ||
          !isPlainName(call.expression.substr(dot + 1))) {
        out.push_back("a report of '" + call.expression + "', which is not module.name, in " + where);
        continue;
      }
      const std::string module = lowered(call.expression.substr(0, dot));
      const std::string name = withoutTypeCharacter(call.expression.substr(dot + 1));
      if (classes.count(module) > 0) out.push_back("a report qualified by a class module in " + where);
      if (formsAndModules.count(module) == 0 || module.empty()) {
        out.push_back("a report qualified by '" + module + "', no form or module of the project, in " + where);
        continue;
      }
      for (const ProcessedMember& member : members) {
        if (lowered(member.vbName) != module || member.kind == "Class") continue;
        const Lines moduleLevel = moduleLevelLines(sourceLines(member.text));
        if (!mentionsWord(moduleLevel, 0, moduleLevel.size(), name)) {
          out.push_back("a report of '" + name + "', which " + member.name + " does not declare, in " + where);
        }
        if (anyUserType(declaredTypesOf(moduleLevel, 0, moduleLevel.size(), name), userTypes)) {
          out.push_back("a report of '" + name + "', a variable of a user-defined type, in " + where);
        }
      }
    }
  }
  return out;
}

}  // namespace qm::testing
