#include "sitegen/PageTexts.h"

#include "project/CommaList.h"
#include "project/PictureNames.h"
#include "project/PictureTextFile.h"
#include "sitegen/Fragments.h"
#include "sitegen/TextWidth.h"

#include <algorithm>

namespace palimora {

std::string PictureTitleOfPage(const PictureTextIndex& texts, std::string_view pageName) {
    const auto found = texts.Read(PictureNumberOfPage(pageName));
    return found ? found->title : std::string();
}

std::string WithLinks(const std::string& html) {
    std::string linked;
    std::size_t done = 0;
    while (true) {
        std::size_t start = std::string::npos;
        for (const char* scheme : {"https://", "http://", "mailto:"}) start = std::min(start, html.find(scheme, done));
        if (start == std::string::npos) break;
        std::size_t end = html.find_first_of(" \t<>\"", start);
        if (end == std::string::npos) end = html.size();
        // A full stop or a closing bracket after an address ends the sentence, not the address.
        while (end > start && std::string_view(".,;:!?)'").find(html[end - 1]) != std::string_view::npos) --end;
        const std::string address = html.substr(start, end - start);
        const bool bare = address == "https://" || address == "http://" || address == "mailto:";
        linked += html.substr(done, start - done);
        linked += bare ? address : "<a href=\"" + address + "\">" + address + "</a>";
        done = end;
    }
    return linked + html.substr(done);
}

std::string PictureCommentHtml(const PictureTextIndex& texts, std::string_view pageName, CommentAs as) {
    const auto found = texts.Read(PictureNumberOfPage(pageName));
    if (!found) return {};
    std::string html;
    for (const std::string& line : FromCommaList(found->comment)) {
        if (as == CommentAs::Text) {
            html += WithLinks(HtmlText(line)) + " <br>";
            continue;
        }
        for (const std::string& shown : WrapLine(line, kCommentWrapWidth)) html += shown + " <br>";
    }
    return html;
}

}  // namespace palimora
