#include "project/ui/PictureListView.h"

#include "common/UserDialogs.h"
#include "common/ui/Colours.h"
#include "common/ui/ScreenText.h"
#include "imaging/Icons.h"
#include "imaging/ui/QtImages.h"
#include "lang/ui/WaitWindow.h"

#include <QFileInfo>

namespace palimora {

namespace {

constexpr int kFileNameRole = Qt::UserRole;

}  // namespace

PictureListView::PictureListView(QWidget* parent) : QListWidget(parent) {
    setViewMode(QListView::IconMode);
    setIconSize(QSize(50, 50));
    setGridSize(QSize(86, 82));
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setWordWrap(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);
    setStyleSheet(
        QStringLiteral("QListWidget { background: rgb(245,158,73); color: black; border: 1px solid rgb(200,120,50); }"
                       "QListWidget::item:selected { background: rgb(129,121,221); color: white; }"));
}

PictureListView::Rebuilt PictureListView::Rebuild(const std::vector<std::filesystem::path>& files,
                                                  const std::vector<std::string>& titles, TForm2& wait,
                                                  IconCache& cache, UserDialogs& dialogs) {
    clear();
    Rebuilt rebuilt;
    if (files.empty()) return rebuilt;
    wait.Begin(static_cast<int>(files.size()));
    IconBatch batch(files, cache);
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

void PictureListView::MakeCurrent(int position) {
    if (position < 0 || position >= count()) return;
    setCurrentRow(position);
    scrollToItem(item(position));
}

}  // namespace palimora
