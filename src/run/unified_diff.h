// The unified diff of one file, in the form `diff -u` writes and `patch -p1`
// and `git apply` read: "--- a/PATH" and "+++ b/PATH" ("/dev/null" for a
// file that is added or removed), then hunks with three lines of context;
// an empty file added has git's "new file" header before them.
// Text is compared line by line as bytes, each line with its own ending, so
// a CR LF file, a file with 8-bit bytes or one without a final line ending
// comes out of `patch` exactly as it went in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm {

// The diff that turns `before` into `after` (nothing: the file is missing on
// that side); "" when the two are equal. `path` is relative, with "/".
std::string unifiedDiff(const std::optional<std::string>& before, const std::optional<std::string>& after,
                        std::string_view path);

}  // namespace qm
