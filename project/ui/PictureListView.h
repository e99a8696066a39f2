#pragma once

#include <QListWidget>

#include <filesystem>
#include <vector>

namespace palimora {

class IconCache;
class KeepAlive;
class WaitWindow;
class UserDialogs;

// ListView1: one item per picture, its title under its 50 x 50 icon, with a
// check box that marks it for deletion. Files and folders dropped on it, and
// a picture dragged to another place in it, are told by signals: the list
// itself changes only when it is rebuilt.
class PictureListView : public QListWidget {
    Q_OBJECT
public:
    explicit PictureListView(QWidget* parent);

    struct Rebuilt {
        bool cancelled = false;
        int unreadable = 0;  // pictures shown with an empty icon
    };

    // Lists the files with their icons, made on every core and taken from
    // `cache` when the file has not changed, each with its title under it
    // (`titles`, Windows-1252, in the files' order; the file's number for
    // a picture without one). The wait window shows the progress; its
    // Cancel stops before the next picture. A picture without an icon
    // beeps through `dialogs`.
    Rebuilt Rebuild(const std::vector<std::filesystem::path>& files, const std::vector<std::string>& titles,
                    WaitWindow& wait, IconCache& cache, UserDialogs& dialogs);

    // The file name of the picture at `position`.
    std::string FileNameAt(int position) const;
    // Shows a new title (Windows-1252) under the picture at `position`.
    void ShowTitle(int position, const std::string& title);

    std::vector<int> TickedPositions() const;
    // The current item's position, or -1.
    int CurrentPosition() const;
    void MakeCurrent(int position);
    // The icons' side in pixels (50 as designed); the next Rebuild makes them so.
    void SetIconSide(int side);
    int IconSide() const { return iconSide_; }
    // What an empty list shows in its middle.
    void SetEmptyHint(const QString& hint);

signals:
    // Local files or folders dropped from elsewhere, in the order given.
    void filesDropped(const std::vector<std::filesystem::path>& dropped);
    // The picture at `from` dragged onto the one at `to` (the last when
    // dropped past the pictures), which place it is to take.
    void pictureDragged(int from, int to);

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QString emptyHint_;
    int iconSide_ = 0;  // set by the constructor
    bool IsOwnDrag(const QDropEvent* event) const;
};

}  // namespace palimora
