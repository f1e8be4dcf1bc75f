#include "app/property_sheet.h"

#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWidget>

#include "app/page_registry.h"
#include "ui_test_support.h"

using namespace chemeng::ui;

class PropertySheetTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { test::installModalGuard(); }

    void showsTheSixTabsInOrderWithTheFirstInFront() {
        test::MessageLog log;
        PropertySheet sheet(standardPages(), "data", log.presenter());
        sheet.show();
        QCOMPARE(sheet.windowTitle(), QString("Chemical Engineering"));
        const QStringList expected{"Physical Properties", "Heat Capacities", "Enthalpies",
                                   "Density of Liquid",   "Vapor Pressure",  "Steam Tables"};
        QCOMPARE(sheet.tabs()->count(), expected.size());
        for (int i = 0; i < expected.size(); ++i) QCOMPARE(sheet.tabs()->tabText(i), expected[i]);
        QCOMPARE(sheet.tabs()->currentIndex(), 0);
    }

    void hasNoStandardButtons() {
        test::MessageLog log;
        PropertySheet sheet(standardPages(), "data", log.presenter());
        sheet.show();
        for (QPushButton* button : sheet.findChildren<QPushButton*>()) {
            const QString text = button->text();
            QVERIFY2(text != "Cancel" && text != "Apply" && text != "Help", qPrintable(text));
        }
    }

    void enterDoesNotCloseTheWindow() {
        test::MessageLog log;
        PropertySheet sheet(standardPages(), "data", log.presenter());
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        for (int i = 0; i < sheet.tabs()->count(); ++i) {
            sheet.tabs()->setCurrentIndex(i);
            QTest::keyClick(sheet.tabs()->currentWidget(), Qt::Key_Return);
            QVERIFY(sheet.isVisible());
        }
    }
};

QTEST_MAIN(PropertySheetTest)
#include "property_sheet_test.moc"
