// A core file that includes window code of its own folder by a relative path.
#include "ui/Allowed.h"
