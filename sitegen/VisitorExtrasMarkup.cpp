// What pages for today's browsers offer visitors beyond the pictures: the
// photo's facts, the play button of the slideshow and the downloads.

#include "common/Cp1252.h"
#include "imaging/PhotoFacts.h"
#include "lang/Language.h"
#include "project/ProjectLayout.h"
#include "project/SiteLayout.h"
#include "sitegen/Fragments.h"
#include "sitegen/PageWriter.h"
#include "styles/ProjectSettings.h"

#include <cstdio>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

namespace {

// "3.2 MB" or "850 KB", with the decimal comma of the languages that write one.
std::string SizeText(std::uintmax_t bytes, const Language& language) {
    const bool comma = language.LangText(TextId::LanguageTag).rfind("en", 0) != 0;
    char number[32];
    if (bytes >= 1000 * 1000) {
        std::snprintf(number, sizeof number, "%.1f", static_cast<double>(bytes) / 1e6);
    } else {
        std::snprintf(number, sizeof number, "%.0f", static_cast<double>(std::max<std::uintmax_t>(bytes, 1000)) / 1e3);
    }
    std::string text = number;
    if (comma) {
        if (const std::size_t point = text.find('.'); point != std::string::npos) text[point] = ',';
    }
    return text + "\xA0" + language.LangText(bytes >= 1000 * 1000 ? TextId::MegabytesUnit : TextId::KilobytesUnit);
}

}  // namespace

bool PageWriter::OffersExtras() const { return context_.buildMode && Markup().ForTodaysBrowsers(); }

std::string PageWriter::PictureExtras() const {
    if (!OffersExtras()) return {};
    const VisitorExtras& extras = extras_;
    const std::string& name = context_.currentPicture;
    const fs::path original = project_layout::PicturesFolder(ProjectFolder()) / name;
    std::string html;
    if (extras.photoFacts) html += FactsList(FactsOf(original));
    std::error_code error;
    // The file offered, as the build left it: none for a picture withheld from downloads.
    const std::string offered = site_layout::OriginalPicture(name, shownAsGiven_);
    const std::uintmax_t bytes = fs::file_size(ProjectFolder() / offered, error);
    if (extras.originalDownload && !error) {
        html += "<p><a class=\"download\" href=\"./" + offered + "\" download>" + HtmlText(Word(TextId::DownloadWord)) +
                " (" + SizeText(bytes, pageLanguage_) + ")</a></p>";
    }
    return html.empty() ? html : "<div class=\"extras\">" + html + "</div>";
}

std::string PageWriter::PlayButton() const {
    if (!OffersExtras() || context_.nextPage.empty()) return {};
    const VisitorExtras& extras = extras_;
    if (!extras.slideshow) return {};
    // The browsing script plays it and makes it seen; until then it keeps its room, so nothing moves.
    const std::string play = HtmlText(Word(TextId::PlayWord));
    return " <button type=\"button\" class=\"play\" aria-pressed=\"false\" data-seconds=\"" +
           std::to_string(extras.slideSeconds) + "\" data-play=\"" + play + "\" data-stop=\"" +
           HtmlText(Word(TextId::PauseWord)) + "\" title=\"" + play + "\" aria-label=\"" + play + "\">&#9654;</button>";
}

std::string PageWriter::FactsList(const PhotoFacts& facts) const {
    if (facts.Empty()) return {};
    std::string list = "<dl class=\"facts\" aria-label=\"" + HtmlText(Word(TextId::PictureFactsWord)) + "\">";
    const std::pair<TextId, const std::string*> rows[] = {
        {TextId::CameraWord, &facts.camera},           {TextId::LensWord, &facts.lens},
        {TextId::FocalLengthWord, &facts.focalLength}, {TextId::ApertureWord, &facts.aperture},
        {TextId::ExposureWord, &facts.exposure},       {TextId::IsoWord, &facts.iso},
        {TextId::DateTakenWord, &facts.taken}};
    for (const auto& [label, value] : rows) {
        if (value->empty()) continue;
        // EXIF texts are ASCII (PhotoFacts keeps nothing else): as Windows-1252 they are the same bytes.
        list += "<div><dt>" + HtmlText(Word(label)) + "</dt><dd>" + HtmlText(*value) + "</dd></div>";
    }
    return list + "</dl>";
}

std::string PageWriter::GalleryArchiveLink() const {
    if (!OffersExtras()) return {};
    const int gallery = context_.currentGallery;
    const std::uintmax_t bytes = sources_.archiveSizes[static_cast<std::size_t>(gallery - 1)];
    if (bytes == 0) return {};
    const std::string saveAs = HtmlText(Text(GalleryLine(SettingLine::GalleryName1, gallery))) + ".zip";
    return "<a class=\"download\" href=\"./" + std::string(site_layout::kDownloadFolder) + "/" +
           site_layout::GalleryArchiveName(gallery) + "\" download=\"" + saveAs + "\">" +
           HtmlText(Word(TextId::DownloadGalleryWord)) + " (" + SizeText(bytes, pageLanguage_) + ")</a> ";
}

}  // namespace palimora
