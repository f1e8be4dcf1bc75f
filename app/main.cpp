#include <QApplication>

#include "app/page_registry.h"
#include "app/property_sheet.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("chemeng");
    // The data files are found relative to the working directory.
    chemeng::ui::PropertySheet sheet(chemeng::ui::standardPages(), "data",
                                     chemeng::ui::modalMessageBox());
    sheet.show();
    return QApplication::exec();
}
