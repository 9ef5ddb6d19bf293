// The guide as HTML pages: in help/ beside the program (a build folder, an
// unpacked copy), or in the shared data folder of an installed program.
#include "platform/help_guide.h"

#include "platform/paths.h"

namespace qm {

HelpTarget helpTarget(std::string_view guideFolder, int topic) {
  const std::string_view page = guidePage(topic);
  return HelpTarget{joinPath(guideFolder, page), topic, std::string(page)};
}

std::vector<std::string> guideFolderCandidates(std::string_view executableFolder) {
  if (executableFolder.empty()) return {};
  const std::string_view prefix = folderOf(withoutTrailingSeparator(executableFolder));
  return {std::string(executableFolder) + "help/", std::string(prefix) + "share/quillmere/help/"};
}

}  // namespace qm
