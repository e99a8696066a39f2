// The summary page: one entry per gallery and the home link.

#include "imaging/PictureReader.h"
#include "lang/Language.h"
#include "sitegen/PageWriter.h"
#include "styles/SettingsLayout.h"

namespace palimora {
namespace {

constexpr int kSummaryWord = 102;
constexpr int kEntries = 11;  // ten galleries and the home link
constexpr int kHomeEntry = 11;

}  // namespace

bool PageWriter::WriteSummaryPage() {
    PageLines page;
    if (!LoadTemplate(page, "blanksom.htm")) return false;
    WriteTitle(page, Word(kSummaryWord) + " " + Text(1));
    WriteBody(page, settings::kSummaryBackgroundColour, 3, 79);
    WriteSummaryTitleBlock(page);
    WriteSummaryTable(page);
    Finish(page, "index.html");
    return true;
}

void PageWriter::WriteSummaryTitleBlock(PageLines& page) const {
    WriteTitleBlock(page, On(46), Face(47), 's', Text(1), Item(50), Num(settings::kSummaryTitleSize), Colour(49),
                    Item(48));
}

void PageWriter::WriteSummaryTable(PageLines& page) const {
    const Language& language = sources_.language;
    const bool pictures = On(82), titles = On(76), homeOn = On(88);
    const int perRow = std::max(1, Num(92));
    const int rowSpan = pictures && titles ? 2 * perRow : (!pictures && !titles ? 0 : perRow);
    const int cellSpan = !pictures && !titles ? 0 : 1;
    const std::string cell = "<TD colspan=" + std::to_string(cellSpan) + ">";

    std::string names[kEntries];
    int count = 0;
    for (int e = 1; e <= kEntries; ++e) {
        names[e - 1] = Text(e == kHomeEntry ? 89 : settings::kGalleryName1 + e - 1);
        if (!names[e - 1].empty()) ++count;
    }
    const int rows = (count + perRow - 1) / perRow;

    const int a = Find(page, "TABLEAU", 0);
    const int z = Find(page, "FINTABLEAU", a + 1);
    page.Put(a + 1, AlignOpen(Item(68), language));
    page.Put(a + 2, assets_.TableOpen(Num(71), Text(75), Colour(70), Num(73), Num(72), Colour(69)));
    page.Put(z + 1, "</DIV>");
    markers_.InsertHeaderFooter(page, FileSetting(139), FileSetting(140));

    const std::string border = std::to_string(Num(87));
    const std::string borderColour = HtmlColour(Colour(86));
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
        const std::string link = home ? Text(90) : GalleryPageName(context_, e);

        if (hidden) {
            if (p < t) page.Put(p - 2, {});
            ClearLines(page, p, pe);
        } else if (pictures) {
            std::string source;
            if (home) {
                const std::string picture = Text(91);
                source = picture.empty() ? std::string()
                         : IsWebAddress(picture) ? WebAddress(picture)
                                                 : "./param/" + assets_.CopyIntoParam(picture);
            } else {
                const std::string& first = context_.firstPicture[e - 1];
                source = On(138) && IsJpegName(first) ? "./tns_images/tns-" + first : "./images/" + first;
            }
            std::string element = "<a href=\"" + link + "\"><img border=\"" + border + "\" bordercolor=\"" +
                                  borderColour + "\"  src=\"" + source + "\" alt=\"\" ";
            if (!context_.buildMode) {
                element += "WIDTH=\"" + std::to_string(Num(83)) + "\" HEIGHT=\"" + std::to_string(Num(84)) + "\" ";
            }
            element += "></a>";
            page.Put(p, cell);
            page.Put(p + 1, AlignOpen(Item(85), language));
            page.Put(p + 2, element);
            page.Put(p + 3, "</DIV>");
            page.Put(p + 4, "</TD>");
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
            page.Put(t + 1, AlignOpen(Item(80), language));
            page.Put(t + 2, StyleOpen(Item(78), language) + FontOpen(Face(77), Num(81), Colour(79), language));
            page.Put(t + 3, LinkText(names[e - 1], link));
            page.Put(t + 4, "</FONT>" + StyleClose(Item(78), language));
            page.Put(t + 5, "</DIV>");
            page.Put(t + 6, "</TD>");
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
            padding = PaddingCells(68, perRow - remaining, pictures, titles);
        }
        page.Put(r, RowBreak(rowSpan, padding, cellSpan));
        page.Put(f, {});
    }
    markers_.ClearSignature(page);
}

}  // namespace palimora
