#include "settings/IniFormat.h"

#include "core/Utf8.h"

#include <QDataStream>
#include <QIODevice>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringDecoder>

namespace IniFormat {

namespace {

// --- reading --------------------------------------------------------------

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int octValue(char c)
{
    return c >= '0' && c <= '7' ? c - '0' : -1;
}

/// One logical line: a quoted value may run over line ends, a backslash
/// joins the next line, and ";" starts a comment outside quotes.
struct Line {
    QByteArrayView text;
    qsizetype equals = -1;  ///< position of the first "=" outside quotes
};

bool nextLine(QByteArrayView data, qsizetype& pos, Line& line)
{
    qsizetype start = pos;
    while (start < data.size() && isBlank(data[start]))
        ++start;
    qsizetype equals = -1;
    bool inQuotes = false;
    qsizetype i = start;
    while (i < data.size()) {
        const char c = data[i++];
        if (c == '=') {
            if (!inQuotes && equals < 0)
                equals = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < data.size()) {
                const char next = data[i++];
                if (i < data.size() && ((next == '\n' && data[i] == '\r') || (next == '\r' && data[i] == '\n')))
                    ++i;
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';') {
            if (i == start + 1) {  // a comment line: skip it whole
                while (i < data.size() && data[i] != '\n' && data[i] != '\r')
                    ++i;
                while (i < data.size() && isBlank(data[i]))
                    ++i;
                start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    line.text = data.sliced(start, i - start);
    line.equals = equals < 0 ? -1 : equals - start;
    return !line.text.isEmpty();
}

QString unescapedKey(QByteArrayView key)
{
    const QString decoded = QString::fromUtf8(key);
    QString result;
    result.reserve(decoded.size());
    for (qsizetype i = 0; i < decoded.size();) {
        const QChar c = decoded[i];
        if (c == u'\\') {
            result += u'/';
            ++i;
            continue;
        }
        if (c != u'%' || i + 1 == decoded.size()) {
            result += c;
            ++i;
            continue;
        }
        const bool wide = decoded[i + 1] == u'U';
        const qsizetype first = i + (wide ? 2 : 1);
        const qsizetype digits = wide ? 4 : 2;
        bool ok = false;
        const ushort code =
            first + digits <= decoded.size() ? QStringView(decoded).sliced(first, digits).toUShort(&ok, 16) : 0;
        if (!ok) {
            result += u'%';
            ++i;
            continue;
        }
        result += QChar(code);
        i = first + digits;
    }
    return result;
}

void chopTrailingBlanks(QString& text, qsizetype limit)
{
    qsizetype n = text.size();
    while (n > limit && (text[n - 1] == u' ' || text[n - 1] == u'\t'))
        --n;
    text.truncate(n);
}

char simpleEscape(char c)
{
    switch (c) {
    case 'a': return '\a';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\': return c;
    default: return 0;
    }
}

/// A value's text: quotes, escapes, and a comma outside quotes that makes
/// it a list. Returns whether it is a list.
bool unescapedValue(QByteArrayView text, QString& value, QStringList& list)
{
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
    };
    // A number escape runs as long as digits follow, in 16 bits.
    const auto numberEscape = [&](ushort value0, int base, int (*digit)(char)) {
        ushort code = value0;
        while (i < text.size() && digit(text[i]) >= 0)
            code = ushort(code * base + digit(text[i++]));
        value += QChar(code);
    };

    // One decoder for the whole value: like Qt's, it drops a byte order
    // mark only at the very start.
    QStringDecoder utf8(QStringDecoder::Utf8);
    skipBlanks();
    qsizetype chopLimit = value.size();
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\\') {
            if (++i == text.size()) {
                chopLimit = value.size();  // a last lone backslash keeps the blanks before it
                break;
            }
            const char e = text[i++];
            if (const char code = simpleEscape(e)) {
                value += QLatin1Char(code);
            } else if (e == 'x') {
                if (i < text.size() && hexValue(text[i]) >= 0)
                    numberEscape(0, 16, hexValue);
            } else if (octValue(e) >= 0) {
                numberEscape(ushort(octValue(e)), 8, octValue);
            } else if ((e == '\n' || e == '\r') && i < text.size() && (text[i] == '\n' || text[i] == '\r') &&
                       text[i] != e) {
                ++i;  // a line joined by a backslash: CR LF or LF CR is one end
            }
            chopLimit = value.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                chopLimit = value.size();
            }
        } else if (c == ',' && !inQuotes) {
            if (!quoted)
                chopTrailingBlanks(value, chopLimit);
            if (!isList) {
                isList = true;
                list.clear();
            }
            list.append(value);
            value.clear();
            quoted = false;
            ++i;
            skipBlanks();
            chopLimit = 0;
        } else {
            qsizetype j = i + 1;
            while (j < text.size() && text[j] != '\\' && text[j] != '"' && text[j] != ',')
                ++j;
            value += utf8(text.sliced(i, j - i));
            i = j;
        }
    }
    if (!quoted)
        chopTrailingBlanks(value, chopLimit);
    if (isList)
        list.append(value);
    return isList;
}

// As QSettings spells a key: no empty group names ("a//b", "a/", "/a").
QString normalizedKey(const QString& key)
{
    if (!key.startsWith(u'/') && !key.endsWith(u'/') && !key.contains(u"//"))
        return key;
    return key.split(u'/', Qt::SkipEmptyParts).join(u'/');
}

QStringList splitArguments(QStringView s, qsizetype open)
{
    return s.sliced(open + 1).chopped(1).toString().split(u' ');
}

QVariant stringToVariant(const QString& s)
{
    if (!s.startsWith(u'@'))
        return s;
    if (s.endsWith(u')')) {
        const QStringView v(s);
        if (s.startsWith(u"@ByteArray("))
            return v.sliced(11).chopped(1).toLatin1();
        if (s.startsWith(u"@String("))
            return v.sliced(8).chopped(1).toString();
        if (s.startsWith(u"@Variant(") || s.startsWith(u"@DateTime("))
            return QVariant::fromValue(StreamedValue{s});
        if (s.startsWith(u"@Rect(")) {
            const QStringList a = splitArguments(v, 5);
            if (a.size() == 4)
                return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
        } else if (s.startsWith(u"@Size(")) {
            const QStringList a = splitArguments(v, 5);
            if (a.size() == 2)
                return QSize(a[0].toInt(), a[1].toInt());
        } else if (s.startsWith(u"@Point(")) {
            const QStringList a = splitArguments(v, 6);
            if (a.size() == 2)
                return QPoint(a[0].toInt(), a[1].toInt());
        } else if (s == u"@Invalid()") {
            return QVariant();
        }
    }
    return s.startsWith(u"@@") ? QVariant(s.sliced(1)) : QVariant(s);
}

// A list holding an "@Type(...)" item is a list of values, each read as
// such; otherwise a list of texts, each "@@" read as "@".
QVariant listToVariant(const QStringList& list)
{
    QStringList texts = list;
    for (QString& item : texts) {
        if (!item.startsWith(u'@'))
            continue;
        if (!item.startsWith(u"@@")) {
            QVariantList variants;
            for (const QString& s : list)
                variants.append(stringToVariant(s));
            return variants;
        }
        item.remove(0, 1);
    }
    return texts;
}

bool isText(QByteArrayView data)
{
    return !data.contains('\0') && isValidUtf8(data);
}

// --- writing --------------------------------------------------------------

QByteArray escapedKey(QStringView key)
{
    QByteArray out;
    out.reserve(key.size());
    for (const QChar qc : key) {
        const char16_t c = qc.unicode();
        if (c == u'/') {
            out += '\\';
        } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_' ||
                   c == u'-' || c == u'.') {
            out += char(c);
        } else if (c <= 0xFF) {
            out += '%' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        } else {
            out += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
        }
    }
    return out;
}

bool isHexDigit(char16_t c)
{
    return c < 0x80 && hexValue(char(c)) >= 0;
}

bool isLoneSurrogate(QStringView s, qsizetype i)
{
    const QChar c = s[i];
    if (c.isHighSurrogate())
        return i + 1 == s.size() || !s[i + 1].isLowSurrogate();
    if (c.isLowSurrogate())
        return i == 0 || !s[i - 1].isHighSurrogate();
    return false;
}

void appendEscapedString(QStringView s, QByteArray& out)
{
    const bool utf8 = !(s.startsWith(u"@ByteArray(") || s.startsWith(u"@Variant(") || s.startsWith(u"@DateTime("));
    const qsizetype start = out.size();
    bool needsQuotes = false;
    bool escapeNextIfHex = false;
    out.reserve(start + s.size() + s.size() / 2 + 2);
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        if (c == u';' || c == u',' || c == u'=')
            needsQuotes = true;
        // "\x41" followed by "B" would read as one escape: escape it too.
        if (escapeNextIfHex && isHexDigit(c)) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeNextIfHex = false;
        switch (c) {
        case u'\0':
            out += "\\0";
            escapeNextIfHex = true;
            break;
        case u'\a': out += "\\a"; break;
        case u'\b': out += "\\b"; break;
        case u'\f': out += "\\f"; break;
        case u'\n': out += "\\n"; break;
        case u'\r': out += "\\r"; break;
        case u'\t': out += "\\t"; break;
        case u'\v': out += "\\v"; break;
        case u'"':
        case u'\\':
            out += '\\';
            out += char(c);
            break;
        default:
            // A lone surrogate has no UTF-8 form, and a reader may drop a
            // byte order mark: their codes keep them exactly.
            if (c <= 0x1F || (c >= 0x7F && !utf8) || (utf8 && (c == 0xFEFF || isLoneSurrogate(s, i)))) {
                out += "\\x" + QByteArray::number(c, 16);
                escapeNextIfHex = true;
            } else if (c < 0x80 || !utf8) {
                out += char(c);
            } else {
                qsizetype j = i + 1;
                while (j < s.size() && s[j].unicode() >= 0x80 && s[j].unicode() != 0xFEFF && !isLoneSurrogate(s, j))
                    ++j;
                out += s.sliced(i, j - i).toUtf8();
                i = j - 1;
            }
        }
    }
    if (needsQuotes || (out.size() > start && (out[start] == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

QString toDataStream(const QVariant& v, const char* prefix, QDataStream::Version version)
{
    QByteArray a;
    {
        QDataStream stream(&a, QIODevice::WriteOnly);
        stream.setVersion(version);
        stream << v;
    }
    return QLatin1String(prefix) + QLatin1String(a) + u')';
}

QString variantToString(const QVariant& v)
{
    switch (v.metaType().id()) {
    case QMetaType::UnknownType: return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray: return QLatin1String("@ByteArray(") + QLatin1String(v.toByteArray()) + u')';
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Float:
    case QMetaType::Double: {
        QString s = v.toString();
        if (s.contains(QChar::Null))
            return QLatin1String("@String(") + s + u')';
        if (s.startsWith(u'@'))
            s.prepend(u'@');
        return s;
    }
    case QMetaType::QRect: {
        const QRect r = v.toRect();
        return QString::asprintf("@Rect(%d %d %d %d)", r.x(), r.y(), r.width(), r.height());
    }
    case QMetaType::QSize: return QString::asprintf("@Size(%d %d)", v.toSize().width(), v.toSize().height());
    case QMetaType::QPoint: return QString::asprintf("@Point(%d %d)", v.toPoint().x(), v.toPoint().y());
    case QMetaType::QDateTime: return toDataStream(v, "@DateTime(", QDataStream::Qt_5_6);
    default:
        if (v.metaType() == QMetaType::fromType<StreamedValue>())
            return v.value<StreamedValue>().text;
        return toDataStream(v, "@Variant(", QDataStream::Qt_4_0);
    }
}

void appendValue(const QVariant& v, QByteArray& out)
{
    const int type = v.metaType().id();
    if (type != QMetaType::QStringList && !(type == QMetaType::QVariantList && v.toList().size() != 1)) {
        appendEscapedString(variantToString(v), out);
        return;
    }
    const QVariantList items = v.toList();
    if (items.isEmpty())
        out += "@Invalid()";  // Qt's spelling of an empty list
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i != 0)
            out += ", ";
        appendEscapedString(variantToString(items[i]), out);
    }
}

}  // namespace

bool read(QByteArrayView data, QSettings::SettingsMap& map)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    if (!isText(data))
        return false;
    QString section;
    qsizetype settings = 0;
    qsizetype unreadable = 0;
    qsizetype pos = 0;
    Line line;
    QStringList list;
    while (nextLine(data, pos, line)) {
        if (line.text.startsWith('[')) {
            qsizetype close = line.text.indexOf(']');
            if (close < 0) {
                ++unreadable;
                close = line.text.size();
            }
            const QByteArrayView name = line.text.first(close).sliced(1).trimmed();
            if (name.compare("general", Qt::CaseInsensitive) == 0)
                section.clear();
            else if (name.compare("%general", Qt::CaseInsensitive) == 0)
                section = QString::fromLatin1(name.sliced(1)) + u'/';
            else
                section = unescapedKey(name) + u'/';
            continue;
        }
        if (line.equals < 0) {
            ++unreadable;
            continue;
        }
        const QString key = normalizedKey(section + unescapedKey(line.text.first(line.equals).trimmed()));
        QString value;
        map.insert(key, unescapedValue(line.text.sliced(line.equals + 1), value, list) ? listToVariant(list)
                                                                                       : stringToVariant(value));
        ++settings;
    }
    return settings > 0 || unreadable == 0;
}

QByteArray write(const QSettings::SettingsMap& map)
{
    return Encoded(map).text();
}

Encoded::Encoded(const QSettings::SettingsMap& map)
{
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        insert(it.key(), it.value());
}

void Encoded::insert(const QString& key, const QVariant& value)
{
    m_map.insert(key, value);
    // Keys without a group go under [General]; a key in a group is written without its group.
    const qsizetype slash = key.indexOf(u'/');
    const QString section = slash < 0 ? QString() : key.left(slash);
    QByteArray line = escapedKey(QStringView(key).sliced(slash + 1));
    line += '=';
    appendValue(value, line);
    line += '\n';
    m_sections[section].insert(key, line);
}

QByteArray Encoded::text() const
{
    qsizetype size = 0;
    for (const QMap<QString, QByteArray>& lines : m_sections) {
        for (const QByteArray& line : lines)
            size += line.size();
    }
    QByteArray out;
    out.reserve(size + m_sections.size() * 16);
    for (auto s = m_sections.cbegin(); s != m_sections.cend(); ++s) {
        if (s != m_sections.cbegin())
            out += '\n';
        const QByteArray name = escapedKey(s.key());
        if (name.isEmpty())
            out += "[General]";
        else if (name.compare("general", Qt::CaseInsensitive) == 0)
            out += "[%" + name + ']';  // a group, not the top level; Qt would write "%General" in any case
        else
            out += '[' + name + ']';
        out += '\n';
        for (const QByteArray& line : s.value())
            out += line;
    }
    return out;
}

}  // namespace IniFormat
