// A common file that reaches up through "./".
#include "./sitegen/PageLines.h"
