#include "framework/headless_dialog.h"

#include <algorithm>

#include "framework/radio_groups.h"
#include "framework/sorted_insert.h"

namespace chemeng {

namespace {
const std::vector<std::string> kNoItems;
}

HeadlessDialog::ControlState& HeadlessDialog::state(int id) {
    auto [it, inserted] = m_controls.try_emplace(id);
    if (inserted) {
        if (const ControlSpec* entry = m_layout.find(id))
            it->second.readOnly = (entry->flags & kReadOnly) != 0;
    }
    return it->second;
}

const HeadlessDialog::ControlState* HeadlessDialog::find(int id) const {
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : &it->second;
}

std::string HeadlessDialog::windowText(int id) const {
    const ControlState* s = find(id);
    return s == nullptr ? std::string{} : s->text;
}

void HeadlessDialog::setWindowText(int id, const std::string& text) {
    state(id).text = text;
}

void HeadlessDialog::setChecked(int id, bool checked) {
    state(id).checked = checked;
}

bool HeadlessDialog::isChecked(int id) const {
    const ControlState* s = find(id);
    return s != nullptr && s->checked;
}

void HeadlessDialog::setReadOnly(int id, bool readOnly) {
    state(id).readOnly = readOnly;
}

bool HeadlessDialog::isReadOnly(int id) const {
    if (const ControlState* s = find(id)) return s->readOnly;
    const ControlSpec* entry = m_layout.find(id);
    return entry != nullptr && (entry->flags & kReadOnly) != 0;
}

void HeadlessDialog::addItem(int id, const std::string& text) {
    const ControlSpec* entry = m_layout.find(id);
    ControlState& s = state(id);
    const std::size_t index =
        addListItem(s.items, text, entry != nullptr && (entry->flags & kSorted) != 0);
    if (s.current >= static_cast<int>(index)) ++s.current;
}

void HeadlessDialog::setCurrentIndex(int id, int index) {
    ControlState& s = state(id);
    s.current = (index >= 0 && index < static_cast<int>(s.items.size())) ? index : -1;
}

int HeadlessDialog::currentIndex(int id) const {
    const ControlState* s = find(id);
    return s == nullptr ? -1 : s->current;
}

std::string HeadlessDialog::currentText(int id) const {
    const ControlState* s = find(id);
    if (s == nullptr || s->current < 0) return {};
    return s->items[static_cast<std::size_t>(s->current)];
}

int HeadlessDialog::itemCount(int id) const {
    const ControlState* s = find(id);
    return s == nullptr ? 0 : static_cast<int>(s->items.size());
}

void HeadlessDialog::messageBox(const std::string& text) {
    m_messages.push_back(text);
}

void HeadlessDialog::type(int id, const std::string& text) {
    if (!isReadOnly(id)) state(id).text = text;
}

void HeadlessDialog::click(int id) {
    const ControlSpec* entry = m_layout.find(id);
    if (entry != nullptr && entry->kind == ControlKind::RadioButton) {
        for (int other : radioGroupOf(m_layout, id)) setChecked(other, other == id);
    }
    if (m_page != nullptr) m_page->onNotify(id, Notification::Clicked);
}

void HeadlessDialog::choose(int id, int index) {
    setCurrentIndex(id, index);
    if (m_page != nullptr) m_page->onNotify(id, Notification::SelectionChange);
}

bool HeadlessDialog::chooseText(int id, const std::string& text) {
    const auto& list = items(id);
    const auto it = std::find(list.begin(), list.end(), text);
    if (it == list.end()) return false;
    choose(id, static_cast<int>(it - list.begin()));
    return true;
}

void HeadlessDialog::doubleClick(int id, int index) {
    setCurrentIndex(id, index);
    if (m_page != nullptr) m_page->onNotify(id, Notification::DoubleClick);
}

bool HeadlessDialog::pressEnter() {
    return m_page != nullptr && m_page->onEnterKey();
}

const std::vector<std::string>& HeadlessDialog::items(int id) const {
    const ControlState* s = find(id);
    return s == nullptr ? kNoItems : s->items;
}

std::vector<std::string> HeadlessDialog::takeMessages() {
    std::vector<std::string> taken;
    taken.swap(m_messages);
    return taken;
}

}  // namespace chemeng
