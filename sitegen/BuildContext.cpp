#include "sitegen/BuildContext.h"

#include "project/PictureNames.h"

namespace palimora {

std::string GalleryPageName(const BuildContext& context, int gallery) {
    return context.buildMode ? "Gal" + std::to_string(gallery) + ".htm" : "blankgal.htm";
}

std::string PicturePageName(int gallery, int pictureNumber) {
    return "g" + std::to_string(gallery) + "-" + SixDigits(pictureNumber) + ".htm";
}

}  // namespace palimora
