// The user guide behind F1: where it was installed and which of its files a
// help topic opens. On Windows the guide is one compiled help file that the
// system's help viewer opens at a topic number; elsewhere it is a folder of
// HTML pages, one per topic, that the desktop's browser opens.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace qm {

inline constexpr std::string_view kHelpFileName = "QMR Help.chm";

// What F1 opens. `file` is what the desktop's default handler is given: the
// compiled help file on Windows, the topic's own page elsewhere. A viewer
// that takes a topic is given `topic` (the file's context number) or `page`
// (the topic's page inside the compiled file, for a viewer that takes a
// page name instead).
struct HelpTarget {
  std::string file;
  int topic = 0;
  std::string page;
};

// The guide's page for a help topic (100 to 400); its contents page for any other.
std::string_view guidePage(int topic);

// The file F1 opens for `topic` from the guide installed in `guideFolder`.
HelpTarget helpTarget(std::string_view guideFolder, int topic);

// The folders the guide may be installed in, most likely first: beside the
// program, then (on POSIX systems) the data folder of an installed program,
// PREFIX/share/quillmere/help/ for PREFIX/bin/quillmere. Each with a
// trailing separator.
std::vector<std::string> guideFolderCandidates(std::string_view executableFolder);

// The first candidate that holds the guide; the first candidate when none
// does, so that a message can still say where it was looked for.
std::string findGuideFolder(const FileSystem& files, const std::vector<std::string>& candidates);

// findGuideFolder over the candidates of the running program.
std::string guideFolder(const FileSystem& files, std::string_view argv0 = {});

}  // namespace qm
