#include "app/qt_dialog.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "framework/page.h"
#include "framework/radio_groups.h"
#include "framework/sorted_insert.h"

namespace chemeng::ui {

namespace {

// Control texts are single-byte, as the data files are.
QString toQt(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
std::string fromQt(const QString& text) {
    return text.toLatin1().toStdString();
}
QString labelText(std::string_view label) {
    return QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
}

std::vector<std::string> itemsOf(const QComboBox* combo) {
    std::vector<std::string> items;
    for (int i = 0; i < combo->count(); ++i) items.push_back(fromQt(combo->itemText(i)));
    return items;
}
std::vector<std::string> itemsOf(const QListWidget* list) {
    std::vector<std::string> items;
    for (int i = 0; i < list->count(); ++i) items.push_back(fromQt(list->item(i)->text()));
    return items;
}

}  // namespace

QtDialog::QtDialog(const PageLayout& layout, MessagePresenter presenter)
    : m_layout(layout), m_presenter(std::move(presenter)), m_widget(new QWidget) {
    m_widget->setObjectName(labelText(layout.caption));
    buildControls();
}

QtDialog::~QtDialog() {
    if (m_widget->parent() == nullptr) delete m_widget;
}

void QtDialog::buildControls() {
    auto* grid = new QGridLayout(m_widget);
    for (const ControlSpec& entry : m_layout.controls) {
        QWidget* widget = nullptr;
        const QString label = labelText(entry.label);
        const int id = entry.id;
        switch (entry.kind) {
            case ControlKind::Label: {
                auto* text = new QLabel(label);
                text->setWordWrap(entry.columnSpan > 2);
                if ((entry.flags & kBold) != 0) {
                    QFont font = text->font();
                    font.setBold(true);
                    text->setFont(font);
                }
                widget = text;
                break;
            }
            case ControlKind::GroupBox:
                widget = new QGroupBox(label);
                break;
            case ControlKind::Edit: {
                auto* edit = new QLineEdit;
                edit->setReadOnly((entry.flags & kReadOnly) != 0);
                if ((entry.flags & kCentered) != 0) edit->setAlignment(Qt::AlignCenter);
                if ((entry.flags & kRight) != 0) edit->setAlignment(Qt::AlignRight);
                if ((entry.flags & kNoBorder) != 0) edit->setFrame(false);
                widget = edit;
                break;
            }
            case ControlKind::ComboBox: {
                auto* combo = new QComboBox;
                combo->setMinimumContentsLength(14);
                combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
                connect(combo, &QComboBox::activated, this,
                        [this, id](int) { notify(id, Notification::SelectionChange); });
                widget = combo;
                break;
            }
            case ControlKind::ListBox: {
                auto* list = new QListWidget;
                list->setSelectionMode(QAbstractItemView::SingleSelection);
                connect(list, &QListWidget::currentRowChanged, this, [this, id](int row) {
                    if (!m_settingSelection && row >= 0) notify(id, Notification::SelectionChange);
                });
                connect(list, &QListWidget::itemDoubleClicked, this,
                        [this, id](QListWidgetItem*) { notify(id, Notification::DoubleClick); });
                widget = list;
                break;
            }
            case ControlKind::RadioButton: {
                auto* radio = new QRadioButton(label);
                // Check marks are kept by hand: automatic radios within a group,
                // any pattern the page asks for across groups.
                radio->setAutoExclusive(false);
                connect(radio, &QRadioButton::clicked, this,
                        [this, id](bool) { radioClicked(id); });
                widget = radio;
                break;
            }
            case ControlKind::PushButton: {
                auto* button = new QPushButton(label);
                button->setAutoDefault(false);
                connect(button, &QPushButton::clicked, this,
                        [this, id](bool) { notify(id, Notification::Clicked); });
                widget = button;
                break;
            }
        }
        if (id != 0) {
            widget->setObjectName(QString::number(id));
            m_controls[id] = widget;
        }
        widget->installEventFilter(this);
        grid->addWidget(widget, entry.row, entry.column, entry.rowSpan, entry.columnSpan);
        if (entry.kind == ControlKind::GroupBox) widget->lower();
    }
    m_widget->installEventFilter(this);
}

QWidget* QtDialog::control(int id) const {
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

void QtDialog::notify(int id, Notification notification) {
    if (m_page != nullptr) m_page->onNotify(id, notification);
}

void QtDialog::radioClicked(int id) {
    for (int other : radioGroupOf(m_layout, id)) setChecked(other, other == id);
    notify(id, Notification::Clicked);
}

bool QtDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && m_page != nullptr) {
            if (m_page->onEnterKey()) return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

std::string QtDialog::windowText(int id) const {
    if (auto* edit = qobject_cast<QLineEdit*>(control(id))) return fromQt(edit->text());
    return {};
}

void QtDialog::setWindowText(int id, const std::string& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control(id))) {
        edit->setText(toQt(text));
        edit->setCursorPosition(0);
    }
}

void QtDialog::setChecked(int id, bool checked) {
    if (auto* radio = qobject_cast<QRadioButton*>(control(id))) radio->setChecked(checked);
}

bool QtDialog::isChecked(int id) const {
    auto* radio = qobject_cast<QRadioButton*>(control(id));
    return radio != nullptr && radio->isChecked();
}

void QtDialog::setReadOnly(int id, bool readOnly) {
    if (auto* edit = qobject_cast<QLineEdit*>(control(id))) edit->setReadOnly(readOnly);
}

bool QtDialog::isReadOnly(int id) const {
    auto* edit = qobject_cast<QLineEdit*>(control(id));
    return edit != nullptr && edit->isReadOnly();
}

void QtDialog::addItem(int id, const std::string& text) {
    const ControlSpec* entry = m_layout.find(id);
    const bool sorted = entry != nullptr && (entry->flags & kSorted) != 0;
    if (auto* combo = qobject_cast<QComboBox*>(control(id))) {
        const auto items = itemsOf(combo);
        const auto index = sorted ? insertionIndex(items, text) : items.size();
        const QSignalBlocker block(combo);
        combo->insertItem(static_cast<int>(index), toQt(text));
        // A combo shows nothing until the page selects an item.
        if (combo->count() == 1) combo->setCurrentIndex(-1);
    } else if (auto* list = qobject_cast<QListWidget*>(control(id))) {
        const auto items = itemsOf(list);
        const auto index = sorted ? insertionIndex(items, text) : items.size();
        m_settingSelection = true;
        list->insertItem(static_cast<int>(index), toQt(text));
        m_settingSelection = false;
    }
}

void QtDialog::setCurrentIndex(int id, int index) {
    m_settingSelection = true;
    if (auto* combo = qobject_cast<QComboBox*>(control(id))) {
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(index < combo->count() ? index : -1);
    } else if (auto* list = qobject_cast<QListWidget*>(control(id))) {
        list->setCurrentRow(index < list->count() ? index : -1);
    }
    m_settingSelection = false;
}

int QtDialog::currentIndex(int id) const {
    if (auto* combo = qobject_cast<QComboBox*>(control(id))) return combo->currentIndex();
    if (auto* list = qobject_cast<QListWidget*>(control(id))) return list->currentRow();
    return -1;
}

std::string QtDialog::currentText(int id) const {
    if (auto* combo = qobject_cast<QComboBox*>(control(id))) {
        return combo->currentIndex() < 0 ? std::string{} : fromQt(combo->currentText());
    }
    if (auto* list = qobject_cast<QListWidget*>(control(id))) {
        const QListWidgetItem* item = list->currentItem();
        return item == nullptr ? std::string{} : fromQt(item->text());
    }
    return {};
}

int QtDialog::itemCount(int id) const {
    if (auto* combo = qobject_cast<QComboBox*>(control(id))) return combo->count();
    if (auto* list = qobject_cast<QListWidget*>(control(id))) return list->count();
    return 0;
}

void QtDialog::messageBox(const std::string& text) {
    if (m_presenter) m_presenter(m_widget, text);
}

}  // namespace chemeng::ui
