#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "app/property_sheet.h"
#include "pages/enthalpies.h"
#include "pages/enthalpies_layout.h"
#include "pages/heat_caps.h"
#include "pages/heat_caps_layout.h"
#include "pages/page_catalogue.h"
#include "support/fixture_paths.h"
#include "ui_test_support.h"

using chemeng::CEnthalpies;
using chemeng::CHeatCaps;
using chemeng::Dialog;
using chemeng::enthalpiesLayout;
using chemeng::heatCapsLayout;
using chemeng::Page;
namespace EnthalpiesCtl = chemeng::EnthalpiesCtl;
namespace HeatCapsCtl = chemeng::HeatCapsCtl;
using chemeng::PageEntry;
using chemeng::ui::PropertySheet;
namespace uitest = chemeng::ui::test;

namespace {

std::vector<PageEntry> heatCapacityPages() {
    return {chemeng::pageEntry(chemeng::PageKind::HeatCapacities),
            chemeng::pageEntry(chemeng::PageKind::Enthalpies)};
}

template <class W>
W* control(QWidget* page, int id) {
    auto* widget = page->findChild<W*>(QString::number(id));
    if (widget == nullptr) qFatal("control %d missing", id);
    return widget;
}

// Picks an item of a combo as the user does: the item becomes current and
// the combo reports it as activated.
void choose(QWidget* page, int comboId, const QString& text) {
    auto* combo = control<QComboBox>(page, comboId);
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

}  // namespace

class HeatCapacityPagesUiTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { uitest::installModalGuard(); }

    void heatCapacityOfAGasWithEnterThenLiquidWithOk() {
        uitest::MessageLog log;
        PropertySheet sheet(heatCapacityPages(), chemeng::test::fixtureDir("heat_caps"),
                            log.presenter());
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        QWidget* page = sheet.tabs()->widget(0);
        QCOMPARE(sheet.tabs()->tabText(0), QString("Heat Capacities"));

        choose(page, HeatCapsCtl::GroupMtoQ, "METHANE");
        QCOMPARE(control<QLineEdit>(page, HeatCapsCtl::Name)->text(), QString("METHANE"));
        QCOMPARE(control<QLineEdit>(page, HeatCapsCtl::GasTmax)->text(), QString("1000"));
        auto* temperature = control<QLineEdit>(page, HeatCapsCtl::Temperature);
        QTest::keyClicks(temperature, "25");
        QTest::keyClick(temperature, Qt::Key_Return);
        QVERIFY(log.messages.isEmpty());
        QCOMPARE(control<QLineEdit>(page, HeatCapsCtl::Cp)->text(), QString("50.65"));
        QVERIFY(sheet.isVisible());

        // The phase radios and the unit radios check independently.
        QTest::mouseClick(control<QRadioButton>(page, HeatCapsCtl::Liquid), Qt::LeftButton);
        QVERIFY(control<QRadioButton>(page, HeatCapsCtl::Liquid)->isChecked());
        QVERIFY(!control<QRadioButton>(page, HeatCapsCtl::Gas)->isChecked());
        QVERIFY(control<QRadioButton>(page, HeatCapsCtl::Celsius)->isChecked());
        QCOMPARE(control<QLineEdit>(page, HeatCapsCtl::Cp)->text(), QString());  // gas result gone
        QTest::mouseClick(control<QRadioButton>(page, HeatCapsCtl::Kelvin), Qt::LeftButton);
        QVERIFY(control<QRadioButton>(page, HeatCapsCtl::Liquid)->isChecked());
        QVERIFY(!control<QRadioButton>(page, HeatCapsCtl::Celsius)->isChecked());

        QTest::mouseClick(control<QPushButton>(page, HeatCapsCtl::Ok), Qt::LeftButton);
        QCOMPARE(log.messages, QStringList{"This compound doesn't have the result"});
        QCOMPARE(control<QLineEdit>(page, HeatCapsCtl::Cp)->text(), QString());
    }

    void enthalpyChangeWithBothTemperaturesAndEnter() {
        uitest::MessageLog log;
        PropertySheet sheet(heatCapacityPages(), chemeng::test::fixtureDir("heat_caps"),
                            log.presenter());
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        sheet.tabs()->setCurrentIndex(1);
        QWidget* page = sheet.tabs()->widget(1);
        QCOMPARE(sheet.tabs()->tabText(1), QString("Enthalpies"));

        choose(page, EnthalpiesCtl::GroupMtoQ, "PHOSGENE");
        QTest::mouseClick(control<QRadioButton>(page, EnthalpiesCtl::Kelvin), Qt::LeftButton);
        auto* temperature = control<QLineEdit>(page, EnthalpiesCtl::Temperature);
        auto* reference = control<QLineEdit>(page, EnthalpiesCtl::ReferenceTemperature);
        QTest::keyClicks(temperature, "400");
        QTest::keyClick(temperature, Qt::Key_Return);  // the reference is still empty
        QCOMPARE(log.messages, QStringList{"Input Temperature"});
        log.messages.clear();

        QTest::keyClicks(reference, "298");
        QTest::keyClick(reference, Qt::Key_Return);
        QVERIFY(log.messages.isEmpty());
        QCOMPARE(control<QLineEdit>(page, EnthalpiesCtl::H)->text(), QString("3060"));
        QCOMPARE(control<QLineEdit>(page, EnthalpiesCtl::GasA1)->text(), QString("30"));
        QVERIFY(control<QRadioButton>(page, EnthalpiesCtl::Gas)->isChecked());
        QVERIFY(sheet.isVisible());
    }
};

QTEST_MAIN(HeatCapacityPagesUiTest)
#include "heat_capacity_pages_ui_test.moc"
