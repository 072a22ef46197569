#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSettings>

/**
 * Qt's INI settings form, read and written by the store itself so that it
 * can check its own writes (Qt 6.4 misses a failed final flush). Files read
 * the same as with QSettings::IniFormat, and Qt reads every file written
 * here: sections ("[General]" for keys without a group), escaped keys,
 * quoted and escaped values, comma lists, and the "@Type(...)" forms.
 */
namespace IniFormat {

/**
 * A "@Variant(...)" or "@DateTime(...)" value, kept as the text it was
 * read from: decoding Qt's binary stream from a file anyone may have edited
 * can ask for gigabytes, and the store never needs what it holds.
 */
struct StreamedValue {
    QString text;
    bool operator==(const StreamedValue&) const = default;
};

/**
 * Fills @p map from @p data, skipping lines it cannot read as Qt does.
 * Returns false when nothing in @p data can be read: bytes that are not
 * UTF-8 text (a NUL, an invalid sequence), or lines none of which is a
 * setting.
 */
bool read(QByteArrayView data, QSettings::SettingsMap& map);

/// @p map in the form QSettings::IniFormat writes on Linux.
QByteArray write(const QSettings::SettingsMap& map);

/**
 * Entries kept beside their encoded lines, so that changing one encodes
 * that one alone: text() is write() of map(), at the cost of copying the
 * lines, whatever the size of the entries that did not change.
 */
class Encoded {
public:
    Encoded() = default;
    explicit Encoded(const QSettings::SettingsMap& map);

    void insert(const QString& key, const QVariant& value);
    const QSettings::SettingsMap& map() const { return m_map; }
    QByteArray text() const;

private:
    QSettings::SettingsMap m_map;
    /// Each section's lines ("key=value\n"), by section, then by key.
    QMap<QString, QMap<QString, QByteArray>> m_sections;
};

}  // namespace IniFormat

Q_DECLARE_METATYPE(IniFormat::StreamedValue)
