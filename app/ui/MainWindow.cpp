#include "app/ui/MainWindow.h"

#include "app/HelpPages.h"
#include "app/ProjectCommands.h"
#include "app/WindowPlacement.h"
#include "app/ui/PageDesignStep.h"
#include "app/ui/PictureButton.h"
#include "app/ui/PictureStep.h"
#include "app/ui/PressedLook.h"
#include "app/ui/ProjectWindows.h"
#include "app/ui/StretchedBackground.h"
#include "app/ui/Toolbar.h"
#include "app/ui/WebBrowser.h"
#include "common/Error.h"
#include "common/ProgramPreferences.h"
#include "common/ui/AccessibleNames.h"
#include "common/ui/BusyCursor.h"
#include "common/ui/ClickableLabel.h"
#include "common/ui/Colours.h"
#include "common/ui/DesignedNames.h"
#include "common/ui/OpenFile.h"
#include "common/ui/ScreenText.h"
#include "common/ui/SharpPixmap.h"
#include "lang/LanguageChoice.h"
#include "lang/TextId.h"
#include "lang/ui/CommandGuard.h"
#include "lang/ui/IntroWindow.h"
#include "lang/ui/LanguageWindow.h"
#include "lang/ui/QtUserDialogs.h"
#include "project/ui/PictureDisplay.h"
#include "project/ui/PictureListView.h"
#include "project/ui/PictureTabs.h"
#include "styles/ui/StyleNotebooks.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QSlider>
#include <QTimer>
#include <QUrl>

namespace palimora {
namespace fs = std::filesystem;
namespace {

constexpr QSize kClientSize(792, 570);
constexpr int kStepLabelPixelSize = 26, kSmallestStepLabelPixelSize = 14;
const QColor kBlinkColour(255, 0, 0);
constexpr const char* kWebAddress = "https://palimora.org/";

QFont LabelFont(int pixelSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

}  // namespace

MainWindow::MainWindow(ProgramFolder folder, Options options) : session_(std::move(folder)) {
    setObjectName(QStringLiteral("TForm1"));  // its designed name
    if (options.dialogs) {
        dialogs_ = options.dialogs;
    } else {
        ownDialogs_ = std::make_unique<QtUserDialogs>(session_.CurrentLanguage());
        dialogs_ = ownDialogs_.get();
    }
    if (options.projectWindows) {
        projectWindows_ = options.projectWindows;
    } else {
        ownProjectWindows_ = std::make_unique<QtProjectWindows>(session_, *dialogs_, this);
        projectWindows_ = ownProjectWindows_.get();
    }
    openFile_ = options.openFile ? options.openFile : [](const fs::path& file) { OpenWithDefaultProgram(file); };
    openAddress_ = options.openAddress ? options.openAddress : [](const std::string& address) {
        QDesktopServices::openUrl(QUrl(ToScreen(address)));
    };
    FormCreate(options.showIntro);
}

MainWindow::~MainWindow() = default;

void MainWindow::FormCreate(bool showIntro) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientSize);
    PaintBackground(this, kWindowColour);
    qApp->installEventFilter(new ScrollBarNames(this));

    if (showIntro) {
        IntroWindow intro(session_.Folder().LogoGif());
        intro.exec();
    }
    // A working folder that cannot be made is told; the program goes on.
    CommandGuard(*dialogs_, session_.CurrentLanguage()).Run([this] { session_.Start(); });

    Background = new QLabel(this);
    Background->setGeometry(0, 0, 792, 553);
    designedBackground_ = SharpPixmap(session_.Folder().Interface("fond.jpg"), devicePixelRatioF());
    Background->setPixmap(designedBackground_);

    ProjectNameLabel = new QLabel(this);
    ProjectNameLabel->setGeometry(70, 16, 171, 65);
    ProjectNameLabel->setWordWrap(true);
    ProjectNameLabel->setAlignment(Qt::AlignCenter);
    ProjectNameLabel->setFont(LabelFont(17));
    PaintText(ProjectNameLabel, kLabelColour);

    StepLabel = new QLabel(this);
    StepLabel->setGeometry(279, 16, 257, 57);
    StepLabel->setAlignment(Qt::AlignCenter);
    StepLabel->setFont(LabelFont(kStepLabelPixelSize));
    PaintText(StepLabel, kLabelColour);

    // The logo drawn on the background, in two clickable parts: the mark and the name.
    LogoMark = new ClickableLabel(this);
    LogoMark->setGeometry(556, 13, 68, 70);
    LogoName = new ClickableLabel(this);
    LogoName->setGeometry(624, 22, 158, 52);
    for (ClickableLabel* logo : {LogoMark, LogoName}) {
        logo->setCursor(Qt::PointingHandCursor);
        connect(logo, &ClickableLabel::clicked, this,
                [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebAddress))); });
    }

    GiveDesignedNames({{Background, "ImageBarre"},
                       {ProjectNameLabel, "LabNom"},
                       {StepLabel, "LabelEtape"},
                       {LogoMark, "Imagelogo"},
                       {LogoName, "Image2"}});
    BlinkTimer = new QTimer(this);
    BlinkTimer->setObjectName(QStringLiteral("Timer1"));
    BlinkTimer->setInterval(1000);
    connect(BlinkTimer, &QTimer::timeout, this, &MainWindow::BlinkStepLabel);

    toolbar_ = std::make_unique<Toolbar>(session_.Folder(), this);
    pictureStep_ = new PictureStep(session_, *dialogs_, *toolbar_, this);
    pageDesign_ = new PageDesignStep(session_, *dialogs_, this);
    pageDesign_->Notebooks->SetPictureIcons([this](const fs::path& picture) { return pictureStep_->IconOf(picture); });
    toolbar_->GiveStartLooks();
    ConnectCommands();

    ApplyLanguage();
    if (!session_.LanguageProblem().empty()) dialogs_->ShowMessageOk(session_.LanguageProblem());
    ShowStartWarnings();
    firstActivation_ = true;
}

void MainWindow::ConnectCommands() {
    const CommandGuard guard(*dialogs_, session_.CurrentLanguage());
    Toolbar& tools = *toolbar_;
    PictureStep& pictures = *pictureStep_;
    guard.Connect(tools.QuitButton, &PictureButton::clicked, this, [this] { Quit(); });
    guard.Connect(tools.NewButton, &PictureButton::clicked, this, [this] { StartNewProject(); });
    guard.Connect(tools.OpenButton, &PictureButton::clicked, this, [this] { OpenSavedProject(); });
    guard.Connect(tools.SaveButton, &PictureButton::clicked, this, [this] { SaveCurrentProject(); });
    guard.Connect(tools.ResultButton, &PictureButton::clicked, this, [this] { ShowResult(); });
    guard.Connect(tools.PublishButton, &PictureButton::clicked, this, [this] { PublishOnline(); });
    guard.Connect(tools.HelpButton, &PictureButton::clicked, this, [this] { ShowHelp(); });
    guard.Connect(tools.PicturesStepButton, &PictureButton::clicked, this, [this] { ShowPictureList(); });
    guard.Connect(tools.DesignStepButton, &PictureButton::clicked, this, [this] { ShowPageDesign(); });
    guard.Connect(tools.SummaryButton, &PictureButton::clicked, this, [this] { ShowSummaryDesign(); });
    guard.Connect(tools.GalleryButton, &PictureButton::clicked, this, [this] { ShowGalleryDesign(); });
    guard.Connect(tools.PicturePageButton, &PictureButton::clicked, this, [this] { ShowPictureDesign(); });
    guard.Connect(tools.RefreshButton, &PictureButton::clicked, this, [this] { RefreshShownSample(); });
    connect(pageDesign_, &PageDesignStep::pageKindChosen, this, [this](PageKind kind, bool panelOnly) {
        CommandGuard(*dialogs_, session_.CurrentLanguage()).Run([&] { ChoosePageKind(kind, panelOnly); });
    });
    guard.Connect(tools.AddButton, &PictureButton::clicked, this, [&pictures] { pictures.AddPictures(); });
    guard.Connect(tools.RemoveButton, &PictureButton::clicked, this, [&pictures] { pictures.RemoveTickedPictures(); });
    guard.Connect(tools.UpButton, &PictureButton::clicked, this, [&pictures] { pictures.MovePictureUp(); });
    guard.Connect(tools.DownButton, &PictureButton::clicked, this, [&pictures] { pictures.MovePictureDown(); });
    guard.Connect(pictures.PicturesList, &QListWidget::itemClicked, this, [&pictures] { pictures.PictureClicked(); });
    guard.Connect(pictures.PicturesList, &QListWidget::currentRowChanged, this,
                  [&pictures] { pictures.HighlightMoved(); });
    connect(pictures.PicturesList, &PictureListView::filesDropped, this, [this](const std::vector<fs::path>& dropped) {
        CommandGuard(*dialogs_, session_.CurrentLanguage()).Run([&] { pictureStep_->AddDroppedFiles(dropped); });
    });
    connect(pageDesign_->PreviewBrowser, &WebBrowser::filesDropped, this, [this](const std::vector<fs::path>& dropped) {
        CommandGuard(*dialogs_, session_.CurrentLanguage()).Run([&] {
            if (!step_.IsPictureList()) ShowPictureList();
            pageDesign_->SetBrowserShown(false);
            pictureStep_->AddDroppedFiles(dropped);
        });
    });
    connect(pictures.PicturesList, &PictureListView::pictureDragged, this, [this](int from, int to) {
        CommandGuard(*dialogs_, session_.CurrentLanguage()).Run([&] { pictureStep_->MovePictureTo(from, to); });
    });
    guard.Connect(pictures.PictureTabsView->SaveTextsButton, &QPushButton::clicked, this,
                  [&pictures] { pictures.SaveTypedTexts(); });
    guard.Connect(pictures.PictureTabsView->PictureView, &PictureDisplay::pictureClicked, this,
                  [&pictures] { pictures.OpenPictureElsewhere(); });
    guard.Connect(&pictures, &PictureStep::listCancelled, this, [this] { StartNewProject(); });
    connect(pageDesign_, &PageDesignStep::modified, this, [this] { session_.SetProjectModified(true); });
    // In step 1 the browser gives the picture list its place back.
    connect(&pictures, &PictureStep::pictureShown, this, [this] {
        if (step_.IsPictureList()) pageDesign_->SetBrowserShown(false);
    });

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    auto* publishElsewhere = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+P")), this);
    guard.Connect(publishElsewhere, &QShortcut::activated, this,
                  [this] { PublishOnline(ServerChoice::SettingsWindow); });
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    guard.Connect(help, &QShortcut::activated, this, [this] { ShowHelp(); });
}

void MainWindow::ShowStartWarnings() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    if (screen->availableGeometry().width() < kNarrowestScreen) {
        dialogs_->ShowMessageOk(session_.LangText(TextId::NarrowScreen));
    }
}

void MainWindow::ApplyLanguage() {
    qtOwnTexts_.Follow(session_.LangText(TextId::LanguageTag));
    setWindowTitle(ToScreen(session_.LangText(TextId::ProgramTitle)));
    for (ClickableLabel* logo : {LogoMark, LogoName})
        logo->setToolTip(ToScreen(session_.LangText(TextId::MainWindowTitle)));
    pageDesign_->PreviewBrowser->setToolTip(ToScreen(session_.LangText(TextId::PreviewWidthHint)));
    ProjectNameLabel->setText(ToScreen(session_.ProjectName()));
    ShowStepLabel(step_.LabelText());
    toolbar_->ApplyLanguage(session_.CurrentLanguage());
    pictureStep_->PictureTabsView->ApplyLanguage();
    pictureStep_->PicturesList->SetEmptyHint(ToScreen(session_.LangText(TextId::DropPhotosHere)));
    pictureStep_->PicturesList->setAccessibleName(ToScreen(session_.LangText(TextId::PicturesStepHint)));
    pictureStep_->IconSizeSlider->setAccessibleName(ToScreen(session_.LangText(TextId::IconSizeWord)));
    pictureStep_->IconSizeSlider->setToolTip(pictureStep_->IconSizeSlider->accessibleName());
    pageDesign_->Notebooks->ApplyLanguage();
    NamePictureButtonsByTips(this);
}

bool MainWindow::event(QEvent* event) {
    // The embedded browser makes the window replace its native window once it
    // is up, which would bury a question already shown; bring it back on top.
    if (event->type() == QEvent::WinIdChange) {
        if (QWidget* modal = QApplication::activeModalWidget()) QTimer::singleShot(0, modal, &QWidget::raise);
    }
    return QWidget::event(event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (firstActivation_) {
        QTimer::singleShot(0, this, [this] {
            if (FormActivate()) return;
            // Without a language the program ends at once: nothing to ask, nothing to save.
            endWithoutQuestions_ = true;
            close();
            emit languageRefused();
        });
    }
}

bool MainWindow::FormActivate() {
    if (!firstActivation_) return true;
    firstActivation_ = false;
    pictureStep_->RefillPictureList();
    BusyCursor busy;  // until the window is placed, the language window included
    pictureStep_->PictureTabsView->setCurrentIndex(0);
    const bool firstStart = IsFirstStart(session_.Folder());
    if (firstStart && !AskLanguage()) return false;

    pageDesign_->ShowPage(WelcomePage(session_.Folder(), session_.LanguageCode()));

    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && screen->depth() <= 8) dialogs_->ShowMessageOk(session_.LangText(TextId::FewColours));
    PlaceOnScreen();
    BlinkTimer->start();
    return true;
}

bool MainWindow::AskLanguage() {
    std::vector<std::string> names;
    std::size_t offered = 0;
    const std::string localeCode = LocaleLanguageCode(session_.Folder());  // English when the locale names none
    for (const AvailableLanguage& language : AvailableLanguages(session_.Folder())) {
        if (language.code == localeCode) offered = names.size();
        names.push_back(language.name);
    }
    LanguageWindow window(
        names, offered,
        [this](std::string_view choice) {
            CommandGuard(*dialogs_, session_.CurrentLanguage()).Run([&] { session_.ChooseLanguage(choice); });
        },
        this);
    if (window.exec() != kModalYes) return false;
    ApplyLanguage();
    return true;
}

void MainWindow::PlaceOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect usable = screen->availableGeometry();
    auto placement = PlacementForScreen(usable.width(), usable.height());
    if (!placement) return;
    if (placement->resizable) {
        if (const auto remembered = WindowSizeOfLine(ReadPreference(session_.Folder(), Preference::WindowSize)))
            placement = PlacementOfRememberedSize(*remembered, usable.width(), usable.height());
        setMinimumSize(kDesignedWidth, kDesignedHeight);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resizable_ = true;
        resize(placement->size.width, placement->size.height);
        LayOutForSize(size());
    }
    move(placement->left, placement->top);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (resizable_) LayOutForSize(event->size());
}

void MainWindow::LayOutForSize(QSize size) {
    const QSize designed(kDesignedWidth, kDesignedHeight);
    const QSize extra = size.expandedTo(designed) - designed;
    const QPixmap background = StretchedBackground(designedBackground_, extra);
    Background->setGeometry(QRect(QPoint(0, 0), background.deviceIndependentSize().toSize()));
    Background->setPixmap(background);
    LogoMark->move(556 + extra.width(), 13);
    LogoName->move(624 + extra.width(), 22);
    toolbar_->MoveBy(ToolbarOffset(extra));
    pictureStep_->Stretch(extra);
    pageDesign_->Stretch(extra);
}

void MainWindow::BlinkStepLabel() {
    const bool shownInLabelColour = StepLabel->palette().color(QPalette::WindowText) == kLabelColour;
    PaintText(StepLabel, shownInLabelColour ? kBlinkColour : kLabelColour);
}

void MainWindow::Quit() {
    ToggleLook(*toolbar_->QuitButton);
    if (!close()) ToggleLook(*toolbar_->QuitButton);
}

void MainWindow::ShowHelp() {
    PressedLook pressed(*toolbar_->HelpButton);
    const auto page = HelpPageFor(session_.Folder(), session_.LanguageCode(), step_.HelpPanel());
    if (page) openFile_(*page);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    bool mayClose = endWithoutQuestions_;
    if (!mayClose) {
        CommandGuard(*dialogs_, session_.CurrentLanguage()).Run([&] {
            pictureStep_->StoreTypedTexts();
            mayClose = session_.ConfirmClose(*dialogs_, [this] { SaveCurrentProject(); });
        });
    }
    if (!mayClose) {
        event->ignore();
        return;
    }
    BlinkTimer->stop();
    if (resizable_) {
        try {
            SavePreference(session_.Folder(), Preference::WindowSize, WindowSizeLine({width(), height()}));
        } catch (const PalimoraError&) {
            // the window opens at its designed size next time: nothing to tell
        }
    }
    CommandGuard(*dialogs_, session_.CurrentLanguage()).Run([this] { session_.FinishClose(); });
    event->accept();
}

void MainWindow::ShowStep() {
    toolbar_->ShowStep(step_);
    pictureStep_->SetShown(step_.IsPictureList());
    pageDesign_->Show(step_);
    ShowStepLabel(step_.LabelText());
}

void MainWindow::ShowStepLabel(TextId text) {
    // The longer step texts ("Étape n°2 : sommaire") take a smaller font rather than lose letters.
    const QString caption = ToScreen(session_.LangText(text));
    int pixelSize = kStepLabelPixelSize;
    while (pixelSize > kSmallestStepLabelPixelSize &&
           QFontMetrics(LabelFont(pixelSize)).horizontalAdvance(caption) > StepLabel->width() - 8) {
        --pixelSize;
    }
    StepLabel->setFont(LabelFont(pixelSize));
    StepLabel->setText(caption);
}

}  // namespace palimora
