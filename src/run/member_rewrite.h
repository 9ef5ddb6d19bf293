// One member's new text, made in memory with nothing else touched: error
// handling inserted or removed, then, when inserting, the variable dump,
// then line numbers, as the run's options ask. The run reads and writes the
// files and reports each step; this is the part it can hand to a second
// thread while it reads the next member and writes the last one.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/insertion.h"
#include "engine/procedure_list.h"
#include "run/run_options.h"
#include "styles/code_style.h"
#include "vardump/variable_dump.h"

namespace qm {

// The parts of a code style that a rewrite reads.
struct RewriteStyle {
  std::string onErrorText;
  std::string handlerText;
  bool operator==(const RewriteStyle&) const = default;
};

// What a rewrite reads from a removal's style: nothing.
RewriteStyle rewriteStyleFor(RunAction action, const CodeStyle& style);

// What stays the same for every member of one run; it must outlive the rewrites.
struct RewriteSettings {
  const RunOptions& options;
  std::string_view projectName;
  const ProcedureList& procedures;
  const std::set<std::string>* userTypes;  // lower-cased names of the project's Type blocks
};

struct MemberRewrite {
  std::string failure;  // why error handling could not be inserted or removed; nothing else is made then
  std::string summary;  // "<updated> out of <found>", or how many procedures had their code removed
  std::vector<NameClash> clashes;
  DumpState dump;       // the public variables the member adds to the run's report
  std::string text;
  RewriteStyle style;   // the style it was made with
};

// `path` is the selected file as the analysis recorded its procedures under,
// `name` its file name as it stands on the disk.
MemberRewrite rewriteMember(const RewriteSettings& settings, const RewriteStyle& style, const std::string& path,
                            const std::string& name, std::string_view text);

}  // namespace qm
