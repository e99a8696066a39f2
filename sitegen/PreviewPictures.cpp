#include "sitegen/PreviewPictures.h"

#include "common/AtomicFiles.h"
#include "common/ProgramFolder.h"
#include "imaging/Fitting.h"
#include "imaging/ImageError.h"
#include "imaging/JpegCodec.h"
#include "imaging/PictureReader.h"
#include "imaging/Resize.h"
#include "project/ProjectLayout.h"
#include "sitegen/BuildContext.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <new>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

namespace {

// A name that changes with the picture: its path, size and last write time.
std::string PreviewName(const fs::path& picture) {
    std::error_code error;
    const auto size = fs::file_size(picture, error);
    const auto written = fs::last_write_time(picture, error).time_since_epoch().count();
    const std::size_t key =
        std::hash<std::string>{}(picture.string() + "|" + std::to_string(size) + "|" + std::to_string(written));
    char name[32];
    std::snprintf(name, sizeof name, "%016zx.jpg", key);
    return name;
}

bool MakePreview(const fs::path& picture, const fs::path& preview) {
    std::error_code error;
    if (fs::exists(preview, error)) return true;
    try {
        const Image decoded = DecodeJpeg(picture, kPreviewPictureSize, kPreviewPictureSize);
        const Placement fit = FitInBox(decoded.width, decoded.height, kPreviewPictureSize, kPreviewPictureSize);
        const Image small = fit.width == decoded.width && fit.height == decoded.height
                                ? decoded
                                : Resize(decoded, std::max(1, fit.width), std::max(1, fit.height));
        WriteFileAtomically(preview, EncodeJpegToMemory(small, 85));
        return true;
    } catch (const ImageError&) {
    } catch (const std::bad_alloc&) {
    } catch (const std::system_error&) {
    }
    return false;
}

std::vector<std::string> SortedNames(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Makes the previews the samples show, remembering which it made.
class PreviewMaker {
public:
    explicit PreviewMaker(fs::path previews) : previews_(std::move(previews)) {
        std::error_code error;
        fs::create_directories(previews_, error);
    }

    // The preview of `picture`, empty when it is no JPEG or cannot be read.
    std::string Make(const fs::path& picture) {
        if (!IsJpegName(picture.filename().string())) return {};
        const std::string name = PreviewName(picture);
        if (!MakePreview(picture, previews_ / name)) return {};
        made_.push_back(name);
        return std::string(kPreviewFolder) + "/" + name;
    }

    // Copies of pictures no longer shown, or since changed, go.
    void RemoveOthers() const {
        std::error_code error;
        for (const std::string& name : SortedNames(previews_)) {
            if (std::find(made_.begin(), made_.end(), name) == made_.end()) fs::remove(previews_ / name, error);
        }
    }

private:
    fs::path previews_;
    std::vector<std::string> made_;
};

// The first picture of positions [first, last] that has a preview.
SamplePicture FirstShown(PreviewMaker& maker, const fs::path& folder, const std::vector<std::string>& names, int first,
                         int last) {
    for (int i = std::max(0, first); i <= last && i < static_cast<int>(names.size()); ++i) {
        if (std::string preview = maker.Make(folder / names[static_cast<std::size_t>(i)]); !preview.empty()) {
            return {std::move(preview), i + 1};
        }
    }
    return {};
}

// The demo project's pictures, standing for every gallery's.
void ShowDemoPictures(PreviewMaker& maker, const fs::path& demo, SamplePictures& shown) {
    for (const std::string& name : SortedNames(demo)) {
        if (shown.gallery.size() == kMaxGalleries) break;
        if (std::string preview = maker.Make(demo / name); !preview.empty()) shown.gallery.push_back({preview, 0});
    }
    shown.covers.clear();
    for (std::size_t k = 0; k < kMaxGalleries && !shown.gallery.empty(); ++k) {
        shown.covers.push_back(shown.gallery[k % shown.gallery.size()]);
    }
}

}  // namespace

SamplePictures PrepareSamplePictures(const ProgramFolder& folder, const fs::path& picturesFolder,
                                     const std::vector<std::string>& names, const Galleries& galleries) {
    PreviewMaker maker(folder.Root() / kPreviewFolder);
    SamplePictures shown;
    for (const Gallery& gallery : galleries) {
        shown.covers.push_back(gallery.Count() > 0
                                   ? FirstShown(maker, picturesFolder, names, gallery.first, gallery.last)
                                   : SamplePicture{});
    }
    // Pictures not yet in a gallery are shown as the first gallery's.
    const Gallery& first = galleries[0];
    int from = 0, to = static_cast<int>(names.size()) - 1;
    if (first.Count() > 0) from = first.first, to = first.last;
    for (int i = from; i <= to && shown.gallery.size() < BuildContext::kGalleryCapacity; ++i) {
        SamplePicture picture = FirstShown(maker, picturesFolder, names, i, i);
        if (!picture.preview.empty()) shown.gallery.push_back(std::move(picture));
    }
    if (shown.gallery.empty()) ShowDemoPictures(maker, project_layout::PicturesFolder(folder.Project("Demo")), shown);
    maker.RemoveOthers();
    return shown;
}

}  // namespace palimora
