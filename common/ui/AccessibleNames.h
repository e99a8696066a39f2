#pragma once

#include <QObject>

class QWidget;

namespace palimora {

// Gives the buttons under `root` that show only a picture the name a screen
// reader reads: their tip. Run again after texts change. (Fields are named
// by their labels, which the windows make their buddies.)
void NamePictureButtonsByTips(QWidget* root);

// Names each scroll bar of the application, as it is first shown, after
// what it scrolls: the page of a notebook by its tab, anything else by the
// nearest widget around it that has a name. Installed on the application by
// the main window.
class ScrollBarNames : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace palimora
