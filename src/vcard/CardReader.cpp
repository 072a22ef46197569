#include "vcard/CardReader.h"

#include "core/Error.h"
#include "core/Utf8.h"
#include "vcard/CodePage.h"

#include <QDate>
#include <QFileInfo>
#include <QSet>
#include <QUrl>

#include <algorithm>
#include <array>

namespace CardReader {

namespace {

using F = ContactSource::Field;

/// How a number of each phone field is named when it cannot be loaded.
constexpr const char* telKinds[ContactSource::FlagCount] = {"HOME VOICE", "HOME FAX", "WORK VOICE",
                                                            "WORK FAX",   "CELL",     "PAGER"};

/// One property line, unfolded: group and name dropped to the name, the
/// parameters upper-cased, the value's bytes as they stand.
struct Property {
    QByteArray name;
    QList<QPair<QByteArray, QByteArray>> params;  ///< (NAME, value); a bare 2.1 type has the name TYPE
    QByteArray value;

    /// Every type the parameters give, upper-cased: TYPE=a,b; bare types; PREF=1 as PREF.
    QSet<QByteArray> types() const
    {
        QSet<QByteArray> t;
        for (const auto& [n, v] : params) {
            if (n == "TYPE") {
                for (const QByteArray& one : v.split(','))
                    t.insert(one.trimmed().toUpper());
            } else if (n == "PREF") {
                t.insert("PREF");
            }
        }
        return t;
    }
    QByteArray param(const QByteArray& n) const
    {
        for (const auto& [name, v] : params) {
            if (name == n)
                return v;
        }
        return {};
    }
};

/// Physical lines joined: a line starting with a blank or a tab continues
/// the one before; a quoted-printable value ending in "=" continues on the next.
QList<QByteArray> unfold(QByteArrayView file)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < file.size()) {
        qsizetype end = file.indexOf('\n', start);
        if (end < 0)
            end = file.size();
        QByteArray line = file.sliced(start, end - start).toByteArray();
        if (line.endsWith('\r'))
            line.chop(1);
        start = end + 1;
        if (!lines.isEmpty() && (line.startsWith(' ') || line.startsWith('\t'))) {
            lines.last() += line.mid(1);
            continue;
        }
        if (!lines.isEmpty() && lines.last().endsWith('=') && lines.last().toUpper().contains("QUOTED-PRINTABLE")) {
            lines.last().chop(1);  // a soft line break
            lines.last() += line;
            continue;
        }
        lines << line;
    }
    return lines;
}

QByteArray unquoted(QByteArray v)
{
    v = v.trimmed();
    if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"'))
        v = v.mid(1, v.size() - 2);
    return v;
}

bool parse(const QByteArray& line, Property& p)
{
    // The name and parameters end at the first colon outside quotes.
    qsizetype colon = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted) {
            colon = i;
            break;
        }
    }
    if (colon <= 0)
        return false;
    const QList<QByteArray> head = line.left(colon).split(';');
    p.name = head[0].trimmed().toUpper();
    if (const qsizetype dot = p.name.lastIndexOf('.'); dot >= 0)
        p.name = p.name.mid(dot + 1);  // "item1.TEL": the group does not matter
    for (qsizetype i = 1; i < head.size(); ++i) {
        const qsizetype eq = head[i].indexOf('=');
        if (eq < 0) {
            // 2.1 names encodings and types without saying which is which.
            const QByteArray bare = head[i].trimmed().toUpper();
            const bool encoding = bare == "BASE64" || bare == "QUOTED-PRINTABLE" || bare == "8BIT" || bare == "7BIT";
            p.params.append({encoding ? "ENCODING" : "TYPE", bare});
        } else {
            p.params.append({head[i].left(eq).trimmed().toUpper(), unquoted(head[i].mid(eq + 1))});
        }
    }
    p.value = line.mid(colon + 1);
    return !p.name.isEmpty();
}

QByteArray quotedPrintableDecoded(const QByteArray& v)
{
    QByteArray out;
    out.reserve(v.size());
    for (qsizetype i = 0; i < v.size(); ++i) {
        if (v[i] == '=' && i + 2 < v.size()) {
            bool ok = false;
            const int byte = v.mid(i + 1, 2).toInt(&ok, 16);
            if (ok) {
                out += char(byte);
                i += 2;
                continue;
            }
        }
        out += v[i];
    }
    return out;
}

class Reader {
public:
    Reader(bool utf8, int codePage) : m_utf8(utf8), m_codePage(codePage) {}

    /// Card @p which (0 for the first) of @p lines.
    ReadCard read(const QList<QByteArray>& lines, int which)
    {
        int card = -1;
        bool inside = false;
        for (const QByteArray& line : lines) {
            Property p;
            if (!parse(line, p))
                continue;
            if (p.name == "BEGIN" && p.value.trimmed().toUpper() == "VCARD") {
                inside = ++card == which;
                continue;
            }
            if (p.name == "END") {
                if (inside)
                    break;
                continue;
            }
            if (inside)
                take(p);
        }
        if (card < 0)
            throw Error(Error::InvalidFormat, QStringLiteral("it holds no vCard."));
        if (card < which)
            throw Error(Error::InvalidFormat, QStringLiteral("it holds no card %1.").arg(which + 1));
        finish();
        return m_result;
    }

    /// The name of each card of @p lines: its FN, else its N, else "".
    QStringList names(const QList<QByteArray>& lines)
    {
        QStringList names;
        QString n;
        for (const QByteArray& line : lines) {
            Property p;
            if (!parse(line, p))
                continue;
            if (p.name == "BEGIN" && p.value.trimmed().toUpper() == "VCARD") {
                m_fn.clear();
                n.clear();
                m_old = true;
            } else if (p.name == "VERSION") {
                m_old = p.value.trimmed() == "2.1";
            } else if (p.name == "END") {
                names << (m_fn.trimmed().isEmpty() ? n : m_fn.trimmed());
            } else if (p.name == "FN") {
                m_fn = single(text(p));
            } else if (p.name == "N") {
                // As people write a name: given, additional, family.
                const QStringList c = components(text(p));
                QStringList parts;
                for (int k : {3, 1, 2, 0, 4}) {
                    if (!c.value(k).trimmed().isEmpty())
                        parts << c.value(k).trimmed();
                }
                n = parts.join(u' ');
            }
        }
        if (names.isEmpty())
            throw Error(Error::InvalidFormat, QStringLiteral("it holds no vCard."));
        return names;
    }

private:
    QString text(const Property& p) const
    {
        QByteArray bytes = p.value;
        if (p.param("ENCODING").toUpper() == "QUOTED-PRINTABLE")
            bytes = quotedPrintableDecoded(bytes);
        const QByteArray charset = p.param("CHARSET");
        if (!charset.isEmpty()) {
            if (const std::optional<QString> text = CodePage::toUnicode(bytes, charset))
                return *text;
        }
        // A quoted-printable value may hold bytes of another set than the file's.
        return m_utf8 && isValidUtf8(bytes) ? QString::fromUtf8(bytes) : CodePage::toUnicode(bytes, m_codePage);
    }

    /// The value's components at unescaped ";" (3.0, 4.0: with "\" escapes; 2.1: "\;" only).
    QStringList components(const QString& value, QChar separator = u';') const
    {
        QStringList parts(1);
        for (qsizetype i = 0; i < value.size(); ++i) {
            const QChar c = value[i];
            if (c == u'\\' && i + 1 < value.size()) {
                const QChar e = value[i + 1];
                if (!m_old) {
                    ++i;
                    parts.last() += (e == u'n' || e == u'N') ? QStringLiteral("\r\n") : QString(e);
                    continue;
                }
                if (e == separator) {
                    parts.last() += e;
                    ++i;
                    continue;
                }
            }
            if (c == separator)
                parts << QString();
            else
                parts.last() += c;
        }
        return parts;
    }

    QString single(const QString& value) const
    {
        QString t = components(value, QChar(0)).join(QString());
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        t.replace(u'\r', u'\n');
        t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));  // the form keeps CR LF
        return t;
    }

    bool set(int field, const QString& value)
    {
        QString& f = m_result.contact.fields[field];
        if (!f.isEmpty() || m_taken[field])
            return false;
        f = value;
        m_taken[field] = true;
        return true;
    }

    void take(const Property& p)
    {
        const QByteArray& n = p.name;
        if (n == "VERSION") {
            m_old = p.value.trimmed() == "2.1";
            return;
        }
        if (n == "PRODID" || n == "REV")
            return;
        const QString value = text(p);
        if (n == "N")
            return name(value);
        if (n == "FN") {
            m_fn = single(value);
            return;
        }
        if (n == "TEL") {
            QString number = single(value);
            if (number.startsWith(QStringLiteral("tel:"), Qt::CaseInsensitive))
                number.remove(0, 4);  // 4.0 gives a URI
            return telephone(p, number);
        }
        if (n == "EMAIL")
            return setOrList(F::Email, single(value), QStringLiteral("EMAIL"));
        if (n == "NOTE")
            return setOrList(F::Notes, single(value), QStringLiteral("NOTE"));
        if (n == "ORG") {
            QStringList units = components(value);
            units.removeAll(QString());
            return setOrList(F::Company, units.join(u' '), QStringLiteral("ORG"));
        }
        if (n == "URL") {
            const bool work = p.types().contains("WORK");
            return setOrList(work ? F::WebsiteWork : F::WebsiteHome, single(value),
                             work ? QStringLiteral("WORK URL") : QStringLiteral("HOME URL"));
        }
        if (n == "ADR")
            return address(p, value);
        if (n == "BDAY")
            return count(n, birthday(single(value)));
        if (n == "PHOTO")
            return count(n, photo(p));
        count(n, false);
    }

    void name(const QString& value)
    {
        const QStringList c = components(value);
        bool any = false;
        for (const auto& [component, field] :
             {std::pair{0, F::LastName}, {1, F::FirstName}, {2, F::MiddleInitial}, {3, F::Title}}) {
            const QString v = c.value(component);
            any = any || !v.trimmed().isEmpty();
            m_result.contact.fields[field] = v;
        }
        m_haveName = any;
        if (!c.value(4).trimmed().isEmpty())
            count("N", false);  // a suffix has no field
    }

    /// Sets field @p field, or lists the value with its @p kind when the field is taken.
    void setOrList(int field, const QString& value, const QString& kind)
    {
        if (set(field, value))
            return;
        // Long enough to tell one value from another, short enough for a message.
        const QString shown = value.size() > 60 ? value.left(59) + QChar(0x2026) : value;
        m_result.notLoaded << kind + u' ' + QString(shown).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    }

    // A number goes only into the field of its own kind: a second mobile
    // number is no home number.
    void telephone(const Property& p, const QString& number)
    {
        const QSet<QByteArray> t = p.types();
        const bool work = t.contains("WORK");
        int index;  // of the phone fields 18 to 23, as TelType numbers them
        if (t.contains("FAX"))
            index = work ? 3 : 1;
        else if (t.contains("PAGER"))
            index = 5;
        else if (t.contains("CELL"))
            index = 4;
        else
            index = work ? 2 : 0;
        const int field = F::HomeVoice + index;
        const bool free = m_result.contact.fields[field].isEmpty() && !m_taken[field];
        setOrList(field, number, QString(telKinds[index]));
        if (free && t.contains("PREF"))
            m_result.contact.flags[index] = true;
    }

    void address(const Property& p, const QString& value)
    {
        const QStringList c = components(value);
        const bool work = p.types().contains("WORK");
        const int first = work ? F::WorkAddress : F::HomeAddress;
        // Post office box and extended address go before the street.
        QStringList street;
        for (int k : {0, 1, 2}) {
            if (!c.value(k).isEmpty())
                street << c.value(k);
        }
        const std::array<QString, 5> parts = {street.join(QStringLiteral(", ")), c.value(3), c.value(4), c.value(5),
                                              c.value(6)};
        if (m_taken[first]) {
            QStringList shown(parts.begin(), parts.end());
            shown.removeAll(QString());
            setOrList(first, shown.join(QStringLiteral(", ")),
                      work ? QStringLiteral("WORK ADR") : QStringLiteral("HOME ADR"));
            return;
        }
        for (int k = 0; k < 5; ++k) {
            m_result.contact.fields[first + k] = parts[k];
            m_taken[first + k] = true;
        }
    }

    bool birthday(const QString& value)
    {
        const QString v = value.trimmed();
        for (const QString& format : {QStringLiteral("yyyyMMdd"), QStringLiteral("yyyy-MM-dd")}) {
            const QDate d = QDate::fromString(v.left(format.size()), format);
            if (d.isValid() && (v.size() == format.size() || v[format.size()] == u'T')) {
                m_result.contact.birthDate = d;
                return true;
            }
        }
        return false;
    }

    bool photo(const Property& p)
    {
        if (!m_result.photo.isEmpty() || m_taken[F::PhotoPath])
            return false;
        const QByteArray encoding = p.param("ENCODING").toUpper();
        QByteArray value = p.value.trimmed();
        if (encoding == "BASE64" || encoding == "B") {
            m_result.photo = QByteArray::fromBase64(value);
        } else if (value.startsWith("data:")) {
            const qsizetype comma = value.indexOf(',');
            if (comma < 0 || !value.left(comma).endsWith(";base64"))
                return false;
            m_result.photo = QByteArray::fromBase64(value.mid(comma + 1));
        } else if (value.startsWith("file:")) {
            const QString path = QUrl::fromEncoded(value).toLocalFile();
            if (path.isEmpty() || !QFileInfo(path).isFile())
                return false;
            return set(F::PhotoPath, path);
        } else {
            return false;
        }
        return !m_result.photo.isEmpty();
    }

    /// Notes a property; one that found no field is listed.
    void count(const QByteArray& name, bool loaded)
    {
        auto it = std::find_if(m_seen.begin(), m_seen.end(), [&](const Seen& s) { return s.name == name; });
        if (it == m_seen.end()) {
            m_seen.append({name, 0, 0, -1});
            it = m_seen.end() - 1;
        }
        (loaded ? it->loaded : it->left) += 1;
        // Listed where it was first left out; how many is known at the end.
        if (!loaded && it->listedAt < 0) {
            it->listedAt = m_result.notLoaded.size();
            m_result.notLoaded << QString();
        }
    }

    void finish()
    {
        // FN stands in for a missing N, split at its last blank.
        if (!m_haveName && !m_fn.trimmed().isEmpty()) {
            const QString fn = m_fn.trimmed();
            const qsizetype blank = fn.lastIndexOf(u' ');
            m_result.contact.fields[F::LastName] = blank < 0 ? fn : fn.mid(blank + 1);
            m_result.contact.fields[F::FirstName] = blank < 0 ? QString() : fn.left(blank);
        }
        for (const Seen& s : m_seen) {
            if (s.listedAt < 0)
                continue;
            const QString name = QString::fromLatin1(s.name);
            m_result.notLoaded[s.listedAt] = s.loaded > 0  ? QStringLiteral("%1 more %2").arg(s.left).arg(name)
                                             : s.left == 1 ? name
                                                           : QStringLiteral("%1 (%2)").arg(name).arg(s.left);
        }
    }

    struct Seen {
        QByteArray name;
        int loaded;
        int left;
        qsizetype listedAt;  ///< its place in notLoaded, -1 while none was left out
    };

    bool m_utf8;
    int m_codePage;
    bool m_old = true;  ///< 2.1 until VERSION says otherwise
    bool m_haveName = false;
    QString m_fn;
    std::array<bool, ContactSource::FieldCount> m_taken{};
    QList<Seen> m_seen;
    ReadCard m_result;
};

}  // namespace

namespace {

QByteArrayView withoutByteOrderMark(QByteArrayView file)
{
    return file.startsWith("\xEF\xBB\xBF") ? file.sliced(3) : file;
}

}  // namespace

ReadCard read(QByteArrayView file, int codePage, int which)
{
    file = withoutByteOrderMark(file);
    return Reader(isValidUtf8(file), codePage).read(unfold(file), which);
}

QStringList names(QByteArrayView file, int codePage)
{
    file = withoutByteOrderMark(file);
    return Reader(isValidUtf8(file), codePage).names(unfold(file));
}

}  // namespace CardReader
