#include "common/ProgramFolder.h"
#include "common/ui/ScreenText.h"
#include "lang/Language.h"
#include "lang/LanguageChoice.h"
#include "sitegen/Galleries.h"
#include "styles/ProjectSettings.h"
#include "styles/ui/ColourBox.h"
#include "styles/ui/GalleryNotebook.h"
#include "styles/ui/PictureNotebook.h"
#include "styles/ui/StyleDialogs.h"
#include "styles/ui/StyleNotebooks.h"
#include "styles/ui/SummaryNotebook.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

#include <deque>
#include <memory>

using namespace palimora;
using settings::Kind;
namespace fs = std::filesystem;

Q_DECLARE_METATYPE(palimora::PageKind)

namespace {

// Answers the colour and file dialogs from a script and records how each
// was opened. An unscripted dialog is cancelled.
class ScriptedStyleDialogs : public StyleDialogs {
public:
    std::deque<std::optional<QColor>> colours;
    std::deque<QString> files;
    std::vector<QColor> colourPresets;
    struct FileRequest {
        QString startFolder, filter;
    };
    std::vector<FileRequest> fileRequests;

    std::optional<QColor> ChooseColour(const QColor& initial) override {
        colourPresets.push_back(initial);
        return Next(colours, std::optional<QColor>());
    }
    QString ChooseFile(const QString& startFolder, const QString& filter) override {
        fileRequests.push_back({startFolder, filter});
        return Next(files, QString());
    }

private:
    template <class T>
    static T Next(std::deque<T>& script, T cancelled) {
        if (script.empty()) return cancelled;
        T answer = script.front();
        script.pop_front();
        return answer;
    }
};

// A value for a number line that is neither its initial value nor a bound.
int MiddleOf(const settings::LineLayout& layout) { return (layout.minimum + layout.maximum) / 2; }

}  // namespace

class TestStyleNotebooks : public QObject {
    Q_OBJECT

private:
    testing::TempFolder temp_;
    ProgramFolder folder_{temp_.Path()};
    fs::path project_ = temp_.Path() / "Projets" / "Demo";
    Language language_;
    ProjectSettings settings_;
    testing::ScriptedDialogs dialogs_;
    ScriptedStyleDialogs styleDialogs_;
    std::unique_ptr<QWidget> window_;
    StyleNotebooks* notebooks_ = nullptr;

    fs::path SettingsFile() const { return project_ / "runweb.ini"; }
    std::string FileBytes() const { return testing::ReadBytes(SettingsFile()); }
    std::string FileLine(SettingLine line) const {
        ProjectSettings reread;
        reread.LoadWorking(folder_, "Demo");
        return reread.Lines().Line(line);
    }
    QWidget* Control(SettingLine line) const { return notebooks_->Control(settings::Layout(line).control); }
    template <class T>
    T* ControlAs(SettingLine line) const {
        return qobject_cast<T*>(Control(line));
    }

    // The lines of the settings file other than `line` are as they were.
    void CompareOtherLines(const ProjectSettings& before, SettingLine line) const {
        ProjectSettings after;
        after.LoadWorking(folder_, "Demo");
        QCOMPARE(after.Lines().LineCount(), before.Lines().LineCount());
        for (const settings::LineLayout& each : settings::AllLines()) {
            if (each.line == line) continue;
            QVERIFY2(after.Lines().Line(each.line) == before.Lines().Line(each.line),
                     qPrintable(QStringLiteral("line %1 changed too").arg(LineNumber(each.line))));
        }
    }

    // Makes a change on the control of `layout` as the user would; returns
    // what its line must then hold.
    std::string ChangeControl(const settings::LineLayout& layout) {
        QWidget* control = Control(layout.line);
        switch (layout.kind) {
            case Kind::Check: {
                auto* check = qobject_cast<QCheckBox*>(control);
                check->setChecked(!check->isChecked());
                return check->isChecked() ? "1" : "0";
            }
            case Kind::Text: {
                const std::string text = "autre " + std::to_string(LineNumber(layout.line));
                qobject_cast<QLineEdit*>(control)->setText(QString::fromStdString(text));
                return text;
            }
            case Kind::Number: {
                auto* spin = qobject_cast<QSpinBox*>(control);
                spin->setValue(spin->value() == layout.minimum ? layout.minimum + 1 : spin->value() - 1);
                return std::to_string(spin->value());
            }
            case Kind::Colour:
                styleDialogs_.colours.push_back(QColor(0, 128, 255));
                QTest::mouseClick(control, Qt::LeftButton);
                return "16744448";  // 0 + 256 x 128 + 65536 x 255
            case Kind::Mode: {
                const bool texts = notebooks_->TabbedIHTML->RadioBouTex->isChecked();
                (texts ? notebooks_->TabbedIHTML->RadioBouImg : notebooks_->TabbedIHTML->RadioBouTex)->click();
                return texts ? "2" : "1";
            }
            case Kind::Free: return {};
            default: {
                auto* list = qobject_cast<QComboBox*>(control);
                list->setCurrentIndex(list->currentIndex() == 0 ? 1 : 0);
                // A look is shown by its name, its file in its tip.
                const QVariant file = list->currentData(Qt::ToolTipRole);
                return FromScreen(file.isValid() ? file.toString() : list->currentText());
            }
        }
    }

    void ShowAllTabs(const std::function<void(QTabWidget&, int)>& check) {
        window_->resize(800, 600);
        window_->show();
        for (PageKind page : {PageKind::Summary, PageKind::Gallery, PageKind::Picture}) {
            notebooks_->ShowNotebook(page);
            QTabWidget* notebook = page == PageKind::Summary   ? static_cast<QTabWidget*>(notebooks_->Tabbedhtml)
                                   : page == PageKind::Gallery ? static_cast<QTabWidget*>(notebooks_->TabbedGHTML)
                                                               : static_cast<QTabWidget*>(notebooks_->TabbedIHTML);
            for (int tab = 0; tab < notebook->count(); ++tab) {
                notebook->setCurrentIndex(tab);
                QCoreApplication::processEvents();
                check(*notebook, tab);
            }
        }
    }

private slots:
    void initTestCase() {
        testing::StageProgramFolder(temp_.Path());
        fs::create_directories(project_ / "images");
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) testing::WriteBytes(project_ / "images" / name, "x");
    }

    void init() {
        language_.LoadChosen(folder_);
        fs::remove(project_ / "Demo.ini");
        settings_.Commit(folder_, "Demo", language_);  // a fresh runweb.ini from the default settings
        window_ = std::make_unique<QWidget>();
        styleDialogs_ = ScriptedStyleDialogs();
        dialogs_.shown.clear();
        notebooks_ = new StyleNotebooks(folder_, language_, dialogs_, settings_, window_.get(), &styleDialogs_);
    }

    void cleanup() { window_.reset(); }

    void theNotebooksHaveTheirTabsAndSize() {
        QCOMPARE(notebooks_->Tabbedhtml->count(), 4);
        QCOMPARE(notebooks_->TabbedGHTML->count(), 3);
        QCOMPARE(notebooks_->TabbedIHTML->count(), 4);
        QCOMPARE(notebooks_->Tabbedhtml->size(), QSize(385, 329));
        QCOMPARE(notebooks_->Tabbedhtml->tabText(0), QStringLiteral("La page sommaire"));
        QCOMPARE(notebooks_->Tabbedhtml->tabText(2), QStringLiteral("Boutons"));
        QCOMPARE(notebooks_->TabbedIHTML->tabText(0), QStringLiteral("Les pages images"));
        notebooks_->MoveTo(8, 96);
        QCOMPARE(notebooks_->TabbedGHTML->pos(), QPoint(8, 96));

        QVERIFY(notebooks_->Tabbedhtml->isHidden() && notebooks_->TabbedGHTML->isHidden() &&
                notebooks_->TabbedIHTML->isHidden());
        notebooks_->ShowNotebook(PageKind::Gallery);
        QVERIFY(notebooks_->Tabbedhtml->isHidden());
        QVERIFY(!notebooks_->TabbedGHTML->isHidden());
        QVERIFY(notebooks_->TabbedIHTML->isHidden());
        notebooks_->HideAll();
        QVERIFY(notebooks_->TabbedGHTML->isHidden());
    }

    // Every bound control shows its line and writes exactly that line back.
    void everyControlShowsAndWritesItsLine() {
        notebooks_->LoadSettings("Demo");  // fills the lists, whose items give the values below
        for (const settings::LineLayout& layout : settings::AllLines()) {
            std::string stored;
            switch (layout.kind) {
                case Kind::Free: continue;
                case Kind::Check: stored = "1"; break;
                case Kind::Text: stored = "texte " + std::to_string(LineNumber(layout.line)); break;
                case Kind::Number: stored = std::to_string(MiddleOf(layout)); break;
                case Kind::Colour: stored = "255"; break;
                case Kind::Mode: stored = "2"; break;
                default: {
                    auto* list = ControlAs<QComboBox>(layout.line);
                    QVERIFY2(list && list->count() >= 2, layout.control.data());
                    const QVariant file = list->itemData(list->count() - 1, Qt::ToolTipRole);  // a look's file
                    stored = FromScreen(file.isValid() ? file.toString() : list->itemText(list->count() - 1));
                }
            }
            settings_.Store(layout.line, stored);
        }
        notebooks_->LoadSettings("Demo");
        QVERIFY(notebooks_->SettingsLoaded());

        int bound = 0;
        for (const settings::LineLayout& layout : settings::AllLines()) {
            if (layout.kind == Kind::Free) continue;
            ++bound;
            const QByteArray name(layout.control.data(), static_cast<qsizetype>(layout.control.size()));
            QWidget* control = Control(layout.line);
            QVERIFY2(control, name);
            switch (layout.kind) {
                case Kind::Check: QVERIFY2(qobject_cast<QCheckBox*>(control)->isChecked(), name); break;
                case Kind::Text:
                    QCOMPARE(qobject_cast<QLineEdit*>(control)->text(),
                             QStringLiteral("texte %1").arg(LineNumber(layout.line)));
                    break;
                case Kind::Number: QCOMPARE(qobject_cast<QSpinBox*>(control)->value(), MiddleOf(layout)); break;
                case Kind::Colour:
                    QCOMPARE(qobject_cast<ColourBox*>(control)->Colour(), QColor(255, 0, 0));
                    QVERIFY(qobject_cast<ColourBox*>(control)->IsFilled());
                    QCOMPARE(control->toolTip(), QStringLiteral("#FF0000"));
                    break;
                case Kind::Mode: QVERIFY(notebooks_->TabbedIHTML->RadioBouImg->isChecked()); break;
                default: {
                    auto* list = qobject_cast<QComboBox*>(control);
                    QCOMPARE(list->currentIndex(), list->count() - 1);
                }
            }

            ProjectSettings before;
            before.LoadWorking(folder_, "Demo");
            QSignalSpy modified(notebooks_, &StyleNotebooks::modified);
            const std::string expected = ChangeControl(layout);
            QVERIFY2(FileLine(layout.line) == expected, name);
            CompareOtherLines(before, layout.line);
            QVERIFY2(modified.count() == 1, name);
        }
        QCOMPARE(bound, 149);  // every line but the three free ones
    }

    void nothingIsWrittenBeforeTheSettingsAreLoaded() {
        notebooks_->LoadSettings("Demo");
        notebooks_->SetSettingsLoaded(false);
        const std::string bytes = FileBytes();
        QSignalSpy modified(notebooks_, &StyleNotebooks::modified);
        for (const settings::LineLayout& layout : settings::AllLines()) ChangeControl(layout);
        QCOMPARE(FileBytes(), bytes);
        QCOMPARE(modified.count(), 0);
        QVERIFY(styleDialogs_.colourPresets.empty());  // the colour boxes do not even ask
    }

    void colourBoxesStayBlankUntilLoaded() {
        QVERIFY(!notebooks_->Tabbedhtml->SummaryBackgroundColourBox->IsFilled());
        notebooks_->LoadSettings("Demo");
        QVERIFY(notebooks_->Tabbedhtml->SummaryBackgroundColourBox->IsFilled());
        QCOMPARE(notebooks_->Tabbedhtml->SummaryBackgroundColourBox->size(), QSize(25, 25));
        QCOMPARE(notebooks_->Tabbedhtml->SummaryBackgroundColourBox->cursor().shape(), Qt::PointingHandCursor);
    }

    void aChosenColourIsWrittenAsRgbAndACancelKeepsTheColour() {
        settings_.Store(SettingLine::SummaryTitleColour, "65280");  // pure green
        notebooks_->LoadSettings("Demo");
        ColourBox* box = notebooks_->Tabbedhtml->PaintSTitCou;
        QSignalSpy modified(notebooks_, &StyleNotebooks::modified);

        styleDialogs_.colours.push_back(QColor(18, 52, 86));
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(styleDialogs_.colourPresets.back(), QColor(0, 255, 0));
        QCOMPARE(FileLine(SettingLine::SummaryTitleColour), std::to_string(18 + 256 * 52 + 65536 * 86));
        QCOMPARE(box->toolTip(), QStringLiteral("#123456"));
        QCOMPARE(modified.count(), 1);

        // Cancelled: the colour stays; the file is rewritten with it and the project counts as changed.
        const std::string bytes = FileBytes();
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(styleDialogs_.colourPresets.back(), QColor(18, 52, 86));
        QCOMPARE(box->Colour(), QColor(18, 52, 86));
        QCOMPARE(FileBytes(), bytes);
        QCOMPARE(modified.count(), 2);
    }

    void theBackgroundPictureFillsItsEditAndTheNextDialogStartsThere() {
        notebooks_->LoadSettings("Demo");
        QSignalSpy modified(notebooks_, &StyleNotebooks::modified);
        const QString picture =
            QDir::toNativeSeparators(QString::fromStdString((temp_.Path() / "fonds" / "ciel.jpg").string()));
        styleDialogs_.files.push_back(picture);
        QTest::mouseClick(notebooks_->Tabbedhtml->PatternChooser, Qt::LeftButton);

        QCOMPARE(styleDialogs_.fileRequests.at(0).startFolder,
                 QString::fromStdString((temp_.Path() / "motifs").string()));
        // Only what a browser shows: a HEIC or TIFF picture would be copied into the site unseen.
        const QString filter = styleDialogs_.fileRequests.at(0).filter;
        QVERIFY(filter.contains(QStringLiteral("*.jpeg")) && filter.contains(QStringLiteral("*.png")));
        QVERIFY(!filter.contains(QStringLiteral("*.heic")) && !filter.contains(QStringLiteral("*.tif")));
        QCOMPARE(notebooks_->Tabbedhtml->PatternEdit->text(), picture);
        QCOMPARE(FileLine(SettingLine::SummaryBackgroundPicture), FromScreen(picture));
        QVERIFY(modified.count() >= 1);

        // Any picture button now starts in that folder; the HTML and stamp dialogs keep theirs.
        QTest::mouseClick(notebooks_->TabbedGHTML->BitGmot, Qt::LeftButton);
        QCOMPARE(styleDialogs_.fileRequests.at(1).startFolder,
                 QString::fromStdString((temp_.Path() / "fonds").string()));
        QTest::mouseClick(notebooks_->TabbedIHTML->BitCopyRight, Qt::LeftButton);
        QCOMPARE(styleDialogs_.fileRequests.at(2).startFolder, QString::fromStdString(temp_.Path().string()));
        QCOMPARE(styleDialogs_.fileRequests.at(2).filter, QStringLiteral("Jpeg (*.jpg *.jpeg)"));
        // Cancelled dialogs changed nothing.
        QCOMPARE(notebooks_->TabbedGHTML->EditGMot->text(), QString());
        QCOMPARE(notebooks_->TabbedIHTML->EditImgCopyRight->text(), QString());
    }

    void eachHtmlButtonFillsTheEditBesideIt() {
        notebooks_->LoadSettings("Demo");
        const std::pair<QPushButton*, SettingLine> buttons[] = {
            {notebooks_->Tabbedhtml->BitSTempH, SettingLine::SummaryTopHtml},
            {notebooks_->Tabbedhtml->BitSTempB, SettingLine::SummaryBottomHtml},
            {notebooks_->TabbedGHTML->BitGTempH, SettingLine::GalleryTopHtml},
            {notebooks_->TabbedGHTML->BitGTempB, SettingLine::GalleryBottomHtml},
            {notebooks_->TabbedIHTML->BitITempH, SettingLine::PictureTopHtml},
            {notebooks_->TabbedIHTML->BitITempB, SettingLine::PictureBottomHtml},
        };
        const QString htmlFolder = QString::fromStdString(temp_.Path().string());
        for (const auto& [button, line] : buttons) {
            const QString page = QStringLiteral("/pages/%1.htm").arg(LineNumber(line));
            styleDialogs_.files.push_back(page);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(FileLine(line), FromScreen(page));
            QCOMPARE(qobject_cast<QLineEdit*>(Control(line))->text(), page);
        }
        QCOMPARE(styleDialogs_.fileRequests.front().startFolder, htmlFolder);
        QCOMPARE(styleDialogs_.fileRequests.back().startFolder, QStringLiteral("/pages"));
        QCOMPARE(styleDialogs_.fileRequests.front().filter, QStringLiteral("Pages HTML (*.htm *.html)"));
    }

    void theButtonsModeSwitchesLabelsAndChoosers() {
        settings_.Store(SettingLine::ButtonMode, "1");
        notebooks_->LoadSettings("Demo");
        PictureNotebook& buttons = *notebooks_->TabbedIHTML;
        QVERIFY(buttons.RadioBouTex->isChecked());
        QVERIFY(buttons.BitBouRet->isHidden() && buttons.BitBouSom->isHidden() && buttons.BitBouSui->isHidden());
        QCOMPARE(buttons.BackCaptionLabel->text(), QStringLiteral("Texte Retour :"));

        buttons.RadioBouImg->click();
        QCOMPARE(FileLine(SettingLine::ButtonMode), std::string("2"));
        QVERIFY(!buttons.BitBouRet->isHidden() && !buttons.BitBouSom->isHidden() && !buttons.BitBouSui->isHidden());
        QCOMPARE(buttons.BackCaptionLabel->text(), QStringLiteral("Image Retour :"));
        QCOMPARE(buttons.ContentsCaptionLabel->text(), QStringLiteral("Image Sommaire :"));
        QCOMPARE(buttons.NextCaptionLabel->text(), QStringLiteral("Image Suite :"));

        buttons.RadioBouTex->click();
        QCOMPARE(FileLine(SettingLine::ButtonMode), std::string("1"));
        QVERIFY(buttons.BitBouRet->isHidden() && buttons.BitBouSom->isHidden() && buttons.BitBouSui->isHidden());
        QCOMPARE(buttons.NextCaptionLabel->text(), QStringLiteral("Texte Suite :"));
    }

    // The rows chosen on the galleries tab are the galleries the build reads.
    void galleryRowsGiveTheBuildItsRanges() {
        notebooks_->LoadSettings("Demo");
        SummaryNotebook& summary = *notebooks_->Tabbedhtml;
        summary.GalleryRows[1].name->setText(QStringLiteral("À rebours"));
        summary.GalleryRows[1].first->setCurrentIndex(2);  // c.jpg
        summary.GalleryRows[1].last->setCurrentIndex(0);   // a.jpg
        summary.GalleryRows[2].name->setText(QStringLiteral("Tout"));
        summary.GalleryRows[2].first->setCurrentIndex(0);
        summary.GalleryRows[2].last->setCurrentIndex(2);
        summary.GalleryRows[3].name->setText(QString());
        summary.GalleryRows[3].first->setCurrentIndex(0);
        summary.GalleryRows[3].last->setCurrentIndex(2);
        QCOMPARE(FileLine(SettingLine::GalleryFirstPicture2), std::string("c.jpg"));

        ProjectSettings saved;
        saved.LoadWorking(folder_, "Demo");
        const Galleries galleries = ReadGalleries(saved, language_, {"a.jpg", "b.jpg", "c.jpg"});
        QCOMPARE(galleries[1].first, 2);
        QCOMPARE(galleries[1].last, 0);
        QCOMPARE(galleries[1].Count(), 0);
        QCOMPARE(galleries[2].Count(), 3);
        QCOMPARE(galleries[3].Count(), 0);  // no name, no pictures
    }

    void refreshingTheGalleryListsFollowsThePictures() {
        settings_.Store(SettingLine::GalleryFirstPicture1, "B.JPG");
        settings_.Store(SettingLine::GalleryFirstPicture2, "");
        settings_.Store(SettingLine::GalleryFirstPicture3, "gone.jpg");
        notebooks_->LoadSettings("Demo");
        testing::WriteBytes(project_ / "images" / "d.jpg", "x");
        const std::string bytes = FileBytes();
        QSignalSpy modified(notebooks_, &StyleNotebooks::modified);

        notebooks_->RefreshGalleryLists();
        fs::remove(project_ / "images" / "d.jpg");
        SummaryNotebook& summary = *notebooks_->Tabbedhtml;
        QCOMPARE(summary.GalleryRows[9].last->count(), 4);
        QCOMPARE(summary.GalleryRows[0].first->currentText(), QStringLiteral("b.jpg"));
        QCOMPARE(summary.GalleryRows[1].first->currentIndex(), 0);
        QCOMPARE(summary.GalleryRows[2].first->currentText(), QStringLiteral("d.jpg"));
        QCOMPARE(FileBytes(), bytes);
        QCOMPARE(modified.count(), 0);
    }

    void aTemplateChoiceReplacesTheSamplePageAndAsksForThePreview() {
        qRegisterMetaType<PageKind>();
        notebooks_->LoadSettings("Demo");
        QSignalSpy rebuild(notebooks_, &StyleNotebooks::previewRebuildRequested);
        QComboBox* list = notebooks_->TabbedGHTML->ComboEGal;
        list->setCurrentIndex(list->currentIndex() == 0 ? 1 : 0);
        const fs::path chosen =
            temp_.Path() / "models" / "galeries" / list->currentData(Qt::ToolTipRole).toString().toStdString();
        QCOMPARE(testing::ReadBytes(temp_.Path() / ProgramFolder::kGallerySample), testing::ReadBytes(chosen));
        QCOMPARE(rebuild.count(), 1);
        QCOMPARE(rebuild.at(0).at(0).value<PageKind>(), PageKind::Gallery);

        // Other lists leave the preview alone.
        notebooks_->TabbedGHTML->ComboGTitFon->setCurrentIndex(1);
        QCOMPARE(rebuild.count(), 1);
    }

    // Each look shows its picture; one button gives all three kinds of page
    // the look of one, and says so when a kind lacks it.
    void aLookIsSeenAndGivenToEveryPageAtOnce() {
        const fs::path galleries = temp_.Path() / "models" / "galeries";
        testing::WriteBytes(galleries / "seule.htm", testing::ReadBytes(galleries / "ecrin.htm"));
        notebooks_->LoadSettings("Demo");
        QComboBox* list = notebooks_->TabbedGHTML->ComboEGal;
        const int ecrin = list->findData(QStringLiteral("ecrin.htm"), Qt::ToolTipRole);
        QVERIFY(!list->itemIcon(ecrin).isNull());
        QCOMPARE(FromScreen(list->itemText(ecrin)), language_.LangText(TextId::LookEcrin));  // by its name
        const int own = list->findData(QStringLiteral("seule.htm"), Qt::ToolTipRole);
        QVERIFY(list->itemIcon(own).isNull());  // a look without its picture
        QCOMPARE(list->itemText(own), QStringLiteral("seule"));

        list->setCurrentIndex(ecrin);
        QTest::mouseClick(notebooks_->TabbedGHTML->LookForAllPages, Qt::LeftButton);
        for (SettingLine line :
             {SettingLine::SummaryTemplate, SettingLine::GalleryTemplate, SettingLine::PictureTemplate})
            QCOMPARE(FileLine(line), std::string("ecrin.htm"));
        QCOMPARE(testing::ReadBytes(temp_.Path() / ProgramFolder::kSummarySample),
                 testing::ReadBytes(temp_.Path() / "models" / "sommaires" / "ecrin.htm"));
        QVERIFY(dialogs_.shown.empty());

        list->setCurrentIndex(own);
        QTest::mouseClick(notebooks_->TabbedGHTML->LookForAllPages, Qt::LeftButton);
        QCOMPARE(FileLine(SettingLine::SummaryTemplate), std::string("ecrin.htm"));
        QCOMPARE(dialogs_.shown.back(), language_.LangText(TextId::LookNotEverywhere));
        fs::remove(galleries / "seule.htm");
    }

    void loadingShowsDefaultsForEmptyLinesWithoutWritingThem() {
        settings_.Store(SettingLine::SummaryTitle, "");
        settings_.Store(SettingLine::NextButton, "");
        settings_.Store(SettingLine::SummaryTitleSize, "9");
        settings_.Store(SettingLine::SummaryTitleStyle, "Bold");  // stored in English, shown in French
        const std::string bytes = FileBytes();
        notebooks_->LoadSettings("Demo");
        QCOMPARE(notebooks_->Tabbedhtml->EditSTit->text(), QStringLiteral("Demo"));
        QCOMPARE(notebooks_->TabbedIHTML->EditBouSui->text(), QStringLiteral("Suivante"));
        QCOMPARE(notebooks_->Tabbedhtml->SpinSTitSiz->value(), 7);
        QCOMPARE(notebooks_->Tabbedhtml->ComboSTitSty->currentIndex(), -1);
        QCOMPARE(FileBytes(), bytes);
    }

    void englishCaptionsReplaceTheFrenchOnes() {
        settings_.Store(SettingLine::ButtonMode, "2");
        notebooks_->LoadSettings("Demo");
        language_.Choose(folder_, "English");
        notebooks_->ApplyLanguage();
        QCOMPARE(notebooks_->Tabbedhtml->tabText(0), QStringLiteral("Contents page"));
        QCOMPARE(notebooks_->TabbedIHTML->CheckBouHau->text(), QStringLiteral("Show the buttons at the top"));
        QCOMPARE(notebooks_->TabbedIHTML->BackCaptionLabel->text(), QStringLiteral("Back picture:"));
        language_.Choose(folder_,
                         "Fran\xe7"
                         "ais");
    }

    // Each tab, in every language, holds its captions whole and no field
    // wider than the notebook.
    void everyTabIsReadableInEveryLanguage() {
        notebooks_->LoadSettings("Demo");
        const QString shots = qEnvironmentVariable("PALIMORA_NOTEBOOK_SHOTS");
        const std::vector<AvailableLanguage> languages = AvailableLanguages(folder_);
        QCOMPARE(languages.size(), std::size_t{4});
        for (const AvailableLanguage& language : languages) {
            language_.Choose(folder_, language.name);
            notebooks_->ApplyLanguage();
            ShowAllTabs([&](QTabWidget& notebook, int tab) {
                const QString where =
                    QStringLiteral("%1 tab %2 (%3)").arg(notebook.objectName()).arg(tab).arg(language_.Code().c_str());
                if (!shots.isEmpty()) {
                    notebook.grab().save(QStringLiteral("%1/%2-%3-%4.png")
                                             .arg(shots, language_.Code().c_str(), notebook.objectName())
                                             .arg(tab + 1));
                }
                auto* scroll = qobject_cast<QScrollArea*>(notebook.widget(tab));
                QVERIFY(scroll);
                QVERIFY2(scroll->widget()->minimumSizeHint().width() <= scroll->viewport()->width(), qPrintable(where));
                for (QLabel* label : scroll->widget()->findChildren<QLabel*>()) {
                    if (label->isHidden() || label->wordWrap()) continue;
                    QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(where + ": " + label->text()));
                }
                for (QAbstractButton* button : scroll->widget()->findChildren<QAbstractButton*>()) {
                    if (button->isHidden() || button->text().isEmpty()) continue;
                    QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(where + ": " + button->text()));
                }
                QVERIFY2(notebook.tabBar()->sizeHint().width() <= notebook.width(), qPrintable(where));
            });
        }
    }
};

QTEST_MAIN(TestStyleNotebooks)
#include "tst_stylenotebooks.moc"
