#include "platform/help_guide.h"

#include "platform/user_folders.h"

namespace qm {

std::string_view guidePage(int topic) {
  switch (topic) {
    case 100: return "choose-project.html";
    case 200: return "project-files.html";
    case 300: return "options.html";
    case 400: return "apply.html";
    default: return "index.html";
  }
}

std::string findGuideFolder(const FileSystem& files, const std::vector<std::string>& candidates) {
  for (const std::string& folder : candidates) {
    if (files.exists(helpTarget(folder, 0).file)) return folder;
  }
  return candidates.empty() ? std::string() : candidates.front();
}

std::string guideFolder(const FileSystem& files, std::string_view argv0) {
  return findGuideFolder(files, guideFolderCandidates(executableFolder(argv0)));
}

}  // namespace qm
