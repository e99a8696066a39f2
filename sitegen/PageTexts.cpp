#include "sitegen/PageTexts.h"

#include "project/CommaList.h"
#include "project/PictureNames.h"
#include "project/PictureTextFile.h"
#include "sitegen/TextWidth.h"

namespace palimora {

std::string PictureTitleOfPage(const PictureTextIndex& texts, std::string_view pageName) {
    const auto found = texts.Read(PictureNumberOfPage(pageName));
    return found ? found->title : std::string();
}

std::string PictureCommentHtml(const PictureTextIndex& texts, std::string_view pageName) {
    const auto found = texts.Read(PictureNumberOfPage(pageName));
    if (!found) return {};
    std::string html;
    for (const std::string& line : FromCommaList(found->comment)) {
        for (const std::string& shown : WrapLine(line, kCommentWrapWidth)) html += shown + " <br>";
    }
    return html;
}

}  // namespace palimora
