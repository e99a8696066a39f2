// A common file that reaches up through a relative path.
#include "../sitegen/PageLines.h"
