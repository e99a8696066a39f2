#pragma once

#include "styles/ui/Captions.h"

#include <QTabWidget>

namespace palimora {

class Language;

// What the three style notebooks share: their size, their look and their
// language captions. The main window places them at 8, 96.
class StyleNotebook : public QTabWidget {
    Q_OBJECT
public:
    explicit StyleNotebook(QWidget* parent);

    // Captions, tab titles and labels in the language's texts.
    void ApplyLanguage(const Language& language) { captions_.Apply(language); }

    static constexpr int kWidth = 385;
    static constexpr int kHeight = 329;

protected:
    Captions captions_;
};

}  // namespace palimora
