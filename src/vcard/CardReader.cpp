#include "vcard/CardReader.h"

#include "core/DataSize.h"
#include "core/Error.h"
#include "core/Utf8.h"
#include "photo/clsB64.h"
#include "vcard/CardLines.h"
#include "vcard/CodePage.h"
#include "vcard/ModernCard.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDate>
#include <QSet>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

namespace CardReader {

namespace {

using F = ContactSource::Field;

/// How a number of each phone field is named when it cannot be loaded.
constexpr const char* telKinds[ContactSource::FlagCount] = {"HOME VOICE", "HOME FAX", "WORK VOICE",
                                                            "WORK FAX",   "CELL",     "PAGER"};

/// The most a one-line box, and the notes, can sensibly hold (characters).
constexpr qsizetype lineFieldLimit = 64 * 1024;
constexpr qsizetype notesLimit = 1024 * 1024;
/// What is kept of a line of a card only passed over: enough for its name.
constexpr qsizetype passedOverKeep = lineFieldLimit * 4 + 64;

/// One property line, unfolded: group and name dropped to the name, the
/// parameters upper-cased, the value's bytes as they stand.
struct Property {
    QByteArray group;
    QByteArray name;
    QList<QPair<QByteArray, QByteArray>> params;  ///< (NAME, value); a bare 2.1 type has the name TYPE
    /// The parameters as written: (NAME, value with its quotes); a bare 2.1 type is (TYPE, nothing).
    QList<std::pair<QByteArray, std::optional<QByteArray>>> written;
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
    bool begins() const { return name == "BEGIN" && value.trimmed().toUpper() == "VCARD"; }
    bool ends() const { return name == "END" && value.trimmed().toUpper() == "VCARD"; }
};

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
    p.name = head[0].trimmed();
    if (const qsizetype dot = p.name.lastIndexOf('.'); dot >= 0) {
        p.group = p.name.left(dot);  // "item1.TEL": the group only matters to the card kept
        p.name = p.name.mid(dot + 1);
    }
    p.name = p.name.toUpper();
    for (qsizetype i = 1; i < head.size(); ++i) {
        const qsizetype eq = head[i].indexOf('=');
        if (eq < 0) {
            // 2.1 names encodings and types without saying which is which.
            const QByteArray bare = head[i].trimmed().toUpper();
            const bool encoding = bare == "BASE64" || bare == "QUOTED-PRINTABLE" || bare == "8BIT" || bare == "7BIT";
            p.params.append({encoding ? "ENCODING" : "TYPE", bare});
            p.written.push_back({bare, std::nullopt});
        } else {
            const QByteArray name = head[i].left(eq).trimmed().toUpper();
            p.params.append({name, unquoted(head[i].mid(eq + 1))});
            p.written.push_back({name, head[i].mid(eq + 1).trimmed()});
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
        if (v[i] == '=' && i + 1 == v.size())
            break;  // a soft line break with nothing after it
        out += v[i];
    }
    return out;
}

/// "100 KB", "2.0 MB": how large a value was.
QString sizeText(qsizetype characters)
{
    return characters < 1024 * 1024 ? DataSize::kilobytes(characters) : DataSize::megabytes(characters);
}

/// Reads the properties of one card into the form's fields.
class Reader {
public:
    Reader(bool utf8, int codePage) : m_utf8(utf8), m_codePage(codePage) {}

    ReadCard read(const QList<QByteArray>& lines)
    {
        for (const QByteArray& line : lines) {
            Property p;
            if (!parse(line, p))
                continue;
            // The lines of a card inside this one belong to it, not to this card.
            m_current = -1;
            if (m_depth == 0 && !p.begins()) {
                m_current = m_result.kept.properties.size();
                m_result.kept.properties << kept(p);
            }
            take(p);
        }
        finish();
        m_result.kept.version = m_version;
        m_result.kept.asRead = m_result.contact;
        return m_result;
    }

    /// The card's name as people write it: its FN, else its N, else "".
    QString name(const QList<QByteArray>& lines)
    {
        QString n;
        for (const QByteArray& line : lines) {
            Property p;
            if (!parse(line, p))
                continue;
            if (p.name == "VERSION") {
                m_old = p.value.trimmed() == "2.1";
            } else if (p.name == "FN" && m_fn.isEmpty()) {
                m_fn = single(text(p)).trimmed();
            } else if (p.name == "N" && n.isEmpty()) {
                const QStringList c = components(text(p));
                QStringList parts;
                for (int k : {3, 1, 2, 0, 4}) {  // prefix, given, additional, family, suffix
                    if (!c.value(k).trimmed().isEmpty())
                        parts << c.value(k).trimmed();
                }
                n = parts.join(u' ');
            }
        }
        return (m_fn.isEmpty() ? n : m_fn).left(200);
    }

private:
    /// @p bytes as text: UTF-8 where the card is, else in its code page.
    QString decoded(const QByteArray& bytes) const
    {
        return m_utf8 && isValidUtf8(bytes) ? QString::fromUtf8(bytes) : CodePage::toUnicode(bytes, m_codePage);
    }

    CardProperty kept(const Property& p) const
    {
        CardProperty k;
        k.group = p.group;
        k.name = p.name;
        const QByteArray encoding = p.param("ENCODING").toUpper();
        if (encoding == "B" || encoding == "BASE64" || p.value.trimmed().left(5).toLower() == "data:")
            k.binary = p.value;
        else
            k.value = text(p);
        for (const auto& [name, value] : p.written) {
            QString v = value ? decoded(*value) : QString();
            if (value && v.isNull())
                v = QLatin1String("");  // "X=" is not a bare "X"
            k.parameters.append({name, v});
        }
        k.shown = p.name == "VERSION" || p.name == "PRODID" || p.name == "REV";
        return k;
    }

    /// The property being read went to the form, into @p field (-1: none of the fields).
    void shown(int field = -1)
    {
        if (m_current < 0)
            return;
        m_result.kept.properties[m_current].shown = true;
        m_result.kept.properties[m_current].field = field;
    }

    /// Lists the property being read with its value; without one, counts it.
    void list(const QByteArray& name)
    {
        const CardProperty* p = m_current < 0 ? nullptr : &m_result.kept.properties[m_current];
        if (!p || p->value.trimmed().isEmpty())
            return count(name, false);
        if (p->name == "X-ABLABEL" && !p->group.isEmpty())
            return;  // it names another property of its group, and is kept with it
        m_result.notLoaded << p->describe(m_version);
    }

    QString text(const Property& p) const
    {
        QByteArray bytes = p.value;
        // The parameters alone say whether the value is quoted-printable.
        if (p.param("ENCODING").toUpper() == "QUOTED-PRINTABLE")
            bytes = quotedPrintableDecoded(bytes);
        const QByteArray charset = p.param("CHARSET");
        if (!charset.isEmpty()) {
            if (const std::optional<QString> text = CodePage::toUnicode(bytes, charset))
                return *text;
        }
        // A quoted-printable value may hold bytes of another set than the file's.
        return decoded(bytes);
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

    /// Whether @p value fits the box of @p field; one that does not is listed with its size.
    bool fits(int field, qsizetype size, const QString& kind)
    {
        if (size <= (field == F::Notes ? notesLimit : lineFieldLimit))
            return true;
        //: An entry of the "Not loaded" list: %1 is the card's property name, which stays as it is; %2 a size.
        m_result.notLoaded << QCoreApplication::translate("CardReader", "%1 (%2: too long)").arg(kind, sizeText(size));
        return false;
    }

    bool set(int field, const QString& value)
    {
        QString& f = m_result.contact.fields[field];
        if (!f.isEmpty() || m_taken[field])
            return false;
        f = value;
        m_taken[field] = true;
        shown(field);
        return true;
    }

    /// Sets field @p field, or lists the value with its @p kind when the field is taken.
    void setOrList(int field, const QString& value, const QString& kind)
    {
        if (!fits(field, value.size(), kind) || set(field, value))
            return;
        // Long enough to tell one value from another, short enough for a message.
        const QString shown = value.size() > 60 ? value.left(59) + QChar(0x2026) : value;
        m_result.notLoaded << kind + u' ' + QString(shown).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    }

    void take(const Property& p)
    {
        const QByteArray& n = p.name;
        // A card inside the card (a 2.1 AGENT) is passed over whole.
        if (p.begins()) {
            if (m_depth++ == 0 && !m_agentAwaited)
                count("AGENT", false);
            m_agentAwaited = false;
            return;
        }
        if (m_depth > 0) {
            m_depth -= p.ends() ? 1 : 0;
            return;
        }
        m_agentAwaited = false;
        if (n == "VERSION") {
            const QByteArray v = p.value.trimmed();
            m_old = v == "2.1";
            m_version = v == "4.0" ? 40 : v == "3.0" ? 30 : 21;
            return;
        }
        if (n == "PRODID" || n == "REV")
            return;
        if (n == "AGENT") {
            m_agentAwaited = p.value.trimmed().isEmpty();  // its card follows on the next lines
            return count(n, false);
        }
        if (n == "PHOTO")
            return photo(p);
        const QString value = text(p);
        if (n == "N")
            return name(value);
        if (n == "FN") {
            if (m_fn.isEmpty() && value.size() <= lineFieldLimit) {
                m_fn = single(value);
                shown();
            }
            return;
        }
        if (n == "UID") {
            // The contact's identity: kept, so that the card sent again updates it.
            if (m_uidSeen || value.size() > 1024)
                return count(n, false);
            const QString uid = single(value).trimmed();
            m_uidSeen = !uid.isEmpty();
            // Written again it would end the line early: the rest could be any property.
            if (ModernCard::holdsControl(uid)) {
                //: An entry of the "Not loaded" list: UID is the card's property name and stays as it is.
                m_result.notLoaded << QCoreApplication::translate(
                    "CardReader",
                    "UID (it held a line break or another control character: the contact gets a new one)");
                return;
            }
            m_result.contact.uidText = uid;
            shown();
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
        if (n == "BDAY") {
            if (!birthday(single(value)))
                return list(n);
            shown();
            return count(n, true);
        }
        list(n);
    }

    void name(const QString& value)
    {
        if (m_nameSeen)
            return count("N", false);  // a second name never replaces the first
        m_nameSeen = true;
        const QStringList c = components(value);
        if (!fits(F::LastName, longest(c), QStringLiteral("N")))
            return;
        count("N", true);
        shown(F::LastName);
        bool any = false;
        for (const auto& [component, field] :
             {std::pair{0, F::LastName}, {1, F::FirstName}, {2, F::MiddleInitial}, {3, F::Title}}) {
            const QString v = c.value(component);
            any = any || !v.trimmed().isEmpty();
            m_result.contact.fields[field] = v;
        }
        m_haveName = any;
        if (!c.value(4).trimmed().isEmpty())
            m_result.notLoaded << QStringLiteral("SUFFIX ") + c.value(4).trimmed();  // it has no field
    }

    static qsizetype longest(const QStringList& parts)
    {
        qsizetype most = 0;
        for (const QString& part : parts)
            most = std::max(most, part.size());
        return most;
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
        const int field = ContactSource::phoneFields[index];
        const bool free = m_result.contact.fields[field].isEmpty() && !m_taken[field];
        setOrList(field, number, QString::fromLatin1(telKinds[index]));
        if (free && m_taken[field] && t.contains("PREF"))
            m_result.contact.flags[index] = true;
    }

    void address(const Property& p, const QString& value)
    {
        const bool work = p.types().contains("WORK");
        const QString kind = work ? QStringLiteral("WORK ADR") : QStringLiteral("HOME ADR");
        const ContactSource::Address& fields = work ? ContactSource::workAddress : ContactSource::homeAddress;
        const int first = fields[0];
        const QStringList c = components(value);
        if (!fits(first, longest(c), kind))
            return;
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
            setOrList(first, shown.join(QStringLiteral(", ")), kind);
            return;
        }
        for (int k = 0; k < 5; ++k) {
            m_result.contact.fields[fields[k]] = parts[k];
            m_taken[fields[k]] = true;
        }
        shown(first);
    }

    bool birthday(const QString& value)
    {
        if (m_result.contact.birthDate.isValid())
            return false;
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

    // Only a photo the card carries is taken; a link to one, to a file on
    // this computer or anywhere else, is never followed.
    void photo(const Property& p)
    {
        if (!m_result.photo.isEmpty())
            return count("PHOTO", false);
        const QByteArray encoding = p.param("ENCODING").toUpper();
        const QByteArray value = p.value.trimmed();
        if (encoding == "BASE64" || encoding == "B") {
            m_result.photo = clsB64().Decode(value);
        } else if (value.left(5).toLower() == "data:") {
            const qsizetype comma = value.indexOf(',');
            if (comma >= 0 && value.left(comma).toLower().endsWith(";base64"))
                m_result.photo = clsB64().Decode(value.mid(comma + 1));
        } else {
            const QByteArray scheme = value.left(value.indexOf(':') + 1).toLower();
            // Entries of the "Not loaded" list; PHOTO is the card's property name.
            m_result.notLoaded
                << (scheme == "file:"
                        ? QCoreApplication::translate("CardReader", "PHOTO (a link to a file: not followed)")
                    : scheme.startsWith("http")
                        ? QCoreApplication::translate("CardReader", "PHOTO (a link to a web address: not followed)")
                        : QCoreApplication::translate("CardReader", "PHOTO (a link to somewhere else: not followed)"));
            return;
        }
        if (m_result.photo.isEmpty())
            count("PHOTO", false);
        else
            shown(F::PhotoPath);
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
        // FN stands in for a missing or empty N, split at its last blank;
        // not where it only repeats the company, as a company's card does.
        const QString fn = m_fn.trimmed();
        if (!m_haveName && !fn.isEmpty() && fn != m_result.contact.fields[F::Company].trimmed()) {
            const qsizetype blank = fn.lastIndexOf(u' ');
            m_result.contact.fields[F::LastName] = blank < 0 ? fn : fn.mid(blank + 1);
            m_result.contact.fields[F::FirstName] = blank < 0 ? QString() : fn.left(blank);
        }
        for (const Seen& s : m_seen) {
            if (s.listedAt < 0)
                continue;
            const QString name = QString::fromLatin1(s.name);
            //: An entry of the "Not loaded" list: %1 more values of the card's property %2 (its name stays as it is).
            m_result.notLoaded[s.listedAt] =
                s.loaded > 0  ? QCoreApplication::translate("CardReader", "%1 more %2").arg(s.left).arg(name)
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
    int m_version = 21;
    qsizetype m_current = -1;  ///< the kept property being read; -1 for a line of a card inside
    bool m_haveName = false;
    bool m_nameSeen = false;
    bool m_uidSeen = false;
    int m_depth = 0;  ///< of cards inside this one
    bool m_agentAwaited = false;
    QString m_fn;
    std::array<bool, ContactSource::FieldCount> m_taken{};
    QList<Seen> m_seen;
    ReadCard m_result;
};

/// Whether every line of a card is UTF-8: else it is read in the code page.
bool allUtf8(const QList<QByteArray>& lines)
{
    return std::all_of(lines.cbegin(), lines.cend(), [](const QByteArray& line) { return isValidUtf8(line); });
}

/// What a card only passed over keeps: what its name needs.
bool namesIt(const Property& p)
{
    return p.name == "VERSION" || p.name == "FN" || p.name == "N";
}

/**
 * Goes through the cards of @p device a line at a time. Each card is handed
 * to @p cardRead with its lines: all of them (nested cards included) when
 * @p whole says so, else only those its name needs, each cut short; once
 * @p cardRead returns false, the rest of the file is not read. Returns how
 * many cards were met.
 */
int eachCard(QIODevice& device, const std::function<bool(int card)>& whole,
             const std::function<bool(int card, QList<QByteArray>& lines)>& cardRead)
{
    CardLines lines(device);
    lines.setKeep(passedOverKeep);
    int card = -1;
    int depth = 0;
    bool keepAll = false;
    QList<QByteArray> kept;
    CardLines::Line line;
    while (lines.next(line)) {
        Property p;
        if (!parse(line.text, p))
            continue;
        if (p.begins() && depth++ == 0) {
            ++card;
            kept.clear();
            keepAll = whole(card);
            lines.setKeep(keepAll ? std::nullopt : std::optional<qsizetype>(passedOverKeep));
            continue;
        }
        if (depth == 0)
            continue;  // outside any card
        if (p.ends() && --depth == 0) {
            if (!cardRead(card, kept))
                return card + 1;
            kept.clear();
            continue;
        }
        if (keepAll || (depth == 1 && namesIt(p)))
            kept << std::move(line.text);
    }
    if (depth > 0)
        cardRead(card, kept);  // a last card without its end
    if (card < 0)
        throw Error(Error::InvalidFormat, QCoreApplication::translate("CardReader", "it holds no vCard."));
    return card + 1;
}

}  // namespace

ReadCard read(QIODevice& device, int codePage, int which)
{
    std::optional<ReadCard> result;
    const int cards = eachCard(
        device, [which](int card) { return card == which; },
        [&](int card, QList<QByteArray>& lines) {
            if (card != which)
                return true;
            result = Reader(allUtf8(lines), codePage).read(lines);
            return false;
        });
    if (!result)
        throw Error(Error::InvalidFormat,
                    QCoreApplication::translate("CardReader", "it holds %1 cards, not %2.").arg(cards).arg(which + 1));
    return *result;
}

QStringList names(QIODevice& device, int codePage)
{
    QStringList names;
    eachCard(
        device, [](int) { return false; },
        [&](int, QList<QByteArray>& lines) {
            names << Reader(allUtf8(lines), codePage).name(lines);
            return true;
        });
    return names;
}

ReadCard read(QByteArrayView file, int codePage, int which)
{
    QBuffer buffer;
    buffer.setData(file.toByteArray());
    buffer.open(QIODevice::ReadOnly);
    return read(buffer, codePage, which);
}

QStringList names(QByteArrayView file, int codePage)
{
    QBuffer buffer;
    buffer.setData(file.toByteArray());
    buffer.open(QIODevice::ReadOnly);
    return names(buffer, codePage);
}

}  // namespace CardReader
