#include "engine/file_rewrite.h"

#include <string>

#include "engine/scanning.h"

namespace qm {

Status copyThroughScratch(Workspace& ws, std::string_view target, std::string_view scratchName,
                          std::string_view content) {
  const std::string scratch = scratchPath(ws.programFolder, scratchName);
  if (Status written = ws.files.writeFile(scratch, content); !written) return written;
  if (Status copied = ws.files.copyFile(scratch, target); !copied) return copied;
  (void)ws.files.removeFile(scratch);  // the target is complete; see the header
  return {};
}

Status moveThroughScratch(Workspace& ws, std::string_view target, std::string_view scratchName,
                          std::string_view content) {
  const std::string scratch = scratchPath(ws.programFolder, scratchName);
  if (Status written = ws.files.writeFile(scratch, content); !written) return written;
  return ws.files.moveFile(scratch, target);
}

void removeLeftoverScratch(Workspace& ws, std::string_view scratchName) {
  const std::string scratch = scratchPath(ws.programFolder, scratchName);
  if (ws.files.exists(scratch)) (void)ws.files.removeFile(scratch);
}

}  // namespace qm
