#include "vcard/modVCard.h"

#include "core/ContactSource.h"
#include "photo/PhotoBlock.h"
#include "vcard/modFile.h"

#include <QFile>
#include <QFileInfo>

#include <array>

namespace modVCard {

namespace {

const QString crlf = QStringLiteral("\r\n");

bool needsQuotedPrintable(QStringView value)
{
    return value.contains(u'\r') || value.contains(u'\n');
}

// Only the characters that would break the line structure are encoded, so
// everything else (non-ASCII included) reaches the file encoding unchanged.
QString quotedPrintable(QStringView value)
{
    QString encoded;
    encoded.reserve(value.size() + value.size() / 8 + 3);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        const bool last = i + 1 == value.size();
        if (c == u'=')
            encoded += u"=3D";
        else if (c == u'\r')
            encoded += u"=0D";
        else if (c == u'\n')
            encoded += u"=0A";
        else if (last && c == u' ')
            encoded += u"=20";
        else if (last && c == u'\t')
            encoded += u"=09";
        else
            encoded += c;
    }
    return encoded;
}

/// Appends CR LF and one property; @p name carries the parameters too.
void appendProperty(QString& card, QStringView name, QStringView value)
{
    card += crlf;
    card += name;
    if (needsQuotedPrintable(value)) {
        card += u";ENCODING=QUOTED-PRINTABLE:";
        card += quotedPrintable(value);
    } else {
        card += u':';
        card += value;
    }
}

bool filled(const ContactSource& contact, int field)
{
    return !contact.text(field).isEmpty();
}

QString cleaned(const ContactSource& contact, int field)
{
    return modFile::CleanVCardValue(contact.text(field));
}

void appendAddress(QString& card, const ContactSource& contact, QStringView name, const ContactSource::Address& fields)
{
    bool any = false;
    for (const ContactSource::Field f : fields)
        any = any || filled(contact, f);
    if (!any)
        return;
    QString value = QStringLiteral(";;");
    for (const ContactSource::Field f : fields) {
        if (f != fields[0])
            value += u';';
        value += cleaned(contact, f);
    }
    appendProperty(card, name, value);
}

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

}  // namespace

QString TelType(int index)
{
    static const std::array<QString, 6> types = {
        QStringLiteral("HOME;VOICE"), QStringLiteral("HOME;FAX"), QStringLiteral("WORK;VOICE"),
        QStringLiteral("WORK;FAX"),   QStringLiteral("CELL"),     QStringLiteral("PAGER"),
    };
    return types.at(index);
}

QString TelPref(const ContactSource& contact, int index)
{
    return contact.checked(index) ? QStringLiteral(";PREF") : QString();
}

QString VCardDate(const QDate& date)
{
    return QString::number(date.year()) + twoDigits(date.month()) + twoDigits(date.day());
}

QString VCardTime(const QTime& time)
{
    return twoDigits(time.hour()) + twoDigits(time.minute()) + twoDigits(time.second());
}

bool isOrdinaryFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

QString BuildPhotoBlock(const ContactSource& contact)
{
    return PhotoBlock::build(contact.text(ContactSource::PhotoPath));
}

QString fileNameOf(const ContactSource& contact, int suffixBytes)
{
    QString name = contact.text(ContactSource::LastName) + u' ' + contact.text(ContactSource::FirstName);
    name.replace(u'/', u'-');
    name.removeIf([](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    constexpr qsizetype nameMax = 255;  // bytes, on every Linux file system
    qsizetype bytes = QFile::encodeName(name).size();
    while (bytes + suffixBytes > nameMax && !name.isEmpty()) {
        const qsizetype last = name.size() >= 2 && name.back().isLowSurrogate() ? 2 : 1;
        bytes -= QFile::encodeName(name.right(last)).size();
        name.chop(last);
    }
    return name;
}

bool hasPhoto(const ContactSource& contact)
{
    const QString path = contact.text(ContactSource::PhotoPath);
    return !path.isEmpty() && isOrdinaryFile(path);
}

QString buildCard(const ContactSource& c, const QDateTime& now)
{
    QString card = buildCardHead(c, now);
    if (hasPhoto(c)) {
        card += crlf;
        card += BuildPhotoBlock(c);
    }
    card += u"\r\nEND:VCARD";
    return card;
}

QString buildCardHead(const ContactSource& c, const QDateTime& now)
{
    using F = ContactSource::Field;
    QString card = QStringLiteral("BEGIN:VCARD\r\nVERSION:2.1");
    appendProperty(card, u"N",
                   cleaned(c, F::LastName) + u';' + cleaned(c, F::FirstName) + u';' + cleaned(c, F::MiddleInitial) +
                       u';' + cleaned(c, F::Title));
    appendProperty(card, u"FN",
                   cleaned(c, F::FirstName) + u' ' + cleaned(c, F::MiddleInitial) + u' ' + cleaned(c, F::LastName));

    // Voice numbers first, then the faxes and the pager.
    for (int index : {0, 2, 4, 1, 3, 5}) {
        const int field = ContactSource::phoneFields[index];
        if (filled(c, field))
            appendProperty(card, QString(QLatin1String("TEL;") + TelType(index) + TelPref(c, index)),
                           cleaned(c, field));
    }
    if (filled(c, F::Email))
        appendProperty(card, u"EMAIL;INTERNET;PREF", c.text(F::Email));
    if (filled(c, F::Notes))
        appendProperty(card, u"NOTE", cleaned(c, F::Notes));
    if (filled(c, F::Company))
        appendProperty(card, u"ORG", cleaned(c, F::Company));
    if (filled(c, F::WebsiteHome))
        appendProperty(card, u"URL;HOME", c.text(F::WebsiteHome));
    if (filled(c, F::WebsiteWork))
        appendProperty(card, u"URL;WORK", c.text(F::WebsiteWork));
    appendAddress(card, c, u"ADR;WORK", ContactSource::workAddress);
    appendAddress(card, c, u"ADR;HOME", ContactSource::homeAddress);
    // A birthday nobody gave is not written: no BDAY line at all.
    if (c.birthday().isValid())
        appendProperty(card, u"BDAY", VCardDate(c.birthday()));
    appendProperty(card, u"REV", VCardDate(now.date()) + QLatin1Char('T') + VCardTime(now.time()));
    return card;
}

}  // namespace modVCard
