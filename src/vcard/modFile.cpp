#include "vcard/modFile.h"

namespace modFile {

QString CleanVCardValue(QStringView value)
{
    QString cleaned = value.toString();
    for (QChar& c : cleaned) {
        if (c == u';' || c == u':')
            c = u' ';
    }
    return cleaned;
}

namespace {

bool hasLoneSurrogate(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return true;
    }
    return false;
}

QString withLoneSurrogatesReplaced(QStringView text)
{
    QString fixed;
    fixed.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            fixed.append(c).append(text[++i]);
        } else {
            fixed.append(c.isSurrogate() ? QChar(QChar::ReplacementCharacter) : c);
        }
    }
    return fixed;
}

}  // namespace

QByteArray ToUTF8(QStringView text)
{
    if (text.isEmpty())
        return {};
    // Qt writes "?" for a lone surrogate; readers of our files expect U+FFFD.
    if (hasLoneSurrogate(text))
        return withLoneSurrogatesReplaced(text).toUtf8();
    return text.toUtf8();
}

}  // namespace modFile
