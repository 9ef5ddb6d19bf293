// The summary the last page opens with, before Begin is pressed.
#include "wizard/page4_apply.h"

namespace qm {

std::string summaryText(const std::vector<std::string>& selectedFiles, std::string_view styleName) {
  // The opening sentence stays the same when the run deletes code.
  std::string text = "Add error checking to the following files: ";
  for (const std::string& file : selectedFiles) {
    text.append("\r\n");
    text.append(file);
  }
  text.append("\r\nUsing the ");
  text.append(styleName);
  text.append(" style\r\n\r\nClick 'Begin' to begin the procedure...");
  return text;
}

}  // namespace qm
