// The window on a light and on a dark desktop: whatever colours the desktop's
// theme gives the application, every field, label, button and list of the
// main window draws its text in the same colours on the same ground, and the
// fields readably (contrast at least 4.5 : 1), in both steps. With
// PALIMORA_SCREENSHOTS set to a folder, the screenshots are saved there
// (Screenshots.h).

#include "app/ui/MainWindow.h"
#include "app/ui/PageDesignStep.h"
#include "app/ui/PictureStep.h"
#include "app/ui/Toolbar.h"
#include "common/ui/DesignedPalette.h"
#include "project/ui/PictureTabs.h"
#include "styles/ui/StyleNotebooks.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/NamingWindows.h"
#include "tests/support/QtTestMain.h"
#include "tests/support/Screenshots.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QtTest>

#include <cmath>

using namespace palimora;

namespace {

double Luminance(const QColor& colour) {
    const auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double x = Luminance(a), y = Luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The colour a widget's text stands on: its own for a field, else that of
// the nearest widget that paints its background.
QColor Background(const QWidget* widget, QPalette::ColorRole own) {
    if (own == QPalette::Base || own == QPalette::Button) return widget->palette().color(own);
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->autoFillBackground() || w->isWindow()) return w->palette().color(QPalette::Window);
    }
    return widget->palette().color(QPalette::Window);
}

// The text and background colours of every shown widget of `window` that
// draws text, one line each, in order; fields whose text is less readable
// than 4.5 : 1 are added to `unreadable`.
QStringList TextColours(QWidget* window, QStringList& unreadable) {
    QStringList colours;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible()) continue;
        QPalette::ColorRole text = QPalette::WindowText, ground = QPalette::Window;
        const bool field = qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget) ||
                           qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QListWidget*>(widget);
        if (field) {
            text = QPalette::Text, ground = QPalette::Base;
        } else if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget)) {
            text = QPalette::ButtonText, ground = QPalette::Button;
        } else if (!qobject_cast<QLabel*>(widget)) {
            continue;
        }
        const QColor foreground = widget->palette().color(text), background = Background(widget, ground);
        const QString name =
            QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') + widget->objectName();
        colours << QStringLiteral("%1: %2 on %3").arg(name, foreground.name(), background.name());
        if (field && Contrast(foreground, background) < 4.5) unreadable << name;
    }
    return colours;
}

}  // namespace

class TestThemes : public QObject {
    Q_OBJECT

    // The colours of both steps, and their fields' unreadable ones, on a
    // desktop whose theme gives the application `desktop`.
    QStringList ColoursOnDesktop(const QPalette& desktop, const QString& theme, QStringList& unreadable) {
        QApplication::setPalette(desktop);  // as the desktop's theme sets it
        UseDesignedPalette();               // as the program does on starting
        testing::MainWindowHarness harness;
        testing::NamingWindows windows;
        harness.Reset();
        harness.projectWindows = &windows;
        auto window = harness.Start();
        window->Pictures().AddPictures({harness.Photo("plage.jpg"), harness.Photo("port.jpg")});
        window->Pictures().PictureTabsView->setCurrentIndex(1);
        window->Pictures().PictureTabsView->TitleEdit->setText(QStringLiteral("La plage"));
        QStringList colours = TextColours(window.get(), unreadable);
        testing::SaveScreenshot(window.get(), QStringLiteral("step1-texts"), theme);
        window->SaveCurrentProject();
        window->ShowPageDesign();
        colours += TextColours(window.get(), unreadable);
        testing::SaveScreenshot(window.get(), QStringLiteral("step2-contents"), theme);
        return colours;
    }

private slots:
    // The window looks the same on a light and on a dark desktop: no colour
    // of the desktop's theme meets one the window sets, and every field's
    // text reads well.
    void theWindowReadsTheSameOnALightAndADarkDesktop() {
        const QPalette desktop = QApplication::palette();
        QStringList unreadable;
        const QStringList light = ColoursOnDesktop(desktop, QStringLiteral("light"), unreadable);
        const QStringList dark = ColoursOnDesktop(testing::DarkDesktop(), QStringLiteral("dark"), unreadable);
        QApplication::setPalette(desktop);
        QVERIFY(light.size() > 20);
        for (int i = 0; i < std::min(light.size(), dark.size()); ++i) QCOMPARE(dark.at(i), light.at(i));
        QCOMPARE(dark.size(), light.size());
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral(", "))));
    }
};

PALIMORA_QTEST_MAIN(TestThemes)

#include "tst_themes.moc"
