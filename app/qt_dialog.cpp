#include "app/qt_dialog.h"

#include <QApplication>
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
#include <QStyle>
#include <algorithm>

#include "framework/page.h"
#include "framework/radio_groups.h"
#include "framework/sorted_insert.h"
#include "framework/typed_number.h"

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

// A list shows at least this many rows, so that a choice can be seen among
// its neighbours at the window's smallest size.
constexpr int kListRows = 6;
// A combo's drop-down list shows this many rows and scrolls the rest.
constexpr int kComboPopupRows = 20;

// An edit as wide as the longest text it is meant to show, never narrower:
// a number cut at the edge reads as another number.
class SizedEdit : public QLineEdit {
  public:
    explicit SizedEdit(int widthChars) : m_widthChars(widthChars) {}

    QSize sizeHint() const override { return sized(QLineEdit::sizeHint()); }
    QSize minimumSizeHint() const override {
        return m_widthChars > 0 ? sized(QLineEdit::minimumSizeHint())
                                : QLineEdit::minimumSizeHint();
    }

  private:
    // The toolkit's hint holds 17 'x' of text; swap them for the digits.
    QSize sized(QSize hint) const {
        if (m_widthChars <= 0) return hint;
        const QFontMetrics metrics(font());
        const int toolkitText = metrics.horizontalAdvance(QLatin1Char('x')) * 17;
        const int frame = QLineEdit::sizeHint().width() - toolkitText;
        hint.setWidth(frame + metrics.horizontalAdvance(QString(m_widthChars, QLatin1Char('0'))));
        return hint;
    }
    int m_widthChars;
};

// A formula list. Keyboard focus entering a list with no current item makes
// no item current (the toolkit would make the first one current, which the
// page must not take for a choice); the first arrow key then goes to the
// first item.
class FormulaList : public QListWidget {
  public:
    explicit FormulaList(int widthChars) : m_widthChars(widthChars) {}

    // As wide as its longest formula; as tall as the page lets it be.
    QSize sizeHint() const override {
        const QSize least = minimumSizeHint();
        return {least.width(), std::max(least.height(), QListWidget::sizeHint().height())};
    }
    QSize minimumSizeHint() const override {
        const QFontMetrics metrics(font());
        const int frame = 2 * frameWidth();
        const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        const int chars = m_widthChars > 0 ? m_widthChars : 8;
        return {frame + scrollBar + 8 + metrics.horizontalAdvance(QString(chars, QLatin1Char('X'))),
                frame + kListRows * (metrics.height() + 2)};
    }

  protected:
    void focusInEvent(QFocusEvent* event) override {
        const bool hadCurrent = currentIndex().isValid();
        QListWidget::focusInEvent(event);
        if (!hadCurrent && currentIndex().isValid()) {
            const QSignalBlocker block(this);
            selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        }
    }

  private:
    int m_widthChars;
};

// Locked edits are shaded like the window around them, so that the fields
// that take input stand out.
void showLocked(QLineEdit* edit, bool locked) {
    edit->setReadOnly(locked);
    const QPalette standard = QApplication::palette(edit);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, standard.color(locked ? QPalette::Window : QPalette::Base));
    edit->setPalette(palette);
}

// The cells a control covers.
struct Cells {
    int row, column, rowSpan, columnSpan;
    bool contains(const Cells& other) const {
        return other.row >= row && other.row + other.rowSpan <= row + rowSpan &&
               other.column >= column && other.column + other.columnSpan <= column + columnSpan;
    }
    int area() const { return rowSpan * columnSpan; }
};

Cells cellsOf(const ControlSpec& entry) {
    return {entry.row, entry.column, entry.rowSpan, entry.columnSpan};
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

QWidget* QtDialog::makeControl(const ControlSpec& entry) {
    const QString label = labelText(entry.label);
    const int id = entry.id;
    switch (entry.kind) {
        case ControlKind::Label: {
            auto* text = new QLabel(label);
            text->setWordWrap(entry.columnSpan > 2);
            if ((entry.flags & (kBold | kRaised)) != 0) {
                QFont font = text->font();
                if ((entry.flags & kBold) != 0) font.setBold(true);
                if ((entry.flags & kRaised) != 0) font.setPointSizeF(font.pointSizeF() * 0.75);
                text->setFont(font);
            }
            if ((entry.flags & kRaised) != 0) text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return text;
        }
        case ControlKind::GroupBox:
            return new QGroupBox(label);
        case ControlKind::Edit: {
            auto* edit = new SizedEdit(entry.widthChars);
            showLocked(edit, (entry.flags & kReadOnly) != 0);
            if ((entry.flags & kCentered) != 0) edit->setAlignment(Qt::AlignCenter);
            if ((entry.flags & kRight) != 0) edit->setAlignment(Qt::AlignRight);
            if ((entry.flags & kNoBorder) != 0) edit->setFrame(false);
            if (!label.isEmpty()) edit->setAccessibleName(label);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, id](const QString&) { m_typedByUser.insert(id); });
            return edit;
        }
        case ControlKind::ComboBox: {
            auto* combo = new QComboBox;
            combo->setMinimumContentsLength(entry.widthChars > 0 ? entry.widthChars : 14);
            combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            // The wheel turns a combo only once the user has given it focus.
            combo->setFocusPolicy(Qt::StrongFocus);
            // A drop-down of a few rows with a scroll bar, not one the height
            // of the screen (some styles size the list to all its items).
            combo->setStyleSheet("QComboBox { combobox-popup: 0; }");
            combo->setMaxVisibleItems(kComboPopupRows);
            connect(combo, &QComboBox::activated, this, [this, id](int) {
                m_heldComboIndex.erase(id);
                notify(id, Notification::SelectionChange);
            });
            return combo;
        }
        case ControlKind::ListBox: {
            auto* list = new FormulaList(entry.widthChars);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            // A choice is a change of the selected item, not of the current
            // one (focus alone moves the current item).
            connect(list, &QListWidget::itemSelectionChanged, this, [this, id, list] {
                if (!m_settingSelection && !list->selectedItems().isEmpty())
                    notify(id, Notification::SelectionChange);
            });
            connect(list, &QListWidget::itemDoubleClicked, this,
                    [this, id](QListWidgetItem*) { notify(id, Notification::DoubleClick); });
            return list;
        }
        case ControlKind::RadioButton: {
            auto* radio = new QRadioButton(label);
            // Check marks are kept by hand: automatic radios within a group,
            // any pattern the page asks for across groups.
            radio->setAutoExclusive(false);
            // As wide as its mark and text: a click beside them hits nothing,
            // so the button must not look wider than that.
            radio->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
            connect(radio, &QRadioButton::clicked, this, [this, id](bool) { radioClicked(id); });
            return radio;
        }
        case ControlKind::PushButton: {
            auto* button = new QPushButton(label);
            button->setAutoDefault(false);
            connect(button, &QPushButton::clicked, this,
                    [this, id](bool) { notify(id, Notification::Clicked); });
            return button;
        }
    }
    return nullptr;
}

void QtDialog::buildControls() {
    // A group box is a container: the controls within its cells are laid out
    // inside it, so its frame and title never cross them.
    struct Box {
        const ControlSpec* controlSpec;
        QGridLayout* grid;
    };
    std::vector<Box> boxes;
    // The smallest box around a control's cells (a box is never inside itself).
    const auto innermostBox = [&boxes](const ControlSpec& entry) -> const Box* {
        const Cells cells = cellsOf(entry);
        const Box* found = nullptr;
        for (const Box& box : boxes) {
            const Cells around = cellsOf(*box.controlSpec);
            if (box.controlSpec != &entry && around.contains(cells) &&
                (found == nullptr || around.area() < cellsOf(*found->controlSpec).area()))
                found = &box;
        }
        return found;
    };
    auto* pageGrid = new QGridLayout(m_widget);
    // Close-set columns: the pages must fit small screens at large scale
    // factors (960 by 540 pixels at twice the scale on a full-HD screen).
    const int margin = m_widget->style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing);
    pageGrid->setContentsMargins(margin, margin, margin, margin);
    pageGrid->setHorizontalSpacing(margin * 2 / 3);
    const auto place = [&](QWidget* widget, const ControlSpec& entry) {
        const Cells cells = cellsOf(entry);
        if (const Box* box = innermostBox(entry)) {
            const Cells around = cellsOf(*box->controlSpec);
            box->grid->addWidget(widget, cells.row - around.row, cells.column - around.column,
                                 cells.rowSpan, cells.columnSpan);
        } else {
            pageGrid->addWidget(widget, cells.row, cells.column, cells.rowSpan, cells.columnSpan);
        }
    };

    // Boxes first, outer ones before those inside them.
    std::vector<const ControlSpec*> boxSpecs;
    for (const ControlSpec& entry : m_layout.controls)
        if (entry.kind == ControlKind::GroupBox) boxSpecs.push_back(&entry);
    std::stable_sort(boxSpecs.begin(), boxSpecs.end(), [](const auto* a, const auto* b) {
        return cellsOf(*a).area() > cellsOf(*b).area();
    });
    for (const ControlSpec* entry : boxSpecs) {
        QWidget* box = makeControl(*entry);
        box->installEventFilter(this);
        place(box, *entry);
        auto* inner = new QGridLayout(box);
        // An untitled frame needs no more than a small margin inside it.
        if (entry->label.empty()) inner->setContentsMargins(margin, margin, margin, margin);
        boxes.push_back({entry, inner});
    }

    for (const ControlSpec& entry : m_layout.controls) {
        if (entry.kind == ControlKind::GroupBox) continue;
        QWidget* widget = makeControl(entry);
        if (entry.id != 0) {
            widget->setObjectName(QString::number(entry.id));
            m_controls[entry.id] = widget;
        }
        widget->installEventFilter(this);
        place(widget, entry);
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
    if (event->type() == QEvent::Wheel) {
        // Scrolling over an unfocused combo scrolls whatever holds it, it
        // does not choose.
        auto* combo = qobject_cast<QComboBox*>(watched);
        if (combo != nullptr && !combo->hasFocus()) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool QtDialog::acceptLeaving() {
    for (int id : m_numberFields) {
        auto* edit = qobject_cast<QLineEdit*>(control(id));
        if (edit == nullptr || edit->isReadOnly() || m_typedByUser.count(id) == 0) continue;
        const std::string text = fromQt(edit->text());
        if (parseTypedNumber(text).status != TypedNumberStatus::NotANumber) continue;
        const ControlSpec* entry = m_layout.find(id);
        const std::string_view field =
            entry != nullptr && !entry->label.empty() ? entry->label : std::string_view("Value");
        messageBox(notANumberMessage(field, text));
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
        return false;
    }
    return true;
}

void QtDialog::declareNumberField(int id) {
    m_numberFields.insert(id);
}

std::string QtDialog::windowText(int id) const {
    if (auto* edit = qobject_cast<QLineEdit*>(control(id))) return fromQt(edit->text());
    return {};
}

void QtDialog::setWindowText(int id, const std::string& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control(id))) {
        edit->setText(toQt(text));
        edit->setCursorPosition(0);
        m_typedByUser.erase(id);
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
    if (auto* edit = qobject_cast<QLineEdit*>(control(id))) showLocked(edit, readOnly);
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
        const int shown = combo->currentIndex();
        combo->insertItem(static_cast<int>(index), toQt(text));
        // An insertion before the shown item moves it; an empty combo stays
        // empty (the toolkit would show its first item).
        combo->setCurrentIndex(shown < 0 ? -1
                                         : (static_cast<int>(index) <= shown ? shown + 1 : shown));
        const auto held = m_heldComboIndex.find(id);
        if (held != m_heldComboIndex.end() && static_cast<int>(index) <= held->second)
            ++held->second;
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
        const int valid = index < combo->count() ? index : -1;
        // Until the user has chosen in a combo it shows nothing: an item shown
        // there would read as a choice.
        if (combo->currentIndex() < 0 && valid >= 0) {
            m_heldComboIndex[id] = valid;
        } else {
            m_heldComboIndex.erase(id);
            combo->setCurrentIndex(valid);
        }
    } else if (auto* list = qobject_cast<QListWidget*>(control(id))) {
        list->setCurrentRow(index < list->count() ? index : -1);
    }
    m_settingSelection = false;
}

int QtDialog::currentIndex(int id) const {
    if (auto* combo = qobject_cast<QComboBox*>(control(id))) {
        const auto held = m_heldComboIndex.find(id);
        return held != m_heldComboIndex.end() ? held->second : combo->currentIndex();
    }
    if (auto* list = qobject_cast<QListWidget*>(control(id))) {
        const auto selected = list->selectedItems();
        return selected.isEmpty() ? -1 : list->row(selected.front());
    }
    return -1;
}

std::string QtDialog::currentText(int id) const {
    if (auto* combo = qobject_cast<QComboBox*>(control(id))) {
        const int index = currentIndex(id);
        return index < 0 ? std::string{} : fromQt(combo->itemText(index));
    }
    if (auto* list = qobject_cast<QListWidget*>(control(id))) {
        const auto selected = list->selectedItems();
        return selected.isEmpty() ? std::string{} : fromQt(selected.front()->text());
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
