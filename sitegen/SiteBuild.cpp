#include "sitegen/SiteBuild.h"

#include "common/AtomicFiles.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/FailureTexts.h"
#include "common/FileContents.h"
#include "common/FileNames.h"
#include "common/FolderFiles.h"
#include "common/OrderedWork.h"
#include "common/ProgramFolder.h"
#include "common/TextLines.h"
#include "common/UserDialogs.h"
#include "imaging/ImageError.h"
#include "imaging/PictureReader.h"
#include "imaging/PrivateMetadata.h"
#include "lang/ErrorMessages.h"
#include "lang/Language.h"
#include "lang/LanguageChoice.h"
#include "project/BuiltSite.h"
#include "project/PictureMessages.h"
#include "project/PictureNames.h"
#include "project/PictureTextFile.h"
#include "project/ProjectFolders.h"
#include "project/ProjectLayout.h"
#include "project/SiteAddress.h"
#include "project/SiteLayout.h"
#include "sitegen/BuildContext.h"
#include "sitegen/DerivedPictures.h"
#include "sitegen/DerivedRecord.h"
#include "sitegen/Fragments.h"
#include "sitegen/Galleries.h"
#include "sitegen/MadeFiles.h"
#include "sitegen/PageWriter.h"
#include "sitegen/PicturePages.h"
#include "sitegen/ShapedPictures.h"
#include "sitegen/ShownSizes.h"
#include "sitegen/SiteDownloads.h"
#include "sitegen/SiteFeed.h"
#include "styles/ProjectSettings.h"
#include "styles/SampleTemplates.h"
#include "styles/SettingsLayout.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <new>
#include <optional>
#include <set>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

namespace {

// The settings that name a file of param, which its clearing keeps.
constexpr SettingLine kFileSettings[] = {SettingLine::PicturePageBackgroundPicture,
                                         SettingLine::PictureTableBackgroundPicture,
                                         SettingLine::BackButton,
                                         SettingLine::ContentsButton,
                                         SettingLine::NextButton,
                                         SettingLine::GalleryBackgroundPicture,
                                         SettingLine::GalleryTableBackgroundPicture,
                                         SettingLine::SummaryBackgroundPicture,
                                         SettingLine::SummaryTableBackgroundPicture,
                                         SettingLine::HomePicture};

struct Cancelled {};

// The browsing script as visitors download it: without its comment lines
// and indentation, which are for whoever reads the source.
std::string ScriptForVisitors(const std::string& source) {
    std::string script;
    for (const std::string& line : SplitLines(source)) {
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line.compare(first, 2, "//") == 0) continue;
        script += line.substr(first) + "\n";
    }
    return script;
}

constexpr std::size_t kPicturesAhead = 32;
// How often the window hears from a build waiting for a picture (a clip being encoded).
constexpr std::chrono::milliseconds kProgressInterval{200};
constexpr std::size_t kPagesAhead = 64;

class Run {
public:
    Run(const SiteBuildSources& sources, BuildContext& context, BuildProgress& progress)
        : s_(sources),
          context_(context),
          progress_(progress),
          project_(sources.folder.Project(sources.projectName)),
          record_(DerivedRecord::Load(project_)) {}

    void Execute();
    // After a run that did not finish: no entry page is left, so that an
    // unfinished site is never taken for a built one (the working templates
    // stay for a failed run; its window's Cancel removes them).
    void CleanUpUnfinished() const;
    // Whatever the outcome, the record describes the pictures derived so far.
    void SaveRecord() const { record_.Save(project_); }

private:
    void Check() const {
        if (progress_.CancelRequested()) throw Cancelled{};
    }
    void Status(TextId text, int value = 0) const {
        progress_.SetStatus(s_.language.LangText(text) + (value ? " " + std::to_string(value) : std::string()));
    }
    std::string Line(SettingLine line) const { return s_.settings.Lines().Line(line); }
    // What an earlier build left and this one no longer makes: the site's
    // files, and the files of param that no setting names there.
    void RemoveFilesNotMade() const;
    void RemoveEntryPages() const;
    void InstallTemplates() const;
    // A site language setting that names no language of the program: the
    // pages speak the program's, and the user is told once.
    void TellUnusableSiteLanguage() const;
    // The script the pages for today's browsers load, into param.
    void InstallBrowsingScript() const;
    // The site's icon from its first JPEG picture, into param; none when it cannot be read.
    void MakeFavicon(const std::vector<std::string>& names) const;
    ConversionSettings Conversion(const Galleries& galleries) const;
    // The summary, gallery and picture pages; which pictures are on a page.
    std::vector<bool> WritePages(const std::vector<std::string>& names, const Galleries& galleries,
                                 ShownSizesByName shownSizes, const GalleryArchiveSizes& archiveSizes);
    // feed.xml, when the extras ask for it and the site's web address is known.
    void WriteFeed(const std::vector<std::string>& names, const Galleries& galleries,
                   const ConversionSettings& conversion) const;
    // What visitors download: the pictures as given and the galleries' ZIPs.
    GalleryArchiveSizes MakeDownloads(const std::vector<std::string>& names, const Galleries& galleries,
                                      const ConversionSettings& conversion) const;
    // The pictures' derived files, on every core, written in list order; a
    // picture whose files are as the record describes them is left as it is.
    void DerivePictures(const std::vector<std::string>& names, ConversionSettings conversion,
                        const std::vector<bool>& onAPage);
    // Puts what picture `name` was derived into, as written, in the record
    // beside what it was derived from (`entry`).
    void Record(const std::string& name, DerivedRecord::Entry entry, const std::vector<ConvertedFile>& files,
                const std::vector<std::uint64_t>& fileHashes);

    const SiteBuildSources& s_;
    BuildContext& context_;
    BuildProgress& progress_;
    fs::path project_;
    mutable MadeFiles made_;
    DerivedRecord record_;  // what the pictures were derived from, as this run leaves them
};

void Run::RemoveFilesNotMade() const {
    palimora::RemoveFilesNotMade(project_, made_);
    std::vector<std::string> kept;
    for (const SettingLine line : kFileSettings) kept.push_back(Line(line));
    CleanParamFolder(project_, kept, made_);
}

void Run::RemoveEntryPages() const {
    std::error_code ignored;
    for (const std::string& page : BuiltSiteMarkers()) fs::remove(project_ / page, ignored);
}

void Run::InstallTemplates() const {
    for (const SettingLine line : kTemplateLines) InstallChosenTemplate(s_.folder, s_.settings, s_.language, line);
}

void Run::TellUnusableSiteLanguage() const {
    const std::string site = Line(SettingLine::SiteLanguage);
    if (!site.empty() && LanguageCodeOfChoice(s_.folder, site).empty())
        s_.dialogs.ShowMessageOk(s_.language.LangText(TextId::SiteLanguageUnusable) + " " + site);
}

void Run::InstallBrowsingScript() const {
    const fs::path source = s_.folder.Root() / "models" / site_layout::kBrowsingScript;
    const fs::path target = project_ / site_layout::kParamFolder / site_layout::kBrowsingScript;
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    try {
        if (error) FailOnFile(Failure::CannotWrite, target.parent_path());
        WriteFileIfChanged(target, ScriptForVisitors(ReadFileBytes(source)));
        made_.Add(target);
    } catch (const PalimoraError&) {
        // The pages work without it: the keys and swipes are all it adds.
        s_.dialogs.ShowMessageOk(s_.language.LangText(TextId::FileUnusable) + " " + DisplayPath(source) + ".");
    }
}

void Run::MakeFavicon(const std::vector<std::string>& names) const {
    const fs::path favicon = project_ / site_layout::kParamFolder / site_layout::kFavicon;
    const auto first =
        std::find_if(names.begin(), names.end(), [](const std::string& name) { return IsJpegName(name); });
    try {
        if (first != names.end()) {
            const fs::path picture = project_layout::PicturesFolder(project_) / *first;
            const std::uint64_t contents = record_.Contents(project_, *first).value_or(0);
            // Made from the same picture before: nothing to decode again.
            if (!IsFaviconOf(favicon, picture, contents)) WriteFileIfChanged(favicon, FaviconOf(picture, contents));
            made_.Add(favicon);
            return;
        }
    } catch (const ImageError&) {
        // Its conversion tells the user of a picture that cannot be read.
    } catch (const std::bad_alloc&) {
    } catch (const PalimoraError&) {
    }
    // The pages name the icon only when param holds it.
    std::error_code ignored;
    fs::remove(favicon, ignored);
}

void Run::Record(const std::string& name, DerivedRecord::Entry entry, const std::vector<ConvertedFile>& files,
                 const std::vector<std::uint64_t>& fileHashes) {
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string key = files[i].file.lexically_relative(project_).generic_string();
        const std::optional<FileFingerprint> print = FingerprintOf(files[i].file, fileHashes[i]);
        if (!print) return;  // not there after all: derived again next time
        made_.Add(files[i].file);
        entry.files.emplace_back(key, *print);
    }
    record_.Set(name, std::move(entry));
}

ConversionSettings Run::Conversion(const Galleries& galleries) const {
    const ProjectSettings& settings = s_.settings;
    ConversionSettings conversion;
    conversion.thumbnails = settings.Check(SettingLine::MakeThumbnails);
    conversion.galleryBoxWidth = settings.Number(SettingLine::GalleryThumbnailWidth);
    conversion.galleryBoxHeight = settings.Number(SettingLine::GalleryThumbnailHeight);
    conversion.summaryBoxWidth = settings.Number(SettingLine::SummaryGalleryPictureWidth);
    conversion.summaryBoxHeight = settings.Number(SettingLine::SummaryGalleryPictureHeight);
    for (int k = 0; k < kMaxGalleries; ++k) conversion.galleryFirstPictures[k] = galleries[k].firstPicture;
    conversion.limitWidth = settings.Number(SettingLine::LargestPictureWidth);
    conversion.limitHeight = settings.Number(SettingLine::LargestPictureHeight);
    conversion.strips = settings.Number(SettingLine::PictureStrips);
    conversion.stampFile = StampPicture(settings, s_.language, s_.projectName);
    conversion.stampFingerprint = HashOfFile(conversion.stampFile).value_or(0);
    conversion.stamp = !conversion.stampFile.empty();  // without a stamp picture there is nothing to stamp
    const std::string corner = settings.ChosenItem(SettingLine::CopyrightCorner, s_.folder, s_.language, {});
    // The corners in the order of the list's items.
    for (std::size_t i = 0; i < settings::kCornerTexts.size(); ++i) {
        if (corner == s_.language.LangText(settings::kCornerTexts[i])) {
            conversion.corner = static_cast<ConversionSettings::Corner>(i);
        }
    }
    conversion.margin = settings.Number(SettingLine::CopyrightDistance);
    conversion.todaysBrowsers = settings.Check(SettingLine::TodaysBrowsers);
    conversion.shaped = ShowsShapedPictures(settings, s_.language, s_.projectName);
    return conversion;
}

GalleryArchiveSizes Run::MakeDownloads(const std::vector<std::string>& names, const Galleries& galleries,
                                       const ConversionSettings& conversion) const {
    const VisitorExtras extras = s_.settings.Extras();
    if (!extras.originalDownload && !extras.galleryArchive) return {};
    // What visitors download must be as clean as what the site shows: a
    // picture not derived since it changed loses its private data first
    // (its conversion would, after the downloads are made). One that cannot
    // be read for it is offered to no one.
    std::set<std::string> withheld;
    for (const std::string& name : names) {
        if (!IsJpegName(name) || record_.DerivedAsItStands(project_, name)) continue;
        try {
            RemovePrivateData(project_layout::PicturesFolder(project_) / name);
        } catch (const ImageError&) {
            withheld.insert(name);  // its conversion tells the user of a picture that cannot be read
        }
    }
    SiteDownloads downloads{project_,
                            names,
                            std::move(withheld),
                            extras.originalDownload,
                            extras.galleryArchive,
                            !conversion.shaped && conversion.strips == 1,
                            [this](const std::string& name) { return record_.Contents(project_, name).value_or(0); }};
    return downloads.Make(galleries, made_);
}

void Run::WriteFeed(const std::vector<std::string>& names, const Galleries& galleries,
                    const ConversionSettings& conversion) const {
    SiteFeed feed{SavedWebAddress(project_), {}, {}};
    if (!s_.settings.Extras().feed || feed.webAddress.empty()) return;  // an earlier build's goes as not made
    if (feed.webAddress.back() != '/') feed.webAddress += '/';
    feed.title = Utf8FromCp1252(s_.settings.Text(SettingLine::SummaryTitle, s_.language, s_.projectName)).Bytes();
    for (int k = 1; k <= kMaxGalleries; ++k) {
        const Gallery& gallery = galleries[static_cast<std::size_t>(k - 1)];
        if (gallery.Count() == 0) continue;
        std::vector<fs::path> pictures;
        for (int i = gallery.first; i <= gallery.last && i < static_cast<int>(names.size()); ++i)
            pictures.push_back(project_layout::PicturesFolder(project_) / names[static_cast<std::size_t>(i)]);
        const std::string& first = names[static_cast<std::size_t>(gallery.first)];
        const std::string base = BaseName(first);
        std::string cover;
        for (const std::string& candidate :
             {std::string(site_layout::kSummaryThumbnailFolder) + "/" + site_layout::SummaryThumbnailName(base),
              std::string(site_layout::kThumbnailFolder) + "/" + site_layout::ThumbnailName(base),
              conversion.shaped ? std::string(site_layout::kShapedFolder) + "/" + site_layout::ShapedName(first)
                                : std::string()}) {
            std::error_code error;
            if (cover.empty() && !candidate.empty() && fs::is_regular_file(project_ / candidate, error))
                cover = candidate;
        }
        if (cover.empty() && conversion.strips == 1 && IsJpegName(first))
            cover = std::string(project_layout::kPicturesFolder) + "/" + first;
        feed.entries.push_back(
            {Utf8FromCp1252(gallery.name).Bytes(), site_layout::GalleryPage(k), cover, NewestPictureDate(pictures)});
    }
    const fs::path file = project_ / site_layout::kFeed;
    WriteFileIfChanged(file, feed.Xml());
    made_.Add(file);
}

std::vector<bool> Run::WritePages(const std::vector<std::string>& names, const Galleries& galleries,
                                  ShownSizesByName shownSizes, const GalleryArchiveSizes& archiveSizes) {
    const int pictureCount = static_cast<int>(names.size());
    const PictureTextIndex texts(s_.texts);  // every page's titles and comments, from one reading
    const PageSources pageSources{s_.folder, s_.projectName,        s_.language, s_.settings, texts,
                                  names,     std::move(shownSizes), {},          &made_,      archiveSizes};
    PageWriter writer(pageSources, context_, s_.dialogs);
    if (s_.settings.Check(SettingLine::MakeSummary)) writer.WriteSummaryPage();
    progress_.Step();
    Check();

    const bool galleriesOn = s_.settings.Check(SettingLine::MakeGalleries);
    // A gallery past a page's capacity goes on over further pages, so that
    // every picture has its thumbnail on one of them.
    context_.galleryContinues = true;
    for (int k = 1; k <= kMaxGalleries; ++k) {
        progress_.Step();
        Check();
        if (!galleriesOn) continue;
        Status(TextId::GalleryPageStatus, k);
        context_.currentGallery = k;
        const int parts = GalleryParts(context_.galleryCount[k - 1], context_.galleryContinues);
        for (int part = 1; context_.galleryCount[k - 1] != 0 && part <= parts; ++part) {
            context_.galleryPart = part;
            context_.galleryPage = site_layout::GalleryPage(k, part);
            writer.WriteGalleryPage(k);
        }
        context_.galleryPart = 1;
    }

    // The picture pages are written on every core; what they found missing
    // is gathered here, in list order, as a one-thread run finds it.
    std::vector<bool> onAPage(names.size(), false);
    PicturePages picturePages(pageSources, context_, s_.dialogs, galleries, galleriesOn);
    OrderedWork<PicturePages::Written> pages(
        names.size(), [&](std::size_t i) { return picturePages.Write(static_cast<int>(i) + 1); }, kPagesAhead,
        s_.pictureWorkers);
    for (int n = 1; n <= pictureCount; ++n) {
        progress_.Step();
        Status(TextId::PicturePageStatus, n);
        if (progress_.CancelRequested()) {
            pages.Stop();
            throw Cancelled{};
        }
        PicturePages::Written written = pages.Take(static_cast<std::size_t>(n - 1));
        if (written.failure) {
            pages.Stop();
            std::rethrow_exception(written.failure);
        }
        writer.AddFindings(written.findings);
        onAPage[n - 1] = written.onAPage;
    }
    if (const auto outside = std::count(onAPage.begin(), onAPage.end(), false); outside > 0) {
        s_.dialogs.ShowMessageOk(s_.language.LangText(TextId::PicturesInNoGallery) + " " + std::to_string(outside));
    }
    writer.TellMissingMarkers();  // once for the whole build, however many pages lacked them
    writer.TellFailedCopies();    // likewise for the pictures param could not receive

    return onAPage;
}

void Run::DerivePictures(const std::vector<std::string>& names, ConversionSettings conversion,
                         const std::vector<bool>& onAPage) {
    const int pictureCount = static_cast<int>(names.size());
    // The workers' decodes together hold at most two pictures' budget.
    MemoryGate memory(2 * kPictureMemoryBudget);
    conversion.memory = &memory;
    std::atomic<bool> stopped{false};
    conversion.stopped = &stopped;
    std::vector<std::atomic<int>> clipShares(names.size());
    conversion.clipShares = &clipShares;
    if (conversion.thumbnails) {
        fs::create_directories(project_ / site_layout::kThumbnailFolder);
        fs::create_directories(project_ / site_layout::kSummaryThumbnailFolder);
    }
    // Pictures are converted on every core; the files are written here, in
    // list order, as a one-thread run writes them. Workers take the largest
    // files first among the next kPicturesAhead, so that no core idles
    // behind one large photo; a waiting result is only its encoded files.
    // A picture whose record still holds is not converted again: its files are kept as they are.
    struct Converted {
        std::uint64_t shape = 0;  // DerivationFingerprint of the picture
        std::optional<DerivedRecord::Entry> kept;
        std::vector<ConvertedFile> files;
        std::vector<std::uint64_t> fileHashes;
        std::optional<FileFingerprint> source;  // as the conversion read it
        std::optional<PictureSize> shownSize;   // of the picture, as its header says
        std::optional<ImageError> unreadable;
        std::exception_ptr failure;
    };
    const DerivedRecord previous = record_;
    std::vector<std::uint64_t> costs;
    for (const std::string& name : names) {
        std::error_code unknown;
        const std::uintmax_t bytes = fs::file_size(project_layout::PicturesFolder(project_) / name, unknown);
        costs.push_back(unknown ? 0 : bytes);
    }
    OrderedWork<Converted> work(
        names.size(),
        [&](std::size_t i) {
            Converted converted;
            converted.shape = DerivationFingerprint(conversion, names[i]);
            converted.kept = previous.Current(project_, names[i], converted.shape);
            if (converted.kept) {
                // A record of an older build knows no size yet: it learns it once.
                if (converted.kept->width <= 0) {
                    const auto shown = ReadShownSize(project_layout::PicturesFolder(project_) / names[i]);
                    if (shown)
                        std::tie(converted.kept->width, converted.kept->height) =
                            std::pair{shown->width, shown->height};
                }
                return converted;
            }
            try {
                converted.files = ConvertPicture(project_, names[i], conversion, i);
                for (const ConvertedFile& file : converted.files) {
                    converted.fileHashes.push_back(file.copyOf.empty() ? HashOfBytes(file.bytes)
                                                                       : HashOfFile(file.copyOf).value_or(0));
                }
                const fs::path source = project_layout::PicturesFolder(project_) / names[i];
                if (const auto hash = HashOfFile(source)) converted.source = FingerprintOf(source, *hash);
                converted.shownSize = ReadShownSize(source);
            } catch (const ImageError& error) {
                converted.unreadable = error;
            } catch (const std::bad_alloc&) {
                // Too large for this machine's memory now: not a damaged picture.
                converted.unreadable = ImageError(ImageError::Kind::TooLarge, "not enough memory for " + names[i]);
            } catch (...) {
                converted.failure = std::current_exception();
            }
            return converted;
        },
        kPicturesAhead, s_.pictureWorkers, std::move(costs));
    for (int n = 1; n <= pictureCount; ++n) {
        progress_.Step();
        Status(TextId::PreparingPicture, n);
        const auto cancelled = [&] {
            if (!progress_.CancelRequested()) return;
            stopped = true;
            work.Stop();
            throw Cancelled{};
        };
        cancelled();
        // A clip takes a while: its share done shows, and Cancel is heard, while it is made.
        std::optional<Converted> ready;
        while (!(ready = work.TakeWithin(static_cast<std::size_t>(n - 1), kProgressInterval))) {
            if (FormatOfName(names[n - 1]) == PictureFormat::Clip) {
                const int share = clipShares[static_cast<std::size_t>(n - 1)];
                progress_.SetStatus(s_.language.LangText(TextId::PreparingPicture) + " " + std::to_string(n) + " (" +
                                    std::to_string(share / 10) + " %)");
            }
            cancelled();
        }
        Converted converted = std::move(*ready);
        if (converted.unreadable) {
            const fs::path file = converted.unreadable->File().empty()
                                      ? project_layout::PicturesFolder(project_) / names[n - 1]
                                      : converted.unreadable->File();
            if (!onAPage[n - 1] && converted.unreadable->File().empty()) {
                // No page shows it: the site is whole without it.
                s_.dialogs.ShowMessageOk(s_.language.LangText(TextId::UnreadablePictureSkipped) + " " +
                                         DisplayPath(file));
                continue;
            }
            work.Stop();
            throw PalimoraError(UnreadablePictureMessage(s_.language, *converted.unreadable, file));
        }
        if (converted.failure) {
            work.Stop();
            throw PalimoraError(UserMessageOf(converted.failure, s_.language));
        }
        if (converted.kept) {
            for (const auto& file : converted.kept->files) made_.Add(project_ / fs::path(file.first));
            record_.Set(names[n - 1], std::move(*converted.kept));
            continue;
        }
        WriteConversion(converted.files);
        if (converted.source) {
            const PictureSize shown = converted.shownSize.value_or(PictureSize{});
            Record(names[n - 1], {converted.shape, *converted.source, {}, shown.width, shown.height}, converted.files,
                   converted.fileHashes);
        }
    }
}

void Run::Execute() {
    const std::vector<std::string> names = ListPictureFiles(project_layout::PicturesFolder(project_));
    const int pictureCount = static_cast<int>(names.size());
    context_.buildMode = true;
    built_site::Begin(project_);  // until this build has finished, the site is not a built one
    progress_.SetMaximum(2 * pictureCount + 11);
    progress_.Step();
    Status(TextId::RemovingOldSite);
    Check();
    for (const fs::path& folder :
         {project_, project_ / site_layout::kThumbnailFolder, project_ / site_layout::kSummaryThumbnailFolder,
          project_ / site_layout::kPhoneFolder, project_ / site_layout::kStripFolder,
          project_ / site_layout::kShapedFolder, project_ / site_layout::kDownloadFolder,
          project_ / site_layout::kClipFolder}) {
        RemoveTemporaries(folder);  // a killed build's
    }
    Check();
    InstallTemplates();
    TellUnusableSiteLanguage();
    if (s_.settings.Check(SettingLine::TodaysBrowsers)) InstallBrowsingScript();
    Check();

    if (s_.settings.Check(SettingLine::TodaysBrowsers)) MakeFavicon(names);
    const Galleries galleries = ReadGalleries(s_.settings, s_.language, names);
    for (int k = 0; k < kMaxGalleries; ++k) {
        context_.galleryCount[k] = galleries[k].Count();
        if (!galleries[k].name.empty()) context_.firstPicture[k] = galleries[k].firstPicture;
        context_.firstPosition[k] = galleries[k].first;
    }
    Check();

    // The pages give every picture the size it will have, known from the headers.
    ConversionSettings conversion = Conversion(galleries);
    ShownSizesByName shownSizes;
    if (s_.settings.Check(SettingLine::TodaysBrowsers)) {
        // The last build's record knows them for the pictures that did not change since.
        shownSizes = ReadShownSizes(project_layout::PicturesFolder(project_), names, conversion,
                                    [&](const std::string& name) -> std::optional<PictureSize> {
                                        const auto size = record_.ShownSize(project_, name);
                                        if (!size) return std::nullopt;
                                        return PictureSize{size->first, size->second};
                                    });
    }
    Check();
    const GalleryArchiveSizes archiveSizes = MakeDownloads(names, galleries, conversion);
    Check();
    const std::vector<bool> onAPage = WritePages(names, galleries, std::move(shownSizes), archiveSizes);
    DerivePictures(names, conversion, onAPage);
    WriteFeed(names, galleries, conversion);
    record_.KeepOnly(names);
    RemoveFilesNotMade();
    built_site::Record(project_);

    Status(TextId::SiteReady);
    context_.Reset();
    s_.folder.DeleteSamplePages();
}

void Run::CleanUpUnfinished() const {
    RemoveEntryPages();
    context_.Reset();
}

// The name of the file of param that a setting names, or nothing when it
// names a file elsewhere. Any spelling of the param folder counts (a
// doubled or trailing separator, "." or ".." steps, a link to it).
std::optional<fs::path> NameInParam(const std::string& setting, const fs::path& param) {
    if (setting.empty() || IsWebAddress(setting)) return std::nullopt;
    fs::path file = PathFromCp1252(setting).lexically_normal();
    if (file.filename().empty()) file = file.parent_path();  // a trailing separator
    std::error_code error;
    if (file.filename().empty() || !fs::equivalent(file.parent_path(), param, error)) return std::nullopt;
    return file.filename();
}

}  // namespace

std::optional<fs::path> SiteStartPage(const fs::path& projectFolder, const ProjectSettings& settings,
                                      bool existingOnly) {
    std::error_code error;
    auto usable = [&](const std::string& page) { return !existingOnly || fs::exists(projectFolder / page, error); };
    const std::string galleryPage = site_layout::GalleryPage(1);
    const std::string picturePage = site_layout::PicturePage(1, SixDigits(1));
    if (settings.Check(SettingLine::MakeSummary) && usable(site_layout::kStartPage))
        return projectFolder / site_layout::kStartPage;
    if (settings.Check(SettingLine::MakeGalleries) && usable(galleryPage)) return projectFolder / galleryPage;
    if (usable(picturePage)) return projectFolder / picturePage;
    return std::nullopt;
}

void CleanParamFolder(const fs::path& projectFolder, const std::vector<std::string>& keptFiles, const MadeFiles& made) {
    const fs::path param = projectFolder / site_layout::kParamFolder;
    std::vector<fs::path> kept;
    for (const std::string& setting : keptFiles) {
        if (const auto name = NameInParam(setting, param)) kept.push_back(*name);
    }
    try {
        DeleteDeletableFiles(param, [&](const fs::path& file) {
            return !made.Holds(file) && std::find(kept.begin(), kept.end(), file.filename()) == kept.end();
        });
    } catch (const PalimoraError&) {
        // A param folder that cannot be listed keeps its files.
    }
}

BuildOutcome SiteBuild(const SiteBuildSources& sources, BuildContext& context, BuildProgress& progress) {
    Run run(sources, context, progress);
    try {
        run.Execute();
        run.SaveRecord();
        return BuildOutcome::Built;
    } catch (const Cancelled&) {
        run.CleanUpUnfinished();
        sources.folder.DeleteSamplePages();
        run.SaveRecord();
        return BuildOutcome::Cancelled;
    } catch (const PalimoraError& error) {
        sources.dialogs.ShowMessageOk(error.UserMessage());
    } catch (...) {
        sources.dialogs.ShowMessageOk(UserMessageOf(std::current_exception(), sources.language));
    }
    run.CleanUpUnfinished();
    run.SaveRecord();
    return BuildOutcome::Failed;
}

}  // namespace palimora
