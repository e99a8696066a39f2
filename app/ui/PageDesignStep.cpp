#include "app/ui/PageDesignStep.h"

#include "app/ui/MainWindow.h"
#include "styles/ui/StyleNotebooks.h"
#include "styles/ui/WebBrowser.h"

namespace palimora {

PageDesignStep::PageDesignStep(QWidget* window) : QObject(window) {
    WebBrowser1 = new WebBrowser(window);
    WebBrowser1->setGeometry(407, 96, 377, 329);
    WebBrowser1->hide();  // nothing to show until the welcome page

    auto& form = static_cast<TForm1&>(*window);  // the step is a room of the main window
    Session& session = form.CurrentSession();
    Notebooks = new StyleNotebooks(session.Folder(), session.CurrentLanguage(), form.Dialogs(), session.Settings(), window);
    Notebooks->MoveTo(8, 96);
    Notebooks->HideAll();
}

void PageDesignStep::ShowPage(const std::filesystem::path& page) {
    WebBrowser1->Navigate(page);
    SetBrowserShown(true);
}

void PageDesignStep::SetBrowserShown(bool shown) {
    WebBrowser1->setVisible(shown);
    if (shown) WebBrowser1->raise();
}

}  // namespace palimora
