#include "vcard/CodePage.h"

#include "core/Error.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <locale.h>
#include <map>
#include <memory>
#include <vector>

namespace CodePage {

namespace {

struct LanguagePage {
    const char* language;
    int codePage;
};

// Languages whose Windows ANSI code page is not 1252. Chinese, Serbian and
// Uzbek depend on region or script and are decided in forLocale().
constexpr LanguagePage languagePages[] = {
    {"cs", 1250}, {"hu", 1250},  {"pl", 1250},  {"ro", 1250}, {"sk", 1250}, {"sl", 1250}, {"hr", 1250},  {"bs", 1250},
    {"sq", 1250}, {"hsb", 1250}, {"dsb", 1250}, {"tk", 1250}, {"ru", 1251}, {"uk", 1251}, {"be", 1251},  {"bg", 1251},
    {"mk", 1251}, {"kk", 1251},  {"ky", 1251},  {"tt", 1251}, {"mn", 1251}, {"ba", 1251}, {"sah", 1251}, {"tg", 1251},
    {"el", 1253}, {"tr", 1254},  {"az", 1254},  {"he", 1255}, {"iw", 1255}, {"yi", 1255}, {"ar", 1256},  {"fa", 1256},
    {"ur", 1256}, {"ug", 1256},  {"ps", 1256},  {"sd", 1256}, {"lt", 1257}, {"lv", 1257}, {"et", 1257},  {"vi", 1258},
    {"th", 874},  {"lo", 874},   {"ja", 932},   {"ko", 949},
};

struct Locale {
    QByteArray language;
    QByteArray script;  ///< lower case: "hant", "latn"...
    QByteArray region;
    QByteArray modifier;
};

// language[_Script][_REGION][.codeset][@modifier], with "_" or "-".
Locale parse(QByteArrayView name)
{
    Locale l;
    QByteArray rest = name.toByteArray();
    if (const qsizetype at = rest.indexOf('@'); at >= 0) {
        l.modifier = rest.mid(at + 1).toLower();
        rest.truncate(at);
    }
    if (const qsizetype dot = rest.indexOf('.'); dot >= 0)
        rest.truncate(dot);
    rest.replace('-', '_');
    const QList<QByteArray> parts = rest.split('_');
    l.language = parts.value(0).toLower();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (parts[i].size() == 4 && l.script.isEmpty() && l.region.isEmpty())
            l.script = parts[i].toLower();
        else if (l.region.isEmpty())
            l.region = parts[i].toUpper();
    }
    return l;
}

int chinese(const Locale& l)
{
    if (!l.script.isEmpty())
        return l.script == "hant" ? 950 : 936;
    if (l.modifier == "hant" || l.region == "TW" || l.region == "HK" || l.region == "MO")
        return 950;
    return 936;
}

const char* iconvName(int codePage)
{
    switch (codePage) {
    case 874: return "CP874";
    case 932: return "CP932";
    case 936: return "CP936";
    case 949: return "CP949";
    case 950: return "CP950";
    case 1250: return "CP1250";
    case 1251: return "CP1251";
    case 1253: return "CP1253";
    case 1254: return "CP1254";
    case 1255: return "CP1255";
    case 1256: return "CP1256";
    case 1257: return "CP1257";
    case 1258: return "CP1258";
    default: return "CP1252";
    }
}

/// An iconv descriptor that closes itself.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (valid())
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    /// Back to the initial state, as before a new text.
    void reset() { iconv(m_cd, nullptr, nullptr, nullptr, nullptr); }

    /// Converts from @p in on until all is done (true) or a character
    /// fails (false, with @p in pointing at that character).
    bool convertUntilFailure(char*& in, size_t& inLeft, QByteArray& out)
    {
        while (inLeft > 0) {
            const qsizetype done = out.size();
            out.resize(done + qsizetype(inLeft) * 2 + 8);
            char* outPtr = out.data() + done;
            size_t outLeft = size_t(out.size() - done);
            const size_t r = iconv(m_cd, &in, &inLeft, &outPtr, &outLeft);
            out.resize(outPtr - out.data());
            if (r == size_t(-1) && errno != E2BIG)
                return false;
        }
        return true;
    }

    bool convert(const char* in, size_t size, QByteArray& out)
    {
        char* inPtr = const_cast<char*>(in);
        return convertUntilFailure(inPtr, size, out);
    }

private:
    iconv_t m_cd;
};

/// Converts characters the code page lacks: a close equivalent or "?".
class BestFit {
public:
    explicit BestFit(const char* codePage)
        : m_codePage(codePage),
          // Transliteration follows LC_CTYPE; C.UTF-8 gives the same
          // equivalents whatever the user's locale is.
          m_locale(newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr)))
    {
    }
    ~BestFit()
    {
        if (m_locale)
            freelocale(m_locale);
    }
    BestFit(const BestFit&) = delete;
    BestFit& operator=(const BestFit&) = delete;

    QByteArray convert(const char* utf8, int size)
    {
        QByteArray candidate;
        if (m_locale) {
            const locale_t previous = uselocale(m_locale);
            Converter translit((QByteArray(m_codePage) + "//TRANSLIT").constData(), "UTF-8");
            const bool ok = translit.valid() && translit.convert(utf8, size_t(size), candidate);
            uselocale(previous);
            if (!ok)
                candidate.clear();
        }
        return isOneCharacter(candidate) ? candidate : QByteArray("?");
    }

private:
    // Transliteration may spell a character with several ("ﬁ" as "fi");
    // the file keeps one character for each character of the card.
    bool isOneCharacter(const QByteArray& encoded)
    {
        if (encoded.isEmpty())
            return false;
        if (encoded.size() == 1)
            return true;
        QByteArray back;
        Converter reverse("UTF-8", m_codePage);
        if (!reverse.valid() || !reverse.convert(encoded.constData(), size_t(encoded.size()), back))
            return false;
        return QString::fromUtf8(back).toUcs4().size() == 1;
    }

    const char* m_codePage;
    locale_t m_locale;
};

/// What one character becomes in a code page.
struct Mapped {
    char bytes[4] = {};
    quint8 size = 0;  ///< 0 while not yet looked up
    bool exact = false;
};

/**
 * One code page's answer for each character, looked up once with iconv and
 * then kept: a text is converted in time proportional to its length however
 * many of its characters the page lacks (iconv alone restarts its work at
 * every character it cannot convert).
 */
class PageTable {
public:
    static PageTable& of(int codePage)
    {
        static std::map<int, std::unique_ptr<PageTable>> tables;
        std::unique_ptr<PageTable>& table = tables[codePage];
        if (!table)
            table = std::make_unique<PageTable>(codePage);
        return *table;
    }

    explicit PageTable(int codePage) : m_exact(iconvName(codePage), "UTF-8"), m_bestFit(iconvName(codePage))
    {
        if (!m_exact.valid())
            throw Error(Error::FileAccess,
                        QCoreApplication::translate("CodePage", "The code page %1 is not available.").arg(codePage));
    }

    const Mapped& map(char32_t code)
    {
        if (code > 0xFFFF) {
            m_beyond = lookUp(code);  // rare enough to need no table
            return m_beyond;
        }
        Mapped& known = m_basic[code];
        if (known.size == 0)
            known = lookUp(code);
        return known;
    }

private:
    Mapped lookUp(char32_t code)
    {
        Mapped m;
        // A lone surrogate has no character to convert.
        if (code >= 0xD800 && code <= 0xDFFF)
            return place(m, "?", false);
        const QByteArray utf8 = QString::fromUcs4(&code, 1).toUtf8();
        QByteArray exact;
        m_exact.reset();
        // iconv drops some characters (Unicode's tag characters) without a
        // word: that is no exact conversion either.
        if (m_exact.convert(utf8.constData(), size_t(utf8.size()), exact) && !exact.isEmpty() && exact.size() <= 4)
            return place(m, exact, true);
        return place(m, m_bestFit.convert(utf8.constData(), int(utf8.size())), false);
    }

    static Mapped place(Mapped& m, const QByteArray& bytes, bool exact)
    {
        m.size = quint8(bytes.size());
        std::memcpy(m.bytes, bytes.constData(), m.size);
        m.exact = exact;
        return m;
    }

    Converter m_exact;
    BestFit m_bestFit;
    std::vector<Mapped> m_basic = std::vector<Mapped>(0x10000);
    Mapped m_beyond;
};

}  // namespace

int forLocale(QByteArrayView localeName)
{
    const Locale l = parse(localeName);
    if (l.language == "zh")
        return chinese(l);
    if (l.language == "sr")
        return l.modifier == "latin" || l.script == "latn" ? 1250 : 1251;
    if (l.language == "uz")
        return l.modifier == "cyrillic" || l.script == "cyrl" ? 1251 : 1254;
    for (const LanguagePage& entry : languagePages) {
        if (l.language == entry.language)
            return entry.codePage;
    }
    return 1252;
}

int ofEnvironment()
{
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return forLocale(value);
    }
    return 1252;
}

namespace {

QString decoded(QByteArrayView bytes, Converter& converter)
{
    QByteArray utf8;
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = size_t(bytes.size());
    while (!converter.convertUntilFailure(in, inLeft, utf8)) {
        utf8 += "\xEF\xBF\xBD";  // a byte the set leaves undefined, or a sequence cut short
        ++in;
        --inLeft;
    }
    return QString::fromUtf8(utf8);
}

}  // namespace

QString toUnicode(QByteArrayView bytes, int codePage)
{
    Converter converter("UTF-8", iconvName(codePage));
    if (!converter.valid())
        throw Error(Error::FileAccess,
                    QCoreApplication::translate("CodePage", "The code page %1 is not available.").arg(codePage));
    return decoded(bytes, converter);
}

std::optional<QString> toUnicode(QByteArrayView bytes, const QByteArray& charset)
{
    Converter converter("UTF-8", charset.constData());
    if (!converter.valid())
        return std::nullopt;
    return decoded(bytes, converter);
}

QByteArray fromUnicode(QStringView text, int codePage, qsizetype* inexact)
{
    qsizetype substituted = 0;
    PageTable* table = nullptr;  // found at the first character past ASCII
    // One byte a character, and room made when a character takes more.
    QByteArray out(text.size() + 16, Qt::Uninitialized);
    char* o = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        // Every ANSI code page keeps ASCII as it is.
        if (c < 0x80) {
            *o++ = char(c);
            continue;
        }
        if (!table)
            table = &PageTable::of(codePage);
        char32_t code = c;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            code = QChar::surrogateToUcs4(c, text[++i].unicode());
        const qsizetype used = o - out.constData();
        if (out.size() - used < text.size() - i + 4) {
            out.resize(out.size() + out.size() / 2 + 16);
            o = out.data() + used;
        }
        const Mapped& m = table->map(code);
        std::memcpy(o, m.bytes, 4);
        o += m.size;
        substituted += m.exact ? 0 : 1;
    }
    out.truncate(o - out.constData());
    if (inexact)
        *inexact = substituted;
    return out;
}

}  // namespace CodePage
