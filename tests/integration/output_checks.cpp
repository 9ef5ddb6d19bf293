#include "integration/output_checks.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <set>

#include "integration/source_reading.h"

namespace qm::testing {

namespace {

std::string at(std::size_t index, std::string_view line) {
  return "line " + std::to_string(index + 1) + " '" + std::string(line) + "'";
}

bool isModuleFunction(const ProcedureSpan& span) { return lowered(span.name) == "smodulevariables"; }

// The user's own procedures: the module function a dump appends is the run's.
std::vector<ProcedureSpan> userSpans(const Lines& lines) {
  std::vector<ProcedureSpan> out = procedureSpans(lines);
  std::erase_if(out, isModuleFunction);
  return out;
}

int countMarkers(const Lines& lines, const ProcedureSpan& span, MarkerKind kind) {
  int count = 0;
  for (std::size_t i = span.header; i <= span.end && i < lines.size(); ++i) count += markerKind(lines[i]) == kind;
  return count;
}

std::string withoutTypeCharacter(std::string_view name) {
  if (!name.empty() && std::string_view("$%&!#@").find(name.back()) != std::string_view::npos) name.remove_suffix(1);
  return std::string(name);
}

bool isPlainName(std::string_view text) {
  const std::string name = withoutTypeCharacter(text);
  return !name.empty() && std::isalpha(static_cast<unsigned char>(name.front())) != 0 &&
         std::all_of(name.begin(), name.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; });
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
    const std::string_view rest = line.substr(at + kCall.size());
    const std::size_t comma = rest.find(',');
    ReportCall call{std::string(trimmedText(rest.substr(0, comma))), std::nullopt};
    if (comma != std::string_view::npos) {
      const std::string_view label = trimmedText(rest.substr(comma + 1));
      const std::size_t close = label.find(')');
      if (close != std::string_view::npos) call.label = stringLiteralValue(trimmedText(label.substr(0, close)));
    }
    out.push_back(call);
  }
  return out;
}

// The lines with every report line blanked, so that a name only counts as
// existing where the user's own code mentions it; with `moduleLevel`, the
// procedures' lines blanked too.
Lines ownLines(const Lines& lines, bool moduleLevel) {
  Lines out = lines;
  for (std::string& line : out) {
    if (lowered(line).find("svariablereport(") != std::string::npos) line.clear();
  }
  if (moduleLevel) {
    for (const ProcedureSpan& span : procedureSpans(lines)) {
      for (std::size_t i = span.header; i <= span.end && i < out.size(); ++i) out[i].clear();
    }
  }
  return out;
}

// The problems of a reported `name` that `scope` (lines first to last) must declare.
void checkReported(const std::string& name, const Lines& scope, std::size_t first, std::size_t last,
                   const std::set<std::string>& userTypes, const std::string& where, Problems& out) {
  if (!mentionsWord(scope, first, last, name)) out.push_back("a report of '" + name + "', not declared, in " + where);
  for (const std::string& type : declaredTypesOf(scope, first, last, name)) {
    if (userTypes.count(type) > 0) {
      out.push_back("a report of '" + name + "', a variable of a user-defined type, in " + where);
      break;
    }
  }
}

}  // namespace

Problems numberingProblems(std::string_view processed) {
  Problems out;
  const Lines lines = sourceLines(processed);
  std::vector<bool> inProcedure(lines.size(), false);
  for (const ProcedureSpan& span : procedureSpans(lines)) {
    for (std::size_t i = span.headerLast + 1; i < span.end; ++i) inProcedure[i] = true;
  }
  const std::vector<bool> inBlock = typeAndEnumLines(lines);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!lineNumberLength(lines[i])) continue;
    const std::string_view text = statementText(lines[i]);
    if (isDirectiveLine(text)) out.push_back("a numbered directive at " + at(i, lines[i]));
    if (isAttributeLine(text)) out.push_back("a numbered Attribute line at " + at(i, lines[i]));
    if (inBlock[i]) {
      out.push_back("a numbered line inside a Type or Enum block at " + at(i, lines[i]));
    } else if (!inProcedure[i]) {
      out.push_back("a numbered line outside any procedure at " + at(i, lines[i]));
    }
  }
  return out;
}

Problems attributeProblems(std::string_view original, std::string_view processed) {
  const Lines before = sourceLines(original);
  const Lines after = sourceLines(processed);
  const std::vector<ProcedureSpan> was = userSpans(before);
  const std::vector<ProcedureSpan> now = userSpans(after);
  if (now.size() != was.size()) {
    return {std::to_string(was.size()) + " procedures before the run, " + std::to_string(now.size()) + " after it"};
  }
  Problems out;
  for (std::size_t p = 0; p < was.size(); ++p) {
    const ProcedureSpan& a = was[p];
    const ProcedureSpan& b = now[p];
    const auto header = [](const Lines& lines, const ProcedureSpan& s) {
      return Lines(lines.begin() + static_cast<long>(s.header), lines.begin() + static_cast<long>(s.headerLast) + 1);
    };
    if (header(before, a) != header(after, b)) {
      out.push_back("the header at " + at(a.header, before[a.header]) + " became " + at(b.header, after[b.header]));
      continue;
    }
    for (std::size_t k = a.headerLast + 1, m = b.headerLast + 1; k < before.size() && isAttributeLine(before[k]);
         ++k, ++m) {
      if (m >= after.size() || after[m] != before[k]) {
        out.push_back("the Attribute line " + at(k, before[k]) + " no longer stands directly under its header " +
                      at(b.header, after[b.header]));
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
        } else if (!isCommentLine(after[k]) && !isAttributeLine(after[k])) {
          reached = std::any_of(spans.begin(), spans.end(), [k](const ProcedureSpan& s) { return s.headerLast == k; });
          break;
        }
      }
      if (!reached) out.push_back("an SS block that does not follow a procedure header at " + at(i, after[i]));
    }
    if (kind != MarkerKind::SS && kind != MarkerKind::ES) continue;
    std::size_t j = i + 1;
    while (j < after.size() && markerKind(after[j]) == MarkerKind::None && !procedureEndKind(after[j]) &&
           !procedureHeaderKind(after[j])) {
      ++j;
    }
    if (j >= after.size() || markerKind(after[j]) != (kind == MarkerKind::SS ? MarkerKind::SE : MarkerKind::EE)) {
      out.push_back("a block that is not closed by its marker at " + at(i, after[i]));
    } else if (kind == MarkerKind::ES) {
      // Directly above the end line, or above the blocks a later run put beside it.
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
  const std::vector<ProcedureSpan> was = userSpans(before);
  const std::vector<ProcedureSpan> now = userSpans(after);
  for (std::size_t p = 0; p < was.size() && p < now.size(); ++p) {
    for (MarkerKind kind : {MarkerKind::SS, MarkerKind::ES}) {
      const int gained = countMarkers(after, now[p], kind) - countMarkers(before, was[p], kind);
      if (gained > 1) {
        out.push_back(std::to_string(gained) + " blocks were put into the procedure at " +
                      at(now[p].header, after[now[p].header]));
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
    for (std::size_t i = span.headerLast + 1; i < span.end; ++i) {
      const std::string_view text = statementText(lines[i]);
      if (!text.starts_with(kConstant)) continue;
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
    const int earlier = p < was.size() ? countMarkers(before, was[p], MarkerKind::ES) : 0;
    if (span.end >= lines.size() || countMarkers(lines, span, MarkerKind::ES) <= earlier) continue;
    // This run's handler block is the one directly above the end line.
    std::size_t es = span.end;
    while (es > span.headerLast && markerKind(lines[es]) != MarkerKind::ES) --es;
    std::size_t label = es + 1;
    while (label < span.end && statementText(lines[label]) != "ErrorHandler:") ++label;
    if (label == span.end) {
      out.push_back("a handler block without its label at " + at(es, lines[es]));
    } else if (label == es + 1 || statementText(lines[label - 1]) != "Exit " + span.kind) {
      out.push_back("the handler at " + at(label, lines[label]) + " is not preceded by 'Exit " + span.kind + "'");
    }
  }
  return out;
}

Problems variableReportProblems(const std::vector<ProcessedMember>& members, std::string_view globalModule) {
  Problems out;
  std::set<std::string> userTypes;
  std::set<std::string> classes;
  for (const ProcessedMember& member : members) {
    for (const std::string& type : userTypeNames(sourceLines(member.text))) userTypes.insert(type);
    if (member.kind == "Class") classes.insert(lowered(member.vbName));
  }
  const auto labelled = [&out](const ReportCall& call, const std::string& where) {
    if (!call.label || *call.label != call.expression) {
      out.push_back("a report whose label is not its expression in " + where);
    }
  };

  for (const ProcessedMember& member : members) {
    const Lines lines = sourceLines(member.text);
    const Lines own = ownLines(lines, false);
    const Lines moduleLevel = ownLines(lines, true);
    const std::vector<ProcedureSpan> spans = procedureSpans(lines);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      for (const ReportCall& call : reportCalls(lines[i])) {
        const std::string where = member.name + " " + at(i, lines[i]);
        labelled(call, where);
        if (!isPlainName(call.expression)) {
          out.push_back("a report of '" + call.expression + "', which is not a plain name, in " + where);
          continue;
        }
        const auto span = std::find_if(spans.begin(), spans.end(), [i](const ProcedureSpan& s) {
          return s.header <= i && i <= s.end && !isModuleFunction(s);
        });
        if (span != spans.end()) {
          checkReported(withoutTypeCharacter(call.expression), own, span->header, span->end, userTypes, where, out);
        } else {
          checkReported(withoutTypeCharacter(call.expression), moduleLevel, 0, lines.size(), userTypes, where, out);
        }
      }
    }
  }

  const Lines global = sourceLines(globalModule);
  for (std::size_t i = 0; i < global.size(); ++i) {
    for (const ReportCall& call : reportCalls(global[i])) {
      const std::string where = "GlobalVariables.bas " + at(i, global[i]);
      labelled(call, where);
      const std::size_t dot = call.expression.find('.');
      if (dot == std::string::npos || !isPlainName(call.expression.substr(0, dot)) ||
          !isPlainName(call.expression.substr(dot + 1))) {
        out.push_back("a report of '" + call.expression + "', which is not module.name, in " + where);
        continue;
      }
      const std::string module = lowered(call.expression.substr(0, dot));
      if (classes.count(module) > 0) out.push_back("a report qualified by a class module in " + where);
      const auto owner = std::find_if(members.begin(), members.end(), [&](const ProcessedMember& m) {
        return lowered(m.vbName) == module && m.kind != "Class";
      });
      if (owner == members.end()) {
        out.push_back("a report qualified by '" + module + "', no form or module of the project, in " + where);
        continue;
      }
      const Lines moduleLevel = ownLines(sourceLines(owner->text), true);
      checkReported(withoutTypeCharacter(call.expression.substr(dot + 1)), moduleLevel, 0, moduleLevel.size(),
                    userTypes, where, out);
    }
  }
  return out;
}

}  // namespace qm::testing
