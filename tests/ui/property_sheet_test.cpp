#include "app/property_sheet.h"

#include <QImage>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWidget>

#include "pages/page_catalogue.h"
#include "support/temp_data_dir.h"
#include "ui_test_support.h"

using namespace chemeng::ui;

class PropertySheetTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { test::installModalGuard(); }

    void showsTheSixTabsInOrderWithTheFirstInFront() {
        test::MessageLog log;
        PropertySheet sheet(chemeng::pageCatalogue(), "data", log.presenter());
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
        PropertySheet sheet(chemeng::pageCatalogue(), "data", log.presenter());
        sheet.show();
        for (QPushButton* button : sheet.findChildren<QPushButton*>()) {
            const QString text = button->text();
            QVERIFY2(text != "Cancel" && text != "Apply" && text != "Help", qPrintable(text));
        }
    }

    void drawsTheBannerAboveTheBottomEdge() {
        test::MessageLog log;
        PropertySheet sheet(chemeng::pageCatalogue(), "data", log.presenter());
        sheet.resize(800, 600);
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        auto* strip = sheet.findChild<QWidget*>("banner");
        QVERIFY(strip != nullptr);
        // The banner's left end is dark blue; the window's background is not.
        const QImage image = strip->grab().toImage();
        const QColor inside = image.pixelColor(12, image.height() - 25 + 8);
        QVERIFY2(inside.blue() > inside.red() + 40, qPrintable(inside.name()));
        const QColor leftOfIt = image.pixelColor(4, image.height() - 25 + 8);
        QVERIFY(leftOfIt != inside);
    }

    void readsAPagesFilesOnlyWhenItFirstComesToTheFront() {
        // An empty data folder: every file a page reads is reported missing,
        // so the messages tell which page has read its files.
        chemeng::test::TempDataDir empty;
        test::MessageLog log;
        PropertySheet sheet(chemeng::pageCatalogue(), empty.path(), log.presenter());
        sheet.show();
        // The steam page reads its table when it is made; the first page loads at once.
        QCOMPARE(log.messages,
                 QStringList({"Error opening sat.txt", "Error opening Critical.txt"}));
        sheet.tabs()->setCurrentIndex(1);
        QCOMPARE(log.messages.size(), 3);
        QCOMPARE(log.messages.last(), QString("Error opening Cpgas.txt"));
        sheet.tabs()->setCurrentIndex(0);
        sheet.tabs()->setCurrentIndex(1);
        QCOMPARE(log.messages.size(), 3);  // once per run
    }

    void enterDoesNotCloseTheWindow() {
        test::MessageLog log;
        PropertySheet sheet(chemeng::pageCatalogue(), "data", log.presenter());
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
