#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace palimora {

// The local side of a publication: which files of a built site's folders are
// sent, and which picture folder holds the pictures.
namespace local_site {

// The pages of a project folder (its ordinary files ending in ".htm" or
// ".html", in any letter case) and its feed, by name.
std::vector<std::filesystem::path> Pages(const std::filesystem::path& projectFolder);

// Every ordinary file of a folder, by name. Throws
// std::filesystem::filesystem_error when the folder cannot be read.
std::vector<std::filesystem::path> FolderFiles(const std::filesystem::path& folder);

// The site's picture folder: the strips' folder when pictures are cut into
// more than one strip, else the folder of the pictures as the site shows
// them when the build shaped them (its record names files of web_images),
// else the pictures' own folder.
std::string PictureFolderName(const std::set<std::string>& builtFiles, int pictureStrips);

// The site folders sent after the picture folder, in order, each only when
// it exists locally; never the picture folder itself.
std::vector<std::string> ExtraFolderNames(const std::string& pictureFolder);

}  // namespace local_site
}  // namespace palimora
