#pragma once

#include "common/ProgramFolder.h"

#include <string>
#include <string_view>

namespace palimora {

// palimora.ini keeps the language chosen at the first start on its first
// line and the program's own preferences on the lines after it, one a line.
enum class Preference {
    Language = 0,         // the language's name as its choice reads (LanguageChoice.h)
    WindowSize = 1,       // "<width>x<height>" of the main window as last left
    TextsFromPhotos = 2,  // "0" when added pictures take their titles from file names only
    PublishServer = 3     // the publishing server kept with its password (RememberedServer.h)
};

// A preference's line, empty when it was never saved or the file cannot be read.
std::string ReadPreference(const ProgramFolder& folder, Preference preference);

// Saves a preference, keeping every other line. Throws PalimoraError naming
// the file when it cannot be written (it is then left as it was).
void SavePreference(const ProgramFolder& folder, Preference preference, std::string_view value);

}  // namespace palimora
