#include "ui_test_support.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace chemeng::ui::test {

void installModalGuard() {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            std::fprintf(stderr, "unexpected modal window: %s\n",
                         modal->windowTitle().toLocal8Bit().constData());
            modal->close();
            QApplication::exit(1);
            std::abort();
        }
    });
    timer->start(500);
}

}  // namespace chemeng::ui::test
