#include "core/SearchKey.h"

#include <gtest/gtest.h>

namespace {

TEST(SearchKey, FoldsCaseAccentsAndCompatibilityForms)
{
    const struct {
        const char* text;
        const char* key;
    } cases[] = {
        {"Tessa MARLOW", "tessa marlow"},
        {"Müller", "muller"},
        {"Mu\xCC\x88ller", "muller"},  // the same, decomposed as a Mac writes it
        {"Chloë Ångström-Façade", "chloe angstrom-facade"},
        {"Пётр Йорданов", "петр иорданов"},
        {"ЁЛКА", "елка"},
        {"Straße GROẞ", "strasse gross"},
        {"ﬁnance ﬂoor", "finance floor"},
        {"Ⅻ ｆｕｌｌ", "xii full"},
        {"İstanbul", "istanbul"},
        {"  two\tspaces  \n", "two spaces"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(searchKey(QString::fromUtf8(c.text)), QString::fromUtf8(c.key)) << c.text;
}

TEST(SearchKey, EveryWordOfTheQueryMustBeFoundAnywhere)
{
    const QString key = searchKey(QStringLiteral("Jürgen Müller jm@example.de +49 30 1234"));
    const struct {
        const char* typed;
        bool found;
    } cases[] = {
        {"", true},      {"muller", true},        {"MÜLLER Jürgen", true}, {"ller jür", true}, {"example.de", true},
        {"30 12", true}, {"muller tessa", false}, {"mueller", false},      {"jürgens", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(matchesSearch(key, searchKey(QString::fromUtf8(c.typed))), c.found) << c.typed;
}

}  // namespace
