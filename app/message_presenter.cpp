#include "app/message_presenter.h"

#include <QApplication>
#include <QMessageBox>

namespace chemeng::ui {

MessagePresenter modalMessageBox() {
    return [](QWidget* owner, const std::string& text) {
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(),
                        QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())),
                        QMessageBox::Ok, owner);
        box.exec();
    };
}

}  // namespace chemeng::ui
