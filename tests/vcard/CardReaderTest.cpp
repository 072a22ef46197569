#include "vcard/CardReader.h"
#include "core/Error.h"
#include "support/TestSupport.h"
#include "vcard/CardFile.h"
#include "vcard/OpenCommand.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

using namespace TestSupport;

namespace {

using F = ContactSource::Field;

QByteArray smallJpeg()
{
    QImage image(9, 7, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

ReadCard read(const QByteArray& file, int codePage = 1252)
{
    return CardReader::read(file, codePage);
}

/// The fields that are not empty, as "index=text", for readable failures.
QStringList filled(const ContactRecord& c)
{
    QStringList out;
    for (int i = 0; i < ContactSource::FieldCount; ++i) {
        if (!c.fields[i].isEmpty())
            out << QStringLiteral("%1=%2").arg(i).arg(c.fields[i]);
    }
    return out;
}

}  // namespace

TEST(CardReader, OurCardsComeBackAndSaveToTheSameBytes)
{
    QTemporaryDir photos;
    ContactRecord note = workedExample();
    note.fields[F::Notes] = QStringLiteral("Call after 5 30\r\nring twice\r\n= end");
    ContactRecord renee = workedExample();
    renee.fields[F::LastName] = QStringLiteral("Renée");
    ContactRecord zhukov = workedExample();
    zhukov.fields[F::LastName] = QStringLiteral("Жуков");
    ContactRecord photo = workedExample();
    writeFile(photos.filePath("me.jpg"), smallJpeg());
    photo.fields[F::PhotoPath] = photos.filePath("me.jpg");

    const struct {
        const char* what;
        ContactRecord contact;
        CardEncoding encoding;
        int codePage;
    } cases[] = {
        {"worked example, UTF-8", workedExample(), CardEncoding::Utf8, 1252},
        {"worked example, ANSI", workedExample(), CardEncoding::Ansi, 1252},
        {"multi-line note", note, CardEncoding::Utf8, 1252},
        {"ANSI 1252", renee, CardEncoding::Ansi, 1252},
        {"ANSI 1251", zhukov, CardEncoding::Ansi, 1251},
        {"photo", photo, CardEncoding::Utf8, 1252},
    };
    for (const auto& c : cases) {
        const QByteArray saved = CardFile::forContact(c.contact, exampleTime(), c.encoding, c.codePage);
        ReadCard card = read(saved, c.codePage);
        EXPECT_TRUE(card.notLoaded.isEmpty()) << c.what << ": " << card.notLoaded.join(", ").toStdString();
        EXPECT_EQ(card.cards, 1);
        OpenCommand::storePhoto(card, photos.filePath("stored"));
        if (!c.contact.fields[F::PhotoPath].isEmpty()) {
            EXPECT_EQ(readFile(card.contact.fields[F::PhotoPath]), smallJpeg());
            EXPECT_TRUE(card.contact.fields[F::PhotoPath].startsWith(photos.filePath("stored/Marlow Tessa ")));
        }
        const QDateTime later = exampleTime().addDays(30);  // only REV may differ
        QByteArray again = CardFile::forContact(card.contact, later, c.encoding, c.codePage);
        again.replace("REV:20250213T093005", "REV:20250114T093005");
        EXPECT_EQ(again, saved) << c.what;
    }
    // The same photo is stored once.
    EXPECT_EQ(filesIn(photos.filePath("stored")).size(), 1);
}

TEST(CardReader, ACardMadeByAnotherWriterFillsTheForm)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("p.jpg"), smallJpeg());
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(QUILLMERE_MAKE_VCARD), dir.filePath("o.vcf"), dir.filePath("p.jpg")});
    ASSERT_TRUE(python.waitForFinished(30000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QByteArray file = readFile(dir.filePath("o.vcf"));
    ASSERT_TRUE(file.contains("VERSION:3.0"));
    ASSERT_TRUE(file.contains("\r\n "));  // folded

    const ReadCard card = read(file);
    const ContactRecord& c = card.contact;
    EXPECT_EQ(filled(c),
              QStringList({"0=Ortega", "1=Lucía", "2=M", "3=Harbor & Finch Research", "4=Dr.", "5=lucia@example.org",
                           "8=12 Quay Street", "9=Port Avel", "10=North", "11=40210", "12=Utopia", "13=1 Mill Lane",
                           "14=Westfold", "16=9000", "18=555 0100", "21=555 0300", "22=555 0199",
                           "25=Call after 5:30, not before;\r\nring twice. " +
                               QString("A long line that must be folded. ").repeated(4)}));
    EXPECT_EQ(c.flags, (std::array<bool, 6>{true, false, false, false, false, false}));
    EXPECT_EQ(c.birthDate, QDate(1984, 3, 7));
    EXPECT_EQ(card.photo, smallJpeg());
    EXPECT_EQ(card.notLoaded, QStringList({"1 more EMAIL", "TITLE"}));
}

TEST(CardReader, HandMadeCardsOfEachVersion)
{
    // 2.1: groups, bare and lower-case types, quoted-printable with a soft
    // line break and a charset, a folded line, LF line ends.
    const ReadCard v21 = read("BEGIN:VCARD\n"
                              "VERSION:2.1\n"
                              "N:Rossi;Anna;;;\n"
                              "item1.TEL;work;voice;PREF:+39 06 1234\n"
                              "TEL;CELL:+39 333\n"
                              "NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=ISO-8859-1:Caf=E9 =\n"
                              "at nine=0D=0Asharp\n"
                              "URL;WORK:https://example.org/\n"
                              " anna\n"
                              "BDAY:1990-12-01T00:00:00\n"
                              "END:VCARD\n");
    EXPECT_EQ(filled(v21.contact), QStringList({"0=Rossi", "1=Anna", "7=https://example.org/anna", "20=+39 06 1234",
                                                "22=+39 333", "25=Café at nine\r\nsharp"}));
    EXPECT_TRUE(v21.contact.flags[2]);
    EXPECT_EQ(v21.contact.birthDate, QDate(1990, 12, 1));
    EXPECT_TRUE(v21.notLoaded.isEmpty()) << v21.notLoaded.join(", ").toStdString();

    // 4.0: PREF=1, TYPE lists in quotes, tel: URIs, escapes, a data: photo,
    // no N (FN is split at its last blank).
    const QByteArray jpeg = smallJpeg();
    const ReadCard v40 = read("BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Mary Ann Lee\r\n"
                              "TEL;TYPE=\"voice,home\";PREF=1;VALUE=uri:tel:+1-555-0100\r\n"
                              "TEL;TYPE=fax,work:tel:+1-555-0111\r\n"
                              "ORG:Lee\\, Lee\\; and Lee;Legal\r\n"
                              "ADR;TYPE=work:;Suite 4;1 Main St\\nBack door;Springfield;;;\r\n"
                              "NOTE:line one\\nline two\\\\end\r\n"
                              "PHOTO:data:image/jpeg;base64," +
                              jpeg.toBase64() + "\r\nBDAY:19840307\r\nEND:VCARD\r\n");
    EXPECT_EQ(filled(v40.contact),
              QStringList({"0=Lee", "1=Mary Ann", "3=Lee, Lee; and Lee Legal", "13=Suite 4, 1 Main St\r\nBack door",
                           "14=Springfield", "18=+1-555-0100", "21=+1-555-0111", "25=line one\r\nline two\\end"}));
    EXPECT_TRUE(v40.contact.flags[0]);
    EXPECT_EQ(v40.photo, jpeg);
    EXPECT_EQ(v40.contact.birthDate, QDate(1984, 3, 7));

    // A file that is not UTF-8 is read in the user's code page.
    const ReadCard ansi = read("BEGIN:VCARD\r\nVERSION:2.1\r\nN:\xC6\xF3\xEA\xEE\xE2;\r\nEND:VCARD\r\n", 1251);
    EXPECT_EQ(ansi.contact.fields[F::LastName], QStringLiteral("Жуков"));
    const ReadCard charsets =
        read("BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=ISO-8859-2:\xA3\xF3"
             "d\xBC\r\n"
             "NOTE;CHARSET=windows-1251;ENCODING=QUOTED-PRINTABLE:=C6=F3=EA=EE=E2\r\nEND:VCARD\r\n");
    EXPECT_EQ(charsets.contact.fields[F::LastName], QStringLiteral("Łódź"));
    EXPECT_EQ(charsets.contact.fields[F::Notes], QStringLiteral("Жуков"));
}

TEST(CardReader, WhatFindsNoFieldIsListedAndOnlyTheFirstCardIsRead)
{
    const ReadCard card = read("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Marlow;Tessa;;;\r\nFN:Tessa Marlow\r\n"
                               "TITLE:Surveyor\r\nROLE:Lead\r\nTEL;TYPE=HOME:1\r\nTEL;TYPE=HOME:2\r\n"
                               "TEL;TYPE=HOME:3\r\nTEL;TYPE=HOME:4\r\nTEL;TYPE=PAGER:5\r\nTEL;TYPE=PAGER:6\r\n"
                               "PRODID:-//Other//EN\r\nREV:2025-01-01T00:00:00Z\r\nEND:VCARD\r\n"
                               "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Second;One;;;\r\nEND:VCARD\r\n"
                               "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Third;One;;;\r\nEND:VCARD\r\n");
    EXPECT_EQ(card.contact.fields[F::LastName], "Marlow");
    // Home numbers fill the voice fields (18, 20, 22) first; the fourth has none.
    EXPECT_EQ(filled(card.contact), QStringList({"0=Marlow", "1=Tessa", "18=1", "20=2", "22=3", "23=5"}));
    EXPECT_EQ(card.notLoaded, QStringList({"TITLE", "ROLE", "2 more TEL"}));
    EXPECT_EQ(card.cards, 3);
    EXPECT_EQ(OpenCommand::report(card), "Not loaded, for want of a field: TITLE, ROLE, 2 more TEL.\r\n"
                                         "The file holds 3 cards; the first one was loaded.");
    EXPECT_EQ(OpenCommand::report(read("BEGIN:VCARD\nN:A;B\nEND:VCARD\n")), "");

    // An embedded photo that is no picture is not stored.
    QTemporaryDir photos;
    ReadCard text =
        read("BEGIN:VCARD\nN:A;B\nPHOTO;ENCODING=b:" + QByteArray("not a picture").toBase64() + "\nEND:VCARD\n");
    OpenCommand::storePhoto(text, photos.path());
    EXPECT_EQ(text.contact.fields[F::PhotoPath], "");
    EXPECT_EQ(text.notLoaded, QStringList{"PHOTO"});
    EXPECT_TRUE(filesIn(photos.path()).isEmpty());
}

TEST(CardReader, AFileThatHoldsNoCardSaysSo)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("notes.vcf"), "just some notes\nN:Not;A card\n");
    for (const auto& [name, why] :
         {std::pair{"notes.vcf", "it holds no vCard."}, {"missing.vcf", "No such file or directory"}}) {
        try {
            OpenCommand::read(dir.filePath(name), 1252);
            FAIL() << name;
        } catch (const Error& e) {
            EXPECT_EQ(e.description(), "Cannot open " + dir.filePath(name) + ": " + why);
        }
    }
    EXPECT_THROW(OpenCommand::read(dir.path(), 1252), Error);
}
