#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

#include "app/property_sheet.h"
#include "pages/page_catalogue.h"
#include "pages/phys_props.h"
#include "pages/phys_props_layout.h"
#include "support/fixture_paths.h"
#include "ui_test_support.h"

using chemeng::CPhysProps;
using chemeng::Dialog;
using chemeng::physPropsLayout;
namespace PhysPropsCtl = chemeng::PhysPropsCtl;
using namespace chemeng::ui;

namespace {

std::vector<chemeng::PageEntry> physPropsOnly() {
    return {chemeng::pageEntry(chemeng::PageKind::PhysicalProperties)};
}

template <typename W>
W* control(const QWidget& sheet, int id) {
    return sheet.findChild<W*>(QString::number(id));
}

QString shown(const QWidget& sheet, int id) {
    const auto* edit = control<QLineEdit>(sheet, id);
    return edit == nullptr ? QString("<no edit %1>").arg(id) : edit->text();
}

void clickItem(QListWidget* list, int row) {
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

}  // namespace

class PhysPropsUiTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { chemeng::ui::test::installModalGuard(); }

    void showsTheChosenCompoundInTheEdits() {
        chemeng::ui::test::MessageLog log;
        PropertySheet sheet(physPropsOnly(), chemeng::test::fixtureDir("phys_props"),
                            log.presenter());
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        QCOMPARE(sheet.tabs()->tabText(0), QString("Physical Properties"));
        QVERIFY(log.messages.isEmpty());

        // Nothing is chosen, and no combo shows an item, until a choice.
        auto* aToD = control<QComboBox>(sheet, PhysPropsCtl::GroupAtoD);
        QVERIFY(aToD != nullptr);
        QCOMPARE(aToD->currentText(), QString());
        QCOMPARE(shown(sheet, PhysPropsCtl::Name), QString());

        // Down arrows in the combo: ACETONE, ACETONE (a second row of that
        // name shows the first), BENZENE.
        aToD->setFocus();
        QTest::keyClick(aToD, Qt::Key_Down);
        QCOMPARE(aToD->currentText(), QString("ACETONE"));
        QCOMPARE(shown(sheet, PhysPropsCtl::MolecularWeight), QString("58.08"));
        QTest::keyClick(aToD, Qt::Key_Down);
        QCOMPARE(aToD->currentIndex(), 1);
        QCOMPARE(shown(sheet, PhysPropsCtl::MolecularWeight), QString("58.08"));
        QTest::keyClick(aToD, Qt::Key_Down);
        QCOMPARE(aToD->currentText(), QString("BENZENE"));
        QCOMPARE(shown(sheet, PhysPropsCtl::Name), QString("BENZENE"));
        QCOMPARE(shown(sheet, PhysPropsCtl::CriticalTemperature), QString("562.2"));
        QCOMPARE(shown(sheet, PhysPropsCtl::CriticalDensity), QString());  // no volume
        QCOMPARE(shown(sheet, PhysPropsCtl::EnthalpyOfVaporization), QString("30.720"));

        auto* formulas = control<QListWidget>(sheet, PhysPropsCtl::MainFormulas);
        QVERIFY(formulas != nullptr);
        clickItem(formulas, 1);
        QCOMPARE(shown(sheet, PhysPropsCtl::Name), QString("WATER"));
        QCOMPARE(shown(sheet, PhysPropsCtl::CriticalDensity), QString("0.322"));
        QCOMPARE(shown(sheet, PhysPropsCtl::EnthalpyOfFormation), QString("  -241.8"));

        auto* miscFormulas = control<QListWidget>(sheet, PhysPropsCtl::MiscFormulas);
        QVERIFY(miscFormulas != nullptr);
        clickItem(miscFormulas, 1);  // sorted: CO2, NH3
        QCOMPARE(shown(sheet, PhysPropsCtl::Formula), QString("NH3"));
        QCOMPARE(shown(sheet, PhysPropsCtl::EnthalpyOfVaporization), QString(" 23.33"));

        // Enter in an edit: consumed, nothing changes, the window stays.
        auto* weight = control<QLineEdit>(sheet, PhysPropsCtl::MolecularWeight);
        weight->setFocus();
        QTest::keyClick(weight, Qt::Key_Return);
        QTest::keyClick(weight, Qt::Key_Enter);
        QVERIFY(sheet.isVisible());
        QCOMPARE(shown(sheet, PhysPropsCtl::MolecularWeight), QString("17.031"));
        QCOMPARE(shown(sheet, PhysPropsCtl::CriticalDensity), QString("0.235"));
        QVERIFY(log.messages.isEmpty());
    }

    void reportsMissingFilesOnce() {
        chemeng::ui::test::MessageLog log;
        PropertySheet sheet(physPropsOnly(), "/nonexistent-chemeng-data", log.presenter());
        sheet.show();
        QCOMPARE(log.messages, QStringList{"Error opening Critical.txt"});
        QCOMPARE(control<QListWidget>(sheet, PhysPropsCtl::MainFormulas)->count(), 0);
    }
};

QTEST_MAIN(PhysPropsUiTest)
#include "phys_props_ui_test.moc"
