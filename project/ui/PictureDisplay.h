#pragma once

#include <QWidget>

#include <filesystem>

class QMovie;

namespace palimora {

class ClickableLabel;
class Language;
class UserDialogs;

// The large display of the picture step (designed as Panel1). Still pictures go to
// StillView (Image1), GIF pictures to the animated MovieView (GIFImage1, played once); either is
// fitted into the panel and centred. Damaged and missing files are told to
// the user and show nothing new.
class PictureDisplay : public QWidget {
    Q_OBJECT
public:
    PictureDisplay(UserDialogs& dialogs, const Language& language, QWidget* parent);

    ClickableLabel* StillView = nullptr;
    ClickableLabel* MovieView = nullptr;

    // Natural size and frame count of the picture last read.
    int PictureWidth = 0;
    int PictureHeight = 0;
    int PictureFrames = 1;

    bool ShowPictureInPanel(const std::filesystem::path& file);
    bool ShowGifInPanel(const std::filesystem::path& file);
    // GIF pictures in the animated control, the others in the still one.
    bool Show(const std::filesystem::path& file);
    void Clear();

signals:
    // A click on the picture shown.
    void pictureClicked();

protected:
    // The picture shown stays fitted and centred in the panel's new size.
    void resizeEvent(QResizeEvent* event) override;

private:
    bool ReportMissing(const std::filesystem::path& file);
    void Place(QWidget* control);

    UserDialogs& dialogs_;
    const Language& language_;
    QMovie* movie_ = nullptr;
};

}  // namespace palimora
