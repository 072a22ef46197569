#include "carddav/BookEntry.h"

#include "core/SearchKey.h"

namespace {

/// The logical lines of a card, folds undone only for the lines asked for:
/// a photo's hundreds of folded lines are passed over, not joined.
class Lines {
public:
    explicit Lines(QStringView card) : m_card(card) {}

    /// The next physical line that starts a property, or false at the end.
    bool next(QStringView& line)
    {
        while (m_at < m_card.size()) {
            const qsizetype end = endOfLine(m_at);
            line = m_card.sliced(m_at, end - m_at);
            m_start = m_at;
            m_at = skipBreak(end);
            if (!line.isEmpty() && line.front() != u' ' && line.front() != u'\t')
                return true;
        }
        return false;
    }
    /// The line next() gave, with the lines folded into it.
    QString unfolded()
    {
        QString whole = m_card.sliced(m_start, endOfLine(m_start) - m_start).toString();
        while (m_at < m_card.size() && (m_card[m_at] == u' ' || m_card[m_at] == u'\t')) {
            const qsizetype end = endOfLine(m_at);
            whole += m_card.sliced(m_at + 1, end - m_at - 1);
            m_at = skipBreak(end);
        }
        return whole;
    }

private:
    qsizetype endOfLine(qsizetype from) const
    {
        qsizetype end = from;
        while (end < m_card.size() && m_card[end] != u'\r' && m_card[end] != u'\n')
            ++end;
        return end;
    }
    qsizetype skipBreak(qsizetype at) const
    {
        if (at < m_card.size() && m_card[at] == u'\r')
            ++at;
        if (at < m_card.size() && m_card[at] == u'\n')
            ++at;
        return at;
    }

    QStringView m_card;
    qsizetype m_at = 0;
    qsizetype m_start = 0;
};

/// The property's name without its group ("item1.EMAIL" is EMAIL), and where its value starts.
QStringView nameOf(QStringView line, qsizetype& valueAt)
{
    qsizetype end = 0;
    while (end < line.size() && line[end] != u';' && line[end] != u':')
        ++end;
    QStringView name = line.first(end);
    if (const qsizetype dot = name.lastIndexOf(u'.'); dot >= 0)
        name = name.sliced(dot + 1);
    // Past the parameters; a quoted one may hold a colon.
    bool quoted = false;
    while (end < line.size() && (quoted || line[end] != u':')) {
        if (line[end] == u'"')
            quoted = !quoted;
        ++end;
    }
    valueAt = end + 1;
    return name;
}

/// The parts of a text value split at unescaped @p separator, each unescaped.
QStringList parts(QStringView value, QChar separator)
{
    QStringList out{QString()};
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\' && i + 1 < value.size()) {
            const QChar e = value[++i];
            out.last() += (e == u'n' || e == u'N') ? QChar(u' ') : e;
        } else if (c == separator) {
            out << QString();
        } else {
            out.last() += c;
        }
    }
    return out;
}

QString shown(const QString& text)
{
    return text.simplified().left(BookEntry::longest);
}

/// A value as one text, unescaped, without the URI scheme 4.0 may give it ("tel:", "mailto:").
QString single(QStringView value, QLatin1StringView scheme = {})
{
    QString text = parts(value, QChar()).join(QString());
    if (!scheme.isEmpty() && text.startsWith(scheme, Qt::CaseInsensitive))
        text.remove(0, scheme.size());
    return shown(text);
}

/// "Dr. Tessa Anne Marlow Jr." from N's family;given;additional;prefix;suffix.
QString nameOfN(QStringView value)
{
    const QStringList n = parts(value, u';');
    QStringList words;
    for (const int i : {3, 1, 2, 0, 4}) {
        if (i < n.size())
            words << n.at(i);
    }
    return shown(words.join(u' '));
}

}  // namespace

BookEntry BookEntry::of(QStringView card, const QUrl& href, const QByteArray& etag)
{
    BookEntry entry{href, etag, {}, {}, {}, {}};
    QString fromN;
    Lines lines(card);
    QStringView line;
    while (lines.next(line)) {
        qsizetype valueAt = 0;
        const QStringView name = nameOf(line, valueAt);
        const auto is = [&](QLatin1StringView property) { return name.compare(property, Qt::CaseInsensitive) == 0; };
        const bool fn = is(QLatin1StringView("FN")) && entry.name.isEmpty();
        const bool n = is(QLatin1StringView("N")) && fromN.isEmpty();
        const bool email = is(QLatin1StringView("EMAIL")) && entry.email.isEmpty();
        const bool tel = is(QLatin1StringView("TEL")) && entry.phone.isEmpty();
        if (!fn && !n && !email && !tel)
            continue;
        const QString whole = lines.unfolded();
        const QStringView value = QStringView(whole).sliced(qMin(valueAt, whole.size()));
        if (fn)
            entry.name = single(value);
        else if (n)
            fromN = nameOfN(value);
        else if (email)
            entry.email = single(value, QLatin1StringView("mailto:"));
        else
            entry.phone = single(value, QLatin1StringView("tel:"));
    }
    if (entry.name.isEmpty())
        entry.name = fromN;
    if (entry.name.isEmpty())
        entry.name = entry.email;
    if (entry.name.isEmpty())
        entry.name = shown(href.fileName(QUrl::FullyDecoded));
    entry.key = searchKey(entry.name + u' ' + entry.email + u' ' + entry.phone);
    return entry;
}
