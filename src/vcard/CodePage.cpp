#include "vcard/CodePage.h"

#include "core/Error.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <locale.h>
#include <memory>

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

/// Length of the UTF-8 sequence that starts with @p lead.
int sequenceLength(unsigned char lead)
{
    if (lead < 0xC0)
        return 1;
    if (lead < 0xE0)
        return 2;
    if (lead < 0xF0)
        return 3;
    return 4;
}

qsizetype loneSurrogates(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            ++count;
    }
    return count;
}

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

QByteArray fromUnicode(QStringView text, int codePage, qsizetype* inexact)
{
    qsizetype substituted = 0;
    const char* name = iconvName(codePage);
    std::unique_ptr<Converter> exact;  // opened at the first character past ASCII
    std::unique_ptr<BestFit> bestFit;
    QByteArray out;
    out.reserve(text.size() + 2);

    // Every ANSI code page keeps ASCII as it is; only the runs of other
    // characters go through iconv.
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype asciiStart = i;
        while (i < text.size() && text[i].unicode() < 0x80)
            ++i;
        const qsizetype done = out.size();
        out.resize(done + (i - asciiStart));
        for (qsizetype k = asciiStart; k < i; ++k)
            out[done + (k - asciiStart)] = char(text[k].unicode());
        if (i == text.size())
            break;

        const qsizetype runStart = i;
        while (i < text.size() && text[i].unicode() >= 0x80)
            ++i;
        if (!exact) {
            exact = std::make_unique<Converter>(name, "UTF-8");
            if (!exact->valid())
                throw Error(Error::FileAccess, QStringLiteral("The code page %1 is not available.").arg(codePage));
            bestFit = std::make_unique<BestFit>(name);
        }
        const QStringView run = text.mid(runStart, i - runStart);
        // Qt's UTF-8 writes a lone surrogate as "?": a substitute too.
        substituted += loneSurrogates(run);
        const QByteArray utf8 = run.toUtf8();
        char* in = const_cast<char*>(utf8.constData());
        size_t inLeft = size_t(utf8.size());
        while (!exact->convertUntilFailure(in, inLeft, out)) {
            // The code page lacks this character: substitute it and go on.
            const int length = std::min<int>(sequenceLength(static_cast<unsigned char>(*in)), int(inLeft));
            out += bestFit->convert(in, length);
            in += length;
            inLeft -= size_t(length);
            ++substituted;
        }
    }
    if (inexact)
        *inexact = substituted;
    return out;
}

}  // namespace CodePage
