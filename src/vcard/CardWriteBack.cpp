// The 3.0/4.0 card written over the card it was read from.

#include "core/ContactSource.h"
#include "vcard/KeptCard.h"
#include "vcard/ModernCard.h"
#include "vcard/ModernLines.h"
#include "vcard/modVCard.h"

#include <QSet>

#include <optional>

namespace ModernCard {

namespace {

using F = ContactSource::Field;

/// Whether a property named @p name has a place in @p version: some of each version have none in the other.
bool hasPlaceIn(const QByteArray& name, CardVersion version)
{
    static const QSet<QByteArray> only3 = {"AGENT", "CLASS", "LABEL", "MAILER", "NAME", "PROFILE", "SORT-STRING"};
    static const QSet<QByteArray> only4 = {"KIND",         "GENDER", "ANNIVERSARY", "XML",
                                           "CLIENTPIDMAP", "MEMBER", "RELATED",     "LANG"};
    return !(version == CardVersion::V40 ? only3 : only4).contains(name);
}

/// Whether a 2.1 value of @p name is one text, whose ";" is no separator.
bool isOneText(const QByteArray& name)
{
    static const QSet<QByteArray> single = {"FN",  "NOTE", "TITLE", "ROLE",   "EMAIL", "TEL",  "URL",
                                            "UID", "BDAY", "LABEL", "MAILER", "TZ",    "IMPP", "SORT-STRING"};
    return single.contains(name);
}

/// The parts of @p value at each @p separator not escaped; escapes kept.
QStringList parts(const QString& value, QChar separator = u';')
{
    QStringList out(1);
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == separator) {
            out << QString();
            continue;
        }
        out.last() += value[i];
        if (value[i] == u'\\' && i + 1 < value.size())
            out.last() += value[++i];
    }
    return out;
}

/// @p text without control characters; a tab is a blank unless @p keepTab.
QString cleaned(const QString& text, bool keepTab = false)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\t')
            out += keepTab ? c : QChar(u' ');
        else if (!isControl(c))
            out += c;
    }
    return out;
}

QString unquoted(const QString& v)
{
    return v.size() >= 2 && v.startsWith(u'"') && v.endsWith(u'"') ? v.mid(1, v.size() - 2) : v;
}

/// A kept value in the escapes of 3.0 and 4.0 (which are the same); one
/// from a 2.1 card has "\;" as its only escape.
QString valueOf(const CardProperty& p, int from)
{
    const bool keepTab = p.name == "NOTE";
    if (from != 21)
        return cleaned(p.value, keepTab);
    const bool list = p.name == "CATEGORIES" || p.name == "NICKNAME";
    QStringList out;
    for (QString part : isOneText(p.name) ? QStringList{p.value} : parts(p.value)) {
        part.replace(QStringLiteral("\\;"), QStringLiteral(";"));
        QStringList items = list ? part.split(u',') : QStringList{part};
        for (QString& item : items)
            item = escaped(item, keepTab);
        out << items.join(u',');
    }
    return out.join(u';');
}

/// The media type of a picture or sound given as @p format ("JPEG", "image/png"), else guessed from its first codes.
QString mediaType(const QString& format, const QString& codes, const QByteArray& name)
{
    if (format.contains(u'/'))
        return format.toLower();
    if (!format.isEmpty())
        return (name == "SOUND" ? QStringLiteral("audio/") : QStringLiteral("image/")) + format.toLower();
    if (codes.startsWith(QLatin1String("/9j/")))
        return QStringLiteral("image/jpeg");
    if (codes.startsWith(QLatin1String("iVBOR")))
        return QStringLiteral("image/png");
    if (codes.startsWith(QLatin1String("R0lG")))
        return QStringLiteral("image/gif");
    return QStringLiteral("application/octet-stream");
}

/// Whether @p p is a type list, or a bare 2.1 type, naming @p type.
bool isType(const CardParameter& p)
{
    return p.value.isNull() ? p.name != "BASE64" && p.name != "QUOTED-PRINTABLE" && p.name != "8BIT" && p.name != "7BIT"
                            : p.name == "TYPE";
}

/// The line of @p p in @p to: its parameters converted, @p from the version of its value.
std::optional<QString> lineOf(const CardProperty& p, int from, CardVersion to)
{
    if (!hasPlaceIn(p.name, to) || (p.name == "AGENT" && p.value.trimmed().isEmpty()))
        return std::nullopt;  // a card inside the card has no place in either
    const bool v3 = to == CardVersion::V30;
    QStringList params;
    QStringList bareTypes;
    qsizetype typesAt = -1, encodingAt = -1;
    bool base64 = false;
    QString encoding = QStringLiteral("b");
    QString format;  ///< the TYPE of a binary value
    for (const CardParameter& k : p.parameters) {
        const QString name = QString::fromLatin1(k.name);
        if (k.value.isNull() && k.name == "BASE64") {
            base64 = true;
            encodingAt = params.size();
        } else if (k.value.isNull() && isType(k)) {
            // 2.1's bare types become one TYPE list where the first stood.
            typesAt = typesAt < 0 ? params.size() : typesAt;
            bareTypes << cleaned(name);
        } else if (k.value.isNull() || k.name == "CHARSET") {
            continue;  // the value is UTF-8 text now
        } else if (k.name == "ENCODING") {
            const QString e = unquoted(k.value).toUpper();
            if (e == u"B" || e == u"BASE64") {
                base64 = true;
                encodingAt = params.size();
                encoding = e == u"B" ? unquoted(k.value) : encoding;
            }
        } else if (k.name == "VALUE" && from == 21 && unquoted(k.value).compare(u"url", Qt::CaseInsensitive) == 0) {
            params << QStringLiteral("VALUE=uri");
        } else if (k.name == "PREF" && v3) {
            params << QStringLiteral("TYPE=PREF");  // 4.0's PREF=1 is 3.0's pref type
        } else {
            params << name + u'=' + cleaned(k.value);
        }
    }
    if (!bareTypes.isEmpty())
        params.insert(typesAt, QStringLiteral("TYPE=") + bareTypes.join(u','));
    // 3.0's pref type is 4.0's PREF=1, which more of 4.0's readers take.
    if (!v3 && p.types().contains(QStringLiteral("PREF")) && p.parameter("PREF").isNull())
        params << QStringLiteral("PREF=1");
    QString value;
    const QString dataHead = p.value.left(p.value.indexOf(u',') + 1);
    if (base64) {
        QString codes = p.value;
        codes.removeIf([](QChar c) { return c.isSpace() || isControl(c); });
        if (v3) {
            params.insert(encodingAt < 0 ? 0 : std::min(encodingAt, params.size()),
                          QStringLiteral("ENCODING=") + encoding);
            value = codes;
        } else {
            // 4.0 carries it as a data: URI; its TYPE was its format.
            for (qsizetype i = 0; i < params.size(); ++i) {
                if (params[i].startsWith(QLatin1String("TYPE="), Qt::CaseInsensitive)) {
                    format = unquoted(params[i].mid(5)).section(u',', 0, 0);
                    params.removeAt(i);
                    break;
                }
            }
            if (!std::any_of(params.begin(), params.end(), [](const QString& s) {
                    return s.startsWith(QLatin1String("VALUE="), Qt::CaseInsensitive);
                }))
                params << QStringLiteral("VALUE=uri");
            value = QStringLiteral("data:%1;base64,").arg(mediaType(format, codes, p.name)) + codes;
        }
    } else if (v3 && dataHead.startsWith(QLatin1String("data:"), Qt::CaseInsensitive) &&
               dataHead.endsWith(QLatin1String(";base64,"), Qt::CaseInsensitive)) {
        // 3.0 carries it as base64, with its format as its TYPE.
        params.removeIf([](const QString& s) { return s.startsWith(QLatin1String("VALUE="), Qt::CaseInsensitive); });
        const QString subtype = dataHead.mid(5, dataHead.size() - 5 - 8).section(u'/', 1).toUpper();
        params.prepend(QStringLiteral("TYPE=") + subtype);
        params.prepend(QStringLiteral("ENCODING=b"));
        value = cleaned(p.value.mid(dataHead.size()));
    } else {
        value = valueOf(p, from);
    }
    QString line = p.group.isEmpty() ? QString() : QString::fromLatin1(p.group) + u'.';
    line += QString::fromLatin1(p.name);
    for (const QString& param : params)
        line += u';' + param;
    return line + u':' + value;
}

/// The kept components of @p p, in 3.0/4.0 escapes, at least @p count of them.
QStringList componentsOf(const CardProperty& p, int from, qsizetype count)
{
    QStringList out = parts(p.value);
    for (QString& part : out) {
        if (from == 21) {
            part.replace(QStringLiteral("\\;"), QStringLiteral(";"));
            part = escaped(part);
        } else {
            part = cleaned(part);
        }
    }
    while (out.size() < count)
        out << QString();
    return out;
}

/// The name's components that the form's fields fill, in order.
constexpr F nameFields[] = {F::LastName, F::FirstName, F::MiddleInitial, F::Title};

/// The fields of the address whose street is @p field; none for another field.
const ContactSource::Address* addressOf(int field)
{
    return field == F::HomeAddress   ? &ContactSource::homeAddress
           : field == F::WorkAddress ? &ContactSource::workAddress
                                     : nullptr;
}

/// The flag of phone field @p field; -1 for another field.
int flagOf(int field)
{
    const auto& phones = ContactSource::phoneFields;
    const auto it = std::find(phones.begin(), phones.end(), field);
    return it == phones.end() ? -1 : int(it - phones.begin());
}

class WriteBack {
public:
    WriteBack(const ContactSource& c, CardVersion to, const KeptCard& kept, const CardEdits& edits)
        : m_c(c),
          m_to(to),
          m_kept(kept),
          m_edits(edits)
    {
    }

    QByteArray build(const QDateTime& now, QStringList* unwritten)
    {
        const bool v3 = m_to == CardVersion::V30;
        const QString version = v3 ? QStringLiteral("VERSION:3.0") : QStringLiteral("VERSION:4.0");
        // What goes out of each kept property, decided first: an emptied
        // property takes its group's label with it.
        QList<std::optional<QString>> lines;
        QSet<QByteArray> removedGroups;
        for (const CardProperty& p : m_kept.properties) {
            lines << lineFor(p);
            if (!lines.last() && !p.group.isEmpty() && p.shown)
                removedGroups.insert(p.group.toLower());
        }
        line(QStringLiteral("BEGIN:VCARD"));
        bool versionWritten = false, productWritten = false, revWritten = false;
        const auto head = [&] {
            if (!versionWritten)
                line(version);
            if (!productWritten)
                line(Lines::productId());
            versionWritten = productWritten = true;
        };
        if (m_kept.properties.isEmpty() || m_kept.properties.first().name != "VERSION")
            head();
        for (qsizetype i = 0; i < m_kept.properties.size(); ++i) {
            const CardProperty& p = m_kept.properties[i];
            if (p.name == "VERSION") {
                if (!std::exchange(versionWritten, true))
                    line(version);
                if (!hasProperty("PRODID"))
                    head();
            } else if (p.name == "PRODID") {
                if (!std::exchange(productWritten, true))
                    line(Lines::productId());
            } else if (p.name == "REV") {
                line(Lines::revision(now, m_to));
                revWritten = true;
            } else if (p.name == "X-ABLABEL" && removedGroups.contains(p.group.toLower())) {
                continue;
            } else if (p.field == F::PhotoPath && photoEdited() && !m_photoWritten && modVCard::hasPhoto(m_c)) {
                Lines::photo(m_out, m_c, m_to);
                m_photoWritten = true;
            } else if (lines[i]) {
                line(*lines[i]);
            } else if (unwritten && !hasPlaceFor(p)) {
                *unwritten << p.describe(m_kept.version);
            }
        }
        head();
        added();
        if (!revWritten)
            line(Lines::revision(now, m_to));
        line(QStringLiteral("END:VCARD"));
        return m_out;
    }

private:
    void line(const QString& text)
    {
        if (!text.isEmpty())
            appendFolded(m_out, text.toUtf8());
    }

    bool hasProperty(QByteArrayView name) const
    {
        return std::any_of(m_kept.properties.begin(), m_kept.properties.end(),
                           [&](const CardProperty& p) { return p.name == name; });
    }

    bool hasPlaceFor(const CardProperty& p) const { return p.shown || lineOf(p, m_kept.version, m_to).has_value(); }

    bool nameFieldEdited() const
    {
        return std::any_of(std::begin(nameFields), std::end(nameFields), [&](int f) { return m_edits.fields[f]; });
    }

    /// Whether the user changed a field that @p p fills: the name's four, an address's five, else one.
    bool fieldEdited(const CardProperty& p) const
    {
        if (p.field == F::LastName)
            return nameFieldEdited();
        if (const ContactSource::Address* fields = addressOf(p.field))
            return edited(*fields);
        return m_edits.fields[p.field];
    }

    bool edited(const ContactSource::Address& fields) const
    {
        return std::any_of(fields.begin(), fields.end(), [&](F f) { return m_edits.fields[f]; });
    }

    bool photoEdited() const { return m_edits.photo || m_edits.fields[F::PhotoPath]; }

    bool nameEdited() const
    {
        return m_edits.fields[F::LastName] || m_edits.fields[F::FirstName] || m_edits.fields[F::MiddleInitial] ||
               (m_edits.fields[F::Company] && formattedName(m_kept.asRead) != formattedName(m_c));
    }

    /// The line @p p goes out as; nothing for none.
    std::optional<QString> lineFor(const CardProperty& p)
    {
        const int from = m_kept.version;
        if (p.name == "FN" && p.shown && nameEdited() && formattedName(m_kept.asRead) != formattedName(m_c))
            return withValue(p, escaped(formattedName(m_c)));
        // The card has one identity, the contact's: one the form refused is not written again.
        if (p.name == "UID" && !m_c.uid().isEmpty())
            return std::exchange(m_uidWritten, true) ? QString() : Lines::uid(m_c);
        // A birthday or a photo set in the form replaces each the card had.
        if (p.name == "BDAY" && m_edits.birthday)
            return std::exchange(m_birthdayWritten, true) ? QString() : Lines::birthday(m_c, m_to);
        if (p.name == "PHOTO" && photoEdited())
            return std::nullopt;
        if (p.field < 0 || (!fieldEdited(p) && !flagEdited(p)))
            return lineOf(p, from, m_to);
        if (p.field == F::LastName) {
            QStringList c = componentsOf(p, from, 5);
            for (int k = 0; k < 4; ++k) {
                if (m_edits.fields[nameFields[k]])
                    c[k] = escaped(m_c.text(nameFields[k]));
            }
            return withValue(p, c.join(u';'));
        }
        if (const ContactSource::Address* fields = addressOf(p.field)) {
            if (std::all_of(fields->begin(), fields->end(), [&](F f) { return m_c.text(f).isEmpty(); }))
                return std::nullopt;
            QStringList c = componentsOf(p, from, 7);
            // The post office box and the extended address are shown in the street.
            if (m_edits.fields[p.field])
                c[0] = c[1] = QString();
            for (int k = 0; k < 5; ++k) {
                if (m_edits.fields[(*fields)[k]])
                    c[k + 2] = escaped(m_c.text((*fields)[k]));
            }
            return withValue(p, c.join(u';'));
        }
        const QString text = m_c.text(p.field);
        if (text.isEmpty())
            return std::nullopt;
        if (flagOf(p.field) >= 0)
            return phone(p, text);
        return withValue(p, escaped(text, p.field == F::Notes));
    }

    bool flagEdited(const CardProperty& p) const
    {
        const int k = flagOf(p.field);
        return p.name == "TEL" && k >= 0 && m_edits.flags[k];
    }

    std::optional<QString> withValue(const CardProperty& p, const QString& value) const
    {
        CardProperty q = p;
        q.value = value;
        return lineOf(q, 30, m_to);  // the value is in 3.0/4.0 escapes now
    }

    /// A number written from the form, its flag too when the user set it.
    std::optional<QString> phone(const CardProperty& p, const QString& number) const
    {
        CardProperty q = p;
        const int k = flagOf(p.field);
        if (m_edits.fields[p.field]) {
            const bool uri = p.value.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive);
            q.value = (uri ? QStringLiteral("tel:") : QString()) + escaped(number);
        } else {
            q.value = valueOf(p, m_kept.version);
        }
        if (m_edits.flags[k]) {
            QList<CardParameter> kept;
            for (CardParameter parameter : q.parameters) {
                if (parameter.name == "PREF")
                    continue;
                if (parameter.name == "TYPE" && !parameter.value.isNull()) {
                    QStringList types = unquoted(parameter.value).split(u',');
                    if (types.removeIf([](const QString& t) { return t.trimmed().toUpper() == u"PREF"; }) > 0) {
                        if (types.isEmpty())
                            continue;
                        parameter.value = types.join(u',');
                    }
                }
                kept << parameter;
            }
            if (m_c.checked(k)) {
                // Into the first type list, as the form writes it; else a list of its own.
                const auto list = std::find_if(kept.begin(), kept.end(), [](const CardParameter& parameter) {
                    return parameter.name == "TYPE" && !parameter.value.isNull();
                });
                if (list == kept.end())
                    kept << CardParameter{"TYPE", QStringLiteral("PREF")};
                else
                    list->value = unquoted(list->value) + QStringLiteral(",PREF");
                if (m_to == CardVersion::V40)
                    kept << CardParameter{"PREF", QStringLiteral("1")};
            }
            q.parameters = kept;
        }
        return lineOf(q, 30, m_to);
    }

    bool keptField(int field) const
    {
        return std::any_of(m_kept.properties.begin(), m_kept.properties.end(),
                           [&](const CardProperty& p) { return p.field == field; });
    }

    /// The parts the user changed that the card had no property for, as the form writes them.
    void added()
    {
        if (!hasProperty("UID"))
            line(Lines::uid(m_c));
        if (!keptField(F::LastName) && (nameFieldEdited() || m_to == CardVersion::V30))
            line(Lines::name(m_c));
        if (!hasProperty("FN"))
            line(Lines::formattedName(m_c));
        for (const F phone : ContactSource::phoneFields) {
            if (!keptField(phone) && (m_edits.fields[phone] || m_edits.flags[ContactSource::flagOf(phone)]))
                line(Lines::phone(m_c, phone, m_to));
        }
        for (const F f : {F::Email, F::Notes, F::Company, F::WebsiteHome, F::WebsiteWork}) {
            if (!keptField(f) && m_edits.fields[f])
                line(Lines::single(m_c, f, m_to));
        }
        for (const ContactSource::Address& fields : {ContactSource::workAddress, ContactSource::homeAddress}) {
            if (!keptField(fields[0]) && edited(fields))
                line(Lines::address(m_c, fields, m_to));
        }
        if (m_edits.birthday && !m_birthdayWritten)
            line(Lines::birthday(m_c, m_to));
        if (photoEdited() && !m_photoWritten && modVCard::hasPhoto(m_c))
            Lines::photo(m_out, m_c, m_to);
    }

    const ContactSource& m_c;
    CardVersion m_to;
    const KeptCard& m_kept;
    const CardEdits& m_edits;
    QByteArray m_out;
    bool m_birthdayWritten = false;
    bool m_uidWritten = false;
    bool m_photoWritten = false;
};

}  // namespace

QByteArray build(const ContactSource& contact, CardVersion version, const QDateTime& now, const KeptCard& kept,
                 const CardEdits& edits, QStringList* unwritten)
{
    if (kept.isEmpty())
        return build(contact, version, now);
    return WriteBack(contact, version, kept, edits).build(now, unwritten);
}

}  // namespace ModernCard
