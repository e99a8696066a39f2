#include "sitegen/SiteFeed.h"

#include "imaging/PhotoFacts.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

namespace {

constexpr const char* kEpoch = "1970-01-01T00:00:00Z";

// Text as XML character data or an attribute's value; what XML 1.0 cannot
// hold (the control characters) left out.
std::string XmlText(const std::string& utf8) {
    std::string text;
    for (const char c : utf8) {
        switch (c) {
            case '&': text += "&amp;"; break;
            case '<': text += "&lt;"; break;
            case '>': text += "&gt;"; break;
            case '"': text += "&quot;"; break;
            case '\'': text += "&apos;"; break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n') text += c;
        }
    }
    return text;
}

std::string AtomDate(std::time_t time) {
    std::tm utc{};
    gmtime_r(&time, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

}  // namespace

std::string NewestPictureDate(const std::vector<fs::path>& pictures) {
    std::string newestTaken;  // "YYYY:MM:DD HH:MM:SS" compares as a date
    std::time_t newestFile = 0;
    for (const fs::path& picture : pictures) {
        newestTaken = std::max(newestTaken, DateTakenOf(picture));
        std::error_code error;
        const auto modified = fs::last_write_time(picture, error);
        if (error) continue;
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
            std::chrono::file_clock::to_sys(modified).time_since_epoch());
        newestFile = std::max(newestFile, static_cast<std::time_t>(seconds.count()));
    }
    if (newestTaken.size() == 19) {
        std::string date = newestTaken;
        date[4] = date[7] = '-';
        date[10] = 'T';
        return date + "Z";
    }
    return newestFile > 0 ? AtomDate(newestFile) : kEpoch;
}

std::string SiteFeed::Xml() const {
    std::string updated = kEpoch;
    for (const Entry& entry : entries) updated = std::max(updated, entry.updated);
    const std::string site = XmlText(webAddress);
    std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<feed xmlns=\"http://www.w3.org/2005/Atom\">\n";
    xml += "  <id>" + site + "</id>\n  <title>" + XmlText(title) + "</title>\n  <updated>" + updated + "</updated>\n";
    xml += "  <author><name>" + XmlText(title) + "</name></author>\n";
    xml += "  <link rel=\"self\" type=\"application/atom+xml\" href=\"" + site + "feed.xml\"/>\n";
    xml += "  <link rel=\"alternate\" type=\"text/html\" href=\"" + site + "\"/>\n";
    xml += "  <generator>Palimora</generator>\n";
    for (const Entry& entry : entries) {
        const std::string page = site + XmlText(entry.page);
        xml += "  <entry>\n    <id>" + page + "</id>\n    <title>" + XmlText(entry.name) + "</title>\n";
        xml += "    <updated>" + entry.updated + "</updated>\n";
        xml += "    <link rel=\"alternate\" type=\"text/html\" href=\"" + page + "\"/>\n";
        if (!entry.cover.empty()) {
            const std::string cover = site + XmlText(entry.cover);
            xml += "    <link rel=\"enclosure\" type=\"image/jpeg\" href=\"" + cover + "\"/>\n";
            xml += "    <content type=\"html\">" +
                   XmlText("<p><a href=\"" + page + "\"><img src=\"" + cover + "\" alt=\"" + XmlText(entry.name) +
                           "\"></a></p>") +
                   "</content>\n";
        }
        xml += "  </entry>\n";
    }
    return xml + "</feed>\n";
}

}  // namespace palimora
