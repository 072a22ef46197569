#include "vcard/KeptCard.h"

#include "core/DataSize.h"
#include "core/Error.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>

#include <algorithm>
#include <limits>

namespace {

/// Apple's labels stand in "_$!<HomePage>!$_" for the names it translates.
QString labelText(QString label)
{
    if (label.startsWith(QLatin1String("_$!<")) && label.endsWith(QLatin1String(">!$_")))
        label = label.mid(4, label.size() - 8);
    return label;
}

QString unquoted(const QString& v)
{
    return v.size() >= 2 && v.startsWith(u'"') && v.endsWith(u'"') ? v.mid(1, v.size() - 2) : v;
}

/// @p value as a user reads it: escapes undone, its parts and list items
/// joined by ", ", line breaks as blanks.
QString readable(const QString& value, int version)
{
    QStringList parts(1);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\' && i + 1 < value.size()) {
            const QChar e = value[++i];
            if (version == 21 && e != u';')
                parts.last() += c;  // 2.1 escapes only the separator
            parts.last() += (version != 21 && (e == u'n' || e == u'N')) ? QChar(u' ') : e;
        } else if (c == u';' || (c == u',' && version != 21)) {
            parts << QString();
        } else {
            parts.last() += (c == u'\r' || c == u'\n') ? QChar(u' ') : c;
        }
    }
    for (QString& part : parts)
        part = part.simplified();
    parts.removeAll(QString());
    return parts.join(QStringLiteral(", "));
}

constexpr char magic[] = "Quillmere kept card 1\n";

// Text goes as UTF-8 bytes: a length read from damaged bytes then costs no
// more than the bytes there are.
void put(QDataStream& out, const QString& text)
{
    out << text.isNull() << text.toUtf8();
}

QString takeText(QDataStream& in)
{
    bool null = false;
    QByteArray bytes;
    in >> null >> bytes;
    return null ? QString() : QString::fromUtf8(bytes);
}

/// A count read from @p in, checked against what is left: each item takes at least @p least bytes.
qsizetype takeCount(QDataStream& in, qsizetype least)
{
    quint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || qint64(count) * least > in.device()->bytesAvailable())
        throw Error(Error::InvalidFormat, QCoreApplication::translate("KeptCard", "the kept card is damaged."));
    return qsizetype(count);
}

}  // namespace

QString CardProperty::parameter(QByteArrayView name) const
{
    for (const CardParameter& p : parameters) {
        if (p.name == name && !p.value.isNull())
            return unquoted(p.value);
    }
    return {};
}

QStringList CardProperty::types() const
{
    QStringList t;
    for (const CardParameter& p : parameters) {
        if (p.value.isNull() && p.name != "QUOTED-PRINTABLE" && p.name != "BASE64" && p.name != "8BIT" &&
            p.name != "7BIT") {
            t << QString::fromLatin1(p.name);
        } else if (p.name == "TYPE") {
            for (const QString& one : unquoted(p.value).split(u',', Qt::SkipEmptyParts))
                t << one.trimmed().toUpper();
        } else if (p.name == "PREF") {
            t << QStringLiteral("PREF");
        }
    }
    t.removeDuplicates();
    return t;
}

QString CardProperty::heading() const
{
    QString text = QString::fromLatin1(name);
    if (isBinary())
        return text;  // its type is its format, no kind
    QStringList kinds = types();
    kinds.removeAll(QStringLiteral("INTERNET"));  // every address is
    if (!kinds.isEmpty())
        text += QStringLiteral(" (%1)").arg(kinds.join(QStringLiteral(", ")));
    return text;
}

QString CardProperty::text(int version) const
{
    if (isBinary())
        return DataSize::kilobytes(binary.size() * 3 / 4);
    return readable(value, version);
}

QString CardProperty::describe(int version) const
{
    const QString text = heading();
    if (isBinary())
        return text + QStringLiteral(": ") + this->text(version);
    QString shown = readable(value, version);
    // Long enough to tell one value from another, short enough for a list.
    if (shown.size() > 60)
        shown = shown.left(59) + QChar(0x2026);
    return shown.isEmpty() ? text : text + QStringLiteral(": ") + shown;
}

QStringList KeptCard::notShown() const
{
    QStringList out;
    for (const CardProperty& p : properties) {
        if (p.shown || p.name == "X-ABLABEL")
            continue;
        QString line = p.describe(version);
        // A label given in the property's group names it better than its types.
        if (!p.group.isEmpty()) {
            for (const CardProperty& label : properties) {
                if (label.name == "X-ABLABEL" && label.group.compare(p.group, Qt::CaseInsensitive) == 0) {
                    const QString shownLabel = labelText(readable(label.value, version));
                    const qsizetype colon = line.indexOf(QStringLiteral(": "));
                    const QString head = QString::fromLatin1(p.name) + QStringLiteral(" (%1)").arg(shownLabel);
                    line = colon < 0 ? head : head + line.mid(colon);
                    break;
                }
            }
        }
        out << line;
    }
    return out;
}

bool CardEdits::any() const
{
    const auto set = [](bool b) { return b; };
    return birthday || photo || std::any_of(fields.begin(), fields.end(), set) ||
           std::any_of(flags.begin(), flags.end(), set);
}

QByteArray KeptCard::toBytes() const
{
    QByteArray bytes(magic);
    QDataStream out(&bytes, QIODevice::Append);
    out.setVersion(QDataStream::Qt_6_4);
    out << qint32(version) << quint32(properties.size());
    for (const CardProperty& p : properties) {
        out << p.group << p.name << quint32(p.parameters.size());
        for (const CardParameter& parameter : p.parameters) {
            out << parameter.name;
            put(out, parameter.value);
        }
        put(out, p.value);
        out << p.binary << qint32(p.field) << p.shown;
    }
    for (const QString& field : asRead.fields)
        put(out, field);
    for (const bool flag : asRead.flags)
        out << flag;
    out << qint64(asRead.birthDate.isValid() ? asRead.birthDate.toJulianDay() : std::numeric_limits<qint64>::min());
    put(out, asRead.uidText);
    return bytes;
}

KeptCard KeptCard::fromBytes(QByteArrayView bytes)
{
    const QByteArrayView head(magic, sizeof magic - 1);
    if (!bytes.startsWith(head))
        throw Error(Error::InvalidFormat, QCoreApplication::translate("KeptCard", "the kept card is not one."));
    const QByteArray body = bytes.sliced(head.size()).toByteArray();
    QDataStream in(body);
    in.setVersion(QDataStream::Qt_6_4);
    KeptCard card;
    qint32 version = 0;
    in >> version;
    card.version = version;
    // The least a property takes: four empty byte arrays, a count, a text, a field and a flag.
    const qsizetype properties = takeCount(in, 4 * 4 + 4 + 5 + 4 + 1);
    for (qsizetype i = 0; i < properties; ++i) {
        CardProperty p;
        in >> p.group >> p.name;
        const qsizetype parameters = takeCount(in, 4 + 5);
        for (qsizetype k = 0; k < parameters; ++k) {
            CardParameter parameter;
            in >> parameter.name;
            parameter.value = takeText(in);
            p.parameters << parameter;
        }
        p.value = takeText(in);
        qint32 field = -1;
        in >> p.binary >> field >> p.shown;
        p.field = field;
        if (field < -1 || field >= ContactSource::FieldCount)
            in.setStatus(QDataStream::ReadCorruptData);
        card.properties << p;
    }
    for (QString& field : card.asRead.fields)
        field = takeText(in);
    for (bool& flag : card.asRead.flags)
        in >> flag;
    qint64 day = 0;
    in >> day;
    if (day != std::numeric_limits<qint64>::min())
        card.asRead.birthDate = QDate::fromJulianDay(day);
    card.asRead.uidText = takeText(in);
    if (in.status() != QDataStream::Ok || !in.atEnd())
        throw Error(Error::InvalidFormat, QCoreApplication::translate("KeptCard", "the kept card is damaged."));
    return card;
}
