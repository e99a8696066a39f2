#include "app/ui/PageDesignStep.h"

#include "app/Session.h"
#include "styles/ui/StyleNotebooks.h"
#include "styles/ui/WebBrowser.h"

namespace palimora {
namespace {

StyledPage StyledPageOf(PageKind kind) {
    switch (kind) {
        case PageKind::Gallery: return StyledPage::Gallery;
        case PageKind::Picture: return StyledPage::Picture;
        case PageKind::Summary: break;
    }
    return StyledPage::Summary;
}

}  // namespace

PageDesignStep::PageDesignStep(Session& session, UserDialogs& dialogs, QWidget* window)
    : QObject(window), session_(session) {
    WebBrowser1 = new WebBrowser(window);
    WebBrowser1->setGeometry(407, 96, 377, 329);
    WebBrowser1->hide();  // nothing to show until the welcome page

    Notebooks = new StyleNotebooks(session.Folder(), session.CurrentLanguage(), dialogs, session.Settings(), window);
    Notebooks->MoveTo(8, 96);
    Notebooks->HideAll();
    connect(Notebooks, &StyleNotebooks::modified, this, &PageDesignStep::modified);
}

void PageDesignStep::ShowPage(const std::filesystem::path& page) {
    WebBrowser1->Navigate(page);
    SetBrowserShown(true);
}

void PageDesignStep::SetBrowserShown(bool shown) {
    WebBrowser1->setVisible(shown);
    if (shown) WebBrowser1->raise();
}

void PageDesignStep::Show(const Step& step) {
    if (step.IsPageDesign()) {
        Notebooks->ShowNotebook(StyledPageOf(step.Notebook()));
    } else {
        Notebooks->HideAll();
    }
    SetBrowserShown(step.IsPageDesign());
}

void PageDesignStep::Enter() {
    preview_.Reset();
    Notebooks->RefreshGalleryLists();
    Notebooks->SetSettingsLoaded(true);
}

void PageDesignStep::LoadSettings() {
    Notebooks->SetSettingsLoaded(false);
    if (!session_.IsUnnamedProject()) Notebooks->LoadSettings(session_.ProjectName());
}

}  // namespace palimora
