#include "support/TestSupport.h"
#include "vcard/CardReader.h"
#include "vcard/ModernCard.h"
#include "vcard/OpenCommand.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimeZone>

using namespace TestSupport;

namespace {

using F = ContactSource::Field;

const QDateTime utcTime(QDate(2025, 1, 14), QTime(9, 30, 5), QTimeZone::utc());

/// Every character that a reader could take for the end of a line, or that has no place in a value.
QString everyControl()
{
    QString all;
    for (char16_t u = 0; u < 0x20; ++u)
        all += QChar(u);
    for (char16_t u = 0x7F; u <= 0x9F; ++u)
        all += QChar(u);
    return all + QChar(0x2028) + QChar(0x2029);
}

bool isControl(QChar c)
{
    return everyControl().contains(c);
}

/// The card's logical lines; fails the test unless each is a property of the writer's and the
/// card is one card.
QStringList linesOf(const QByteArray& card)
{
    static const QStringList properties = {"VERSION", "PRODID", "UID", "N",   "FN",   "TEL", "EMAIL",
                                           "NOTE",    "ORG",    "URL", "ADR", "BDAY", "REV", "PHOTO"};
    QString text = QString::fromUtf8(card);
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    text.chop(2);
    text.replace(QStringLiteral("\r\n "), QString());
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.first(), "BEGIN:VCARD");
    EXPECT_EQ(lines.last(), "END:VCARD");
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const QString& line = lines[i];
        const qsizetype end = line.indexOf(QRegularExpression(QStringLiteral("[;:]")));
        EXPECT_TRUE(end > 0 && properties.contains(line.left(end))) << line.toStdString();
        for (const QChar c : line)
            EXPECT_TRUE(!isControl(c) || (c == u'\t' && line.startsWith(QStringLiteral("NOTE:"))))
                << "U+" << std::hex << int(c.unicode()) << " in " << line.toStdString();
    }
    return lines;
}

}  // namespace

// The two ways a stranger's card smuggles a line break into the UID: a 3.0
// escape and 2.1 quoted-printable; and the line ends of other readers.
TEST(StrangerCard, AUidThatHeldALineBreakIsListedAndNeverWritten)
{
    const struct {
        const char* what;
        QByteArray file;
    } cases[] = {
        {"3.0 escape", "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:urn:uuid:1\\nEMAIL:x@evil.example\r\nN:Lee;Mary;;;\r\n"
                       "END:VCARD\r\n"},
        {"2.1 quoted-printable", "BEGIN:VCARD\r\nVERSION:2.1\r\nUID;ENCODING=QUOTED-PRINTABLE:urn:uuid:1=0D=0AEMAIL:"
                                 "x@evil.example\r\nN:Lee;Mary;;;\r\nEND:VCARD\r\n"},
        {"4.0 line separator", "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:urn:uuid:1\u2028EMAIL:x@evil.example\r\n"
                               "N:Lee;Mary;;;\r\nEND:VCARD\r\n"},
        {"next line, then a good UID", "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:urn:uuid:1\xC2\x85URL:http://evil.example\r\n"
                                       "UID:urn:uuid:2\r\nN:Lee;Mary;;;\r\nEND:VCARD\r\n"},
    };
    for (const auto& c : cases) {
        const ReadCard read = CardReader::read(c.file, 1252);
        EXPECT_TRUE(read.contact.uid().isEmpty()) << c.what;
        EXPECT_EQ(read.contact.fields[F::LastName], "Lee") << c.what;
        ASSERT_FALSE(read.notLoaded.isEmpty()) << c.what;
        EXPECT_TRUE(OpenCommand::report(read).startsWith(
            "Not loaded, for want of a field: UID (it held a line break or another control character: the contact "
            "gets a new one)"))
            << OpenCommand::report(read).toStdString();
        ContactRecord contact = read.contact;
        contact.fields[F::Email] = QStringLiteral("mary@example.org");
        for (const CardVersion version : {CardVersion::V30, CardVersion::V40}) {
            const QByteArray card = ModernCard::build(contact, version, utcTime);
            EXPECT_FALSE(card.contains("evil")) << c.what;
            EXPECT_EQ(linesOf(card).filter(QRegularExpression(QStringLiteral("^(EMAIL|UID)"))),
                      QStringList{"EMAIL;" +
                                  QString(version == CardVersion::V30 ? "TYPE=INTERNET,PREF" : "TYPE=PREF;PREF=1") +
                                  ":mary@example.org"})
                << c.what;
        }
    }
}

// The form, or a changed settings file, can hold any character in any field
// and in the UID: none of them can end a line of the card.
TEST(StrangerCard, NoControlCharacterEndsALine)
{
    const QString controls = everyControl();
    ContactRecord c;
    for (int i = 0; i < ContactSource::FieldCount; ++i) {
        if (i != F::PhotoPath)
            c.fields[i] = QStringLiteral("a") + controls + QStringLiteral("z");
    }
    c.uidText = QStringLiteral("urn:uuid:1") + controls + QStringLiteral("EMAIL:x@evil.example");
    c.birthDate = QDate(1984, 3, 7);
    for (const CardVersion version : {CardVersion::V30, CardVersion::V40}) {
        const QByteArray card = ModernCard::build(c, version, utcTime);
        const QStringList lines = linesOf(card);
        EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^EMAIL"))).size(), 1);
        EXPECT_TRUE(lines.contains(QStringLiteral("UID:urn:uuid:1EMAIL:x@evil.example")));
        // Read back: line breaks stay line breaks, a tab stays in the notes, the rest is gone.
        const ReadCard read = CardReader::read(card, 1252);
        EXPECT_TRUE(read.notLoaded.isEmpty()) << read.notLoaded.join(", ").toStdString();
        EXPECT_EQ(read.contact.fields[F::Notes], "a\t\r\n\r\n\r\n\r\n\r\nz");
        EXPECT_EQ(read.contact.fields[F::Email], "a \r\n\r\n\r\n\r\n\r\nz");
    }
}

// What vobject, a parser nobody here wrote, makes of the same card: one
// card, each value whole.
TEST(StrangerCard, AnotherParserReadsOneCardWithEachValueWhole)
{
    ContactRecord c;
    c.fields[F::LastName] = QStringLiteral("Lee\u2028EMAIL:x@evil.example");
    c.fields[F::Notes] = QStringLiteral("one\x0b\x0c\x1c\x1d\x1e\u0085two\tthree");
    c.uidText = QStringLiteral("urn:uuid:1\nEMAIL:x@evil.example");
    QTemporaryDir dir;
    for (const CardVersion version : {CardVersion::V30, CardVersion::V40}) {
        writeFile(dir.filePath("card.vcf"), ModernCard::build(c, version, utcTime));
        QStringList names;
        QString note;
        for (const QJsonValue& p : readWith(QStringLiteral("vobject"), dir.filePath("card.vcf"))) {
            names << p[QStringLiteral("name")].toString();
            if (names.last() == u"NOTE")
                note = p[QStringLiteral("value")].toString();
        }
        EXPECT_EQ(names, (QStringList{"VERSION", "PRODID", "UID", "N", "FN", "NOTE", "REV"}));
        EXPECT_EQ(note, "one\ntwo\tthree");
    }
}
