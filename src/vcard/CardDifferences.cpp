#include "vcard/CardDifferences.h"

namespace {

struct Value {
    QString heading;
    QString shown;
    QString compared;  ///< the whole value for a binary one, its text else
};

QList<Value> valuesOf(const KeptCard& card)
{
    QList<Value> out;
    for (const CardProperty& p : card.properties) {
        if (p.name == "VERSION" || p.name == "PRODID" || p.name == "REV" || p.name == "X-ABLABEL")
            continue;
        QString compared = p.text(card.version);
        if (p.isBinary()) {
            // The same bytes, as base64 (3.0) or a data: URI (4.0).
            compared = p.value.mid(p.value.indexOf(u',') + 1);
            compared.removeIf([](QChar c) { return c.isSpace(); });
        }
        out << Value{p.heading(), p.text(card.version), compared};
    }
    return out;
}

}  // namespace

QList<CardDifference> differences(const KeptCard& mine, const KeptCard& theirs)
{
    const QList<Value> a = valuesOf(mine), b = valuesOf(theirs);
    QStringList headings;
    for (const QList<Value>& values : {a, b}) {
        for (const Value& v : values) {
            if (!headings.contains(v.heading))
                headings << v.heading;
        }
    }
    QList<CardDifference> out;
    for (const QString& heading : headings) {
        CardDifference d{heading, {}, {}};
        QStringList comparedMine, comparedTheirs;
        for (const auto& [values, shown, compared] :
             {std::tuple{&a, &d.mine, &comparedMine}, std::tuple{&b, &d.theirs, &comparedTheirs}}) {
            for (const Value& v : *values) {
                if (v.heading == heading) {
                    *shown << v.shown;
                    *compared << v.compared;
                }
            }
        }
        if (comparedMine != comparedTheirs)
            out << d;
    }
    return out;
}
