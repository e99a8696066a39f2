#include "app/ui/WebBrowser.h"

#include <QCoreApplication>
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

void PrepareBrowserEngine() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
}

}  // namespace palimora
