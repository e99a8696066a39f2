#pragma once

#include <QAbstractItemView>
#include <QFileDialog>
#include <QtTest>

namespace palimora::testing {

// The view of the toolkit's own file dialog that shows the files now (the
// detail view or the list view, by the dialog's view mode).
inline QAbstractItemView* ShownFileView(QFileDialog& dialog) {
    for (auto* view : dialog.findChildren<QAbstractItemView*>()) {
        if ((view->objectName() == QLatin1String("treeView") || view->objectName() == QLatin1String("listView")) &&
            view->isVisible()) {
            return view;
        }
    }
    return nullptr;
}

// Clicks the first file the dialog lists, as a user picks it. False while
// the dialog has not read its folder yet.
inline bool ClickFirstFile(QFileDialog& dialog) {
    QAbstractItemView* view = ShownFileView(dialog);
    if (!view || view->model()->rowCount(view->rootIndex()) == 0) return false;
    const QModelIndex file = view->model()->index(0, 0, view->rootIndex());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(file).center());
    return true;
}

}  // namespace palimora::testing
