#include <QApplication>
#include <filesystem>

#include "app/property_sheet.h"
#include "framework/data_directory.h"
#include "pages/page_catalogue.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("chemeng");
    const auto dataDir = chemeng::findDataDirectory(".", chemeng::executableDirectory(argv[0]));
    chemeng::ui::PropertySheet sheet(chemeng::pageCatalogue(), dataDir,
                                     chemeng::ui::modalMessageBox());
    sheet.show();
    return QApplication::exec();
}
