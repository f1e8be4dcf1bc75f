// The whole window under a seeded stream of random user actions: clicks on
// radios and buttons, choices in combos and lists, random texts typed into
// edits, Enter, tab switches. After every action every edit of the page in
// front must show nothing, a finite number as the pages format numbers, a
// text from the data files, a phase word of the steam page, or a text the
// user typed there; every message must be one of the program's own.
//
// A longer run by hand:
//   CHEMENG_RANDOM_STEPS=100000 CHEMENG_RANDOM_SEED=7 QT_QPA_PLATFORM=offscreen
//   build/<dir>/tests/ui/random_input_test
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

#include "app/property_sheet.h"
#include "framework/number_format.h"
#include "pages/density.h"
#include "pages/enthalpies.h"
#include "pages/heat_caps.h"
#include "pages/page_catalogue.h"
#include "pages/steam_tables_page.h"
#include "pages/vapor_pressure.h"
#include "support/fixture_paths.h"
#include "ui_test_support.h"

using namespace chemeng;
using namespace chemeng::ui;

namespace {

constexpr int kDefaultSteps = 5000;
constexpr std::uint64_t kDefaultSeed = 20240611;
// A shown value longer than this is a runaway number, not a result.
constexpr qsizetype kSaneLength = 40;
// One action that takes longer than this counts as a hang.
constexpr qint64 kStepBound_ms = 10000;

enum Tab { kPhysProps, kHeatCaps, kEnthalpies, kDensity, kVaporPressure, kSteam, kTabCount };

// Every text the pages may show in a message box when the shipped data are
// complete (the load failures are not among them: with data/ in place they
// are faults).
const std::set<std::string>& programMessages() {
    static const std::set<std::string> texts{
        "Input Temperature",
        "Out of Range",
        "Result out of range",
        "No Data Available for this compound",
        "This compound doesn't have the result",
        "Input Pressure",
        "Input Quality",
        "Input Liquid Enthalpy",
        "Input Liquide Energy",
        "Input Vapor Volume",
        "Input volume",
        "Input Enthalpy",
        "Select a Property",
        "Select Two Properties",
        "Select Only Two Properties",
        "Select Temperature or Pressure with Quality",
        "Temperature is out of range",
        "Pressure is out of range",
        "Temperature is out of range (273.17 K to 1144.27 K)",
        "Pressure is out of range (0.6113 kPa to 41368 kPa)",
        "Temperature is out of range for saturation (253.15 K up to 647.096 K)",
        "Pressure is out of range for saturation (0.12545844 kPa up to 22064 kPa)",
        "State out of range of the steam formulation (273.17 K to 1144.27 K, 0.6113 kPa to "
        "41368 kPa)",
        "Volume must be a positive number",
        "Enthalpy must be a positive number",
        "out of range",
        "out of range on Pressure",
        "Too many iteration!",
    };
    return texts;
}

// A typed text refused by the name of its field: "Temperature: '12abc' is
// not a number".
bool isNotANumberMessage(const std::string& message) {
    const std::string tail = "' is not a number";
    const std::size_t quote = message.find(": '");
    return quote != std::string::npos && quote > 0 && message.size() >= tail.size() &&
           message.compare(message.size() - tail.size(), tail.size(), tail) == 0;
}

// Edits that show a text straight from a data file.
const std::set<int>& dataTextEdits(int tab) {
    static const std::array<std::set<int>, kTabCount> edits{
        std::set<int>{},  // Physical Properties: every edit, see isDataTextEdit
        std::set<int>{HeatCapsCtl::Name, HeatCapsCtl::Formula, HeatCapsCtl::MolecularWeight},
        std::set<int>{EnthalpiesCtl::Name, EnthalpiesCtl::Formula, EnthalpiesCtl::MolecularWeight},
        std::set<int>{DensityCtl::Name, DensityCtl::Formula, DensityCtl::MolecularWeight,
                      DensityCtl::A, DensityCtl::B, DensityCtl::Tmin, DensityCtl::Temperature},
        std::set<int>{VaporPressureCtl::Name, VaporPressureCtl::Formula, VaporPressureCtl::Tmin,
                      VaporPressureCtl::Tmax},
        std::set<int>{},
    };
    return edits[static_cast<std::size_t>(tab)];
}

bool isDataTextEdit(int tab, int id) {
    return tab == kPhysProps || dataTextEdits(tab).count(id) != 0;
}

std::string allDataText(const std::filesystem::path& dir) {
    std::string all;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.path().extension() != ".txt") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        all += content.str();
        all += '\n';
    }
    return all;
}

// A text exactly as one of the page formatters prints a finite number.
bool isFormattedNumber(const std::string& text) {
    if (text.empty() || static_cast<qsizetype>(text.size()) > kSaneLength) return false;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value)) return false;
    // The wrapped-around 32-bit step: a result the rounding could not hold.
    if (text == "-2147483.648") return false;
    return text == formatGeneral(value) || text == formatFixed3(value);
}

class Rng {
  public:
    explicit Rng(std::uint64_t seed) : m_engine(seed) {}
    // 0 .. n-1; plain modulo keeps a seed's run the same on every library.
    int below(int n) {
        return n <= 0 ? 0 : static_cast<int>(m_engine() % static_cast<unsigned>(n));
    }
    bool chance(int percent) { return below(100) < percent; }
    double unit() { return static_cast<double>(m_engine() >> 11) * 0x1.0p-53; }
    template <class T>
    const T& pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }

  private:
    std::mt19937_64 m_engine;
};

// Texts a user might type: plausible numbers, numbers at the pages' limits,
// hostile texts and plain garbage.
std::string randomText(Rng& rng) {
    static const std::vector<std::string> hostile{
        "",
        " ",
        "abc",
        "1e308",
        "-1e308",
        "1e-320",
        "nan",
        "-nan",
        "inf",
        "-inf",
        "INF",
        "0x10",
        "0x1p3",
        "1e400",
        "-1e400",
        "2147483.647",
        "2147483.648",
        "-2147483.648",
        "-2147483.649",
        "1e15",
        "1,5",
        "12abc",
        "+-3",
        ".",
        "-",
        "e5",
        "1e",
        "\t7",
        "  42  ",
        "0",
        "-0",
        "00000",
        "1e-5",
        "99999999999",
        "NaN(123)",
        "0x",
        "1.#INF",
        "1d3",
        "%s%s%n",
        "\xe9\xe8",
        "3.4e38",
        "4.9e-324",
    };
    // Range limits of the pages, in °C, °F, K, kPa and the other units.
    static const std::vector<double> limits{
        -273.15, -273.16, -459.67, 0.0,   0.01,    32.018, 100.0,   253.15,
        273.15,  273.16,  273.17,  280.0, 300.0,   373.94, 431.85,  647.096,
        705.0,   871.11,  1144.27, 1600., 0.6112,  0.7,    0.08865, 0.12545844,
        22000.0, 22064.0, 41368.0, 6000., 101.325, 760.0,  29.92,   14.7,
    };
    switch (rng.below(10)) {
        case 0:
        case 1:
        case 2: {  // an ordinary number
            const double value = (rng.unit() - 0.3) * std::pow(10.0, rng.below(5));
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%.*f", rng.below(5), value);
            return buffer;
        }
        case 3: {  // at or just past a limit
            const double step = rng.pick(std::vector<double>{0.0, 0.0, 1e-3, -1e-3, 1e-9, -1e-9});
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%.10g", rng.pick(limits) + step);
            return buffer;
        }
        case 4:
        case 5:
            return rng.pick(hostile);
        case 6: {  // a very long run of digits
            std::string digits(
                static_cast<std::size_t>(rng.chance(50) ? 10000 : 300 + rng.below(300)), '9');
            if (rng.chance(50)) digits.insert(digits.begin() + 1, '.');
            if (rng.chance(30)) digits = "0." + digits;
            if (rng.chance(30)) digits.insert(digits.begin(), '-');
            return digits;
        }
        case 7: {  // a number with a large exponent
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%de%d", rng.below(20) - 9, rng.below(700) - 350);
            return buffer;
        }
        default: {  // printable garbage
            std::string text;
            const int length = 1 + rng.below(16);
            for (int i = 0; i < length; ++i) text += static_cast<char>(' ' + rng.below(95));
            return text;
        }
    }
}

// A value that often makes a state of water in the units the steam page
// starts with, so that its solvers are reached and not only its range checks.
std::string plausibleSteamText(Rng& rng, int edit) {
    namespace S = SteamTablesCtl;
    double low = 0.0;
    double high = 100.0;  // quality, %
    switch (edit) {
        case S::Temperature:
            low = -20.0, high = 900.0;
            break;
        case S::Pressure:
            low = 0.1, high = 45000.0;
            break;
        case S::LiquidEnthalpy:
        case S::LiquidEnergy:
        case S::VapourEnthalpy:
            low = 0.0, high = 1800.0;  // Btu/lb
            break;
        case S::VapourVolume:
            low = 0.01, high = 3000.0;  // ft³/lb
            break;
        default:
            break;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", rng.below(4), low + (high - low) * rng.unit());
    return buffer;
}

std::uint64_t envNumber(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

}  // namespace

class RandomInputTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { chemeng::ui::test::installModalGuard(); }
    void randomActionsNeverShowGarbage();

  private:
    // The run's state: what was typed where, and the last actions for a report.
    struct Run {
        Run(QTabWidget* tabWidget, std::uint64_t seed) : tabs(tabWidget), rng(seed) {}
        QTabWidget* tabs;
        Rng rng;
        // (tab, control) -> every text the user has had in it; a page may
        // show an earlier one again (the text of its last computation).
        std::map<std::pair<int, int>, QSet<QString>> typed;
        std::deque<std::string> recent;
        std::string dataText;
        std::unordered_set<std::string> knownDataTexts;
        int seenMessages = 0;
        int negativeZeros = 0;
        std::set<std::string> negativeZeroEdits;
        std::array<int, kTabCount> resultsShown{};  // OK or Enter that changed the page quietly
        std::map<std::string, int> messageCounts;
    };

    static int controlId(const QObject* widget) {
        bool ok = false;
        const int id = widget->objectName().toInt(&ok);
        return ok ? id : 0;
    }
    template <class T>
    static std::vector<T*> controlsOf(QWidget* page) {
        std::vector<T*> found;
        for (T* widget : page->findChildren<T*>())
            if (controlId(widget) != 0) found.push_back(widget);
        return found;
    }

    static std::string act(Run& run);
    static QString checkShownFields(Run& run);
};

std::string RandomInputTest::act(Run& run) {
    Rng& rng = run.rng;
    const int tab = run.tabs->currentIndex();
    QWidget* page = run.tabs->currentWidget();
    const int roll = rng.below(100);

    if (roll < 4) {
        const int to = rng.below(run.tabs->count());
        QTabBar* bar = run.tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(to).center());
        return "tab " + std::to_string(to);
    }
    if (roll < 22) {
        const auto radios = controlsOf<QRadioButton>(page);
        if (radios.empty()) return "no radio";
        QRadioButton* radio = rng.pick(radios);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
        return "radio " + std::to_string(controlId(radio));
    }
    if (roll < 34) {
        const auto buttons = controlsOf<QPushButton>(page);
        if (buttons.empty()) return "no button";
        QPushButton* button = rng.pick(buttons);
        QTest::mouseClick(button, Qt::LeftButton);
        return "button " + std::to_string(controlId(button));
    }
    if (roll < 46) {
        const auto combos = controlsOf<QComboBox>(page);
        if (combos.empty()) return "no combo";
        QComboBox* combo = rng.pick(combos);
        if (combo->count() == 0) return "empty combo " + std::to_string(controlId(combo));
        const int index = rng.below(combo->count());
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        return "combo " + std::to_string(controlId(combo)) + " #" + std::to_string(index);
    }
    if (roll < 56) {
        const auto lists = controlsOf<QListWidget>(page);
        if (lists.empty()) return "no list";
        QListWidget* list = rng.pick(lists);
        if (list->count() == 0) return "empty list " + std::to_string(controlId(list));
        const int row = rng.below(list->count());
        list->setCurrentRow(row);
        std::string done = "list " + std::to_string(controlId(list)) + " #" + std::to_string(row);
        if (rng.chance(40)) {
            emit list->itemDoubleClicked(list->item(row));
            done += " double";
        }
        return done;
    }
    const auto edits = controlsOf<QLineEdit>(page);
    if (edits.empty()) return "no edit";
    QLineEdit* edit = rng.pick(edits);
    const int id = controlId(edit);
    if (roll < 70) {
        QTest::keyClick(rng.chance(80) ? static_cast<QWidget*>(edit) : page, Qt::Key_Return);
        return "enter at " + std::to_string(id);
    }
    // Typing: replace or append, key by key for short plain texts, pasted
    // otherwise (QTest has keys for printable ASCII only).
    const std::string text =
        tab == kSteam && rng.chance(40) ? plausibleSteamText(rng, id) : randomText(rng);
    const QString qtext = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    const QString before = edit->text();
    edit->setFocus();
    if (rng.chance(70))
        edit->selectAll();
    else
        edit->end(false);
    bool keyable = qtext.size() <= 40;
    for (QChar c : qtext) keyable = keyable && c.unicode() >= 0x20 && c.unicode() < 0x7f;
    if (keyable) {
        QTest::keyClicks(edit, qtext);
    } else if (!edit->isReadOnly()) {
        edit->insert(qtext);
    }
    if (edit->text() != before) run.typed[{tab, id}].insert(edit->text());
    std::string shownText =
        text.size() > 40 ? text.substr(0, 20) + "...(" + std::to_string(text.size()) + ")" : text;
    return "type '" + shownText + "' into " + std::to_string(id) +
           (edit->isReadOnly() ? " (read-only)" : "");
}

QString RandomInputTest::checkShownFields(Run& run) {
    const int tab = run.tabs->currentIndex();
    QWidget* page = run.tabs->currentWidget();
    for (QLineEdit* edit : controlsOf<QLineEdit>(page)) {
        const int id = controlId(edit);
        const QString shown = edit->text();
        if (shown.isEmpty()) continue;
        const auto typed = run.typed.find({tab, id});
        if (typed != run.typed.end() && typed->second.contains(shown)) continue;
        const std::string text = shown.toLatin1().toStdString();
        if (tab == kSteam && id == SteamTablesCtl::Quality &&
            (text == "saturated" || text == "superheated" || text == "subcooled"))
            continue;
        if (isFormattedNumber(text)) {
            if (text == "-0" || text == "-0.000") {
                ++run.negativeZeros;
                run.negativeZeroEdits.insert(std::to_string(tab) + "/" + std::to_string(id));
            }
            continue;
        }
        if (isDataTextEdit(tab, id) && shown.size() <= kSaneLength) {
            if (run.knownDataTexts.count(text) != 0) continue;
            if (run.dataText.find(text) != std::string::npos) {
                run.knownDataTexts.insert(text);
                continue;
            }
        }
        return QString("tab %1, edit %2 shows '%3'")
            .arg(tab)
            .arg(id)
            .arg(shown.size() > 80 ? shown.left(60) + "...(" + QString::number(shown.size()) + ")"
                                   : shown);
    }
    return {};
}

void RandomInputTest::randomActionsNeverShowGarbage() {
    const int steps = static_cast<int>(envNumber("CHEMENG_RANDOM_STEPS", kDefaultSteps));
    const std::uint64_t seed = envNumber("CHEMENG_RANDOM_SEED", kDefaultSeed);
    std::printf("random input run: CHEMENG_RANDOM_SEED=%llu CHEMENG_RANDOM_STEPS=%d\n",
                static_cast<unsigned long long>(seed), steps);
    std::fflush(stdout);

    chemeng::ui::test::MessageLog log;
    const std::filesystem::path dataDir = chemeng::test::shippedDataDir();
    PropertySheet sheet(chemeng::pageCatalogue(), dataDir, log.presenter());
    sheet.resize(1100, 750);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));

    Run run(sheet.tabs(), seed);
    run.dataText = allDataText(dataDir);
    // Every page initialised once, with the shipped data and without a word.
    for (int i = 0; i < sheet.tabs()->count(); ++i) sheet.tabs()->setCurrentIndex(i);
    sheet.tabs()->setCurrentIndex(0);
    QVERIFY2(log.messages.isEmpty(), qPrintable(log.messages.join("; ")));

    QElapsedTimer total;
    total.start();
    for (int step = 0; step < steps; ++step) {
        const int tab = run.tabs->currentIndex();
        const auto shownTexts = [&run] {
            QStringList texts;
            for (QLineEdit* edit : controlsOf<QLineEdit>(run.tabs->currentWidget()))
                texts << edit->text();
            return texts;
        };
        const QStringList before = shownTexts();
        const qsizetype messagesBefore = log.messages.size();
        QElapsedTimer timer;
        timer.start();
        const std::string action = act(run);
        QCoreApplication::processEvents();
        const qint64 took = timer.elapsed();
        const bool computed = action.rfind("enter", 0) == 0 || action == "button 1054";
        if (computed && log.messages.size() == messagesBefore && run.tabs->currentIndex() == tab &&
            shownTexts() != before)
            ++run.resultsShown[static_cast<std::size_t>(tab)];
        run.recent.push_back(std::to_string(step) + ": " + action);
        if (run.recent.size() > 25) run.recent.pop_front();

        QString fault;
        if (took > kStepBound_ms) fault = QString("the action took %1 ms").arg(took);
        for (; fault.isEmpty() && run.seenMessages < log.messages.size(); ++run.seenMessages) {
            const std::string message = log.messages[run.seenMessages].toStdString();
            ++run.messageCounts[message];
            if (programMessages().count(message) == 0 && !isNotANumberMessage(message))
                fault = QString("message '%1' is none of the program's").arg(message.c_str());
        }
        if (fault.isEmpty() && !sheet.isVisible()) fault = "the window has closed";
        if (fault.isEmpty()) fault = checkShownFields(run);
        if (!fault.isEmpty()) {
            std::string history;
            for (const std::string& line : run.recent) history += "  " + line + "\n";
            QFAIL(qPrintable(QString("seed %1, step %2: %3\nlast actions:\n%4")
                                 .arg(seed)
                                 .arg(step)
                                 .arg(fault)
                                 .arg(QString::fromStdString(history))));
        }
    }
    std::printf("random input run: %d steps in %lld ms, %d messages, %d negative zeros shown\n",
                steps, static_cast<long long>(total.elapsed()), run.seenMessages,
                run.negativeZeros);
    std::printf("results shown without a message, per tab:");
    for (int shown : run.resultsShown) std::printf(" %d", shown);
    std::printf("\nnegative zeros in (tab/edit):");
    for (const std::string& where : run.negativeZeroEdits) std::printf(" %s", where.c_str());
    std::printf("\nmessages:\n");
    for (const auto& [message, count] : run.messageCounts)
        std::printf("  %6d  %s\n", count, message.c_str());
}

QTEST_MAIN(RandomInputTest)
#include "random_input_test.moc"
