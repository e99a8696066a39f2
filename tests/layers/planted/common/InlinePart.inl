// An inline part, neither header nor source, that reaches up.
#include "sitegen/PageLines.h"
