#include "integration/output_checks.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <regex>
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

// The markers of `kind` that the compiler reads with the span's header.
int countMarkers(const Lines& lines, const ProcedureSpan& span, MarkerKind kind) {
  int count = 0;
  for (std::size_t i : compiledPath(lines, span)) count += markerKind(lines[i]) == kind;
  return count;
}

std::string headerAt(const Lines& lines, const ProcedureSpan& span) { return at(span.header, lines[span.header]); }

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
// existing where the user's own code mentions it; with `declarationsOnly`,
// the members of Type and Enum blocks and the lines inside #If blocks
// (procedure headers aside) blanked too; with `moduleLevel`, the
// procedures' lines as well.
Lines ownLines(const Lines& lines, bool moduleLevel, bool declarationsOnly = true) {
  Lines out = lines;
  for (std::string& line : out) {
    if (lowered(line).find("svariablereport(") != std::string::npos) line.clear();
  }
  if (declarationsOnly) {
    const std::vector<bool> inBlock = typeAndEnumLines(lines);
    std::vector<bool> blanked = conditionalLines(lines);
    for (const ProcedureSpan& span : procedureSpans(lines)) {
      for (std::size_t i = span.header; i <= span.headerLast; ++i) blanked[i] = false;
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
      if (inBlock[i] || blanked[i]) out[i].clear();
    }
  }
  if (moduleLevel) {
    for (const ProcedureSpan& span : procedureSpans(lines)) {
      for (std::size_t i = span.header; i <= span.end && i < out.size(); ++i) out[i].clear();
    }
  }
  return out;
}

// The problems of a reported `name` that `scope` must declare; `loose` is
// the same scope with #If blocks and Type members kept.
void checkReported(const std::string& name, const ScopeNames& scope, const ScopeNames& loose,
                   const std::set<std::string>& userTypes, const std::string& where, Problems& out) {
  const std::string key = lowered(name);
  if (scope.words.count(key) == 0) {
    out.push_back("a report of '" + name + "', " +
                  (loose.words.count(key) > 0 ? "named only inside an #If block or a Type or Enum block"
                                              : "not declared") +
                  ", in " + where);
  }
  const auto declared = scope.types.find(key);
  if (declared == scope.types.end()) return;
  for (const std::string& type : declared->second) {
    if (userTypes.count(type) > 0) {
      out.push_back("a report of '" + name + "', a variable of a user-defined type, in " + where);
      break;
    }
  }
}

// The names one member declares, at module level and in each procedure,
// each read once however many reports ask.
class MemberScopes {
 public:
  explicit MemberScopes(std::string_view text)
      : lines_(sourceLines(text)),
        spans_(procedureSpans(lines_)),
        own_(ownLines(lines_, false)),
        looseOwn_(ownLines(lines_, false, false)),
        moduleLevel_(scopeNames(ownLines(lines_, true), 0, lines_.size())),
        looseModuleLevel_(scopeNames(ownLines(lines_, true, false), 0, lines_.size())) {}

  const Lines& lines() const { return lines_; }
  // The index of the user's procedure that holds line `i`, if any.
  std::optional<std::size_t> procedureAt(std::size_t i) const {
    for (std::size_t s = 0; s < spans_.size(); ++s) {
      if (spans_[s].header <= i && i <= spans_[s].end && !isModuleFunction(spans_[s])) return s;
    }
    return std::nullopt;
  }
  const ScopeNames& moduleLevel(bool strict) const { return strict ? moduleLevel_ : looseModuleLevel_; }
  const ScopeNames& procedure(std::size_t s, bool strict) {
    auto& cache = strict ? procedures_ : looseProcedures_;
    auto found = cache.find(s);
    if (found == cache.end()) {
      found = cache.emplace(s, scopeNames(strict ? own_ : looseOwn_, spans_[s].header, spans_[s].end)).first;
    }
    return found->second;
  }

 private:
  Lines lines_;
  std::vector<ProcedureSpan> spans_;
  Lines own_, looseOwn_;
  ScopeNames moduleLevel_, looseModuleLevel_;
  std::map<std::size_t, ScopeNames> procedures_, looseProcedures_;
};

}  // namespace

Problems numberingProblems(std::string_view processed) {
  Problems out;
  const Lines lines = sourceLines(processed);
  std::vector<bool> inProcedure(lines.size(), false);
  for (const ProcedureSpan& span : procedureSpans(lines)) {
    for (std::size_t i = span.headerLast + 1; i < span.end; ++i) inProcedure[i] = true;
  }
  std::vector<bool> isHeader(lines.size(), false);
  for (const ProcedureSpan& span : procedureSpans(lines)) {
    for (std::size_t i = span.header; i <= span.headerLast; ++i) isHeader[i] = true;
  }
  const std::vector<bool> inBlock = typeAndEnumLines(lines);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!lineNumberLength(lines[i])) continue;
    const std::string_view text = statementText(lines[i]);
    if (isDirectiveLine(text)) out.push_back("a numbered directive at " + at(i, lines[i]));
    if (isAttributeLine(text)) out.push_back("a numbered Attribute line at " + at(i, lines[i]));
    if (isHeader[i]) {
      out.push_back("a numbered procedure header at " + at(i, lines[i]));
    } else if (leadingLabel(text)) {
      out.push_back("a numbered label at " + at(i, lines[i]));
    } else if (inBlock[i]) {
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

namespace {

bool opensDirective(std::string_view line) { return lowered(trimmedText(line)).starts_with("#if"); }

}  // namespace

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
        } else if (isDirectiveLine(after[k]) && !opensDirective(after[k])) {
          // The headers of an #If pair share the block below their #End If.
          continue;
        } else if (!isCommentLine(after[k]) && !isAttributeLine(after[k])) {
          // A procedure that ends on its header line has no body to hold a block.
          reached = std::any_of(spans.begin(), spans.end(),
                                [k](const ProcedureSpan& s) { return s.headerLast == k && s.end != k; });
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
  const std::vector<ProcedureSpan> spans = procedureSpans(lines);
  for (const ProcedureSpan& span : spans) {
    for (std::size_t i : compiledPath(lines, span)) {
      const std::string_view text = statementText(lines[i]);
      if (i <= span.headerLast || i >= span.end || !text.starts_with(kConstant)) continue;
      const auto value = stringLiteralValue(text.substr(kConstant.size()));
      const std::string header = joinedHeaderText(lines, span);
      // Any header of an #If pair may name their shared body.
      const auto namesThisBody = [&](const ProcedureSpan& other) {
        return other.end == span.end && joinedHeaderText(lines, other) == *value;
      };
      if (!value) {
        out.push_back("a quoted header whose quotes do not pair up at " + at(i, lines[i]));
      } else if (std::none_of(spans.begin(), spans.end(), namesThisBody)) {
        out.push_back("a quoted header that reads '" + *value + "' instead of '" + header + "' at " + at(i, lines[i]));
      }
    }
  }
  return out;
}

Problems repeatedLabelProblems(std::string_view processed) {
  Problems out;
  const Lines lines = sourceLines(processed);
  std::set<std::size_t> reported;  // the headers of an #If pair see the same body
  for (const ProcedureSpan& span : procedureSpans(lines)) {
    std::set<std::string> seen;
    for (std::size_t i : compiledPath(lines, span)) {
      if (i <= span.headerLast || i >= span.end) continue;
      std::string name;
      if (const auto length = lineNumberLength(lines[i])) {
        std::string_view digits = trimmedText(std::string_view(lines[i]).substr(0, *length));
        while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
        name = "line number " + std::string(digits);
      } else if (const auto label = leadingLabel(lines[i])) {
        name = "label " + lowered(*label);
      } else {
        continue;
      }
      if (!seen.insert(name).second && reported.insert(i).second) {
        out.push_back("a second " + name + " in the procedure at " + headerAt(lines, span) + ", at " +
                      at(i, lines[i]));
      }
    }
  }
  return out;
}

std::vector<std::string> namesDeclaredIn(std::string_view styleText) {
  std::vector<std::string> out;
  for (const std::string& line : sourceLines(styleText)) {
    for (std::string& name : namesDeclaredOn(line)) out.push_back(std::move(name));
  }
  return out;
}

namespace {

enum class Want { Blocks, NoBlocks, Either };

// The names the procedure of `span` already has: those of every header
// sharing its body, their parameters, and what its lines declare or define.
std::set<std::string> procedureNames(const Lines& lines, const std::vector<ProcedureSpan>& spans,
                                     const ProcedureSpan& span) {
  std::set<std::string> names;
  std::size_t first = span.header;
  for (const ProcedureSpan& other : spans) {
    if (other.end == span.end) first = std::min(first, other.header);
  }
  for (const ProcedureSpan& other : spans) {
    if (other.end != span.end) continue;
    names.insert(comparable(other.name));
    for (std::string& name : parameterNames(joinedHeaderText(lines, other))) names.insert(std::move(name));
  }
  for (std::size_t i = first; i < span.end && i < lines.size(); ++i) {
    for (std::string& name : namesDeclaredOn(lines[i])) names.insert(std::move(name));
  }
  return names;
}

bool opensErrorHandling(std::string_view line) { return lowered(statementText(line)).starts_with("on error"); }

// The program serves the procedure forms it has always served: a header in
// the first column, Sub or Function with no scope word or with Private,
// Public or Friend, or Property Get or Let with no scope word. Static
// procedures, Property Set and scoped properties are left to their authors,
// unless all forms are asked for: then every header in the first column.
bool isServedForm(std::string_view header, bool allForms) {
  static const std::regex served(R"(^(?:(?:(?:private|public|friend)\s+)?(?:sub|function)|property\s+(?:get|let))\s)",
                                 std::regex::ECMAScript | std::regex::icase);
  if (allForms) return !header.empty() && header.front() != ' ' && header.front() != '\t';
  return std::regex_search(header.begin(), header.end(), served);
}

// The program reads a procedure as running up to the next header it serves,
// so an On Error line in a procedure it does not serve (a scoped Property
// Get below, say) may be taken for the one above it: such a procedure may be
// spared.
bool tailHandlesErrors(const Lines& lines, const std::vector<ProcedureSpan>& spans, const ProcedureSpan& span,
                       bool allForms) {
  std::size_t next = lines.size();
  for (const ProcedureSpan& other : spans) {
    if (other.header > span.end && other.header < next && isServedForm(lines[other.header], allForms)) {
      next = other.header;
    }
  }
  for (std::size_t i = span.end; i < next; ++i) {
    if (opensErrorHandling(lines[i])) return true;
  }
  return false;
}

bool sharesItsBody(const std::vector<ProcedureSpan>& spans, const ProcedureSpan& span) {
  return std::count_if(spans.begin(), spans.end(), [&](const ProcedureSpan& s) { return s.end == span.end; }) > 1;
}

Want wantOf(const Lines& lines, const std::vector<ProcedureSpan>& spans, const ProcedureSpan& span,
            const WantedBlocks& wanted) {
  if (span.end == span.headerLast || !isServedForm(lines[span.header], wanted.allForms)) return Want::NoBlocks;
  const std::set<std::string> names = procedureNames(lines, spans, span);
  for (const std::string& name : wanted.blockNames) {
    if (names.count(name) > 0) return Want::NoBlocks;
  }
  int statements = 0;
  bool handles = false;
  bool mentionsHandling = false;
  for (std::size_t i : compiledPath(lines, span)) {
    if (i <= span.headerLast || i >= span.end) continue;
    const std::string_view text = statementText(lines[i]);
    handles = handles || opensErrorHandling(lines[i]);
    mentionsHandling = mentionsHandling || lowered(text).find("on error") != std::string::npos;
    statements += !text.empty() && !isCommentLine(text) && !isDirectiveLine(text) && !isAttributeLine(text);
  }
  if (wanted.skipExistingHandlers && handles) return Want::NoBlocks;
  if (wanted.skipExistingHandlers && (mentionsHandling || tailHandlesErrors(lines, spans, span, wanted.allForms))) {
    return Want::Either;
  }
  return statements >= 2 ? Want::Blocks : Want::Either;
}

}  // namespace

Problems handlerProblems(std::string_view original, std::string_view processed, const WantedBlocks& wanted) {
  const Lines before = sourceLines(original);
  const Lines after = sourceLines(processed);
  const std::vector<ProcedureSpan> was = userSpans(before);
  const std::vector<ProcedureSpan> now = userSpans(after);
  if (was.size() != now.size()) return {};  // attributeProblems says so
  Problems out;
  for (std::size_t p = 0; p < was.size(); ++p) {
    const int onError = countMarkers(after, now[p], MarkerKind::SS) - countMarkers(before, was[p], MarkerKind::SS);
    const int handler = countMarkers(after, now[p], MarkerKind::ES) - countMarkers(before, was[p], MarkerKind::ES);
    const Want want = wantOf(before, was, was[p], wanted);
    const bool one = onError == 1 && handler == 1;
    const bool none = onError == 0 && handler == 0;
    // Headers of an #If pair whose branches hold statements of their own share
    // the handler below them; a branch too short to want a block sees only that.
    const bool sharedHandlerOnly = onError == 0 && handler == 1 && sharesItsBody(was, was[p]);
    if ((want == Want::Blocks && !one) || (want == Want::NoBlocks && !none) ||
        (want == Want::Either && !one && !none && !sharedHandlerOnly)) {
      out.push_back("the procedure at " + headerAt(after, now[p]) + " gained " + std::to_string(onError) +
                    " ON ERROR and " + std::to_string(handler) + " handler blocks where " +
                    (want == Want::Blocks ? "one of each" : want == Want::NoBlocks ? "none" : "none or one of each") +
                    " was wanted");
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

  std::vector<MemberScopes> scopes;
  for (const ProcessedMember& member : members) scopes.emplace_back(member.text);

  for (std::size_t m = 0; m < members.size(); ++m) {
    MemberScopes& scope = scopes[m];
    const Lines& lines = scope.lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
      for (const ReportCall& call : reportCalls(lines[i])) {
        const std::string where = members[m].name + " " + at(i, lines[i]);
        labelled(call, where);
        if (!isPlainName(call.expression)) {
          out.push_back("a report of '" + call.expression + "', which is not a plain name, in " + where);
          continue;
        }
        const std::string name = withoutTypeCharacter(call.expression);
        if (const auto s = scope.procedureAt(i)) {
          checkReported(name, scope.procedure(*s, true), scope.procedure(*s, false), userTypes, where, out);
        } else {
          checkReported(name, scope.moduleLevel(true), scope.moduleLevel(false), userTypes, where, out);
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
      const MemberScopes& scope = scopes[static_cast<std::size_t>(owner - members.begin())];
      checkReported(withoutTypeCharacter(call.expression.substr(dot + 1)), scope.moduleLevel(true),
                    scope.moduleLevel(false), userTypes, where, out);
    }
  }
  return out;
}

}  // namespace qm::testing
