#pragma once
// The console's output: at most `capacity` lines, oldest first. Once full, a
// new line takes the place of the oldest one, so a print costs the same
// however long the session has run; the lines already stored never move.
#include <cstddef>
#include <iterator>
#include <string>
#include <vector>

namespace qor {

class cConsoleLines {
  public:
    explicit cConsoleLines(size_t capacity) : m_capacity(capacity > 0 ? capacity : 1) {}

    size_t size() const { return m_slots.size(); }
    bool empty() const { return m_slots.empty(); }
    size_t capacity() const { return m_capacity; }

    // Line i counted from the oldest; the caller keeps i below size().
    const std::u16string& operator[](size_t i) const { return m_slots[Slot(i)]; }
    std::u16string& operator[](size_t i) { return m_slots[Slot(i)]; }
    const std::u16string& front() const { return (*this)[0]; }
    const std::u16string& back() const { return (*this)[size() - 1]; }
    std::u16string& back() { return (*this)[size() - 1]; }

    // Appends; when full, drops the oldest line in its favour.
    void push_back(std::u16string line) {
        if (m_slots.size() < m_capacity) {
            m_slots.push_back(std::move(line));
            return;
        }
        m_slots[m_oldest] = std::move(line);
        m_oldest = (m_oldest + 1) % m_capacity;
    }

    class const_iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::u16string;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::u16string*;
        using reference = const std::u16string&;

        const_iterator() = default;
        const_iterator(const cConsoleLines* lines, size_t index) : m_lines(lines), m_index(index) {}
        reference operator*() const { return (*m_lines)[m_index]; }
        pointer operator->() const { return &(*m_lines)[m_index]; }
        const_iterator& operator++() {
            ++m_index;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++m_index;
            return before;
        }
        bool operator==(const const_iterator& other) const { return m_index == other.m_index; }

      private:
        const cConsoleLines* m_lines = nullptr;
        size_t m_index = 0;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    friend bool operator==(const cConsoleLines& lines, const std::vector<std::u16string>& list) {
        if (lines.size() != list.size())
            return false;
        for (size_t i = 0; i < list.size(); ++i) {
            if (lines[i] != list[i])
                return false;
        }
        return true;
    }

  private:
    size_t Slot(size_t i) const { return (m_oldest + i) % m_slots.size(); }

    std::vector<std::u16string> m_slots;
    size_t m_oldest = 0;  // slot of line 0 once the ring has wrapped
    size_t m_capacity;
};

}  // namespace qor
