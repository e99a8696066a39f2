#pragma once

#include "common/ProgramFolder.h"

#include <string>

namespace palimora {

// The demo project is shipped speaking one language; the program folder's
// demo/<language code>.dat and .ini hold its texts (images.dat) and its
// settings in every language. Gives the demo project those of
// `languageCode` when it holds a language's as shipped: a demo the user
// changed, or a language without its own, is left as it is. A demo given
// other words is no longer a built site: its entry pages go, and the next
// see-the-result builds it again.
void GiveDemoLanguage(const ProgramFolder& folder, const std::string& languageCode);

}  // namespace palimora
