#pragma once

#include <QWebEnginePage>
#include <QWebEngineView>

#include <filesystem>
#include <functional>

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

private:
    BrowserPage* page_ = nullptr;
};

// Call before the QApplication is made: the browser engine shares the
// application's OpenGL contexts and, run as root, cannot use its sandbox.
void PrepareBrowserEngine();

}  // namespace palimora
