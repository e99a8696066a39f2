#include "app/ui/MainWindow.h"
#include "app/ui/WebBrowser.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/InstanceLock.h"
#include "common/ui/DesignedPalette.h"
#include "common/ui/ScreenText.h"
#include "lang/Language.h"
#include "lang/LanguageChoice.h"
#include "lang/StartFolder.h"
#include "lang/TextId.h"
#include "lang/ui/QtUserDialogs.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    if (argc == 2 && (std::strcmp(argv[1], "--version") == 0 || std::strcmp(argv[1], "-V") == 0)) {
        std::puts("palimora " PALIMORA_VERSION);
        return 0;
    }
    // A copy whose folder cannot be prepared still answers --help, from its read-only data.
    const palimora::StartFolder start = palimora::FindStartFolder();
    const bool help = argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0);
    if (help || argc > 1) {
        palimora::Language language;
        (void)language.LoadChosen(start.folder, palimora::LocaleLanguageCode(start.folder));
        const auto text = [&](palimora::TextId id) { return palimora::Utf8FromCp1252(language.LangText(id)).Bytes(); };
        const std::string usage = text(palimora::TextId::UsageWord) + " palimora [--help | --version]";
        if (help) {
            std::printf("%s\n%s\n", usage.c_str(), text(palimora::TextId::WindowHelp).c_str());
            return 0;
        }
        // Anything else is refused, as palimora-cli refuses it, rather than opening the window.
        std::fprintf(stderr, "%s %s\n%s\n", text(palimora::TextId::UnknownOption).c_str(), argv[1], usage.c_str());
        return 2;
    }
    palimora::PrepareBrowserEngine();
    QApplication application(argc, argv);
    palimora::UseDesignedPalette();
    try {
        if (!start.problem.empty()) throw palimora::PalimoraError(start.problem);
        const palimora::ProgramFolder& folder = start.folder;
        // A second copy on the same program folder would empty the first one's working folder.
        const palimora::InstanceLock lock(folder.LockFile());
        if (!lock.Held()) {
            palimora::Language language;
            (void)language.LoadChosen(folder);  // a missing language file still leaves a message to show
            palimora::QtUserDialogs(language).ShowMessageOk(language.LangText(palimora::TextId::AlreadyRunning));
            return 0;
        }
        palimora::MainWindow mainWindow(folder, {});
        QObject::connect(&mainWindow, &palimora::MainWindow::languageRefused, &application, &QApplication::quit,
                         Qt::QueuedConnection);
        mainWindow.show();
        return application.exec();
    } catch (const palimora::PalimoraError& error) {
        // A failure the start-up could not get past (a folder that cannot be made).
        QMessageBox::critical(nullptr, QStringLiteral("Palimora"), palimora::ToScreen(error.UserMessage()));
        return 1;
    }
}
