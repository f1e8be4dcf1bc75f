// The window as a user meets it: every text whole at every size the window
// takes, nothing chosen by focus or by the wheel, locked fields told apart,
// the banner in its place. With CHEMENG_SCREENSHOT_DIR set (and a real
// display, e.g. under xvfb-run with QT_QPA_PLATFORM=xcb) the opening test
// also saves a picture of the screen per tab there.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

#include "app/property_sheet.h"
#include "pages/density_layout.h"
#include "pages/enthalpies_layout.h"
#include "pages/heat_caps_layout.h"
#include "pages/page_catalogue.h"
#include "pages/phys_props_layout.h"
#include "pages/steam_tables_layout.h"
#include "pages/vapor_pressure_layout.h"
#include "support/fixture_paths.h"
#include "ui_test_support.h"

using namespace chemeng;
using chemeng::ui::PropertySheet;

namespace {

enum Tab { kPhysProps, kHeatCaps, kEnthalpies, kDensity, kVaporPressure, kSteam };

template <class W>
W* control(QWidget* page, int id) {
    auto* widget = page->findChild<W*>(QString::number(id));
    if (widget == nullptr) qFatal("control %d missing", id);
    return widget;
}

QString shown(QWidget* page, int id) {
    return control<QLineEdit>(page, id)->text();
}

QString where(const QWidget* widget) {
    const QString name = widget->objectName();
    return QString("%1 %2").arg(widget->metaObject()->className(), name);
}

// The room a line edit has for its text (the toolkit keeps 2 pixels clear at
// each side inside the frame).
int textRoom(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * 2;
}

bool editShowsWholeText(const QLineEdit* edit) {
    return edit->fontMetrics().horizontalAdvance(edit->text()) <= textRoom(edit);
}

int comboTextRoom(const QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = false;
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    return field.width() - 2;
}

QRect rectIn(const QWidget* widget, const QWidget* page) {
    return QRect(widget->mapTo(page, QPoint(0, 0)), widget->size());
}

bool isInside(const QWidget* widget, const QWidget* ancestor) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget())
        if (w == ancestor) return true;
    return false;
}

// Everything a user could find cut off or covered on one page, at the size
// the page has now.
QStringList layoutFaults(QWidget* page) {
    QStringList faults;
    const QRect pageRect = page->rect();
    QList<QWidget*> shownWidgets;
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(page) || widget->parentWidget() == nullptr) continue;
        // Parts of compound widgets (scroll bars, viewports) are theirs to place.
        const QWidget* parent = widget->parentWidget();
        if (parent != page && qobject_cast<const QGroupBox*>(parent) == nullptr) continue;
        shownWidgets << widget;
        const QRect rect = rectIn(widget, page);
        if (!pageRect.contains(rect))
            faults << QString("%1 runs over the page edge").arg(where(widget));
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            const bool fits = label->wordWrap()
                                  ? label->heightForWidth(label->width()) <= label->height()
                                  : label->fontMetrics().horizontalAdvance(label->text()) <=
                                        label->contentsRect().width();
            if (!fits) faults << QString("label '%1' is cut").arg(label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (button->sizeHint().width() > button->width())
                faults << QString("'%1' is cut").arg(button->text());
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            if (!editShowsWholeText(edit))
                faults << QString("edit %1 shows '%2' cut").arg(edit->objectName(), edit->text());
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            if (combo->fontMetrics().horizontalAdvance(combo->currentText()) > comboTextRoom(combo))
                faults << QString("combo %1 shows '%2' cut")
                              .arg(combo->objectName(), combo->currentText());
        } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
            const int row = list->fontMetrics().height();
            if (list->viewport()->height() < 5 * row)
                faults << QString("list %1 shows fewer than five rows").arg(list->objectName());
        }
    }
    // No control covers another; a group box holds what lies inside it.
    for (int i = 0; i < shownWidgets.size(); ++i) {
        for (int j = i + 1; j < shownWidgets.size(); ++j) {
            QWidget* a = shownWidgets[i];
            QWidget* b = shownWidgets[j];
            if (isInside(a, b) || isInside(b, a)) continue;
            if (auto* box = qobject_cast<QGroupBox*>(a); box != nullptr && isInside(b, box))
                continue;
            if (rectIn(a, page).intersects(rectIn(b, page)))
                faults << QString("%1 and %2 overlap").arg(where(a), where(b));
        }
    }
    for (QGroupBox* box : page->findChildren<QGroupBox*>()) {
        const QRect inside(box->mapTo(page, box->contentsRect().topLeft()),
                           box->contentsRect().size());
        for (QWidget* widget : box->findChildren<QWidget*>()) {
            if (widget->parentWidget() == box && widget->isVisibleTo(page) &&
                !inside.contains(rectIn(widget, page)))
                faults << QString("%1 crosses its frame").arg(where(widget));
        }
    }
    return faults;
}

// The banner's left end is dark blue; the strip around it is not. x and
// yFromBottom are in the window's own (logical) pixels.
bool bannerAt(const QImage& window, int x, int yFromBottom) {
    const double scale = window.devicePixelRatio();
    const auto pixel = [&](int px, int py) {
        return window.pixelColor(static_cast<int>(px * scale), static_cast<int>(py * scale));
    };
    const int height = static_cast<int>(window.height() / scale);
    const QColor inside = pixel(x + 2, height - yFromBottom + 8);
    const QColor before = pixel(x - 4, height - yFromBottom + 8);
    const QColor above = pixel(x + 2, height - yFromBottom - 3);
    return inside.blue() > inside.red() + 40 && before != inside && above != inside;
}

void chooseByKeyboard(QComboBox* combo) {
    combo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(combo, Qt::Key_Down);
}

void sendWheel(QWidget* widget, int angle) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

struct Window {
    ui::test::MessageLog log;
    PropertySheet sheet{pageCatalogue(), chemeng::test::shippedDataDir(), log.presenter()};
    Window() {
        sheet.show();
        if (!QTest::qWaitForWindowExposed(&sheet)) qFatal("the window never showed");
        sheet.activateWindow();
        if (!QTest::qWaitForWindowActive(&sheet)) qWarning("the window is not active");
    }
    QWidget* page(int tab) {
        sheet.tabs()->setCurrentIndex(tab);
        return sheet.tabs()->widget(tab);
    }
};

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { ui::test::installModalGuard(); }

    void everyValueTheDataGiveFitsItsEdit();
    void everyNameFitsItsCombo();
    void opensShowingEverythingAndNeverShrinksBelowIt();
    void drawsTheBannerAtEverySize();
    void focusEnteringAListChoosesNothing();
    void theWheelChoosesOnlyInAFocusedCombo();
    void combosShowNothingUntilTheUserChooses();
    void lockedEditsLookDifferentFromOpenOnes();
    void letterGroupDropDownsScroll();
    void leavingAPageWithTextThatIsNotANumberIsRefused();
    void equationsAndRowsReadInOrder();
};

void WindowTest::everyValueTheDataGiveFitsItsEdit() {
    Window window;
    window.sheet.resize(1, 1);  // the smallest the window lets itself be
    // The heat-capacity pages show each phase's coefficients in its own edits.
    struct PageCase {
        Tab tab;
        int mainFormulas, miscFormulas, gas, liquid;
    };
    const PageCase cases[] = {
        {kPhysProps, PhysPropsCtl::MainFormulas, PhysPropsCtl::MiscFormulas, 0, 0},
        {kHeatCaps, HeatCapsCtl::MainFormulas, HeatCapsCtl::MiscFormulas, HeatCapsCtl::Gas,
         HeatCapsCtl::Liquid},
        {kEnthalpies, EnthalpiesCtl::MainFormulas, EnthalpiesCtl::MiscFormulas, EnthalpiesCtl::Gas,
         EnthalpiesCtl::Liquid},
        {kDensity, DensityCtl::MainFormulas, DensityCtl::MiscFormulas, 0, 0},
        {kVaporPressure, VaporPressureCtl::MainFormulas, VaporPressureCtl::MiscFormulas, 0, 0},
    };
    for (const PageCase& c : cases) {
        QWidget* page = window.page(c.tab);
        const auto edits = page->findChildren<QLineEdit*>();
        int checked = 0;
        for (int phase : {c.gas, c.liquid}) {
            if (phase != 0) QTest::mouseClick(control<QRadioButton>(page, phase), Qt::LeftButton);
            for (int listId : {c.mainFormulas, c.miscFormulas}) {
                auto* list = control<QListWidget>(page, listId);
                for (int row = 0; row < list->count(); ++row) {
                    list->setCurrentRow(row);
                    for (QLineEdit* edit : edits) {
                        QVERIFY2(editShowsWholeText(edit),
                                 qPrintable(QString("%1, row %2 of list %3: edit %4 shows '%5' cut")
                                                .arg(window.sheet.tabs()->tabText(c.tab))
                                                .arg(row)
                                                .arg(listId)
                                                .arg(edit->objectName(), edit->text())));
                        ++checked;
                    }
                }
            }
            if (phase == 0) break;
        }
        QVERIFY(checked > 100);
    }
}

void WindowTest::everyNameFitsItsCombo() {
    Window window;
    for (int tab : {kPhysProps, kHeatCaps, kEnthalpies, kDensity, kVaporPressure}) {
        QWidget* page = window.page(tab);
        for (QComboBox* combo : page->findChildren<QComboBox*>()) {
            QVERIFY(combo->count() > 0);
            for (int i = 0; i < combo->count(); ++i) {
                const QString name = combo->itemText(i);
                QVERIFY2(combo->fontMetrics().horizontalAdvance(name) <= comboTextRoom(combo),
                         qPrintable(QString("tab %1, combo %2: '%3' is cut")
                                        .arg(tab)
                                        .arg(combo->objectName(), name)));
            }
        }
    }
}

void WindowTest::opensShowingEverythingAndNeverShrinksBelowIt() {
    Window window;
    PropertySheet& sheet = window.sheet;
    const QRect screen = sheet.screen()->availableGeometry();
    if (sheet.minimumSizeHint().width() <= screen.width() &&
        sheet.minimumSizeHint().height() <= screen.height()) {
        QVERIFY(sheet.width() <= screen.width() && sheet.height() <= screen.height());
    }
    const QByteArray shotDir = qgetenv("CHEMENG_SCREENSHOT_DIR");
    // Long values shown: the Enthalpies page's A4 of ethane is among the longest.
    QWidget* enthalpies = window.page(kEnthalpies);
    auto* formulas = control<QListWidget>(enthalpies, EnthalpiesCtl::MainFormulas);
    const auto ethane = formulas->findItems("C2H6", Qt::MatchExactly);
    QVERIFY(!ethane.isEmpty());
    formulas->setCurrentItem(ethane.front());
    QVERIFY(!shown(enthalpies, EnthalpiesCtl::GasA4).isEmpty());

    const QSize opening = sheet.size();
    for (const QSize& size : {opening, QSize(1, 1), opening * 1.4}) {
        sheet.resize(size);
        QTest::qWait(20);
        QVERIFY2(sheet.width() >= sheet.minimumSizeHint().width() &&
                     sheet.height() >= sheet.minimumSizeHint().height(),
                 "the window shrank below its content");
        for (int tab = 0; tab < sheet.tabs()->count(); ++tab) {
            QWidget* page = window.page(tab);
            QCoreApplication::processEvents();
            const QStringList faults = layoutFaults(page);
            QVERIFY2(faults.isEmpty(), qPrintable(QString("%1 at %2x%3: %4")
                                                      .arg(sheet.tabs()->tabText(tab))
                                                      .arg(sheet.width())
                                                      .arg(sheet.height())
                                                      .arg(faults.join("; "))));
            if (!shotDir.isEmpty() && size == opening) {
                QTest::qWait(200);
                const QPixmap shot = sheet.screen()->grabWindow(0);
                QVERIFY(shot.save(
                    QString("%1/tab%2.png").arg(QString::fromLocal8Bit(shotDir)).arg(tab)));
            }
        }
    }
}

void WindowTest::drawsTheBannerAtEverySize() {
    Window window;
    PropertySheet& sheet = window.sheet;
    const QSize opening = sheet.size();
    for (const QSize& size : {opening, QSize(1, 1), opening * 1.3}) {
        sheet.resize(size);
        QTest::qWait(20);
        const QImage image = sheet.grab().toImage();
        QVERIFY2(
            bannerAt(image, 10, 25),
            qPrintable(
                QString("no banner at 10, -25 in %1x%2").arg(image.width()).arg(image.height())));
    }
}

void WindowTest::focusEnteringAListChoosesNothing() {
    Window window;
    for (int tab : {kHeatCaps, kDensity}) {
        QWidget* page = window.page(tab);
        // Both pages number these controls alike.
        auto* group = control<QComboBox>(page, DensityCtl::GroupAtoD);
        chooseByKeyboard(group);
        const QString name = shown(page, DensityCtl::Name);
        QVERIFY(!name.isEmpty());
        auto* temperature = control<QLineEdit>(page, DensityCtl::Temperature);
        temperature->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(temperature, "25");

        // Tab from the Miscellaneous names into the two formula lists.
        auto* misc = control<QComboBox>(page, DensityCtl::MiscNames);
        misc->setFocus(Qt::TabFocusReason);
        auto* mainList = control<QListWidget>(page, DensityCtl::MainFormulas);
        auto* miscList = control<QListWidget>(page, DensityCtl::MiscFormulas);
        QTest::keyClick(misc, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), mainList);
        QTest::keyClick(mainList, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), miscList);
        QCOMPARE(shown(page, DensityCtl::Name), name);
        QCOMPARE(temperature->text(), QString("25"));
        QVERIFY(mainList->selectedItems().isEmpty());
        QVERIFY(miscList->selectedItems().isEmpty());

        // The first arrow key then chooses the first formula.
        QTest::keyClick(miscList, Qt::Key_Down);
        QCOMPARE(miscList->currentRow(), 0);
        QVERIFY(shown(page, DensityCtl::Name) != name);
    }
    QVERIFY(window.log.messages.isEmpty());
}

void WindowTest::theWheelChoosesOnlyInAFocusedCombo() {
    Window window;
    QWidget* page = window.page(kVaporPressure);
    auto* group = control<QComboBox>(page, VaporPressureCtl::GroupEtoH);
    auto* other = control<QLineEdit>(page, VaporPressureCtl::Temperature);
    other->setFocus(Qt::MouseFocusReason);
    sendWheel(group, -120);
    sendWheel(group, 120);
    sendWheel(group, -120);
    QCOMPARE(group->currentIndex(), -1);
    QCOMPARE(shown(page, VaporPressureCtl::Name), QString());

    group->setFocus(Qt::TabFocusReason);
    sendWheel(group, -120);
    QCOMPARE(group->currentIndex(), 0);
    QCOMPARE(shown(page, VaporPressureCtl::Name), group->itemText(0));
}

void WindowTest::combosShowNothingUntilTheUserChooses() {
    Window window;
    for (int tab : {kPhysProps, kHeatCaps, kEnthalpies, kDensity, kVaporPressure}) {
        QWidget* page = window.page(tab);
        const auto combos = page->findChildren<QComboBox*>();
        QCOMPARE(combos.size(), 6);
        for (QComboBox* combo : combos) QCOMPARE(combo->currentText(), QString());
        chooseByKeyboard(combos.front());
        QCOMPARE(combos.front()->currentIndex(), 0);
        for (QComboBox* combo : combos.mid(1)) QCOMPARE(combo->currentText(), QString());
    }
}

void WindowTest::lockedEditsLookDifferentFromOpenOnes() {
    Window window;
    QWidget* page = window.page(kHeatCaps);
    auto* locked = control<QLineEdit>(page, HeatCapsCtl::GasTmin);
    auto* open = control<QLineEdit>(page, HeatCapsCtl::Temperature);
    QVERIFY(locked->isReadOnly() && !open->isReadOnly());
    const auto background = [](QLineEdit* edit) {
        edit->clear();
        return edit->grab().toImage().pixelColor(5, edit->height() / 2);
    };
    QVERIFY(background(locked) != background(open));

    // The steam page locks and unlocks as the user chooses; the look follows.
    QWidget* steam = window.page(kSteam);
    auto* temperature = control<QLineEdit>(steam, SteamTablesCtl::Temperature);
    auto* pressure = control<QLineEdit>(steam, SteamTablesCtl::Pressure);
    QTest::mouseClick(control<QRadioButton>(steam, SteamTablesCtl::PressureChoice), Qt::LeftButton,
                      {}, QPoint(6, 6));
    QVERIFY(temperature->isReadOnly() && !pressure->isReadOnly());
    QVERIFY(background(temperature) != background(pressure));
    QCOMPARE(background(pressure), background(open));
}

void WindowTest::letterGroupDropDownsScroll() {
    Window window;
    QWidget* page = window.page(kHeatCaps);
    auto* group = control<QComboBox>(page, HeatCapsCtl::GroupAtoD);
    QVERIFY(group->count() > 40);
    group->showPopup();
    QTest::qWait(50);
    QAbstractItemView* view = group->view();
    const int rows = view->viewport()->height() / view->sizeHintForRow(0);
    group->hidePopup();
    QVERIFY2(rows >= 10 && rows <= 21, qPrintable(QString("%1 rows shown").arg(rows)));
    QVERIFY(view->verticalScrollBar()->maximum() > 0);
}

void WindowTest::leavingAPageWithTextThatIsNotANumberIsRefused() {
    Window window;
    QWidget* page = window.page(kVaporPressure);
    QTabBar* bar = window.sheet.tabs()->tabBar();
    // An Antoine constant: a number the page holds, open to typing.
    auto* coefficient = control<QLineEdit>(page, VaporPressureCtl::A);
    QVERIFY(!coefficient->isReadOnly());
    coefficient->setFocus(Qt::MouseFocusReason);
    coefficient->selectAll();
    QTest::keyClicks(coefficient, "12abc");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(kEnthalpies).center());
    QCOMPARE(window.log.messages, QStringList{"A: '12abc' is not a number"});
    QCOMPARE(window.sheet.tabs()->currentIndex(), int(kVaporPressure));
    QCOMPARE(QApplication::focusWidget(), coefficient);

    // A number, or nothing, lets the user go.
    coefficient->selectAll();
    QTest::keyClicks(coefficient, "12.5");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(kEnthalpies).center());
    QCOMPARE(window.sheet.tabs()->currentIndex(), int(kEnthalpies));
    window.page(kVaporPressure);
    coefficient->setFocus(Qt::MouseFocusReason);
    coefficient->selectAll();
    QTest::keyClick(coefficient, Qt::Key_Backspace);
    QCOMPARE(coefficient->text(), QString());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(kSteam).center());
    QCOMPARE(window.sheet.tabs()->currentIndex(), int(kSteam));

    // Text fields that are not numbers (a temperature) are the page's own
    // business, and a value the page put there never keeps the user.
    window.page(kVaporPressure);
    QWidget* vapor = window.sheet.tabs()->widget(kVaporPressure);
    auto* temperature = control<QLineEdit>(vapor, VaporPressureCtl::Temperature);
    temperature->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(temperature, "warm");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(kPhysProps).center());
    QCOMPARE(window.sheet.tabs()->currentIndex(), int(kPhysProps));
    QCOMPARE(window.log.messages.size(), 1);
}

void WindowTest::equationsAndRowsReadInOrder() {
    Window window;
    const auto centreY = [](QWidget* page, QWidget* widget) {
        return rectIn(widget, page).center().y();
    };
    const auto labelled = [](QWidget* page, const QString& text) -> QWidget* {
        for (QLabel* label : page->findChildren<QLabel*>())
            if (label->text() == text) return label;
        qFatal("no label %s", qPrintable(text));
        return nullptr;
    };
    // One row, left to right, each after the one before.
    const auto checkRow = [&](QWidget* page, const QList<QWidget*>& row) {
        for (int i = 1; i < row.size(); ++i) {
            QVERIFY2(qAbs(centreY(page, row[i]) - centreY(page, row[0])) <= 3,
                     qPrintable(where(row[i]) + " is off the row"));
            QVERIFY2(rectIn(row[i], page).left() >= rectIn(row[i - 1], page).right(),
                     qPrintable(where(row[i]) + " is out of order"));
        }
    };

    QWidget* steam = window.page(kSteam);
    checkRow(steam, {control<QPushButton>(steam, SteamTablesCtl::Ok),
                     control<QPushButton>(steam, SteamTablesCtl::Clear), labelled(steam, "Liquid"),
                     labelled(steam, "Vapor"), labelled(steam, "Mixture"),
                     control<QRadioButton>(steam, SteamTablesCtl::American),
                     control<QRadioButton>(steam, SteamTablesCtl::SI)});

    if (QTest::currentTestFailed()) return;
    QWidget* vapor = window.page(kVaporPressure);
    checkRow(vapor, {labelled(vapor, "log10p*="), control<QLineEdit>(vapor, VaporPressureCtl::A),
                     labelled(vapor, "-"), control<QLineEdit>(vapor, VaporPressureCtl::B),
                     labelled(vapor, "/ (T +"), control<QLineEdit>(vapor, VaporPressureCtl::C),
                     labelled(vapor, ")")});

    if (QTest::currentTestFailed()) return;
    // rho = A * B^-(1-T/Tc)^(2/7) on one row, 2/7 set high after (1-T/Tc).
    QWidget* density = window.page(kDensity);
    auto* power = static_cast<QLabel*>(labelled(density, "2/7"));
    QWidget* b = control<QLineEdit>(density, DensityCtl::B);
    checkRow(density, {control<QLineEdit>(density, DensityCtl::A), labelled(density, "*"), b,
                       labelled(density, " - (1-T/Tc)")});
    if (QTest::currentTestFailed()) return;
    QVERIFY(rectIn(power, density).left() >=
            rectIn(labelled(density, " - (1-T/Tc)"), density).right());
    const int powerCentre = rectIn(power, density).top() + power->fontMetrics().height() / 2;
    QVERIFY(powerCentre < centreY(density, b) - 2);
    QVERIFY(power->font().pointSizeF() < b->font().pointSizeF());

    // The compound's name sits in a frame at the top of Physical Properties.
    QWidget* phys = window.page(kPhysProps);
    auto* name = control<QLineEdit>(phys, PhysPropsCtl::Name);
    QVERIFY(qobject_cast<QGroupBox*>(name->parentWidget()) != nullptr);
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
