#include "sitegen/PicturePages.h"
#include "styles/SettingsLayout.h"

namespace palimora {

struct PicturePages::Writer {
    Writer(const PageSources& sources, const BuildContext& start, UserDialogs& dialogs)
        : context(start), pages(sources, context, dialogs) {}

    BuildContext context;
    PageWriter pages;
};

PicturePages::PicturePages(PageSources sources, const BuildContext& context, UserDialogs& dialogs,
                           const Galleries& galleries, bool galleriesOn)
    : sources_(std::move(sources)),
      context_(context),
      dialogs_(dialogs),
      galleries_(galleries),
      galleriesOn_(galleriesOn) {}

PicturePages::~PicturePages() = default;

std::unique_ptr<PicturePages::Writer> PicturePages::Take() {
    {
        const std::lock_guard lock(mutex_);
        if (!idle_.empty()) {
            std::unique_ptr<Writer> writer = std::move(idle_.back());
            idle_.pop_back();
            return writer;
        }
    }
    return std::make_unique<Writer>(sources_, context_, dialogs_);
}

void PicturePages::Give(std::unique_ptr<Writer> writer) {
    const std::lock_guard lock(mutex_);
    idle_.push_back(std::move(writer));
}

PicturePages::Written PicturePages::Write(int n) {
    Written written;
    std::unique_ptr<Writer> writer;
    try {
        writer = Take();
        BuildContext& context = writer->context;
        const int pictureCount = static_cast<int>(sources_.pictureNames.size());
        for (int k = 1; k <= (galleriesOn_ ? kMaxGalleries : 1); ++k) {
            context.currentGallery = k;
            if (galleriesOn_ && context.galleryCount[k - 1] == 0) continue;
            const GalleryMembership membership =
                PictureInGallery(n, k, galleriesOn_, galleries_, pictureCount, context.galleryContinues);
            if (!membership.member) continue;
            context.currentPicture = sources_.pictureNames[n - 1];
            context.currentPage = membership.page;
            context.previousPage = membership.previousPage;
            context.nextPage = membership.nextPage;
            context.galleryPage = membership.galleryPage;
            written.onAPage = true;
            writer->pages.WritePicturePage(n);
        }
    } catch (...) {
        written.failure = std::current_exception();
    }
    if (writer) {
        written.findings = writer->pages.TakeFindings();
        Give(std::move(writer));
    }
    return written;
}

}  // namespace palimora
