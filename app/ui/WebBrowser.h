#pragma once

#include <QWebEnginePage>
#include <QWebEngineView>

#include <filesystem>
#include <functional>
#include <vector>

namespace palimora {

// The page of the embedded browser. Before every navigation it asks its hook
// whether to go ahead; `typed` tells the program's own navigation from a
// link the user followed inside the page.
class BrowserPage : public QWebEnginePage {
    Q_OBJECT
public:
    using BeforeNavigate = std::function<bool(const QUrl& url, bool typed)>;

    explicit BrowserPage(QObject* parent = nullptr) : QWebEnginePage(parent) {}
    void SetBeforeNavigate(BeforeNavigate hook) { beforeNavigate_ = std::move(hook); }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    BeforeNavigate beforeNavigate_;
};

// WebBrowser1: the embedded browser of the main window's right-hand area.
class WebBrowser : public QWebEngineView {
    Q_OBJECT
public:
    explicit WebBrowser(QWidget* parent = nullptr);

    BrowserPage& Page() { return *page_; }
    void Navigate(const std::filesystem::path& localFile);
    // Local files dropped on the page are told by filesDropped rather than
    // opened by the page (the welcome page takes pictures so).
    void SetTakesFileDrops(bool takes) { takesFileDrops_ = takes; }

signals:
    void filesDropped(const std::vector<std::filesystem::path>& dropped);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Local files dropped while the page takes them.
    bool TakesDropOf(const QDropEvent* event) const;

    BrowserPage* page_ = nullptr;
    bool takesFileDrops_ = false;
};

// Call before the QApplication is made: the browser engine shares the
// application's OpenGL contexts and, run as root, cannot use its sandbox.
void PrepareBrowserEngine();

}  // namespace palimora
