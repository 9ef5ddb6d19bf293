// Whether windows can be shown at all: a program started on a server or in
// a build job has no display, and must say so instead of failing to open one.
#pragma once

namespace qm {

bool displayAvailable();

}  // namespace qm
