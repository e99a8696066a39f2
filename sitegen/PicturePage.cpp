// Picture pages: one picture with its title, comment and navigation.

#include "common/FileNames.h"
#include "lang/Language.h"
#include "project/PageTexts.h"
#include "sitegen/PageWriter.h"
#include "styles/ProjectSettings.h"

namespace palimora {
namespace {

constexpr int kAlt = 218;
constexpr int kPictureWord = 172;
constexpr int kSampleComment = 86;  // 86, 87 and 88

}  // namespace

bool PageWriter::WritePicturePage(int pictureNumber) {
    PageLines page;
    if (!LoadTemplate(page, "blankimg.htm")) return false;
    WriteBody(page, 135, 137, 28);
    WriteTitle(page, Text(1) + " " + Word(kPictureWord) + " " + std::to_string(pictureNumber));
    WritePictureTable(page);
    WritePictureTitleBlock(page, PictureTitleOfPage(sources_.texts, context_.currentPage));
    WritePicture(page);
    WriteComment(page);
    WriteButtons(page, settings::ReadMode(sources_.settings.Lines().Line(29)) == settings::ButtonMode::Pictures);
    Finish(page, context_.currentPage);
    return true;
}

void PageWriter::WritePictureTitleBlock(PageLines& page, const std::string& title) const {
    WriteTitleBlock(page, On(4), Face(5), 'i', title, Item(8), Num(9), Colour(7), Item(6));
}

void PageWriter::WritePictureTable(PageLines& page) const {
    markers_.InsertHeaderFooter(page, FileSetting(143), FileSetting(144));
    const int c = Find(page, "TABLEAU", 0);
    page.Put(c + 1, AlignOpen(Item(33), sources_.language));
    page.Put(c + 2, assets_.TableOpen(Num(36), Text(40), Colour(35), Num(38), Num(37), Colour(34)));
    page.Put(c + 3, "</DIV>");
}

void PageWriter::WritePicture(PageLines& page) const {
    const int strips = Num(147);
    const int p = Find(page, "IMAGE", 0) + 1;
    const std::string align = AlignOpen(Item(11), sources_.language);
    page.Put(p, align);

    const bool linked = !context_.nextPage.empty();
    std::string prefix = linked ? "<a href=\"" + context_.nextPage + "\">" : std::string();
    prefix += strips == 1 ? "<img border=\"" + std::to_string(Num(13)) + "\" bordercolor=\"" + HtmlColour(Colour(12)) + "\" "
                          : std::string("<img border=\"0\"");
    const std::string close = linked ? "</a>" : "";
    const std::string& name = context_.currentPicture;
    const std::string extension = UpperExtensionOf(name);
    const std::string alt = Word(kAlt);

    if (strips == 1 || (extension != ".JPG" && extension != ".JPEG")) {
        page.Put(p + 1, prefix + " src=\"./images/" + name + "\" alt=\"" + alt + "\" HSPACE=\"" + std::to_string(Num(14)) +
                            "\" VSPACE=\"" + std::to_string(Num(15)) + "\" >" + close);
    } else {
        const std::string base = name.substr(0, name.size() - ExtensionOf(name).size());
        std::string line;
        for (int i = 1; i <= strips; ++i) {
            if (i > 1) line += "</div>" + align;
            const std::string source = context_.buildMode
                                           ? "./morc_images/" + base + "-" + std::to_string(i) + ExtensionOf(name)
                                           : "./images/" + name;
            line += prefix + " src=\"" + source + "\" alt=\"" + alt + "\" >" + close;
        }
        page.Put(p + 1, line);
    }
    page.Put(p + 2, "</DIV>");
}

void PageWriter::WriteComment(PageLines& page) const {
    const int a = Find(page, "COMMENTAIRE", 0);
    if (On(16)) {
        const Language& language = sources_.language;
        page.Put(a + 1, AlignOpen(Item(17), language));
        page.Put(a + 2, StyleOpen(Item(19), language) + FontOpen(Face(18), Num(20), Colour(21), language));
        if (context_.buildMode) {
            page.Put(a + 3, PictureCommentHtml(sources_.texts, context_.currentPage));
            page.Put(a + 4, {});
            page.Put(a + 5, {});
        } else {
            for (int i = 0; i < 3; ++i) page.Put(a + 3 + i, Word(kSampleComment + i) + " <br>");
        }
        page.Put(a + 6, "</FONT>" + StyleClose(Item(19), language));
        page.Put(a + 7, "</DIV>");
    } else {
        ClearLines(page, a + 1, Find(page, "FINCOMMENTAIRE", a + 1) - 1);
    }
    markers_.ClearSignature(page);
}

void PageWriter::WriteTextButtons(PageLines& page) const { WriteButtons(page, false); }
void PageWriter::WritePictureButtons(PageLines& page) const { WriteButtons(page, true); }

void PageWriter::WriteButtons(PageLines& page, bool pictures) const {
    const Language& language = sources_.language;
    const std::string& previous = context_.previousPage;
    const std::string& next = context_.nextPage;
    const std::string gallery = On(42) ? context_.galleryPage : std::string();
    auto button = [&](int line, const std::string& target) -> std::string {
        if (target.empty()) return {};
        if (!pictures) return LinkText(Text(line), target);
        return "<a href=\"" + target + "\"><img src=\"" + assets_.Reference(Text(line)) + "\"></a>";
    };
    int searchFrom = 0;
    for (const auto& [marker, shownLine] : {std::pair{"BOUTHAUT", 22}, std::pair{"BOUTBAS", 23}}) {
        const int d = Find(page, marker, searchFrom);
        if (On(shownLine)) {
            page.Put(d + 1, AlignOpen(Item(24), language));
            page.Put(d + 2, pictures ? std::string() : StyleOpen(Item(26), language) + FontOpen(Face(25), Num(27), Colour(28), language));
            page.Put(d + 3, button(30, previous));
            page.Put(d + 4, button(31, gallery));
            page.Put(d + 5, button(32, next));
            page.Put(d + 6, pictures ? std::string() : "</FONT>" + StyleClose(Item(26), language));
            page.Put(d + 7, "</DIV>");
        } else {
            const int e = Find(page, std::string("FIN") + marker, d + 1);
            ClearLines(page, d + 1, e - 1);
            searchFrom = e;
        }
    }
    if (!pictures) markers_.ClearSignature(page);
}

}  // namespace palimora
