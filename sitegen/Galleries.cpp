#include "sitegen/Galleries.h"

#include "project/SiteLayout.h"
#include "sitegen/BuildContext.h"
#include "styles/ProjectSettings.h"
#include "styles/SettingsLayout.h"

#include <algorithm>

namespace palimora {

Galleries ReadGalleries(const ProjectSettings& settings, const Language& language,
                        const std::vector<std::string>& pictureNames) {
    Galleries galleries;
    for (int k = 0; k < kMaxGalleries; ++k) {
        Gallery& gallery = galleries[k];
        gallery.name = settings.Text(GalleryLine(SettingLine::GalleryName1, k + 1), language, {});
        const auto first = settings.Choice(GalleryLine(SettingLine::GalleryFirstPicture1, k + 1), pictureNames);
        const auto last = settings.Choice(GalleryLine(SettingLine::GalleryLastPicture1, k + 1), pictureNames);
        gallery.first = first ? static_cast<int>(*first) : -1;
        gallery.last = last ? static_cast<int>(*last) : -1;
        if (first) gallery.firstPicture = pictureNames[*first];
    }
    return galleries;
}

GalleryMembership PictureInGallery(int pictureNumber, int gallery, bool galleriesOn, const Galleries& galleries,
                                   int pictureCount, bool continues) {
    const int position = pictureNumber - 1;
    int first = 0, last = pictureCount - 1;
    if (galleriesOn) {
        first = galleries[gallery - 1].first;
        last = galleries[gallery - 1].last;
    }
    GalleryMembership membership;
    if (position < first || position > last || first < 0) return membership;
    membership.member = true;
    membership.page = PicturePageName(gallery, pictureNumber);
    membership.previousPage = position - 1 >= first ? PicturePageName(gallery, pictureNumber - 1) : std::string();
    membership.nextPage = position + 1 <= last ? PicturePageName(gallery, pictureNumber + 1) : std::string();
    const int part = continues ? (position - first) / BuildContext::kGalleryCapacity + 1 : 1;
    membership.galleryPage = site_layout::GalleryPage(gallery, part);
    return membership;
}

}  // namespace palimora
