#pragma once
// A common header that reaches up into the site generator.
#include "sitegen/PageLines.h"
