#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QString>

#include <memory>

/**
 * Reads an HTTP/1.1 reply from the bytes of its connection, in pieces of
 * any size: the status line, the header block, and the body as its length,
 * its chunks or the end of the connection frames it, decoded when it came
 * compressed. Nothing it holds grows past a limit: the header block and a
 * chunk's size line have their own, the decoded body the one it is given;
 * a reply that goes past one is stopped there.
 */
class HttpReplyParser {
    Q_DECLARE_TR_FUNCTIONS(HttpReplyParser)

public:
    enum class State {
        Reading,    ///< more is to come
        Whole,      ///< the reply is complete
        TooLarge,   ///< the decoded body went past its limit
        Malformed,  ///< not HTTP, or cut off: fault() says how
    };

    /// The status line and the headers together, and so the trailers.
    static constexpr qsizetype longestHead = 64 * 1024;
    /// A chunk's size, with any extensions.
    static constexpr qsizetype longestChunkLine = 1024;

    explicit HttpReplyParser(qint64 bodyLimit);
    ~HttpReplyParser();
    HttpReplyParser(const HttpReplyParser&) = delete;
    HttpReplyParser& operator=(const HttpReplyParser&) = delete;

    /// Takes the next bytes of the connection; those after the end of the reply are ignored.
    void feed(QByteArrayView bytes);
    /// The connection ended: a body that runs to its end is whole now, any other reply cut off.
    void closed();

    State state() const { return m_state; }
    /// The final status, once its header block has come; 0 before.
    int status() const { return m_status; }
    /// The value of header @p name (any case); several are joined with ", ".
    QByteArray header(QByteArrayView name) const;
    /// The decoded body so far.
    const QByteArray& body() const { return m_body; }
    QByteArray takeBody() { return std::move(m_body); }
    /// What was wrong with a Malformed reply, as a phrase.
    const QString& fault() const { return m_fault; }

private:
    enum class Step { StatusLine, HeaderLines, Length, ChunkSize, ChunkData, ChunkEnd, Trailers, ToClose, Done };

    bool takeLine(QByteArrayView& bytes, qsizetype longest, QByteArray& line);
    void lineArrived(QByteArray line);
    void headEnded();
    void bodyBytes(QByteArrayView bytes);
    void fail(const QString& fault);

    qint64 m_bodyLimit;
    State m_state = State::Reading;
    Step m_step = Step::StatusLine;
    QByteArray m_line;         ///< the part of a line that came so far
    qsizetype m_headSize = 0;  ///< of the header block or the trailers read so far
    int m_status = 0;
    QList<QPair<QByteArray, QByteArray>> m_headers;
    qint64 m_left = 0;  ///< of the body's length or of the chunk
    QByteArray m_body;
    QString m_fault;
    struct Inflater;
    std::unique_ptr<Inflater> m_inflater;  ///< set when the body came compressed
};
