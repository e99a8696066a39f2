#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The files of a site built into a project folder:
//   index.html                 the summary page
//   feed.xml                   the galleries as an Atom feed, when the site's web address is known
//   Gal<k>.htm                 the page of gallery k (1 to 10)
//   g<k>-<picture>.htm         the page of a picture in gallery k, named after its file
//   tn_images/tn-<picture>.jpg     gallery thumbnails
//   tns_images/tns-<picture>.jpg   summary thumbnails of the galleries' first pictures
//   morc_images/<picture>-<i>.jpg  the strips a picture is cut into
//   web_images/<picture>       every picture as the site shows it, when the
//                              settings shape it (a size limit, a stamp):
//                              images/ then keeps the user's photos as given,
//                              and is never published
//   param/                     the files the settings name (backgrounds, buttons, headers)
//   orig_images/               what visitors download: pictures as given, galleries as ZIPs
// While pages are designed, the sample pages of the program folder stand in
// for them (ProgramFolder::kSummarySample and its neighbours).
namespace palimora::site_layout {

inline constexpr const char* kStartPage = "index.html";
inline constexpr const char* kThumbnailFolder = "tn_images";
inline constexpr const char* kSummaryThumbnailFolder = "tns_images";
inline constexpr const char* kStripFolder = "morc_images";
inline constexpr const char* kParamFolder = "param";
// Pictures for phones, beside the size-limited ones (pages for today's browsers).
inline constexpr const char* kPhoneFolder = "tel_images";
// The pictures as the site shows them, when a size limit or a stamp shapes them.
inline constexpr const char* kShapedFolder = "web_images";
// The browsing script of pages for today's browsers: models/ of the program
// folder ships it, param/ of a built site holds it.
inline constexpr const char* kBrowsingScript = "browse.js";
// What visitors download from pages for today's browsers: the pictures as
// the user gave them, when the site does not show them so, and each
// gallery as one ZIP.
inline constexpr const char* kDownloadFolder = "orig_images";
// The site's Atom feed, beside its pages.
inline constexpr const char* kFeed = "feed.xml";
// The clips as browsers play them (ClipName) and their posters (PosterName).
inline constexpr const char* kClipFolder = "clips";
// The site's icon, in param/, made from its first picture.
inline constexpr const char* kFavicon = "favicon.jpg";

std::string GalleryPage(int gallery);
// The further pages of a gallery too large for one: part 2 on, "Gal<k>-<part>.htm".
std::string GalleryPage(int gallery, int part);
// `pictureBase`: the picture's file name without its extension.
std::string PicturePage(int gallery, std::string_view pictureBase);
std::string ThumbnailName(std::string_view pictureBase);
std::string SummaryThumbnailName(std::string_view pictureBase);
std::string StripName(std::string_view pictureBase, int strip);
// The name in kShapedFolder of picture `name`: a JPEG picture is there as
// "<base>.jpg" (also when its own name ends in ".jpeg"), any other under its
// own name.
std::string ShapedName(std::string_view name);
// Whether a file of the site's folder is one of its pages: ".htm" or
// ".html", in any letter case.
bool IsPageName(std::string_view name);
// Whether a file at the top of the site's folder is one of the site's: a page or the feed.
bool IsSiteFileAtTop(std::string_view name);
// A thumbnail's twice-as-sharp copy: "tn-<base>-2x.jpg" beside "tn-<base>.jpg".
std::string DoubleSizeName(std::string_view thumbnailName);
// A clip's web copy and its poster in kClipFolder: "<base>.mp4" and "<base>.jpg".
std::string ClipName(std::string_view pictureBase);
std::string PosterName(std::string_view pictureBase);
// Gallery k's ZIP in kDownloadFolder: "Gal<k>.zip".
std::string GalleryArchiveName(int gallery);
// Where a page links picture `name` as the user gave it: its own file when
// the site shows the pictures as they are (`shownAsGiven`), else its copy
// in kDownloadFolder.
std::string OriginalPicture(std::string_view name, bool shownAsGiven);

}  // namespace palimora::site_layout
