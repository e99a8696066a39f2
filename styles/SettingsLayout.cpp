#include "styles/SettingsLayout.h"

namespace palimora::settings {
namespace {

using L = SettingLine;

constexpr LineLayout Free(SettingLine line) { return {line, "", Kind::Free}; }
constexpr LineLayout Of(SettingLine line, std::string_view control, Kind kind) { return {line, control, kind}; }
constexpr LineLayout Number(SettingLine line, std::string_view control, int minimum, int maximum, int initial) {
    return {line, control, Kind::Number, minimum, maximum, initial};
}
constexpr LineLayout Colour(SettingLine line, std::string_view control, int initial) {
    return {line, control, Kind::Colour, 0, 0, initial};
}
constexpr LineLayout Text(SettingLine line, std::string_view control) { return {line, control, Kind::Text}; }
constexpr LineLayout Text(SettingLine line, std::string_view control, TextId shownWhenEmpty) {
    return {line, control, Kind::Text, 0, 0, 0, EmptyText::LanguageText, shownWhenEmpty};
}
constexpr LineLayout ProjectNameText(SettingLine line, std::string_view control) {
    return {line, control, Kind::Text, 0, 0, 0, EmptyText::ProjectName};
}
constexpr LineLayout FontSize(SettingLine line, std::string_view control) { return Number(line, control, 1, 7, 3); }
constexpr LineLayout Width(SettingLine line, std::string_view control, int initial) {
    return Number(line, control, 0, 5000, initial);
}

constexpr int kWhite = 0xFFFFFF;
constexpr int kBlack = 0;

constexpr std::array<LineLayout, kLineCount> kLayout = {{
    Colour(L::SummaryBackgroundColour, "PaintBox5", kWhite),
    ProjectNameText(L::SummaryTitle, "EditSTit"),
    FontSize(L::SummaryTitleSize, "SpinSTitSiz"),
    Text(L::SummaryBackgroundPicture, "Edit8"),
    Of(L::PictureTitleShown, "CheckBox1", Kind::Check),
    Of(L::PictureTitleFont, "ComboBox2", Kind::Font),
    Of(L::PictureTitleStyle, "ComboBox3", Kind::Style),
    Colour(L::PictureTitleColour, "PaintBox4", kBlack),
    Of(L::PictureTitlePosition, "ComboBox4", Kind::Position),
    FontSize(L::PictureTitleSize, "SpinEdit2"),
    Of(L::PictureTemplate, "ComboEImg", Kind::Template),
    Of(L::PicturePosition, "ComboImPos", Kind::Position),
    Colour(L::PictureBorderColour, "PaintImg", kBlack),
    Width(L::PictureBorderWidth, "SpinImg", 0),
    Width(L::PictureSpaceHorizontal, "SpinImEspH", 0),
    Width(L::PictureSpaceVertical, "SpinImEspV", 0),
    Of(L::CommentShown, "CheckComm", Kind::Check),
    Of(L::CommentPosition, "ComboCommPos", Kind::Position),
    Of(L::CommentFont, "ComboCommFon", Kind::Font),
    Of(L::CommentStyle, "ComboCommSty", Kind::Style),
    FontSize(L::CommentSize, "SpinCommSiz"),
    Colour(L::CommentColour, "PaintCommCol", kBlack),
    Of(L::ButtonsAtTop, "CheckBouHau", Kind::Check),
    Of(L::ButtonsAtBottom, "CheckBouBas", Kind::Check),
    Of(L::ButtonsPosition, "ComboBouPos", Kind::Position),
    Of(L::ButtonsFont, "ComboBouFon", Kind::Font),
    Of(L::ButtonsStyle, "ComboBouSty", Kind::Style),
    FontSize(L::ButtonsSize, "SpinBouSiz"),
    Colour(L::ButtonsColour, "PaintBouCou", kBlack),
    Of(L::ButtonMode, "RadioBouTex", Kind::Mode),
    Text(L::BackButton, "EditBouRet", TextId::Previous),
    Text(L::ContentsButton, "EditBouSom", TextId::ContentsButton),
    Text(L::NextButton, "EditBouSui", TextId::Next),
    Of(L::PictureTablePosition, "ComboTabPos", Kind::Position),
    Colour(L::PictureTableBackgroundColour, "PaintTabFon", kWhite),
    Colour(L::PictureTableBorderColour, "PaintTabBor", kBlack),
    Width(L::PictureTableBorderWidth, "SpinTabBor", 3),
    Width(L::PictureTableCellPadding, "SpinTabEcaBor", 3),
    Width(L::PictureTableCellSpacing, "SpinTabEcaCel", 3),
    Of(L::TodaysBrowsers, "CheckSModern", Kind::Check),
    Text(L::PictureTableBackgroundPicture, "EditTabFon"),
    Of(L::MakeSummary, "CheckESom", Kind::Check),
    Of(L::MakeGalleries, "CheckEGal", Kind::Check),
    Of(L::MakePicturePages, "CheckEImg", Kind::Check),
    Of(L::SummaryTemplate, "ComboESom", Kind::Template),
    Of(L::GalleryTemplate, "ComboEGal", Kind::Template),
    Of(L::SummaryTitleShown, "CheckSTit", Kind::Check),
    Of(L::SummaryTitleFont, "ComboSTitFon", Kind::Font),
    Of(L::SummaryTitleStyle, "ComboSTitSty", Kind::Style),
    Colour(L::SummaryTitleColour, "PaintSTitCou", kBlack),
    Of(L::SummaryTitlePosition, "ComboSTitPos", Kind::Position),
    Of(L::SiteLanguage, "ComboSLangue", Kind::Language),
    Of(L::GalleryTitleShown, "CheckGTit", Kind::Check),
    Of(L::GalleryTitleFont, "ComboGTitFon", Kind::Font),
    Of(L::GalleryTitleStyle, "ComboGTitSty", Kind::Style),
    Colour(L::GalleryTitleColour, "PaintGTitCou", kBlack),
    Of(L::GalleryTitlePosition, "ComboGTitPos", Kind::Position),
    FontSize(L::GalleryTitleSize, "SpinGTitSiz"),
    Text(L::GalleryName1, "EditNGal1"),
    Text(L::GalleryName2, "EditNGal2"),
    Text(L::GalleryName3, "EditNGal3"),
    Text(L::GalleryName4, "EditNGal4"),
    Text(L::GalleryName5, "EditNGal5"),
    Text(L::GalleryName6, "EditNGal6"),
    Text(L::GalleryName7, "EditNGal7"),
    Text(L::GalleryName8, "EditNGal8"),
    Text(L::GalleryName9, "EditNGal9"),
    Text(L::GalleryName10, "EditNGal10"),
    Of(L::SummaryTablePosition, "ComboSTabPos", Kind::Position),
    Colour(L::SummaryTableBackgroundColour, "PaintSTabFon", kWhite),
    Colour(L::SummaryTableBorderColour, "PaintSTabBor", kBlack),
    Width(L::SummaryTableBorderWidth, "SpinSTabBor", 3),
    Width(L::SummaryTableCellPadding, "SpinSTabEcaBor", 3),
    Width(L::SummaryTableCellSpacing, "SpinSTabEcaCel", 3),
    Free(L::VisitorExtras),
    Text(L::SummaryTableBackgroundPicture, "EditSTabFon"),
    Of(L::SummaryGalleryTitlesShown, "CheckSTitGal", Kind::Check),
    Of(L::SummaryGalleryTitleFont, "ComboSTitGalFon", Kind::Font),
    Of(L::SummaryGalleryTitleStyle, "ComboSTitGalSty", Kind::Style),
    Colour(L::SummaryGalleryTitleColour, "PaintSTitGalCou", kBlack),
    Of(L::SummaryGalleryTitlePosition, "ComboSTitGalPos", Kind::Position),
    FontSize(L::SummaryGalleryTitleSize, "SpinSTitGalSiz"),
    Of(L::SummaryGalleryPicturesShown, "CheckSImgGal", Kind::Check),
    Number(L::SummaryGalleryPictureWidth, "SpinSImgGalHor", 1, 5000, 1),
    Number(L::SummaryGalleryPictureHeight, "SpinSImgGalVer", 1, 5000, 1),
    Of(L::SummaryGalleryPicturePosition, "ComboSImgGalPos", Kind::Position),
    Colour(L::SummaryGalleryPictureBorderColour, "PaintSImgGalCou", kBlack),
    Width(L::SummaryGalleryPictureBorderWidth, "SpinSImgGalBor", 0),
    Of(L::HomeLinkShown, "CheckSAcc", Kind::Check),
    Text(L::HomeTitle, "EditSAccTit", TextId::Home),
    Text(L::HomeLink, "EditSAccLie"),
    Text(L::HomePicture, "EditSAccImg"),
    Number(L::SummaryTableEntriesPerRow, "SpinSTabLig", 1, 11, 1),
    Of(L::GalleryTablePosition, "ComboGTabPos", Kind::Position),
    Colour(L::GalleryTableBackgroundColour, "PaintGTabFon", kWhite),
    Colour(L::GalleryTableBorderColour, "PaintGTabBor", kBlack),
    Width(L::GalleryTableBorderWidth, "SpinGTabBor", 3),
    Width(L::GalleryTableCellPadding, "SpinGTabEcaBor", 3),
    Width(L::GalleryTableCellSpacing, "SpinGTabEcaCel", 3),
    Free(L::Unused99),
    Text(L::GalleryTableBackgroundPicture, "EditGTabFon"),
    Number(L::GalleryTablePicturesPerRow, "SpinGTabLig", 1, 5000, 3),
    Number(L::GalleryThumbnailWidth, "SpinGImgHor", 1, 5000, 1),
    Number(L::GalleryThumbnailHeight, "SpinGImgVer", 1, 5000, 1),
    Of(L::GalleryThumbnailPosition, "ComboGImgPos", Kind::Position),
    Colour(L::GalleryThumbnailBorderColour, "PaintgImgBorCou", kBlack),
    Number(L::GalleryThumbnailBorderWidth, "SpinGImgBor", 0, 500, 0),
    Of(L::GalleryThumbnailTitlesShown, "CheckGTitImg", Kind::Check),
    Of(L::GalleryThumbnailTitleFont, "ComboGTitImgFon", Kind::Font),
    Of(L::GalleryThumbnailTitleStyle, "ComboGTitImgSty", Kind::Style),
    Colour(L::GalleryThumbnailTitleColour, "PaintgTitImgCou", kBlack),
    Free(L::Unused111),
    FontSize(L::GalleryThumbnailTitleSize, "SpinGTitImgSiz"),
    Of(L::GalleryThumbnailTitlePosition, "ComboGTitImgPos", Kind::Position),
    Of(L::GalleryFirstPicture1, "ComboFImgGal1", Kind::Picture),
    Of(L::GalleryFirstPicture2, "ComboFImgGal2", Kind::Picture),
    Of(L::GalleryFirstPicture3, "ComboFImgGal3", Kind::Picture),
    Of(L::GalleryFirstPicture4, "ComboFImgGal4", Kind::Picture),
    Of(L::GalleryFirstPicture5, "ComboFImgGal5", Kind::Picture),
    Of(L::GalleryFirstPicture6, "ComboFImgGal6", Kind::Picture),
    Of(L::GalleryFirstPicture7, "ComboFImgGal7", Kind::Picture),
    Of(L::GalleryFirstPicture8, "ComboFImgGal8", Kind::Picture),
    Of(L::GalleryFirstPicture9, "ComboFImgGal9", Kind::Picture),
    Of(L::GalleryFirstPicture10, "ComboFImgGal10", Kind::Picture),
    Of(L::GalleryLastPicture1, "ComboLImgGal1", Kind::Picture),
    Of(L::GalleryLastPicture2, "ComboLImgGal2", Kind::Picture),
    Of(L::GalleryLastPicture3, "ComboLImgGal3", Kind::Picture),
    Of(L::GalleryLastPicture4, "ComboLImgGal4", Kind::Picture),
    Of(L::GalleryLastPicture5, "ComboLImgGal5", Kind::Picture),
    Of(L::GalleryLastPicture6, "ComboLImgGal6", Kind::Picture),
    Of(L::GalleryLastPicture7, "ComboLImgGal7", Kind::Picture),
    Of(L::GalleryLastPicture8, "ComboLImgGal8", Kind::Picture),
    Of(L::GalleryLastPicture9, "ComboLImgGal9", Kind::Picture),
    Of(L::GalleryLastPicture10, "ComboLImgGal10", Kind::Picture),
    Colour(L::GalleryBackgroundColour, "PaintGCou", kWhite),
    Colour(L::PicturePageBackgroundColour, "PaintICou", kWhite),
    Text(L::GalleryBackgroundPicture, "EditGMot"),
    Text(L::PicturePageBackgroundPicture, "EditIMot"),
    Of(L::MakeThumbnails, "CheckImagette", Kind::Check),
    Text(L::SummaryTopHtml, "EditSTempHaut"),
    Text(L::SummaryBottomHtml, "EditSTempBas"),
    Text(L::GalleryTopHtml, "EditGTempHaut"),
    Text(L::GalleryBottomHtml, "EditGTempBas"),
    Text(L::PictureTopHtml, "EditITempHaut"),
    Text(L::PictureBottomHtml, "EditITempBas"),
    Number(L::LargestPictureWidth, "SpinILarg", 0, 35000, 0),
    Number(L::LargestPictureHeight, "SpinIHaut", 0, 35000, 0),
    Number(L::PictureStrips, "SpinIMorceaux", 1, 9, 1),
    Of(L::StampCopyright, "CheckCopyRight", Kind::Check),
    Text(L::CopyrightPicture, "EditImgCopyRight"),
    Of(L::CopyrightCorner, "ComboIPosCopyRight", Kind::Corner),
    Number(L::CopyrightDistance, "SpinICopyRight", 0, 100, 3),
}};

constexpr bool EachRowIsItsLine() {
    for (int n = 0; n < kLineCount; ++n) {
        if (LineNumber(kLayout[static_cast<std::size_t>(n)].line) != n) return false;
    }
    return true;
}
static_assert(EachRowIsItsLine(), "row n of the layout must describe line n");

}  // namespace

const std::array<LineLayout, kLineCount>& AllLines() { return kLayout; }

const LineLayout& Layout(SettingLine line) {
    const int n = LineNumber(line);
    // A value outside the file (a gallery past the tenth) reads as a free line.
    if (n < 0 || n >= kLineCount) return kLayout[static_cast<std::size_t>(LineNumber(SettingLine::Unused99))];
    return kLayout[static_cast<std::size_t>(n)];
}

std::optional<std::string_view> TemplateFolderOf(SettingLine line) {
    switch (line) {
        case SettingLine::SummaryTemplate: return "sommaires";
        case SettingLine::GalleryTemplate: return "galeries";
        case SettingLine::PictureTemplate: return "images";
        default: return std::nullopt;
    }
}

}  // namespace palimora::settings
