#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "chemeng_version.h"

namespace chemeng::ui {

namespace {

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "Chemical Engineering: the constants of a pure compound, its heat capacity,\n"
        "enthalpy change, liquid density and vapour pressure, and the properties of\n"
        "water and steam, each on its own page of one window.\n"
        "\n"
        "Data files are read from data/ in the working directory; when there is\n"
        "none, from the data installed with the program: data/ beside the\n"
        "executable, else share/chemeng/data under its installation prefix.\n"
        "\n"
        "Qt's own options (-platform, -style, ...) are accepted as well.");
    // Our own help option: Qt's adds --help-all, whose list of Qt options
    // needs the window system this function runs without.
    parser.addOption(QCommandLineOption({"h", "help"}, "Displays this help."));
    parser.addVersionOption();
}

void print(const QString& text, std::FILE* stream) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

}  // namespace

std::optional<int> answerWithoutWindow(int argc, char* argv[]) {
    // Named here as well as in main: QCommandLineParser takes both from the
    // application's static properties, which need no application object.
    QCoreApplication::setApplicationName("chemeng");
    QCoreApplication::setApplicationVersion(kVersion);
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    describe(parser);
    // Qt's own window options are unknown to this parser and are left for
    // QApplication; only an explicit request for help or the version stops here.
    parser.parse(arguments);
    if (parser.isSet("version")) {
        print(QString("chemeng %1\n").arg(kVersion), stdout);
        return 0;
    }
    if (parser.isSet("help")) {
        // Without an application object Qt cannot tell the program's name.
        print(parser.helpText().replace("<executable_name>", "chemeng"), stdout);
        return 0;
    }
    return std::nullopt;
}

bool acceptWindowArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    describe(parser);
    QString error;
    if (!parser.parse(arguments)) {
        error = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        error = QString("unexpected argument '%1'").arg(parser.positionalArguments().first());
    }
    if (error.isEmpty()) return true;
    print(QString("chemeng: %1\nTry 'chemeng --help'.\n").arg(error), stderr);
    return false;
}

}  // namespace chemeng::ui
