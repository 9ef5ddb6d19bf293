#include "platform/program_folder.h"

#include "platform/paths.h"
#include "platform/user_folders.h"

namespace qm {

std::string chooseProgramFolder(std::string_view executableFolder, std::string_view fallbackFolder) {
  if (isWritableFolder(executableFolder)) return std::string(executableFolder);
  (void)makeFolders(fallbackFolder);  // a failure shows later, at the first file written there
  return std::string(fallbackFolder);
}

std::string programFolder(std::string_view argv0) {
  return chooseProgramFolder(executableFolder(argv0), programDataFolder());
}

}  // namespace qm
