#include "sitegen/DerivedClips.h"

#include "common/FileNames.h"
#include "imaging/ImageError.h"
#include "imaging/JpegCodec.h"
#include "imaging/Resize.h"
#include "imaging/VideoClip.h"
#include "imaging/WebClip.h"
#include "project/ProjectLayout.h"
#include "project/SiteLayout.h"

#include <algorithm>

namespace palimora {
namespace fs = std::filesystem;

namespace {

constexpr int kPosterQuality = 85;

// A thumbnail of the poster at `size`, with the play mark.
std::string MarkedThumbnail(const Image& poster, PictureSize size) {
    Image thumbnail = Resize(poster, size.width, size.height);
    DrawPlayMark(thumbnail);
    return EncodeJpegToMemory(thumbnail, 90);
}

}  // namespace

int LongestClipSide(const ConversionSettings& settings) {
    if (settings.limitWidth > 0 && settings.limitHeight > 0)
        return std::min(kLongestClipSide, std::max(settings.limitWidth, settings.limitHeight));
    return kLongestClipSide;
}

std::optional<PictureSize> ShownClipSize(const fs::path& clip, const ConversionSettings& settings) {
    try {
        const ClipSize size = WebClipSize(ReadClipFacts(clip), LongestClipSide(settings));
        return PictureSize{size.width, size.height};
    } catch (const ImageError&) {
        return std::nullopt;  // its conversion tells the user
    }
}

std::vector<ConvertedFile> ConvertClip(const fs::path& projectFolder, const std::string& name,
                                       const ConversionSettings& settings, std::size_t position) {
    const fs::path source = project_layout::PicturesFolder(projectFolder) / name;
    const std::string base = name.substr(0, name.size() - ExtensionOf(name).size());
    const fs::path folder = projectFolder / site_layout::kClipFolder;
    fs::create_directories(folder);

    const int longest = LongestClipSide(settings);
    const fs::path clip = folder / site_layout::ClipName(base);
    bool finished = false;
    const auto progress = [&](double share) {
        if (settings.clipShares && position < settings.clipShares->size())
            (*settings.clipShares)[position] = static_cast<int>(share * 1000);
        return !settings.stopped || !*settings.stopped;
    };
    MakeWebClip(source, clip, longest, progress, finished);
    if (!finished) return {};

    std::vector<ConvertedFile> files{ConvertedFile::Copy(clip, clip)};  // already in place
    const Image poster = ClipPoster(clip, longest, longest);
    files.emplace_back(folder / site_layout::PosterName(base), EncodeJpegToMemory(poster, kPosterQuality));
    const DerivedSizes sizes = SizesDerivedFrom({poster.width, poster.height}, settings);
    if (settings.thumbnails) {
        files.emplace_back(projectFolder / site_layout::kThumbnailFolder / site_layout::ThumbnailName(base),
                           MarkedThumbnail(poster, sizes.thumbnail));
    }
    if (MakesSummaryThumbnail(settings, name)) {
        files.emplace_back(
            projectFolder / site_layout::kSummaryThumbnailFolder / site_layout::SummaryThumbnailName(base),
            MarkedThumbnail(poster, sizes.summary));
    }
    return files;
}

}  // namespace palimora
