// The summary page: one entry per gallery and the home link.

#include "common/FileNames.h"
#include "common/ProgramFolder.h"
#include "imaging/PictureReader.h"
#include "lang/Language.h"
#include "project/SiteLayout.h"
#include "sitegen/PageWriter.h"
#include "styles/SettingsLayout.h"

namespace palimora {

using L = SettingLine;

bool PageWriter::WriteSummaryPage() {
    PageLines page;
    if (!LoadTemplate(page, ProgramFolder::kSummarySample)) return false;
    WriteTitle(page, Word(TextId::SummaryWord) + " " + Text(L::SummaryTitle));
    WriteBody(page, PageKind::Summary);
    WriteSummaryTitleBlock(page);
    WriteSummaryTable(page);
    Finish(page, site_layout::kStartPage, PageKind::Summary);
    return true;
}

void PageWriter::WriteSummaryTitleBlock(PageLines& page) const {
    WriteTitleBlock(page, PageKind::Summary, Text(L::SummaryTitle));
}

// The summary's table as the settings lay it out: which entries it shows,
// under which names, and how many to a row.
struct PageWriter::SummaryTable {
    bool pictures = false, titles = false, homeOn = false;
    int perRow = 1;
    int rowSpan = 0, cellSpan = 0;
    std::string names[kEntries];  // empty for an entry not shown
    int count = 0;                // entries with a name
    int rows = 0;
};

// Where an entry's lines are in the template: its row, its picture and its title.
struct PageWriter::SummaryEntryLines {
    int row = 0;
    int imageMarker = 0, picture = 0, imageEnd = 0;
    int titleMarker = 0, title = 0, titleEnd = 0;
    int rowEnd = 0;
};

PageWriter::SummaryTable PageWriter::SummaryTableOf() const {
    SummaryTable table;
    table.pictures = On(L::SummaryGalleryPicturesShown);
    table.titles = On(L::SummaryGalleryTitlesShown);
    table.homeOn = On(L::HomeLinkShown);
    table.perRow = std::max(1, Num(L::SummaryTableEntriesPerRow));
    table.rowSpan =
        table.pictures && table.titles ? 2 * table.perRow : (!table.pictures && !table.titles ? 0 : table.perRow);
    table.cellSpan = !table.pictures && !table.titles ? 0 : 1;
    // In a build, a gallery that gets no page (galleries off, or an empty or
    // reversed range) is left out like an unnamed one: no link to a page
    // that is never written.
    const bool galleryPages = On(L::MakeGalleries);
    for (int e = 1; e <= kEntries; ++e) {
        std::string& name = table.names[e - 1];
        name = Text(e == kHomeEntry ? L::HomeTitle : GalleryLine(L::GalleryName1, e));
        if (context_.buildMode && e != kHomeEntry && (!galleryPages || context_.galleryCount[e - 1] == 0)) name.clear();
        if (!name.empty()) ++table.count;
    }
    table.rows = (table.count + table.perRow - 1) / table.perRow;
    return table;
}

void PageWriter::WriteSummaryTable(PageLines& page) const {
    const PageMarkup& markup = Markup();
    const SummaryTable table = SummaryTableOf();
    const int a = Find(page, "TABLEAU", 0);
    const int z = Find(page, "FINTABLEAU", a + 1);
    page.Put(a + 1, markup.AlignOpen(Item(L::SummaryTablePosition)));
    page.Put(a + 2, TableOpen(PageKind::Summary, table.pictures && table.titles));
    page.Put(z + 1, markup.BlockClose());
    markers_.InsertHeaderFooter(page, FileSetting(L::SummaryTopHtml), FileSetting(L::SummaryBottomHtml));
    for (int e = 1; e <= kEntries; ++e) WriteSummaryEntry(page, table, e);
    markers_.ClearSignature(page);
}

void PageWriter::WriteSummaryEntry(PageLines& page, const SummaryTable& table, int e) const {
    const std::string n = std::to_string(e);
    SummaryEntryLines at;
    at.row = Find(page, "SOMMAIRE" + n, 0) + 1;
    at.imageMarker = Find(page, "IMAGE" + n, at.row);
    at.picture = at.imageMarker + 1;
    at.imageEnd = Find(page, "FINIMAGE" + n, at.picture);
    at.titleMarker = Find(page, "TITRE" + n, at.row);
    at.title = at.titleMarker + 1;
    const bool home = e == kHomeEntry;
    const bool hidden = table.names[e - 1].empty() || (home && !table.homeOn);

    if (hidden) {
        if (at.picture < at.title) page.Put(at.picture - 2, {});
        ClearLines(page, at.picture, at.imageEnd - 1);
    } else if (table.pictures) {
        WriteSummaryEntryPicture(page, table, e, at.picture);
    } else {
        ClearLines(page, at.picture, at.imageEnd - 1);
    }

    at.titleEnd = Find(page, "FINTITRE" + n, at.title);
    if (hidden) {
        if (at.title < at.picture) page.Put(at.title - 2, {});
        ClearLines(page, at.title, at.titleEnd - 1);
    } else if (table.titles) {
        WriteSummaryEntryTitle(page, table, e, at.title);
    } else {
        ClearLines(page, at.title, at.titleEnd - 1);
    }

    at.rowEnd = Find(page, "FINSOMMAIRE" + n, at.row) - 1;
    if (hidden) {
        if (at.imageMarker < at.titleMarker) {
            ClearLines(page, at.row, at.imageMarker - 1);
            ClearLines(page, at.titleEnd + 1, at.rowEnd);
        } else {
            ClearLines(page, at.row, at.titleMarker - 1);
            ClearLines(page, at.imageEnd + 1, at.rowEnd);
        }
        return;
    }
    PutSummaryRowBreak(page, table, e, at);
}

std::string PageWriter::SummaryEntryLink(int e) const {
    return e == kHomeEntry ? Text(L::HomeLink) : GalleryPageName(context_, e);
}

void PageWriter::WriteSummaryEntryPicture(PageLines& page, const SummaryTable& table, int e, int p) const {
    const PageMarkup& markup = Markup();
    const bool home = e == kHomeEntry;
    const std::string& name = table.names[e - 1];
    const std::string link = SummaryEntryLink(e);
    std::string source;
    const std::string& first = home ? std::string() : context_.firstPicture[e - 1];
    if (home) {
        const std::string picture = Text(L::HomePicture);
        source = picture.empty()         ? std::string()
                 : IsWebAddress(picture) ? WebAddress(picture)
                                         : "./param/" + assets_.CopyIntoParam(picture);
    } else {
        source = !On(L::MakeThumbnails) ? "./" + SitePicture(first)
                 : IsJpegName(first)    ? "./tns_images/tns-" + first
                 : FormatOfName(first) == PictureFormat::Clip
                     ? "./" + std::string(site_layout::kSummaryThumbnailFolder) + "/" +
                           site_layout::SummaryThumbnailName(BaseName(first))
                     : "./" + SitePicture(first);
        if (!context_.buildMode && !SampleCover(e - 1).empty()) source = SampleCover(e - 1);
    }
    const std::string imageOpen =
        markup.ImageOpen(Num(L::SummaryGalleryPictureBorderWidth), Colour(L::SummaryGalleryPictureBorderColour));
    std::string element =
        "<a href=\"" + link + "\">" + imageOpen + "src=\"" + source + "\" alt=\"" + AltText(name, "") + "\"" +
        (home ? ShownSizeOfFile(source) : SizeAttributes(ShownSize(first, &ShownSizes::summary))) + " ";
    if (!home && ShownSize(first, &ShownSizes::summary2x)) {
        element += "srcset=\"./" + std::string(site_layout::kSummaryThumbnailFolder) + "/" +
                   site_layout::DoubleSizeName(site_layout::SummaryThumbnailName(BaseName(first))) + " 2x\" ";
    }
    if (!context_.buildMode) {
        element += "WIDTH=\"" + std::to_string(Num(L::SummaryGalleryPictureWidth)) + "\" HEIGHT=\"" +
                   std::to_string(Num(L::SummaryGalleryPictureHeight)) + "\" ";
    }
    element += "></a>";
    // A home link without a picture of its own shows no empty picture for
    // today's browsers: its title is the link, in the title cell, or here
    // when titles are not shown.
    if (home && source.empty() && markup.ForTodaysBrowsers()) {
        element = table.titles ? std::string() : LinkText(HtmlText(name), link);
    }
    page.Put(p, markup.CellOpen(table.cellSpan));
    page.Put(p + 1, markup.AlignOpen(Item(L::SummaryGalleryPicturePosition)));
    page.Put(p + 2, element);
    page.Put(p + 3, markup.BlockClose());
    page.Put(p + 4, markup.CellClose());
}

void PageWriter::WriteSummaryEntryTitle(PageLines& page, const SummaryTable& table, int e, int t) const {
    const PageMarkup& markup = Markup();
    page.Put(t, markup.CellOpen(table.cellSpan));
    page.Put(t + 1, markup.AlignOpen(Item(L::SummaryGalleryTitlePosition)));
    page.Put(t + 2, markup.TextOpen(Face(L::SummaryGalleryTitleFont), Num(L::SummaryGalleryTitleSize),
                                    Colour(L::SummaryGalleryTitleColour), Item(L::SummaryGalleryTitleStyle)));
    page.Put(t + 3, LinkText(HtmlText(table.names[e - 1]), SummaryEntryLink(e)));
    page.Put(t + 4, markup.TextClose(Item(L::SummaryGalleryTitleStyle)));
    page.Put(t + 5, markup.BlockClose());
    page.Put(t + 6, markup.CellClose());
}

void PageWriter::PutSummaryRowBreak(PageLines& page, const SummaryTable& table, int e,
                                    const SummaryEntryLines& at) const {
    const bool home = e == kHomeEntry;
    const int position = home ? table.count - 1 : e - 1;
    if (e == 1 || position % table.perRow != 0) {
        page.Put(at.row, {});
        page.Put(at.rowEnd, {});
        return;
    }
    int padding = 0;
    const int remaining = table.count - e + (table.homeOn ? 1 : 0);
    if ((e + table.perRow - 1) / table.perRow == table.rows && remaining != table.perRow) {
        padding = PaddingCells(L::SummaryTablePosition, table.perRow - remaining, table.pictures, table.titles);
    }
    page.Put(at.row, Markup().RowBreak(table.rowSpan, padding, table.cellSpan));
    page.Put(at.rowEnd, {});
}

}  // namespace palimora
