#include "lang/ui/QtOwnTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace palimora {

void QtOwnTexts::Follow(const std::string& languageTag) {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
    installed_ = false;
    if (languageTag.empty() || languageTag == "en") return;
    if (translator_.load(QStringLiteral("qtbase_") + QString::fromStdString(languageTag),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installed_ = QCoreApplication::installTranslator(&translator_);
    }
}

}  // namespace palimora
