// The guide as one compiled help file beside quillmere.exe, where the
// installer puts it.
#include "platform/help_guide.h"

#include "platform/paths.h"

namespace qm {

HelpTarget helpTarget(std::string_view guideFolder, int topic) {
  return HelpTarget{joinPath(guideFolder, kHelpFileName), topic, std::string(guidePage(topic))};
}

std::vector<std::string> guideFolderCandidates(std::string_view executableFolder) {
  if (executableFolder.empty()) return {};
  return {std::string(executableFolder)};
}

}  // namespace qm
