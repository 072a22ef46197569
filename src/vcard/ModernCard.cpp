#include "vcard/ModernCard.h"

#include "core/AppInfo.h"
#include "core/ContactSource.h"
#include "photo/PhotoBlock.h"
#include "photo/clsB64.h"
#include "vcard/ModernLines.h"
#include "vcard/modVCard.h"

#include <algorithm>
#include <array>

namespace ModernCard {

namespace {

using F = ContactSource::Field;

constexpr qsizetype foldOctets = 75;

/// Writes one content line a piece at a time, folding at 75 octets.
class FoldedLine {
public:
    explicit FoldedLine(QByteArray& out) : m_out(out) {}

    /// Appends @p bytes, whole UTF-8 characters: a fold never splits one.
    FoldedLine& operator<<(QByteArrayView bytes)
    {
        qsizetype at = 0;
        while (bytes.size() - at > foldOctets - m_column) {
            qsizetype cut = at + (foldOctets - m_column);
            while (cut > at && (uchar(bytes[cut]) & 0xC0) == 0x80)
                --cut;  // back to the start of the character
            m_out.append(bytes.data() + at, cut - at);
            m_out += "\r\n ";
            m_column = 1;
            at = cut;
        }
        m_out.append(bytes.data() + at, bytes.size() - at);
        m_column += bytes.size() - at;
        return *this;
    }
    FoldedLine& operator<<(const QString& text) { return *this << QByteArrayView(text.toUtf8()); }

    ~FoldedLine() { m_out += "\r\n"; }

private:
    QByteArray& m_out;
    qsizetype m_column = 0;
};

struct Phone {
    int index;  ///< of the flag, and of the field after 18
    const char* types30;
    const char* types40;
};

// The designed order: voice numbers first, then the faxes and the pager.
constexpr std::array<Phone, 6> phones = {{
    {0, "HOME,VOICE", "home,voice"},
    {2, "WORK,VOICE", "work,voice"},
    {4, "CELL", "cell"},
    {1, "HOME,FAX", "home,fax"},
    {3, "WORK,FAX", "work,fax"},
    {5, "PAGER", "pager"},
}};

QString field(const ContactSource& c, int i)
{
    return escaped(c.text(i), i == F::Notes);
}

/// The UID as it may stand in a line: a stored or typed one could hold anything.
QString uidOf(const ContactSource& c)
{
    QString uid = c.uid();
    uid.removeIf(isControl);
    return uid;
}

bool anyOf(const ContactSource& c, const ContactSource::Address& fields)
{
    return std::any_of(fields.begin(), fields.end(), [&c](ContactSource::Field f) { return !c.text(f).isEmpty(); });
}

void appendPhoto(QByteArray& out, const ContactSource& c, CardVersion version)
{
    const QByteArray jpeg = PhotoBlock::jpegOf(c.text(F::PhotoPath));
    QByteArray codes;
    clsB64().Encode(jpeg, codes);
    out.reserve(out.size() + codes.size() + codes.size() / 74 * 3 + 64);
    // 4.0 carries a photo only as a URI; said so, libebook-contacts keeps it as the photo's address.
    FoldedLine(out) << (version == CardVersion::V30 ? QByteArrayView("PHOTO;ENCODING=b;TYPE=JPEG:")
                                                    : QByteArrayView("PHOTO;VALUE=uri:data:image/jpeg;base64,"))
                    << QByteArrayView(codes);
}

}  // namespace

QString escaped(QStringView text, bool keepTab)
{
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case u'\\': out += u"\\\\"; break;
        case u',': out += u"\\,"; break;
        case u';': out += u"\\;"; break;
        case u'\r':
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out += u"\\n";
            break;
        case u'\n':
        case 0x85:
        case 0x2028:
        case 0x2029: out += u"\\n"; break;
        case u'\t': out += keepTab ? u'\t' : u' '; break;
        default:
            if (!isControl(c))
                out += c;
        }
    }
    return out;
}

bool isControl(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029;
}

bool holdsControl(QStringView text)
{
    return std::any_of(text.begin(), text.end(), isControl);
}

QString formattedName(const ContactSource& c)
{
    QStringList parts;
    for (int i : {F::FirstName, F::MiddleInitial, F::LastName}) {
        if (!c.text(i).isEmpty())
            parts << c.text(i);
    }
    return parts.isEmpty() ? c.text(F::Company) : parts.join(u' ');
}

void appendFolded(QByteArray& out, QByteArrayView line)
{
    FoldedLine(out) << line;
}

namespace Lines {

QString name(const ContactSource& c)
{
    // The title is the name's honorific prefix, as in the 2.1 card.
    return QStringLiteral("N:%1;%2;%3;%4;")
        .arg(field(c, F::LastName), field(c, F::FirstName), field(c, F::MiddleInitial), field(c, F::Title));
}

QString formattedName(const ContactSource& c)
{
    return QStringLiteral("FN:") + escaped(ModernCard::formattedName(c));
}

QString phone(const ContactSource& c, ContactSource::Field field, CardVersion version)
{
    const QString number = c.text(field);
    if (number.isEmpty())
        return {};
    const int flag = ContactSource::flagOf(field);
    const Phone& phone = *std::find_if(phones.begin(), phones.end(), [&](const Phone& p) { return p.index == flag; });
    const bool pref = c.checked(flag);
    // 4.0's PREF=1 reaches few readers; the flag also as a TYPE value, which
    // 4.0 still allows, reaches Evolution and Android (which wants it in
    // upper case).
    const QString types = version == CardVersion::V30
                              ? QLatin1String(phone.types30) + (pref ? QStringLiteral(",PREF") : QString())
                              : QLatin1String(phone.types40) + (pref ? QStringLiteral(",PREF;PREF=1") : QString());
    return QStringLiteral("TEL;TYPE=") + types + u':' + escaped(number);
}

QString single(const ContactSource& c, ContactSource::Field i, CardVersion version)
{
    if (c.text(i).isEmpty())
        return {};
    const bool v3 = version == CardVersion::V30;
    switch (i) {
    case F::Email:
        return (v3 ? QStringLiteral("EMAIL;TYPE=INTERNET,PREF:") : QStringLiteral("EMAIL;TYPE=PREF;PREF=1:")) +
               field(c, i);
    case F::Notes: return QStringLiteral("NOTE:") + field(c, i);
    case F::Company: return QStringLiteral("ORG:") + field(c, i);
    // Escaped like text: readers split an address at a bare "," or ";".
    case F::WebsiteHome:
        return (v3 ? QStringLiteral("URL;TYPE=HOME:") : QStringLiteral("URL;TYPE=home:")) + field(c, i);
    case F::WebsiteWork:
        return (v3 ? QStringLiteral("URL;TYPE=WORK:") : QStringLiteral("URL;TYPE=work:")) + field(c, i);
    default: return {};
    }
}

QString address(const ContactSource& c, const ContactSource::Address& fields, CardVersion version)
{
    if (!anyOf(c, fields))
        return {};
    QString value = QStringLiteral(";;");
    for (const ContactSource::Field f : fields)
        value += (f == fields[0] ? QString() : QStringLiteral(";")) + field(c, f);
    const QString type = fields == ContactSource::workAddress ? QStringLiteral("WORK") : QStringLiteral("HOME");
    return QStringLiteral("ADR;TYPE=%1:").arg(version == CardVersion::V30 ? type : type.toLower()) + value;
}

QString birthday(const ContactSource& c, CardVersion version)
{
    if (!c.birthday().isValid())
        return {};
    return QStringLiteral("BDAY:") + c.birthday().toString(version == CardVersion::V30 ? QStringLiteral("yyyy-MM-dd")
                                                                                       : QStringLiteral("yyyyMMdd"));
}

QString productId()
{
    return QStringLiteral("PRODID:-//%1//%2 %3//EN")
        .arg(AppInfo::organizationName, AppInfo::productName, AppInfo::version);
}

QString revision(const QDateTime& now, CardVersion version)
{
    return QStringLiteral("REV:") + now.toUTC().toString(version == CardVersion::V30
                                                             ? QStringLiteral("yyyy-MM-ddTHH:mm:ssZ")
                                                             : QStringLiteral("yyyyMMddTHHmmssZ"));
}

QString uid(const ContactSource& c)
{
    const QString uid = uidOf(c);
    return uid.isEmpty() ? QString() : QStringLiteral("UID:") + uid;
}

void photo(QByteArray& out, const ContactSource& c, CardVersion version)
{
    appendPhoto(out, c, version);
}

}  // namespace Lines

QByteArray build(const ContactSource& c, CardVersion version, const QDateTime& now, bool withPhoto)
{
    QByteArray out;
    const auto line = [&](const QString& text) {
        if (!text.isEmpty())
            appendFolded(out, text.toUtf8());
    };
    line(QStringLiteral("BEGIN:VCARD"));
    line(version == CardVersion::V30 ? QStringLiteral("VERSION:3.0") : QStringLiteral("VERSION:4.0"));
    line(Lines::productId());
    line(Lines::uid(c));
    line(Lines::name(c));
    line(Lines::formattedName(c));
    for (const Phone& phone : phones)
        line(Lines::phone(c, ContactSource::phoneFields[phone.index], version));
    for (const F i : {F::Email, F::Notes, F::Company, F::WebsiteHome, F::WebsiteWork})
        line(Lines::single(c, i, version));
    line(Lines::address(c, ContactSource::workAddress, version));
    line(Lines::address(c, ContactSource::homeAddress, version));
    line(Lines::birthday(c, version));
    line(Lines::revision(now, version));
    if (withPhoto && modVCard::hasPhoto(c))
        appendPhoto(out, c, version);
    line(QStringLiteral("END:VCARD"));
    return out;
}

}  // namespace ModernCard
