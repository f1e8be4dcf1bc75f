#include <QApplication>
#include <filesystem>

#include "app/command_line.h"
#include "app/property_sheet.h"
#include "chemeng_version.h"
#include "framework/data_directory.h"
#include "pages/page_catalogue.h"

int main(int argc, char* argv[]) {
    if (const auto status = chemeng::ui::answerWithoutWindow(argc, argv)) return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName("chemeng");
    QApplication::setApplicationVersion(chemeng::kVersion);
    QGuiApplication::setDesktopFileName(chemeng::kAppId);
    if (!chemeng::ui::acceptWindowArguments(QApplication::arguments())) return 2;
    const auto dataDir = chemeng::findDataDirectory(".", chemeng::executableDirectory(argv[0]));
    chemeng::ui::PropertySheet sheet(chemeng::pageCatalogue(), dataDir,
                                     chemeng::ui::modalMessageBox());
    sheet.show();
    return QApplication::exec();
}
