#pragma once

#include "app/Step.h"
#include "sitegen/BuildContext.h"
#include "sitegen/PreviewPictures.h"

#include <QObject>
#include <QRect>
#include <QSize>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class QTimer;
class QToolButton;
class QUrl;
class QWidget;

namespace palimora {

class Session;
class StyleNotebooks;
class UserDialogs;
class WebBrowser;

// Step 2 of the main window: page design. The three style notebooks on the
// left (styles/ui/StyleNotebooks.h) and the browser area on the right, which
// also shows the welcome page after start-up; the preview's build context.
class PageDesignStep : public QObject {
    Q_OBJECT
public:
    PageDesignStep(Session& session, UserDialogs& dialogs, QWidget* window);

    WebBrowser* PreviewBrowser = nullptr;
    // The summary, gallery and picture notebooks at 8, 96; hidden in step 1.
    StyleNotebooks* Notebooks = nullptr;
    // Under the preview, in page design: the preview as a computer or as a phone shows the page.
    QWidget* WidthSwitch = nullptr;
    QToolButton* ComputerViewButton = nullptr;
    QToolButton* PhoneViewButton = nullptr;

    // The browser area shown over the picture list's place with `page`.
    void ShowPage(const std::filesystem::path& page);
    // The browser area shown (page design) or hidden (the picture list).
    void SetBrowserShown(bool shown);

    // The preview made larger by `extra`, as the window is, still showing
    // the page at the width chosen.
    void Stretch(QSize extra);
    // Shows the step: the notebook of `step`, or none in step 1.
    void Show(const Step& step);
    // Entering page design: the gallery lists refilled from the settings, the
    // samples' build context afresh (every gallery 50 pictures, links to the
    // sample pages, gallery 1), and the controls writing through.
    void Enter();
    // The open project's settings shown in the controls (nothing for a
    // project not saved yet, whose controls then write nothing).
    void LoadSettings();

    // The preview. RebuildSample rewrites the sample page of `kind` with the
    // current settings and shows it; a sample page that is missing is told in
    // the browser area. RefreshSample first copies the chosen template over
    // the sample page (always, or with `onlyWhenMissing` when it is missing).
    void RebuildSample(PageKind kind);
    void RefreshSample(PageKind kind, bool onlyWhenMissing);
    // The notebook of `kind` on its first tab.
    void ShowFirstTab(PageKind kind);
    // The preview as a computer shows the page, or as a phone does (390 CSS
    // pixels wide); the switch under the preview, or a right-click on it, chooses.
    void SetPhoneWidth(bool phone);
    bool PhoneWidth() const { return phoneWidth_; }

    const BuildContext& Preview() const { return preview_; }

signals:
    // A style control changed a settings line.
    void modified();
    // A link followed in a sample leads to the sample of `kind`: the full
    // switch to that kind of page is asked for. With `panelOnly` the browser
    // is already going there, and only the notebook is to follow.
    void pageKindChosen(PageKind kind, bool panelOnly);

private:
    void MakeWidthSwitch(QWidget* window);
    // The user's pictures the samples show, made at the preview's size.
    void PrepareSamplePictures();
    bool BeforeNavigate(const QUrl& url, bool programsOwn);
    void ApplyZoom();

    Session& session_;
    UserDialogs& dialogs_;
    BuildContext preview_;
    std::optional<PageKind> shownKind_;  // the sample shown, in page design
    QTimer* rebuildTimer_ = nullptr;
    SamplePictures samplePictures_;
    bool phoneWidth_ = false;
    bool sampleShown_ = false;  // a sample, not a help page, is in the browser area
    QRect area_;                // the browser area: the whole of it shows a computer's page
};

}  // namespace palimora
