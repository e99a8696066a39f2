#include "styles/AddedGalleries.h"

#include "lang/Language.h"
#include "styles/SettingValues.h"
#include "styles/SettingsLayout.h"
#include "styles/SettingsStore.h"

namespace palimora {

namespace {

std::string Name(const SettingsStore& settings, int gallery) {
    return settings.Line(GalleryLine(SettingLine::GalleryName1, gallery));
}

// The last gallery with a name, 0 when none has one.
int LastGallery(const SettingsStore& settings) {
    for (int gallery = kMaxGalleries; gallery >= 1; --gallery) {
        if (!Name(settings, gallery).empty()) return gallery;
    }
    return 0;
}

void SetRange(SettingsStore& settings, int gallery, const std::string& first, const std::string& last) {
    settings.SetLine(GalleryLine(SettingLine::GalleryFirstPicture1, gallery), first);
    settings.SetLine(GalleryLine(SettingLine::GalleryLastPicture1, gallery), last);
}

}  // namespace

bool AddedGalleries::Fit(const SettingsStore& settings, const std::vector<std::string>& before) const {
    if (before.empty() || galleryName_.empty()) return true;
    const int last = LastGallery(settings);
    return last < kMaxGalleries || Name(settings, last) == galleryName_;
}

void AddedGalleries::Place(SettingsStore& settings, const std::vector<std::string>& before,
                           const std::vector<std::string>& after) const {
    if (after.size() <= before.size()) return;
    const int last = LastGallery(settings);
    if (before.empty() || last == 0) {
        std::string name = galleryName_.empty() ? Name(settings, 1) : galleryName_;
        if (name.empty()) name = language_.LangText(GalleryText(1));
        settings.SetLine(SettingLine::GalleryName1, name);
        // Without a gallery the pictures already there stay out of the site, as they were.
        SetRange(settings, 1, after[before.size()], after.back());
        return;
    }
    const bool sameGallery = galleryName_.empty() || Name(settings, last) == galleryName_;
    if (!sameGallery) {
        if (last == kMaxGalleries) return;  // Fit said no
        settings.SetLine(GalleryLine(SettingLine::GalleryName1, last + 1), galleryName_);
        SetRange(settings, last + 1, after[before.size()], after.back());
        return;
    }
    const SettingLine lastPicture = GalleryLine(SettingLine::GalleryLastPicture1, last);
    const auto endedAt = settings::ReadPictureChoice(settings.Line(lastPicture), before);
    if (!galleryName_.empty() || (endedAt && *endedAt + 1 == before.size()))
        settings.SetLine(lastPicture, after.back());
}

}  // namespace palimora
