#include "vcard/CardLines.h"

#include <QIODevice>

#include <algorithm>

namespace {

constexpr qsizetype chunkBytes = 64 * 1024;

/// Whether the parameters of @p line, before its first colon outside
/// quotes, make its value quoted-printable: a bare 2.1 type or ENCODING=.
bool quotedPrintable(QByteArrayView line)
{
    bool quoted = false;
    qsizetype part = -1;  // where the parameter being read starts; -1 while in the name
    for (qsizetype i = 0; i <= line.size(); ++i) {
        const char c = i < line.size() ? line[i] : ':';
        if (c == '"')
            quoted = !quoted;
        if (quoted || (c != ';' && c != ':'))
            continue;
        if (part >= 0) {
            const QByteArray parameter = line.sliced(part, i - part).toByteArray().trimmed().toUpper();
            if (parameter == "QUOTED-PRINTABLE" || parameter == "ENCODING=QUOTED-PRINTABLE")
                return true;
        }
        if (c == ':')
            return false;
        part = i + 1;
    }
    return false;
}

}  // namespace

CardLines::CardLines(QIODevice& device) : m_device(device) {}

bool CardLines::fill(qsizetype count)
{
    while (m_buffer.size() - m_at < count && !m_atEnd) {
        if (m_at > 0) {
            m_buffer.remove(0, m_at);
            m_at = 0;
        }
        const QByteArray raw = m_device.read(chunkBytes);
        if (raw.isEmpty()) {
            m_atEnd = true;
            break;
        }
        if (m_utf16)
            m_buffer += QString((*m_utf16)(raw)).toUtf8();
        else
            m_buffer += raw;
    }
    return m_buffer.size() - m_at >= count;
}

void CardLines::append(Line& line, const char* bytes, qsizetype count) const
{
    if (count <= 0)
        return;
    const qsizetype room = m_keep ? std::max<qsizetype>(0, *m_keep - line.text.size()) : count;
    // Only a line kept whole so far can take more; a cut one only counts.
    if (line.text.size() == line.size)
        line.text.append(bytes, std::min(room, count));
    line.size += count;
}

bool CardLines::readPhysical(Line& line)
{
    if (!fill(1))
        return false;
    for (;;) {
        const char* begin = m_buffer.constData() + m_at;
        const char* end = m_buffer.constData() + m_buffer.size();
        const char* stop = std::find_if(begin, end, [](char c) { return c == '\r' || c == '\n'; });
        append(line, begin, stop - begin);
        if (stop != end) {
            m_lastByte = stop > begin ? stop[-1] : m_lastByte;
            m_at += stop - begin + 1;
            // CR LF is one line end; a bare CR is one too.
            if (*stop == '\r' && fill(1) && m_buffer[m_at] == '\n')
                ++m_at;
            return true;
        }
        if (stop > begin)
            m_lastByte = stop[-1];
        m_at = m_buffer.size();
        if (!fill(1))
            return true;  // the file ends without a line end
    }
}

bool CardLines::continues(bool quotedPrintableSoftBreak)
{
    if (!fill(1))
        return false;
    if (!quotedPrintableSoftBreak) {
        const char first = m_buffer[m_at];
        return first == ' ' || first == '\t';
    }
    // A soft break joins the next line, but a card's end stays its end.
    fill(64);
    const QByteArrayView ahead =
        QByteArrayView(m_buffer).sliced(m_at).first(std::min<qsizetype>(64, m_buffer.size() - m_at));
    const qsizetype lineEnd =
        std::find_if(ahead.begin(), ahead.end(), [](char c) { return c == '\r' || c == '\n'; }) - ahead.begin();
    return ahead.first(lineEnd).trimmed().compare("END:VCARD", Qt::CaseInsensitive) != 0;
}

bool CardLines::next(Line& line)
{
    if (!m_started) {
        m_started = true;
        const QByteArray mark = m_device.peek(3);
        if (mark.startsWith("\xEF\xBB\xBF")) {
            m_device.skip(3);
        } else if (mark.startsWith("\xFF\xFE") || mark.startsWith("\xFE\xFF")) {
            m_utf16.emplace(mark.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
            m_device.skip(2);
        }
    }
    line = Line();
    m_lastByte = 0;
    if (!readPhysical(line))
        return false;
    for (;;) {
        const bool softBreak = m_lastByte == '=' && quotedPrintable(line.text);
        if (!continues(softBreak))
            return true;
        if (softBreak) {
            if (!line.cut())
                line.text.chop(1);
            line.size -= 1;
            m_lastByte = 0;
        } else {
            ++m_at;  // the blank or tab that marks a folded line
        }
        readPhysical(line);
    }
}
