// A core file that includes window code.
#include "styles/ui/StyleNotebooks.h"
