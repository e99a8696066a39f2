// What a screen reader finds in the main window: every control it can act
// on has a name in the user's language, in each step and on every tab of
// the three notebooks, and every toolbar command has a key.

#include "app/ui/MainWindow.h"
#include "app/ui/PageDesignStep.h"
#include "app/ui/PictureButton.h"
#include "app/ui/PictureStep.h"
#include "app/ui/Toolbar.h"
#include "project/ui/PictureListView.h"
#include "styles/ui/GalleryNotebook.h"
#include "styles/ui/PictureNotebook.h"
#include "styles/ui/StyleNotebooks.h"
#include "styles/ui/SummaryNotebook.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/NamingWindows.h"
#include "tests/support/QtTestMain.h"

#include <QAccessible>
#include <QTabWidget>
#include <QtTest>

#include <memory>

using namespace palimora;

namespace {

bool Acted(QAccessible::Role role) {
    switch (role) {
        case QAccessible::Button:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ComboBox:
        case QAccessible::EditableText:
        case QAccessible::SpinBox:
        case QAccessible::PageTab:
        case QAccessible::Slider:
        case QAccessible::List: return true;
        default: return false;
    }
}

// The controls shown under `node` that a screen reader would read out without a name.
void FindUnnamed(QAccessibleInterface* node, const QString& path, QStringList& unnamed) {
    if (!node || node->state().invisible) return;
    const QString here = path + "/" + (node->object() ? node->object()->objectName() : QString());
    if (Acted(node->role()) && node->text(QAccessible::Name).trimmed().isEmpty()) {
        unnamed << here + " (" + QString::number(node->role(), 16) + ")";
    }
    for (int i = 0; i < node->childCount(); ++i) FindUnnamed(node->child(i), here, unnamed);
}

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    testing::MainWindowHarness harness_;
    testing::NamingWindows windows_;
    std::unique_ptr<MainWindow> window_;

    QStringList Unnamed() {
        QStringList unnamed;
        FindUnnamed(QAccessible::queryAccessibleInterface(window_.get()), QString(), unnamed);
        return unnamed;
    }

private slots:
    void everyControlIsNamedInEveryStepAndTab() {
        harness_.Reset();
        harness_.projectWindows = &windows_;
        window_ = harness_.Start();
        window_->show();
        window_->Pictures().AddPictures({harness_.Photo("plage.jpg")});
        window_->SaveCurrentProject();
        QTRY_VERIFY(window_->isVisible());
        QStringList unnamed = Unnamed();

        emit window_->Tools().DesignStepButton->clicked();
        StyleNotebooks& notebooks = *window_->PageDesign().Notebooks;
        for (PictureButton* kind :
             {window_->Tools().SummaryButton, window_->Tools().GalleryButton, window_->Tools().PicturePageButton}) {
            emit kind->clicked();
            for (QTabWidget* tabs :
                 {static_cast<QTabWidget*>(notebooks.Tabbedhtml), static_cast<QTabWidget*>(notebooks.TabbedGHTML),
                  static_cast<QTabWidget*>(notebooks.TabbedIHTML)}) {
                if (!tabs->isVisible()) continue;
                for (int tab = 0; tab < tabs->count(); ++tab) {
                    tabs->setCurrentIndex(tab);
                    unnamed << Unnamed();
                }
            }
        }
        unnamed.removeDuplicates();
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join('\n')));
    }

    void everyToolbarCommandTellsItsKey() {
        harness_.Reset();
        window_ = harness_.Start();
        for (PictureButton* button : window_->findChildren<PictureButton*>()) {
            QVERIFY2(button->toolTip().contains('('), qPrintable(button->objectName() + ": " + button->toolTip()));
            QCOMPARE(button->focusPolicy(), Qt::TabFocus);
        }
        // Alt+Up moves the chosen picture up, as its button does.
        window_->show();
        window_->Pictures().AddPictures({harness_.Photo("a.jpg"), harness_.Photo("b.jpg")});
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QCOMPARE(window_->Pictures().PicturesList->CurrentPosition(), 1);  // the last added is chosen
        QTest::keyClick(window_.get(), Qt::Key_Up, Qt::AltModifier);
        QTRY_COMPARE(window_->Pictures().PicturesList->item(0)->text(), QStringLiteral("b"));
    }
};

PALIMORA_QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
