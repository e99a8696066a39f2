#pragma once

#include "sitegen/BuildContext.h"
#include "sitegen/Galleries.h"
#include "sitegen/PageWriter.h"

#include <exception>
#include <memory>
#include <mutex>
#include <vector>

namespace palimora {

class UserDialogs;

// The picture pages of a build, written on several threads at once: each
// picture's pages are written with a page writer and build context of
// their own, taken from a pool for the time of that picture, so that no
// two threads share either.
class PicturePages {
public:
    // `context`: the build's, with its galleries set; each writer starts from a copy.
    PicturePages(PageSources sources, const BuildContext& context, UserDialogs& dialogs, const Galleries& galleries,
                 bool galleriesOn);
    ~PicturePages();

    struct Written {
        bool onAPage = false;  // the picture is in a gallery
        PageWriter::Findings findings;
        std::exception_ptr failure;  // a page that could not be written
    };
    // Writes the page of picture n (1-based) in each gallery it is in. Safe
    // to call from several threads, for different pictures.
    Written Write(int pictureNumber);

private:
    struct Writer;
    std::unique_ptr<Writer> Take();
    void Give(std::unique_ptr<Writer> writer);

    PageSources sources_;
    BuildContext context_;
    UserDialogs& dialogs_;
    const Galleries& galleries_;
    bool galleriesOn_;
    std::mutex mutex_;
    std::vector<std::unique_ptr<Writer>> idle_;
};

}  // namespace palimora
