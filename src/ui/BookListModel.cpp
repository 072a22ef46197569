#include "ui/BookListModel.h"

#include "core/SearchKey.h"

#include <algorithm>

BookListModel::BookListModel(QObject* parent) : QAbstractTableModel(parent) {}

int BookListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

int BookListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BookListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const BookEntry& e = entry(index.row());
    switch (index.column()) {
    case Name: return e.name;
    case Email: return e.email;
    case Phone: return e.phone;
    }
    return {};
}

QVariant BookListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Name: return tr("Name");
    case Email: return tr("E-mail");
    case Phone: return tr("Phone");
    }
    return {};
}

void BookListModel::add(const QList<BookEntry>& batch)
{
    if (batch.isEmpty())
        return;
    const auto byKey = [this](int a, int b) {
        const int order = m_entries[std::size_t(a)].key.compare(m_entries[std::size_t(b)].key);
        return order < 0 || (order == 0 && a < b);
    };
    const auto listed = std::ptrdiff_t(m_order.size());
    for (const BookEntry& entry : batch) {
        m_order.push_back(int(m_entries.size()));
        m_entries.push_back(entry);
    }
    // A batch sorted alone, then merged: the list so far is never sorted again.
    std::sort(m_order.begin() + listed, m_order.end(), byKey);
    std::inplace_merge(m_order.begin(), m_order.begin() + listed, m_order.end(), byKey);
    show(found(m_order));
}

void BookListModel::setSearch(const QString& text)
{
    const QString search = searchKey(text);
    if (search == m_search)
        return;
    // A search typed further finds no entry the shorter one missed: only the rows shown are looked at again.
    const bool narrower = !m_search.isEmpty() && search.startsWith(m_search);
    m_search = search;
    show(found(narrower ? m_shown : m_order));
}

std::vector<int> BookListModel::found(const std::vector<int>& candidates) const
{
    if (m_search.isEmpty())
        return candidates;
    std::vector<int> rows;
    for (const int i : candidates) {
        if (matchesSearch(m_entries[std::size_t(i)].key, m_search))
            rows.push_back(i);
    }
    return rows;
}

void BookListModel::show(std::vector<int> rows)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> entries;
    for (const QModelIndex& index : before)
        entries.push_back(m_shown[std::size_t(index.row())]);
    m_shown = std::move(rows);
    std::vector<int> rowOf(m_entries.size(), -1);
    for (std::size_t row = 0; row < m_shown.size(); ++row)
        rowOf[std::size_t(m_shown[row])] = int(row);
    QModelIndexList after;
    for (qsizetype n = 0; n < before.size(); ++n) {
        const int row = rowOf[std::size_t(entries[std::size_t(n)])];
        after << (row < 0 ? QModelIndex() : index(row, before[n].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void BookListModel::clear()
{
    beginResetModel();
    m_entries.clear();
    m_order.clear();
    m_shown.clear();
    m_search.clear();
    endResetModel();
}

bool BookListModel::remove(const QUrl& href)
{
    const auto at =
        std::find_if(m_entries.cbegin(), m_entries.cend(), [&](const BookEntry& e) { return e.href == href; });
    if (at == m_entries.cend())
        return false;
    const int gone = int(at - m_entries.cbegin());
    const auto shownAt = std::find(m_shown.cbegin(), m_shown.cend(), gone);
    const int row = int(shownAt - m_shown.cbegin());
    const bool shown = shownAt != m_shown.cend();
    if (shown)
        beginRemoveRows(QModelIndex(), row, row);
    // The entries after it move up one place: so do their indices.
    m_entries.erase(at);
    const auto renumber = [gone](std::vector<int>& indices) {
        indices.erase(std::remove(indices.begin(), indices.end(), gone), indices.end());
        for (int& i : indices)
            i -= i > gone;
    };
    renumber(m_order);
    renumber(m_shown);
    if (shown)
        endRemoveRows();
    return true;
}
