#include "sitegen/BuildContext.h"

#include "common/ProgramFolder.h"
#include "project/PictureNames.h"
#include "project/SiteLayout.h"

namespace palimora {

int GalleryParts(int count, bool continues) {
    if (!continues || count <= BuildContext::kGalleryCapacity) return 1;
    return (count + BuildContext::kGalleryCapacity - 1) / BuildContext::kGalleryCapacity;
}

std::string GalleryPageName(const BuildContext& context, int gallery) {
    return context.buildMode ? site_layout::GalleryPage(gallery) : ProgramFolder::kGallerySample;
}

std::string PicturePageName(int gallery, int pictureNumber) {
    return site_layout::PicturePage(gallery, SixDigits(pictureNumber));
}

}  // namespace palimora
