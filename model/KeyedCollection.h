#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

/// An owning collection that keeps insertion order and is looked up by name.
/// Looking up a missing name, or adding a name twice, throws std::out_of_range /
/// std::invalid_argument.
template <typename T> class KeyedCollection {
    struct Entry {
        std::string key;
        std::unique_ptr<T> item;
    };

public:
    T& Add(const std::string& key, std::unique_ptr<T> item) {
        if (Find(key))
            throw std::invalid_argument("Schlüssel '" + key + "' ist bereits vorhanden.");
        m_items.push_back({key, std::move(item)});
        return *m_items.back().item;
    }

    T& operator()(const std::string& key) const {
        if (T* item = Find(key))
            return *item;
        throw std::out_of_range("Element '" + key + "' nicht gefunden.");
    }

    T* Find(const std::string& key) const {
        for (const auto& entry : m_items)
            if (entry.key == key)
                return entry.item.get();
        return nullptr;
    }

    T& operator[](std::size_t index) const { return *m_items.at(index).item; }
    std::size_t Count() const { return m_items.size(); }

    class Iterator {
    public:
        using Inner = typename std::vector<Entry>::const_iterator;
        explicit Iterator(Inner inner) : m_inner(inner) {}
        T& operator*() const { return *m_inner->item; }
        Iterator& operator++() {
            ++m_inner;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return m_inner != other.m_inner; }

    private:
        Inner m_inner;
    };

    Iterator begin() const { return Iterator(m_items.begin()); }
    Iterator end() const { return Iterator(m_items.end()); }

private:
    std::vector<Entry> m_items;
};
