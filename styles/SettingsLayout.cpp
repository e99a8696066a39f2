#include "styles/SettingsLayout.h"

namespace palimora::settings {
namespace {

constexpr LineLayout Free() { return {"", Kind::Free}; }
constexpr LineLayout Of(std::string_view control, Kind kind) { return {control, kind}; }
constexpr LineLayout Number(std::string_view control, int minimum, int maximum, int initial) {
    return {control, Kind::Number, minimum, maximum, initial};
}
constexpr LineLayout Colour(std::string_view control, int initial) { return {control, Kind::Colour, 0, 0, initial}; }
constexpr LineLayout Text(std::string_view control, int defaultText = -1) {
    return {control, Kind::Text, 0, 0, 0, defaultText};
}
constexpr LineLayout FontSize(std::string_view control) { return Number(control, 1, 7, 3); }
constexpr LineLayout Width(std::string_view control, int initial) { return Number(control, 0, 5000, initial); }

constexpr int kWhite = 0xFFFFFF;
constexpr int kBlack = 0;

constexpr std::array<LineLayout, kLineCount> kLayout = {{
    /* 0 */ Colour("PaintBox5", kWhite),
    /* 1 */ Text("EditSTit", kDefaultIsProjectName),
    /* 2 */ FontSize("SpinSTitSiz"),
    /* 3 */ Text("Edit8"),
    /* 4 */ Of("CheckBox1", Kind::Check),
    /* 5 */ Of("ComboBox2", Kind::Font),
    /* 6 */ Of("ComboBox3", Kind::Style),
    /* 7 */ Colour("PaintBox4", kBlack),
    /* 8 */ Of("ComboBox4", Kind::Position),
    /* 9 */ FontSize("SpinEdit2"),
    /* 10 */ Of("ComboEImg", Kind::Template),
    /* 11 */ Of("ComboImPos", Kind::Position),
    /* 12 */ Colour("PaintImg", kBlack),
    /* 13 */ Width("SpinImg", 0),
    /* 14 */ Width("SpinImEspH", 0),
    /* 15 */ Width("SpinImEspV", 0),
    /* 16 */ Of("CheckComm", Kind::Check),
    /* 17 */ Of("ComboCommPos", Kind::Position),
    /* 18 */ Of("ComboCommFon", Kind::Font),
    /* 19 */ Of("ComboCommSty", Kind::Style),
    /* 20 */ FontSize("SpinCommSiz"),
    /* 21 */ Colour("PaintCommCol", kBlack),
    /* 22 */ Of("CheckBouHau", Kind::Check),
    /* 23 */ Of("CheckBouBas", Kind::Check),
    /* 24 */ Of("ComboBouPos", Kind::Position),
    /* 25 */ Of("ComboBouFon", Kind::Font),
    /* 26 */ Of("ComboBouSty", Kind::Style),
    /* 27 */ FontSize("SpinBouSiz"),
    /* 28 */ Colour("PaintBouCou", kBlack),
    /* 29 */ Of("RadioBouTex", Kind::Mode),
    /* 30 */ Text("EditBouRet", 14),
    /* 31 */ Text("EditBouSom", 16),
    /* 32 */ Text("EditBouSui", 15),
    /* 33 */ Of("ComboTabPos", Kind::Position),
    /* 34 */ Colour("PaintTabFon", kWhite),
    /* 35 */ Colour("PaintTabBor", kBlack),
    /* 36 */ Width("SpinTabBor", 3),
    /* 37 */ Width("SpinTabEcaBor", 3),
    /* 38 */ Width("SpinTabEcaCel", 3),
    /* 39 */ Free(),
    /* 40 */ Text("EditTabFon"),
    /* 41 */ Of("CheckESom", Kind::Check),
    /* 42 */ Of("CheckEGal", Kind::Check),
    /* 43 */ Of("CheckEImg", Kind::Check),
    /* 44 */ Of("ComboESom", Kind::Template),
    /* 45 */ Of("ComboEGal", Kind::Template),
    /* 46 */ Of("CheckSTit", Kind::Check),
    /* 47 */ Of("ComboSTitFon", Kind::Font),
    /* 48 */ Of("ComboSTitSty", Kind::Style),
    /* 49 */ Colour("PaintSTitCou", kBlack),
    /* 50 */ Of("ComboSTitPos", Kind::Position),
    /* 51 */ Free(),
    /* 52 */ Of("CheckGTit", Kind::Check),
    /* 53 */ Of("ComboGTitFon", Kind::Font),
    /* 54 */ Of("ComboGTitSty", Kind::Style),
    /* 55 */ Colour("PaintGTitCou", kBlack),
    /* 56 */ Of("ComboGTitPos", Kind::Position),
    /* 57 */ FontSize("SpinGTitSiz"),
    /* 58 */ Text("EditNGal1"),
    /* 59 */ Text("EditNGal2"),
    /* 60 */ Text("EditNGal3"),
    /* 61 */ Text("EditNGal4"),
    /* 62 */ Text("EditNGal5"),
    /* 63 */ Text("EditNGal6"),
    /* 64 */ Text("EditNGal7"),
    /* 65 */ Text("EditNGal8"),
    /* 66 */ Text("EditNGal9"),
    /* 67 */ Text("EditNGal10"),
    /* 68 */ Of("ComboSTabPos", Kind::Position),
    /* 69 */ Colour("PaintSTabFon", kWhite),
    /* 70 */ Colour("PaintSTabBor", kBlack),
    /* 71 */ Width("SpinSTabBor", 3),
    /* 72 */ Width("SpinSTabEcaBor", 3),
    /* 73 */ Width("SpinSTabEcaCel", 3),
    /* 74 */ Free(),
    /* 75 */ Text("EditSTabFon"),
    /* 76 */ Of("CheckSTitGal", Kind::Check),
    /* 77 */ Of("ComboSTitGalFon", Kind::Font),
    /* 78 */ Of("ComboSTitGalSty", Kind::Style),
    /* 79 */ Colour("PaintSTitGalCou", kBlack),
    /* 80 */ Of("ComboSTitGalPos", Kind::Position),
    /* 81 */ FontSize("SpinSTitGalSiz"),
    /* 82 */ Of("CheckSImgGal", Kind::Check),
    /* 83 */ Number("SpinSImgGalHor", 1, 5000, 1),
    /* 84 */ Number("SpinSImgGalVer", 1, 5000, 1),
    /* 85 */ Of("ComboSImgGalPos", Kind::Position),
    /* 86 */ Colour("PaintSImgGalCou", kBlack),
    /* 87 */ Width("SpinSImgGalBor", 0),
    /* 88 */ Of("CheckSAcc", Kind::Check),
    /* 89 */ Text("EditSAccTit", 99),
    /* 90 */ Text("EditSAccLie"),
    /* 91 */ Text("EditSAccImg"),
    /* 92 */ Number("SpinSTabLig", 1, 11, 1),
    /* 93 */ Of("ComboGTabPos", Kind::Position),
    /* 94 */ Colour("PaintGTabFon", kWhite),
    /* 95 */ Colour("PaintGTabBor", kBlack),
    /* 96 */ Width("SpinGTabBor", 3),
    /* 97 */ Width("SpinGTabEcaBor", 3),
    /* 98 */ Width("SpinGTabEcaCel", 3),
    /* 99 */ Free(),
    /* 100 */ Text("EditGTabFon"),
    /* 101 */ Number("SpinGTabLig", 1, 5000, 3),
    /* 102 */ Number("SpinGImgHor", 1, 5000, 1),
    /* 103 */ Number("SpinGImgVer", 1, 5000, 1),
    /* 104 */ Of("ComboGImgPos", Kind::Position),
    /* 105 */ Colour("PaintgImgBorCou", kBlack),
    /* 106 */ Number("SpinGImgBor", 0, 500, 0),
    /* 107 */ Of("CheckGTitImg", Kind::Check),
    /* 108 */ Of("ComboGTitImgFon", Kind::Font),
    /* 109 */ Of("ComboGTitImgSty", Kind::Style),
    /* 110 */ Colour("PaintgTitImgCou", kBlack),
    /* 111 */ Free(),
    /* 112 */ FontSize("SpinGTitImgSiz"),
    /* 113 */ Of("ComboGTitImgPos", Kind::Position),
    /* 114 */ Of("ComboFImgGal1", Kind::Picture),
    /* 115 */ Of("ComboFImgGal2", Kind::Picture),
    /* 116 */ Of("ComboFImgGal3", Kind::Picture),
    /* 117 */ Of("ComboFImgGal4", Kind::Picture),
    /* 118 */ Of("ComboFImgGal5", Kind::Picture),
    /* 119 */ Of("ComboFImgGal6", Kind::Picture),
    /* 120 */ Of("ComboFImgGal7", Kind::Picture),
    /* 121 */ Of("ComboFImgGal8", Kind::Picture),
    /* 122 */ Of("ComboFImgGal9", Kind::Picture),
    /* 123 */ Of("ComboFImgGal10", Kind::Picture),
    /* 124 */ Of("ComboLImgGal1", Kind::Picture),
    /* 125 */ Of("ComboLImgGal2", Kind::Picture),
    /* 126 */ Of("ComboLImgGal3", Kind::Picture),
    /* 127 */ Of("ComboLImgGal4", Kind::Picture),
    /* 128 */ Of("ComboLImgGal5", Kind::Picture),
    /* 129 */ Of("ComboLImgGal6", Kind::Picture),
    /* 130 */ Of("ComboLImgGal7", Kind::Picture),
    /* 131 */ Of("ComboLImgGal8", Kind::Picture),
    /* 132 */ Of("ComboLImgGal9", Kind::Picture),
    /* 133 */ Of("ComboLImgGal10", Kind::Picture),
    /* 134 */ Colour("PaintGCou", kWhite),
    /* 135 */ Colour("PaintICou", kWhite),
    /* 136 */ Text("EditGMot"),
    /* 137 */ Text("EditIMot"),
    /* 138 */ Of("CheckImagette", Kind::Check),
    /* 139 */ Text("EditSTempHaut"),
    /* 140 */ Text("EditSTempBas"),
    /* 141 */ Text("EditGTempHaut"),
    /* 142 */ Text("EditGTempBas"),
    /* 143 */ Text("EditITempHaut"),
    /* 144 */ Text("EditITempBas"),
    /* 145 */ Number("SpinILarg", 0, 35000, 0),
    /* 146 */ Number("SpinIHaut", 0, 35000, 0),
    /* 147 */ Number("SpinIMorceaux", 1, 9, 1),
    /* 148 */ Of("CheckCopyRight", Kind::Check),
    /* 149 */ Text("EditImgCopyRight"),
    /* 150 */ Of("ComboIPosCopyRight", Kind::Corner),
    /* 151 */ Number("SpinICopyRight", 0, 100, 3),
}};

}  // namespace

const LineLayout& Layout(int line) {
    static const LineLayout free = Free();
    if (line < 0 || line >= kLineCount) return free;
    return kLayout[static_cast<std::size_t>(line)];
}

std::optional<std::string_view> TemplateFolderOf(int line) {
    switch (line) {
        case kSummaryTemplate: return "sommaires";
        case kGalleryTemplate: return "galeries";
        case kPictureTemplate: return "images";
        default: return std::nullopt;
    }
}

}  // namespace palimora::settings
