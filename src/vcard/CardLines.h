#pragma once

#include <QByteArray>
#include <QStringDecoder>

#include <optional>

class QIODevice;

/**
 * The logical lines of a vCard file, read from a device a piece at a time,
 * so that a file of any size costs only the lines that are kept.
 *
 * Physical lines end at CR LF, LF or a bare CR. A line that begins with a
 * blank or a tab continues the one before, without that blank. A
 * quoted-printable value (so its parameters say) that ends in "=" goes on
 * with the next line exactly as it stands, its first blank included, but
 * never into an "END:VCARD" line. A UTF-8 byte order mark is dropped;
 * UTF-16 with a byte order mark is read as UTF-8.
 */
class CardLines {
public:
    struct Line {
        QByteArray text;     ///< the line, or its first bytes when it was cut
        qsizetype size = 0;  ///< the whole line's size in bytes
        bool cut() const { return size > text.size(); }
    };

    explicit CardLines(QIODevice& device);

    /// Lines begun from now on keep at most @p bytes (none when nothing):
    /// a card that is only passed over needs no more than its names.
    void setKeep(std::optional<qsizetype> bytes) { m_keep = bytes; }

    /// The next logical line; false at the end of the file.
    bool next(Line& line);

private:
    /// Makes at least @p count bytes available after m_at, when the file has them.
    bool fill(qsizetype count);
    /// Appends the rest of the physical line to @p line; false when there was none.
    bool readPhysical(Line& line);
    void append(Line& line, const char* bytes, qsizetype count) const;
    /// Whether the next physical line continues a line that @p quotedPrintableSoftBreak.
    bool continues(bool quotedPrintableSoftBreak);

    QIODevice& m_device;
    QByteArray m_buffer;  ///< UTF-8 bytes read and not yet taken
    qsizetype m_at = 0;
    bool m_atEnd = false;
    bool m_started = false;
    char m_lastByte = 0;  ///< of the logical line being read
    std::optional<QStringDecoder> m_utf16;
    std::optional<qsizetype> m_keep;
};
