#pragma once
// A common header that goes into its own folder and out again, upward.
#include "common/../sitegen/PageLines.h"
