// The ANSI and UTF-8 encoders over arbitrary UTF-16, lone surrogates
// included: valid output, one character out for each character in.
#include "FuzzSupport.h"
#include "vcard/CodePage.h"
#include "vcard/modFile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <iconv.h>

namespace {

constexpr int codePages[] = {1252, 1250, 1251, 1253, 1254, 1255, 1256, 1257, 1258, 874, 932, 936, 949, 950};

/// Characters as the encoders count them: a surrogate pair is one, so is a lone surrogate.
qsizetype characters(const QString& text)
{
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++n) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    return n;
}

/// How many characters @p bytes decode to in @p codePage; they must be valid there.
qsizetype decodedCharacters(const QByteArray& bytes, int codePage)
{
    const QByteArray name = "CP" + QByteArray::number(codePage);
    iconv_t cd = iconv_open("UTF-32LE", name.constData());
    FUZZ_CHECK(cd != iconv_t(-1));
    QByteArray out(bytes.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char* outPtr = out.data();
    size_t outLeft = size_t(out.size());
    const size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    FUZZ_CHECK(r != size_t(-1) && inLeft == 0);  // valid bytes of that code page
    return qsizetype(outPtr - out.data()) / 4;
}

QString withLoneSurrogatesReplaced(const QString& text)
{
    QString fixed;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            fixed.append(text[i]).append(text[++i]);
        else
            fixed.append(text[i].isSurrogate() ? QChar(QChar::ReplacementCharacter) : text[i]);
    }
    return fixed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const int codePage = in.PickValueInArray(codePages);
    const QString text = utf16Of(in.ConsumeRemainingBytesAsString());

    qsizetype inexact = -1;
    const QByteArray ansi = CodePage::fromUnicode(text, codePage, &inexact);
    FUZZ_CHECK(inexact >= 0 && inexact <= characters(text));
    const bool doubleByte = codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950;
    const bool combining = codePage == 1255 || codePage == 1258;
    if (doubleByte) {
        FUZZ_CHECK(decodedCharacters(ansi, codePage) == characters(text));
    } else if (combining) {
        // A letter these pages hold only decomposed is written as letter and mark.
        FUZZ_CHECK(ansi.size() >= characters(text) && ansi.size() <= 2 * characters(text));
        decodedCharacters(ansi, codePage);
    } else {
        FUZZ_CHECK(ansi.size() == characters(text));
    }

    const QByteArray utf8 = modFile::ToUTF8(text);
    const QString expected = withLoneSurrogatesReplaced(text);
    FUZZ_CHECK(utf8 == expected.toUtf8());
    // A leading "x": Qt's decoder would drop a byte order mark at the start.
    FUZZ_CHECK(QString::fromUtf8("x" + utf8) == u'x' + expected);
    return 0;
}
