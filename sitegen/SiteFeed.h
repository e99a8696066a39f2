#pragma once

#include "sitegen/Galleries.h"

#include <filesystem>
#include <string>
#include <vector>

namespace palimora {

// feed.xml, an Atom feed of a built site: one entry per gallery with its
// name, its page, its cover and the date of its newest picture, so that
// visitors' feed readers learn of new galleries. Every address in it is
// absolute, from the site's web address.
struct SiteFeed {
    std::string webAddress;  // ending in "/"
    std::string title;       // the site's, UTF-8
    // For each gallery with pictures, in order: its name (UTF-8), its page, its
    // cover as a reference from the site's folder, and when its newest
    // picture was taken ("YYYY-MM-DDTHH:MM:SSZ").
    struct Entry {
        std::string name;
        std::string page;
        std::string cover;
        std::string updated;
    };
    std::vector<Entry> entries;

    std::string Xml() const;
};

// When the newest of some pictures was taken, as an Atom date: the latest
// date taken their EXIF holds (a camera's clock has no zone: it is written
// as if it were UTC), else the latest time a file came into the project.
std::string NewestPictureDate(const std::vector<std::filesystem::path>& pictures);

}  // namespace palimora
