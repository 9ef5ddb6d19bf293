// Where command-line mode writes. A Windows program built for the desktop
// starts without a console, so when it runs from a command prompt its
// standard output and error lead nowhere: they are connected to the console
// of the process that started it. Output already redirected to a file or a
// pipe stays where it was sent; elsewhere nothing changes.
#pragma once

namespace qm {

void useParentConsole();

}  // namespace qm
