#include "project/ui/PictureListView.h"

#include "common/UserDialogs.h"
#include "common/ui/Colours.h"
#include "common/ui/DroppedFiles.h"
#include "common/ui/ScreenText.h"
#include "imaging/Fitting.h"
#include "imaging/Icons.h"
#include "imaging/ui/QtImages.h"
#include "lang/ui/WaitWindow.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>
#include <QTimer>

namespace palimora {

namespace {

constexpr int kFileNameRole = Qt::UserRole;

}  // namespace

PictureListView::PictureListView(QWidget* parent) : QListWidget(parent) {
    setViewMode(QListView::IconMode);
    SetIconSide(kIconSize);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setWordWrap(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    viewport()->setAcceptDrops(true);  // drops reach the view through its viewport
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);  // 8 points at 96 dpi, whatever the desktop's font size
    setFont(font);
    setStyleSheet(
        QStringLiteral("QListWidget { background: rgb(245,158,73); color: black; border: 1px solid rgb(200,120,50); }"
                       "QListWidget::item:selected { background: rgb(129,121,221); color: white; }"));
}

PictureListView::Rebuilt PictureListView::Rebuild(const std::vector<std::filesystem::path>& files,
                                                  const std::vector<std::string>& titles, WaitWindow& wait,
                                                  IconCache& cache, UserDialogs& dialogs) {
    clear();
    Rebuilt rebuilt;
    if (files.empty()) return rebuilt;
    wait.Begin(static_cast<int>(files.size()));
    IconBatch batch(files, cache, iconSide_);
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (wait.CancelRequested()) {
            batch.Stop();
            rebuilt.cancelled = true;
            break;
        }
        wait.SetPosition(static_cast<int>(i) + 1);
        const IconBatch::Result result = batch.Take(i);
        if (!result.readable) {
            ++rebuilt.unreadable;
            dialogs.Beep();
        }
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(ToQImage(result.icon))), QString(), this);
        item->setData(kFileNameRole, QString::fromStdString(files[i].filename().string()));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        ShowTitle(static_cast<int>(i), i < titles.size() ? titles[i] : std::string());
    }
    wait.Finish();
    cache.KeepOnly(files);
    return rebuilt;
}

std::string PictureListView::FileNameAt(int position) const {
    const QListWidgetItem* shown = item(position);
    return shown ? shown->data(kFileNameRole).toString().toStdString() : std::string();
}

void PictureListView::ShowTitle(int position, const std::string& title) {
    QListWidgetItem* shown = item(position);
    if (!shown) return;
    const QString name = shown->data(kFileNameRole).toString();
    shown->setText(title.empty() ? QFileInfo(name).completeBaseName() : ToScreen(title));
    shown->setToolTip(name);
}

std::vector<int> PictureListView::TickedPositions() const {
    std::vector<int> ticked;
    for (int i = 0; i < count(); ++i) {
        if (item(i)->checkState() == Qt::Checked) ticked.push_back(i);
    }
    return ticked;
}

int PictureListView::CurrentPosition() const { return currentRow(); }

bool PictureListView::IsOwnDrag(const QDropEvent* event) const { return event->source() == this; }

void PictureListView::SetIconSide(int side) {
    iconSide_ = side;
    setIconSize(QSize(side, side));
    // As designed at 50: room for the check box beside the icon and two lines of title under it.
    setGridSize(QSize(side + 36, side + 32));
}

void PictureListView::SetEmptyHint(const QString& hint) {
    emptyHint_ = hint;
    viewport()->update();
}

void PictureListView::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    if (count() > 0 || emptyHint_.isEmpty()) return;
    // An empty list says how pictures get into it.
    QPainter painter(viewport());
    QFont hintFont = font();
    hintFont.setPointSize(11);
    painter.setFont(hintFont);
    painter.setPen(QColor(90, 50, 20));
    painter.drawText(viewport()->rect().adjusted(16, 16, -16, -16), Qt::AlignCenter | Qt::TextWordWrap, emptyHint_);
}

void PictureListView::dragEnterEvent(QDragEnterEvent* event) {
    if (IsOwnDrag(event) || !LocalFilesOf(event->mimeData()).empty()) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void PictureListView::dragMoveEvent(QDragMoveEvent* event) {
    QListWidget::dragMoveEvent(event);  // the drop indicator
    if (IsOwnDrag(event) || !LocalFilesOf(event->mimeData()).empty()) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void PictureListView::dropEvent(QDropEvent* event) {
    if (IsOwnDrag(event)) {
        const QListWidgetItem* target = itemAt(event->position().toPoint());
        const int from = currentRow(), to = target ? row(target) : count() - 1;
        // Taken as a copy: a move would have the view remove the dragged
        // item after the list was rebuilt with it in its new place.
        event->setDropAction(Qt::CopyAction);
        event->accept();
        // Told once the drag is over, which the changes that follow must not run inside.
        if (from >= 0 && to >= 0 && from != to)
            QTimer::singleShot(0, this, [this, from, to] { emit pictureDragged(from, to); });
        return;
    }
    const std::vector<std::filesystem::path> dropped = LocalFilesOf(event->mimeData());
    if (dropped.empty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    QTimer::singleShot(0, this, [this, dropped] { emit filesDropped(dropped); });
}

void PictureListView::MakeCurrent(int position) {
    if (position < 0 || position >= count()) return;
    setCurrentRow(position);
    scrollToItem(item(position));
}

}  // namespace palimora
