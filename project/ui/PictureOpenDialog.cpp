#include "project/ui/PictureOpenDialog.h"

#include "common/ui/ScreenText.h"
#include "lang/Language.h"
#include "project/ui/PicturePreview.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QTreeView>

namespace palimora {

PictureOpenDialog::PictureOpenDialog(const Language& language, const QString& title, const QString& filter,
                                     QWidget* parent)
    : QFileDialog(parent, title, QString(), filter) {
    // The platform's dialog has no room for a pane of ours.
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFiles);
    setAcceptMode(QFileDialog::AcceptOpen);
    Preview = new PicturePreview(language, this);
    // The toolkit's dialog lays itself out on a grid: the pane takes a column
    // of its own on the right, over every row.
    TextsFromPhotos = new QCheckBox(ToScreen(language.LangText(TextId::TextsFromPhotos)), this);
    TextsFromPhotos->setObjectName(QStringLiteral("TextsFromPhotos"));
    TextsFromPhotos->setChecked(true);
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        const int rows = grid->rowCount();
        grid->addWidget(Preview, 0, grid->columnCount(), rows, 1, Qt::AlignTop);
        grid->addWidget(TextsFromPhotos, rows, 0, 1, grid->columnCount());
    }
    connect(this, &QFileDialog::currentChanged, this,
            [this](const QString& path) { Preview->Show(path.toStdString()); });
    // The list shows each file's size, type and date whole (the types and
    // dates are known only once the folder is read: room is made for the
    // longest of them); the name takes what is left.
    if (auto* view = findChild<QTreeView*>()) {
        QHeaderView* header = view->header();
        const QFontMetrics metrics = view->fontMetrics();
        const int margin = 3 * metrics.averageCharWidth();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::Interactive);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        header->resizeSection(1, metrics.horizontalAdvance(QStringLiteral("999.99 KiB")) + margin);
        header->resizeSection(2, metrics.horizontalAdvance(QStringLiteral("WEBP image")) + margin);
        header->resizeSection(3, metrics.horizontalAdvance(QStringLiteral("28/12/2026 23:59:59")) + margin);
    }
    resize(std::max(width() + PicturePreview::kPaneWidth + 24, kLeastWidth),
           std::max(height(), PicturePreview::kPaneHeight + 120));
}

}  // namespace palimora
