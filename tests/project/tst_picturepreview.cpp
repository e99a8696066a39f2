#include "common/ProgramFolder.h"
#include "imaging/JpegCodec.h"
#include "lang/Language.h"
#include "project/ui/PictureOpenDialog.h"
#include "project/ui/PicturePreview.h"
#include "tests/support/FileDialogs.h"
#include "tests/support/Pictures.h"
#include "tests/support/TempFolder.h"

#include <QLabel>
#include <QtTest>

using namespace palimora;
namespace fs = std::filesystem;

class TestPicturePreview : public QObject {
    Q_OBJECT

private:
    testing::TempFolder temp_;
    Language language_;

    // The colour of the preview's pixel at (x, y) of the picture shown.
    static QColor ShownAt(const PicturePreview& preview, int x, int y) {
        return preview.Picture->pixmap().toImage().pixelColor(x, y);
    }

private slots:
    void initTestCase() {
        testing::StageProgramFolder(temp_.Path());
        language_.LoadChosen(ProgramFolder(temp_.Path()));
    }

    // A large photo is decoded reduced, fitted into the pane keeping its
    // proportions, and its natural size is told.
    void aPhotoIsShownFittedWithItsSizeInPixels() {
        const fs::path photo = temp_.Path() / "grande.jpg";
        EncodeJpeg(testing::Quadrants(4000, 3000), photo);
        PicturePreview preview(language_, nullptr);
        preview.Show(photo);
        QCOMPARE(preview.SizeLabel->text(), QStringLiteral("4000 x 3000 pixels"));
        const QSize shown = preview.Picture->pixmap().size();
        QCOMPARE(shown, QSize(216, 162));  // a little inside the 220 x 220 pane, as the large display fits
        QVERIFY(ShownAt(preview, 10, 10).red() > 200 && ShownAt(preview, 10, 10).blue() < 60);  // red at top left
        QVERIFY(ShownAt(preview, shown.width() - 10, shown.height() - 10).blue() > 200);        // white at bottom right
    }

    void aSmallPictureKeepsItsSizeAndAGifShowsItsFirstFrame() {
        const fs::path gif = temp_.Path() / "anim.gif";
        testing::WriteGif(gif, 60, 40, {{0, 0, 255}, {255, 0, 0}});
        PicturePreview preview(language_, nullptr);
        preview.Show(gif);
        QCOMPARE(preview.SizeLabel->text(), QStringLiteral("60 x 40 pixels"));
        QCOMPARE(preview.Picture->pixmap().size(), QSize(60, 40));
        QCOMPARE(ShownAt(preview, 30, 20), QColor(0, 0, 255));

        const fs::path bitmap = temp_.Path() / "scan.bmp";
        testing::WriteBmp(bitmap, testing::Quadrants(30, 20));
        preview.Show(bitmap);
        QCOMPARE(preview.SizeLabel->text(), QStringLiteral("30 x 20 pixels"));
    }

    void whatIsNoPictureLeavesThePaneEmptyWithoutAWord() {
        const fs::path good = temp_.Path() / "bonne.jpg";
        EncodeJpeg(testing::Quadrants(80, 60), good);
        const fs::path damaged = temp_.Path() / "abimee.jpg";
        EncodeJpeg(testing::Quadrants(80, 60), damaged);
        testing::CutFile(damaged, 200);
        PicturePreview preview(language_, nullptr);
        for (const fs::path& nothing : {damaged, temp_.Path() / "absente.jpg", temp_.Path()}) {
            preview.Show(good);
            QVERIFY(!preview.SizeLabel->text().isEmpty());
            preview.Show(nothing);
            QVERIFY2(preview.Picture->pixmap().isNull(), nothing.c_str());
            QVERIFY(preview.SizeLabel->text().isEmpty());
        }
    }

    // The dialog is the toolkit's own, so the pane can sit beside the list,
    // and the pane follows the file made current there.
    void theDialogShowsTheCurrentFileInItsPane() {
        const fs::path folder = temp_.Path() / "photos";
        fs::create_directories(folder);
        EncodeJpeg(testing::Quadrants(640, 480), folder / "plage.jpg");
        PictureOpenDialog dialog(language_, QStringLiteral("Ajouter"), QStringLiteral("Images (*.jpg)"), nullptr);
        QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
        QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFiles);
        QVERIFY(dialog.Preview);
        QCOMPARE(dialog.findChild<PicturePreview*>(), dialog.Preview);
        dialog.setDirectory(QString::fromStdString(folder.string()));
        dialog.show();
        QVERIFY(dialog.Preview->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(testing::ClickFirstFile(dialog), 10000);  // once the folder is read
        QCOMPARE(dialog.Preview->SizeLabel->text(), QStringLiteral("640 x 480 pixels"));
        QCOMPARE(dialog.Preview->Picture->pixmap().size(), QSize(216, 162));
        // The pane stands to the right of the files.
        const QWidget* files = testing::ShownFileView(dialog);
        QVERIFY(dialog.Preview->mapTo(&dialog, QPoint(0, 0)).x() >=
                files->mapTo(&dialog, QPoint(files->width(), 0)).x());
    }
};

QTEST_MAIN(TestPicturePreview)
#include "tst_picturepreview.moc"
