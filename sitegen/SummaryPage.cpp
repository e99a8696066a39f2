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

namespace {

constexpr int kEntries = 11;  // ten galleries and the home link
constexpr int kHomeEntry = 11;

}  // namespace

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
    WriteTitleBlock(page, On(L::SummaryTitleShown), Face(L::SummaryTitleFont), 's', Text(L::SummaryTitle),
                    Item(L::SummaryTitlePosition), Num(L::SummaryTitleSize), Colour(L::SummaryTitleColour),
                    Item(L::SummaryTitleStyle));
}

void PageWriter::WriteSummaryTable(PageLines& page) const {
    const PageMarkup markup = Markup();
    const bool pictures = On(L::SummaryGalleryPicturesShown), titles = On(L::SummaryGalleryTitlesShown),
               homeOn = On(L::HomeLinkShown);
    const int perRow = std::max(1, Num(L::SummaryTableEntriesPerRow));
    const int rowSpan = pictures && titles ? 2 * perRow : (!pictures && !titles ? 0 : perRow);
    const int cellSpan = !pictures && !titles ? 0 : 1;
    const std::string cell = markup.CellOpen(cellSpan);

    std::string names[kEntries];
    int count = 0;
    // In a build, a gallery that gets no page (galleries off, or an empty or
    // reversed range) is left out like an unnamed one: no link to a page
    // that is never written.
    const bool galleryPages = On(L::MakeGalleries);
    for (int e = 1; e <= kEntries; ++e) {
        names[e - 1] = Text(e == kHomeEntry ? L::HomeTitle : GalleryLine(L::GalleryName1, e));
        if (context_.buildMode && e != kHomeEntry && (!galleryPages || context_.galleryCount[e - 1] == 0))
            names[e - 1].clear();
        if (!names[e - 1].empty()) ++count;
    }
    const int rows = (count + perRow - 1) / perRow;

    const int a = Find(page, "TABLEAU", 0);
    const int z = Find(page, "FINTABLEAU", a + 1);
    page.Put(a + 1, markup.AlignOpen(Item(L::SummaryTablePosition)));
    page.Put(a + 2, TableOpen(PageKind::Summary));
    page.Put(z + 1, markup.BlockClose());
    markers_.InsertHeaderFooter(page, FileSetting(L::SummaryTopHtml), FileSetting(L::SummaryBottomHtml));

    const std::string imageOpen =
        markup.ImageOpen(Num(L::SummaryGalleryPictureBorderWidth), Colour(L::SummaryGalleryPictureBorderColour));
    for (int e = 1; e <= kEntries; ++e) {
        const std::string n = std::to_string(e);
        const bool home = e == kHomeEntry;
        const bool hidden = names[e - 1].empty() || (home && !homeOn);
        const int r = Find(page, "SOMMAIRE" + n, 0) + 1;
        const int imageMarker = Find(page, "IMAGE" + n, r);
        const int p = imageMarker + 1;
        const int finImage = Find(page, "FINIMAGE" + n, p);
        const int pe = finImage - 1;
        const int titleMarker = Find(page, "TITRE" + n, r);
        const int t = titleMarker + 1;
        const std::string link = home ? Text(L::HomeLink) : GalleryPageName(context_, e);

        if (hidden) {
            if (p < t) page.Put(p - 2, {});
            ClearLines(page, p, pe);
        } else if (pictures) {
            std::string source;
            if (home) {
                const std::string picture = Text(L::HomePicture);
                source = picture.empty()         ? std::string()
                         : IsWebAddress(picture) ? WebAddress(picture)
                                                 : "./param/" + assets_.CopyIntoParam(picture);
            } else {
                const std::string& first = context_.firstPicture[e - 1];
                source = On(L::MakeThumbnails) && IsJpegName(first) ? "./tns_images/tns-" + first
                                                                    : "./" + SitePicture(first);
                if (!context_.buildMode && !SamplePicture(e - 1).empty()) source = SamplePicture(e - 1);
            }
            std::string element =
                "<a href=\"" + link + "\">" + imageOpen + "src=\"" + source + "\" alt=\"" + AltText(names[e - 1], "") +
                "\"" +
                (home ? ShownSizeOfFile(source)
                      : SizeAttributes(ShownSize(context_.firstPicture[e - 1], &ShownSizes::summary))) +
                " ";
            if (!home && ShownSize(context_.firstPicture[e - 1], &ShownSizes::summary2x)) {
                element += "srcset=\"./" + std::string(site_layout::kSummaryThumbnailFolder) + "/" +
                           site_layout::DoubleSizeName(
                               site_layout::SummaryThumbnailName(BaseName(context_.firstPicture[e - 1]))) +
                           " 2x\" ";
            }
            if (!context_.buildMode) {
                element += "WIDTH=\"" + std::to_string(Num(L::SummaryGalleryPictureWidth)) + "\" HEIGHT=\"" +
                           std::to_string(Num(L::SummaryGalleryPictureHeight)) + "\" ";
            }
            element += "></a>";
            // A home link without a picture of its own shows no empty
            // picture for today's browsers: its title is the link, in the
            // title cell, or here when titles are not shown.
            if (home && source.empty() && markup.ForTodaysBrowsers()) {
                element = titles ? std::string() : LinkText(HtmlText(names[e - 1]), link);
            }
            page.Put(p, cell);
            page.Put(p + 1, markup.AlignOpen(Item(L::SummaryGalleryPicturePosition)));
            page.Put(p + 2, element);
            page.Put(p + 3, markup.BlockClose());
            page.Put(p + 4, markup.CellClose());
        } else {
            ClearLines(page, p, pe);
        }

        const int finTitle = Find(page, "FINTITRE" + n, t);
        const int te = finTitle - 1;
        if (hidden) {
            if (t < p) page.Put(t - 2, {});
            ClearLines(page, t, te);
        } else if (titles) {
            page.Put(t, cell);
            page.Put(t + 1, markup.AlignOpen(Item(L::SummaryGalleryTitlePosition)));
            page.Put(t + 2, markup.TextOpen(Face(L::SummaryGalleryTitleFont), Num(L::SummaryGalleryTitleSize),
                                            Colour(L::SummaryGalleryTitleColour), Item(L::SummaryGalleryTitleStyle)));
            page.Put(t + 3, LinkText(HtmlText(names[e - 1]), link));
            page.Put(t + 4, markup.TextClose(Item(L::SummaryGalleryTitleStyle)));
            page.Put(t + 5, markup.BlockClose());
            page.Put(t + 6, markup.CellClose());
        } else {
            ClearLines(page, t, te);
        }

        const int f = Find(page, "FINSOMMAIRE" + n, r) - 1;
        if (hidden) {
            if (imageMarker < titleMarker) {
                ClearLines(page, r, imageMarker - 1);
                ClearLines(page, finTitle + 1, f);
            } else {
                ClearLines(page, r, titleMarker - 1);
                ClearLines(page, finImage + 1, f);
            }
            continue;
        }
        const int position = home ? count - 1 : e - 1;
        if (e == 1 || position % perRow != 0) {
            page.Put(r, {});
            page.Put(f, {});
            continue;
        }
        int padding = 0;
        const int remaining = count - e + (homeOn ? 1 : 0);
        if ((e + perRow - 1) / perRow == rows && remaining != perRow) {
            padding = PaddingCells(L::SummaryTablePosition, perRow - remaining, pictures, titles);
        }
        page.Put(r, markup.RowBreak(rowSpan, padding, cellSpan));
        page.Put(f, {});
    }
    markers_.ClearSignature(page);
}

}  // namespace palimora
