#pragma once
// A common header that reaches up with angle brackets.
#include <sitegen/PageLines.h>
