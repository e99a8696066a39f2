#pragma once

#include <filesystem>
#include <string>

namespace palimora {

// What publishing keeps with a project, in its .published folder.
inline constexpr const char* kPublicationFolderName = ".published";

// The site's address on the web as the user gave it when publishing (ending
// in "/"), kept with the project; empty when never given.
std::string SavedWebAddress(const std::filesystem::path& projectFolder);
void SaveWebAddress(const std::filesystem::path& projectFolder, const std::string& address);

}  // namespace palimora
