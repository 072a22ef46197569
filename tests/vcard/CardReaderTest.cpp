#include "vcard/CardReader.h"
#include "core/Error.h"
#include "support/Pictures.h"
#include "support/TestSupport.h"
#include "vcard/CardFile.h"
#include "vcard/OpenCommand.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

using namespace TestSupport;

namespace {

using F = ContactSource::Field;

ReadCard read(const QByteArray& file, int codePage = 1252)
{
    return CardReader::read(file, codePage);
}

/// The fields that are not empty, as "name=text", for readable failures.
QStringList filled(const ContactRecord& c)
{
    QStringList out;
    for (int i = 0; i < ContactSource::FieldCount; ++i) {
        if (!c.fields[i].isEmpty())
            out << QString::fromLatin1(ContactSource::fieldName(F(i))) + u'=' + c.fields[i];
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
    writeFile(photos.filePath("me.jpg"), pictureBytes({9, 7}));
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
        OpenCommand::storePhoto(card, photos.filePath("stored"));
        if (!c.contact.fields[F::PhotoPath].isEmpty()) {
            EXPECT_EQ(readFile(card.contact.fields[F::PhotoPath]), pictureBytes({9, 7}));
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
    writeFile(dir.filePath("p.jpg"), pictureBytes({9, 7}));
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
    EXPECT_EQ(
        filled(c),
        QStringList({"LastName=Ortega", "FirstName=Lucía", "MiddleInitial=M", "Company=Harbor & Finch Research",
                     "Title=Dr.", "Email=lucia@example.org", "HomeAddress=12 Quay Street", "HomeCity=Port Avel",
                     "HomeRegion=North", "HomeZip=40210", "HomeCountry=Utopia", "WorkAddress=1 Mill Lane",
                     "WorkCity=Westfold", "WorkZip=9000", "HomeVoice=555 0100", "WorkFax=555 0300", "Cellular=555 0199",
                     "Notes=Call after 5:30, not before;\r\nring twice. " +
                         QString("A long line that must be folded. ").repeated(4)}));
    EXPECT_EQ(c.flags, (std::array<bool, 6>{true, false, false, false, false, false}));
    EXPECT_EQ(c.birthDate, QDate(1984, 3, 7));
    EXPECT_EQ(card.photo, pictureBytes({9, 7}));
    EXPECT_EQ(card.notLoaded, QStringList({"EMAIL second@example.org", "TITLE: Surveyor"}));
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
    EXPECT_EQ(filled(v21.contact),
              QStringList({"LastName=Rossi", "FirstName=Anna", "WebsiteWork=https://example.org/anna",
                           "WorkVoice=+39 06 1234", "Cellular=+39 333", "Notes=Café at nine\r\nsharp"}));
    EXPECT_TRUE(v21.contact.flag(F::WorkVoice));
    EXPECT_EQ(v21.contact.birthDate, QDate(1990, 12, 1));
    EXPECT_TRUE(v21.notLoaded.isEmpty()) << v21.notLoaded.join(", ").toStdString();

    // 4.0: PREF=1, TYPE lists in quotes, tel: URIs, escapes, a data: photo,
    // no N (FN is split at its last blank).
    const QByteArray jpeg = pictureBytes({9, 7});
    const ReadCard v40 = read("BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Mary Ann Lee\r\n"
                              "TEL;TYPE=\"voice,home\";PREF=1;VALUE=uri:tel:+1-555-0100\r\n"
                              "TEL;TYPE=fax,work:tel:+1-555-0111\r\n"
                              "ORG:Lee\\, Lee\\; and Lee;Legal\r\n"
                              "ADR;TYPE=work:;Suite 4;1 Main St\\nBack door;Springfield;;;\r\n"
                              "NOTE:line one\\nline two\\\\end\r\n"
                              "PHOTO:data:image/jpeg;base64," +
                              jpeg.toBase64() + "\r\nBDAY:19840307\r\nEND:VCARD\r\n");
    EXPECT_EQ(filled(v40.contact),
              QStringList({"LastName=Lee", "FirstName=Mary Ann", "Company=Lee, Lee; and Lee Legal",
                           "WorkAddress=Suite 4, 1 Main St\r\nBack door", "WorkCity=Springfield",
                           "HomeVoice=+1-555-0100", "WorkFax=+1-555-0111", "Notes=line one\r\nline two\\end"}));
    EXPECT_TRUE(v40.contact.flag(F::HomeVoice));
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

TEST(CardReader, AValueGoesOnlyIntoTheFieldOfItsOwnKind)
{
    const ReadCard phones = read("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Marlow;Tessa;;;\r\n"
                                 "TEL;TYPE=CELL:+1 555 0101\r\nTEL;TYPE=CELL,PREF:+1 555 0102\r\n"
                                 "TEL;TYPE=HOME:+1 555 0103\r\nTEL:0104\r\nTEL;TYPE=VOICE:0105\r\n"
                                 "TEL;TYPE=FAX:0106\r\nTEL;TYPE=WORK,FAX:0107\r\nTEL;TYPE=WORK:0108\r\n"
                                 "TEL;TYPE=PAGER:0109\r\nTEL;TYPE=PAGER:0110\r\nTEL;TYPE=WORK,FAX:0111\r\n"
                                 "END:VCARD\r\n");
    EXPECT_EQ(filled(phones.contact),
              QStringList({"LastName=Marlow", "FirstName=Tessa", "HomeVoice=+1 555 0103", "HomeFax=0106",
                           "WorkVoice=0108", "WorkFax=0107", "Cellular=+1 555 0101", "Pager=0109"}));
    // The second mobile number's PREF does not mark the first.
    EXPECT_EQ(phones.contact.flags, (std::array<bool, 6>{}));
    EXPECT_EQ(phones.notLoaded,
              QStringList({"CELL +1 555 0102", "HOME VOICE 0104", "HOME VOICE 0105", "PAGER 0110", "WORK FAX 0111"}));

    const ReadCard places = read("BEGIN:VCARD\nVERSION:3.0\nN:A;B;;;\n"
                                 "ADR;TYPE=WORK:;;1 Mill Lane;Westfold;;9000;\nADR;TYPE=WORK:;;2 Dock Road;Avel;;;\n"
                                 "URL;TYPE=WORK:https://one.example/\nURL;TYPE=WORK:https://two.example/\n"
                                 "EMAIL:a@example.org\nEMAIL:b@example.org\nTITLE:Surveyor\nROLE:Lead\nROLE:Chair\n"
                                 "END:VCARD\n");
    EXPECT_EQ(filled(places.contact),
              QStringList({"LastName=A", "FirstName=B", "Email=a@example.org", "WebsiteWork=https://one.example/",
                           "WorkAddress=1 Mill Lane", "WorkCity=Westfold", "WorkZip=9000"}));
    EXPECT_EQ(places.notLoaded, QStringList({"WORK ADR 2 Dock Road, Avel", "WORK URL https://two.example/",
                                             "EMAIL b@example.org", "TITLE: Surveyor", "ROLE: Lead", "ROLE: Chair"}));
    EXPECT_EQ(OpenCommand::report(places),
              "Not loaded, for want of a field: WORK ADR 2 Dock Road, Avel, WORK URL https://two.example/, "
              "EMAIL b@example.org, TITLE: Surveyor, ROLE: Lead, ROLE: Chair.");
    EXPECT_EQ(OpenCommand::report(read("BEGIN:VCARD\nN:A;B\nEND:VCARD\n")), "");

    // An embedded photo that is no picture is not stored.
    QTemporaryDir photos;
    ReadCard text =
        read("BEGIN:VCARD\nN:A;B\nPHOTO;ENCODING=b:" + QByteArray("not a picture").toBase64() + "\nEND:VCARD\n");
    OpenCommand::storePhoto(text, photos.path());
    EXPECT_EQ(text.contact.fields[F::PhotoPath], "");
    EXPECT_EQ(text.notLoaded, QStringList{"PHOTO (not a picture)"});
    EXPECT_TRUE(filesIn(photos.path()).isEmpty());
}

TEST(CardReader, EachCardOfAFileIsNamedAndCanBeRead)
{
    const QByteArray file = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Marlow;Tessa;;;\r\nFN:Tessa Marlow\r\nEND:VCARD\r\n"
                            "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Mary;Ann;Dr.;\r\nTEL:1\r\nEND:VCARD\r\n"
                            "BEGIN:VCARD\r\nVERSION:3.0\r\nORG:Nobody\r\nEND:VCARD\r\n";
    EXPECT_EQ(CardReader::names(file, 1252), QStringList({"Tessa Marlow", "Dr. Mary Ann Lee", ""}));
    EXPECT_EQ(filled(read(file).contact), QStringList({"LastName=Marlow", "FirstName=Tessa"}));
    EXPECT_EQ(filled(CardReader::read(file, 1252, 1).contact),
              QStringList({"LastName=Lee", "FirstName=Mary", "MiddleInitial=Ann", "Title=Dr.", "HomeVoice=1"}));
    EXPECT_EQ(filled(CardReader::read(file, 1252, 2).contact), QStringList({"Company=Nobody"}));
    EXPECT_THROW(CardReader::read(file, 1252, 3), Error);
}

TEST(CardReader, AFileThatHoldsNoCardSaysSo)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("notes.vcf"), "just some notes\nN:Not;A card\n");
    for (const auto& [name, why] :
         {std::pair{"notes.vcf", "it holds no vCard."}, {"missing.vcf", "No such file or directory"}}) {
        try {
            OpenCommand::open(QFile::encodeName(dir.filePath(name)), 1252);
            FAIL() << name;
        } catch (const Error& e) {
            EXPECT_EQ(e.description(), "Cannot open " + dir.filePath(name) + ": " + why);
        }
    }
    EXPECT_THROW(OpenCommand::open(QFile::encodeName(dir.path()), 1252), Error);
}

TEST(CardReader, TheGrammarDecidesNotTheWordsOfAValue)
{
    // A soft line break joins the next line exactly: its blank is data.
    EXPECT_EQ(read("BEGIN:VCARD\r\nVERSION:2.1\r\nNOTE;ENCODING=QUOTED-PRINTABLE:first=0D=0Athird=\r\n"
                   " line=\r\n end\r\nEND:VCARD\r\n")
                  .contact.fields[F::Notes],
              "first\r\nthird line end");
    // A soft break at the end of the last value never swallows END:VCARD.
    const QByteArray two = "BEGIN:VCARD\r\nVERSION:2.1\r\nN:A;B\r\nNOTE;QUOTED-PRINTABLE:end=\r\nEND:VCARD\r\n"
                           "BEGIN:VCARD\r\nVERSION:2.1\r\nN:C;D\r\nEND:VCARD\r\n";
    EXPECT_EQ(read(two).contact.fields[F::Notes], "end");
    EXPECT_EQ(CardReader::names(two, 1252), QStringList({"B A", "D C"}));
    // Only the parameters make a value quoted-printable, never its words.
    const ReadCard plain = read("BEGIN:VCARD\r\nN:A;B\r\nNOTE:this is not QUOTED-PRINTABLE, a=\r\n"
                                "TEL;CELL:555\r\nEND:VCARD\r\n");
    EXPECT_EQ(plain.contact.fields[F::Notes], "this is not QUOTED-PRINTABLE, a=");
    EXPECT_EQ(plain.contact.fields[F::Cellular], "555");

    // A second N is listed, never put over the first.
    const ReadCard twice = read("BEGIN:VCARD\r\nN:Marlow;Tessa\r\nN:Other;Name\r\nEND:VCARD\r\n");
    EXPECT_EQ(filled(twice.contact), QStringList({"LastName=Marlow", "FirstName=Tessa"}));
    EXPECT_EQ(twice.notLoaded, QStringList{"1 more N"});

    // A 2.1 AGENT card inside is passed over whole; what follows it is the outer card's.
    const QByteArray agent = "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Boss;Big\r\nAGENT:\r\nBEGIN:VCARD\r\nVERSION:2.1\r\n"
                             "N:Helper;Little\r\nTEL;CELL:111\r\nEND:VCARD\r\nTEL;CELL:222\r\n"
                             "EMAIL;INTERNET:big@example.org\r\nEND:VCARD\r\n";
    const ReadCard outer = read(agent);
    EXPECT_EQ(filled(outer.contact),
              QStringList({"LastName=Boss", "FirstName=Big", "Email=big@example.org", "Cellular=222"}));
    EXPECT_EQ(outer.notLoaded, QStringList{"AGENT"});
    EXPECT_EQ(CardReader::names(agent, 1252), QStringList{"Big Boss"});

    // UTF-16 with its byte order mark, either way round; CR alone as line end.
    const QString text =
        QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Жуков;Łukasz;;;\r\nNOTE:李 😀\r\nEND:VCARD\r\n");
    QByteArray little("\xFF\xFE"), big("\xFE\xFF");
    for (const QChar c : text) {
        little.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
        big.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
    }
    const QByteArray crOnly = text.toUtf8().replace("\r\n", "\r");
    for (const QByteArray& file : {little, big, crOnly}) {
        const ReadCard card = read(file);
        EXPECT_EQ(card.contact.fields[F::LastName], "Жуков");
        EXPECT_EQ(card.contact.fields[F::FirstName], "Łukasz");
        EXPECT_EQ(card.contact.fields[F::Notes], "李 😀");
    }
}

TEST(CardReader, ALinkToAPhotoIsNeverFollowed)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("private.jpg"), pictureBytes({9, 7}));
    const QByteArray link = QUrl::fromLocalFile(dir.filePath("private.jpg")).toEncoded();
    const struct {
        QByteArray photo;
        const char* listed;
    } cases[] = {
        {"PHOTO;VALUE=URI:" + link, "PHOTO (a link to a file: not followed)"},
        {"PHOTO;VALUE=URL:file:///etc/shadow", "PHOTO (a link to a file: not followed)"},
        {"PHOTO;VALUE=uri:https://example.org/me.jpg", "PHOTO (a link to a web address: not followed)"},
        {"PHOTO:" + link, "PHOTO (a link to a file: not followed)"},
        {"PHOTO;TYPE=JPEG:ftp://example.org/me.jpg", "PHOTO (a link to somewhere else: not followed)"},
    };
    for (const auto& c : cases) {
        ReadCard card = read("BEGIN:VCARD\r\nVERSION:3.0\r\nN:A;B;;;\r\n" + c.photo + "\r\nEND:VCARD\r\n");
        OpenCommand::storePhoto(card, dir.filePath("photos"));
        EXPECT_EQ(card.contact.fields[F::PhotoPath], "") << c.photo.toStdString();
        EXPECT_TRUE(card.photo.isEmpty());
        EXPECT_EQ(card.notLoaded, QStringList{c.listed}) << c.photo.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("photos")));
}

TEST(CardReader, AValueLargerThanItsBoxIsListedWithItsSize)
{
    const QByteArray note(2 * 1024 * 1024, 'n');
    const QByteArray name(100 * 1024, 'x');
    const ReadCard card = read("BEGIN:VCARD\r\nVERSION:3.0\r\nN:" + name + ";;;;\r\nFN:" + name + "\r\nORG:Fine\r\n" +
                               "NOTE:" + note + "\r\nTEL;TYPE=CELL:" + name + "\r\nEND:VCARD\r\n");
    EXPECT_EQ(filled(card.contact), QStringList({"Company=Fine"}));
    EXPECT_EQ(card.notLoaded,
              QStringList({"N (100 KB: too long)", "NOTE (2.0 MB: too long)", "CELL (100 KB: too long)"}));
    // Just inside the limits, everything is loaded.
    const QByteArray fits(64 * 1024, 'f');
    const ReadCard full = read("BEGIN:VCARD\r\nVERSION:3.0\r\nN:" + fits +
                               ";;;;\r\nNOTE:" + QByteArray(1024 * 1024, 'n') + "\r\nEND:VCARD\r\n");
    EXPECT_TRUE(full.notLoaded.isEmpty());
    EXPECT_EQ(full.contact.fields[F::LastName].size(), 64 * 1024);
}
