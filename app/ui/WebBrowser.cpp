#include "app/ui/WebBrowser.h"

#include "common/ui/DroppedFiles.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <unistd.h>

namespace palimora {

bool BrowserPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (!isMainFrame || !beforeNavigate_) return true;
    return beforeNavigate_(url, type == NavigationTypeTyped);
}

WebBrowser::WebBrowser(QWidget* parent) : QWebEngineView(parent), page_(new BrowserPage(this)) {
    setPage(page_);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void WebBrowser::Navigate(const std::filesystem::path& localFile) {
    load(QUrl::fromLocalFile(QString::fromStdString(localFile.string())));
}

bool WebBrowser::TakesDropOf(const QDropEvent* event) const {
    return takesFileDrops_ && !LocalFilesOf(event->mimeData()).empty();
}

void WebBrowser::dragEnterEvent(QDragEnterEvent* event) {
    if (!TakesDropOf(event)) return QWebEngineView::dragEnterEvent(event);
    event->acceptProposedAction();
}

void WebBrowser::dragMoveEvent(QDragMoveEvent* event) {
    if (!TakesDropOf(event)) return QWebEngineView::dragMoveEvent(event);
    event->acceptProposedAction();
}

void WebBrowser::dropEvent(QDropEvent* event) {
    if (!TakesDropOf(event)) return QWebEngineView::dropEvent(event);
    const std::vector<std::filesystem::path> dropped = LocalFilesOf(event->mimeData());
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // Told once the drag has ended: adding may ask questions.
    QTimer::singleShot(0, this, [this, dropped] { emit filesDropped(dropped); });
}

void PrepareBrowserEngine() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
}

}  // namespace palimora
