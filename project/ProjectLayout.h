#pragma once

#include <filesystem>
#include <string>

// The files of a project folder (and of the working folder, laid out alike):
//   images/              the pictures, numbered 000001.jpg, 000002.gif, ...
//   textes/images.dat    their titles and comments (PictureTextLayout.h)
//   runweb.ini           the settings lines being edited
//   <name>.ini           the settings lines as last saved
// and the folders of the site built into it (SiteLayout.h).
namespace palimora::project_layout {

inline constexpr const char* kPicturesFolder = "images";
inline constexpr const char* kTextsFolder = "textes";
inline constexpr const char* kWorkingSettings = "runweb.ini";

std::filesystem::path PicturesFolder(const std::filesystem::path& projectFolder);
std::filesystem::path TextsFolder(const std::filesystem::path& projectFolder);
std::filesystem::path PictureTextFile(const std::filesystem::path& projectFolder);
std::filesystem::path WorkingSettingsFile(const std::filesystem::path& projectFolder);
// <name>.ini, the saved settings of the project named `cp1252Name`.
std::filesystem::path SavedSettingsFile(const std::filesystem::path& projectFolder, const std::string& cp1252Name);

}  // namespace palimora::project_layout
