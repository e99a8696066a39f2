#include "app/ProjectCommands.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PageDesignStep.h"
#include "app/ui/PictureButton.h"
#include "app/ui/PictureStep.h"
#include "app/ui/Toolbar.h"
#include "common/ui/ScreenText.h"
#include "project/ui/PictureListView.h"
#include "project/ui/PictureTabs.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/QtTestMain.h"

#include <QLabel>
#include <QtTest>

#include <memory>

using namespace palimora;
namespace fs = std::filesystem;

namespace {

class NamingWindows : public ProjectWindows {
public:
    int saveWindows = 0;
    std::optional<std::string> ShowSaveWindow(TextId) override {
        ++saveWindows;
        return "Vacances";
    }
    std::optional<std::string> ShowOpenWindow() override { return std::nullopt; }
};

}  // namespace

class TestStepSwitch : public QObject {
    Q_OBJECT

private:
    testing::MainWindowHarness harness_;
    testing::ScriptedDialogs& dialogs_ = harness_.dialogs;
    NamingWindows windows_;
    std::unique_ptr<TForm1> window_;

    Toolbar& Tools() { return window_->Tools(); }
    std::string Text(TextId id) { return window_->CurrentSession().LangText(id); }
    QString Label() { return window_->LabelEtape->text(); }
    void Click(PictureButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    fs::path Help(const char* page) const {
        return harness_.Root() / "aide" / "aide_france" / "aideweb" / page;
    }

private slots:
    void init() {
        harness_.Reset();
        harness_.projectWindows = &windows_;
        windows_.saveWindows = 0;
        window_ = harness_.Start();
        window_->show();
    }

    void cleanup() { window_.reset(); }

    void pageDesignIsRefusedUntilTheProjectHasPicturesAndIsSaved() {
        Click(Tools().BoutImg2);  // step 1 is current: a beep only
        QCOMPARE(dialogs_.beeps, 1);

        Click(Tools().BoutVid);
        QCOMPARE(dialogs_.shown.back(), Text(TextId::NoPictures));
        QVERIFY(window_->CurrentStep().IsPictureList());
        QCOMPARE(Tools().BoutVid->Tag(), 0);  // the normal look is back after a refusal

        window_->Pictures().AddPictures({harness_.Photo("plage.jpg")});
        Click(Tools().BoutVid);  // unnamed: told, then the save window
        QCOMPARE(dialogs_.shown.back(), Text(TextId::SaveFirstQuestion));
        QCOMPARE(windows_.saveWindows, 1);
        QCOMPARE(window_->LabNom->text(), QStringLiteral("Vacances"));
        QVERIFY(window_->CurrentStep().IsPictureList());
        QCOMPARE(Tools().BoutVid->Tag(), 0);

        window_->CurrentSession().SetProjectModified(true);
        dialogs_.answers = {kModalCancel};
        Click(Tools().BoutVid);  // changed: OK / Cancel, cancelled
        QCOMPARE(dialogs_.shown.back(), Text(TextId::SaveFirstQuestion));
        QVERIFY(window_->CurrentStep().IsPictureList());
        QVERIFY(window_->CurrentSession().ProjectModified());
    }

    void theTwoStepsShowTheirOwnButtonsPanelsAndLabel() {
        window_->Pictures().AddPictures({harness_.Photo("plage.jpg")});
        window_->BoutEnrClick();
        QVERIFY(!window_->CurrentSession().ProjectModified());

        Click(Tools().BoutVid);
        QVERIFY(window_->CurrentStep().IsPageDesign());
        QCOMPARE(Label(), ToScreen(Text(TextId::StepTwoSummary)));
        QCOMPARE(Tools().BoutVid->Tag(), 1);
        QCOMPARE(Tools().BoutImg2->Tag(), 0);
        QCOMPARE(Tools().BoutS->Tag(), 1);
        QCOMPARE(Tools().BoutG->Tag(), 0);
        for (PictureButton* shown : {Tools().BoutS, Tools().BoutG, Tools().BoutI, Tools().BoutLoupe}) {
            QVERIFY(shown->isVisible());
        }
        for (PictureButton* hidden : {Tools().BoutImg, Tools().BoutMon, Tools().BoutDes, Tools().BoutSup}) {
            QVERIFY(!hidden->isVisible());
        }
        QVERIFY(!window_->Pictures().ListView1->isVisible());
        QVERIFY(!window_->Pictures().TabbedImg->isVisible());
        QVERIFY(window_->PageDesign().WebBrowser1->isVisible());
        QVERIFY(fs::exists(harness_.Root() / "blanksom.htm"));  // the summary template, ready for the preview
        QCOMPARE(window_->PageDesign().Preview().galleryCount[9], 50);

        const int beeps = dialogs_.beeps;
        Click(Tools().BoutVid);  // already in page design
        QCOMPARE(dialogs_.beeps, beeps + 1);

        Click(Tools().BoutAid);
        QCOMPARE(harness_.opened.size(), std::size_t(1));
        QCOMPARE(harness_.opened.back(), Help("etape2.htm"));

        Click(Tools().BoutImg2);
        QVERIFY(window_->CurrentStep().IsPictureList());
        QCOMPARE(Label(), ToScreen(Text(TextId::StepOne)));
        QCOMPARE(Tools().BoutImg2->Tag(), 1);
        QCOMPARE(Tools().BoutVid->Tag(), 0);
        QVERIFY(window_->Pictures().ListView1->isVisible());
        QVERIFY(Tools().BoutImg->isVisible());
        QVERIFY(!Tools().BoutS->isVisible());
        QVERIFY(!window_->PageDesign().WebBrowser1->isVisible());

        Click(Tools().BoutAid);
        QCOMPARE(harness_.opened.size(), std::size_t(2));
        QCOMPARE(harness_.opened.back(), Help("sommairewebs.htm"));
    }
};

PALIMORA_QTEST_MAIN(TestStepSwitch)
#include "tst_stepswitch.moc"
