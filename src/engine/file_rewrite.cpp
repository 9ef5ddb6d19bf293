#include "engine/file_rewrite.h"

#include <string>

#include "engine/scanning.h"

namespace qm {

Status copyThroughScratch(Workspace& ws, std::string_view target, std::string_view scratchName,
                          std::string_view content) {
  const std::string scratch = scratchPath(ws.programFolder, scratchName);
  if (Status written = ws.files.writeScratchFile(scratch, content); !written) return written;
  // The target gets exactly the scratch file's bytes; they are still in
  // memory, so the scratch file need not be read back.
  Status replaced = ws.holdsOnlyACopy(target) ? ws.files.writeScratchFile(target, content)
                                              : ws.files.writeFile(target, content);
  if (!replaced) return replaced;
  (void)ws.files.removeFile(scratch);  // the target is complete; see the header
  return {};
}

void removeLeftoverScratch(Workspace& ws, std::string_view scratchName) {
  const std::string scratch = scratchPath(ws.programFolder, scratchName);
  if (ws.files.exists(scratch)) (void)ws.files.removeFile(scratch);
}

}  // namespace qm
