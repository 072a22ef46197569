#include "support/TestSupport.h"
#include "vcard/modFile.h"
#include "vcard/modVCard.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using F = ContactSource::Field;

using namespace TestSupport;

namespace {

ContactRecord emptyContact()
{
    ContactRecord c;
    c.birthDate = QDate(1984, 3, 7);
    return c;
}

QStringList cardLines(const ContactSource& contact, const QDateTime& now = exampleTime())
{
    return modVCard::buildCard(contact, now).split(QStringLiteral("\r\n"));
}

}  // namespace

TEST(CardText, WorkedExampleByteForByte)
{
    EXPECT_EQ(modVCard::buildCard(workedExample(), exampleTime()), workedExampleCard());
}

TEST(CardText, AllFieldsEmptyKeepsTheFixedLines)
{
    EXPECT_EQ(cardLines(emptyContact()), QStringList({"BEGIN:VCARD", "VERSION:2.1", "N:;;;", "FN:  ", "BDAY:19840307",
                                                      "REV:20250114T093005", "END:VCARD"}));
}

TEST(CardText, FilledMeansAnyLengthAndNothingIsTrimmed)
{
    ContactRecord c = emptyContact();
    c.fields[F::WorkFax] = QStringLiteral("   ");
    c.fields[F::WorkZip] = QStringLiteral("40210");  // Work Zip alone
    c.fields[F::FirstName] = QStringLiteral(" Tessa ");
    const QStringList lines = cardLines(c);
    EXPECT_TRUE(lines.contains("TEL;WORK;FAX:   "));
    EXPECT_TRUE(lines.contains("ADR;WORK:;;;;;40210;"));
    EXPECT_TRUE(lines.contains("FN: Tessa   "));
    EXPECT_FALSE(lines.join('\n').contains("ADR;HOME"));
}

TEST(CardText, SeparatorsAreCleanedExceptInEmailAndWebSites)
{
    ContactRecord c = emptyContact();
    for (int i = 0; i < 24; ++i)
        c.fields[i] = QStringLiteral("a;b:c");
    c.fields[F::Notes] = QStringLiteral("n;o:te");
    const QStringList lines = cardLines(c);
    EXPECT_TRUE(lines.contains("N:a b c;a b c;a b c;a b c"));
    EXPECT_TRUE(lines.contains("FN:a b c a b c a b c"));
    EXPECT_TRUE(lines.contains("TEL;HOME;VOICE:a b c"));
    EXPECT_TRUE(lines.contains("NOTE:n o te"));
    EXPECT_TRUE(lines.contains("ORG:a b c"));
    EXPECT_TRUE(lines.contains("ADR;HOME:;;a b c;a b c;a b c;a b c;a b c"));
    EXPECT_TRUE(lines.contains("EMAIL;INTERNET;PREF:a;b:c"));
    EXPECT_TRUE(lines.contains("URL;HOME:a;b:c"));
    EXPECT_TRUE(lines.contains("URL;WORK:a;b:c"));
}

TEST(CardText, PropertiesStandInTheirOrder)
{
    ContactRecord c = emptyContact();
    for (int i = 0; i < 26; ++i)
        c.fields[i] = QString::number(i);
    c.fields[F::PhotoPath].clear();
    c.flags = {true, false, false, true, true, false};
    QStringList names;
    for (const QString& line : cardLines(c))
        names << line.section(':', 0, 0);
    EXPECT_EQ(names, QStringList({"BEGIN",
                                  "VERSION",
                                  "N",
                                  "FN",
                                  "TEL;HOME;VOICE;PREF",
                                  "TEL;WORK;VOICE",
                                  "TEL;CELL;PREF",
                                  "TEL;HOME;FAX",
                                  "TEL;WORK;FAX;PREF",
                                  "TEL;PAGER",
                                  "EMAIL;INTERNET;PREF",
                                  "NOTE",
                                  "ORG",
                                  "URL;HOME",
                                  "URL;WORK",
                                  "ADR;WORK",
                                  "ADR;HOME",
                                  "BDAY",
                                  "REV",
                                  "END"}));
    // Each TEL line carries the number of its own field.
    EXPECT_TRUE(cardLines(c).contains("TEL;WORK;FAX;PREF:21"));
    EXPECT_TRUE(cardLines(c).contains("TEL;PAGER:23"));
}

TEST(CardText, ValuesWithLineBreaksAreQuotedPrintable)
{
    ContactRecord c = emptyContact();
    c.fields[F::Notes] = QStringLiteral("Call after 5:30\r\nring twice");
    EXPECT_TRUE(cardLines(c).contains("NOTE;ENCODING=QUOTED-PRINTABLE:Call after 5 30=0D=0Aring twice"));

    c.fields[F::Notes] = QStringLiteral("a=b\nc\t");
    EXPECT_TRUE(cardLines(c).contains("NOTE;ENCODING=QUOTED-PRINTABLE:a=3Db=0Ac=09"));
    c.fields[F::Notes] = QStringLiteral("x\r\n ");
    EXPECT_TRUE(cardLines(c).contains("NOTE;ENCODING=QUOTED-PRINTABLE:x=0D=0A=20"));

    // "=" and trailing blanks stay as they are without a line break.
    c.fields[F::Notes] = QStringLiteral("a=b ");
    EXPECT_TRUE(cardLines(c).contains("NOTE:a=b "));

    // A line that reads like the card's end stays inside the value.
    c.fields[F::Notes] = QStringLiteral("x\r\nEND:VCARD\r\ny");
    EXPECT_TRUE(cardLines(c).contains("NOTE;ENCODING=QUOTED-PRINTABLE:x=0D=0AEND VCARD=0D=0Ay"));
    EXPECT_EQ(cardLines(c).count("END:VCARD"), 1);

    // Any property may carry one, with its parameters before the encoding.
    c.fields[F::LastName] = QStringLiteral("Mar\nlow");
    c.fields[F::WorkAddress] = QStringLiteral("Quay\r\nStreet");
    c.flag(F::HomeVoice) = true;
    c.fields[F::HomeVoice] = QStringLiteral("1\n2");
    const QStringList lines = cardLines(c);
    EXPECT_TRUE(lines.contains("N;ENCODING=QUOTED-PRINTABLE:Mar=0Alow;;;"));
    EXPECT_TRUE(lines.contains("FN;ENCODING=QUOTED-PRINTABLE:  Mar=0Alow"));
    EXPECT_TRUE(lines.contains("ADR;WORK;ENCODING=QUOTED-PRINTABLE:;;Quay=0D=0AStreet;;;;"));
    EXPECT_TRUE(lines.contains("TEL;HOME;VOICE;PREF;ENCODING=QUOTED-PRINTABLE:1=0A2"));
}

TEST(CardText, LongValuesAreCleanedWhole)
{
    ContactRecord c = emptyContact();
    QString note;
    for (int i = 0; i < 100000; ++i)
        note += (i % 7 == 0) ? QChar(u';') : QChar(u'a' + i % 26);
    c.fields[F::Notes] = note;
    const QString card = modVCard::buildCard(c, exampleTime());
    const qsizetype start = card.indexOf(QStringLiteral("NOTE:")) + 5;
    const QString written = card.mid(start, card.indexOf(u'\r', start) - start);
    EXPECT_EQ(written.size(), 100000);
    EXPECT_FALSE(written.contains(u';'));
    EXPECT_EQ(written, modFile::CleanVCardValue(note));
}

TEST(CardText, DatesAndTimes)
{
    EXPECT_EQ(modVCard::VCardDate(QDate(1984, 3, 7)), "19840307");
    EXPECT_EQ(modVCard::VCardDate(QDate(1601, 1, 1)), "16010101");
    EXPECT_EQ(modVCard::VCardDate(QDate(9999, 12, 31)), "99991231");
    EXPECT_EQ(modVCard::VCardTime(QTime(0, 0, 0)), "000000");
    EXPECT_EQ(modVCard::VCardTime(QTime(23, 59, 59)), "235959");
    EXPECT_EQ(modVCard::VCardTime(QTime(9, 30, 5)), "093005");

    ContactRecord c = emptyContact();
    c.birthDate = QDate(2001, 2, 3);
    EXPECT_TRUE(cardLines(c, QDateTime(QDate(2025, 1, 14), QTime(0, 0))).contains("REV:20250114T000000"));
    EXPECT_TRUE(cardLines(c, QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59))).contains("REV:20241231T235959"));
    EXPECT_TRUE(cardLines(c).contains("BDAY:20010203"));
}

TEST(CardText, AnIndependentReaderAcceptsOurCards)
{
    QTemporaryDir dir;
    const auto readBack = [&](const ContactSource& contact) {
        const QString path = dir.filePath(QStringLiteral("card.vcf"));
        writeFile(path, modVCard::buildCard(contact, exampleTime()).toUtf8() + "\r\n");
        return readWithVobject(path);
    };

    const QJsonArray example = readBack(workedExample());
    EXPECT_EQ(property(example, "N")["value"].toArray(), QJsonArray({"Marlow", "Tessa", "J", "Dr.", ""}));
    EXPECT_EQ(property(example, "FN")["value"].toString(), "Tessa J Marlow");
    EXPECT_EQ(property(example, "TEL")["params"].toArray(), QJsonArray({"HOME", "PREF", "VOICE"}));
    EXPECT_EQ(property(example, "NOTE")["value"].toString(), "Call after 5 30");
    EXPECT_EQ(property(example, "ORG")["value"].toString(), "Harbor & Finch  Ltd.");
    EXPECT_EQ(property(example, "ADR")["value"].toArray(),
              QJsonArray({"", "", "12 Quay Street", "Port Avel", "North", "40210", "Utopia"}));
    EXPECT_EQ(property(example, "BDAY")["value"].toString(), "19840307");
    EXPECT_EQ(property(example, "REV")["value"].toString(), "20250114T093005");
    EXPECT_EQ(example.size(), 10);  // VERSION, N, FN, 2 TEL, NOTE, ORG, ADR, BDAY, REV

    ContactRecord c = workedExample();
    c.fields[F::Notes] = QStringLiteral("Call after 5:30\r\nring twice = ok \r\nEND:VCARD");
    c.fields[F::LastName] = QStringLiteral("Ørsted-Łukasz");
    c.fields[F::FirstName] = QStringLiteral("Тесса");
    c.fields[F::Email] = QStringLiteral("tessa@example.org");
    const QJsonArray note = readBack(c);
    EXPECT_EQ(property(note, "NOTE")["value"].toString(), "Call after 5 30\r\nring twice = ok \r\nEND VCARD");
    EXPECT_EQ(property(note, "N")["value"].toArray().at(0).toString(), "Ørsted-Łukasz");
    EXPECT_EQ(property(note, "FN")["value"].toString(), "Тесса J Ørsted-Łukasz");
    EXPECT_EQ(property(note, "EMAIL")["value"].toString(), "tessa@example.org");
    EXPECT_EQ(property(note, "REV")["value"].toString(), "20250114T093005");
}
