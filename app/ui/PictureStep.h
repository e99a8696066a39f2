#pragma once

#include "imaging/Icons.h"
#include "project/AddedPictureTexts.h"

#include <QIcon>
#include <QObject>
#include <QSize>

#include <filesystem>
#include <vector>

class QSlider;
class QWidget;

namespace palimora {

class PictureButton;
class PictureListView;
class PictureTabs;
class Session;
class WaitWindow;
class Toolbar;
class UserDialogs;

// Step 1 of the main window: the picture list with its icons, the large
// display with the title and comment, and the commands that add, delete
// and move pictures. It keeps which picture is current.
class PictureStep : public QObject {
    Q_OBJECT
public:
    PictureStep(Session& session, UserDialogs& dialogs, Toolbar& toolbar, QWidget* window);
    ~PictureStep() override;

    PictureTabs* PictureTabsView = nullptr;
    PictureListView* PicturesList = nullptr;
    // Under the list: its icons at 50, 100 or 150 pixels.
    QSlider* IconSizeSlider = nullptr;
    WaitWindow* Waiting = nullptr;  // Form2, the wait window: made once and shown without blocking

    // How many pictures are listed, and which one is current (1-based, 0 for none).
    int PictureCount() const { return pictureCount_; }
    int CurrentPicture() const { return currentPicture_; }
    // A project was opened or started: no picture current, the display empty.
    void ShowNewProject();
    // A picture's icon as the list last made it (the list's picture of the
    // same name and size, for one of the saved project's); none for a picture
    // it has not shown.
    QIcon IconOf(const std::filesystem::path& picture) const;
    // The picture list made larger by `extra`, as the window is.
    void Stretch(QSize extra);
    // The picture list and the large display shown (step 1) or hidden.
    void SetShown(bool shown);

    // The commands.
    // Lists the project's pictures again and selects picture `select`
    // (1-based; 0 or past the end: the last one).
    void RefillPictureList(int select = 0);
    void ShowChosenPicture();
    // The user picked another picture: the texts typed for the one shown are
    // kept first.
    void PictureChosen();
    // The highlight moved, by the mouse, the keys or type-ahead: the
    // highlighted picture becomes the one shown, edited, moved and deleted.
    void HighlightMoved();
    // A click on the list: the picture under it is shown, the shown one again.
    void PictureClicked();
    void SaveTypedTexts();
    // Stores the title and comment typed for the picture shown when they
    // differ from its stored ones, as OK would; before the selection, the
    // numbers or the step change, and before a save or the end.
    void StoreTypedTexts();
    void AddPictures();
    // Adds the chosen files as the add dialog's confirmation does, their
    // texts from the photos as its box was last left.
    void AddPictures(const std::vector<std::filesystem::path>& chosen) { AddPictures(chosen, TextsOfAdded()); }
    void AddPictures(const std::vector<std::filesystem::path>& chosen, AddedTexts texts);
    // Files and folders dropped on the list (FilesOfDropped), added as the
    // add dialog adds what it is given.
    void AddDroppedFiles(const std::vector<std::filesystem::path>& dropped);
    // The picture at list position `from` dragged to position `to`.
    void MovePictureTo(int from, int to);
    void RemoveTickedPictures();
    void MovePictureUp();
    void MovePictureDown();
    void OpenPictureElsewhere();
    // Puts the pictures of the selected picture's gallery (of every gallery
    // when `everyGallery`) in the order they were taken, and says how many moved.
    void SortByDateTaken(bool everyGallery);

signals:
    // The user cancelled the rebuild of the list: the project starts afresh.
    void listCancelled();
    // A picture is shown in the large display.
    void pictureShown();

private:
    void MakeIconSizeSlider(QWidget* window);
    void MovePicture(PictureButton& button, int direction);
    // The list's menu: its sorting commands.
    void ShowListMenu(const QPoint& at);
    // Moves picture number `from` to number `to` and shows the list with it
    // selected there; false when there is no such place.
    bool MoveAndShow(int from, int to);
    // Where the add dialog opens: the folder of the last pictures added, else
    // the user's pictures folder, else the home folder.
    std::filesystem::path FolderToAddFrom() const;
    // Whether added pictures take their texts from the photos, as the add
    // dialog's box was last left.
    AddedTexts TextsOfAdded() const;
    void StoreTexts(bool onlyWhenChanged);

    Session& session_;
    UserDialogs& dialogs_;
    Toolbar& toolbar_;
    IconCache icons_;
    int pictureCount_ = 0;
    int currentPicture_ = 0;
    int textsPicture_ = 0;                     // the picture whose texts the fields show (0: none)
    bool refilling_ = false;                   // the list is being made again: its highlight moves are ours
    std::filesystem::path lastPictureFolder_;  // where the last pictures were added from; empty at first
};

}  // namespace palimora
