// Cards of other programs opened, changed in one field and written again.

#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "vcard/CardReader.h"
#include "vcard/ExportCommand.h"
#include "vcard/KeptCard.h"
#include "vcard/ModernCard.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTimeZone>

using namespace TestSupport;

namespace {

using F = ContactSource::Field;

const QDateTime utcTime(QDate(2026, 2, 3), QTime(4, 5, 6), QTimeZone::utc());

QByteArray sample(const char* name)
{
    return readFile(QStringLiteral(QUILLMERE_TEST_DATA "/../data/") + QLatin1String(name));
}

/// The card's properties as "group.NAME;P=v:value", but for those every writer makes its own.
QStringList lines(const QByteArray& card)
{
    QStringList out;
    for (const CardProperty& p : CardReader::read(card, 1252).kept.properties) {
        if (p.name == "VERSION" || p.name == "PRODID" || p.name == "REV")
            continue;
        QString line = QString::fromLatin1(p.group.isEmpty() ? p.name : p.group + '.' + p.name);
        for (const CardParameter& parameter : p.parameters)
            line += u';' + QString::fromLatin1(parameter.name) +
                    (parameter.value.isNull() ? QString() : u'=' + parameter.value);
        out << line + u':' + p.value;
    }
    return out;
}

/// What is in @p a and not in @p b, in order.
QStringList without(const QStringList& a, const QStringList& b)
{
    QStringList out;
    for (const QString& line : a) {
        if (!b.contains(line))
            out << line;
    }
    return out;
}

struct Edit {
    int field = -1;
    QString value;
    int flag = -1;
    bool checked = false;
    std::optional<QDate> birthday;
};

/// @p card opened, changed by @p edit, written in @p version.
QByteArray changed(const QByteArray& card, const Edit& edit, CardVersion version, QStringList* unwritten = nullptr)
{
    const ReadCard read = CardReader::read(card, 1252);
    ContactRecord form = read.contact;
    CardEdits edits;
    if (edit.field >= 0) {
        form.fields[edit.field] = edit.value;
        edits.fields[edit.field] = true;
    }
    if (edit.flag >= 0) {
        form.flags[edit.flag] = edit.checked;
        edits.flags[edit.flag] = true;
    }
    if (edit.birthday) {
        form.birthDate = *edit.birthday;
        edits.birthday = true;
    }
    return ModernCard::build(form, version, utcTime, read.kept, edits, unwritten);
}

constexpr const char* samples[] = {"apple-3.0.vcf", "google-3.0.vcf", "mailer-4.0.vcf", "android-2.1.vcf"};

}  // namespace

TEST(RoundTrip, AnUntouchedCardComesBackButForRevAndProdid)
{
    for (const auto& [name, version] : {std::pair{"apple-3.0.vcf", CardVersion::V30},
                                        {"google-3.0.vcf", CardVersion::V30},
                                        {"mailer-4.0.vcf", CardVersion::V40}}) {
        const QByteArray out = changed(sample(name), {}, version);
        EXPECT_EQ(lines(out), lines(sample(name))) << name;
        EXPECT_TRUE(out.contains("\r\nPRODID:-//")) << name;
        EXPECT_TRUE(out.contains(version == CardVersion::V30 ? "\r\nREV:2026-02-03T04:05:06Z\r\n"
                                                             : "\r\nREV:20260203T040506Z\r\n"))
            << name;
    }
}

TEST(RoundTrip, OneFieldChangedChangesOnlyItsProperty)
{
    const struct {
        const char* sample;
        Edit edit;
        QStringList before;  ///< the properties of the untouched card that go
        QStringList after;   ///< and those that come instead
    } cases[] = {
        {"apple-3.0.vcf",
         {F::Email, "new@harbor.example"},
         {"EMAIL;TYPE=INTERNET;TYPE=WORK;TYPE=pref:tessa@harbor.example"},
         {"EMAIL;TYPE=INTERNET;TYPE=WORK;TYPE=pref:new@harbor.example"}},
        // The title is the name's prefix; its suffix and FN stay.
        {"apple-3.0.vcf", {F::Title, "Prof."}, {"N:Marlow;Tessa;J.;Dr.;PhD"}, {"N:Marlow;Tessa;J.;Prof.;PhD"}},
        {"apple-3.0.vcf",
         {F::LastName, "Rossi"},
         {"N:Marlow;Tessa;J.;Dr.;PhD", "FN:Dr. Tessa J. Marlow PhD"},
         {"N:Rossi;Tessa;J.;Dr.;PhD", "FN:Tessa J. Rossi"}},
        // Emptied: gone with its group's label.
        {"apple-3.0.vcf",
         {F::WebsiteHome, ""},
         {"item4.URL;TYPE=pref:https://harbor.example/tessa", "item4.X-ABLABEL:_$!<HomePage>!$_"},
         {}},
        // The city of an address; its country, which the form has a field for, and its group stay.
        {"apple-3.0.vcf",
         {F::WorkCity, "Eastfold"},
         {"item3.ADR;TYPE=WORK;TYPE=pref:;;1 Mill Lane;Westfold;;9000;Utopia"},
         {"item3.ADR;TYPE=WORK;TYPE=pref:;;1 Mill Lane;Eastfold;;9000;Utopia"}},
        // The flag of the first mobile number cleared: only its pref type goes.
        {"apple-3.0.vcf",
         {.flag = ContactSource::flagOf(F::Cellular), .checked = false},
         {"TEL;TYPE=CELL;TYPE=VOICE;TYPE=pref:+1 555 0101"},
         {"TEL;TYPE=CELL;TYPE=VOICE:+1 555 0101"}},
        {"apple-3.0.vcf", {.birthday = QDate(1985, 4, 8)}, {"BDAY;VALUE=date:1984-03-07"}, {"BDAY:1985-04-08"}},
        // A birthday without a year, which the form cannot show, replaced only when one is set.
        {"google-3.0.vcf", {.birthday = QDate(1990, 4, 15)}, {"BDAY:--04-15"}, {"BDAY:1990-04-15"}},
        {"google-3.0.vcf",
         {F::HomeCountry, "España"},
         {"ADR;TYPE=HOME:;;Calle Mayor 1;Madrid;;28013;Spain"},
         {"ADR;TYPE=HOME:;;Calle Mayor 1;Madrid;;28013;España"}},
        // A part the card had no property for is added as the form writes it.
        {"google-3.0.vcf", {F::WorkVoice, "+34 91 000 000"}, {}, {"TEL;TYPE=WORK,VOICE:+34 91 000 000"}},
        {"mailer-4.0.vcf", {F::Notes, "One\r\nline; more"}, {"NOTE:Two\\nlines"}, {"NOTE:One\\nline\\; more"}},
        {"mailer-4.0.vcf",
         {F::WebsiteWork, "https://lee.example/new"},
         {"URL;TYPE=work;VALUE=URL:https://lee.example"},
         {"URL;TYPE=work;VALUE=URL:https://lee.example/new"}},
        {"mailer-4.0.vcf",
         {.flag = ContactSource::flagOf(F::Cellular), .checked = true},
         {"TEL;TYPE=cell;VALUE=TEXT:+1 555 0200"},
         {"TEL;TYPE=cell,PREF;VALUE=TEXT;PREF=1:+1 555 0200"}},
        {"android-2.1.vcf", {F::Company, ""}, {"ORG:Mapy\\, Plany i Spółka"}, {}},
    };
    for (const auto& c : cases) {
        const QByteArray card = sample(c.sample);
        const CardVersion version = QByteArray(c.sample).contains("4.0") ? CardVersion::V40 : CardVersion::V30;
        const QStringList untouched = lines(changed(card, {}, version));
        const QStringList edited = lines(changed(card, c.edit, version));
        EXPECT_EQ(without(untouched, edited), c.before) << c.sample << " " << c.before.value(0).toStdString();
        EXPECT_EQ(without(edited, untouched), c.after) << c.sample << " " << c.after.value(0).toStdString();
        // In the other version the same one property differs.
        const CardVersion other = version == CardVersion::V30 ? CardVersion::V40 : CardVersion::V30;
        const QStringList otherUntouched = lines(changed(card, {}, other));
        const QStringList otherEdited = lines(changed(card, c.edit, other));
        EXPECT_EQ(without(otherUntouched, otherEdited).size(), c.before.size()) << c.sample;
        EXPECT_EQ(without(otherEdited, otherUntouched).size(), c.after.size()) << c.sample;
    }
}

TEST(RoundTrip, EachPropertyIsConvertedToTheVersionWrittenOrListed)
{
    const struct {
        const char* sample;
        CardVersion version;
        QStringList among;  ///< properties the card written holds
        QStringList unwritten;
    } cases[] = {
        {"android-2.1.vcf",
         CardVersion::V30,
         {"N:Żukowski;Jan;;;", "FN:Jan Żukowski", "TEL;TYPE=CELL,PREF:+48 600 100 200",
          "ADR;TYPE=HOME:;;ul. Długa 5;Warszawa;;00-001;Polska", "ORG:Mapy\\, Plany i Spółka",
          "NOTE:Line one\\nLine two", "X-ANDROID-CUSTOM:vnd.android.cursor.item/nickname;Janek;1;;;;;;;;;;;;;",
          "BDAY:1990-12-01"},
         {}},
        {"android-2.1.vcf",
         CardVersion::V40,
         {"TEL;TYPE=CELL,PREF;PREF=1:+48 600 100 200", "NOTE:Line one\\nLine two"},
         {}},
        {"mailer-4.0.vcf",
         CardVersion::V30,
         {"EMAIL;TYPE=PREF:mary@example.org", "URL;TYPE=work;VALUE=URL:https://lee.example",
          "IMPP:xmpp:mary@chat.example", "X-CUSTOM1:Left-handed"},
         {"RELATED (SPOUSE): urn:uuid:0b1c2d3e-4f50-4a6b-8c7d-9e0f1a2b3c4d", "ANNIVERSARY: 20100612", "GENDER: F",
          "KIND: individual"}},
        {"apple-3.0.vcf",
         CardVersion::V40,
         {"CATEGORIES:Survey,Field work", "item5.X-ABRELATEDNAMES;TYPE=pref;PREF=1:Mara Marlow",
          "EMAIL;TYPE=INTERNET;TYPE=WORK;TYPE=pref;PREF=1:tessa@harbor.example",
          "IMPP;X-SERVICE-TYPE=Jabber;TYPE=HOME;TYPE=pref;PREF=1:xmpp:tessa@chat.example",
          "NOTE:Met at the survey fair\\, 2019.\\nCall after 5."},
         {}},
    };
    for (const auto& c : cases) {
        QStringList unwritten;
        const QByteArray out = changed(sample(c.sample), {}, c.version, &unwritten);
        const QStringList written = lines(out);
        for (const QString& line : c.among)
            EXPECT_TRUE(written.contains(line)) << c.sample << ": " << line.toStdString();
        EXPECT_EQ(unwritten, c.unwritten) << c.sample;
        EXPECT_TRUE(out.startsWith(c.version == CardVersion::V30 ? "BEGIN:VCARD\r\nVERSION:3.0\r\nPRODID:"
                                                                 : "BEGIN:VCARD\r\nVERSION:4.0\r\nPRODID:"))
            << c.sample;
        EXPECT_FALSE(out.contains("QUOTED-PRINTABLE") || out.contains("CHARSET")) << c.sample;
    }
}

TEST(RoundTrip, APhotoGoesOverInTheFormOfEachVersion)
{
    for (const char* name : {"apple-3.0.vcf", "mailer-4.0.vcf", "android-2.1.vcf"}) {
        const ReadCard read = CardReader::read(sample(name), 1252);
        for (const CardVersion version : {CardVersion::V30, CardVersion::V40}) {
            const QByteArray out = changed(sample(name), {}, version);
            const ReadCard again = CardReader::read(out, 1252);
            EXPECT_EQ(again.photo, read.photo) << name;
            EXPECT_TRUE(out.contains(version == CardVersion::V30 ? "\r\nPHOTO;ENCODING=b;TYPE=JPEG:/9j/"
                                                                 : "\r\nPHOTO;VALUE=uri:data:image/jpeg;base64,/9j/") ||
                        out.contains("\r\nPHOTO:data:image/jpeg;base64,/9j/"))
                << name;
        }
    }
}

TEST(RoundTrip, KeptValuesAreCleanedOfControlCharactersLikeTypedOnes)
{
    const QByteArray card =
        "BEGIN:VCARD\r\nVERSION:3.0\r\nN:A;B;;;\r\nX-ONE:a\x01"
        "b\x0b"
        "c\tend\r\nNOTE:x\ty\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:2.1\r\nN:A;B\r\nX-TWO;QUOTED-PRINTABLE:p=0Bq=0D=0Ar\r\nEND:VCARD\r\n";
    const QByteArray three = changed(card, {}, CardVersion::V40);
    EXPECT_TRUE(three.contains("\r\nX-ONE:abc end\r\n")) << three.toStdString();
    EXPECT_TRUE(three.contains("\r\nNOTE:x\ty\r\n")) << three.toStdString();
    const ReadCard two = CardReader::read(card, 1252, 1);
    const QByteArray out = ModernCard::build(two.contact, CardVersion::V30, utcTime, two.kept, {});
    EXPECT_TRUE(out.contains("\r\nX-TWO:pq\\nr\r\n")) << out.toStdString();
}

TEST(RoundTrip, WithoutAKeptCardTheCardIsTheFormsAlone)
{
    ContactRecord c = workedExample();
    c.uidText = exampleUid;
    for (const CardVersion version : {CardVersion::V30, CardVersion::V40})
        EXPECT_EQ(ModernCard::build(c, version, utcTime, KeptCard{}, CardEdits{}),
                  ModernCard::build(c, version, utcTime));
}

TEST(RoundTrip, OtherReadersReadTheCardWrittenAsTheyReadTheOriginal)
{
    QTemporaryDir dir;
    // Each reader's view of a property, but for the two every writer makes its own.
    const auto read = [&](const QString& reader, const QByteArray& card) {
        writeFile(dir.filePath("card.vcf"), card);
        QStringList out;
        for (const QJsonValue& p : readWith(reader, dir.filePath("card.vcf"))) {
            const QString name = p[QStringLiteral("name")].toString();
            if (name != u"REV" && name != u"PRODID")
                out << QString::fromUtf8(QJsonDocument(p.toObject()).toJson(QJsonDocument::Compact));
        }
        return out;
    };
    for (const auto& [name, version] : {std::pair{"apple-3.0.vcf", CardVersion::V30},
                                        {"google-3.0.vcf", CardVersion::V30},
                                        {"mailer-4.0.vcf", CardVersion::V40}}) {
        for (const QString reader : {QStringLiteral("vobject"), QStringLiteral("ebook")}) {
            const QStringList original = read(reader, sample(name));
            ASSERT_FALSE(original.isEmpty()) << name;
            EXPECT_EQ(read(reader, changed(sample(name), {}, version)), original)
                << name << " " << reader.toStdString();
            // One field changed: the reader finds only that value changed.
            const QStringList edited = read(reader, changed(sample(name), {F::Notes, "Changed"}, version));
            EXPECT_EQ(without(edited, original).size(), 1) << name << " " << reader.toStdString();
            EXPECT_TRUE(without(edited, original).value(0).contains("Changed")) << name;
        }
    }
    // A 2.1 card written as 3.0 is read with its values decoded.
    const QStringList android =
        read(QStringLiteral("vobject"), changed(sample("android-2.1.vcf"), {}, CardVersion::V30));
    EXPECT_TRUE(android.join(u'\n').contains("\"Line one\\nLine two\"")) << android.join(u'\n').toStdString();
    EXPECT_TRUE(android.join(u'\n').contains("Żukowski"));
}

TEST(RoundTrip, ExportTellsWhatHadNoPlaceInTheVersionChosen)
{
    QTemporaryDir dir;
    const ReadCard read = CardReader::read(sample("mailer-4.0.vcf"), 1252);
    for (const auto& [filter, told] :
         {std::pair{
              0, "Done.\r\nNot written, having no place in vCard 3.0: RELATED (SPOUSE): "
                 "urn:uuid:0b1c2d3e-4f50-4a6b-8c7d-9e0f1a2b3c4d, ANNIVERSARY: 20100612, GENDER: F, KIND: individual."},
          {1, "Done."}}) {
        ScriptedDialogs dialogs;
        dialogs.choose(dir.filePath("lee.vcf"), filter);
        dialogs.answers << true;
        QString folder;
        ExportCommand::run(read.contact, read.kept, CardEdits{}, CardVersion::V30, folder, dialogs,
                           [] { return utcTime; });
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(dialogs.messages[0].text, told);
        EXPECT_TRUE(readFile(dir.filePath("lee.vcf")).contains("\r\nX-CUSTOM1:Left-handed\r\n"));
    }
}

TEST(RoundTrip, TheCardHasTheContactsIdentityOnly)
{
    // A UID the reader refused, and a second one: the contact's is written once.
    const QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:urn:uuid:1\\nEMAIL:x@evil.example\r\nN:Lee;Mary;;;\r\n"
                            "UID:urn:uuid:2\r\nEND:VCARD\r\n";
    ReadCard read = CardReader::read(card, 1252);
    read.contact.uidText = exampleUid;
    const QByteArray out = ModernCard::build(read.contact, CardVersion::V30, utcTime, read.kept, {});
    EXPECT_FALSE(out.contains("evil")) << out.toStdString();
    EXPECT_EQ(out.count("UID:"), 1);
    EXPECT_TRUE(out.contains("\r\nUID:" + exampleUid.toUtf8() + "\r\n"));
}
