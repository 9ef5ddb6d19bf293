#include "run/member_rewrite.h"

#include "engine/numbering.h"
#include "engine/removal.h"
#include "platform/text.h"

namespace qm {

namespace {

constexpr std::int16_t kLineNumberIncrement = 5;

}  // namespace

RewriteStyle rewriteStyleFor(RunAction action, const CodeStyle& style) {
  if (action != RunAction::Add) return {};
  return {style.onErrorText, style.handlerText};
}

MemberRewrite rewriteMember(const RewriteSettings& settings, const RewriteStyle& style, const std::string& path,
                            const std::string& name, std::string_view text) {
  const RunOptions& options = settings.options;
  const HeaderForms forms = headerFormsFor(options.allProcedures);
  MemberRewrite out;
  out.style = style;
  if (options.action == RunAction::Add) {
    const InsertionSources sources{style.onErrorText,    style.handlerText, options.minLines, settings.projectName,
                                   settings.procedures, path,              forms};
    auto pass = InsertionPass::prepare(sources, name, options.skipIgnoreTagged, options.skipExistingHandlers);
    if (!pass) {
      out.failure = pass.message();
      return out;
    }
    InsertionOutcome inserted = pass->run(text);
    out.summary = inserted.summary();
    out.clashes = std::move(inserted.clashes);
    const DumpOptions dump{name, options.skipIgnoreTagged, options.variableDump, settings.userTypes, forms};
    out.text = VariableDumpPass(dump).run(inserted.text, out.dump);
  } else {
    auto removed = RemovalPass().run(text);
    if (!removed) {
      out.failure = "Cannot remove inserted code from '" + path + "': " + removed.message();
      return out;
    }
    out.summary = decimal(removed->ssMarkers);
    out.text = std::move(removed->text);
  }
  if (options.addLineNumbers) {
    NumberingOutcome numbered = NumberingPass(options.lineNumberStart, kLineNumberIncrement, forms).run(out.text);
    if (!numbered.alreadyNumbered && numbered.numberedLines > 0) out.text = std::move(numbered.text);
  }
  return out;
}

}  // namespace qm
