// Gallery pages: a grid of thumbnails and the links to the other pages.

#include "common/FileNames.h"
#include "common/ProgramFolder.h"
#include "imaging/PictureReader.h"
#include "lang/Language.h"
#include "project/SiteLayout.h"
#include "sitegen/PageTexts.h"
#include "sitegen/PageWriter.h"
#include "styles/SettingsLayout.h"

#include <algorithm>

namespace palimora {

using L = SettingLine;

namespace {

int RoundUp(int count, int perRow) { return (count + perRow - 1) / perRow; }

// The rows of thumbnails a first screen shows at most.
constexpr int kEagerRows = 3;

}  // namespace

std::string PageWriter::GalleryPictureName(int j) const {
    const int position = context_.firstPosition[context_.currentGallery - 1] + FirstEntryOfPart() + j - 1;
    const auto& names = sources_.pictureNames;
    return position >= 0 && position < static_cast<int>(names.size()) ? names[position] : std::string();
}

std::string PageWriter::GalleryPicturePage(int j) const {
    const std::string name = GalleryPictureName(j);
    return site_layout::PicturePage(context_.currentGallery, name.substr(0, name.size() - ExtensionOf(name).size()));
}

int PageWriter::FirstEntryOfPart() const {
    return context_.buildMode ? (context_.galleryPart - 1) * BuildContext::kGalleryCapacity : 0;
}

std::string PageWriter::GalleryPartLinks() const {
    const int gallery = context_.currentGallery;
    const int parts =
        context_.buildMode ? GalleryParts(context_.galleryCount[gallery - 1], context_.galleryContinues) : 1;
    if (parts == 1) return {};
    std::string links;
    for (int part = 1; part <= parts; ++part) {
        const std::string number = std::to_string(part);
        links += part == context_.galleryPart ? "<strong aria-current=\"page\">" + number + "</strong>"
                                              : LinkText(number, site_layout::GalleryPage(gallery, part));
        links += " ";
    }
    return links;
}

bool PageWriter::WriteGalleryPage(int gallery) {
    PageLines page;
    if (!LoadTemplate(page, ProgramFolder::kGallerySample)) return false;
    WriteBody(page, PageKind::Gallery);
    WriteGalleryTitleBlock(page, Text(GalleryLine(L::GalleryName1, gallery)));
    const std::string part = context_.galleryPart > 1 ? " - " + std::to_string(context_.galleryPart) : "";
    WriteTitle(page, Text(L::SummaryTitle) + " " + Word(TextId::GalleryWord) + " " + std::to_string(gallery) + part);
    WriteGalleryTable(page);
    Finish(page, site_layout::GalleryPage(gallery, context_.galleryPart), PageKind::Gallery);
    return true;
}

void PageWriter::WriteGalleryTitleBlock(PageLines& page, const std::string& title) const {
    WriteTitleBlock(page, PageKind::Gallery, title);
}

std::string PageWriter::ThumbnailTitleOpen(const PageMarkup& markup) const {
    return markup.TextOpen(Face(L::GalleryThumbnailTitleFont), Num(L::GalleryThumbnailTitleSize),
                           Colour(L::GalleryThumbnailTitleColour), Item(L::GalleryThumbnailTitleStyle));
}

// A gallery page's grid as the settings lay it out.
struct PageWriter::GalleryGrid {
    int count = 0;  // entries on this page
    int perRow = 1;
    int rows = 0;
    bool titles = false;
    int rowSpan = 0;
};

void PageWriter::WriteGalleryTable(PageLines& page) const {
    const PageMarkup& markup = Markup();
    GalleryGrid grid;
    // A template holds 50 entries: a larger gallery shows its first 50, or,
    // when it continues, the next 50 on each further page (each picture still
    // has its page, chained to its neighbours).
    grid.count = context_.buildMode ? std::min(context_.galleryCount[context_.currentGallery - 1] - FirstEntryOfPart(),
                                               BuildContext::kGalleryCapacity)
                                    : SampleGalleryEntries();
    grid.perRow = std::max(1, Num(L::GalleryTablePicturesPerRow));
    grid.rows = RoundUp(grid.count, grid.perRow);
    grid.titles = On(L::GalleryThumbnailTitlesShown);
    grid.rowSpan = grid.titles ? 2 * grid.perRow : grid.perRow;

    ClearGalleryEntriesFrom(page, grid.count + 1);
    markers_.InsertHeaderFooter(page, FileSetting(L::GalleryTopHtml), FileSetting(L::GalleryBottomHtml));
    const int table = Find(page, "TABLEAU", 0) + 1;
    page.Put(table, markup.AlignOpen(Item(L::GalleryTablePosition)));
    page.Put(table + 1, TableOpen(PageKind::Gallery, grid.titles));
    int end = 0;
    for (int j = 1; j <= grid.count; ++j) end = WriteGalleryEntry(page, grid, j);
    WriteGalleryLinks(page, grid, end);
    markers_.ClearSignature(page);
}

void PageWriter::ClearGalleryEntriesFrom(PageLines& page, int first) const {
    for (int j = first; j <= BuildContext::kGalleryCapacity; ++j) {
        const std::string n = std::to_string(j);
        const int r = Find(page, "SOMMAIRE" + n, 0) + 1;
        const int p = Find(page, "IMAGE" + n, r) + 1;
        const int pe = Find(page, "FINIMAGE" + n, p) - 1;
        const int t = Find(page, "TITRE" + n, r) + 1;
        const int te = Find(page, "FINTITRE" + n, t);
        const int s = Find(page, "FINSOMMAIRE" + n, te - 1) - 1;
        ClearLines(page, p, pe);
        ClearLines(page, t, te - 1);
        page.Put(r, {});
        page.Put(s, {});
    }
}

std::string PageWriter::GalleryThumbnail(int j, const std::string& title) const {
    const std::string name = GalleryPictureName(j);
    std::string link = ProgramFolder::kPictureSample;
    if (context_.buildMode) link = On(L::MakePicturePages) ? GalleryPicturePage(j) : "./" + SitePicture(name);
    std::string source =
        !On(L::MakeThumbnails) ? "./" + SitePicture(name)
        : IsJpegName(name)     ? "./tn_images/tn-" + name
        : FormatOfName(name) == PictureFormat::Clip
            ? "./" + std::string(site_layout::kThumbnailFolder) + "/" + site_layout::ThumbnailName(BaseName(name))
            : "./" + SitePicture(name);
    if (!context_.buildMode && !SamplePicture(j - 1).empty()) source = SamplePicture(j - 1);
    const std::string imageOpen =
        Markup().ImageOpen(Num(L::GalleryThumbnailBorderWidth), Colour(L::GalleryThumbnailBorderColour));
    std::string picture = "<a href=\"" + link + "\">" + imageOpen + "src=\"" + source + "\" alt=\"" +
                          AltText(title, "") + "\"" + SizeAttributes(ShownSize(name, &ShownSizes::thumbnail)) + " ";
    if (ShownSize(name, &ShownSizes::thumbnail2x)) {
        picture += "srcset=\"" + source.substr(0, source.rfind('/') + 1) +
                   site_layout::DoubleSizeName(site_layout::ThumbnailName(BaseName(name))) + " 2x\" ";
    }
    // Past the first rows, below the first screen, thumbnails load as the visitor scrolls to them.
    const int perRow = std::max(1, Num(L::GalleryTablePicturesPerRow));
    if (context_.buildMode && On(L::TodaysBrowsers) && j > kEagerRows * perRow) picture += "loading=\"lazy\" ";
    if (!context_.buildMode) {
        picture += "WIDTH=\"" + std::to_string(Num(L::GalleryThumbnailWidth)) + "\" HEIGHT=\"" +
                   std::to_string(Num(L::GalleryThumbnailHeight)) + "\" ";
    }
    return picture + "></a>";
}

int PageWriter::WriteGalleryEntry(PageLines& page, const GalleryGrid& grid, int j) const {
    const PageMarkup& markup = Markup();
    const std::string n = std::to_string(j);
    const int r = Find(page, "SOMMAIRE" + n, 0) + 1;
    const int p = Find(page, "IMAGE" + n, r) + 1;
    const std::string title = !(grid.titles || On(L::TodaysBrowsers)) ? std::string()
                              : context_.buildMode ? PictureTitleOfPage(sources_.texts, GalleryPicturePage(j))
                                                   : SampleTitle(j - 1, Word(TextId::PictureWord) + " " + n);
    page.Put(p, markup.CellOpen(1));
    page.Put(p + 1, markup.AlignOpen(Item(L::GalleryThumbnailPosition)));
    page.Put(p + 2, GalleryThumbnail(j, title));
    page.Put(p + 3, markup.BlockClose());
    page.Put(p + 4, markup.CellClose());

    const int t = Find(page, "TITRE" + n, r) + 1;
    if (grid.titles) {
        const std::string titleLink = context_.buildMode ? LinkText(HtmlText(title), GalleryPicturePage(j))
                                                         : LinkText(HtmlText(title), ProgramFolder::kPictureSample);
        page.Put(t, markup.CellOpen(1));
        page.Put(t + 1, markup.AlignOpen(Item(L::GalleryThumbnailTitlePosition)));
        page.Put(t + 2, ThumbnailTitleOpen(markup));
        page.Put(t + 3, titleLink);
        page.Put(t + 4, markup.TextClose(Item(L::GalleryThumbnailTitleStyle)));
        page.Put(t + 5, markup.BlockClose());
        page.Put(t + 6, markup.CellClose());
    } else {
        ClearLines(page, t, t + 6);
    }
    const int s = Find(page, "FINSOMMAIRE" + n, t) - 1;
    if (j == 1 || (j - 1) % grid.perRow != 0) {
        page.Put(r, {});
        page.Put(s, {});
        return s;
    }
    int padding = 0;
    const int remaining = grid.count - j + 1;
    if (RoundUp(j, grid.perRow) == grid.rows && remaining != grid.perRow) {
        padding = PaddingCells(L::GalleryTablePosition, grid.perRow - remaining, true, grid.titles);
    }
    page.Put(r, markup.RowBreak(grid.rowSpan, padding, 1));
    page.Put(s, {});
    return s;
}

void PageWriter::WriteGalleryLinks(PageLines& page, const GalleryGrid& grid, int from) const {
    // The row of links under the grid: the summary, then the other galleries.
    const PageMarkup& markup = Markup();
    int p = Find(page, "TITRESOMMAIRE", from) + 1;
    page.Put(p - 5, markup.RowBreak(grid.rowSpan, 0, 1));
    page.Put(p - 4, markup.CellOpen(grid.rowSpan));
    page.Put(p - 3, markup.AlignOpen(Item(L::GalleryTablePosition)));
    page.Put(p - 2, ThumbnailTitleOpen(markup));
    page.Put(p, GalleryArchiveLink() + GalleryPartLinks() +
                    (On(L::MakeSummary)
                         ? LinkText(Word(TextId::SummaryWord),
                                    context_.buildMode ? site_layout::kStartPage : ProgramFolder::kSummarySample)
                         : std::string()));
    for (int g = 1; g <= kMaxGalleries; ++g) {
        const int y = Find(page, "TITREGALERIE" + std::to_string(g), p);
        p = y + 1;
        // A gallery without a page (no name, or no pictures) gets no link in a
        // build: an empty link to a page that does not exist is a dead link.
        const bool noPage = context_.buildMode && context_.galleryCount[g - 1] == 0;
        page.Put(p, g == context_.currentGallery || noPage
                        ? std::string()
                        : LinkText(HtmlText(Text(GalleryLine(L::GalleryName1, g))), GalleryPageName(context_, g)));
    }
    // The template closes that row as the designed fragments open it; for
    // today's browsers it is closed as it was opened, and a sample written
    // so gets the shipped templates' line back when written as designed.
    const std::string designedEnd = "</font></div></td></tr>", todaysEnd = "</span></div></td></tr>";
    if (markup.ForTodaysBrowsers() && SameLetters(page.Get(p + 1), designedEnd)) page.Put(p + 1, todaysEnd);
    if (!markup.ForTodaysBrowsers() && page.Get(p + 1) == todaysEnd) page.Put(p + 1, designedEnd);
    page.Put(Find(page, "FINTABLEAU", p) + 1, markup.BlockClose());
}

}  // namespace palimora
