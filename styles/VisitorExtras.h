#pragma once

#include <string>

namespace palimora {

// Which colours the pages for today's browsers show.
enum class ColourScheme {
    Light,          // the colours the settings give, always
    Dark,           // the dark variant, always
    FollowVisitor,  // the dark variant when the visitor's system asks for it
};

// What pages for today's browsers offer visitors beyond the pictures, each
// on or off. Held on one settings line as "key=value" words; a project saved
// before these existed has an empty line and so has every extra off. A word
// the program does not know, or a value it cannot read, leaves that extra as
// an empty line has it.
struct VisitorExtras {
    static constexpr int kSlideSecondsMinimum = 1;
    static constexpr int kSlideSecondsMaximum = 60;
    static constexpr int kSlideSecondsDefault = 5;

    bool originalDownload = false;  // picture pages link the picture as the user gave it
    bool galleryArchive = false;    // gallery pages link a ZIP of the gallery's pictures
    bool slideshow = false;         // picture pages have a play button
    int slideSeconds = kSlideSecondsDefault;
    ColourScheme scheme = ColourScheme::Light;
    bool photoFacts = false;  // the camera's facts under the picture
    bool feed = false;        // feed.xml, when the site's web address is known

    // What a new project starts with.
    static VisitorExtras ForNewProjects();

    static VisitorExtras Read(const std::string& line);
    std::string Write() const;

    bool operator==(const VisitorExtras&) const = default;
};

}  // namespace palimora
