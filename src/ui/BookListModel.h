#pragma once

#include "carddav/BookEntry.h"

#include <QAbstractTableModel>

#include <vector>

/**
 * The contacts of an address book as they are listed (name, e-mail,
 * phone), in the order of their search keys, so by name whatever the case
 * and accents; and the rows a search leaves. The rows shown are a vector
 * of indices into the entries, made again at each key from the entries'
 * keys alone: no text is folded while the user types but the search.
 */
class BookListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Email, Phone, ColumnCount };

    explicit BookListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /// Adds a batch as it was listed; those the search finds show in their places.
    void add(const QList<BookEntry>& batch);
    /// Shows the entries whose key holds every word of @p text, as typed.
    void setSearch(const QString& text);
    /// Forgets every entry.
    void clear();
    /// Forgets the entry at @p href; false when none is listed there.
    bool remove(const QUrl& href);

    /// The entry of row @p row as shown.
    const BookEntry& entry(int row) const { return m_entries[std::size_t(m_shown[std::size_t(row)])]; }
    /// Entries listed, shown or not.
    int total() const { return int(m_entries.size()); }

private:
    /// Shows @p rows (indices into the entries) instead, in that order; the
    /// selection and the current row follow their entries.
    void show(std::vector<int> rows);
    /// The entries of m_order the search finds, out of @p candidates.
    std::vector<int> found(const std::vector<int>& candidates) const;

    std::vector<BookEntry> m_entries;  ///< as listed
    std::vector<int> m_order;          ///< every entry, by key, then as listed
    std::vector<int> m_shown;          ///< the entries the search finds, in m_order's order
    QString m_search;                  ///< the search folded as the keys are
};
