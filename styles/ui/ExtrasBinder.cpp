#include "styles/ui/ExtrasBinder.h"

#include "common/ui/ScreenText.h"
#include "lang/Language.h"
#include "styles/ProjectSettings.h"
#include "styles/ui/BindingContext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

namespace palimora {

namespace {

// The scheme list's items, in the order of ColourScheme.
constexpr TextId kSchemeTexts[] = {TextId::SchemeLight, TextId::SchemeDark, TextId::SchemeFollow};

}  // namespace

ExtrasBinder::ExtrasBinder(BindingContext& context, Controls controls)
    : SettingBinder(context, SettingLine::VisitorExtras), controls_(controls) {
    controls_.slideSeconds->setRange(VisitorExtras::kSlideSecondsMinimum, VisitorExtras::kSlideSecondsMaximum);
    for (QCheckBox* check :
         {controls_.download, controls_.archive, controls_.slideshow, controls_.facts, controls_.feed}) {
        context.guard.Connect(check, &QCheckBox::toggled, context.owner, [this] { StoreChanged(); });
    }
    context.guard.Connect(controls_.slideSeconds, &QSpinBox::valueChanged, context.owner, [this] { StoreChanged(); });
    context.guard.Connect(controls_.scheme, &QComboBox::currentIndexChanged, context.owner, [this] { StoreChanged(); });
    ApplyLanguage();
}

void ExtrasBinder::ApplyLanguage() {
    const QSignalBlocker silent(controls_.scheme);
    const int chosen = controls_.scheme->currentIndex();
    controls_.scheme->clear();
    for (const TextId text : kSchemeTexts) controls_.scheme->addItem(ToScreen(context_.language.LangText(text)));
    controls_.scheme->setCurrentIndex(chosen);
}

void ExtrasBinder::Load(const ShownProject&) { Show(VisitorExtras::Read(context_.settings.Lines().Line(line_))); }

void ExtrasBinder::Show(const VisitorExtras& extras) {
    const QSignalBlocker silent[] = {QSignalBlocker(controls_.download),  QSignalBlocker(controls_.archive),
                                     QSignalBlocker(controls_.slideshow), QSignalBlocker(controls_.slideSeconds),
                                     QSignalBlocker(controls_.scheme),    QSignalBlocker(controls_.facts),
                                     QSignalBlocker(controls_.feed)};
    controls_.download->setChecked(extras.originalDownload);
    controls_.archive->setChecked(extras.galleryArchive);
    controls_.slideshow->setChecked(extras.slideshow);
    controls_.slideSeconds->setValue(extras.slideSeconds);
    controls_.scheme->setCurrentIndex(static_cast<int>(extras.scheme));
    controls_.facts->setChecked(extras.photoFacts);
    controls_.feed->setChecked(extras.feed);
}

void ExtrasBinder::StoreChanged() {
    VisitorExtras extras;
    extras.originalDownload = controls_.download->isChecked();
    extras.galleryArchive = controls_.archive->isChecked();
    extras.slideshow = controls_.slideshow->isChecked();
    extras.slideSeconds = controls_.slideSeconds->value();
    extras.scheme = static_cast<ColourScheme>(std::max(0, controls_.scheme->currentIndex()));
    extras.photoFacts = controls_.facts->isChecked();
    extras.feed = controls_.feed->isChecked();
    Store(extras.Write(), false);
}

}  // namespace palimora
