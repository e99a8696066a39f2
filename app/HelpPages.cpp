#include "app/HelpPages.h"

namespace palimora {

std::optional<std::filesystem::path> HelpPageFor(const ProgramFolder& folder, std::string_view languageCode,
                                                 ShownPanel shown) {
    const char* page = nullptr;
    switch (shown) {
        case ShownPanel::PictureList: page = "sommairewebs.htm"; break;
        case ShownPanel::SummaryStyles: page = "etape2.htm"; break;
        case ShownPanel::GalleryStyles: page = "etape2b.htm"; break;
        case ShownPanel::PictureStyles: page = "etape2c.htm"; break;
        case ShownPanel::Nothing: return std::nullopt;
    }
    return folder.HelpFolder(languageCode) / page;
}

std::filesystem::path PublishHelpPage(const ProgramFolder& folder, std::string_view languageCode) {
    return folder.HelpFolder(languageCode) / "etape4.htm";
}

std::filesystem::path WelcomePage(const ProgramFolder& folder, std::string_view languageCode) {
    return folder.HelpFolder(languageCode) / "infos.htm";
}

}  // namespace palimora
