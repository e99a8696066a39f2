#include "app/ui/MainWindow.h"

#include "app/HelpPages.h"
#include "app/ProjectCommands.h"
#include "app/WindowPlacement.h"
#include "lang/ui/CommandGuard.h"
#include "app/ui/PageDesignStep.h"
#include "app/ui/PictureButton.h"
#include "app/ui/PressedLook.h"
#include "app/ui/PictureStep.h"
#include "app/ui/ProjectWindows.h"
#include "app/ui/Toolbar.h"
#include "common/Error.h"
#include "common/ui/BusyCursor.h"
#include "common/ui/ClickableLabel.h"
#include "common/ui/Colours.h"
#include "common/ui/OpenFile.h"
#include "common/ui/ScreenText.h"
#include "lang/LanguageChoice.h"
#include "lang/TextId.h"
#include "lang/ui/IntroWindow.h"
#include "lang/ui/LanguageWindow.h"
#include "lang/ui/QtUserDialogs.h"
#include "styles/ui/StyleNotebooks.h"
#include "styles/ui/WebBrowser.h"
#include "project/ui/PictureDisplay.h"
#include "project/ui/PictureListView.h"
#include "project/ui/PictureTabs.h"
#include "project/ui/PictureTabs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QDesktopServices>
#include <QUrl>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

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

TForm1::TForm1(ProgramFolder folder, Options options) : session_(std::move(folder)) {
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

TForm1::~TForm1() = default;

void TForm1::FormCreate(bool showIntro) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientSize);
    PaintBackground(this, kWindowColour);

    if (showIntro) {
        Tformintro intro(session_.Folder().LogoGif());
        intro.exec();
    }
    // A working folder that cannot be made is told; the program goes on.
    CommandGuard(*dialogs_, session_.CurrentLanguage()).Run([this] { session_.Start(); });

    ImageBarre = new QLabel(this);
    ImageBarre->setGeometry(0, 0, 792, 553);
    ImageBarre->setPixmap(QPixmap(QString::fromStdString(session_.Folder().Interface("fond.jpg").string())));

    LabNom = new QLabel(this);
    LabNom->setGeometry(70, 16, 171, 65);
    LabNom->setWordWrap(true);
    LabNom->setAlignment(Qt::AlignCenter);
    LabNom->setFont(LabelFont(17));
    PaintText(LabNom, kLabelColour);

    LabelEtape = new QLabel(this);
    LabelEtape->setGeometry(279, 16, 257, 57);
    LabelEtape->setAlignment(Qt::AlignCenter);
    LabelEtape->setFont(LabelFont(kStepLabelPixelSize));
    PaintText(LabelEtape, kLabelColour);

    // The logo drawn on the background, in two clickable parts: the mark and the name.
    Imagelogo = new ClickableLabel(this);
    Imagelogo->setGeometry(556, 13, 68, 70);
    Image2 = new ClickableLabel(this);
    Image2->setGeometry(624, 22, 158, 52);
    for (ClickableLabel* logo : {Imagelogo, Image2}) {
        logo->setCursor(Qt::PointingHandCursor);
        connect(logo, &ClickableLabel::clicked, this, [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebAddress))); });
    }

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm1::BlinkStepLabel);

    toolbar_ = std::make_unique<Toolbar>(session_.Folder(), this);
    pictureStep_ = new PictureStep(session_, *dialogs_, *toolbar_, this);
    pageDesign_ = new PageDesignStep(session_, *dialogs_, this);
    toolbar_->GiveStartLooks();
    ConnectCommands();

    ApplyLanguage();
    if (!session_.LanguageProblem().empty()) dialogs_->ShowMessageOk(session_.LanguageProblem());
    ShowStartWarnings();
    firstActivation_ = true;
}

void TForm1::ConnectCommands() {
    const CommandGuard guard(*dialogs_, session_.CurrentLanguage());
    Toolbar& tools = *toolbar_;
    PictureStep& pictures = *pictureStep_;
    guard.Connect(tools.BoutQui, &PictureButton::clicked, this, [this] { BoutQuiClick(); });
    guard.Connect(tools.BoutNou, &PictureButton::clicked, this, [this] { BoutNouClick(); });
    guard.Connect(tools.BoutOuv, &PictureButton::clicked, this, [this] { BoutOuvClick(); });
    guard.Connect(tools.BoutEnr, &PictureButton::clicked, this, [this] { BoutEnrClick(); });
    guard.Connect(tools.BoutPro, &PictureButton::clicked, this, [this] { BoutProClick(); });
    guard.Connect(tools.BoutDif, &PictureButton::clicked, this, [this] { BoutDifClick(); });
    guard.Connect(tools.BoutAid, &PictureButton::clicked, this, [this] { BoutAidClick(); });
    guard.Connect(tools.BoutImg2, &PictureButton::clicked, this, [this] { ShowPictureList(); });
    guard.Connect(tools.BoutVid, &PictureButton::clicked, this, [this] { BoutVidClick(); });
    guard.Connect(tools.BoutS, &PictureButton::clicked, this, [this] { BoutSClick(); });
    guard.Connect(tools.BoutG, &PictureButton::clicked, this, [this] { BoutGClick(); });
    guard.Connect(tools.BoutI, &PictureButton::clicked, this, [this] { BoutIClick(); });
    guard.Connect(tools.BoutLoupe, &PictureButton::clicked, this, [this] { BoutLoupeClick(); });
    connect(pageDesign_, &PageDesignStep::pageKindChosen, this, [this](PageKind kind, bool panelOnly) {
        CommandGuard(*dialogs_, session_.CurrentLanguage()).Run([&] { ChoosePageKind(kind, panelOnly); });
    });
    guard.Connect(tools.BoutImg, &PictureButton::clicked, this, [&pictures] { pictures.BoutImgClick(); });
    guard.Connect(tools.BoutSup, &PictureButton::clicked, this, [&pictures] { pictures.BoutSupClick(); });
    guard.Connect(tools.BoutMon, &PictureButton::clicked, this, [&pictures] { pictures.BoutMonClick(); });
    guard.Connect(tools.BoutDes, &PictureButton::clicked, this, [&pictures] { pictures.BoutDesClick(); });
    guard.Connect(pictures.ListView1, &QListWidget::itemClicked, this, [&pictures] { pictures.PictureChosen(); });
    guard.Connect(pictures.TabbedImg->BitTextOk, &QPushButton::clicked, this, [&pictures] { pictures.BitTextOkClick(); });
    guard.Connect(pictures.TabbedImg->PictureView, &PictureDisplay::pictureClicked, this, [&pictures] { pictures.OpenPictureElsewhere(); });
    guard.Connect(&pictures, &PictureStep::listCancelled, this, [this] { BoutNouClick(); });
    connect(pageDesign_, &PageDesignStep::modified, this, [this] { session_.SetProjectModified(true); });
    // In step 1 the browser gives the picture list its place back.
    connect(&pictures, &PictureStep::pictureShown, this, [this] {
        if (step_.IsPictureList()) pageDesign_->SetBrowserShown(false);
    });

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    guard.Connect(help, &QShortcut::activated, this, [this] { BoutAidClick(); });
}

void TForm1::ShowStartWarnings() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    if (screen->availableGeometry().width() < kNarrowestScreen) {
        dialogs_->ShowMessageOk(session_.LangText(TextId::NarrowScreen));
    }
}

void TForm1::ApplyLanguage() {
    qtOwnTexts_.Follow(session_.CurrentLanguage().Code());
    setWindowTitle(ToScreen(session_.LangText(TextId::ProgramTitle)));
    for (ClickableLabel* logo : {Imagelogo, Image2}) logo->setToolTip(ToScreen(session_.LangText(TextId::MainWindowTitle)));
    pageDesign_->WebBrowser1->setToolTip(ToScreen(session_.LangText(TextId::PreviewWidthHint)));
    LabNom->setText(ToScreen(session_.ProjectName()));
    ShowStepLabel(step_.LabelText());
    toolbar_->ApplyLanguage(session_.CurrentLanguage());
    pictureStep_->TabbedImg->ApplyLanguage();
    pageDesign_->Notebooks->ApplyLanguage();
}

bool TForm1::event(QEvent* event) {
    // The embedded browser makes the window replace its native window once it
    // is up, which would bury a question already shown; bring it back on top.
    if (event->type() == QEvent::WinIdChange) {
        if (QWidget* modal = QApplication::activeModalWidget()) QTimer::singleShot(0, modal, &QWidget::raise);
    }
    return QWidget::event(event);
}

void TForm1::showEvent(QShowEvent* event) {
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

bool TForm1::FormActivate() {
    if (!firstActivation_) return true;
    firstActivation_ = false;
    pictureStep_->RefillPictureList();
    BusyCursor busy;  // until the window is placed, the language window included
    pictureStep_->TabbedImg->setCurrentIndex(0);
    const bool firstStart = IsFirstStart(session_.Folder());
    if (firstStart && !AskLanguage()) return false;

    pageDesign_->ShowPage(WelcomePage(session_.Folder(), session_.LanguageCode()));

    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && screen->depth() <= 8) dialogs_->ShowMessageOk(session_.LangText(TextId::FewColours));
    PlaceOnScreen();
    Timer1->start();
    return true;
}

bool TForm1::AskLanguage() {
    TFormLang window(
        [this](std::string_view choice) {
            CommandGuard(*dialogs_, session_.CurrentLanguage()).Run([&] { session_.ChooseLanguage(choice); });
        },
        this);
    if (window.exec() != kModalYes) return false;
    ApplyLanguage();
    return true;
}

void TForm1::PlaceOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const auto placement = PlacementForScreenWidth(screen->availableGeometry().width());
    if (!placement) return;
    if (placement->resizeTo800x553) setFixedSize(800, 553);
    move(placement->left, placement->top);
}

void TForm1::BlinkStepLabel() {
    const bool shownInLabelColour = LabelEtape->palette().color(QPalette::WindowText) == kLabelColour;
    PaintText(LabelEtape, shownInLabelColour ? kBlinkColour : kLabelColour);
}

void TForm1::BoutQuiClick() {
    AppuieBouton(*toolbar_->BoutQui);
    if (!close()) AppuieBouton(*toolbar_->BoutQui);
}

void TForm1::BoutAidClick() {
    PressedLook pressed(*toolbar_->BoutAid);
    const auto page = HelpPageFor(session_.Folder(), session_.LanguageCode(), step_.HelpPanel());
    if (page) openFile_(*page);
}

void TForm1::closeEvent(QCloseEvent* event) {
    bool mayClose = endWithoutQuestions_;
    if (!mayClose) {
        CommandGuard(*dialogs_, session_.CurrentLanguage()).Run([&] {
            pictureStep_->StoreTypedTexts();
            mayClose = session_.ConfirmClose(*dialogs_, [this] { BoutEnrClick(); });
        });
    }
    if (!mayClose) {
        event->ignore();
        return;
    }
    Timer1->stop();
    CommandGuard(*dialogs_, session_.CurrentLanguage()).Run([this] { session_.FinishClose(); });
    event->accept();
}

void TForm1::ShowStep() {
    toolbar_->ShowStep(step_);
    pictureStep_->SetShown(step_.IsPictureList());
    pageDesign_->Show(step_);
    ShowStepLabel(step_.LabelText());
}

void TForm1::ShowStepLabel(TextId text) {
    // The longer step texts ("Étape n°2 : sommaire") take a smaller font rather than lose letters.
    const QString caption = ToScreen(session_.LangText(text));
    int pixelSize = kStepLabelPixelSize;
    while (pixelSize > kSmallestStepLabelPixelSize &&
           QFontMetrics(LabelFont(pixelSize)).horizontalAdvance(caption) > LabelEtape->width() - 8) {
        --pixelSize;
    }
    LabelEtape->setFont(LabelFont(pixelSize));
    LabelEtape->setText(caption);
}

}  // namespace palimora
