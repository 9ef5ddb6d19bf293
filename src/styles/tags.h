// The style editor's Insert menu entries for the tags a code style may hold.
#pragma once

#include <string_view>

#include "engine/tags.h"

namespace qm {

// "Pro&ject Name", "&Module Name", ... ("&" marks the access key).
std::string_view tagMenuEntry(Tag tag);

}  // namespace qm
