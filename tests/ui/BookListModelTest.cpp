// The rows of the address book's list: their order, what a search leaves,
// and the current row following its contact through both.
#include "ui/BookListModel.h"
#include "core/SearchKey.h"

#include <gtest/gtest.h>

#include <QItemSelectionModel>

namespace {

BookEntry entry(const QString& name, const QString& email = QString(), const QString& phone = QString())
{
    BookEntry e;
    e.href = QUrl(QStringLiteral("http://127.0.0.1/book/%1.vcf").arg(name.toLower().remove(u' ')));
    e.name = name;
    e.email = email;
    e.phone = phone;
    e.key = searchKey(name + u' ' + email + u' ' + phone);
    return e;
}

QStringList namesShown(const BookListModel& model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << model.data(model.index(row, BookListModel::Name)).toString();
    return names;
}

/// Listed in three batches, none of them in order.
void fill(BookListModel& model)
{
    model.add({entry("Zoë Quist", "zq@example.org"), entry("Jürgen Müller", "jm@example.de", "+49 30 1234")});
    model.add({entry("Пётр Ильин", "petr@example.ru"), entry("Ann Mull"), entry("Émile Zola")});
    model.add({entry("Tessa Marlow", "tessa@example.org", "555 0101")});
}

}  // namespace

TEST(BookListModel, RowsComeInTheOrderOfTheirNamesWhateverCaseAndAccentsAndTheBatches)
{
    BookListModel model;
    fill(model);
    EXPECT_EQ(namesShown(model),
              QStringList({"Ann Mull", "Émile Zola", "Jürgen Müller", "Tessa Marlow", "Zoë Quist", "Пётр Ильин"}));
    EXPECT_EQ(model.total(), 6);
    EXPECT_EQ(model.columnCount(), 3);
    const QModelIndex marlow = model.index(3, 0);
    EXPECT_EQ(model.data(marlow.siblingAtColumn(BookListModel::Email)).toString(), "tessa@example.org");
    EXPECT_EQ(model.data(marlow.siblingAtColumn(BookListModel::Phone)).toString(), "555 0101");
    EXPECT_EQ(model.entry(3).href, QUrl("http://127.0.0.1/book/tessamarlow.vcf"));
}

// Each search typed key by key, as the window passes it on, then taken back.
TEST(BookListModel, ASearchFindsEveryWordIgnoringCaseAndAccentsAsItIsTypedAndTakenBack)
{
    const struct {
        const char* typed;
        QStringList found;
    } searches[] = {
        {"muller", {"Jürgen Müller"}},
        {"MÜL", {"Ann Mull", "Jürgen Müller"}},
        {"mul ann", {"Ann Mull"}},
        {"петр", {"Пётр Ильин"}},
        {"zo", {"Émile Zola", "Zoë Quist"}},
        {"emile", {"Émile Zola"}},
        {"@example.org", {"Tessa Marlow", "Zoë Quist"}},
        {"555 01", {"Tessa Marlow"}},
        {"  ", {"Ann Mull", "Émile Zola", "Jürgen Müller", "Tessa Marlow", "Zoë Quist", "Пётр Ильин"}},
        {"mullerx", {}},
    };
    BookListModel model;
    fill(model);
    const QStringList all = namesShown(model);
    for (const auto& search : searches) {
        const QString typed = QString::fromUtf8(search.typed);
        for (qsizetype n = 1; n <= typed.size(); ++n)
            model.setSearch(typed.left(n));
        EXPECT_EQ(namesShown(model), search.found) << search.typed;
        // Taken back key by key: what the longer search had left out comes back.
        for (qsizetype n = typed.size() - 1; n >= 0; --n)
            model.setSearch(typed.left(n));
        EXPECT_EQ(namesShown(model), all) << search.typed;
    }
}

TEST(BookListModel, TheCurrentRowFollowsItsContactThroughBatchesSearchesAndDeletions)
{
    BookListModel model;
    QItemSelectionModel selection(&model);
    fill(model);
    selection.setCurrentIndex(model.index(3, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ASSERT_EQ(model.entry(3).name, "Tessa Marlow");

    const auto current = [&] {
        const QModelIndex index = selection.currentIndex();
        return index.isValid() ? model.entry(index.row()).name : QString();
    };
    model.add({entry("Aaron Abel"), entry("Marla Marlow")});  // rows before it
    EXPECT_EQ(current(), "Tessa Marlow");
    model.setSearch("marlow");
    EXPECT_EQ(namesShown(model), QStringList({"Marla Marlow", "Tessa Marlow"}));
    EXPECT_EQ(current(), "Tessa Marlow");
    EXPECT_TRUE(selection.isRowSelected(selection.currentIndex().row()));

    // Deleted entries before it, shown and hidden: every later entry keeps its own data.
    EXPECT_TRUE(model.remove(QUrl("http://127.0.0.1/book/annmull.vcf")));
    EXPECT_TRUE(model.remove(QUrl("http://127.0.0.1/book/marlamarlow.vcf")));
    EXPECT_FALSE(model.remove(QUrl("http://127.0.0.1/book/annmull.vcf")));
    EXPECT_EQ(current(), "Tessa Marlow");
    EXPECT_EQ(model.total(), 6);
    model.setSearch(QString());
    EXPECT_EQ(namesShown(model),
              QStringList({"Aaron Abel", "Émile Zola", "Jürgen Müller", "Tessa Marlow", "Zoë Quist", "Пётр Ильин"}));
    for (int row = 0; row < model.rowCount(); ++row)
        EXPECT_EQ(model.entry(row).key,
                  searchKey(model.entry(row).name + u' ' + model.entry(row).email + u' ' + model.entry(row).phone));

    // A search that leaves it out leaves no row current; the list emptied, none at all.
    model.setSearch("zola");
    EXPECT_EQ(current(), QString());
    model.clear();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.total(), 0);
    model.add({entry("Ann Mull")});
    EXPECT_EQ(namesShown(model), QStringList({"Ann Mull"}));  // the search went with the list
}
