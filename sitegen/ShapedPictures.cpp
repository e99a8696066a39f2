#include "sitegen/ShapedPictures.h"

#include "common/Cp1252.h"
#include "styles/ProjectSettings.h"

namespace palimora {

std::filesystem::path StampPicture(const ProjectSettings& settings, const Language& language,
                                   const std::string& projectName) {
    if (!settings.Check(SettingLine::StampCopyright)) return {};
    return PathFromCp1252(settings.Text(SettingLine::CopyrightPicture, language, projectName));
}

bool ShowsShapedPictures(const ProjectSettings& settings, const Language& language, const std::string& projectName) {
    const bool limited = settings.Number(SettingLine::LargestPictureWidth) != 0 &&
                         settings.Number(SettingLine::LargestPictureHeight) != 0;
    const bool stamped =
        settings.Number(SettingLine::PictureStrips) <= 1 && !StampPicture(settings, language, projectName).empty();
    return limited || stamped;
}

}  // namespace palimora
