#include "project/ui/PictureOpenDialog.h"

#include "project/ui/PicturePreview.h"

#include <QGridLayout>

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
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        grid->addWidget(Preview, 0, grid->columnCount(), grid->rowCount(), 1, Qt::AlignTop);
    }
    connect(this, &QFileDialog::currentChanged, this,
            [this](const QString& path) { Preview->Show(path.toStdString()); });
    resize(width() + PicturePreview::kPaneWidth + 24, std::max(height(), PicturePreview::kPaneHeight + 120));
}

}  // namespace palimora
