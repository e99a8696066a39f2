#include "app/ui/MainWindow.h"
#include "app/ui/PageDesignStep.h"
#include "app/ui/PictureButton.h"
#include "app/ui/PictureStep.h"
#include "app/ui/Toolbar.h"
#include "app/ui/WebBrowser.h"
#include "common/ProgramPreferences.h"
#include "imaging/JpegCodec.h"
#include "lang/TextId.h"
#include "lang/ui/WaitWindow.h"
#include "project/CommaList.h"
#include "project/ui/PictureDisplay.h"
#include "project/ui/PictureListView.h"
#include "project/ui/PictureOpenDialog.h"
#include "project/ui/PicturePreview.h"
#include "project/ui/PictureTabs.h"
#include "tests/support/FileDialogs.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/Pictures.h"
#include "tests/support/QtTestMain.h"
#include "tests/support/Screenshots.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include <memory>

using namespace palimora;
namespace fs = std::filesystem;

class TestPictureStep : public QObject {
    Q_OBJECT

private:
    testing::MainWindowHarness harness_;
    testing::ScriptedDialogs& dialogs_ = harness_.dialogs;
    std::unique_ptr<MainWindow> window_;

    fs::path Images() const { return harness_.Root() / "Projets" / "Nouveau Projet" / "images"; }

    fs::path Source(const std::string& name, int width = 120, int height = 90) {
        return harness_.Photo(name, width, height);
    }

    // Points the display at a picture as the commands do after their work,
    // without the highlight move that stores typed texts first.
    void Click(int position) {
        {
            const QSignalBlocker quiet(PicturesList());
            PicturesList()->MakeCurrent(position);
        }
        window_->Pictures().ShowChosenPicture();
    }

    QString ShownTitle() { return window_->Pictures().PictureTabsView->TitleEdit->text(); }

    PictureListView* PicturesList() { return window_->Pictures().PicturesList; }

private slots:
    void init() {
        harness_.Reset();
        window_ = harness_.Start();
    }

    void cleanup() { window_.reset(); }

    void addedPicturesAreListedWithIconsAndTheLastIsShown() {
        window_->Pictures().AddPictures({Source("Plage.jpg", 1000, 900), Source("Montagne.jpg")});
        QCOMPARE(PicturesList()->count(), 2);
        QCOMPARE(PicturesList()->item(0)->text(), QStringLiteral("Montagne"));  // each picture by its title
        QCOMPARE(PicturesList()->FileNameAt(0), std::string("000001.jpg"));
        QVERIFY(!PicturesList()->item(0)->icon().isNull());
        QCOMPARE(PicturesList()->item(1)->checkState(), Qt::Unchecked);
        QCOMPARE(window_->Pictures().PictureCount(), 2);
        QCOMPARE(window_->Pictures().CurrentPicture(), 2);
        QCOMPARE(PicturesList()->CurrentPosition(), 1);
        QVERIFY(window_->CurrentSession().ProjectModified());
        QVERIFY(!window_->Pictures().Waiting->isVisible());

        Click(1);  // numbered in name order: Montagne, then Plage
        PictureDisplay* panel = window_->Pictures().PictureTabsView->PictureView;
        QCOMPARE(panel->PictureWidth, 1000);
        QCOMPARE(panel->StillView->geometry(), QRect(20, 1, 336, 302));
        QCOMPARE(window_->Pictures().PictureTabsView->TitleEdit->text(), QStringLiteral("Plage"));
        QVERIFY(window_->PageDesign().PreviewBrowser->isHidden());  // the list has its place back
    }

    // The add button's dialog opens first in the user's pictures folder,
    // and comes back after each confirmation in the folder of the pictures
    // just added, where it stood, with nothing chosen and its columns whole,
    // until it is cancelled.
    void theAddDialogPreviewsAndComesBackUntilCancelled() {
        // A photo with a title of its own, which the box unticked leaves aside.
        const fs::path photo = testing::WithXmpTexts(Source("Plage.jpg", 800, 600), "Au bord de l'eau");
        bool boxTickedOnReturn = true;
        int opened = 0, waited = 0;
        bool chosen = false;
        QString previewed, folderOnReturn, firstFolder;
        QPoint firstPlace, placeOnReturn;
        QStringList chosenOnReturn;
        bool columnsWhole = true;
        QTimer answer;
        answer.setInterval(20);
        bool plainDialog = false;
        connect(&answer, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* plain = qobject_cast<QFileDialog*>(modal); plain && !qobject_cast<PictureOpenDialog*>(modal)) {
                plainDialog = true;  // a file dialog without the preview pane
                answer.stop();
                plain->reject();
                return;
            }
            auto* dialog = qobject_cast<PictureOpenDialog*>(modal);
            if (!dialog || !dialog->isVisible()) return;
            if (!chosen) {  // first opening: choose the photo once its preview is up
                if (opened == 0) {
                    firstFolder = dialog->directory().absolutePath();
                    firstPlace = dialog->pos();
                    dialog->setDirectory(QString::fromStdString(photo.parent_path().string()));
                }
                opened = 1;
                if (!testing::ClickFirstFile(*dialog) && ++waited < 250) return;  // the folder is being read
                previewed = dialog->Preview->SizeLabel->text();
                testing::SaveScreenshotsOnBothDesktops(dialog, QStringLiteral("add-dialog"));
                dialog->TextsFromPhotos->setChecked(false);
                chosen = true;
                static_cast<QDialog*>(dialog)->accept();  // as the Open button does
                return;
            }
            opened = 2;
            folderOnReturn = dialog->directory().absolutePath();
            placeOnReturn = dialog->pos();
            chosenOnReturn = dialog->selectedFiles();
            boxTickedOnReturn = dialog->TextsFromPhotos->isChecked();
            // The photo's size, type and date are shown whole.
            if (auto* view = dialog->findChild<QTreeView*>(); view && view->model()->rowCount(view->rootIndex())) {
                for (int column = 1; column < view->model()->columnCount(view->rootIndex()); ++column) {
                    const QString text = view->model()->index(0, column, view->rootIndex()).data().toString();
                    columnsWhole =
                        columnsWhole && view->fontMetrics().horizontalAdvance(text) < view->columnWidth(column);
                }
            }
            answer.stop();
            dialog->reject();
        });
        answer.start();
        QTest::mouseClick(window_->Tools().AddButton, Qt::LeftButton);
        QVERIFY(!plainDialog);
        QCOMPARE(opened, 2);
        QCOMPARE(previewed, QStringLiteral("800 x 600 pixels"));
        QCOMPARE(folderOnReturn, QString::fromStdString(photo.parent_path().string()));
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        QCOMPARE(firstFolder, QDir(pictures).exists() ? pictures : QDir::homePath());
        QCOMPARE(placeOnReturn, firstPlace);
        QVERIFY(chosenOnReturn.isEmpty() || QFileInfo(chosenOnReturn.front()).isDir());
        QVERIFY(columnsWhole);
        QCOMPARE(PicturesList()->count(), 1);
        QCOMPARE(window_->CurrentSession().Pictures().Texts().Read(1)->title, std::string("Plage"));
        QVERIFY(!boxTickedOnReturn);  // the box comes back as it was left, at the next start too
        QCOMPARE(ReadPreference(ProgramFolder(harness_.Root()), Preference::TextsFromPhotos), std::string("0"));
        QCOMPARE(window_->Tools().AddButton->Tag(), 0);
    }

    void textsAreStoredOnlyByTheStoreButton() {
        window_->Pictures().AddPictures({Source("a.jpg"), Source("b.jpg")});
        Click(0);
        window_->Pictures().PictureTabsView->TitleEdit->setText(QStringLiteral("Coucher de soleil"));
        window_->Pictures().PictureTabsView->CommentEdit->setPlainText(QStringLiteral("Nice day\nx,y"));
        QTest::mouseClick(window_->Pictures().PictureTabsView->SaveTextsButton, Qt::LeftButton);
        const auto stored = window_->CurrentSession().Pictures().Texts().Read(1);
        QCOMPARE(stored->title, std::string("Coucher de soleil"));
        QCOMPARE(stored->comment, std::string("\"Nice day\",\"x,y\""));
        QCOMPARE(PicturesList()->item(0)->text(), QStringLiteral("Coucher de soleil"));  // the list follows

        window_->Pictures().PictureTabsView->TitleEdit->setText(QStringLiteral("typed, not stored"));
        Click(1);
        Click(0);
        QCOMPARE(window_->Pictures().PictureTabsView->TitleEdit->text(), QStringLiteral("Coucher de soleil"));
        QCOMPARE(window_->Pictures().PictureTabsView->CommentEdit->toPlainText(), QStringLiteral("Nice day\nx,y"));

        window_->Pictures().PictureTabsView->TitleEdit->setText(QStringLiteral("東京"));  // beyond Windows-1252
        QTest::mouseClick(window_->Pictures().PictureTabsView->SaveTextsButton, Qt::LeftButton);
        QVERIFY(dialogs_.shown.empty());
        QCOMPARE(window_->CurrentSession().Pictures().Texts().Read(1)->title, std::string("&#26481;&#20140;"));
        QCOMPARE(PicturesList()->item(0)->text(), QStringLiteral("東京"));
    }

    void typedTextsAreKeptWhenTheUserPicksAnotherPicture() {
        window_->Pictures().AddPictures({Source("a.jpg"), Source("b.jpg")});
        Click(0);
        window_->CurrentSession().SetProjectModified(false);
        window_->Pictures().PictureTabsView->TitleEdit->setText(QStringLiteral("Plage du matin"));
        window_->Pictures().PictureTabsView->CommentEdit->setPlainText(QStringLiteral("Calme"));
        PicturesList()->MakeCurrent(1);
        window_->Pictures().PictureChosen();  // no OK: the texts go with the picture all the same
        const auto stored = window_->CurrentSession().Pictures().Texts().Read(1);
        QCOMPARE(stored->title, std::string("Plage du matin"));
        QCOMPARE(stored->comment, ToCommaList({"Calme"}));
        QVERIFY(window_->CurrentSession().ProjectModified());
        QCOMPARE(window_->Pictures().PictureTabsView->TitleEdit->text(), QStringLiteral("b"));

        window_->CurrentSession().SetProjectModified(false);
        PicturesList()->MakeCurrent(0);
        window_->Pictures().PictureChosen();  // nothing typed: nothing written
        QVERIFY(!window_->CurrentSession().ProjectModified());
        QCOMPARE(window_->CurrentSession().Pictures().Texts().Read(2)->title, std::string("b"));
    }

    // However the highlight moves, the highlighted picture is the one whose
    // texts are shown and stored, and the one the arrows move.
    void theHighlightedPictureIsTheOneEditedAndMoved() {
        std::vector<fs::path> sources;
        for (int i = 1; i <= 12; ++i) sources.push_back(Source("p" + std::to_string(i) + ".jpg"));
        window_->Pictures().AddPictures(sources);
        window_->Pictures().ShowChosenPicture();
        PictureListView* list = PicturesList();
        const PictureTextFile& texts = window_->CurrentSession().Pictures().Texts();
        const auto typeTitle = [&](const QString& title) {
            window_->Pictures().PictureTabsView->TitleEdit->setText(title);
            QTest::mouseClick(window_->Pictures().PictureTabsView->SaveTextsButton, Qt::LeftButton);
        };

        QTest::keyClick(list, Qt::Key_Home);
        QCOMPARE(list->CurrentPosition(), 0);
        QCOMPARE(ShownTitle(), QStringLiteral("p1"));
        typeTitle(QStringLiteral("Prairie alpine"));
        QCOMPARE(texts.Read(1)->title, std::string("Prairie alpine"));
        QCOMPARE(texts.Read(12)->title, std::string("p12"));

        for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Left}) {
            QTest::keyClick(list, key);
            const int highlighted = list->CurrentPosition() + 1;
            QCOMPARE(window_->Pictures().CurrentPicture(), highlighted);
            QCOMPARE(ShownTitle(), QString::fromStdString(texts.Read(highlighted)->title));
        }
        const int highlighted = list->CurrentPosition() + 1;
        QVERIFY(highlighted != 1 && highlighted != 12);
        typeTitle(QStringLiteral("Lac"));
        QCOMPARE(texts.Read(highlighted)->title, std::string("Lac"));

        // A title typed and not stored goes with its picture when the keys move on.
        window_->Pictures().PictureTabsView->TitleEdit->setText(QStringLiteral("Sommet"));
        QTest::keyClick(list, Qt::Key_Home);
        QCOMPARE(texts.Read(highlighted)->title, std::string("Sommet"));
        QCOMPARE(ShownTitle(), QStringLiteral("Prairie alpine"));

        // The arrows move the highlighted picture, and it stays highlighted.
        QTest::keyClick(list, Qt::Key_End);
        QTest::keyClick(list, Qt::Key_Left);
        const int before = list->CurrentPosition() + 1;
        const std::string moved = texts.Read(before)->title;
        QTest::mouseClick(window_->Tools().UpButton, Qt::LeftButton);
        QCOMPARE(texts.Read(before - 1)->title, moved);
        QCOMPARE(list->CurrentPosition() + 1, before - 1);
        QCOMPARE(ShownTitle(), QString::fromStdString(moved));
    }

    void picturesAreNumberedInTheOrderAPersonReadsTheirNames() {
        window_->Pictures().AddPictures({Source("b10.jpg"), Source("B2.jpg"), Source("a1.jpg")});
        const PictureTextFile& texts = window_->CurrentSession().Pictures().Texts();
        QCOMPARE(texts.Read(1)->title, std::string("a1"));
        QCOMPARE(texts.Read(2)->title, std::string("B2"));
        QCOMPARE(texts.Read(3)->title, std::string("b10"));
    }

    void theCommentHoldsAtMost249Characters() {
        window_->Pictures().PictureTabsView->CommentEdit->setPlainText(QString(300, QLatin1Char('c')));
        QCOMPARE(window_->Pictures().PictureTabsView->CommentEdit->toPlainText().size(), 249);
    }

    // The limit counts the comment as it is stored (quotes around a line
    // with a comma or a quote), so what the field holds is stored whole.
    void aCommentThatFillsTheRecordIsStoredWhole() {
        window_->Pictures().AddPictures({Source("a.jpg")});
        Click(0);
        const QString full =
            QStringLiteral("Au bord de l'eau, le soir") + QString(222, QLatin1Char('x'));  // 247 characters
        QCOMPARE(full.size(), 247);
        window_->Pictures().PictureTabsView->CommentEdit->setPlainText(full);
        QCOMPARE(window_->Pictures().PictureTabsView->CommentEdit->toPlainText(), full);  // 249 stored bytes: it fits
        QTest::mouseClick(window_->Pictures().PictureTabsView->SaveTextsButton, Qt::LeftButton);
        QCOMPARE(FromCommaList(window_->CurrentSession().Pictures().Texts().Read(1)->comment),
                 std::vector<std::string>{full.toStdString()});

        window_->Pictures().PictureTabsView->CommentEdit->setPlainText(full + QStringLiteral("y"));  // 250 stored bytes
        QCOMPARE(window_->Pictures().PictureTabsView->CommentEdit->toPlainText(), full);
    }

    void tickedPicturesAreDeletedAndTheRestRenumbered() {
        window_->Pictures().AddPictures(
            {Source("p1.jpg"), Source("p2.jpg"), Source("p3.jpg"), Source("p4.jpg"), Source("p5.jpg")});
        PicturesList()->item(1)->setCheckState(Qt::Checked);
        PicturesList()->item(3)->setCheckState(Qt::Checked);
        QTest::mouseClick(window_->Tools().RemoveButton, Qt::LeftButton);
        QCOMPARE(PicturesList()->count(), 3);
        QCOMPARE(window_->Pictures().PictureCount(), 3);
        QCOMPARE(window_->CurrentSession().Pictures().Texts().Read(2)->title, std::string("p3"));
        QCOMPARE(window_->Tools().RemoveButton->Tag(), 0);
        // The neighbour that took the first removed picture's place is shown.
        QCOMPARE(window_->Pictures().CurrentPicture(), 2);
        QCOMPARE(window_->Pictures().PictureTabsView->TitleEdit->text(), QStringLiteral("p3"));

        // With nothing ticked the button says what it removes, and removes nothing.
        QTest::mouseClick(window_->Tools().RemoveButton, Qt::LeftButton);
        QCOMPARE(dialogs_.shown.size(), std::size_t{1});
        QCOMPARE(dialogs_.shown.front(), window_->CurrentSession().LangText(TextId::NothingTicked));
        QCOMPARE(PicturesList()->count(), 3);
    }

    void movingBeepsAtTheEndsAndOtherwiseSwaps() {
        window_->Pictures().AddPictures({Source("p1.jpg"), Source("p2.jpg"), Source("p3.jpg")});
        QTest::mouseClick(window_->Tools().DownButton, Qt::LeftButton);  // the last picture is current
        QCOMPARE(dialogs_.beeps, 1);
        Click(0);
        QTest::mouseClick(window_->Tools().UpButton, Qt::LeftButton);
        QCOMPARE(dialogs_.beeps, 2);
        QTest::mouseClick(window_->Tools().DownButton, Qt::LeftButton);
        QCOMPARE(window_->CurrentSession().Pictures().Texts().Read(2)->title, std::string("p1"));
        QCOMPARE(window_->CurrentSession().Pictures().Texts().Read(1)->title, std::string("p2"));
        QCOMPARE(window_->Tools().DownButton->Tag(), 0);
        QCOMPARE(window_->Pictures().CurrentPicture(), 2);  // the moved picture stays selected
        QCOMPARE(PicturesList()->CurrentPosition(), 1);

        // Pressed again, the same picture moves on: up twice is two places up.
        Click(2);
        QTest::mouseClick(window_->Tools().UpButton, Qt::LeftButton);
        QTest::mouseClick(window_->Tools().UpButton, Qt::LeftButton);
        QCOMPARE(window_->CurrentSession().Pictures().Texts().Read(1)->title, std::string("p3"));
        QCOMPARE(window_->Pictures().PictureTabsView->TitleEdit->text(), QStringLiteral("p3"));
    }

    void insertingKeepsTheNewPictureSelected() {
        window_->Pictures().AddPictures({Source("p1.jpg"), Source("p2.jpg"), Source("p3.jpg")});
        Click(1);
        window_->Pictures().AddPictures({Source("new.jpg")});
        QCOMPARE(PicturesList()->count(), 4);
        QCOMPARE(window_->Pictures().CurrentPicture(), 2);
        QCOMPARE(PicturesList()->CurrentPosition(), 1);
        QCOMPARE(window_->CurrentSession().Pictures().Texts().Read(2)->title, std::string("new"));
    }

    void aPictureOfTheProjectItselfIsRefused() {
        window_->Pictures().AddPictures({Source("p1.jpg")});
        window_->Pictures().AddPictures({Images() / "000001.jpg"});
        QCOMPARE(PicturesList()->count(), 1);
        QCOMPARE(dialogs_.shown.back(), window_->CurrentSession().LangText(TextId::AlreadyInProject));
    }

    void aNewProjectHidesThePictureTabsUntilAPictureIsAdded() {
        window_->Pictures().AddPictures({Source("p1.jpg")});
        QVERIFY(window_->Pictures().PictureTabsView->isVisible());
        dialogs_.answers = {kModalNo};  // not saved
        QTest::mouseClick(window_->Tools().NewButton, Qt::LeftButton);
        QCOMPARE(PicturesList()->count(), 0);
        QVERIFY(window_->Pictures().PictureTabsView->isHidden());
        QVERIFY(PicturesList()->isVisible());
        window_->Pictures().AddPictures({Source("p2.jpg")});
        QVERIFY(window_->Pictures().PictureTabsView->isVisible());
        QCOMPARE(window_->Pictures().PictureTabsView->TitleEdit->text(), QStringLiteral("p2"));
    }

    // A folder where the swap's last rename goes stops it, root or not: the
    // files already renamed go back and the user is told.
    void aMoveThatCannotBeDoneIsUndoneAndTold() {
        window_->Pictures().AddPictures({Source("p1.jpg"), Source("p2.jpg"), Source("p3.jpg")});
        fs::create_directories(Images() / "9999.jpg" / "in the way");
        Click(1);
        QTest::mouseClick(window_->Tools().DownButton, Qt::LeftButton);
        QCOMPARE(dialogs_.beeps, 0);
        QCOMPARE(dialogs_.shown.size(), std::size_t(1));
        QVERIFY(dialogs_.shown[0].rfind(window_->CurrentSession().LangText(TextId::PictureNotMoved) + " ", 0) == 0);
        QVERIFY(dialogs_.shown[0].find("000002.jpg") != std::string::npos);
        QCOMPARE(window_->CurrentSession().Pictures().Texts().Read(2)->title, std::string("p2"));
        QCOMPARE(PicturesList()->count(), 3);
        QCOMPARE(window_->Tools().DownButton->Tag(), 0);
    }

    void addingDecodesForTheDisplayOnlyTheLastPicture() {
        const fs::path damaged = Source("a-damaged.jpg");
        testing::CutFile(damaged, 300);
        window_->Pictures().AddPictures({damaged, Source("b-intact.jpg", 300, 200)});
        QCOMPARE(PicturesList()->count(), 2);
        QCOMPARE(window_->Pictures().PictureTabsView->PictureView->PictureWidth, 300);
        QCOMPARE(window_->Pictures().PictureTabsView->TitleEdit->text(), QStringLiteral("b-intact"));
        // The damaged first picture was never shown: its icon alone tells it.
        QVERIFY(dialogs_.shown.empty());
        QCOMPARE(dialogs_.beeps, 1);
    }

    void damagedAndMissingPicturesAreToldNotFatal() {
        window_->Pictures().AddPictures({Source("good.jpg"), Source("bad.jpg")});
        testing::CutFile(Images() / "000001.jpg", 300);
        window_->Pictures().RefillPictureList();
        QCOMPARE(PicturesList()->count(), 2);  // the damaged one gets an empty icon
        Click(0);
        QVERIFY(dialogs_.shown.back().rfind("Error 6: ", 0) == 0);

        fs::remove(Images() / "000002.jpg");
        Click(1);
        QCOMPARE(
            dialogs_.shown.back().find(window_->CurrentSession().LangText(TextId::DoesNotExist)) != std::string::npos,
            true);
    }

    void aRebuildDoesNotDecodeUnchangedPicturesAgain() {
        std::vector<fs::path> sources;
        for (int i = 0; i < 6; ++i) sources.push_back(Source("p" + std::to_string(i) + ".jpg"));
        window_->Pictures().AddPictures(sources);
        // Garbage written over a picture in place, keeping its size and time,
        // goes unnoticed: its icon comes from the cache, no decode is tried.
        const fs::path third = Images() / "000003.jpg";
        const auto time = fs::last_write_time(third);
        testing::WriteBytes(third, std::string(fs::file_size(third), 'x'));
        fs::last_write_time(third, time);
        window_->Pictures().RefillPictureList();
        QCOMPARE(PicturesList()->count(), 6);
        QCOMPARE(dialogs_.beeps, 0);  // no decode was tried: the icon came from the cache
    }

    // A folder dropped from a file manager: its pictures, subfolders' too,
    // in the add button's order; a dragged picture then takes its new place.
    void droppedFoldersAreAddedAndDraggedPicturesMove() {
        const fs::path folder = harness_.Root() / "dropped";
        fs::create_directories(folder / "soir" / ".cache");
        for (const char* name : {"img10.jpg", "img2.jpg", "soir/img3.jpg", "soir/.cache/thumb.jpg"})
            EncodeJpeg(testing::Quadrants(40, 30), folder / name);
        testing::WriteBytes(folder / "notes.txt", "no picture");
        const std::size_t toldBefore = dialogs_.shown.size();
        auto* data = new QMimeData;  // the event's owner keeps it alive: the drag owns it in a real drop
        data->setUrls({QUrl::fromLocalFile(QString::fromStdString(folder.string()))});
        const QPoint middle = PicturesList()->viewport()->rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(PicturesList()->viewport(), &enter);  // makes the list the drop's target
        QVERIFY(enter.isAccepted());
        QDropEvent drop(middle, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(PicturesList()->viewport(), &drop);
        QVERIFY(drop.isAccepted());
        QTRY_COMPARE(PicturesList()->count(), 3);
        testing::SaveScreenshotsOnBothDesktops(window_.get(), QStringLiteral("dropped-folder"));
        QCOMPARE(PicturesList()->item(0)->text(), QStringLiteral("img2"));
        QCOMPARE(PicturesList()->item(2)->text(), QStringLiteral("img10"));
        QCOMPARE(dialogs_.shown.size(), toldBefore);  // the text file and the hidden folder are passed over

        emit PicturesList()->pictureDragged(0, 2);
        QTRY_COMPARE(PicturesList()->item(2)->text(), QStringLiteral("img2"));
        QCOMPARE(PicturesList()->CurrentPosition(), 2);
        QCOMPARE(PicturesList()->item(0)->text(), QStringLiteral("img3"));
        delete data;
    }

    // Larger icons for a larger screen: made again at their new size, the chosen picture kept.
    void theIconSliderMakesTheIconsLarger() {
        window_->Pictures().AddPictures({Source("Plage.jpg", 1000, 900), Source("Montagne.jpg")});
        PicturesList()->MakeCurrent(0);
        window_->Pictures().IconSizeSlider->setValue(2);
        QCOMPARE(PicturesList()->iconSize(), QSize(150, 150));
        QCOMPARE(PicturesList()->item(1)->icon().availableSizes().value(0), QSize(150, 150));
        QCOMPARE(PicturesList()->CurrentPosition(), 0);
        QVERIFY(PicturesList()->gridSize().width() > 150);
    }

    // Photos dropped on the welcome page start the new project with them.
    void photosDroppedOnTheWelcomePageAreAdded() {
        window_->show();
        WebBrowser* welcome = window_->PageDesign().PreviewBrowser;
        QTRY_VERIFY(welcome->isVisible());
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(QString::fromStdString(Source("Plage.jpg").string()))});
        const QPoint middle = welcome->rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(welcome, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(middle, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(welcome, &drop);
        QTRY_COMPARE(PicturesList()->count(), 1);
        QVERIFY(!welcome->isVisible());  // the list has its place back
        delete data;
    }
};

PALIMORA_QTEST_MAIN(TestPictureStep)
#include "tst_picturestep.moc"
