#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>

// What the last finished build of a project made: kBuiltRecord in the
// project folder lists the site's files, as paths inside the project folder
// with '/' between folder and name. A build leaves kBuildingMark before it
// changes anything and removes it once it has finished and recorded the site,
// so a failed, cancelled or killed build leaves no finished site behind, and
// a publication sends only a finished site. A build that changes nothing
// leaves the record as it was, its time included.
namespace palimora::built_site {

inline constexpr const char* kBuiltRecord = "built.dat";
inline constexpr const char* kBuildingMark = "building.dat";

// A build begins: until Record, the site is not a finished one. Throws
// PalimoraError when the mark cannot be written.
void Begin(const std::filesystem::path& projectFolder);
// The site no longer is what the last build made (a save changed the
// project): the record goes, and the entry pages with it, so that no page
// is opened as the built site.
void Forget(const std::filesystem::path& projectFolder);
// Records the site as it now stands in the project folder (the pages at its
// top and the files of the site's folders) and ends the build. Throws
// PalimoraError when the record cannot be written.
void Record(const std::filesystem::path& projectFolder);
// The files the last finished build left; nothing when the site is not built
// (never, since a save, or since a build that did not finish).
std::optional<std::set<std::string>> Files(const std::filesystem::path& projectFolder);

}  // namespace palimora::built_site
