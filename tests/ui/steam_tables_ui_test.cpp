// The Steam Tables page in a real window: a saturation and a superheated
// computation driven through its widgets.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "app/property_sheet.h"
#include "pages/page_catalogue.h"
#include "pages/steam_tables_layout.h"
#include "pages/steam_tables_page.h"
#include "support/fixture_paths.h"
#include "ui_test_support.h"

using namespace chemeng;
using namespace chemeng::ui;
namespace C = SteamTablesCtl;

namespace {
std::vector<PageEntry> steamOnly() {
    return {pageEntry(PageKind::SteamTables)};
}
}  // namespace

class SteamTablesUiTest : public QObject {
    Q_OBJECT
  private:
    template <typename T>
    T* control(PropertySheet& sheet, int id) {
        T* widget = sheet.findChild<T*>(QString::number(id));
        if (widget == nullptr) qFatal("control %d missing", id);
        return widget;
    }
    // On its indicator: a radio answers only clicks on its indicator and label.
    void clickRadio(PropertySheet& sheet, int id) {
        auto* radio = control<QRadioButton>(sheet, id);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    }
    QString text(PropertySheet& sheet, int id) { return control<QLineEdit>(sheet, id)->text(); }

  private slots:
    void initTestCase() { chemeng::ui::test::installModalGuard(); }

    void saturationAtATemperatureThenSuperheatedSteam() {
        chemeng::ui::test::MessageLog log;
        PropertySheet sheet(steamOnly(), chemeng::test::fixtureDir("steam"), log.presenter());
        sheet.resize(1000, 600);
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        QVERIFY(log.messages.isEmpty());

        // Saturation at 100 °C in SI units, by Enter in the temperature edit.
        clickRadio(sheet, C::SI);
        QVERIFY(control<QRadioButton>(sheet, C::SI)->isChecked());
        QVERIFY(control<QRadioButton>(sheet, C::TemperatureChoice)->isChecked());
        auto* temperature = control<QLineEdit>(sheet, C::Temperature);
        QVERIFY(!temperature->isReadOnly());
        QTest::keyClicks(temperature, "100");
        QTest::keyClick(temperature, Qt::Key_Return);
        QVERIFY2(log.messages.isEmpty(), qPrintable(log.messages.join("; ")));
        QCOMPARE(text(sheet, C::VapourVolume).left(4), QString("1.67"));
        QCOMPARE(text(sheet, C::VapourEnthalpy).left(5), QString("2675."));
        QVERIFY(text(sheet, C::MixtureVolume).isEmpty());
        if (const char* path = std::getenv("STEAM_SCREENSHOT_SATURATION")) sheet.grab().save(path);

        // Superheated steam at 200 °C and 100 kPa, by the OK button.
        clickRadio(sheet, C::SuperheatedMode);
        QVERIFY(control<QRadioButton>(sheet, C::SuperheatedMode)->isChecked());
        clickRadio(sheet, C::TemperatureChoice);
        QVERIFY(control<QRadioButton>(sheet, C::TemperatureChoice)->isChecked());
        clickRadio(sheet, C::PressureChoice);
        QVERIFY(control<QRadioButton>(sheet, C::TemperatureChoice)->isChecked());
        QVERIFY(control<QRadioButton>(sheet, C::PressureChoice)->isChecked());
        QVERIFY(control<QRadioButton>(sheet, C::SuperheatedMode)->isChecked());
        QVERIFY(!control<QRadioButton>(sheet, C::SaturationMode)->isChecked());
        QVERIFY(control<QLineEdit>(sheet, C::VapourVolume)->isReadOnly());
        temperature->clear();
        QTest::keyClicks(temperature, "200");
        auto* pressure = control<QLineEdit>(sheet, C::Pressure);
        pressure->clear();
        QTest::keyClicks(pressure, "100");
        QTest::mouseClick(control<QPushButton>(sheet, C::Ok), Qt::LeftButton);
        QVERIFY2(log.messages.isEmpty(), qPrintable(log.messages.join("; ")));
        QCOMPARE(text(sheet, C::Quality), QString("superheated"));
        QCOMPARE(text(sheet, C::VapourVolume).left(4), QString("2.17"));
        QCOMPARE(text(sheet, C::VapourEnthalpy).left(3), QString("287"));
        QVERIFY(text(sheet, C::LiquidVolume).isEmpty());
        if (const char* path = std::getenv("STEAM_SCREENSHOT_SUPERHEATED")) sheet.grab().save(path);
    }
};

QTEST_MAIN(SteamTablesUiTest)
#include "steam_tables_ui_test.moc"
