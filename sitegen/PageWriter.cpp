#include "sitegen/PageWriter.h"

#include "common/Cp1252.h"
#include "common/FileNames.h"
#include "common/ProgramFolder.h"
#include "imaging/PictureReader.h"
#include "lang/Language.h"
#include "lang/LanguageChoice.h"
#include "project/ProjectLayout.h"
#include "project/SiteAddress.h"
#include "project/SiteLayout.h"
#include "sitegen/PageEncoding.h"
#include "sitegen/PageTexts.h"
#include "sitegen/ShapedPictures.h"
#include "sitegen/TodaysPageHead.h"
#include "styles/ProjectSettings.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string_view>
#include <system_error>

namespace palimora {

using L = SettingLine;

namespace fs = std::filesystem;

namespace {

// The settings lines that give a kind of page its colours and its table.
struct AppearanceLines {
    SettingLine backgroundColour, backgroundPicture, linkColour;
    SettingLine tablePosition, tableBorder, tableBorderColour, tableCellSpacing, tableCellPadding,
        tableBackgroundColour, tableBackgroundPicture;
};

AppearanceLines LinesOf(PageKind kind) {
    switch (kind) {
        case PageKind::Summary:
            return {L::SummaryBackgroundColour,      L::SummaryBackgroundPicture, L::SummaryGalleryTitleColour,
                    L::SummaryTablePosition,         L::SummaryTableBorderWidth,  L::SummaryTableBorderColour,
                    L::SummaryTableCellSpacing,      L::SummaryTableCellPadding,  L::SummaryTableBackgroundColour,
                    L::SummaryTableBackgroundPicture};
        case PageKind::Gallery:
            return {L::GalleryBackgroundColour,      L::GalleryBackgroundPicture, L::GalleryThumbnailTitleColour,
                    L::GalleryTablePosition,         L::GalleryTableBorderWidth,  L::GalleryTableBorderColour,
                    L::GalleryTableCellSpacing,      L::GalleryTableCellPadding,  L::GalleryTableBackgroundColour,
                    L::GalleryTableBackgroundPicture};
        case PageKind::Picture: break;
    }
    return {L::PicturePageBackgroundColour,  L::PicturePageBackgroundPicture, L::ButtonsColour,
            L::PictureTablePosition,         L::PictureTableBorderWidth,      L::PictureTableBorderColour,
            L::PictureTableCellSpacing,      L::PictureTableCellPadding,      L::PictureTableBackgroundColour,
            L::PictureTableBackgroundPicture};
}

}  // namespace

PageWriter::PageWriter(PageSources sources, BuildContext& context, UserDialogs& dialogs)
    : sources_(std::move(sources)),
      pageLanguage_(sources_.language),
      designedMarkup_(sources_.language),
      todaysMarkup_(sources_.language),
      context_(context),
      dialogs_(dialogs),
      markers_(dialogs, sources_.language),
      assets_(sources_.folder.Project(sources_.projectName), sources_.projectName, context.buildMode,
              sources_.madeFiles) {
    // A site in another language than the program's says its fixed words in
    // the site's, or in the program's when that language's file is missing.
    const std::string site =
        LanguageCodeOfChoice(sources_.folder, sources_.settings.Lines().Line(SettingLine::SiteLanguage));
    if (!site.empty() && site != pageLanguage_.Code()) pageLanguage_.LoadForPages(sources_.folder, site);
    shapedPictures_ = ShowsShapedPictures(sources_.settings, sources_.language, sources_.projectName);
    shownAsGiven_ = !shapedPictures_ && Num(SettingLine::PictureStrips) == 1;
    extras_ = sources_.settings.Extras();
    if (context.buildMode) {
        webAddress_ = SavedWebAddress(ProjectFolder());
        if (!webAddress_.empty() && webAddress_.back() != '/') webAddress_ += '/';
        std::error_code missing;
        favicon_ = fs::exists(ProjectFolder() / site_layout::kParamFolder / site_layout::kFavicon, missing);
    }
}

fs::path PageWriter::ProjectFolder() const { return sources_.folder.Project(sources_.projectName); }

bool PageWriter::On(SettingLine line) const { return sources_.settings.Check(line); }
int PageWriter::Num(SettingLine line) const { return sources_.settings.Number(line); }
int PageWriter::Colour(SettingLine line) const { return sources_.settings.RgbColour(line); }
std::string PageWriter::Text(SettingLine line) const {
    return sources_.settings.Text(line, pageLanguage_, sources_.projectName);
}
std::string PageWriter::Item(SettingLine line) const {
    return sources_.settings.ChosenItem(line, sources_.folder, sources_.language, {});
}
std::string PageWriter::Face(SettingLine line) const {
    return sources_.settings.FontFace(line, sources_.language, sources_.folder);
}
std::string PageWriter::Word(TextId text) const { return pageLanguage_.LangText(text); }

fs::path PageWriter::FileSetting(SettingLine line) const {
    const std::string path = Text(line);
    return path.empty() ? fs::path() : PathFromCp1252(path);
}

bool PageWriter::LoadTemplate(PageLines& page, const char* workingTemplate) const {
    page.Clear();
    if (const auto known = templates_.find(workingTemplate); known != templates_.end()) {
        page = PageLines(known->second);
        return true;
    }
    const fs::path file = sources_.folder.Root() / workingTemplate;
    std::error_code error;
    if (!fs::exists(file, error)) return false;
    page.Load(file);
    templates_.emplace(workingTemplate, page.Lines());
    return true;
}

void PageWriter::Finish(PageLines& page, const std::string& fileName, PageKind kind) const {
    if (On(SettingLine::TodaysBrowsers)) {
        TodaysPageHead::Write(page, Find(page, "TITRE", 0) + 1, HeadFactsOf(fileName, kind));
    }
    StripMarkers(page);
    EncodePage(page, On(SettingLine::TodaysBrowsers));
    const fs::path file = ProjectFolder() / PathFromCp1252(fileName);
    page.SaveIfChanged(file);
    if (sources_.madeFiles) sources_.madeFiles->Add(file);
}

std::string PageWriter::SitePicture(const std::string& name) const {
    // A clip is shown as its poster where a page shows a picture.
    if (FormatOfName(name) == PictureFormat::Clip)
        return std::string(site_layout::kClipFolder) + "/" + site_layout::PosterName(BaseName(name));
    if (!shapedPictures_) return std::string(project_layout::kPicturesFolder) + "/" + name;
    return std::string(site_layout::kShapedFolder) + "/" + site_layout::ShapedName(name);
}

HeadFacts PageWriter::HeadFactsOf(const std::string& fileName, PageKind kind) const {
    HeadFacts facts;
    facts.languageTag = pageLanguage_.LangText(TextId::LanguageTag);
    facts.description = Text(SettingLine::SummaryTitle);
    facts.built = context_.buildMode;
    if (kind == PageKind::Picture) {
        facts.previousPage = context_.previousPage;
        facts.nextPage = context_.nextPage;
    }
    facts.favicon = favicon_;
    facts.feed = !webAddress_.empty() && extras_.feed;
    facts.webAddress = webAddress_;
    facts.fileName = fileName;
    std::string picture;
    switch (kind) {
        case PageKind::Picture: picture = context_.currentPicture; break;
        case PageKind::Gallery: picture = GalleryPictureName(1); break;
        case PageKind::Summary: {
            const auto& firsts = context_.firstPicture;
            const auto first =
                std::find_if(firsts.begin(), firsts.end(), [](const auto& name) { return !name.empty(); });
            if (first != firsts.end()) picture = *first;
            break;
        }
    }
    if (!picture.empty()) facts.sharedPicture = SitePicture(picture);
    return facts;
}

std::optional<PictureSize> PageWriter::ShownSize(const std::string& name,
                                                 std::optional<PictureSize> ShownSizes::*which) const {
    if (!context_.buildMode || !On(SettingLine::TodaysBrowsers)) return std::nullopt;
    const auto sizes = sources_.shownSizes.find(name);
    return sizes == sources_.shownSizes.end() ? std::nullopt : sizes->second.*which;
}

std::string PageWriter::ShownSizeOfFile(const std::string& reference) const {
    if (!context_.buildMode || !On(SettingLine::TodaysBrowsers) || reference.rfind("./param/", 0) != 0) return {};
    // The same button picture is on every picture page: its header is read once.
    auto [known, added] = fileSizes_.try_emplace(reference);
    if (added) known->second = SizeAttributes(ReadShownSize(ProjectFolder() / PathFromCp1252(reference.substr(2))));
    return known->second;
}

std::string PageWriter::SamplePicture(int index) const {
    const auto& pictures = sources_.samplePictures.gallery;
    return pictures.empty() ? std::string()
                            : "./" + pictures[static_cast<std::size_t>(index) % pictures.size()].preview;
}

std::string PageWriter::SampleCover(int index) const {
    const auto& covers = sources_.samplePictures.covers;
    const auto k = static_cast<std::size_t>(index);
    return k < covers.size() && !covers[k].preview.empty() ? "./" + covers[k].preview : SamplePicture(index);
}

std::string PageWriter::SampleTitle(int index, const std::string& otherwise) const {
    const auto& pictures = sources_.samplePictures.gallery;
    const auto k = static_cast<std::size_t>(index);
    std::string title;
    if (k < pictures.size() && pictures[k].number > 0) {
        title = PictureTitleOfPage(sources_.texts, PicturePageName(1, pictures[k].number));
    }
    return !title.empty() ? title : otherwise;
}

std::string PageWriter::SampleCommentHtml() const {
    const auto& pictures = sources_.samplePictures.gallery;
    if (pictures.empty() || pictures.front().number == 0) return {};
    const CommentAs as = On(L::TodaysBrowsers) ? CommentAs::Text : CommentAs::Html;
    return PictureCommentHtml(sources_.texts, PicturePageName(1, pictures.front().number), as);
}

int PageWriter::SampleGalleryEntries() const {
    const SamplePictures& samples = sources_.samplePictures;
    return samples.UsersOwn() ? static_cast<int>(samples.gallery.size()) : BuildContext::kGalleryCapacity;
}

std::string PageWriter::AltText(const std::string& title, const std::string& otherwise) const {
    return On(SettingLine::TodaysBrowsers) && !title.empty() ? HtmlText(title) : otherwise;
}

void PageWriter::WriteTitle(PageLines& page, const std::string& text) const {
    page.Put(Find(page, "TITRE", 0) + 1, "<title>" + HtmlText(text) + "</title>");
}

const PageMarkup& PageWriter::Markup() const {
    if (On(L::TodaysBrowsers)) return todaysMarkup_;
    return designedMarkup_;
}

PageAppearance PageWriter::AppearanceOf(PageKind kind) const {
    const AppearanceLines lines = LinesOf(kind);
    return {Colour(lines.backgroundColour),
            assets_.Reference(Text(lines.backgroundPicture)),
            Colour(lines.linkColour),
            Item(lines.tablePosition),
            Num(lines.tableBorder),
            Colour(lines.tableBorderColour),
            Num(lines.tableCellSpacing),
            Num(lines.tableCellPadding),
            Colour(lines.tableBackgroundColour),
            assets_.Reference(Text(lines.tableBackgroundPicture))};
}

void PageWriter::WriteBody(PageLines& page, PageKind kind) const {
    WriteSettingsStyleSheet(page, kind, Find(page, "BODY", 0));
    const int body = Find(page, "BODY", 0);
    if (Markup().ForTodaysBrowsers()) {
        page.Put(body + 1, "<body>");
        return;
    }
    const AppearanceLines lines = LinesOf(kind);
    const std::string link = HtmlColour(Colour(lines.linkColour));
    page.Put(body + 1, "<BODY background=\"" + assets_.Reference(Text(lines.backgroundPicture)) + "\" bgcolor=\"" +
                           HtmlColour(Colour(lines.backgroundColour)) + "\" link=\"" + link + "\" vlink=\"" + link +
                           "\" alink=\"" + link + "\">");
}

void PageWriter::WriteSettingsStyleSheet(PageLines& page, PageKind kind, int body) const {
    // Written as designed, a page has none (a sample written for today's browsers before loses it).
    TodaysPageHead::PutSettingsStyleSheet(
        page, body,
        Markup().ForTodaysBrowsers()
            ? TodaysPageHead::SettingsStyleSheet(AppearanceOf(kind), sources_.language, extras_)
            : std::string());
}

std::string PageWriter::TableOpen(PageKind kind, bool paired) const {
    if (Markup().ForTodaysBrowsers()) {
        return std::string("<table class=\"") + TodaysMarkup::kTableClass + (paired ? " paired" : "") + "\">";
    }
    const AppearanceLines lines = LinesOf(kind);
    return assets_.TableOpen(Num(lines.tableBorder), Text(lines.tableBackgroundPicture),
                             Colour(lines.tableBorderColour), Num(lines.tableCellSpacing), Num(lines.tableCellPadding),
                             Colour(lines.tableBackgroundColour));
}

PageWriter::TitleBlock PageWriter::TitleBlockOf(PageKind kind) const {
    struct Lines {
        SettingLine shown, font, position, size, colour, style;
    };
    const Lines lines =
        kind == PageKind::Summary   ? Lines{L::SummaryTitleShown, L::SummaryTitleFont,   L::SummaryTitlePosition,
                                          L::SummaryTitleSize,  L::SummaryTitleColour, L::SummaryTitleStyle}
        : kind == PageKind::Gallery ? Lines{L::GalleryTitleShown, L::GalleryTitleFont,   L::GalleryTitlePosition,
                                            L::GalleryTitleSize,  L::GalleryTitleColour, L::GalleryTitleStyle}
                                    : Lines{L::PictureTitleShown, L::PictureTitleFont,   L::PictureTitlePosition,
                                            L::PictureTitleSize,  L::PictureTitleColour, L::PictureTitleStyle};
    return {On(lines.shown), Face(lines.font),     Item(lines.position),
            Num(lines.size), Colour(lines.colour), Item(lines.style)};
}

int PageWriter::TitleRowSpan(PageKind kind) const {
    if (kind == PageKind::Summary) {
        const int perRow = Num(L::SummaryTableEntriesPerRow);
        const bool pictures = On(L::SummaryGalleryPicturesShown), titles = On(L::SummaryGalleryTitlesShown);
        return pictures && titles ? 2 * perRow : (!pictures && !titles ? 0 : perRow);
    }
    const int perRow = Num(L::GalleryTablePicturesPerRow);
    return On(L::GalleryThumbnailTitlesShown) ? 2 * perRow : perRow;
}

void PageWriter::WriteTitleBlock(PageLines& page, PageKind kind, const std::string& text) const {
    const TitleBlock block = TitleBlockOf(kind);
    if (!block.shown) {
        const int t = Find(page, "TITREIMAGE", 0);
        ClearLines(page, t + 1, Find(page, "FINTITREIMAGE", t + 1) - 1);
        return;
    }
    const int a = Find(page, "TABLEAU", 0);
    const int t = Find(page, "TITREIMAGE", 0);
    const int f = Find(page, "FINTITREIMAGE", 0) - 1;
    const PageMarkup& markup = Markup();
    if (a < t) {
        // The block stands inside the page's table: it takes a row of its own.
        if (kind == PageKind::Picture) {
            page.Put(f + 2, markup.CellClose());
        } else {
            const int span = TitleRowSpan(kind);
            page.Put(t - 2, markup.RowOpen(span));
            page.Put(t - 1, markup.CellOpen(span));
            page.Put(f + 2, markup.CellClose());
            page.Put(f + 3, markup.RowBreak(span, 0, 1));
        }
    }
    page.Put(t + 1, markup.AlignOpen(block.alignment));
    page.Put(t + 2, markup.TextOpen(block.font, block.size, block.colour, block.style));
    page.Put(t + 3, HtmlText(text));
    page.Put(t + 4, markup.TextClose(block.style));
    page.Put(t + 5, markup.BlockClose());
}

int PageWriter::PaddingCells(SettingLine alignmentLine, int missing, bool pictures, bool titles) const {
    const std::string alignment = Item(alignmentLine);
    const int cellsPerEntry = (pictures ? 1 : 0) + (titles ? 1 : 0);
    if (alignment == sources_.language.LangText(TextId::PositionCentred)) {
        return static_cast<int>(std::nearbyint((pictures ? missing / 2.0 : 0.0) + (titles ? missing / 2.0 : 0.0)));
    }
    return alignment == sources_.language.LangText(TextId::PositionRight) ? missing * cellsPerEntry : 0;
}

}  // namespace palimora
