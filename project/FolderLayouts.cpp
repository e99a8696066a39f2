#include "common/Cp1252.h"
#include "common/FileNames.h"
#include "imaging/PictureReader.h"
#include "project/PictureTextLayout.h"
#include "project/ProjectLayout.h"
#include "project/SiteLayout.h"

namespace palimora {
namespace fs = std::filesystem;

namespace project_layout {

fs::path PicturesFolder(const fs::path& projectFolder) { return projectFolder / kPicturesFolder; }
fs::path TextsFolder(const fs::path& projectFolder) { return projectFolder / kTextsFolder; }
fs::path PictureTextFile(const fs::path& projectFolder) { return TextsFolder(projectFolder) / picture_text::kFileName; }
fs::path WorkingSettingsFile(const fs::path& projectFolder) { return projectFolder / kWorkingSettings; }
fs::path SavedSettingsFile(const fs::path& projectFolder, const std::string& cp1252Name) {
    return projectFolder / PathFromCp1252(cp1252Name + ".ini");
}

}  // namespace project_layout

namespace site_layout {

std::string GalleryPage(int gallery) { return "Gal" + std::to_string(gallery) + ".htm"; }
std::string GalleryPage(int gallery, int part) {
    return part <= 1 ? GalleryPage(gallery) : "Gal" + std::to_string(gallery) + "-" + std::to_string(part) + ".htm";
}
std::string PicturePage(int gallery, std::string_view pictureBase) {
    return "g" + std::to_string(gallery) + "-" + std::string(pictureBase) + ".htm";
}
std::string GalleryArchiveName(int gallery) { return "Gal" + std::to_string(gallery) + ".zip"; }
std::string OriginalPicture(std::string_view name, bool shownAsGiven) {
    return std::string(shownAsGiven ? project_layout::kPicturesFolder : kDownloadFolder) + "/" + std::string(name);
}
std::string ThumbnailName(std::string_view pictureBase) { return "tn-" + std::string(pictureBase) + ".jpg"; }
std::string SummaryThumbnailName(std::string_view pictureBase) { return "tns-" + std::string(pictureBase) + ".jpg"; }
std::string ClipName(std::string_view pictureBase) { return std::string(pictureBase) + ".mp4"; }
std::string PosterName(std::string_view pictureBase) { return std::string(pictureBase) + ".jpg"; }
std::string DoubleSizeName(std::string_view thumbnailName) {
    const std::string name(thumbnailName);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name + "-2x" : name.substr(0, dot) + "-2x" + name.substr(dot);
}
bool IsPageName(std::string_view name) {
    const std::string extension = LowerExtensionOf(name);
    return extension == ".htm" || extension == ".html";
}
bool IsSiteFileAtTop(std::string_view name) { return IsPageName(name) || name == kFeed; }
std::string ShapedName(std::string_view name) {
    if (!IsJpegName(name)) return std::string(name);
    return std::string(name.substr(0, name.size() - ExtensionOf(name).size())) + ".jpg";
}
std::string StripName(std::string_view pictureBase, int strip) {
    return std::string(pictureBase) + "-" + std::to_string(strip) + ".jpg";
}

}  // namespace site_layout
}  // namespace palimora
