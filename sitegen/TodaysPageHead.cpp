#include "sitegen/TodaysPageHead.h"

#include "project/SiteLayout.h"
#include "sitegen/Fragments.h"

#include <vector>

namespace palimora {

namespace {

constexpr const char* kStyleSheetStart = "<style id=\"page-settings\">";

// A reference as a CSS url(): quotes, backslashes, line ends and "<" (which
// could end the style element) escaped.
std::string CssUrl(const std::string& reference) {
    std::string url = "url(\"";
    for (const char c : reference) {
        switch (c) {
            case '"': url += "\\\""; break;
            case '\\': url += "\\\\"; break;
            case '\n': url += "\\A "; break;
            case '\r': url += "\\D "; break;
            case '<': url += "\\3C "; break;
            default: url += c;
        }
    }
    return url + "\")";
}

std::string CssBackground(int colour, const std::string& picture) {
    return "background: " + HtmlColour(colour) + (picture.empty() ? "" : " " + CssUrl(picture)) + ";";
}

// The tags that name the page and its picture where it is shared, for a
// site whose address on the web is known.
std::vector<std::string> SharingTags(const std::string& titleLine, const HeadFacts& facts) {
    if (facts.webAddress.empty()) return {};
    std::string title = titleLine;
    if (title.rfind("<title>", 0) == 0 && title.size() >= 15) title = title.substr(7, title.size() - 15);
    std::vector<std::string> tags = {
        "<meta property=\"og:type\" content=\"website\">", "<meta property=\"og:title\" content=\"" + title + "\">",
        "<meta property=\"og:url\" content=\"" + facts.webAddress + facts.fileName + "\">"};
    if (!facts.sharedPicture.empty()) {
        tags.push_back("<meta property=\"og:image\" content=\"" + facts.webAddress + facts.sharedPicture + "\">");
    }
    return tags;
}

std::string DarkVariant(ColourScheme scheme) {
    if (scheme == ColourScheme::Light) return {};
    // Text, links and frames light on a dark ground, at least 7 : 1 each;
    // every colour the settings give (the background pictures too) gives way.
    const std::string rules =
        ":root { color-scheme: dark; } "
        "body, table.frame { background: #16181d !important; color: #e8e6e3 !important; } "
        "body [style*=\"color\"] { color: #e8e6e3 !important; } "
        "a:link, a:visited, a:active, a [style*=\"color\"] { color: #9cc7ff !important; } "
        "table.frame, table.frame > * > tr > td, td img { border-color: #454b57 !important; } "
        ".head, .nav a { border-color: rgba(255,255,255,.22) !important; } "
        ".foot { opacity: .85 !important; }";
    return scheme == ColourScheme::Dark ? " " + rules : " @media (prefers-color-scheme: dark) { " + rules + " }";
}

std::string ExtrasLayout(const VisitorExtras& extras) {
    if (!extras.photoFacts && !extras.slideshow && !extras.originalDownload && !extras.galleryArchive) return {};
    return " .facts { display: flex; flex-wrap: wrap; justify-content: center; gap: 2px 14px; margin: 10px 0 0;"
           " font-size: .9em; } .facts div { display: flex; gap: 5px; } .facts dt { font-weight: bold; }"
           " .facts dd { margin: 0; } .extras { margin: 10px 0 0; text-align: center; }"
           " .play { font: inherit; color: inherit; background: none; border: 1px solid; border-radius: 4px;"
           " padding: 1px 10px; margin: 0 4px; cursor: pointer; }"
           " html:not([data-browse]) .play { visibility: hidden; }";
}

}  // namespace

void TodaysPageHead::Write(PageLines& page, int title, const HeadFacts& facts) {
    for (int i = 0; i < page.Count(); ++i) {
        if (!SameLetters(page.Get(i), "<html>")) continue;
        page.Put(i, "<html lang=\"" + facts.languageTag + "\">");
        break;
    }
    if (title <= 0) return;
    std::vector<std::string> head;
    if (!facts.description.empty()) {
        head.push_back("<meta name=\"description\" content=\"" + HtmlText(facts.description) + "\">");
    }
    if (facts.built) {
        if (!facts.previousPage.empty()) head.push_back("<link rel=\"prev\" href=\"" + facts.previousPage + "\">");
        if (!facts.nextPage.empty()) head.push_back("<link rel=\"next\" href=\"" + facts.nextPage + "\">");
        if (facts.favicon) {
            head.push_back(std::string("<link rel=\"icon\" href=\"./") + site_layout::kParamFolder + "/" +
                           site_layout::kFavicon + "\" type=\"image/jpeg\">");
        }
        if (facts.feed) {
            head.push_back(std::string("<link rel=\"alternate\" type=\"application/atom+xml\" href=\"./") +
                           site_layout::kFeed + "\" title=\"" + HtmlText(facts.description) + "\">");
        }
        for (std::string& tag : SharingTags(page.Get(title), facts)) head.push_back(std::move(tag));
        head.push_back(std::string("<script src=\"./") + site_layout::kParamFolder + "/" +
                       site_layout::kBrowsingScript + "\" defer></script>");
    }
    page.InsertLines(title + 1, head);
}

std::string TodaysPageHead::SettingsStyleSheet(const PageAppearance& look, const Language& language,
                                               const VisitorExtras& extras) {
    std::string css = kStyleSheetStart;
    css += "body { " + CssBackground(look.backgroundColour, look.backgroundPicture) + " } ";
    css += "a:link, a:visited, a:active { color: " + HtmlColour(look.linkColour) + "; } ";
    const std::string table = std::string("table.") + TodaysMarkup::kTableClass;
    css += table + " { " + CssBackground(look.tableBackgroundColour, look.tableBackgroundPicture) +
           " border-spacing: " + CssPixels(look.tableCellSpacing) + ";";
    if (look.tableBorder > 0) css += " border: " + CssBorder(look.tableBorder, look.tableBorderColour) + ";";
    const std::string alignment = AlignmentKeyword(look.tableAlignment, language);
    if (!alignment.empty()) css += " text-align: " + alignment + ";";
    if (alignment == "center") css += " margin-left: auto; margin-right: auto;";
    if (alignment == "right") css += " margin-left: auto;";
    css += " } " + table + " > * > tr > td { padding: " + CssPixels(look.tableCellPadding) + ";";
    if (look.tableBorder > 0) css += " border: " + CssBorder(1, look.tableBorderColour) + ";";
    return css + " }" + ExtrasLayout(extras) + DarkVariant(extras.scheme) + "</style>";
}

bool TodaysPageHead::IsSettingsStyleSheet(const std::string& line) { return line.rfind(kStyleSheetStart, 0) == 0; }

void TodaysPageHead::PutSettingsStyleSheet(PageLines& page, int body, const std::string& sheet) {
    int written = -1, headEnd = -1;
    for (int i = 0; i < body; ++i) {
        const std::string line = page.Get(i);
        if (IsSettingsStyleSheet(line)) written = i;
        if (SameLetters(line, "</head>")) headEnd = i;
    }
    if (sheet.empty()) {
        if (written >= 0) page.Delete(written);
    } else if (written >= 0) {
        page.Put(written, sheet);
    } else if (body >= 0) {
        page.Insert(headEnd >= 0 ? headEnd : body, sheet);
    }
}

}  // namespace palimora
