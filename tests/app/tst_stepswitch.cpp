#include "app/ProjectCommands.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PageDesignStep.h"
#include "app/ui/PictureButton.h"
#include "app/ui/PictureStep.h"
#include "app/ui/Toolbar.h"
#include "cli/BuildCommand.h"
#include "common/ui/ScreenText.h"
#include "project/ui/PictureListView.h"
#include "project/ui/PictureTabs.h"
#include "styles/VisitorExtras.h"
#include "styles/ui/GalleryNotebook.h"
#include "styles/ui/PictureNotebook.h"
#include "styles/ui/StyleNotebooks.h"
#include "styles/ui/SummaryNotebook.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/NamingWindows.h"
#include "tests/support/QtTestMain.h"
#include "tests/support/Screenshots.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QtTest>

#include <memory>
#include <sstream>

using namespace palimora;
namespace fs = std::filesystem;

class TestStepSwitch : public QObject {
    Q_OBJECT

private:
    testing::MainWindowHarness harness_;
    testing::ScriptedDialogs& dialogs_ = harness_.dialogs;
    testing::NamingWindows windows_;
    std::unique_ptr<MainWindow> window_;

    Toolbar& Tools() { return window_->Tools(); }
    std::string Text(TextId id) { return window_->CurrentSession().LangText(id); }
    QString Label() { return window_->StepLabel->text(); }
    void Click(PictureButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    fs::path Help(const char* page) const { return harness_.Root() / "aide" / "aide_france" / "aideweb" / page; }

private slots:
    void init() {
        harness_.Reset();
        harness_.projectWindows = &windows_;
        windows_.saveWindows = 0;
        window_ = harness_.Start();
        window_->show();
    }

    void cleanup() { window_.reset(); }

    StyleNotebooks& Notebooks() { return *window_->PageDesign().Notebooks; }

    void EnterPageDesignOnASavedProject() {
        window_->Pictures().AddPictures({harness_.Photo("plage.jpg"), harness_.Photo("port.jpg")});
        window_->SaveCurrentProject();
        Click(Tools().DesignStepButton);
        QVERIFY(window_->CurrentStep().IsPageDesign());
    }

    void pageDesignIsRefusedUntilTheProjectHasPicturesAndIsSaved() {
        Click(Tools().PicturesStepButton);  // step 1 is current: a beep only
        QCOMPARE(dialogs_.beeps, 1);

        Click(Tools().DesignStepButton);
        QCOMPARE(dialogs_.shown.back(), Text(TextId::NoPictures));
        QVERIFY(window_->CurrentStep().IsPictureList());
        QCOMPARE(Tools().DesignStepButton->Tag(), 0);  // the normal look is back after a refusal

        window_->Pictures().AddPictures({harness_.Photo("plage.jpg")});
        Click(Tools().DesignStepButton);  // unnamed: told, then the save window
        QCOMPARE(dialogs_.shown.back(), Text(TextId::SaveFirstQuestion));
        QCOMPARE(windows_.saveWindows, 1);
        QCOMPARE(window_->ProjectNameLabel->text(), QStringLiteral("Vacances"));
        QVERIFY(window_->CurrentStep().IsPictureList());
        QCOMPARE(Tools().DesignStepButton->Tag(), 0);

        window_->CurrentSession().SetProjectModified(true);
        dialogs_.answers = {kModalCancel};
        Click(Tools().DesignStepButton);  // changed: OK / Cancel, cancelled
        QCOMPARE(dialogs_.shown.back(), Text(TextId::SaveFirstQuestion));
        QVERIFY(window_->CurrentStep().IsPictureList());
        QVERIFY(window_->CurrentSession().ProjectModified());
    }

    void thePageKindButtonsShowTheirNotebookAndAChangeMarksTheProject() {
        EnterPageDesignOnASavedProject();
        QVERIFY(Notebooks().Tabbedhtml->isVisible());
        QVERIFY(!Notebooks().TabbedGHTML->isVisible());
        Click(Tools().GalleryButton);
        QVERIFY(Notebooks().TabbedGHTML->isVisible());
        QVERIFY(!Notebooks().Tabbedhtml->isVisible());
        QCOMPARE(Label(), ToScreen(Text(TextId::StepTwoGalleries)));
        QCOMPARE(Tools().GalleryButton->Tag(), 1);
        QCOMPARE(Tools().SummaryButton->Tag(), 0);
        Click(Tools().HelpButton);
        QCOMPARE(harness_.opened.back(), Help("etape2b.htm"));
        Click(Tools().PicturePageButton);
        QVERIFY(Notebooks().TabbedIHTML->isVisible());
        QCOMPARE(Label(), ToScreen(Text(TextId::StepTwoPictures)));

        QVERIFY(!window_->CurrentSession().ProjectModified());
        Notebooks().TabbedIHTML->SpinImg->setValue(4);
        QVERIFY(window_->CurrentSession().ProjectModified());
        QCOMPARE(window_->CurrentSession().Settings().Number(SettingLine::PictureBorderWidth), 4);

        Click(Tools().PicturesStepButton);
        QVERIFY(!Notebooks().TabbedIHTML->isVisible());

        // Left on other tabs, the notebooks open on their first tab next time.
        Notebooks().Tabbedhtml->setCurrentIndex(2);
        Notebooks().TabbedIHTML->setCurrentIndex(1);
        window_->SaveCurrentProject();
        Click(Tools().DesignStepButton);
        QVERIFY(window_->CurrentStep().IsPageDesign());
        QCOMPARE(Notebooks().Tabbedhtml->currentIndex(), 0);
        QCOMPARE(Notebooks().TabbedIHTML->currentIndex(), 0);
    }

    // One control on each of the eleven tabs, saved, the program closed and
    // started again, the project opened: every value is back, and the
    // command-line build writes pages that show them.
    void styleChangesSurviveASaveAndReachTheBuiltSite() {
        EnterPageDesignOnASavedProject();
        testing::WriteBytes(harness_.Root() / "bandeau.htm", "<p>Bandeau du haut</p>\r\n");
        SummaryNotebook& summary = *Notebooks().Tabbedhtml;
        GalleryNotebook& gallery = *Notebooks().TabbedGHTML;
        PictureNotebook& picture = *Notebooks().TabbedIHTML;
        summary.EditSTit->setText(QStringLiteral("Mes vacances au soleil"));
        summary.SpinSTabLig->setValue(2);
        summary.GalleryRows[0].name->setText(QStringLiteral("Plages"));
        summary.EditSAccTit->setText(QStringLiteral("Retour"));
        gallery.SpinGTabLig->setValue(4);
        gallery.SpinGTitSiz->setValue(5);
        gallery.EditGTempHaut->setText(QString::fromStdString((harness_.Root() / "bandeau.htm").string()));
        const bool titleShown = picture.TitleShown->isChecked();
        picture.TitleShown->click();
        picture.SpinImg->setValue(2);
        picture.EditBouRet->setText(QStringLiteral("Avant"));
        picture.SpinICopyRight->setValue(7);
        // The visitor extras, spread over three notebooks, share one line.
        picture.CheckIFacts->click();
        picture.SpinISlideSeconds->setValue(9);
        gallery.CheckGArchive->setChecked(false);
        summary.ComboSScheme->setCurrentIndex(static_cast<int>(ColourScheme::Dark));
        window_->SaveCurrentProject();
        QVERIFY(!window_->CurrentSession().ProjectModified());

        dialogs_.answers = {kModalYes};
        QVERIFY(window_->close());
        window_.reset();
        window_ = harness_.Start();
        window_->show();
        window_->OpenSavedProject();
        QCOMPARE(window_->CurrentSession().ProjectName(), std::string("Vacances"));
        Click(Tools().DesignStepButton);
        QCOMPARE(Notebooks().Tabbedhtml->EditSTit->text(), QStringLiteral("Mes vacances au soleil"));
        QCOMPARE(Notebooks().Tabbedhtml->SpinSTabLig->value(), 2);
        QCOMPARE(Notebooks().Tabbedhtml->GalleryRows[0].name->text(), QStringLiteral("Plages"));
        QCOMPARE(Notebooks().Tabbedhtml->EditSAccTit->text(), QStringLiteral("Retour"));
        QCOMPARE(Notebooks().TabbedGHTML->SpinGTabLig->value(), 4);
        QCOMPARE(Notebooks().TabbedGHTML->SpinGTitSiz->value(), 5);
        QVERIFY(Notebooks().TabbedGHTML->EditGTempHaut->text().endsWith(QStringLiteral("bandeau.htm")));
        QCOMPARE(Notebooks().TabbedIHTML->TitleShown->isChecked(), !titleShown);
        QCOMPARE(Notebooks().TabbedIHTML->SpinImg->value(), 2);
        QCOMPARE(Notebooks().TabbedIHTML->EditBouRet->text(), QStringLiteral("Avant"));
        QCOMPARE(Notebooks().TabbedIHTML->SpinICopyRight->value(), 7);
        QVERIFY(Notebooks().TabbedIHTML->CheckIFacts->isChecked());
        QCOMPARE(Notebooks().TabbedIHTML->SpinISlideSeconds->value(), 9);
        QVERIFY(!Notebooks().TabbedGHTML->CheckGArchive->isChecked());
        QVERIFY(Notebooks().TabbedIHTML->CheckIDownload->isChecked());
        QCOMPARE(Notebooks().Tabbedhtml->ComboSScheme->currentIndex(), static_cast<int>(ColourScheme::Dark));
        Click(Tools().PicturePageButton);
        Notebooks().TabbedIHTML->setCurrentIndex(3);
        auto* extras = qobject_cast<QScrollArea*>(Notebooks().TabbedIHTML->widget(3));
        QVERIFY(extras);
        extras->verticalScrollBar()->setValue(extras->verticalScrollBar()->maximum());
        testing::SaveScreenshotsOnBothDesktops(window_.get(), QStringLiteral("picture-extras"));
        QVERIFY(!window_->CurrentSession().ProjectModified());

        std::ostringstream messages;
        QCOMPARE(BuildCommand(ProgramFolder(harness_.Root()), {"Vacances"}, messages), 0);
        const fs::path project = harness_.Root() / "Projets" / "Vacances";
        const std::string index = testing::ReadBytes(project / "index.html");
        QVERIFY(index.find("Mes vacances au soleil") != std::string::npos);
        QVERIFY(index.find("Plages") != std::string::npos);
        QVERIFY(testing::ReadBytes(project / "Gal1.htm").find("Bandeau du haut") != std::string::npos);
        QVERIFY(testing::ReadBytes(project / "g1-000002.htm").find("Avant") !=
                std::string::npos);  // the first has no Back
        QVERIFY(testing::ReadBytes(project / "g1-000001.htm").find("data-seconds=\"9\"") != std::string::npos);
        QVERIFY(!fs::exists(project / "orig_images" / "Gal1.zip"));
    }

    void theGalleriesPicturesAreChosenByIconAndTitle() {
        EnterPageDesignOnASavedProject();
        const QComboBox* first = window_->PageDesign().Notebooks->Tabbedhtml->GalleryRows[0].first;
        QCOMPARE(first->count(), 2);
        QCOMPARE(first->itemText(1), QStringLiteral("2  port"));
        QVERIFY(!first->itemIcon(1).isNull());
        QCOMPARE(first->itemData(1, Qt::ToolTipRole).toString(), QStringLiteral("000002.jpg"));
        window_->PageDesign().Notebooks->Tabbedhtml->setCurrentIndex(2);
        testing::SaveScreenshotsOnBothDesktops(window_.get(), QStringLiteral("gallery-pictures"));
        QComboBox* looks = window_->PageDesign().Notebooks->Tabbedhtml->ComboESom;
        window_->PageDesign().Notebooks->Tabbedhtml->setCurrentIndex(0);
        testing::SaveScreenshotsOnBothDesktops(window_.get(), QStringLiteral("look-button"));
        looks->showPopup();
        testing::SaveScreenshotsOnBothDesktops(looks->view()->window(), QStringLiteral("look-list"));
        looks->hidePopup();
    }

    void theTwoStepsShowTheirOwnButtonsPanelsAndLabel() {
        window_->Pictures().AddPictures({harness_.Photo("plage.jpg")});
        window_->SaveCurrentProject();
        QVERIFY(!window_->CurrentSession().ProjectModified());

        Click(Tools().DesignStepButton);
        QVERIFY(window_->CurrentStep().IsPageDesign());
        QCOMPARE(Label(), ToScreen(Text(TextId::StepTwoSummary)));
        QCOMPARE(Tools().DesignStepButton->Tag(), 1);
        QCOMPARE(Tools().PicturesStepButton->Tag(), 0);
        QCOMPARE(Tools().SummaryButton->Tag(), 1);
        QCOMPARE(Tools().GalleryButton->Tag(), 0);
        for (PictureButton* shown :
             {Tools().SummaryButton, Tools().GalleryButton, Tools().PicturePageButton, Tools().RefreshButton}) {
            QVERIFY(shown->isVisible());
        }
        for (PictureButton* hidden : {Tools().AddButton, Tools().UpButton, Tools().DownButton, Tools().RemoveButton}) {
            QVERIFY(!hidden->isVisible());
        }
        QVERIFY(!window_->Pictures().PicturesList->isVisible());
        QVERIFY(!window_->Pictures().PictureTabsView->isVisible());
        QVERIFY(window_->PageDesign().PreviewBrowser->isVisible());
        QVERIFY(fs::exists(harness_.Root() / "blanksom.htm"));  // the summary template, ready for the preview
        QCOMPARE(window_->PageDesign().Preview().galleryCount[9], 50);

        const int beeps = dialogs_.beeps;
        Click(Tools().DesignStepButton);  // already in page design
        QCOMPARE(dialogs_.beeps, beeps + 1);

        Click(Tools().HelpButton);
        QCOMPARE(harness_.opened.size(), std::size_t(1));
        QCOMPARE(harness_.opened.back(), Help("etape2.htm"));

        Click(Tools().PicturesStepButton);
        QVERIFY(window_->CurrentStep().IsPictureList());
        QCOMPARE(Label(), ToScreen(Text(TextId::StepOne)));
        QCOMPARE(Tools().PicturesStepButton->Tag(), 1);
        QCOMPARE(Tools().DesignStepButton->Tag(), 0);
        QVERIFY(window_->Pictures().PicturesList->isVisible());
        QVERIFY(Tools().AddButton->isVisible());
        QVERIFY(!Tools().SummaryButton->isVisible());
        QVERIFY(!window_->PageDesign().PreviewBrowser->isVisible());

        Click(Tools().HelpButton);
        QCOMPARE(harness_.opened.size(), std::size_t(2));
        QCOMPARE(harness_.opened.back(), Help("sommairewebs.htm"));
    }
};

PALIMORA_QTEST_MAIN(TestStepSwitch)
#include "tst_stepswitch.moc"
