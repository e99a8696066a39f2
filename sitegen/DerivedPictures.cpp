#include "sitegen/DerivedPictures.h"

#include "common/AtomicFiles.h"
#include "common/FileContents.h"
#include "common/FileNames.h"
#include "common/TextLines.h"
#include "imaging/BmpCodec.h"
#include "imaging/Fitting.h"
#include "imaging/Image.h"
#include "imaging/ImageError.h"
#include "imaging/JpegCodec.h"
#include "imaging/PictureReader.h"
#include "imaging/PrivateMetadata.h"
#include "imaging/Resize.h"
#include "imaging/RightsMetadata.h"
#include "project/ProjectLayout.h"
#include "project/SiteLayout.h"
#include "sitegen/DerivedClips.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>

namespace palimora {
namespace fs = std::filesystem;

namespace {

PictureSize Fit(const PictureSize& natural, int boxWidth, int boxHeight) {
    const Placement fit = FitInBox(natural.width, natural.height, boxWidth, boxHeight);
    return {std::max(1, fit.width), std::max(1, fit.height)};
}

// Changed whenever a change to the conversion changes the bytes it writes,
// so that the pictures of an earlier program are derived again.
constexpr int kConversionRevision = 4;

// The qualities of what is drawn on screens of more pixels than the page's
// own (sharper thumbnails, shown at half their size) and of the copies for
// phones: their artefacts are too small to see there, and they cost phones less.
constexpr int kSharperQuality = 40;
constexpr int kPhoneQuality = 80;

// A stamp that cannot be read is told by its own name, not the photo's.
Image DecodeStamp(const fs::path& file) {
    try {
        return IsJpegName(file.filename().string()) ? DecodeJpeg(file) : DecodeBmp(file);
    } catch (ImageError& error) {
        error.SetFile(file);
        throw;
    }
}

}  // namespace

std::vector<StripRows> StripBands(int height, int strips) {
    // Strips of equal rounded height, the last taking the rest. When that
    // would leave a strip without rows (a picture hardly taller than its
    // strip count), the rows are shared out evenly instead; a picture with
    // fewer rows than strips repeats its last row, so that every strip the
    // pages show is a picture, never an empty file.
    const int rows = RoundHalfEven(static_cast<double>(height) / strips);
    const bool evenShare = rows == 0 || rows * (strips - 1) >= height;
    std::vector<StripRows> bands;
    for (int i = 1; i <= strips; ++i) {
        int top = rows * (i - 1);
        int bottom = i == strips ? height : std::min(height, rows * i);
        if (evenShare) {
            top = std::min(height * (i - 1) / strips, height - 1);
            bottom = std::max(top + 1, height * i / strips);
        }
        bands.push_back({top, bottom});
    }
    return bands;
}

namespace {

Image CopyRows(const Image& picture, StripRows rows) {
    Image piece(picture.width, rows.bottom - rows.top);
    for (int y = 0; y < piece.height; ++y) std::copy_n(picture.Row(rows.top + y), picture.width * 3, piece.Row(y));
    return piece;
}

}  // namespace

std::vector<Image> CutStrips(const Image& picture, int strips) {
    std::vector<Image> pieces;
    for (const StripRows rows : StripBands(picture.height, strips)) pieces.push_back(CopyRows(picture, rows));
    return pieces;
}

void StampCopyright(Image& picture, const Image& stamp, ConversionSettings::Corner corner, int margin) {
    const int right = picture.width - margin - stamp.width;
    const int bottom = picture.height - margin - stamp.height;
    switch (corner) {
        case ConversionSettings::Corner::BottomRight: picture.Paste(stamp, right, bottom); break;
        case ConversionSettings::Corner::BottomLeft: picture.Paste(stamp, margin, bottom); break;
        case ConversionSettings::Corner::TopRight: picture.Paste(stamp, right, margin); break;
        case ConversionSettings::Corner::TopLeft: picture.Paste(stamp, margin, margin); break;
        case ConversionSettings::Corner::None: break;
    }
}

DerivedSizes SizesDerivedFrom(PictureSize natural, const ConversionSettings& settings) {
    DerivedSizes sizes;
    sizes.thumbnail = Fit(natural, settings.galleryBoxWidth, settings.galleryBoxHeight);
    sizes.summary = Fit(natural, settings.summaryBoxWidth, settings.summaryBoxHeight);
    const bool limited = settings.limitWidth != 0 && settings.limitHeight != 0;
    sizes.limited = limited ? Fit(natural, settings.limitWidth, settings.limitHeight) : natural;
    // A picture that already fits its limit is left as it is: encoding it
    // again at each build would only lose quality.
    sizes.reduce = limited && (sizes.limited.width != natural.width || sizes.limited.height != natural.height);
    sizes.shown = sizes.reduce ? sizes.limited : natural;
    if (settings.todaysBrowsers) {
        const auto sharper = [&](PictureSize plain, int boxWidth, int boxHeight) -> std::optional<PictureSize> {
            const PictureSize twice = Fit(natural, 2 * boxWidth, 2 * boxHeight);
            return twice.width > plain.width ? std::optional(twice) : std::nullopt;
        };
        sizes.thumbnail2x = sharper(sizes.thumbnail, settings.galleryBoxWidth, settings.galleryBoxHeight);
        sizes.summary2x = sharper(sizes.summary, settings.summaryBoxWidth, settings.summaryBoxHeight);
        const PictureSize phone = Fit(sizes.shown, kPhonePictureSize, kPhonePictureSize);
        // A stamped picture has no copy for phones, which would go without the stamp.
        if (settings.strips == 1 && !settings.stamp && phone.width < sizes.shown.width) {
            sizes.phone = phone;
            const PictureSize small = Fit(sizes.shown, kSmallPhonePictureSize, kSmallPhonePictureSize);
            if (small.width < phone.width) sizes.smallPhone = small;
        }
    }
    return sizes;
}

std::string SmallPhonePictureName(const std::string& base) { return base + "-640.jpg"; }

bool MakesSummaryThumbnail(const ConversionSettings& settings, const std::string& name) {
    return settings.thumbnails && std::find(settings.galleryFirstPictures.begin(), settings.galleryFirstPictures.end(),
                                            name) != settings.galleryFirstPictures.end();
}

std::uint64_t DerivationFingerprint(const ConversionSettings& settings, const std::string& name) {
    std::ostringstream shape;
    shape << kConversionRevision << ' ' << settings.thumbnails << ' ' << settings.galleryBoxWidth << 'x'
          << settings.galleryBoxHeight << ' ' << settings.summaryBoxWidth << 'x' << settings.summaryBoxHeight << ' '
          << MakesSummaryThumbnail(settings, name) << ' ' << settings.limitWidth << 'x' << settings.limitHeight << ' '
          << settings.strips << ' ' << settings.todaysBrowsers << ' ' << settings.stamp << ' ' << settings.shaped;
    if (settings.stamp) {
        shape << ' ' << settings.stampFile.extension() << ' ' << settings.stampFingerprint << ' '
              << static_cast<int>(settings.corner) << ' ' << settings.margin;
    }
    return HashOfBytes(shape.str());
}

std::vector<ConvertedFile> ConvertPicture(const fs::path& projectFolder, const std::string& name,
                                          const ConversionSettings& settings, std::size_t position) {
    std::vector<ConvertedFile> files;
    const fs::path source = project_layout::PicturesFolder(projectFolder) / name;
    const fs::path shapedFile = projectFolder / site_layout::kShapedFolder / site_layout::ShapedName(name);
    const auto copied = [&] { files.push_back(ConvertedFile::Copy(shapedFile, source)); };
    if (FormatOfName(name) == PictureFormat::Clip) return ConvertClip(projectFolder, name, settings, position);
    if (!IsJpegName(name)) {
        if (settings.shaped) copied();
        return files;
    }
    // Pictures of older projects still carry what was taken out on add since.
    RemovePrivateData(source);
    const std::string base = name.substr(0, name.size() - ExtensionOf(name).size());
    const PictureSize natural = ReadJpegSize(source);

    // What is made, and so how large the one decode must be.
    const bool summaryThumbnail = MakesSummaryThumbnail(settings, name);
    const DerivedSizes sizes = SizesDerivedFrom(natural, settings);
    const bool stampThePicture = settings.stamp && settings.strips == 1;
    const bool pixelsOfThePicture = settings.strips > 1 || stampThePicture;
    PictureSize wanted{0, 0};
    auto need = [&](PictureSize size) {
        wanted.width = std::max(wanted.width, size.width);
        wanted.height = std::max(wanted.height, size.height);
    };
    if (settings.thumbnails) need(sizes.thumbnail2x.value_or(sizes.thumbnail));
    if (summaryThumbnail) need(sizes.summary2x.value_or(sizes.summary));
    if (sizes.phone) need(*sizes.phone);
    if (sizes.reduce) need(sizes.limited);
    if (pixelsOfThePicture) need(sizes.shown);
    // A picture shown as it is goes to the site as its own bytes, never encoded again.
    if (settings.shaped && !sizes.reduce && !stampThePicture) copied();
    if (wanted.width == 0) return files;
    // What the decode may hold: the whole picture's coefficients when it is
    // progressive, and pixels up to twice the wanted size each way.
    const std::size_t estimate = static_cast<std::size_t>(natural.width) * natural.height * 3 +
                                 static_cast<std::size_t>(wanted.width) * wanted.height * 12;
    std::optional<MemoryGate::Reservation> reserved;
    if (settings.memory) reserved.emplace(*settings.memory, estimate);
    // Turned and converted to sRGB only once made smaller, where it costs less.
    StoredJpeg decoded = DecodeStoredJpeg(source, wanted.width, wanted.height);
    const std::string rights = settings.todaysBrowsers ? RightsExifOf(source) : std::string();
    const auto encoded = [&rights](const Image& image, int quality = 90) {
        return WithExif(EncodeJpegToMemory(image, quality), rights);
    };

    const auto thumbnails = [&](const fs::path& file, PictureSize size, const std::optional<PictureSize>& sharper) {
        files.push_back({file, encoded(decoded.Shown(size))});
        if (sharper) {
            files.push_back({file.parent_path() / site_layout::DoubleSizeName(file.filename().string()),
                             encoded(decoded.Shown(*sharper), kSharperQuality)});
        }
    };
    if (settings.thumbnails) {
        thumbnails(projectFolder / site_layout::kThumbnailFolder / site_layout::ThumbnailName(base), sizes.thumbnail,
                   sizes.thumbnail2x);
    }
    if (summaryThumbnail) {
        thumbnails(projectFolder / site_layout::kSummaryThumbnailFolder / site_layout::SummaryThumbnailName(base),
                   sizes.summary, sizes.summary2x);
    }
    if (sizes.phone) {
        files.push_back({projectFolder / site_layout::kPhoneFolder / (base + ".jpg"),
                         encoded(decoded.Shown(*sizes.phone), kPhoneQuality)});
    }
    if (sizes.smallPhone) {
        files.push_back({projectFolder / site_layout::kPhoneFolder / SmallPhonePictureName(base),
                         encoded(decoded.Shown(*sizes.smallPhone), kPhoneQuality)});
    }
    if (!sizes.reduce && !pixelsOfThePicture) return files;
    // At full size the decode is the picture: no second copy of it.
    Image picture = sizes.reduce ? decoded.Shown(sizes.limited) : std::move(decoded).Shown(natural);
    if (stampThePicture) StampCopyright(picture, DecodeStamp(settings.stampFile), settings.corner, settings.margin);
    if (settings.strips > 1) {
        // Each strip is encoded from the picture's rows; only a stamped last strip is copied.
        const std::vector<StripRows> bands = StripBands(picture.height, settings.strips);
        for (std::size_t i = 0; i < bands.size(); ++i) {
            std::string bytes;
            if (settings.stamp && i + 1 == bands.size()) {
                Image last = CopyRows(picture, bands[i]);
                StampCopyright(last, DecodeStamp(settings.stampFile), settings.corner, settings.margin);
                bytes = encoded(last);
            } else {
                bytes = WithExif(EncodeJpegRowsToMemory(picture, bands[i].top, bands[i].bottom), rights);
            }
            files.push_back(
                {projectFolder / site_layout::kStripFolder / site_layout::StripName(base, i + 1), std::move(bytes)});
        }
    }
    if (sizes.reduce || stampThePicture) files.push_back({shapedFile, encoded(picture)});
    return files;
}

namespace {

// A JPEG comment segment (FF FE, its length, the text) that names the picture
// an icon was made from.
std::string FaviconSourceMark(const fs::path& picture, std::uint64_t contents) {
    std::ostringstream text;
    text << "palimora icon " << std::hex << HashOfBytes(picture.filename().string() + " " + std::to_string(contents));
    const std::string words = text.str();
    const std::size_t length = words.size() + 2;
    return std::string("\xFF\xFE") + static_cast<char>(length >> 8) + static_cast<char>(length & 0xFF) + words;
}

}  // namespace

std::string FaviconOf(const fs::path& picture, std::uint64_t contents) {
    const std::string mark = FaviconSourceMark(picture, contents);
    const Image decoded = DecodeJpeg(picture, kFaviconSize, kFaviconSize);
    const int side = std::min(decoded.width, decoded.height);
    Image square(side, side);
    const int left = (decoded.width - side) / 2, top = (decoded.height - side) / 2;
    for (int y = 0; y < side; ++y) std::copy_n(decoded.Row(top + y) + 3 * left, 3 * side, square.Row(y));
    std::string bytes = EncodeJpegToMemory(side == kFaviconSize ? square : Resize(square, kFaviconSize, kFaviconSize));
    return bytes.insert(2, mark);  // right after the start of image
}

bool IsFaviconOf(const fs::path& favicon, const fs::path& picture, std::uint64_t contents) {
    const std::string mark = FaviconSourceMark(picture, contents);
    std::ifstream in(favicon, std::ios::binary);
    std::string start(2 + mark.size(), '\0');
    return in.read(start.data(), static_cast<std::streamsize>(start.size())) &&
           start.compare(2, mark.size(), mark) == 0;
}

void WriteConversion(const std::vector<ConvertedFile>& files) {
    for (const ConvertedFile& converted : files) {
        fs::create_directories(converted.file.parent_path());
        if (converted.copyOf.empty()) {
            WriteFileIfChanged(converted.file, converted.bytes);
        } else {
            CopyFileIfChanged(converted.copyOf, converted.file);
        }
    }
}

}  // namespace palimora
