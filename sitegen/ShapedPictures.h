#pragma once

#include <filesystem>
#include <string>

namespace palimora {

class Language;
class ProjectSettings;

// The stamp the settings paste into the pictures; empty when they stamp none.
std::filesystem::path StampPicture(const ProjectSettings& settings, const Language& language,
                                   const std::string& projectName);

// Whether the site shows its pictures from web_images: a size limit, or a
// stamp on the whole picture, shapes what it shows, and the project's own
// pictures stay as the user gave them, out of the site.
bool ShowsShapedPictures(const ProjectSettings& settings, const Language& language, const std::string& projectName);

}  // namespace palimora
