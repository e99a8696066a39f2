#include "app/ui/PictureStep.h"

#include "app/Session.h"
#include "app/ui/PictureButton.h"
#include "app/ui/PressedLook.h"
#include "app/ui/Toolbar.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/ProgramPreferences.h"
#include "common/ui/BusyCursor.h"
#include "common/ui/DesignedNames.h"
#include "common/ui/OpenFile.h"
#include "common/ui/ScreenText.h"
#include "imaging/ui/QtImages.h"
#include "lang/TextId.h"
#include "lang/ui/WaitWindow.h"
#include "project/AddedPictureConversion.h"
#include "project/ChosenPictures.h"
#include "project/CommaList.h"
#include "project/ui/PictureDisplay.h"
#include "project/ui/PictureListView.h"
#include "project/ui/PictureOpenDialog.h"
#include "project/ui/PictureTabs.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QScopedValueRollback>
#include <QSlider>
#include <QStandardPaths>

#include <algorithm>

namespace palimora {
namespace fs = std::filesystem;

PictureStep::PictureStep(Session& session, UserDialogs& dialogs, Toolbar& toolbar, QWidget* window)
    : QObject(window), session_(session), dialogs_(dialogs), toolbar_(toolbar) {
    PictureTabsView = new PictureTabs(dialogs, session.CurrentLanguage(), window);
    PictureTabsView->setGeometry(8, 96, 385, 329);
    PicturesList = new PictureListView(window);
    PicturesList->setGeometry(407, 96, 377, 329);
    GiveDesignedNames({{PictureTabsView, "TabbedImg"}, {PicturesList, "ListView1"}});
    PicturesList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(PicturesList, &QWidget::customContextMenuRequested, this, &PictureStep::ShowListMenu);
    Waiting = new WaitWindow(session.CurrentLanguage(), window);
    Waiting->setWindowFlag(Qt::Window);
    MakeIconSizeSlider(window);
}

namespace {

// The icons' sides the slider steps through: as designed, then larger for a larger screen.
constexpr int kIconSides[] = {50, 100, 150};

}  // namespace

void PictureStep::MakeIconSizeSlider(QWidget* window) {
    IconSizeSlider = new QSlider(Qt::Horizontal, window);
    IconSizeSlider->setObjectName(QStringLiteral("IconSizeSlider"));
    IconSizeSlider->setGeometry(664, 430, 120, 20);
    IconSizeSlider->setRange(0, static_cast<int>(std::size(kIconSides)) - 1);
    IconSizeSlider->setPageStep(1);
    IconSizeSlider->setTickPosition(QSlider::TicksBelow);
    IconSizeSlider->setFocusPolicy(Qt::TabFocus);
    connect(IconSizeSlider, &QSlider::valueChanged, this, [this](int step) {
        PicturesList->SetIconSide(kIconSides[step]);             // the slider's range is the steps
        RefillPictureList(PicturesList->CurrentPosition() + 1);  // the chosen picture stays chosen
    });
}

PictureStep::~PictureStep() = default;

QIcon PictureStep::IconOf(const fs::path& picture) const {
    // The saved project's pictures are copies of the list's: the list's
    // picture of that name and size is the same one.
    const fs::path listed = session_.Pictures().FileOf(picture.filename().string());
    std::error_code error;
    if (fs::file_size(listed, error) != fs::file_size(picture, error) || error) return {};
    const auto key = IconCache::KeyOf(listed);
    const auto icon = key ? icons_.Find(*key, PicturesList->IconSide()) : std::nullopt;
    return icon ? QIcon(QPixmap::fromImage(ToQImage(*icon))) : QIcon();
}

void PictureStep::Stretch(QSize extra) {
    PicturesList->setGeometry(407, 96, 377 + extra.width(), 329 + extra.height());
    PictureTabsView->setGeometry(8, 96, 385, 329 + extra.height());
    IconSizeSlider->move(664 + extra.width(), 430 + extra.height());
    PictureTabsView->Stretch(extra.height());
}

void PictureStep::ShowNewProject() {
    pictureCount_ = currentPicture_ = textsPicture_ = 0;
    PictureTabsView->PictureView->Clear();
    PictureTabsView->ShowTexts({}, {});
}

void PictureStep::SetShown(bool shown) {
    PictureTabsView->setVisible(shown);
    PicturesList->setVisible(shown);
    IconSizeSlider->setVisible(shown);
    if (shown) PictureTabsView->setCurrentIndex(0);
}

void PictureStep::RefillPictureList(int select) {
    BusyCursor busy;
    const QScopedValueRollback refilling(refilling_, true);
    PictureList& pictures = session_.Pictures();
    std::vector<fs::path> files;
    for (const std::string& name : pictures.Files()) files.push_back(pictures.FileOf(name));
    const PictureListView::Rebuilt rebuilt = PicturesList->Rebuild(
        files, pictures.Texts().Titles(static_cast<int>(files.size())), *Waiting, icons_, dialogs_);
    if (rebuilt.cancelled) {
        // A list left half made starts the project afresh (a save is offered first).
        emit listCancelled();
        return;
    }
    pictureCount_ = static_cast<int>(files.size());
    if (files.empty()) {
        currentPicture_ = 0;
        return;
    }
    currentPicture_ = select > 0 ? std::min(select, pictureCount_) : pictureCount_;
    PicturesList->MakeCurrent(currentPicture_ - 1);
}

void PictureStep::ShowChosenPicture() {
    const int position = PicturesList->CurrentPosition();
    if (pictureCount_ == 0 || position < 0) return;
    PictureTabsView->show();
    const fs::path file = session_.Pictures().FileOf(PicturesList->FileNameAt(position));
    PictureTabsView->PictureView->Show(file);
    currentPicture_ = position + 1;
    const auto texts = session_.Pictures().Texts().Read(currentPicture_);
    PictureTabsView->ShowTexts(texts ? texts->title : std::string(),
                               FromCommaList(texts ? texts->comment : std::string()));
    textsPicture_ = currentPicture_;
    emit pictureShown();
}

void PictureStep::PictureChosen() {
    StoreTypedTexts();
    ShowChosenPicture();
}

void PictureStep::HighlightMoved() {
    const int position = PicturesList->CurrentPosition();
    if (refilling_ || position < 0 || position + 1 == textsPicture_) return;
    PictureChosen();
}

void PictureStep::PictureClicked() {
    const int position = PicturesList->CurrentPosition();
    if (position >= 0 && position + 1 == textsPicture_ && position + 1 == currentPicture_) {
        // Already shown (the press made it current): only the display comes forward.
        PictureTabsView->show();
        emit pictureShown();
        return;
    }
    PictureChosen();
}

void PictureStep::SaveTypedTexts() {
    if (pictureCount_ == 0) return;
    StoreTexts(false);
}

void PictureStep::StoreTypedTexts() {
    if (pictureCount_ == 0 || textsPicture_ == 0) return;
    StoreTexts(true);
}

void PictureStep::StoreTexts(bool onlyWhenChanged) {
    const int picture = textsPicture_ != 0 ? textsPicture_ : currentPicture_;
    std::string title, comment;
    try {
        title = PictureTabsView->Title();
        comment = ToCommaList(PictureTabsView->CommentLines());
    } catch (const PalimoraError&) {
        dialogs_.ShowMessageOk(session_.LangText(TextId::TextNotStorable));
        return;
    }
    if (onlyWhenChanged) {
        const auto stored = session_.Pictures().Texts().Read(picture);
        const bool same =
            stored ? stored->title == title && stored->comment == comment : title.empty() && comment.empty();
        if (same) return;
    }
    session_.SetProjectModified(true);
    try {
        session_.Pictures().Texts().Write(picture, title, comment);
        PicturesList->ShowTitle(picture - 1, title);
    } catch (const PalimoraError& error) {
        dialogs_.ShowMessageOk(error.UserMessage());
    }
}

void PictureStep::AddPictures() {
    PressedLook pressed(*toolbar_.AddButton);
    const QString filter = QtFileFilter(session_.LangText(TextId::PictureFilter));
    // The dialog comes back after each confirmation, for the next pictures,
    // in the folder of the last ones: each time a new one, so that it stands
    // where the first stood with nothing chosen yet, as large as it was left.
    QSize size;
    while (true) {
        PictureOpenDialog OpenImg(session_.CurrentLanguage(), ToScreen(session_.LangText(TextId::AddPicturesHint)),
                                  filter, PictureTabsView->window());
        if (size.isValid()) OpenImg.resize(size);
        OpenImg.setDirectory(QString::fromStdString(FolderToAddFrom().string()));
        OpenImg.TextsFromPhotos->setChecked(TextsOfAdded() == AddedTexts::FromPhoto);
        const int answer = OpenImg.exec();
        size = OpenImg.size();
        if (answer != QDialog::Accepted) break;
        const AddedTexts texts =
            OpenImg.TextsFromPhotos->isChecked() ? AddedTexts::FromPhoto : AddedTexts::FromFileName;
        try {
            SavePreference(session_.Folder(), Preference::TextsFromPhotos, texts == AddedTexts::FromPhoto ? "1" : "0");
        } catch (const PalimoraError& error) {
            dialogs_.ShowMessageOk(error.UserMessage());  // the pictures are still added as the box says
        }
        const QStringList chosen = OpenImg.selectedFiles();
        if (chosen.isEmpty()) break;
        std::vector<fs::path> files;
        for (const QString& name : chosen) files.emplace_back(name.toStdString());
        AddPictures(files, texts);
    }
    ShowChosenPicture();
}

AddedTexts PictureStep::TextsOfAdded() const {
    return ReadPreference(session_.Folder(), Preference::TextsFromPhotos) == "0" ? AddedTexts::FromFileName
                                                                                 : AddedTexts::FromPhoto;
}

fs::path PictureStep::FolderToAddFrom() const {
    std::error_code error;
    if (!lastPictureFolder_.empty() && fs::is_directory(lastPictureFolder_, error)) return lastPictureFolder_;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QDir(pictures).exists()) return pictures.toStdString();
    return QDir::homePath().toStdString();
}

void PictureStep::AddPictures(const std::vector<fs::path>& chosen, AddedTexts texts) {
    if (chosen.empty()) return;
    StoreTypedTexts();  // the numbers are about to change
    PictureList& pictures = session_.Pictures();
    std::vector<fs::path> sources =
        AddableChoice(chosen, pictures.PicturesFolder(), dialogs_, session_.CurrentLanguage());
    if (sources.empty()) {
        ShowChosenPicture();
        return;
    }
    // Numbered in the order a person reads the names, as the command line numbers them.
    std::sort(sources.begin(), sources.end(), [](const fs::path& a, const fs::path& b) {
        return NaturalNameLess(a.filename().string(), b.filename().string());
    });

    BusyCursor busy;
    session_.SetProjectModified(true);
    PictureTabsView->PictureView->Clear();
    PicturesList->clear();
    lastPictureFolder_ = sources.front().parent_path();
    int shown = 0;  // the last picture, unless one was added
    const std::vector<std::string> before = pictures.Files();
    const int insertBefore = currentPicture_ < static_cast<int>(before.size()) ? currentPicture_ - 1 : -1;
    try {
        const auto added = pictures.Add(
            sources, currentPicture_,
            [this](const fs::path& copy, const fs::path& source) {
                return ConvertAddedPicture(copy, source, dialogs_, session_.CurrentLanguage());
            },
            texts);
        // Only the last added picture is shown: the others would be decoded
        // for a display no one sees (their icons tell unreadable files).
        if (insertBefore >= 0 && !added.empty()) {
            const InsertedPictures inserted{insertBefore, static_cast<int>(added.size())};
            session_.GalleriesFollowPictures(before, pictures.Files(),
                                             PositionsAfterInsertion(static_cast<int>(before.size()), inserted),
                                             inserted, dialogs_);
        }
        if (!added.empty()) {
            PictureTabsView->ShowTexts(added.back().title, FromCommaList(added.back().comment));
            PictureTabsView->PictureView->Show(added.back().file);
            currentPicture_ = textsPicture_ = shown = added.back().number;
        }
        PictureTabsView->show();
    } catch (const PalimoraError& error) {
        dialogs_.ShowMessageOk(error.UserMessage());
    }
    RefillPictureList(shown);
}

void PictureStep::AddDroppedFiles(const std::vector<fs::path>& dropped) {
    std::vector<fs::path> files;
    {
        BusyCursor busy;  // a folder's pictures are found by reading their first bytes
        files = FilesOfDropped(dropped);
    }
    AddPictures(files);
    ShowChosenPicture();
}

void PictureStep::MovePictureTo(int from, int to) {
    StoreTypedTexts();
    MoveAndShow(from + 1, to + 1);
}

void PictureStep::RemoveTickedPictures() {
    const std::vector<int> ticked = PicturesList->TickedPositions();
    if (ticked.empty()) {
        // The button removes the ticked pictures, not the selected one: say so.
        if (pictureCount_ != 0) dialogs_.ShowMessageOk(session_.LangText(TextId::NothingTicked));
        return;
    }
    StoreTypedTexts();
    BusyCursor busy;
    PressedLook pressed(*toolbar_.RemoveButton);
    session_.SetProjectModified(true);
    PictureList& pictures = session_.Pictures();
    try {
        const std::vector<std::string> before = pictures.Files();
        const std::vector<int> deleted = pictures.Delete(ticked);
        session_.GalleriesFollowPictures(
            before, pictures.Files(), PositionsAfterDeletion(static_cast<int>(before.size()), deleted), {}, dialogs_);
    } catch (const PalimoraError& error) {
        dialogs_.ShowMessageOk(error.UserMessage());
    }
    // The picture that takes the place of the first one removed, or the
    // last one when they were at the end.
    RefillPictureList(*std::min_element(ticked.begin(), ticked.end()) + 1);
    ShowChosenPicture();
}

void PictureStep::MovePicture(PictureButton& button, int direction) {
    StoreTypedTexts();
    PressedLook pressed(button);
    if (!MoveAndShow(currentPicture_, currentPicture_ + direction)) dialogs_.Beep();
}

bool PictureStep::MoveAndShow(int from, int to) {
    bool moved = false;
    try {
        moved = pictureCount_ != 0 && session_.Pictures().MoveTo(from, to);
        if (!moved) return false;
    } catch (const fs::filesystem_error& error) {
        // The pictures stay where they were; the list shows them as they are.
        dialogs_.ShowMessageOk(session_.LangText(TextId::PictureNotMoved) + " " + DisplayPath(error.path1()) + ".");
    }
    BusyCursor busy;
    if (moved) session_.SetProjectModified(true);
    // The moved picture stays selected, so that the next press moves it on.
    RefillPictureList(moved ? to : from);
    ShowChosenPicture();
    return true;
}

void PictureStep::MovePictureUp() { MovePicture(*toolbar_.UpButton, -1); }
void PictureStep::MovePictureDown() { MovePicture(*toolbar_.DownButton, +1); }

void PictureStep::OpenPictureElsewhere() {
    const int position = PicturesList->CurrentPosition();
    if (pictureCount_ == 0 || position < 0) return;
    const fs::path file = session_.Pictures().FileOf(PicturesList->FileNameAt(position));
    OpenWithDefaultProgram(file);
}

}  // namespace palimora
