// The current code style: the template of what the insertion adds.
#pragma once

#include <string>
#include <vector>

namespace qm {

struct CodeStyle {
  std::string name;         // file name with extension, e.g. "Simple.style"
  std::string onErrorText;  // [ON ERROR] lines, each followed by CR LF
  std::string handlerText;  // [ERROR HANDLER] lines, each followed by CR LF
  std::vector<std::string> files;  // [FILES] entries: full paths of extra files
};

}  // namespace qm
