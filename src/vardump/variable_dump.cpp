#include "vardump/variable_dump.h"

#include <limits>
#include <vector>

#include "engine/conditional_blocks.h"
#include "engine/scanning.h"
#include "engine/tags.h"
#include "engine/type_blocks.h"
#include "platform/lines.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "vardump/declarations.h"
#include "vardump/generated_code.h"

namespace qm {

void DumpState::clear() {
  globalLines.clear();
  globalCount = 0;
  localDumpUsed = false;
}

bool DumpState::full() const { return globalCount == std::numeric_limits<std::int16_t>::max(); }

void DumpState::append(const DumpState& later) {
  localDumpUsed = localDumpUsed || later.localDumpUsed;
  if (later.globalCount <= std::numeric_limits<std::int16_t>::max() - globalCount) {
    globalLines += later.globalLines;
    globalCount = static_cast<std::int16_t>(globalCount + later.globalCount);
    return;
  }
  for (std::size_t start = 0; start < later.globalLines.size() && !full(); ++globalCount) {
    const std::size_t end = later.globalLines.find("\r\n", start) + 2;
    globalLines.append(later.globalLines, start, end - start);
    start = end;
  }
}

namespace {

// The file name without its extension: what a module is called when its
// text carries no VB_Name attribute.
std::string_view fileStem(std::string_view fileName) {
  const std::string_view bare = bareName(fileName);
  const std::size_t dot = bare.rfind('.');
  return dot == std::string_view::npos ? bare : bare.substr(0, dot);
}

// Classes, user controls, property pages and user documents: modules that
// exist only as instances, so no code elsewhere can name their variables by
// the module's name.
bool hasNoDefaultInstance(std::string_view fileName) {
  const std::string name = toLower(bareName(fileName));
  return endsWith(name, ".cls") || endsWith(name, ".ctl") || endsWith(name, ".pag") || endsWith(name, ".dob");
}

// The state that one file's dump keeps while it reads the file.
class FileDump {
 public:
  FileDump(const DumpOptions& options, DumpState& state, std::size_t textSize)
      : options_(options), state_(state), isClass_(hasNoDefaultInstance(options.fileName)) {
    out_.reserve(textSize + textSize / 4 + 4096);
    moduleText_ = reportFunctionHead(kModuleFunctionHeader, "module");
    appendLine(moduleText_, "");
  }

  void read(std::string_view text) {
    LineReader reader(text);
    std::string_view line;
    while (reader.next(line)) {
      const std::string_view trimmed = trimSpaces(line);
      if (options_.variableDumpOption && opensFunctionNamed(trimmed, "sModuleVariables")) {
        skipRestOfFunction(reader, options_.headerForms);  // an earlier run's copy; the one appended below replaces it
        continue;
      }
      if (auto name = vbNameAttribute(line)) vbName_ = std::string(trimSpaces(*name));
      if (line.find(tagText(Tag::VariableDump)) != std::string_view::npos) {
        expandTags(line);
        continue;
      }
      followSkipMarkers(trimmed);
      // Type and Enum members are neither variables nor headers, and what an
      // #If declares may not exist in the branch that is compiled.
      const bool inTypeBlock = typeBlocks_.inside(line);
      conditionals_.take(trimmed);
      if (!skipping_ && !inTypeBlock && !conditionals_.inside() && !isComment(trimmed)) {
        collectDeclarations(trimmed);
      }
      if (!inTypeBlock && isHeader(trimmed, options_.headerForms)) startProcedure(trimmed);
      appendLine(out_, line);
    }
  }

  std::string finish() {
    if (moduleCount_ == 0) moduleText_.append(kNoModuleVariables);
    moduleText_.append("\r\n'Return the module dump string\r\nsModuleVariables = sMessage\r\nEnd Function");
    if (options_.variableDumpOption) appendLine(out_, moduleText_);
    reportPublicVariables();
    return std::move(out_);
  }

 private:
  void expandTags(std::string_view line) {
    if (skipping_) {
      appendLine(out_, line);
      return;
    }
    // The no-locals text stands in for this tag only: the collected lines stay
    // as they are, so a later declaration and a later tag still fit together.
    std::string_view replacement = kNoLocalVariables;
    if (localCount_ > 0) {
      state_.localDumpUsed = true;
      replacement = localText_;
    }
    appendLine(out_, replaceAll(line, tagText(Tag::VariableDump), replacement));
  }

  void followSkipMarkers(std::string_view trimmed) {
    if (!isComment(trimmed)) return;
    if (startsWithNoCase(trimmed, "'ss*****")) skipping_ = true;
    if (startsWithNoCase(trimmed, "'se*****")) skipping_ = false;
    if (options_.skipIgnoreTagged) {
      if (opensIgnore(trimmed, 8)) skipping_ = true;
      if (closesIgnore(trimmed, 8)) skipping_ = false;
    }
  }

  void collectDeclarations(std::string_view trimmed) {
    const auto declaration = classifyDeclaration(trimmed);
    if (!declaration) return;
    if (!declaration->isList) {
      report(declaration->scope, declaration->single);
      return;
    }
    // The list is split without its comment, so no word of a comment is taken for a name.
    for (const auto& item : declarationListItems(withoutComment(trimmed))) report(declaration->scope, item);
  }

  void startProcedure(std::string_view trimmed) {
    localText_.clear();
    for (const auto& parameter : parameterItems(withoutTrailingComment(trimmed))) {
      if (auto name = reportableName(parameter)) appendLocalReportLine(localText_, *name);
    }
    skipping_ = false;
    localCount_ = 0;
  }

  std::optional<std::string> reportableName(const DeclaredName& item) const {
    if (!item.typeText.empty() && options_.userTypes != nullptr && options_.userTypes->count(item.typeText) > 0) {
      return std::nullopt;
    }
    return plainVariableName(item.name);
  }

  void report(char scope, const DeclaredName& item) {
    auto name = reportableName(item);
    if (!name) return;
    switch (scope) {
      case 'l':
        ++localCount_;
        appendLocalReportLine(localText_, *name);
        break;
      case 'm':
        ++moduleCount_;
        appendModuleReportLine(moduleText_, *name);
        break;
      case 'g':
        if (!isClass_) publicNames_.push_back(std::move(*name));
        break;
    }
  }

  // Public variables are qualified by the module's VB name; a module that
  // has no usable name cannot be referred to, so its variables are left out.
  void reportPublicVariables() {
    const std::string module = vbName_ ? *vbName_ : std::string(fileStem(options_.fileName));
    if (!isPlainIdentifier(module, /*allowTypeCharacter=*/false)) return;
    for (const auto& name : publicNames_) {
      if (state_.full()) return;
      appendPublicReportLine(state_.globalLines, module, name);
      ++state_.globalCount;
    }
  }

  const DumpOptions& options_;
  DumpState& state_;
  const bool isClass_;
  std::string out_;
  std::string localText_;
  int localCount_ = 0;
  std::string moduleText_;
  int moduleCount_ = 0;
  std::vector<std::string> publicNames_;
  std::optional<std::string> vbName_;
  bool skipping_ = false;
  TypeBlocks typeBlocks_;
  ConditionalBlocks conditionals_;
};

}  // namespace

std::string VariableDumpPass::run(std::string_view text, DumpState& state) const {
  FileDump dump(options_, state, text.size());
  dump.read(text);
  return dump.finish();
}

}  // namespace qm
