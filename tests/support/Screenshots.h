#pragma once

#include "common/ui/DesignedPalette.h"

#include <QApplication>
#include <QPalette>
#include <QTest>
#include <QWidget>

#include <functional>

// Screenshots of the windows as tests drive them, to be looked at: with
// PALIMORA_SCREENSHOTS naming a folder, each is saved there as
// <name>-<theme>-<ratio>x.png (run the test under QT_SCALE_FACTOR=2 for 2x).
namespace palimora::testing {

// What a dark desktop theme gives every application.
inline QPalette DarkDesktop() {
    QPalette dark(QColor(53, 53, 53), QColor(35, 35, 35));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(role, QColor(230, 230, 230));
    }
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    return dark;
}

// Runs `drive` once on a light desktop and once on a dark one, the program's
// palette set over each as it sets it on starting.
inline void OnLightAndDarkDesktops(const std::function<void(const QString& theme)>& drive) {
    const QPalette light = QApplication::palette();
    for (const bool dark : {false, true}) {
        QApplication::setPalette(dark ? DarkDesktop() : light);
        UseDesignedPalette();
        drive(dark ? QStringLiteral("dark") : QStringLiteral("light"));
    }
    QApplication::setPalette(light);
}

inline void SaveScreenshot(QWidget* window, const QString& name, const QString& theme) {
    const QByteArray folder = qgetenv("PALIMORA_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QTest::qWait(100);  // lists lay their items out once events are handled
    const QString file = QStringLiteral("%1/%2-%3-%4x.png")
                             .arg(QString::fromLocal8Bit(folder), name, theme)
                             .arg(qRound(window->devicePixelRatioF()));
    window->grab().save(file);
}

// The window as it stands, on a light and on a dark desktop.
inline void SaveScreenshotsOnBothDesktops(QWidget* window, const QString& name) {
    if (qEnvironmentVariableIsEmpty("PALIMORA_SCREENSHOTS")) return;
    OnLightAndDarkDesktops([&](const QString& theme) { SaveScreenshot(window, name, theme); });
}

}  // namespace palimora::testing
