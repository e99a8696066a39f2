#pragma once

#include <QTranslator>

#include <string>

namespace palimora {

// The texts Qt's own windows show (the file dialog's "Look in:", "Cancel",
// its column headings) in the program's language, from the translations
// Qt ships; English, Qt's own, needs none.
class QtOwnTexts {
public:
    // Follows the program's language by its web tag ("fr", "de", "en"); a
    // missing translation file leaves Qt's English texts.
    void Follow(const std::string& languageTag);

private:
    QTranslator translator_;
    bool installed_ = false;
};

}  // namespace palimora
