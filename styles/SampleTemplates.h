#pragma once

#include "styles/SettingsLayout.h"

#include <string>

namespace palimora {

class Language;
class ProgramFolder;
class ProjectSettings;

// The three template lines (summary, gallery and picture template) and the
// sample page of the program folder each one fills: blanksom.htm,
// blankgal.htm, blankimg.htm. A build writes its pages from these working
// templates, and the preview shows them.
inline constexpr SettingLine kTemplateLines[] = {SettingLine::SummaryTemplate, SettingLine::GalleryTemplate,
                                                 SettingLine::PictureTemplate};
const char* SamplePageOf(SettingLine templateLine);

// Copies the template file `cp1252Item` of `templateLine`'s template folder
// over its sample page. When it is empty or its file is gone, the sample
// page is removed and false returned.
bool InstallTemplate(const ProgramFolder& folder, SettingLine templateLine, const std::string& cp1252Item);

// Copies the template chosen on `templateLine` over its sample page. When
// none is chosen or its file is gone, the sample page is removed (that kind
// of page is then skipped) and false returned.
bool InstallChosenTemplate(const ProgramFolder& folder, const ProjectSettings& settings, const Language& language,
                           SettingLine templateLine);

}  // namespace palimora
