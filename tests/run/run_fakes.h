// Kept so older includes still work; the fakes live in support/run_fakes.h.
#pragma once

#include "support/run_fakes.h"
