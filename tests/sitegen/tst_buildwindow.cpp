#include "common/ProgramFolder.h"
#include "imaging/JpegCodec.h"
#include "lang/Language.h"
#include "project/PictureTextFile.h"
#include "sitegen/ui/BuildWindow.h"
#include "styles/ProjectSettings.h"
#include "tests/support/Pictures.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

using namespace palimora;
namespace fs = std::filesystem;

class TestBuildWindow : public QObject {
    Q_OBJECT

private:
    testing::TempFolder temp_;
    ProgramFolder folder_{temp_.Path()};
    fs::path project_ = temp_.Path() / "Projets" / "Demo";
    Language language_;
    ProjectSettings settings_;
    testing::ScriptedDialogs dialogs_;

private slots:
    void initTestCase() {
        testing::StageProgramFolder(temp_.Path());
        language_.LoadChosen(folder_);
        fs::create_directories(project_ / "images");
        fs::create_directories(project_ / "textes");
        for (int n = 1; n <= 3; ++n) {
            EncodeJpeg(testing::Quadrants(300, 200), project_ / "images" / ("00000" + std::to_string(n) + ".jpg"));
        }
        PictureTextFile(project_ / "textes" / "images.dat").CreateEmpty();
        settings_.Commit(folder_, "Demo", language_);
    }

    void theRunStartsWhenShownAndOkClosesWithYes() {
        BuildWindow window({folder_, "Demo", {}}, language_, dialogs_, nullptr);
        QCOMPARE(window.size(), QSize(536, 116));
        QCOMPARE(window.windowTitle(), QStringLiteral("Construction du site"));
        QVERIFY(!window.ResultButton->isEnabled());
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.ResultButton->isEnabled(), 20000);
        QCOMPARE(window.Outcome(), BuildOutcome::Built);
        QCOMPARE(window.StatusLabel->text(), QStringLiteral("Le site est prêt !"));
        QCOMPARE(window.Bar->value(), window.Bar->maximum());
        QVERIFY(fs::exists(project_ / "index.html"));
        QTest::mouseClick(window.ResultButton, Qt::LeftButton);
        QCOMPARE(window.result(), int(kModalYes));
    }

    void cancelStopsTheRunAtItsNextCheck() {
        BuildWindow window({folder_, "Demo", {}}, language_, dialogs_, nullptr);
        // Cancel is pressed as the run reports its first step.
        connect(window.Bar, &QProgressBar::valueChanged, &window, [&window] {
            if (window.Bar->value() == 1) QTest::mouseClick(window.CancelButton, Qt::LeftButton);
        });
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 20000);
        QCOMPARE(window.Outcome(), BuildOutcome::Cancelled);
        QCOMPARE(window.result(), int(kModalCancel));
        QVERIFY(!fs::exists(project_ / "index.html"));
        QVERIFY(!fs::exists(folder_.Root() / "blankgal.htm"));  // the working templates are gone too
    }

    // A run that ends with an error leaves the window to its Cancel button,
    // which still removes the working templates.
    void cancelAfterAFailedRunRemovesTheWorkingTemplates() {
        const fs::path broken = temp_.Path() / "Projets" / "Broken";
        fs::create_directories(broken / "textes");
        fs::copy(project_ / "images", broken / "images");
        PictureTextFile(broken / "textes" / "images.dat").CreateEmpty();
        ProjectSettings().Commit(folder_, "Broken", language_);
        testing::CutFile(broken / "images" / "000002.jpg", 300);
        dialogs_ = {};
        BuildWindow window({folder_, "Broken", {}}, language_, dialogs_, nullptr);
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(!dialogs_.shown.empty(), 20000);  // the run ends once the error is told
        QCOMPARE(window.Outcome(), BuildOutcome::Failed);
        QVERIFY(!window.ResultButton->isEnabled());
        QVERIFY(fs::exists(folder_.Root() / "blankimg.htm"));  // the failed run left them
        QTest::mouseClick(window.CancelButton, Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(kModalCancel));
        for (const char* sample : {"blanksom.htm", "blankgal.htm", "blankimg.htm"}) {
            QVERIFY2(!fs::exists(folder_.Root() / sample), sample);
        }
    }
};

QTEST_MAIN(TestBuildWindow)
#include "tst_buildwindow.moc"
