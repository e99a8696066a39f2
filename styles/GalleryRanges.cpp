#include "styles/GalleryRanges.h"

#include "styles/SettingValues.h"
#include "styles/SettingsLayout.h"
#include "styles/SettingsStore.h"

#include <algorithm>

namespace palimora {

namespace {

struct GalleryLines {
    std::string name, first, last;
};

GalleryLines Read(const SettingsStore& settings, int gallery) {
    return {settings.Line(GalleryLine(SettingLine::GalleryName1, gallery)),
            settings.Line(GalleryLine(SettingLine::GalleryFirstPicture1, gallery)),
            settings.Line(GalleryLine(SettingLine::GalleryLastPicture1, gallery))};
}

void Write(SettingsStore& settings, int gallery, const GalleryLines& lines) {
    settings.SetLine(GalleryLine(SettingLine::GalleryName1, gallery), lines.name);
    settings.SetLine(GalleryLine(SettingLine::GalleryFirstPicture1, gallery), lines.first);
    settings.SetLine(GalleryLine(SettingLine::GalleryLastPicture1, gallery), lines.last);
}

}  // namespace

NewPositions PositionsAfterDeletion(int count, const std::vector<int>& deleted) {
    NewPositions moved(static_cast<std::size_t>(std::max(count, 0)));
    int next = 0;
    for (int i = 0; i < count; ++i) {
        if (std::find(deleted.begin(), deleted.end(), i) == deleted.end()) moved[static_cast<std::size_t>(i)] = next++;
    }
    return moved;
}

NewPositions PositionsAfterInsertion(int count, const InsertedPictures& inserted) {
    NewPositions moved(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) moved[static_cast<std::size_t>(i)] = i < inserted.at ? i : i + inserted.count;
    return moved;
}

std::vector<std::string> FollowPictures(SettingsStore& settings, const std::vector<std::string>& before,
                                        const std::vector<std::string>& after, const NewPositions& moved,
                                        std::optional<InsertedPictures> inserted) {
    std::vector<std::string> removed;
    if (before.empty()) return removed;
    std::vector<GalleryLines> kept;
    for (int gallery = 1; gallery <= kMaxGalleries; ++gallery) {
        GalleryLines lines = Read(settings, gallery);
        if (lines.name.empty()) {
            kept.push_back(std::move(lines));  // no range to follow
            continue;
        }
        const int first = static_cast<int>(*settings::ReadPictureChoice(lines.first, before));
        const int last = static_cast<int>(*settings::ReadPictureChoice(lines.last, before));
        std::optional<int> newFirst, newLast;
        for (int i = first; i <= last; ++i) {
            const auto& to = moved[static_cast<std::size_t>(i)];
            if (!to) continue;
            if (!newFirst) newFirst = *to;
            newLast = *to;
        }
        if (!newFirst) {
            if (first <= last) {
                removed.push_back(lines.name);
                continue;
            }
            // A reversed range holds no picture, and is kept as the user left it.
            kept.push_back(std::move(lines));
            continue;
        }
        if (inserted && *newFirst == inserted->at + inserted->count &&
            moved[static_cast<std::size_t>(first)] == newFirst) {
            newFirst = inserted->at;  // inserted just before the gallery's first picture
        }
        lines.first = after[static_cast<std::size_t>(*newFirst)];
        lines.last = after[static_cast<std::size_t>(*newLast)];
        kept.push_back(std::move(lines));
    }
    // Removed galleries leave their places to the ones after them; lines
    // that keep their values keep their bytes.
    kept.resize(kMaxGalleries);
    for (int gallery = 1; gallery <= kMaxGalleries; ++gallery)
        Write(settings, gallery, kept[static_cast<std::size_t>(gallery - 1)]);
    return removed;
}

}  // namespace palimora
