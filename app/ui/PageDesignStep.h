#pragma once

#include "sitegen/BuildContext.h"

#include <QObject>

#include <filesystem>

class QWidget;

namespace palimora {

class StyleNotebooks;
class WebBrowser;

// Step 2 of the main window: page design. Today it holds the right-hand
// browser area, which also shows the welcome page after start-up; the style
// notebooks and the live preview belong here.
class PageDesignStep : public QObject {
    Q_OBJECT
public:
    explicit PageDesignStep(QWidget* window);

    WebBrowser* WebBrowser1 = nullptr;
    // The summary, gallery and picture notebooks at 8, 96; hidden.
    StyleNotebooks* Notebooks = nullptr;

    // The browser area shown over the picture list's place with `page`.
    void ShowPage(const std::filesystem::path& page);
    // The browser area shown (page design) or hidden (the picture list).
    void SetBrowserShown(bool shown);

    // Entering page design: the samples' build context afresh (every gallery
    // 50 pictures, links to the sample pages, gallery 1).
    void PreparePreview() { preview_.Reset(); }
    const BuildContext& Preview() const { return preview_; }

private:
    BuildContext preview_;
};

}  // namespace palimora
