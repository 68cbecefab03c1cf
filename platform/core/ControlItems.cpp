#include "platform/core/ControlItems.h"

#include <algorithm>

namespace platform {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Lower(x) < Lower(y); });
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return Lower(x) == Lower(y); });
}

const std::string kNoText;

}  // namespace

int ControlItems::Add(std::string text) {
    int index = Count();
    if (m_sorted) {
        auto at = std::upper_bound(m_items.begin(), m_items.end(), text,
                                   [](const std::string& t, const Item& item) { return LessIgnoringCase(t, item.text); });
        index = static_cast<int>(at - m_items.begin());
    }
    return Insert(index, std::move(text));
}

int ControlItems::Insert(int index, std::string text) {
    if (index == -1) index = Count();
    if (index < 0 || index > Count()) return -1;
    m_items.insert(m_items.begin() + index, Item{std::move(text), 0});
    if (m_selection >= index) ++m_selection;
    return index;
}

int ControlItems::Remove(int index) {
    if (!Valid(index)) return -1;
    m_items.erase(m_items.begin() + index);
    if (m_selection == index) m_selection = -1;
    else if (m_selection > index) --m_selection;
    return Count();
}

void ControlItems::Clear() {
    m_items.clear();
    m_selection = -1;
}

const std::string& ControlItems::Text(int index) const { return Valid(index) ? m_items[index].text : kNoText; }

std::intptr_t ControlItems::Data(int index) const { return Valid(index) ? m_items[index].data : 0; }

bool ControlItems::SetData(int index, std::intptr_t value) {
    if (!Valid(index)) return false;
    m_items[index].data = value;
    return true;
}

int ControlItems::FindExact(int after, const std::string& text) const {
    int n = Count();
    for (int step = 1; step <= n; ++step) {
        int i = ((after < 0 ? -1 : after) + step) % n;
        if (EqualIgnoringCase(m_items[i].text, text)) return i;
    }
    return -1;
}

bool ControlItems::Select(int index) {
    if (index != -1 && !Valid(index)) return false;
    m_selection = index;
    return true;
}

}  // namespace platform
