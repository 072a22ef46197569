#pragma once

#include "core/ContactSource.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <atomic>
#include <ostream>

/// Test failures show a QString as its text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace TestSupport {

/// Sets an environment variable (or unsets it, for a null value) and gives
/// it back its old value when it goes.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    bool m_wasSet;
    QByteArray m_old;
};

/**
 * Makes @p path (a folder or a file) unchangeable until it goes: immutable
 * for root, whom permissions do not stop; read-only for anyone else. ok()
 * says whether it could.
 */
class Unchangeable {
public:
    explicit Unchangeable(const QString& path);
    ~Unchangeable();
    Unchangeable(const Unchangeable&) = delete;
    Unchangeable& operator=(const Unchangeable&) = delete;

    bool ok() const { return m_ok.load(); }
    /// Makes it changeable again before it goes; may be called from any thread.
    void undo();

private:
    QString m_path;
    std::atomic<bool> m_ok = false;
    bool m_immutable = false;
    unsigned m_oldMode = 0;
};

/// The contact of the worked example (Tessa J Marlow).
ContactRecord workedExample();

/// The clock of the worked example: 2025-01-14 09:30:05.
QDateTime exampleTime();

/// The identity the tests give the worked example's contact.
inline const QString exampleUid = QStringLiteral("urn:uuid:5e1c0d6a-8f2b-4c3d-9a7e-0b1c2d3e4f50");

/// The card text of the worked example, lines joined by CR LF.
QString workedExampleCard();

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

/// A BMP file's bytes: @p width x @p height pixels at @p bitsPerPixel
/// (1, 4, 8, 24 or 32), uncompressed, with a grey palette where it has one.
QByteArray makeBmp(int width, int height, int bitsPerPixel);

/// A GIF file's bytes: @p width x @p height pixels of a grey pattern.
QByteArray makeGif(int width, int height);

/// The file names in @p folder, hidden ones included.
QStringList filesIn(const QString& folder);

/**
 * The properties of the vCard file @p path as python3-vobject reads them,
 * in file order: {"name", "params", "value"}. Fails the test when the
 * reader rejects the file.
 */
QJsonArray readWithVobject(const QString& path, const QString& encoding = QStringLiteral("utf-8-sig"));

/**
 * The properties of the vCard 3.0 or 4.0 file @p path as @p reader
 * ("vobject" or "ebook", Evolution's libebook-contacts) reads them, in file
 * order: {"name", "types", "pref", "value"}, PHOTO values in Base64. Fails
 * the test when the reader rejects the file.
 */
QJsonArray readWith(const QString& reader, const QString& path);

/// The first property called @p name, or an empty object.
QJsonObject property(const QJsonArray& properties, const QString& name);

}  // namespace TestSupport
