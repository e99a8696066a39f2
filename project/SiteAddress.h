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

// A web address as the user typed it, made whole: blanks around it dropped,
// "http://" before a bare host, "/" at its end. Empty for an empty answer,
// or one with blanks, quotes or angle brackets inside, which no address holds.
std::string WebAddressAnswered(std::string answer);

}  // namespace palimora
