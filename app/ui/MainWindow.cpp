#include "app/ui/MainWindow.h"

#include "app/HelpPages.h"
#include "app/ProjectCommands.h"
#include "app/ui/ProjectWindows.h"
#include "app/WindowPlacement.h"
#include "app/ui/PictureButton.h"
#include "common/Error.h"
#include "common/ui/Colours.h"
#include "common/ui/OpenFile.h"
#include "common/ui/ScreenText.h"
#include "lang/LanguageChoice.h"
#include "lang/TextId.h"
#include "lang/ui/IntroWindow.h"
#include "lang/ui/LanguageWindow.h"
#include "lang/ui/QtUserDialogs.h"
#include "lang/ui/WaitWindow.h"
#include "project/ui/PictureDisplay.h"
#include "project/ui/PictureListView.h"
#include "project/ui/PictureTabs.h"
#include "styles/ui/WebBrowser.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

namespace palimora {
namespace {

constexpr QSize kClientSize(792, 570);
const QColor kBlinkColour(255, 0, 0);

enum class ShownIn { Always, StepOne, StepTwo };

struct ButtonLayout {
    PictureButton* TForm1::*member;
    const char* picture;
    TextId hint;
    QPoint position;
    ShownIn shownIn;
};

// The toolbar as designed: picture, hint text, position and the step it
// belongs to.
constexpr ButtonLayout kToolbar[] = {
    {&TForm1::BoutNou, "boutnou", TextId::NewProjectHint, {65, 480}, ShownIn::Always},
    {&TForm1::BoutOuv, "boutouv", TextId::OpenProjectHint, {130, 471}, ShownIn::Always},
    {&TForm1::BoutEnr, "boutenr", TextId::SaveHint, {198, 480}, ShownIn::Always},
    {&TForm1::BoutImg2, "boutdep", TextId::PicturesStepHint, {275, 460}, ShownIn::Always},
    {&TForm1::BoutVid, "boutvid", TextId::DesignPages, {444, 460}, ShownIn::Always},
    {&TForm1::BoutImg, "boutplu", TextId::AddPicturesHint, {338, 493}, ShownIn::StepOne},
    {&TForm1::BoutMon, "bouthau", TextId::MoveUpHint, {379, 480}, ShownIn::StepOne},
    {&TForm1::BoutDes, "boutbas", TextId::MoveDownHint, {378, 514}, ShownIn::StepOne},
    {&TForm1::BoutSup, "boutmoi", TextId::DeleteTickedHint, {420, 504}, ShownIn::StepOne},
    {&TForm1::BoutS, "boutsom", TextId::SummaryDesignHint, {320, 509}, ShownIn::StepTwo},
    {&TForm1::BoutG, "boutgal", TextId::GalleryDesignHint, {374, 514}, ShownIn::StepTwo},
    {&TForm1::BoutI, "bouthti", TextId::PictureDesignHint, {432, 509}, ShownIn::StepTwo},
    {&TForm1::BoutLoupe, "boutlou", TextId::RefreshPreviewHint, {365, 458}, ShownIn::StepTwo},
    {&TForm1::BoutPro, "boutvoi", TextId::SeeResult, {534, 480}, ShownIn::Always},
    {&TForm1::BoutDif, "boutweb", TextId::PublishHint, {600, 471}, ShownIn::Always},
    {&TForm1::BoutQui, "boutqui", TextId::QuitHint, {662, 480}, ShownIn::Always},
    {&TForm1::BoutAid, "boutaid", TextId::HelpHint, {137, 514}, ShownIn::Always},
};

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
    session_.Start();

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
    LabelEtape->setFont(LabelFont(26));
    PaintText(LabelEtape, kLabelColour);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    CreatePictureStep();
    CreateToolbar();
    GiveStartLooks();

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &TForm1::BoutAidClick);

    ApplyLanguage();
    if (!session_.LanguageProblem().empty()) dialogs_->ShowMessageOk(session_.LanguageProblem());
    ShowStartWarnings();
    firstActivation_ = true;
}

void TForm1::CreateToolbar() {
    for (const auto& layout : kToolbar) {
        // The step buttons start from tag 0 so that the start-up toggles leave
        // step 1 pressed; every other button starts from 1 and shows its normal look.
        const bool stepButton = layout.member == &TForm1::BoutImg2 || layout.member == &TForm1::BoutVid;
        auto* button = new PictureButton(session_.Folder(), layout.picture, layout.position, stepButton ? 0 : 1, this);
        button->setVisible(layout.shownIn != ShownIn::StepTwo);
        this->*layout.member = button;
    }
    connect(BoutQui, &PictureButton::clicked, this, &TForm1::BoutQuiClick);
    connect(BoutNou, &PictureButton::clicked, this, &TForm1::BoutNouClick);
    connect(BoutOuv, &PictureButton::clicked, this, &TForm1::BoutOuvClick);
    connect(BoutEnr, &PictureButton::clicked, this, &TForm1::BoutEnrClick);
    connect(BoutPro, &PictureButton::clicked, this, &TForm1::BoutProClick);
    connect(BoutImg, &PictureButton::clicked, this, &TForm1::BoutImgClick);
    connect(BoutSup, &PictureButton::clicked, this, &TForm1::BoutSupClick);
    connect(BoutMon, &PictureButton::clicked, this, &TForm1::BoutMonClick);
    connect(BoutDes, &PictureButton::clicked, this, &TForm1::BoutDesClick);
    connect(BoutAid, &PictureButton::clicked, this, &TForm1::BoutAidClick);
}

void TForm1::GiveStartLooks() {
    for (PictureButton* button : {BoutOuv, BoutNou, BoutEnr, BoutVid, BoutImg2, BoutVid, BoutS, BoutG, BoutI, BoutImg,
                                  BoutSup, BoutMon, BoutDes, BoutDif, BoutPro, BoutQui, BoutLoupe, BoutAid}) {
        AppuieBouton(*button);
    }
}

void TForm1::ShowStartWarnings() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    if (screen->availableGeometry().width() < kNarrowestScreen) {
        dialogs_->ShowMessageOk(session_.LangText(TextId::NarrowScreen));
    }
}

void TForm1::CreatePictureStep() {
    TabbedImg = new PictureTabs(*dialogs_, session_.CurrentLanguage(), this);
    TabbedImg->setGeometry(8, 96, 385, 329);
    ListView1 = new PictureListView(this);
    ListView1->setGeometry(407, 96, 377, 329);
    // Off-screen until there is something to show; negating its left edge shows it.
    WebBrowser1 = new WebBrowser(this);
    WebBrowser1->setGeometry(-407, 96, 377, 329);
    Form2 = new TForm2(session_.CurrentLanguage(), this);
    Form2->setWindowFlag(Qt::Window);

    connect(ListView1, &QListWidget::itemClicked, this, &TForm1::ListView1Click);
    connect(TabbedImg->BitTextOk, &QPushButton::clicked, this, &TForm1::BitTextOkClick);
    connect(TabbedImg->Panel1, &PictureDisplay::pictureClicked, this, &TForm1::Image1Click);
}

void TForm1::ApplyLanguage() {
    setWindowTitle(ToScreen(session_.LangText(TextId::ProgramTitle)));
    LabNom->setText(ToScreen(session_.ProjectName()));
    LabelEtape->setText(ToScreen(session_.LangText(BoutVid->Tag() ? TextId::StepTwoSummary : TextId::StepOne)));
    for (const auto& layout : kToolbar) {
        (this->*layout.member)->setToolTip(ToScreen(session_.LangText(layout.hint)));
    }
    TabbedImg->ApplyLanguage();
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
            if (!FormActivate()) emit languageRefused();
        });
    }
}

bool TForm1::FormActivate() {
    if (!firstActivation_) return true;
    firstActivation_ = false;
    FileListBox1Change();
    TabbedImg->setCurrentIndex(0);
    const bool firstStart = IsFirstStart(session_.Folder());
    if (firstStart && !AskLanguage()) return false;

    WebBrowser1->Navigate(WelcomePage(session_.Folder(), session_.LanguageCode()));
    WebBrowser1->move(-WebBrowser1->x(), WebBrowser1->y());

    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && screen->depth() <= 8) dialogs_->ShowMessageOk(session_.LangText(TextId::FewColours));
    PlaceOnScreen();
    Timer1->start();
    return true;
}

bool TForm1::AskLanguage() {
    TFormLang window([this](std::string_view choice) { session_.ChooseLanguage(choice); }, this);
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

void TForm1::Timer1Timer() {
    const bool shownInLabelColour = LabelEtape->palette().color(QPalette::WindowText) == kLabelColour;
    PaintText(LabelEtape, shownInLabelColour ? kBlinkColour : kLabelColour);
}

void TForm1::BoutQuiClick() {
    AppuieBouton(*BoutQui);
    if (!close()) AppuieBouton(*BoutQui);
}

void TForm1::BoutAidClick() {
    AppuieBouton(*BoutAid);
    // Step 1 shows the picture list; the style panels come with page design.
    const auto page = HelpPageFor(session_.Folder(), session_.LanguageCode(), ShownPanel::PictureList);
    if (page) OpenWithDefaultProgram(*page);
    AppuieBouton(*BoutAid);
}


void TForm1::closeEvent(QCloseEvent* event) {
    if (!session_.ConfirmClose(*dialogs_, [this] { BoutEnrClick(); })) {
        event->ignore();
        return;
    }
    Timer1->stop();
    session_.FinishClose();
    event->accept();
}

}  // namespace palimora
