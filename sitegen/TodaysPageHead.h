#pragma once

#include "sitegen/PageLines.h"
#include "sitegen/PageMarkup.h"
#include "styles/VisitorExtras.h"

#include <string>

namespace palimora {

class Language;

// What the head of a page for today's browsers tells besides its title.
struct HeadFacts {
    std::string languageTag;             // of the site's language, for <html lang>
    std::string description;             // the site's title; empty for none
    bool built = false;                  // a page of the site, not a preview sample: the links below
    std::string previousPage, nextPage;  // a picture page's neighbours; empty for none
    bool favicon = false;                // param holds the site's icon
    bool feed = false;                   // the site has its feed
    std::string webAddress;              // where the site is published, ending in "/"; empty when not known
    std::string fileName;                // the page's own
    std::string sharedPicture;           // the picture the page is shared with, from the site's folder
};

// The head of a page for today's browsers: the language on <html>; after
// the title a description, the previous and next pages, the icon, the tags
// that name the page where it is shared and the browsing script; and the
// style sheet that gives the page, its links and its table what the
// designed pages give with attributes, as one line.
class TodaysPageHead {
public:
    // `title`: the line of the page's <title>.
    static void Write(PageLines& page, int title, const HeadFacts& facts);

    // With what the extras need: unless their scheme keeps the page light,
    // the dark variant of the look, where the settings' colours give way to
    // dark ones, always or when the visitor's system asks for them; the
    // layout of the photo's facts, the play button and the downloads.
    static std::string SettingsStyleSheet(const PageAppearance& appearance, const Language& language,
                                          const VisitorExtras& extras);
    static bool IsSettingsStyleSheet(const std::string& line);
    // Puts `sheet` at the end of the head, in place of one written before
    // (a preview sample is written again in place); an empty `sheet` takes
    // an earlier one out. `body`: the line of the BODY marker.
    static void PutSettingsStyleSheet(PageLines& page, int body, const std::string& sheet);
};

}  // namespace palimora
