#include "vcard/ModernCard.h"
#include "core/Error.h"
#include "support/Pictures.h"
#include "support/RadicaleServer.h"
#include "support/TestSupport.h"
#include "vcard/CardFile.h"
#include "vcard/CardReader.h"
#include "vcard/OpenCommand.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTimeZone>

using namespace TestSupport;

namespace {

using F = ContactSource::Field;

/// The worked example's contact with its identity, at 09:30:05 UTC.
ContactRecord example()
{
    ContactRecord c = workedExample();
    c.uidText = exampleUid;
    return c;
}

const QDateTime utcTime(QDate(2025, 1, 14), QTime(9, 30, 5), QTimeZone::utc());

QString referencePath(const char* name)
{
    return QStringLiteral(QUILLMERE_TEST_DATA "/") + QLatin1String(name);
}

}  // namespace

TEST(ModernCard, TheWorkedExampleMatchesItsReferenceCards)
{
    for (const auto& [version, name] :
         {std::pair{CardVersion::V30, "worked-example-3.0.vcf"}, {CardVersion::V40, "worked-example-4.0.vcf"}}) {
        const QByteArray card = ModernCard::build(example(), version, utcTime);
        if (qEnvironmentVariableIsSet("QUILLMERE_WRITE_REFERENCE"))
            writeFile(referencePath(name), card);
        EXPECT_EQ(card, readFile(referencePath(name))) << name;
    }
}

namespace {

QByteArray photoBytes()
{
    return pictureBytes({24, 16}, "JPEG", Qt::darkMagenta);
}

/// Every field filled with what a text value must escape, and more.
ContactRecord everything(const QString& photo)
{
    ContactRecord c;
    for (int i = 0; i < ContactSource::FieldCount; ++i)
        c.fields[i] = QStringLiteral("f%1 \\ , ; : \" ' = Łódź Жуков 李 😀 end").arg(i);
    c.fields[F::MiddleInitial] = QStringLiteral("J");
    c.fields[F::Notes] = QStringLiteral("line one; a, b\r\n\\n is not a break\r\n\r\nlast = line");
    c.fields[F::PhotoPath] = photo;
    c.flags = {true, false, true, false, true, true};
    c.birthDate = QDate(1984, 3, 7);
    c.uidText = exampleUid;
    return c;
}

}  // namespace

TEST(ModernCard, LinesFoldAt75OctetsNeverInsideACharacter)
{
    ContactRecord c = example();
    // "NOTE:" and 69 letters are 74 octets: the euro sign (3 octets) cannot end the line.
    c.fields[F::Notes] = QString(69, u'a') + QStringLiteral("€") + QString(200, QChar(0x4e2d)) + QStringLiteral("😀z");
    for (const CardVersion version : {CardVersion::V30, CardVersion::V40}) {
        const QByteArray card = ModernCard::build(c, version, utcTime);
        const QList<QByteArray> lines = card.split('\n');
        for (QByteArray line : lines) {
            line.chop(line.endsWith('\r') ? 1 : 0);
            EXPECT_LE(line.size(), 75);
            EXPECT_EQ(QString::fromUtf8(line).toUtf8(), line) << "a character was split";
        }
        EXPECT_TRUE(card.contains("NOTE:" + QByteArray(69, 'a') + "\r\n \xE2\x82\xAC"));
        EXPECT_TRUE(card.endsWith("END:VCARD\r\n"));
        EXPECT_FALSE(card.startsWith("\xEF\xBB\xBF"));
        EXPECT_EQ(CardReader::read(card, 1252).contact.fields[F::Notes], c.fields[F::Notes]);
    }
}

TEST(ModernCard, EveryCharacterTypedComesBackAndSavesToTheSameBytes)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("me.jpg"), photoBytes());
    const ContactRecord typed = everything(dir.filePath("me.jpg"));
    for (const CardVersion version : {CardVersion::V30, CardVersion::V40}) {
        const QByteArray card = ModernCard::build(typed, version, utcTime);
        ReadCard read = CardReader::read(card, 1252);
        EXPECT_TRUE(read.notLoaded.isEmpty()) << read.notLoaded.join(", ").toStdString();
        OpenCommand::storePhoto(read, dir.filePath("photos"));
        for (int i = 0; i < ContactSource::FieldCount; ++i) {
            if (i != F::PhotoPath) {
                EXPECT_EQ(read.contact.fields[i], typed.fields[i]) << i;
            }
        }
        EXPECT_EQ(readFile(read.contact.fields[F::PhotoPath]), photoBytes());
        EXPECT_EQ(read.contact.flags, typed.flags);
        EXPECT_EQ(read.contact.birthDate, typed.birthDate);
        EXPECT_EQ(read.contact.uid(), exampleUid);
        // Saved again a month later: the same bytes but REV.
        QByteArray again = ModernCard::build(read.contact, version, utcTime.addDays(30));
        again.replace(version == CardVersion::V30 ? "2025-02-13T" : "20250213T",
                      version == CardVersion::V30 ? "2025-01-14T" : "20250114T");
        EXPECT_EQ(again, card);
    }

    // A company's card: FN is the company, and it stays the company.
    ContactRecord company;
    company.fields[F::Company] = QStringLiteral("Harbor & Finch; Ltd.");
    const QByteArray card = ModernCard::build(company, CardVersion::V40, utcTime);
    EXPECT_TRUE(card.contains("\r\nFN:Harbor & Finch\\; Ltd.\r\n"));
    EXPECT_EQ(CardReader::read(card, 1252).contact.fields, company.fields);
}

// Two parsers nobody here wrote: python3-vobject, and Evolution's
// libebook-contacts through python3-gi.
TEST(ModernCard, OtherParsersReadEveryFieldAndThePhotoExactly)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("me.jpg"), photoBytes());
    const ContactRecord c = everything(dir.filePath("me.jpg"));
    const auto text = [&](int i) { return QJsonValue(c.fields[i]); };
    const auto parts = [&](const ContactSource::Address& address) {
        QJsonArray a{"", ""};
        for (const F f : address)
            a << text(f);
        return a;
    };
    for (const CardVersion version : {CardVersion::V30, CardVersion::V40}) {
        const bool v3 = version == CardVersion::V30;
        const QString file = dir.filePath(v3 ? "three.vcf" : "four.vcf");
        writeFile(file, ModernCard::build(c, version, utcTime));
        // name, types, pref, value: in the order the card holds them
        const auto entry = [](const char* name, QStringList types, bool pref, const QJsonValue& value) {
            return QJsonObject{
                {"name", name}, {"types", QJsonArray::fromStringList(types)}, {"pref", pref}, {"value", value}};
        };
        QString note = c.fields[F::Notes];
        const QJsonArray expected = {
            entry("VERSION", {}, false, v3 ? "3.0" : "4.0"),
            entry("PRODID", {}, false, "-//Veltrask//Quillmere 1.0//EN"),
            entry("UID", {}, false, exampleUid),
            entry("N", {}, false, QJsonArray{text(F::LastName), text(F::FirstName), "J", text(F::Title), ""}),
            entry("FN", {}, false, c.fields[F::FirstName] + " J " + c.fields[F::LastName]),
            entry("TEL", {"home", "voice"}, true, text(F::HomeVoice)),
            entry("TEL", {"voice", "work"}, true, text(F::WorkVoice)),
            entry("TEL", {"cell"}, true, text(F::Cellular)),
            entry("TEL", {"fax", "home"}, false, text(F::HomeFax)),
            entry("TEL", {"fax", "work"}, false, text(F::WorkFax)),
            entry("TEL", {"pager"}, true, text(F::Pager)),
            entry("EMAIL", v3 ? QStringList{"internet"} : QStringList{}, true, text(F::Email)),
            entry("NOTE", {}, false, note.replace("\r\n", "\n")),
            entry("ORG", {}, false, QJsonArray{text(F::Company)}),
            entry("URL", {"home"}, false, text(F::WebsiteHome)),
            entry("URL", {"work"}, false, text(F::WebsiteWork)),
            entry("ADR", {"work"}, false, parts(ContactSource::workAddress)),
            entry("ADR", {"home"}, false, parts(ContactSource::homeAddress)),
            entry("BDAY", {}, false, v3 ? "1984-03-07" : "19840307"),
            entry("REV", {}, false, v3 ? "2025-01-14T09:30:05Z" : "20250114T093005Z"),
            entry("PHOTO", v3 ? QStringList{"jpeg"} : QStringList{}, false,
                  QString::fromLatin1(photoBytes().toBase64())),
        };
        for (const char* reader : {"vobject", "ebook"}) {
            const QJsonArray read = readWith(reader, file);
            ASSERT_EQ(read.size(), expected.size()) << reader;
            for (qsizetype i = 0; i < expected.size(); ++i)
                EXPECT_EQ(read[i], expected[i]) << reader << " " << (v3 ? "3.0" : "4.0") << ": "
                                                << QJsonDocument(read[i].toObject()).toJson().toStdString();
        }
    }
}

// Debian's Radicale on 127.0.0.1: the card a server stores is the card sent.
TEST(ModernCard, ARealServerStoresTheCardWithEveryProperty)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("me.jpg"), photoBytes());
    writeFile(dir.filePath("sent.vcf"),
              ModernCard::build(everything(dir.filePath("me.jpg")), CardVersion::V30, utcTime));
    RadicaleServer server;
    ASSERT_TRUE(server.start()) << server.why().toStdString();
    ASSERT_TRUE(server.makeAddressBook("/tessa/contacts/", "tessa"));
    QByteArray answer;
    EXPECT_EQ(
        server.curl("/tessa/contacts/tessa.vcf",
                    {"-u", "tessa:x", "-T", dir.filePath("sent.vcf"), "-H", "Content-Type: text/vcard; charset=utf-8"},
                    &answer),
        201)
        << answer.toStdString() << server.log().toStdString();
    QByteArray stored;
    ASSERT_EQ(server.curl("/tessa/contacts/tessa.vcf", {"-u", "tessa:x"}, &stored), 200);
    writeFile(dir.filePath("stored.vcf"), stored);
    // The server orders the properties its own way; each one is intact.
    const auto sorted = [](const QJsonArray& properties) {
        QStringList out;
        for (const QJsonValue& p : properties)
            out << QString::fromUtf8(QJsonDocument(p.toObject()).toJson(QJsonDocument::Compact));
        out.sort();
        return out;
    };
    const QStringList sent = sorted(readWith("vobject", dir.filePath("sent.vcf")));
    EXPECT_EQ(sorted(readWith("vobject", dir.filePath("stored.vcf"))), sent);
    EXPECT_EQ(sent.size(), 21);
}
