#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace palimora::testing {

// Stages a program folder in `root` with the shipped demo project, named
// `name`, made for the designed pages, and builds its site. Returns the
// project folder.
std::filesystem::path BuildDemoSite(const std::filesystem::path& root, const std::string& name = "Demo");
// Builds the site of a project of the program folder in `root` again.
void BuildSite(const std::filesystem::path& root, const std::string& name);

// Makes project `name` in the program folder of `root` (staged already) with
// `count` photo-like pictures of `width` x `height` (smooth gradients with
// noise: a few hundred kilobytes at 1024 x 768), each different, and the
// default settings; builds its site. Returns the project folder.
std::filesystem::path MakePhotoProject(const std::filesystem::path& root, const std::string& name, int count, int width,
                                       int height);

// The site's files under a project folder that a publication sends, as
// paths relative to it: the pages, then every file of the site folders. The
// picture folder is by default the one the pages show the pictures from:
// web_images when the build shaped them there, else images.
std::vector<std::filesystem::path> SiteFiles(const std::filesystem::path& projectFolder,
                                             const std::string& pictureFolder = {});

// The files of the site that differ between a project folder and the folder
// the server stored it in (missing ones too). `pagesAsLf`: the server stores
// ASCII uploads with LF line ends, so pages are compared that way.
std::vector<std::string> DifferingFiles(const std::filesystem::path& projectFolder,
                                        const std::filesystem::path& remoteFolder, bool pagesAsLf,
                                        const std::string& pictureFolder = {});

}  // namespace palimora::testing
