#include "sitegen/ui/BuildWindow.h"

#include "common/UserDialogs.h"
#include "common/ui/ScreenText.h"
#include "lang/Language.h"
#include "lang/TextId.h"
#include "lang/ui/CommandGuard.h"

#include <QApplication>
#include <QPushButton>

namespace palimora {
namespace {

constexpr ProgressWindow::Layout kLayout{
    {536, 116}, {24, 12, 489, 20}, {24, 38, 489, 18}, {160, 74, 105, 25}, {280, 74, 105, 25}};

ProgressWindow::Texts TextsOf(const Language& language) {
    return {ToScreen(language.LangText(TextId::BuildTitle)), ToScreen(language.LangText(TextId::PleaseWait)),
            ToScreen(language.LangText(TextId::ViewSite)), ToScreen(language.LangText(TextId::Cancel))};
}

}  // namespace

BuildWindow::BuildWindow(BuildRequest request, const Language& language, UserDialogs& dialogs, QWidget* parent)
    : ProgressWindow(kLayout, TextsOf(language), parent),
      request_(std::move(request)),
      language_(language),
      dialogs_(dialogs) {
    setObjectName(QStringLiteral("TFCreaHTML"));  // its designed name
    connect(ResultButton, &QPushButton::clicked, this, [this] { done(kModalYes); });
}

void BuildWindow::RunWork() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    CommandGuard(dialogs_, language_).Run([this] { outcome_ = BuildProject(request_, dialogs_, *this); });
    QApplication::restoreOverrideCursor();
    if (outcome_ == BuildOutcome::Built && closeOnceBuilt_) {
        done(kModalYes);
    } else if (outcome_ == BuildOutcome::Built) {
        ShowSucceeded();
    } else if (outcome_ == BuildOutcome::Cancelled) {
        done(kModalCancel);
    }
}

void BuildWindow::CloseAfterWork() {
    // After a run that ended with an error the working templates are still
    // there: Cancel removes them as a cancelled run does.
    request_.folder.DeleteSamplePages();
    done(kModalCancel);
}

}  // namespace palimora
