#include "styles/ui/FileChoosers.h"

#include "common/ProgramFolder.h"
#include "common/ui/BusyCursor.h"
#include "common/ui/ScreenText.h"
#include "lang/Language.h"
#include "styles/ui/BindingContext.h"
#include "styles/ui/StyleDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include <stdexcept>

namespace palimora {
namespace {

using Files = FileChoosers::Files;

struct Chooser {
    std::string_view button;
    std::string_view edit;
    Files files;
};

constexpr Chooser kChoosers[] = {
    {"BitBtn7", "Edit8", Files::Pictures},
    {"BitGmot", "EditGMot", Files::Pictures},
    {"BitImot", "EditIMot", Files::Pictures},
    {"BitSTabFon", "EditSTabFon", Files::Pictures},
    {"BitGTabFon", "EditGTabFon", Files::Pictures},
    {"BitTabFon", "EditTabFon", Files::Pictures},
    {"BitSAccImg", "EditSAccImg", Files::Pictures},
    {"BitBouRet", "EditBouRet", Files::Pictures},
    {"BitBouSom", "EditBouSom", Files::Pictures},
    {"BitBouSui", "EditBouSui", Files::Pictures},
    {"BitSTempH", "EditSTempHaut", Files::Html},
    {"BitSTempB", "EditSTempBas", Files::Html},
    {"BitGTempH", "EditGTempHaut", Files::Html},
    {"BitGTempB", "EditGTempBas", Files::Html},
    {"BitITempH", "EditITempHaut", Files::Html},
    {"BitITempB", "EditITempBas", Files::Html},
    {"BitCopyRight", "EditImgCopyRight", Files::Stamp},
};

// The stamp is put on JPEG pictures only, so only JPEG files are offered.
constexpr const char* kJpegFilter = "Jpeg (*.jpg,*.jpeg)|*.jpg;*.jpeg";

QString Folder(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

}  // namespace

FileChoosers::FileChoosers(BindingContext& context, const std::function<QWidget*(std::string_view)>& control)
    : context_(context) {
    folders_[Index(Files::Pictures)] = Folder(context.folder.Root() / "motifs");
    folders_[Index(Files::Html)] = Folder(context.folder.Root());
    folders_[Index(Files::Stamp)] = Folder(context.folder.Root());
    for (const Chooser& chooser : kChoosers) {
        auto* button = qobject_cast<QPushButton*>(control(chooser.button));
        QWidget* edit = control(chooser.edit);
        if (!button || !qobject_cast<QLineEdit*>(edit)) {
            throw std::logic_error("a file chooser lacks its button or edit: " + std::string(chooser.button));
        }
        const Files files = chooser.files;
        context.guard.Connect(button, &QPushButton::clicked, context.owner,
                              [this, edit, files] { Choose(edit, files); });
    }
}

QString FileChoosers::Filter(Files files) const {
    switch (files) {
        // Pictures go into the site as they are: only those browsers show.
        case Files::Pictures: return QtFileFilter(context_.language.LangText(TextId::WebPictureFilter));
        case Files::Html: return QtFileFilter(context_.language.LangText(TextId::HtmlFilter));
        case Files::Stamp: break;
    }
    return QtFileFilter(kJpegFilter);
}

void FileChoosers::Choose(QWidget* edit, Files files) {
    const QString chosen = context_.dialogs.ChooseFile(StartFolder(files), Filter(files));
    if (chosen.isEmpty()) return;
    const BusyCursor cursor;
    context_.reportModified();
    static_cast<QLineEdit*>(edit)->setText(QDir::toNativeSeparators(chosen));
    folders_[Index(files)] = QFileInfo(chosen).absolutePath();
}

}  // namespace palimora
