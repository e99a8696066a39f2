#include "common/ProgramFolder.h"
#include "lang/Language.h"
#include "lang/TextId.h"
#include "publish/PasswordStore.h"
#include "publish/PublishRun.h"
#include "publish/ui/FtpSettingsWindow.h"
#include "tests/support/BuiltSite.h"
#include "tests/support/FtpServers.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace palimora;

// Runs inside a session bus with a keyring of its own (with_keyring.sh): the
// publishing window remembers the password there, shows it again, and the
// terminal publishes with it.
class TestRememberedPassword : public QObject {
    Q_OBJECT

private:
    testing::TempFolder temp_;
    testing::TempFolder served_;
    std::filesystem::path project_;
    Language language_;
    testing::ScriptedDialogs dialogs_;

    // Confirms the window as the user would: OK, then yes to publishing.
    void Confirm(FtpSettingsWindow& window) {
        dialogs_.answers = {kModalYes};
        window.ConfirmServer();
        QCOMPARE(window.result(), int(kModalYes));
    }

private slots:
    void initTestCase() {
        QVERIFY2(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"), "run me through with_keyring.sh");
        project_ = testing::BuildDemoSite(temp_.Path());
        language_.LoadChosen(ProgramFolder(temp_.Path()));
    }

    void thePasswordIsRememberedShownAgainUsedByTheTerminalAndForgotten() {
        testing::LocalFtpServer server(served_.Path());
        const std::string host = "ftp://127.0.0.1:" + std::to_string(server.Port());
        const std::string keyringServer = "127.0.0.1:" + std::to_string(server.Port());
        FtpServer typed;
        {
            FtpSettingsWindow window(typed, language_, dialogs_, "Demo", {}, nullptr);
            window.HostEdit->setText(QString::fromStdString(host));
            window.UserEdit->setText(QStringLiteral("photo"));
            window.PasswordEdit->setText(QStringLiteral("secret"));
            window.RememberBox->setChecked(true);
            Confirm(window);
        }
        QCOMPARE(dialogs_.shown.size(), std::size_t{1});  // the publishing question only
        QCOMPARE(password_store::Find(keyringServer, "photo"), std::optional<std::string>("secret"));
        {
            // Opened again: the password is there, and typing goes to no field.
            FtpSettingsWindow window(typed, language_, dialogs_, "Demo", {}, nullptr);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCOMPARE(window.PasswordEdit->text(), QStringLiteral("secret"));
            QVERIFY(window.RememberBox->isChecked());
            QVERIFY(window.OkButton->isEnabled());
            QCOMPARE(window.focusWidget(), static_cast<QWidget*>(window.OkButton));
        }

        // The terminal takes it from the keyring when the environment has none.
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("PALIMORA_FTP_PASSWORD");
        cli.setProcessEnvironment(environment);
        cli.start(PALIMORA_STAGED_CLI, {"publish", QString::fromStdString(project_.string()), "--host",
                                        QString::fromStdString(host), "--user", "photo", "--replace", "all"});
        QVERIFY(cli.waitForFinished(120000));
        QVERIFY2(cli.exitCode() == 0, cli.readAllStandardError().constData());
        QVERIFY(std::filesystem::exists(served_.Path() / "Demo" / "index.html"));

        {
            FtpSettingsWindow window(typed, language_, dialogs_, "Demo", {}, nullptr);
            window.RememberBox->setChecked(false);
            Confirm(window);
        }
        QCOMPARE(password_store::Find(keyringServer, "photo"), std::nullopt);
    }

    // Without a session bus there is no keyring to ask: the window says the
    // password cannot be remembered, and publishes all the same.
    void withoutAKeyringTheWindowSaysSo() {
        const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        qunsetenv("XDG_RUNTIME_DIR");
        FtpServer typed;
        FtpSettingsWindow window(typed, language_, dialogs_, "Demo", {}, nullptr);
        window.HostEdit->setText(QStringLiteral("ftp.example.org"));
        window.UserEdit->setText(QStringLiteral("photo"));
        window.PasswordEdit->setText(QStringLiteral("pw"));
        window.RememberBox->setChecked(true);
        dialogs_.shown.clear();
        Confirm(window);
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus);
        qputenv("XDG_RUNTIME_DIR", runtime);
        QCOMPARE(dialogs_.shown.front(), language_.LangText(TextId::PasswordNotRemembered));
        QCOMPARE(typed.password, std::string("pw"));
    }
};

QTEST_MAIN(TestRememberedPassword)
#include "tst_rememberedpassword.moc"
