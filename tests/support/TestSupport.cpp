#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

using F = ContactSource::Field;

namespace TestSupport {

ScopedEnvironment::ScopedEnvironment(const char* name, const QByteArray& value)
    : m_name(name),
      m_wasSet(qEnvironmentVariableIsSet(name)),
      m_old(qgetenv(name))
{
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value);
}

ScopedEnvironment::~ScopedEnvironment()
{
    if (m_wasSet)
        qputenv(m_name, m_old);
    else
        qunsetenv(m_name);
}

namespace {

bool setImmutable(const QByteArray& path, bool on)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return done;
}

}  // namespace

Unchangeable::Unchangeable(const QString& path) : m_path(path)
{
    const QByteArray native = QFile::encodeName(path);
    if (::geteuid() == 0) {
        m_ok = m_immutable = setImmutable(native, true);
        return;
    }
    struct stat status {};
    if (::stat(native.constData(), &status) == 0) {
        m_oldMode = status.st_mode & 07777;
        m_ok = ::chmod(native.constData(), m_oldMode & ~0222u) == 0;
    }
}

Unchangeable::~Unchangeable()
{
    undo();
}

void Unchangeable::undo()
{
    if (!m_ok.exchange(false))
        return;
    const QByteArray native = QFile::encodeName(m_path);
    if (m_immutable)
        setImmutable(native, false);
    else
        ::chmod(native.constData(), m_oldMode);
}

ContactRecord workedExample()
{
    ContactRecord c;
    c.fields[F::LastName] = QStringLiteral("Marlow");
    c.fields[F::FirstName] = QStringLiteral("Tessa");
    c.fields[F::MiddleInitial] = QStringLiteral("J");
    c.fields[F::Company] = QStringLiteral("Harbor & Finch; Ltd.");
    c.fields[F::Title] = QStringLiteral("Dr.");
    c.fields[F::HomeAddress] = QStringLiteral("12 Quay Street");
    c.fields[F::HomeCity] = QStringLiteral("Port Avel");
    c.fields[F::HomeRegion] = QStringLiteral("North");
    c.fields[F::HomeZip] = QStringLiteral("40210");
    c.fields[F::HomeCountry] = QStringLiteral("Utopia");
    c.fields[F::HomeVoice] = QStringLiteral("555 0100");
    c.fields[F::Cellular] = QStringLiteral("555-0199");
    c.fields[F::Notes] = QStringLiteral("Call after 5:30");
    c.flag(F::HomeVoice) = true;
    c.birthDate = QDate(1984, 3, 7);
    return c;
}

QDateTime exampleTime()
{
    return QDateTime(QDate(2025, 1, 14), QTime(9, 30, 5));
}

QString workedExampleCard()
{
    return QStringLiteral("BEGIN:VCARD\r\n"
                          "VERSION:2.1\r\n"
                          "N:Marlow;Tessa;J;Dr.\r\n"
                          "FN:Tessa J Marlow\r\n"
                          "TEL;HOME;VOICE;PREF:555 0100\r\n"
                          "TEL;CELL:555-0199\r\n"
                          "NOTE:Call after 5 30\r\n"
                          "ORG:Harbor & Finch  Ltd.\r\n"
                          "ADR;HOME:;;12 Quay Street;Port Avel;North;40210;Utopia\r\n"
                          "BDAY:19840307\r\n"
                          "REV:20250114T093005\r\n"
                          "END:VCARD");
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray makeBmp(int width, int height, int bitsPerPixel)
{
    const auto le = [](QByteArray& out, quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.append(char((value >> (8 * i)) & 0xff));
    };
    const int colours = bitsPerPixel <= 8 ? 1 << bitsPerPixel : 0;
    const int rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    const int offset = 14 + 40 + 4 * colours;
    QByteArray bmp("BM");
    le(bmp, quint32(offset + rowBytes * height), 4);
    le(bmp, 0, 4);
    le(bmp, quint32(offset), 4);
    for (quint32 v : {40u, quint32(width), quint32(height)})
        le(bmp, v, 4);
    le(bmp, 1, 2);
    le(bmp, quint32(bitsPerPixel), 2);
    for (int i = 0; i < 6; ++i)
        le(bmp, 0, 4);
    for (int c = 0; c < colours; ++c) {
        const char grey = char(c * 255 / (colours - 1));
        bmp.append(grey).append(grey).append(grey).append('\0');
    }
    for (int y = 0; y < height; ++y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            const int value = (x * 7 + y * 3) & 0xff;
            if (bitsPerPixel >= 24) {
                for (int b = 0; b < bitsPerPixel / 8; ++b)
                    row[x * bitsPerPixel / 8 + b] = char(value + 40 * b);
            } else {
                const int bit = x * bitsPerPixel;
                const int index = value % colours;
                row[bit / 8] = char(row[bit / 8] | (index << (8 - bitsPerPixel - bit % 8)));
            }
        }
        bmp += row;
    }
    return bmp;
}

QByteArray makeGif(int width, int height)
{
    const auto le16 = [](QByteArray& out, int value) { out.append(char(value & 0xff)).append(char(value >> 8)); };
    QByteArray gif("GIF89a");
    le16(gif, width);
    le16(gif, height);
    gif.append("\xF6\0\0", 3);  // a global table of 128 colours
    for (int c = 0; c < 128; ++c)
        gif.append(QByteArray(3, char(c * 2)));
    gif.append(',');
    le16(gif, 0);
    le16(gif, 0);
    le16(gif, width);
    le16(gif, height);
    gif.append('\0');
    gif.append('\7');  // 7-bit pixels: clear is 128, end is 129, codes start 8 bits wide
    // A clear code before every 100 pixels keeps the codes 8 bits wide, so
    // each code is one byte and no compression is needed.
    QByteArray codes;
    for (int i = 0; i < width * height; ++i) {
        if (i % 100 == 0)
            codes.append(char(128));
        codes.append(char(((i % width) * 7 + (i / width) * 3) & 127));
    }
    codes.append(char(129));
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray chunk = codes.mid(at, 255);
        gif.append(char(chunk.size())).append(chunk);
    }
    gif.append('\0').append(';');
    return gif;
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QJsonArray readWithVobject(const QString& path, const QString& encoding)
{
    QProcess python;
    // Debian's vobject lives with the system's Python, not another one on the PATH.
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(QUILLMERE_READ_VCARD), path, encoding});
    EXPECT_TRUE(python.waitForFinished(30000));
    const QByteArray out = python.readAllStandardOutput();
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(out).array();
}

QJsonArray readWith(const QString& reader, const QString& path)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(QUILLMERE_READ_CARD_WITH), reader, path});
    EXPECT_TRUE(python.waitForFinished(30000));
    const QByteArray out = python.readAllStandardOutput();
    EXPECT_EQ(python.exitCode(), 0) << reader.toStdString() << ": " << python.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(out).array();
}

QJsonObject property(const QJsonArray& properties, const QString& name)
{
    for (const QJsonValue& p : properties) {
        if (p.toObject().value(QStringLiteral("name")).toString() == name)
            return p.toObject();
    }
    return {};
}

}  // namespace TestSupport
