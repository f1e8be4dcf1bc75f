#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "app/property_sheet.h"
#include "pages/density.h"
#include "pages/density_layout.h"
#include "pages/page_catalogue.h"
#include "pages/vapor_pressure.h"
#include "pages/vapor_pressure_layout.h"
#include "support/fixture_paths.h"
#include "ui_test_support.h"

using chemeng::Dialog;
namespace DensityCtl = chemeng::DensityCtl;
namespace VaporPressureCtl = chemeng::VaporPressureCtl;
using namespace chemeng::ui;

namespace {

std::vector<chemeng::PageEntry> densityAndVaporPressure() {
    return {chemeng::pageEntry(chemeng::PageKind::Density),
            chemeng::pageEntry(chemeng::PageKind::VaporPressure)};
}

// Both pages use the same control numbers, so controls are looked up within
// one page's tab.
template <typename W>
W* control(const QWidget& page, int id) {
    W* widget = page.findChild<W*>(QString::number(id));
    if (widget == nullptr) qFatal("no control %d", id);
    return widget;
}

QString shown(const QWidget& page, int id) {
    return control<QLineEdit>(page, id)->text();
}

void clickItem(QListWidget* list, int row) {
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

}  // namespace

class DensityVaporPressureUiTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { chemeng::ui::test::installModalGuard(); }

    void densityComputesOnEnterAndShowsTabulatedValues() {
        chemeng::ui::test::MessageLog log;
        PropertySheet sheet(densityAndVaporPressure(), chemeng::test::fixtureDir("density"),
                            log.presenter());
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        QCOMPARE(sheet.tabs()->tabText(0), QString("Density of Liquid"));
        const QWidget& page = *sheet.tabs()->widget(0);
        QVERIFY(control<QRadioButton>(page, DensityCtl::Celsius)->isChecked());

        clickItem(control<QListWidget>(page, DensityCtl::MainFormulas), 1);
        QCOMPARE(shown(page, DensityCtl::Name), QString("TESTLIQUID"));
        QCOMPARE(shown(page, DensityCtl::A), QString("0.3"));
        click(control<QRadioButton>(page, DensityCtl::Kelvin));
        QVERIFY(!control<QRadioButton>(page, DensityCtl::Celsius)->isChecked());
        auto* temperature = control<QLineEdit>(page, DensityCtl::Temperature);
        typeInto(temperature, "300");
        QTest::keyClick(temperature, Qt::Key_Return);
        QVERIFY(sheet.isVisible());
        QCOMPARE(shown(page, DensityCtl::Density), QString("0.935"));

        // A Miscellaneous compound: tabulated values, locked inputs, Enter idle.
        clickItem(control<QListWidget>(page, DensityCtl::MiscFormulas), 1);  // HCl, NH3, X9
        QCOMPARE(shown(page, DensityCtl::Formula), QString("NH3"));
        QCOMPARE(shown(page, DensityCtl::Temperature), QString("240"));
        QCOMPARE(shown(page, DensityCtl::Density), QString("0.68"));
        QVERIFY(temperature->isReadOnly());
        QTest::keyClick(temperature, Qt::Key_Return);
        QVERIFY(log.messages.isEmpty());
        click(control<QPushButton>(page, DensityCtl::Ok));
        QCOMPARE(log.messages, QStringList{"No Data Available for this compound"});
        QCOMPARE(shown(page, DensityCtl::Density), QString());  // refused: nothing computed
    }

    void vaporPressureComputesWithOkAndEnter() {
        chemeng::ui::test::MessageLog log;
        PropertySheet sheet(densityAndVaporPressure(), chemeng::test::fixtureDir("density"),
                            log.presenter());
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        sheet.tabs()->setCurrentIndex(1);
        QCOMPARE(sheet.tabs()->tabText(1), QString("Vapor Pressure"));
        const QWidget& page = *sheet.tabs()->widget(1);
        QVERIFY(log.messages.isEmpty());

        clickItem(control<QListWidget>(page, VaporPressureCtl::MainFormulas), 0);
        QCOMPARE(shown(page, VaporPressureCtl::Name), QString("WATER"));
        QCOMPARE(shown(page, VaporPressureCtl::B), QString("1730.63"));
        auto* temperature = control<QLineEdit>(page, VaporPressureCtl::Temperature);
        typeInto(temperature, "100");
        click(control<QPushButton>(page, VaporPressureCtl::Ok));
        QCOMPARE(shown(page, VaporPressureCtl::Pressure), QString("760.086"));

        click(control<QRadioButton>(page, VaporPressureCtl::Fahrenheit));
        typeInto(temperature, "50");
        QTest::keyClick(temperature, Qt::Key_Enter);
        QVERIFY(sheet.isVisible());
        QCOMPARE(shown(page, VaporPressureCtl::Pressure), QString("9.159"));
        typeInto(temperature, "nan");
        QTest::keyClick(temperature, Qt::Key_Return);
        QCOMPARE(log.messages, QStringList{"Temperature: 'nan' is not a number"});
        QCOMPARE(shown(page, VaporPressureCtl::Pressure), QString());
    }
};

QTEST_MAIN(DensityVaporPressureUiTest)
#include "density_vapor_pressure_ui_test.moc"
