#pragma once

#include "common/ProgramFolder.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace palimora {

// What the main window shows, which decides the help page.
enum class ShownPanel { PictureList, SummaryStyles, GalleryStyles, PictureStyles, Nothing };

// The help page for what is shown, in the language's help folder.
std::optional<std::filesystem::path> HelpPageFor(const ProgramFolder& folder, std::string_view languageCode,
                                                 ShownPanel shown);

// The help page of the FTP settings window.
std::filesystem::path PublishHelpPage(const ProgramFolder& folder, std::string_view languageCode);

// The welcome page shown at start-up.
std::filesystem::path WelcomePage(const ProgramFolder& folder, std::string_view languageCode);

}  // namespace palimora
