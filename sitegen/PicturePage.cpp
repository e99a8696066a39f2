// Picture pages: one picture with its title, comment and navigation.

#include "common/FileNames.h"
#include "common/ProgramFolder.h"
#include "imaging/PictureReader.h"
#include "lang/Language.h"
#include "project/SiteLayout.h"
#include "sitegen/DerivedPictures.h"
#include "sitegen/PageTexts.h"
#include "sitegen/PageWriter.h"
#include "styles/ProjectSettings.h"

namespace palimora {

using L = SettingLine;

namespace {

// What the looks leave around the picture across the window: the page's
// padding, the cell's and the picture's margins.
constexpr int kPageMargins = 48;

}  // namespace

bool PageWriter::WritePicturePage(int pictureNumber) {
    PageLines page;
    if (!LoadTemplate(page, ProgramFolder::kPictureSample)) return false;
    WriteBody(page, PageKind::Picture);
    const std::string title = PictureTitleOfPage(sources_.texts, context_.currentPage);
    // The caption of the picture tab names the picture pages too; for today's
    // browsers the picture's own title does, when it has one.
    const bool named = On(L::TodaysBrowsers) && !title.empty();
    WriteTitle(page, named
                         ? title + " - " + Text(L::SummaryTitle)
                         : Text(L::SummaryTitle) + " " + Word(TextId::ImageTab) + " " + std::to_string(pictureNumber));
    WritePictureTable(page);
    WritePictureTitleBlock(page, title);
    WritePicture(page);
    WriteComment(page);
    WriteButtons(page,
                 settings::ReadMode(sources_.settings.Lines().Line(L::ButtonMode)) == settings::ButtonMode::Pictures);
    // Under the page's own content, so that the picture and its buttons still fit the window.
    if (const std::string extras = PictureExtras(); !extras.empty()) page.Insert(Find(page, "TEMPLATEBAS", 0), extras);
    Finish(page, context_.currentPage, PageKind::Picture);
    return true;
}

void PageWriter::WritePictureTitleBlock(PageLines& page, const std::string& title) const {
    WriteTitleBlock(page, PageKind::Picture, title);
}

void PageWriter::WritePictureTable(PageLines& page) const {
    markers_.InsertHeaderFooter(page, FileSetting(L::PictureTopHtml), FileSetting(L::PictureBottomHtml));
    const int c = Find(page, "TABLEAU", 0);
    // The designed block closes before its table does; for today's browsers
    // the table is placed by the page's style sheet instead.
    const bool designed = !Markup().ForTodaysBrowsers();
    page.Put(c + 1, designed ? AlignOpen(Item(L::PictureTablePosition), sources_.language) : std::string());
    page.Put(c + 2, TableOpen(PageKind::Picture));
    page.Put(c + 3, designed ? "</DIV>" : std::string());
}

// The page's picture as one <img> (or its strips), linked to the next page when there is one.
struct PageWriter::ShownPicture {
    std::string prefix;  // the link's start and the tag's start, up to its attributes
    std::string close;   // the link's end
    std::string alt;
    std::string source;  // the whole picture's reference
    int border = 0;
};

void PageWriter::WritePicture(PageLines& page) const {
    const int strips = Num(L::PictureStrips);
    const int p = Find(page, "IMAGE", 0) + 1;
    const PageMarkup& markup = Markup();
    const std::string align = markup.AlignOpen(Item(L::PicturePosition));
    page.Put(p, align);

    ShownPicture shown;
    const bool linked = !context_.nextPage.empty();
    shown.border = strips == 1 ? Num(L::PictureBorderWidth) : 0;
    shown.prefix = linked ? "<a href=\"" + context_.nextPage + "\">" : std::string();
    if (markup.ForTodaysBrowsers()) {
        shown.prefix += "<img";
    } else {
        shown.prefix += strips == 1 ? "<img border=\"" + std::to_string(shown.border) + "\" bordercolor=\"" +
                                          HtmlColour(Colour(L::PictureBorderColour)) + "\" "
                                    : std::string("<img border=\"0\"");
    }
    shown.close = linked ? "</a>" : "";
    const std::string& name = context_.currentPicture;
    const std::string extension = UpperExtensionOf(name);
    shown.alt = AltText(context_.buildMode ? PictureTitleOfPage(sources_.texts, context_.currentPage)
                                           : SampleTitle(0, Word(TextId::SampleTitle)),
                        Word(TextId::PictureAlt));
    // The preview shows one of the user's pictures.
    shown.source = !context_.buildMode && !SamplePicture(0).empty() ? SamplePicture(0) : "./" + SitePicture(name);

    if (context_.buildMode && FormatOfName(name) == PictureFormat::Clip) {
        page.Put(p + 1, Clip(shown));
    } else if (strips == 1 || (extension != ".JPG" && extension != ".JPEG")) {
        page.Put(p + 1, WholePicture(shown));
    } else {
        page.Put(p + 1, PictureStrips(shown, strips, align));
    }
    page.Put(p + 2, markup.BlockClose());
}

std::string PageWriter::WholePicture(const ShownPicture& shown) const {
    const std::string& name = context_.currentPicture;
    // The size again as style properties: the look's style sheet scales
    // the picture to the window from them before the picture arrives.
    const std::optional<PictureSize> size = ShownSize(name, &ShownSizes::picture);
    std::string properties = size ? "--w:" + std::to_string(size->width) + ";--h:" + std::to_string(size->height) : "";
    // Phones take the smaller copies made for them. The picture is drawn
    // the window's width less the page's margins, at most its own width.
    std::string choices;
    if (const std::optional<PictureSize> phone = ShownSize(name, &ShownSizes::phone); phone && size) {
        const std::string width = std::to_string(size->width);
        const std::string phones = "./" + std::string(site_layout::kPhoneFolder) + "/";
        choices = " srcset=\"";
        if (const std::optional<PictureSize> small = ShownSize(name, &ShownSizes::smallPhone))
            choices += phones + SmallPhonePictureName(BaseName(name)) + " " + std::to_string(small->width) + "w, ";
        choices += phones + BaseName(name) + ".jpg " + std::to_string(phone->width) + "w, " + shown.source + " " +
                   width + "w\" sizes=\"(max-width: " + std::to_string(size->width + kPageMargins) +
                   "px) calc(100vw - " + std::to_string(kPageMargins) + "px), " + width + "px\"";
    }
    const std::string horizontal = std::to_string(Num(L::PictureSpaceHorizontal));
    const std::string vertical = std::to_string(Num(L::PictureSpaceVertical));
    if (Markup().ForTodaysBrowsers()) {
        // The designed attributes as style properties; the class tells
        // the look's style sheet that this is the page's whole picture.
        if (!properties.empty()) properties += ";";
        if (shown.border > 0) properties += "border:" + CssBorder(shown.border, Colour(L::PictureBorderColour)) + ";";
        properties += "margin:" + vertical + "px " + horizontal + "px";
        return shown.prefix + " class=\"photo\" src=\"" + shown.source + "\" alt=\"" + shown.alt + "\"" +
               SizeAttributes(size) + " style=\"" + properties + "\"" + choices + ">" + shown.close;
    }
    if (!properties.empty()) properties = " style=\"" + properties + "\"";
    return shown.prefix + " src=\"" + shown.source + "\" alt=\"" + shown.alt + "\"" + SizeAttributes(size) +
           properties + choices + " HSPACE=\"" + horizontal + "\" VSPACE=\"" + vertical + "\" >" + shown.close;
}

std::string PageWriter::Clip(const ShownPicture& shown) const {
    const std::string& name = context_.currentPicture;
    const std::string clip = "./" + std::string(site_layout::kClipFolder) + "/" + site_layout::ClipName(BaseName(name));
    const std::optional<PictureSize> size = ShownSize(name, &ShownSizes::picture);
    if (!Markup().ForTodaysBrowsers()) {
        // Older browsers get the poster, which leads to the clip.
        return "<a href=\"" + clip + "\"><img src=\"" + shown.source + "\" alt=\"" + shown.alt + "\"" +
               SizeAttributes(size) + " border=\"0\" ></a>";
    }
    std::string properties =
        size ? "--w:" + std::to_string(size->width) + ";--h:" + std::to_string(size->height) + ";" : std::string();
    properties += "margin:" + std::to_string(Num(L::PictureSpaceVertical)) + "px " +
                  std::to_string(Num(L::PictureSpaceHorizontal)) + "px";
    // Not inside the link to the next page: a click there plays or pauses.
    return "<video class=\"photo\" controls playsinline preload=\"metadata\" poster=\"" + shown.source + "\" src=\"" +
           clip + "\" aria-label=\"" + shown.alt + "\"" + SizeAttributes(size) + " style=\"" + properties +
           "\"></video>";
}

std::string PageWriter::PictureStrips(const ShownPicture& shown, int strips, const std::string& align) const {
    const std::string& name = context_.currentPicture;
    const std::string base = name.substr(0, name.size() - ExtensionOf(name).size());
    const bool today = Markup().ForTodaysBrowsers();
    std::string line;
    const std::optional<PictureSize> whole = ShownSize(name, &ShownSizes::picture);
    const std::vector<StripRows> bands = whole ? StripBands(whole->height, strips) : std::vector<StripRows>();
    for (int i = 1; i <= strips; ++i) {
        if (i > 1) line += "</div>" + align;
        const std::string source =
            context_.buildMode ? "./morc_images/" + base + "-" + std::to_string(i) + ExtensionOf(name) : shown.source;
        const std::string size =
            whole ? SizeAttributes(PictureSize{whole->width, bands[i - 1].bottom - bands[i - 1].top}) : "";
        line += shown.prefix + " src=\"" + source + "\" alt=\"" + shown.alt + "\"" + size + (today ? ">" : " >") +
                shown.close;
    }
    return line;
}

void PageWriter::WriteComment(PageLines& page) const {
    const int a = Find(page, "COMMENTAIRE", 0);
    if (On(L::CommentShown)) {
        const PageMarkup& markup = Markup();
        page.Put(a + 1, markup.AlignOpen(Item(L::CommentPosition)));
        // A comment may hold paragraphs of its own.
        page.Put(a + 2, markup.TextOpen(Face(L::CommentFont), Num(L::CommentSize), Colour(L::CommentColour),
                                        Item(L::CommentStyle), true));
        // For today's browsers a comment is text: what the user typed is what visitors read.
        const CommentAs as = On(L::TodaysBrowsers) ? CommentAs::Text : CommentAs::Html;
        const std::string comment =
            context_.buildMode ? PictureCommentHtml(sources_.texts, context_.currentPage, as) : SampleCommentHtml();
        if (context_.buildMode || !comment.empty()) {
            page.Put(a + 3, NeverAMarker(comment));
            page.Put(a + 4, {});
            page.Put(a + 5, {});
        } else {
            int i = a + 3;
            for (TextId sample : {TextId::SampleComment1, TextId::SampleComment2, TextId::SampleComment3}) {
                page.Put(i++, Word(sample) + " <br>");
            }
        }
        page.Put(a + 6, markup.TextClose(Item(L::CommentStyle), true));
        page.Put(a + 7, markup.BlockClose());
    } else {
        ClearLines(page, a + 1, Find(page, "FINCOMMENTAIRE", a + 1) - 1);
    }
    markers_.ClearSignature(page);
}

void PageWriter::WriteTextButtons(PageLines& page) const { WriteButtons(page, false); }
void PageWriter::WritePictureButtons(PageLines& page) const { WriteButtons(page, true); }

void PageWriter::WriteButtons(PageLines& page, bool pictures) const {
    const PageMarkup& markup = Markup();
    const std::string& previous = context_.previousPage;
    const std::string& next = context_.nextPage;
    const std::string gallery = On(L::MakeGalleries) ? context_.galleryPage : std::string();
    auto button = [&](SettingLine line, TextId name, const std::string& target) -> std::string {
        if (target.empty()) return {};
        // A picture button without a picture is written as its text: the
        // default text is no file name.
        if (!pictures || sources_.settings.Lines().Line(line).empty()) return LinkText(Text(line), target);
        const std::string picture = assets_.Reference(Text(line));
        // For today's browsers the picture says where it leads.
        const std::string alt = markup.ForTodaysBrowsers() ? " alt=\"" + HtmlText(Word(name)) + "\"" : "";
        return "<a href=\"" + target + "\"><img src=\"" + picture + "\"" + alt + ShownSizeOfFile(picture) + "></a>";
    };
    int searchFrom = 0;
    std::string play = PlayButton();  // in the first row of buttons shown
    for (const auto& [marker, shownLine] :
         {std::pair{"BOUTHAUT", L::ButtonsAtTop}, std::pair{"BOUTBAS", L::ButtonsAtBottom}}) {
        const int d = Find(page, marker, searchFrom);
        if (On(shownLine)) {
            page.Put(d + 1, markup.AlignOpen(Item(L::ButtonsPosition)));
            page.Put(d + 2, pictures ? std::string()
                                     : markup.TextOpen(Face(L::ButtonsFont), Num(L::ButtonsSize),
                                                       Colour(L::ButtonsColour), Item(L::ButtonsStyle)));
            page.Put(d + 3, button(L::BackButton, TextId::Previous, previous));
            page.Put(d + 4, button(L::ContentsButton, TextId::ContentsButton, gallery));
            page.Put(d + 5, button(L::NextButton, TextId::Next, next));
            page.Put(d + 6, pictures ? std::string() : markup.TextClose(Item(L::ButtonsStyle)));
            page.Put(d + 7, play + markup.BlockClose());
            play.clear();
        } else {
            const int e = Find(page, std::string("FIN") + marker, d + 1);
            ClearLines(page, d + 1, e - 1);
            searchFrom = e;
        }
    }
    if (!pictures) markers_.ClearSignature(page);
}

}  // namespace palimora
