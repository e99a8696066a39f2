#include "app/ui/MainWindow.h"
#include "common/Error.h"
#include "common/ui/ScreenText.h"
#include "styles/ui/WebBrowser.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    palimora::PrepareBrowserEngine();
    QApplication application(argc, argv);
    try {
        palimora::TForm1 mainWindow(palimora::ProgramFolder::OfRunningProgram(), {});
        QObject::connect(&mainWindow, &palimora::TForm1::languageRefused, &application, &QApplication::quit,
                         Qt::QueuedConnection);
        mainWindow.show();
        return application.exec();
    } catch (const palimora::PalimoraError& error) {
        // A failure the start-up could not get past (a working folder that cannot be made).
        QMessageBox::critical(nullptr, QStringLiteral("Palimora"), palimora::ToScreen(error.UserMessage()));
        return 1;
    }
}
