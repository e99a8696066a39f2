#include "styles/ui/Captions.h"

#include "common/ui/ScreenText.h"
#include "lang/Language.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTabWidget>

namespace palimora {

void Captions::Add(QLabel* label, TextId text, std::optional<TextId> then) {
    captions_.push_back({[label](const QString& caption) {
                             label->setText(caption);
                             // A screen reader finds a label's buddy among its siblings only:
                             // a control in a group of its own is given the name itself.
                             QWidget* buddy = label->buddy();
                             if (buddy && buddy->parentWidget() != label->parentWidget())
                                 buddy->setAccessibleName(caption);
                         },
                         text, then});
}

void Captions::Add(QAbstractButton* button, TextId text) {
    captions_.push_back({[button](const QString& caption) { button->setText(caption); }, text, std::nullopt});
}

void Captions::AddTab(QTabWidget* notebook, int tab, TextId text) {
    captions_.push_back(
        {[notebook, tab](const QString& caption) { notebook->setTabText(tab, caption); }, text, std::nullopt});
}

void Captions::AddTip(QWidget* control, TextId text) {
    captions_.push_back({[control](const QString& caption) {
                             control->setToolTip(caption);
                             control->setAccessibleName(caption);
                         },
                         text, std::nullopt});
}

void Captions::Apply(const Language& language) const {
    for (const Caption& caption : captions_) {
        std::string text = language.LangText(caption.text);
        if (caption.then) text += language.LangText(*caption.then);
        caption.show(ToScreen(text));
    }
}

}  // namespace palimora
