// The picture list's sorting commands.

#include "app/Session.h"
#include "app/ui/PictureStep.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/ui/BusyCursor.h"
#include "common/ui/ScreenText.h"
#include "lang/TextId.h"
#include "project/ui/PictureListView.h"
#include "sitegen/Galleries.h"
#include "sitegen/PictureSort.h"

#include <QMenu>

#include <filesystem>

namespace palimora {
namespace fs = std::filesystem;

void PictureStep::ShowListMenu(const QPoint& at) {
    if (pictureCount_ == 0) return;
    QMenu menu(PicturesList);
    menu.setObjectName(QStringLiteral("ListMenu"));
    QAction* gallery = menu.addAction(ToScreen(session_.LangText(TextId::SortByDateCommand)));
    QAction* every = menu.addAction(ToScreen(session_.LangText(TextId::SortAllByDate)));
    const QAction* chosen = menu.exec(PicturesList->viewport()->mapToGlobal(at));
    if (chosen == gallery || chosen == every) SortByDateTaken(chosen == every);
}

void PictureStep::SortByDateTaken(bool everyGallery) {
    StoreTypedTexts();
    PictureList& pictures = session_.Pictures();
    std::optional<int> gallery;
    if (!everyGallery) {
        // The gallery of the selected picture; without one, every gallery.
        const Galleries galleries = ReadGalleries(session_.Settings(), session_.CurrentLanguage(), pictures.Files());
        for (int k = 1; k <= kMaxGalleries && !gallery; ++k) {
            const Gallery& each = galleries[static_cast<std::size_t>(k - 1)];
            if (each.Count() > 0 && currentPicture_ - 1 >= each.first && currentPicture_ - 1 <= each.last) gallery = k;
        }
    }
    SortOutcome sorted;
    {
        BusyCursor busy;  // every photo's date is read
        try {
            sorted =
                SortPictures(pictures, session_.Settings(), session_.CurrentLanguage(), SortKey::DateTaken, gallery);
            if (sorted.moved > 0) {
                session_.SetProjectModified(true);
                session_.GalleriesFollowPictures(sorted.before, pictures.Files(), sorted.positions, {}, dialogs_);
            }
        } catch (const fs::filesystem_error& error) {
            dialogs_.ShowMessageOk(session_.LangText(TextId::PictureNotMoved) + " " + DisplayPath(error.path1()) + ".");
        } catch (const PalimoraError& error) {
            dialogs_.ShowMessageOk(error.UserMessage());
        }
        RefillPictureList(currentPicture_);
        ShowChosenPicture();
    }
    dialogs_.ShowMessageOk(sorted.dated == 0
                               ? session_.LangText(TextId::NoDatesFound)
                               : session_.LangText(TextId::SortedCount) + " " + std::to_string(sorted.moved));
}

}  // namespace palimora
