#include "app/ui/PageDesignStep.h"

#include "app/Session.h"
#include "app/ui/WebBrowser.h"
#include "common/Cp1252.h"
#include "common/ui/BusyCursor.h"
#include "common/ui/DesignedNames.h"
#include "common/ui/ScreenText.h"
#include "sitegen/Galleries.h"
#include "sitegen/PageWriter.h"
#include "sitegen/PreviewPictures.h"
#include "styles/SampleTemplates.h"
#include "styles/ui/GalleryNotebook.h"
#include "styles/ui/PictureNotebook.h"
#include "styles/ui/StyleNotebooks.h"
#include "styles/ui/SummaryNotebook.h"

#include <QHBoxLayout>
#include <QRect>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <array>

namespace palimora {
namespace {

// Page kinds in the order links are compared: gallery, summary, picture.
struct SampleOfKind {
    PageKind kind;
    PageKind sample;
    SettingLine templateLine;  // its sample page: SamplePageOf(templateLine)
};
constexpr std::array<SampleOfKind, 3> kSamples = {{
    {PageKind::Gallery, PageKind::Gallery, SettingLine::GalleryTemplate},
    {PageKind::Summary, PageKind::Summary, SettingLine::SummaryTemplate},
    {PageKind::Picture, PageKind::Picture, SettingLine::PictureTemplate},
}};

const SampleOfKind& SampleOf(PageKind kind) {
    for (const SampleOfKind& each : kSamples) {
        if (each.kind == kind) return each;
    }
    return kSamples[1];
}

// The browser area's width in CSS pixels: a small desktop window, or a phone
// (whose screen is shown at its proportions).
constexpr double kDesktopWidth = 760, kPhoneWidth = 390, kPhoneHeight = 844;

// The browser area's place in the window at the designed size.
constexpr QRect kDesignedArea(407, 96, 377, 329);

// A phone's screen as large as fits `area`, centred in it.
QRect PhoneScreenIn(const QRect& area) {
    QSize screen(qRound(area.height() * kPhoneWidth / kPhoneHeight), area.height());
    if (screen.width() > area.width()) screen = QSize(area.width(), qRound(area.width() * kPhoneHeight / kPhoneWidth));
    return QRect(area.x() + (area.width() - screen.width()) / 2, area.y() + (area.height() - screen.height()) / 2,
                 screen.width(), screen.height());
}

// How long the controls rest before the sample is rebuilt with their changes.
constexpr int kRebuildPause = 250;  // ms

}  // namespace

PageDesignStep::PageDesignStep(Session& session, UserDialogs& dialogs, QWidget* window)
    : QObject(window), session_(session), dialogs_(dialogs) {
    PreviewBrowser = new WebBrowser(window);
    area_ = kDesignedArea;
    PreviewBrowser->setGeometry(area_);
    GiveDesignedNames({{PreviewBrowser, "WebBrowser1"}});
    PreviewBrowser->hide();  // nothing to show until the welcome page
    PreviewBrowser->Page().SetBeforeNavigate(
        [this](const QUrl& url, bool programsOwn) { return BeforeNavigate(url, programsOwn); });
    PreviewBrowser->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(PreviewBrowser, &QWidget::customContextMenuRequested, this, [this] { SetPhoneWidth(!phoneWidth_); });
    MakeWidthSwitch(window);

    Notebooks = new StyleNotebooks(session.Folder(), session.CurrentLanguage(), dialogs, session.Settings(), window);
    Notebooks->MoveTo(8, 96);
    Notebooks->HideAll();
    connect(Notebooks, &StyleNotebooks::modified, this, &PageDesignStep::modified);
    // Every change shows in the sample once the user pauses: a quick run of
    // changes (typing a title) rebuilds it once.
    rebuildTimer_ = new QTimer(this);
    rebuildTimer_->setSingleShot(true);
    rebuildTimer_->setInterval(kRebuildPause);
    connect(Notebooks, &StyleNotebooks::modified, rebuildTimer_, qOverload<>(&QTimer::start));
    connect(rebuildTimer_, &QTimer::timeout, this, [this] {
        if (shownKind_ && Notebooks->SettingsLoaded()) RebuildSample(*shownKind_);
    });
    // A new template replaced the sample page: the preview shows it at once.
    connect(Notebooks, &StyleNotebooks::previewRebuildRequested, this, [this](PageKind page) {
        for (const SampleOfKind& sample : kSamples) {
            if (sample.kind == page) RebuildSample(sample.kind);
        }
    });
}

void PageDesignStep::Stretch(QSize extra) {
    area_ = kDesignedArea.adjusted(0, 0, extra.width(), extra.height());
    Notebooks->Stretch(extra.height());
    WidthSwitch->move(544 + extra.width(), 428 + extra.height());
    ApplyZoom();
}

void PageDesignStep::MakeWidthSwitch(QWidget* window) {
    WidthSwitch = new QWidget(window);
    WidthSwitch->setGeometry(544, 428, 240, 22);
    WidthSwitch->setObjectName("PreviewWidthSwitch");
    auto* layout = new QHBoxLayout(WidthSwitch);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addStretch();
    for (QToolButton** button : {&ComputerViewButton, &PhoneViewButton}) {
        *button = new QToolButton(WidthSwitch);
        (*button)->setCheckable(true);
        (*button)->setAutoExclusive(true);
        (*button)->setFocusPolicy(Qt::TabFocus);
        layout->addWidget(*button);
    }
    ComputerViewButton->setChecked(true);
    connect(PhoneViewButton, &QToolButton::toggled, this, [this](bool phone) {
        if (phone != phoneWidth_) SetPhoneWidth(phone);
    });
    WidthSwitch->hide();
}

void PageDesignStep::ShowPage(const std::filesystem::path& page) {
    PreviewBrowser->Navigate(page);
    sampleShown_ = false;
    PreviewBrowser->SetTakesFileDrops(true);  // photos dropped on the welcome page are added
    PreviewBrowser->setGeometry(area_);
    PreviewBrowser->setZoomFactor(1.0);  // a help page reads at its own size
    SetBrowserShown(true);
}

void PageDesignStep::SetBrowserShown(bool shown) {
    PreviewBrowser->setVisible(shown);
    if (shown) PreviewBrowser->raise();
}

void PageDesignStep::Show(const Step& step) {
    if (step.IsPageDesign()) {
        Notebooks->ShowNotebook(step.Notebook());
        shownKind_ = step.Notebook();
        ComputerViewButton->setText(ToScreen(session_.LangText(TextId::ComputerView)));
        PhoneViewButton->setText(ToScreen(session_.LangText(TextId::PhoneView)));
    } else {
        Notebooks->HideAll();
        shownKind_.reset();
        rebuildTimer_->stop();
    }
    SetBrowserShown(step.IsPageDesign());
    WidthSwitch->setVisible(step.IsPageDesign());
}

void PageDesignStep::Enter() {
    // Each notebook opens on its first tab, whichever was shown when the step was left.
    for (PageKind kind : {PageKind::Summary, PageKind::Gallery, PageKind::Picture}) ShowFirstTab(kind);
    preview_.Reset();
    PrepareSamplePictures();
    Notebooks->RefreshGalleryLists();
    Notebooks->SetSettingsLoaded(true);
}

void PageDesignStep::PrepareSamplePictures() {
    BusyCursor busy;
    // Each gallery's own cover on the summary, the first gallery's pictures on the others.
    const std::vector<std::string> names = session_.Pictures().Files();
    samplePictures_ =
        palimora::PrepareSamplePictures(session_.Folder(), session_.Pictures().PicturesFolder(), names,
                                        ReadGalleries(session_.Settings(), session_.CurrentLanguage(), names));
}

void PageDesignStep::RebuildSample(PageKind kind) {
    BusyCursor busy;
    const SampleOfKind& sample = SampleOf(kind);
    const PictureTextIndex texts(session_.Pictures().Texts());
    PageWriter writer({session_.Folder(),
                       session_.ProjectName(),
                       session_.CurrentLanguage(),
                       session_.Settings(),
                       texts,
                       session_.Pictures().Files(),
                       {},
                       samplePictures_},
                      preview_, dialogs_);
    const bool written = writer.WriteSample(sample.sample);
    writer.TellMissingMarkers();
    if (!written) {
        PreviewBrowser->setHtml(QStringLiteral("<body style=\"font-family:sans-serif;margin:24px\"><p>%1</p></body>")
                                    .arg(ToScreen(session_.LangText(TextId::SampleUnavailable)).toHtmlEscaped()));
        return;
    }
    PreviewBrowser->Navigate(session_.Folder().Root() / SamplePageOf(sample.templateLine));
    sampleShown_ = true;
    PreviewBrowser->SetTakesFileDrops(false);
    ApplyZoom();
}

void PageDesignStep::RefreshSample(PageKind kind, bool onlyWhenMissing) {
    const SampleOfKind& sample = SampleOf(kind);
    std::error_code error;
    const std::filesystem::path file = session_.Folder().Root() / SamplePageOf(sample.templateLine);
    if (!onlyWhenMissing || !std::filesystem::exists(file, error)) {
        InstallChosenTemplate(session_.Folder(), session_.Settings(), session_.CurrentLanguage(), sample.templateLine);
    }
    RebuildSample(kind);
}

void PageDesignStep::ShowFirstTab(PageKind kind) {
    switch (kind) {
        case PageKind::Summary: Notebooks->Tabbedhtml->setCurrentIndex(0); break;
        case PageKind::Gallery: Notebooks->TabbedGHTML->setCurrentIndex(0); break;
        case PageKind::Picture: Notebooks->TabbedIHTML->setCurrentIndex(0); break;
    }
}

void PageDesignStep::SetPhoneWidth(bool phone) {
    phoneWidth_ = phone;
    (phone ? PhoneViewButton : ComputerViewButton)->setChecked(true);
    ApplyZoom();
}

void PageDesignStep::ApplyZoom() {
    if (!sampleShown_) {
        PreviewBrowser->setGeometry(area_);
        return;
    }
    PreviewBrowser->setGeometry(phoneWidth_ ? PhoneScreenIn(area_) : area_);
    PreviewBrowser->setZoomFactor(PreviewBrowser->width() / (phoneWidth_ ? kPhoneWidth : kDesktopWidth));
}

bool PageDesignStep::BeforeNavigate(const QUrl& url, bool programsOwn) {
    if (programsOwn && url.isLocalFile()) {
        // The program's own navigation to a sample: the notebook follows, the page loads.
        const std::string name = url.fileName().toStdString();
        for (const SampleOfKind& sample : kSamples) {
            if (name == SamplePageOf(sample.templateLine)) emit pageKindChosen(sample.kind, true);
        }
        return true;
    }
    if (programsOwn) return true;
    // A link followed inside a sample: its last twelve characters name the sample it leads to.
    const std::string target = url.toString().toStdString();
    for (const SampleOfKind& sample : kSamples) {
        const std::string file = SamplePageOf(sample.templateLine);
        if (target.size() >= file.size() && target.compare(target.size() - file.size(), file.size(), file) == 0) {
            // The switch rebuilds and loads the sample itself, once this navigation is refused.
            QTimer::singleShot(0, this, [this, kind = sample.kind] { emit pageKindChosen(kind, false); });
            return false;
        }
    }
    return true;
}

void PageDesignStep::LoadSettings() {
    Notebooks->SetSettingsLoaded(false);
    if (!session_.IsUnnamedProject()) Notebooks->LoadSettings(session_.ProjectName());
}

}  // namespace palimora
