#pragma once
// The items of a combo box or list box: texts with a value each and the current selection (-1:
// none). Sorted lists keep their order by text, ignoring ASCII case.

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

class ControlItems {
public:
    explicit ControlItems(bool sorted) : m_sorted(sorted) {}

    int Count() const { return static_cast<int>(m_items.size()); }
    // Adds at the end, or at its sorted place; returns the index.
    int Add(std::string text);
    // Inserts before `index` (-1 or Count(): at the end); returns the index or -1 when out of range.
    int Insert(int index, std::string text);
    // Removes an item; returns the count left or -1 when out of range. A selection after it moves up
    // with its item; the selected item itself leaves no selection.
    int Remove(int index);
    void Clear();

    bool Valid(int index) const { return index >= 0 && index < Count(); }
    const std::string& Text(int index) const;  // empty when out of range
    std::intptr_t Data(int index) const;       // 0 when out of range
    bool SetData(int index, std::intptr_t value);
    // The first item after `after` (-1: from the start, wrapping) whose text equals `text`
    // (ignoring ASCII case), or -1.
    int FindExact(int after, const std::string& text) const;

    int Selection() const { return m_selection; }
    // Selects an item, or none with -1; false (and no change) for any other index out of range.
    bool Select(int index);

private:
    struct Item {
        std::string text;
        std::intptr_t data = 0;
    };
    bool m_sorted;
    std::vector<Item> m_items;
    int m_selection = -1;
};

}  // namespace platform
