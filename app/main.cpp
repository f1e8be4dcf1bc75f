#include <QApplication>
#include <filesystem>

#include "app/page_registry.h"
#include "app/property_sheet.h"
#include "framework/data_directory.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("chemeng");
    const auto dataDir = chemeng::findDataDirectory(".", chemeng::executableDirectory(argv[0]));
    chemeng::ui::PropertySheet sheet(chemeng::ui::standardPages(), dataDir,
                                     chemeng::ui::modalMessageBox());
    sheet.show();
    return QApplication::exec();
}
