#include "settings/IniFormat.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QDebug>
#include <QRandomGenerator>
#include <QRect>
#include <QTemporaryDir>

using TestSupport::readFile;
using TestSupport::writeFile;

namespace {

/// Texts that stress every rule of the form: quotes, escapes, commas,
/// blanks at either end, the "@" forms, NUL and hex digits after it.
QStringList awkwardTexts()
{
    QStringList texts = {
        "",
        " ",
        "plain",
        " lead",
        "trail ",
        "\t tab",
        "a, b",
        "a,b",
        "a=b",
        "a;b",
        "\"quoted\"",
        "back\\slash",
        "@at",
        "@@twice",
        "@Invalid()",
        "@ByteArray(x)",
        "@Variant(\\0)",
        "x@",
        "line\r\nbreak",
        "\n",
        QString(QChar(0)) + "0f",
        "\x7f"
        "del",
        "\x01"
        "a",
        "é Ж 😀 \uFFFD",
        "%41",
        "[General]",
        "; not a comment",
        "a\\",
        "\"",
        "\\x41",
        "multi\nline\nvalue ",
        QString(300, u'a') + ',',
    };
    QRandomGenerator random(20261208);
    const QStringList pool = QStringLiteral("a b , ; = \" \\ @ \t \r \n 0 F 9 é € Ж 😀 # [ ] % x").split(u' ') << " ";
    for (int n = 0; n < 300; ++n) {
        QString text;
        const int length = random.bounded(12);
        for (int i = 0; i < length; ++i)
            text += pool.at(random.bounded(pool.size()));
        texts << text;
    }
    return texts;
}

QSettings::SettingsMap mapOf(const QStringList& texts, const QString& group = QString())
{
    QSettings::SettingsMap map;
    for (qsizetype i = 0; i < texts.size(); ++i)
        map.insert(group + QStringLiteral("Textbox%1").arg(i), texts[i]);
    return map;
}

/// The keys on which two maps differ, with both values, for a readable failure.
std::string differences(const QSettings::SettingsMap& a, const QSettings::SettingsMap& b)
{
    QString out;
    QDebug debug(&out);
    QStringList keys = a.keys() + b.keys();
    keys.removeDuplicates();
    for (const QString& key : keys) {
        if (a.value(key) != b.value(key) || a.contains(key) != b.contains(key))
            debug << "\n" << key << a.value(key) << "vs" << b.value(key);
    }
    return out.toStdString();
}

/// The first line where two byte texts differ.
std::string firstDifference(const QByteArray& a, const QByteArray& b)
{
    const QList<QByteArray> x = a.split('\n'), y = b.split('\n');
    for (qsizetype i = 0; i < std::max(x.size(), y.size()); ++i) {
        if (x.value(i) != y.value(i))
            return (x.value(i) + "  vs  " + y.value(i)).toStdString();
    }
    return {};
}

class IniFormatTest : public ::testing::Test {
protected:
    /// A new file name each time: QSettings caches what it read by name.
    QString nextFile() { return dir.filePath(QStringLiteral("f%1.conf").arg(++files)); }

    QByteArray writtenByQt(const QSettings::SettingsMap& map)
    {
        const QString file = nextFile();
        {
            QSettings qt(file, QSettings::IniFormat);
            for (auto it = map.cbegin(); it != map.cend(); ++it)
                qt.setValue(it.key(), it.value());
        }
        return readFile(file);
    }

    QSettings::SettingsMap readByQt(const QByteArray& bytes)
    {
        const QString file = nextFile();
        writeFile(file, bytes);
        QSettings qt(file, QSettings::IniFormat);
        QSettings::SettingsMap map;
        for (const QString& key : qt.allKeys())
            map.insert(key, qt.value(key));
        return map;
    }

    QSettings::SettingsMap readByUs(const QByteArray& bytes)
    {
        QSettings::SettingsMap map;
        EXPECT_TRUE(IniFormat::read(bytes, map)) << bytes.left(200).toStdString();
        return map;
    }

    QTemporaryDir dir;
    int files = 0;
};

}  // namespace

TEST_F(IniFormatTest, WritesWhatQtWritesAndReadsWhatQtReads)
{
    QSettings::SettingsMap map = mapOf(awkwardTexts());
    map.insert(mapOf({"x", "y, z"}, "group/"));
    map.insert("a key/with é", "v");
    map.insert("General/x", "a group spelled like the top level");
    const QByteArray qt = writtenByQt(map);
    EXPECT_EQ(firstDifference(IniFormat::write(map), qt), "");
    EXPECT_EQ(differences(readByUs(qt), map), "");
    EXPECT_EQ(differences(readByQt(IniFormat::write(map)), map), "");
}

// The store keeps each entry's line between writes and encodes only the
// one that changed: the file must still be what Qt writes for all of them.
TEST_F(IniFormatTest, ChangingOneEntryWritesWhatQtWritesForTheWhole)
{
    QSettings::SettingsMap map = mapOf(awkwardTexts().mid(0, 40));
    map.insert(mapOf({"x", "y, z"}, "group/"));
    IniFormat::Encoded encoded(map);
    const std::pair<QString, QVariant> changes[] = {
        {"Textbox3", "changed, with a comma"},      // top level, kept in place
        {"group/Textbox1", QStringList{"a", "b"}},  // in a group
        {"Textbox3", ""},                           // the same entry again
        {"AAA first", " lead"},                     // new, before every other line
        {"a/b/c", "a group of its own"},            // a new group, a key with a slash
        {"General/x", "a group spelled like the top level"},
        {"zz", QVariant()},
    };
    for (const auto& [key, value] : changes) {
        encoded.insert(key, value);
        map.insert(key, value);
        EXPECT_EQ(differences(encoded.map(), map), "") << key.toStdString();
        EXPECT_EQ(firstDifference(encoded.text(), writtenByQt(map)), "") << key.toStdString();
    }
}

TEST_F(IniFormatTest, ValuesThatAreNotTextRoundTrip)
{
    QSettings::SettingsMap map;
    map.insert("list", QStringList{"a", " b ", "@c", "d,e"});
    map.insert("mixed list", QStringList{"@@twice", QString("nul") + QChar(0), "@once"});
    map.insert("empty list", QStringList{});
    map.insert("bytes", QByteArray("\x00\xff\x80 ab", 6));
    map.insert("rect", QRect(1, 2, 3, 4));
    map.insert("size", QSize(5, 6));
    map.insert("number", 42);
    map.insert("time", QDateTime(QDate(2025, 1, 14), QTime(9, 30, 5)));
    map.insert("invalid", QVariant());
    const QByteArray qt = writtenByQt(map);
    EXPECT_EQ(firstDifference(IniFormat::write(map), qt), "");
    EXPECT_EQ(differences(readByQt(IniFormat::write(map)), readByQt(qt)), "");
    // Streamed values are kept as their text, so they go back unchanged.
    EXPECT_EQ(firstDifference(IniFormat::write(readByUs(qt)), qt), "");
    EXPECT_EQ(readByUs(qt).value("time").value<IniFormat::StreamedValue>().text.left(10), "@DateTime(");
}

TEST_F(IniFormatTest, LoneSurrogatesAndByteOrderMarksAreKeptExactly)
{
    const QSettings::SettingsMap map = mapOf({QString(QChar(0xD800)) + "a", QString(QChar(0xDC00)) + "0",
                                              "x" + QString(QChar(0xD83D)), "\uFEFFlead", "\x10\uFEFF"});
    EXPECT_EQ(differences(readByQt(IniFormat::write(map)), map), "");
    EXPECT_EQ(differences(readByUs(IniFormat::write(map)), map), "");
}

TEST_F(IniFormatTest, HandWrittenFilesReadAsQtReadsThem)
{
    const QList<QByteArray> files = {
        "[General]\nTextbox3=a, b\nTextbox4=@ByteArray(xyz)\nTextbox5=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x3)\n",
        "\xEF\xBB\xBF[General]\r\nkey = spaced value  \r\n; a comment\r\nother=\"quoted ; semicolon\"\r\n",
        "key=one \\\n two\nnext=x ; trailing comment\nq=\"multi\nline\"\n",
        "[Section]\na=1\n[%General]\nb=2\n[general]\nc=3\n[sec%20tion]\nd=4\n",
        "e=\\x41\\101\\q\\\"\\?\\'\\t|\ne2=  a  ,  \"b \" , c\\\n",
        "dup=1\ndup=2\n[a/b]\nc\\d=5\n%U00e9=%zz\nlast=\\",
    };
    for (const QByteArray& file : files) {
        QSettings::SettingsMap ours = readByUs(file);
        // What the store does not decode it writes back as it found it.
        EXPECT_EQ(differences(readByQt(IniFormat::write(ours)), readByQt(file)), "") << file.toStdString();
        for (auto it = ours.begin(); it != ours.end(); ++it) {
            if (it->metaType() == QMetaType::fromType<IniFormat::StreamedValue>())
                *it = readByQt(file).value(it.key());
        }
        EXPECT_EQ(differences(ours, readByQt(file)), "") << file.toStdString();
    }
}

TEST_F(IniFormatTest, OnlyAFileWithNothingReadableIsRefused)
{
    QSettings::SettingsMap map;
    EXPECT_FALSE(IniFormat::read(QByteArray("\x89PNG\r\n\x1a\n\0\0", 10), map));
    EXPECT_FALSE(IniFormat::read("Textbox0=\xff\xfe", map));
    EXPECT_FALSE(IniFormat::read("this is not a settings file\nat all\n", map));
    EXPECT_TRUE(map.isEmpty());

    // One bad line among good ones costs that line only, as with Qt.
    EXPECT_TRUE(IniFormat::read("[General]\nTextbox0=kept\nno equals sign here\nTextbox1=kept too\n", map));
    EXPECT_EQ(map.size(), 2);
    EXPECT_TRUE(IniFormat::read("", map));
    EXPECT_TRUE(IniFormat::read("; only a comment\n[General]\n", map));
}
