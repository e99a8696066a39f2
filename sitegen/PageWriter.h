#pragma once

#include "lang/Language.h"
#include "sitegen/BuildContext.h"
#include "sitegen/Fragments.h"
#include "sitegen/Galleries.h"
#include "sitegen/MadeFiles.h"
#include "sitegen/Markers.h"
#include "sitegen/PageLines.h"
#include "sitegen/PageMarkup.h"
#include "sitegen/PreviewPictures.h"
#include "sitegen/ShownSizes.h"
#include "sitegen/TodaysPageHead.h"
#include "styles/PageKind.h"
#include "styles/SettingsLayout.h"

#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

namespace palimora {

class Language;
class PictureTextIndex;
class ProgramFolder;
class ProjectSettings;
class UserDialogs;

// What the page writers read besides the build context.
struct PageSources {
    const ProgramFolder& folder;
    std::string projectName;
    const Language& language;
    const ProjectSettings& settings;
    const PictureTextIndex& texts;          // titles and comments, read once from images.dat
    std::vector<std::string> pictureNames;  // the project's pictures, in list order
    ShownSizesByName shownSizes;            // a build's: the sizes its pages show the pictures at
    SamplePictures samplePictures;          // the preview's: what its samples show (PrepareSamplePictures)
    MadeFiles* madeFiles = nullptr;         // a build's: told of every file the pages make
    GalleryArchiveSizes archiveSizes{};     // a build's: the bytes of each gallery's ZIP, 0 for none
};

// Writes the three kinds of page from the working templates (blanksom.htm,
// blankgal.htm, blankimg.htm in the program folder): the same writers make
// the real site (context.buildMode) and the preview samples.
struct PhotoFacts;

class PageWriter {
public:
    PageWriter(PageSources sources, BuildContext& context, UserDialogs& dialogs);

    // Whole pages, saved into the project folder. False, silently, when the
    // working template is missing.
    bool WritePicturePage(int pictureNumber);
    bool WriteGalleryPage(int gallery);
    bool WriteSummaryPage();

    // Rebuilds a preview sample in place: the sample page of the program
    // folder (blanksom.htm, blankgal.htm, blankimg.htm) run through its
    // kind's writers and saved back with its markers and without a page
    // title, so it can be rebuilt any number of times. Run with a sample
    // context (BuildMode false). False, silently, when the sample is missing.
    bool WriteSample(PageKind kind);

    // One message for every marker the pages written so far lacked (see
    // Markers::TellMissing, with the missing header and footer files); a
    // build calls it once, after its pages.
    void TellMissingMarkers() const { markers_.TellMissing(); }
    // One message for every picture the pages written so far name but that
    // could not be copied into param; a build calls it once, after its pages.
    void TellFailedCopies() const { assets_.TellFailedCopies(dialogs_, sources_.language); }

    // What the pages written so far found missing (markers, header and footer
    // files, copies into param), forgotten here; and the same from another
    // writer's pages, added as if this one had found it, so that pages
    // written on several threads are told as one writer tells them.
    struct Findings {
        Markers::Missing missing;
        std::vector<std::string> failedCopies;
    };
    Findings TakeFindings() const { return {markers_.TakeMissing(), assets_.TakeFailedCopies()}; }
    void AddFindings(const Findings& findings) const {
        markers_.Add(findings.missing);
        assets_.AddFailedCopies(findings.failedCopies);
    }

    // The writers the pages are made of, also run by the preview on a sample.
    void WriteTitle(PageLines& page, const std::string& text) const;
    void WriteBody(PageLines& page, PageKind kind) const;
    // The title block of a page of `kind`, saying `text`, as the settings show it.
    void WriteTitleBlock(PageLines& page, PageKind kind, const std::string& text) const;
    void WritePictureTable(PageLines& page) const;
    void WritePicture(PageLines& page) const;
    void WriteComment(PageLines& page) const;
    void WriteTextButtons(PageLines& page) const;
    void WritePictureButtons(PageLines& page) const;
    void WriteGalleryTable(PageLines& page) const;
    void WriteSummaryTable(PageLines& page) const;

    // The picture-page title block, as WritePicturePage writes it.
    void WritePictureTitleBlock(PageLines& page, const std::string& title) const;
    void WriteGalleryTitleBlock(PageLines& page, const std::string& title) const;
    void WriteSummaryTitleBlock(PageLines& page) const;

    std::filesystem::path ProjectFolder() const;

private:
    // A title block as the settings show it.
    struct TitleBlock {
        bool shown = false;
        std::string font;
        std::string alignment;
        int size = 0;
        int colour = 0;
        std::string style;
    };
    TitleBlock TitleBlockOf(PageKind kind) const;
    // The cells a title block's own row spans in the table of a summary or gallery page.
    int TitleRowSpan(PageKind kind) const;

    // Settings lines as their controls show them.
    bool On(SettingLine line) const;
    int Num(SettingLine line) const;
    int Colour(SettingLine line) const;
    std::string Text(SettingLine line) const;
    std::string Item(SettingLine line) const;
    std::string Face(SettingLine line) const;
    std::string Word(TextId text) const;
    std::filesystem::path FileSetting(SettingLine line) const;

    int Find(const PageLines& page, const std::string& name, int start) const {
        return markers_.Find(page, name, start);
    }
    bool LoadTemplate(PageLines& page, const char* workingTemplate) const;
    void Finish(PageLines& page, const std::string& fileName, PageKind kind) const;
    // What the head of a page for today's browsers tells (TodaysPageHead).
    HeadFacts HeadFactsOf(const std::string& fileName, PageKind kind) const;
    // The size at which the built site shows a picture of the project
    // (which: one of ShownSizes' members), for today's browsers; nothing
    // for other pages and for a size not known.
    std::optional<PictureSize> ShownSize(const std::string& name, std::optional<PictureSize> ShownSizes::*which) const;
    // ` width="W" height="H"` of a file of the site referenced as
    // "./param/<name>", for today's browsers.
    std::string ShownSizeOfFile(const std::string& reference) const;
    // The preview's picture for entry `index` (0-based) of the gallery and
    // picture samples, its pictures taken in turn, and for gallery `index`
    // of the summary sample; empty when it has none.
    std::string SamplePicture(int index) const;
    std::string SampleCover(int index) const;
    // The user's title of the sample's entry `index` (`otherwise` for none)
    // and the first picture's comment (empty for none).
    std::string SampleTitle(int index, const std::string& otherwise) const;
    std::string SampleCommentHtml() const;
    // The entries of the gallery sample: the first gallery's, or 50 placeholders.
    int SampleGalleryEntries() const;
    // Where the site's pages find picture `name` of the project, from the
    // site's folder ("images/<name>", or "web_images/..." when the settings
    // shape the pictures the site shows).
    std::string SitePicture(const std::string& name) const;
    // The alt text of a picture: its title for today's browsers, else `otherwise`.
    std::string AltText(const std::string& title, const std::string& otherwise) const;

    // The tags the pages are written with: the designed ones, or today's.
    const PageMarkup& Markup() const;
    PageAppearance AppearanceOf(PageKind kind) const;
    // For today's browsers, the page's colours and table as a style sheet in
    // its head (`body`: the BODY marker's line); none for the designed pages.
    void WriteSettingsStyleSheet(PageLines& page, PageKind kind, int body) const;
    // The page's table; `paired` when its cells alternate picture and title,
    // which the style sheet of today's pages tells an older engine by class.
    std::string TableOpen(PageKind kind, bool paired = false) const;
    std::string ThumbnailTitleOpen(const PageMarkup& markup) const;

    // The summary's table: its entries are the galleries and the home link.
    static constexpr int kEntries = kMaxGalleries + 1;
    static constexpr int kHomeEntry = kEntries;
    struct SummaryTable;
    struct SummaryEntryLines;
    SummaryTable SummaryTableOf() const;
    void WriteSummaryEntry(PageLines& page, const SummaryTable& table, int entry) const;
    void WriteSummaryEntryPicture(PageLines& page, const SummaryTable& table, int entry, int line) const;
    void WriteSummaryEntryTitle(PageLines& page, const SummaryTable& table, int entry, int line) const;
    void PutSummaryRowBreak(PageLines& page, const SummaryTable& table, int entry, const SummaryEntryLines& at) const;
    std::string SummaryEntryLink(int entry) const;

    // A gallery page's grid of thumbnails and the row of links under it.
    struct GalleryGrid;
    void ClearGalleryEntriesFrom(PageLines& page, int first) const;
    // Writes entry j; returns the line its template lines end on.
    int WriteGalleryEntry(PageLines& page, const GalleryGrid& grid, int j) const;
    std::string GalleryThumbnail(int j, const std::string& title) const;
    void WriteGalleryLinks(PageLines& page, const GalleryGrid& grid, int from) const;

    // A picture page's picture: whole, or in strips (the JPEG pictures cut in several).
    struct ShownPicture;
    std::string WholePicture(const ShownPicture& shown) const;
    // A clip's page: its video for today's browsers, else its poster linked to it.
    std::string Clip(const ShownPicture& shown) const;
    std::string PictureStrips(const ShownPicture& shown, int strips, const std::string& align) const;

    void WriteButtons(PageLines& page, bool pictures) const;
    // Where the gallery page being written starts in its gallery (0 for its first page).
    int FirstEntryOfPart() const;
    // The links to the other pages of a gallery that continues, current page unlinked.
    std::string GalleryPartLinks() const;
    // What today's pages of a build offer visitors (VisitorExtrasMarkup.cpp):
    // under a picture its facts and its download, beside its buttons the
    // slideshow's play button; on a
    // gallery page the link to its ZIP. Empty where nothing is offered.
    bool OffersExtras() const;
    std::string PictureExtras() const;
    std::string PlayButton() const;
    std::string FactsList(const PhotoFacts& facts) const;
    std::string GalleryArchiveLink() const;
    std::string GalleryPictureName(int j) const;
    std::string GalleryPicturePage(int j) const;
    // The empty cells in front of a last row that is `missing` entries
    // short, by the table's alignment (its settings line): none on the left,
    // half of the entry cells when centred, all of them on the right.
    int PaddingCells(SettingLine alignmentLine, int missing, bool pictures, bool titles) const;

    PageSources sources_;
    Language pageLanguage_;  // the site's: its fixed words and default texts
    DesignedMarkup designedMarkup_;
    TodaysMarkup todaysMarkup_;
    std::string webAddress_;       // a build's: where the site is published, ending in "/"; empty when not known
    bool favicon_ = false;         // a build's: param holds the site's icon
    bool shapedPictures_ = false;  // the site shows its pictures from web_images
    bool shownAsGiven_ = false;    // the site shows its pictures as the user gave them (images/)
    VisitorExtras extras_;         // what the pages offer visitors, read once from its settings line
    mutable std::unordered_map<std::string, std::string> fileSizes_;  // ShownSizeOfFile's, by reference
    // The working templates' lines, read once a writer: a build writes them before its pages.
    mutable std::unordered_map<std::string, std::vector<std::string>> templates_;
    BuildContext& context_;
    UserDialogs& dialogs_;
    Markers markers_;
    AssetReferences assets_;
};

}  // namespace palimora
