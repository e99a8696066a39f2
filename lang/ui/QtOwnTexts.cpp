#include "lang/ui/QtOwnTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace palimora {

void QtOwnTexts::Follow(const std::string& languageCode) {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
    installed_ = false;
    if (languageCode != "french") return;
    if (translator_.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installed_ = QCoreApplication::installTranslator(&translator_);
    }
}

}  // namespace palimora
