#include "carddav/HttpReplyParser.h"

#include <zlib.h>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

/// 0 to 15 for a hexadecimal digit, -1 for anything else.
int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))
        return (c | 0x20) - 'a' + 10;
    return -1;
}

}  // namespace

struct HttpReplyParser::Inflater {
    z_stream stream{};
    bool ended = false;
    // 15 + 32: zlib's wrapper or gzip's, as the header says; what servers send for both.
    Inflater() { inflateInit2(&stream, 15 + 32); }
    ~Inflater() { inflateEnd(&stream); }
};

HttpReplyParser::HttpReplyParser(qint64 bodyLimit) : m_bodyLimit(bodyLimit) {}

HttpReplyParser::~HttpReplyParser() = default;

QByteArray HttpReplyParser::header(QByteArrayView name) const
{
    QByteArrayList values;
    for (const auto& [n, v] : m_headers) {
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            values << v;
    }
    return values.join(", ");
}

void HttpReplyParser::feed(QByteArrayView bytes)
{
    QByteArray line;
    while (m_state == State::Reading && !bytes.isEmpty()) {
        switch (m_step) {
        case Step::StatusLine:
        case Step::HeaderLines:
        case Step::Trailers:
            if (!takeLine(bytes, longestHead - m_headSize, line))
                return;
            m_headSize += line.size() + 1;
            lineArrived(line);
            break;
        case Step::ChunkSize:
        case Step::ChunkEnd:
            if (!takeLine(bytes, longestChunkLine, line))
                return;
            lineArrived(line);
            break;
        case Step::Length:
        case Step::ChunkData: {
            const qsizetype taken = qsizetype(qMin<qint64>(m_left, bytes.size()));
            bodyBytes(bytes.first(taken));
            bytes = bytes.sliced(taken);
            m_left -= taken;
            if (m_left == 0 && m_step == Step::ChunkData)
                m_step = Step::ChunkEnd;
            else if (m_left == 0 && m_state == State::Reading)
                m_state = State::Whole;
            break;
        }
        case Step::ToClose: bodyBytes(bytes); return;
        case Step::Done: return;
        }
    }
}

void HttpReplyParser::closed()
{
    if (m_state != State::Reading)
        return;
    if (m_step == Step::ToClose)
        m_state = State::Whole;
    else if (m_headSize == 0 && m_line.isEmpty())
        fail(tr("the server closed the connection without an answer"));
    else
        fail(tr("the connection ended before the reply was whole"));
}

/// Moves the next line of @p bytes, without its line feed, into @p line; false while
/// its end has not come yet, or when it is longer than @p longest.
bool HttpReplyParser::takeLine(QByteArrayView& bytes, qsizetype longest, QByteArray& line)
{
    const qsizetype end = bytes.indexOf('\n');
    const qsizetype length = m_line.size() + (end < 0 ? bytes.size() : end + 1);
    if (length > longest) {
        fail(m_step == Step::ChunkSize || m_step == Step::ChunkEnd
                 ? tr("a chunk size line of the reply is longer than 1 KB")
                 : tr("the header block of the reply is longer than 64 KB"));
        return false;
    }
    if (end < 0) {
        m_line += bytes;
        bytes = {};
        return false;
    }
    line = std::exchange(m_line, {});
    line += bytes.first(end);
    bytes = bytes.sliced(end + 1);
    return true;
}

void HttpReplyParser::lineArrived(QByteArray line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    switch (m_step) {
    case Step::StatusLine: {
        // "HTTP/1.1 207 Multi-Status"; the reason may be missing, the space before it too.
        const bool http = line.startsWith("HTTP/1.") && line.size() >= 12 && line[8] == ' ' && isDigit(line[9]) &&
                          isDigit(line[10]) && isDigit(line[11]) && (line.size() == 12 || line[12] == ' ');
        if (!http || line[9] == '0')
            return fail(tr("the reply is not HTTP"));
        m_status = line.mid(9, 3).toInt();
        m_step = Step::HeaderLines;
        return;
    }
    case Step::HeaderLines: {
        if (line.isEmpty())
            return headEnded();
        if ((line[0] == ' ' || line[0] == '\t') && !m_headers.isEmpty()) {
            m_headers.last().second += ' ' + line.trimmed();  // a value folded onto the next line
            return;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || line.left(colon).contains(' ') || line.left(colon).contains('\t'))
            return fail(tr("a header line of the reply has no name"));
        m_headers.append({line.left(colon), line.mid(colon + 1).trimmed()});
        return;
    }
    case Step::Trailers:
        // Nothing is read from trailers: they are only counted.
        if (line.isEmpty()) {
            m_state = State::Whole;
            m_step = Step::Done;
        }
        return;
    case Step::ChunkSize: {
        qint64 size = 0;
        qsizetype digits = 0;
        for (; digits < line.size() && hexValue(line[digits]) >= 0; ++digits) {
            if (size > std::numeric_limits<qint64>::max() / 16)
                return fail(tr("a chunk size of the reply is larger than any body"));
            size = size * 16 + hexValue(line[digits]);
        }
        const QByteArray rest = line.mid(digits).trimmed();
        if (digits == 0 || !(rest.isEmpty() || rest.startsWith(';')))
            return fail(tr("a chunk size of the reply is not a number"));
        m_left = size;
        m_step = size == 0 ? Step::Trailers : Step::ChunkData;
        return;
    }
    case Step::ChunkEnd:
        if (!line.isEmpty())
            return fail(tr("a chunk of the reply does not end where its size says"));
        m_step = Step::ChunkSize;
        return;
    default: return;
    }
}

void HttpReplyParser::headEnded()
{
    if (m_status < 200) {
        // An interim answer ("100 Continue"): the final one follows, in the same head limit.
        m_status = 0;
        m_headers.clear();
        m_step = Step::StatusLine;
        return;
    }
    const QByteArray coding = header("Content-Encoding").trimmed().toLower();
    if (coding == "gzip" || coding == "x-gzip" || coding == "deflate")
        m_inflater = std::make_unique<Inflater>();
    else if (!coding.isEmpty() && coding != "identity")
        return fail(tr("the reply is encoded as %1, which was not asked for").arg(QLatin1String(coding)));

    const QByteArray transfer = header("Transfer-Encoding").trimmed().toLower();
    const QByteArray length = header("Content-Length");
    if (m_status == 204 || m_status == 304) {
        m_state = State::Whole;
        m_step = Step::Done;
    } else if (!transfer.isEmpty()) {
        if (transfer != "chunked")
            return fail(tr("the reply is sent as %1, which was not asked for").arg(QLatin1String(transfer)));
        m_step = Step::ChunkSize;
    } else if (!length.isEmpty()) {
        // Several equal lengths are one; two different ones leave the end unknown.
        const QList<QByteArray> lengths = length.split(',');
        for (const QByteArray& each : lengths) {
            const QByteArray digits = each.trimmed();
            const bool number =
                !digits.isEmpty() && digits.size() <= 18 && std::all_of(digits.begin(), digits.end(), isDigit);
            if (!number || digits.toLongLong() != lengths[0].trimmed().toLongLong())
                return fail(tr("the length of the reply is not one number"));
        }
        m_left = lengths[0].trimmed().toLongLong();
        m_step = Step::Length;
        if (m_left == 0)
            m_state = State::Whole;
    } else {
        m_step = Step::ToClose;
    }
}

void HttpReplyParser::bodyBytes(QByteArrayView bytes)
{
    const auto keep = [this](QByteArrayView decoded) {
        const qint64 size = m_body.size() + decoded.size();
        if (size > m_bodyLimit) {
            m_state = State::TooLarge;
            return false;
        }
        // Grown twofold as usual, but never past the limit: a body at its
        // limit holds no room for twice as much.
        if (size > m_body.capacity())
            m_body.reserve(qsizetype(qMin(m_bodyLimit, qMax(size, 2 * qint64(m_body.capacity())))));
        m_body += decoded;
        return true;
    };
    if (!m_inflater) {
        keep(bytes);
        return;
    }
    z_stream& z = m_inflater->stream;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    z.avail_in = uInt(bytes.size());
    char out[16 * 1024];
    while (!m_inflater->ended && (z.avail_in > 0 || z.avail_out == 0)) {
        z.next_out = reinterpret_cast<Bytef*>(out);
        z.avail_out = sizeof out;
        const int result = inflate(&z, Z_NO_FLUSH);
        // What came before any damage counts: where the bytes were cut must not change what is read.
        if (!keep(QByteArrayView(out, qsizetype(sizeof out - z.avail_out))))
            return;
        if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR)
            return fail(tr("the compressed body of the reply is damaged"));
        m_inflater->ended = result == Z_STREAM_END;
        if (result == Z_BUF_ERROR)
            break;
    }
}

void HttpReplyParser::fail(const QString& fault)
{
    m_state = State::Malformed;
    m_step = Step::Done;
    m_fault = fault;
}
