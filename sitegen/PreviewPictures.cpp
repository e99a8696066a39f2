#include "sitegen/PreviewPictures.h"

#include "common/AtomicFiles.h"
#include "common/ProgramFolder.h"
#include "imaging/Fitting.h"
#include "imaging/ImageError.h"
#include "imaging/JpegCodec.h"
#include "imaging/PictureReader.h"
#include "imaging/Resize.h"
#include "project/ProjectLayout.h"

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

// Up to `count` previews of the JPEG pictures of `names` from `first` on,
// made when missing; their names are added to `made`.
void MakePreviews(const fs::path& folder, const std::vector<std::string>& names, std::size_t first, std::size_t count,
                  const fs::path& previews, std::vector<std::string>& made) {
    for (std::size_t i = first; i < names.size() && made.size() < count; ++i) {
        if (!IsJpegName(names[i])) continue;
        const std::string name = PreviewName(folder / names[i]);
        if (MakePreview(folder / names[i], previews / name)) made.push_back(name);
    }
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

}  // namespace

std::vector<std::string> PreparePreviewPictures(const ProgramFolder& folder, const fs::path& picturesFolder,
                                                const std::vector<std::string>& names, std::size_t first,
                                                std::size_t count) {
    const fs::path previews = folder.Root() / kPreviewFolder;
    std::error_code error;
    fs::create_directories(previews, error);
    std::vector<std::string> kept;
    MakePreviews(picturesFolder, names, first, count, previews, kept);
    if (kept.empty()) {
        const fs::path demo = project_layout::PicturesFolder(folder.Project("Demo"));
        MakePreviews(demo, SortedNames(demo), 0, count, previews, kept);
    }
    std::vector<std::string> shown;
    for (const std::string& name : kept) shown.push_back(std::string(kPreviewFolder) + "/" + name);
    // Copies of pictures no longer shown, or since changed, go.
    for (const std::string& name : SortedNames(previews)) {
        if (std::find(kept.begin(), kept.end(), name) == kept.end()) fs::remove(previews / name, error);
    }
    return shown;
}

}  // namespace palimora
