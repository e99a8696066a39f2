// Window code may include its own folder, the folders below it and their windows.
#include "common/Error.h"
#include "sitegen/PageLines.h"
#include "styles/ui/StyleNotebooks.h"
