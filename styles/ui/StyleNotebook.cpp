#include "styles/ui/StyleNotebook.h"

#include "common/ui/Colours.h"

namespace palimora {

StyleNotebook::StyleNotebook(QWidget* parent) : QTabWidget(parent) {
    // Four tab titles must fit side by side in French too: narrower tabs.
    setStyleSheet(NotebookStyleSheet() + QStringLiteral("QTabBar::tab { padding: 4px 6px; }"));
    resize(kWidth, kHeight);
}

}  // namespace palimora
