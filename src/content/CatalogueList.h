#pragma once

#include "content/CatalogueListBase.h"

namespace clavora {

// A list of one kind of entry: lessons, practices, speed tests, dictations or a custom list.
template <typename Entry> class CatalogueList final : public CatalogueListBase
{
public:
    class Iterator final
    {
    public:
        Iterator(const CatalogueList* list, qsizetype index) : m_list(list), m_index(index) {}
        Entry& operator*() const { return *m_list->At(m_index); }
        Entry* operator->() const { return m_list->At(m_index); }
        Iterator& operator++()
        {
            ++m_index;
            return *this;
        }
        bool operator==(const Iterator& other) const { return m_index == other.m_index; }

    private:
        const CatalogueList* m_list;
        qsizetype m_index;
    };

    CatalogueList() : CatalogueListBase(Entry::Format) {}

    Entry* At(qsizetype index) const { return static_cast<Entry*>(EntryAt(index)); }
    // The entry with this key text, or null.
    Entry* Find(const QString& key) const { return static_cast<Entry*>(FindEntry(key)); }
    Entry* Find(int exerciseKey) const { return Find(QString::number(exerciseKey)); }

    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, Count()}; }

protected:
    std::unique_ptr<CatalogueEntry> NewEntry() const override { return std::make_unique<Entry>(); }
};

} // namespace clavora
