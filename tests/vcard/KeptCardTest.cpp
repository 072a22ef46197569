#include "vcard/KeptCard.h"
#include "core/Error.h"
#include "support/TestSupport.h"
#include "vcard/CardDifferences.h"
#include "vcard/CardReader.h"
#include "vcard/OpenCommand.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

using F = ContactSource::Field;

/// A property as "group.NAME;P=v;BARE:value", for readable failures.
QStringList lines(const KeptCard& card)
{
    QStringList out;
    for (const CardProperty& p : card.properties) {
        QString line = QString::fromLatin1(p.group.isEmpty() ? p.name : p.group + '.' + p.name);
        for (const CardParameter& parameter : p.parameters)
            line += u';' + QString::fromLatin1(parameter.name) +
                    (parameter.value.isNull() ? QString() : u'=' + parameter.value);
        out << line + u':' + p.value;
    }
    return out;
}

const QByteArray apple = "BEGIN:VCARD\r\nVERSION:3.0\r\nPRODID:-//Apple Inc.//macOS 14.0//EN\r\n"
                         "N:Marlow;Tessa;J.;;PhD\r\nFN:Tessa Marlow\r\nORG:Harbor & Finch;Survey\r\n"
                         "TITLE:Head of Research\r\n"
                         "item1.TEL;type=pref:+1 555 0100\r\nitem1.X-ABLabel:_$!<Mobile>!$_\r\n"
                         "TEL;type=CELL;type=VOICE:+1 555 0101\r\nTEL;TYPE=CELL:+1 555 0102\r\n"
                         "item2.TEL:+1 555 0109\r\nitem2.X-ABLabel:_$!<Assistant>!$_\r\n"
                         "CATEGORIES:Survey,Field work\r\nX-SOCIAL;X-USER=\"tm:x\":x\\, y\r\n"
                         "END:VCARD\r\n";

}  // namespace

TEST(KeptCard, EveryPropertyIsKeptAsReadInOrder)
{
    const struct {
        const char* what;
        QByteArray card;
        int version;
        QStringList kept;
    } cases[] = {
        {"3.0 with groups and quoted parameters",
         apple,
         30,
         {"VERSION:3.0", "PRODID:-//Apple Inc.//macOS 14.0//EN", "N:Marlow;Tessa;J.;;PhD", "FN:Tessa Marlow",
          "ORG:Harbor & Finch;Survey", "TITLE:Head of Research", "item1.TEL;TYPE=pref:+1 555 0100",
          "item1.X-ABLABEL:_$!<Mobile>!$_", "TEL;TYPE=CELL;TYPE=VOICE:+1 555 0101", "TEL;TYPE=CELL:+1 555 0102",
          "item2.TEL:+1 555 0109", "item2.X-ABLABEL:_$!<Assistant>!$_", "CATEGORIES:Survey,Field work",
          "X-SOCIAL;X-USER=\"tm:x\":x\\, y"}},
        {"2.1: quoted-printable and charset undone, escapes and bare types kept",
         "BEGIN:VCARD\nVERSION:2.1\nN:Rossi;Anna\nTEL;WORK;voice:06\n"
         "NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=ISO-8859-1:Caf=E9\\; =\nbar\nX-EMPTY;X=:\n"
         "AGENT:\nBEGIN:VCARD\nN:Inner;Card\nEND:VCARD\nEMAIL;INTERNET:a@example.org\nEND:VCARD\n",
         21,
         {"VERSION:2.1", "N:Rossi;Anna", "TEL;WORK;VOICE:06",
          "NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=ISO-8859-1:Café\\; bar",
          "X-EMPTY;X=:", "AGENT:", "EMAIL;INTERNET:a@example.org"}},
        {"4.0",
         "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:A\r\nRELATED;TYPE=friend:urn:uuid:1\r\nEND:VCARD\r\n",
         40,
         {"VERSION:4.0", "FN:A", "RELATED;TYPE=friend:urn:uuid:1"}},
    };
    for (const auto& c : cases) {
        const KeptCard kept = CardReader::read(c.card, 1252).kept;
        EXPECT_EQ(kept.version, c.version) << c.what;
        EXPECT_EQ(lines(kept), c.kept) << c.what;
    }
    // A bare type has no value; "X=" has an empty one.
    const KeptCard v21 = CardReader::read(cases[1].card, 1252).kept;
    EXPECT_TRUE(v21.properties[2].parameters[0].value.isNull());
    EXPECT_FALSE(v21.properties[4].parameters[0].value.isNull());
    EXPECT_EQ(v21.properties[2].types(), QStringList({"WORK", "VOICE"}));
}

TEST(KeptCard, WhatTheFormGotIsMarkedAndTheRestListedWithValues)
{
    const ReadCard read = CardReader::read(apple, 1252);
    EXPECT_EQ(read.kept.notShown(),
              QStringList({"TITLE: Head of Research", "TEL (CELL): +1 555 0102", "TEL (Assistant): +1 555 0109",
                           "CATEGORIES: Survey, Field work", "X-SOCIAL: x, y"}));
    // Where each shown property went.
    QStringList fields;
    for (const CardProperty& p : read.kept.properties) {
        if (p.shown)
            fields << QString::fromLatin1(p.name) + u'=' +
                          (p.field < 0 ? QStringLiteral("-")
                                       : QString::fromLatin1(ContactSource::fieldName(F(p.field))));
    }
    EXPECT_EQ(fields, QStringList({"VERSION=-", "PRODID=-", "N=LastName", "FN=-", "ORG=Company", "TEL=HomeVoice",
                                   "TEL=Cellular"}));
    EXPECT_EQ(read.kept.asRead.fields[F::LastName], "Marlow");
    EXPECT_EQ(read.kept.asRead.fields[F::Company], "Harbor & Finch Survey");
    // The message after opening names the values too.
    EXPECT_EQ(read.notLoaded,
              QStringList({"SUFFIX PhD", "TITLE: Head of Research", "CELL +1 555 0102", "HOME VOICE +1 555 0109",
                           "CATEGORIES: Survey, Field work", "X-SOCIAL: x, y"}));

    // A 2.1 value's only escape is "\;"; a long value is cut; a birthday the form cannot take is listed.
    const KeptCard old = CardReader::read("BEGIN:VCARD\r\nVERSION:2.1\r\nN:A;B\r\nX-PATH:C:\\dir\\;x\r\nBDAY:--0415\r\n"
                                          "X-LONG:" +
                                              QByteArray(100, 'y') + "\r\nEND:VCARD\r\n",
                                          1252)
                             .kept;
    EXPECT_EQ(old.notShown(),
              QStringList({"X-PATH: C:\\dir;x", "BDAY: --0415", "X-LONG: " + QString(59, u'y') + QChar(0x2026)}));
}

TEST(KeptCard, APhotoTheFormCouldNotTakeIsListedAndOneStoredIsItsPath)
{
    QTemporaryDir dir;
    ReadCard bad = CardReader::read("BEGIN:VCARD\r\nVERSION:3.0\r\nN:A;B\r\nPHOTO;ENCODING=b:" +
                                        QByteArray("not a picture").toBase64() + "\r\nEND:VCARD\r\n",
                                    1252);
    OpenCommand::storePhoto(bad, dir.path());
    EXPECT_EQ(bad.kept.notShown(), QStringList{"PHOTO: 1 KB"});
    EXPECT_EQ(bad.kept.properties.last().field, -1);
}

TEST(KeptCard, BytesComeBackAsTheSameCardAndDamagedOnesAreRefused)
{
    ReadCard read = CardReader::read(apple, 1252);
    read.kept.asRead.birthDate = QDate(1984, 3, 7);
    read.kept.asRead.flags[ContactSource::flagOf(F::WorkVoice)] = true;
    read.kept.asRead.uidText = TestSupport::exampleUid;
    read.kept.properties[3].parameters << CardParameter{"X-EMPTY", QLatin1String("")} << CardParameter{"BARE", {}};
    const QByteArray bytes = read.kept.toBytes();
    const KeptCard back = KeptCard::fromBytes(bytes);
    EXPECT_EQ(back.version, 30);
    EXPECT_EQ(back.properties, read.kept.properties);
    EXPECT_FALSE(back.properties[3].parameters[0].value.isNull());
    EXPECT_TRUE(back.properties[3].parameters[1].value.isNull());
    EXPECT_EQ(back.asRead.fields, read.kept.asRead.fields);
    EXPECT_EQ(back.asRead.flags, read.kept.asRead.flags);
    EXPECT_EQ(back.asRead.birthDate, QDate(1984, 3, 7));
    EXPECT_EQ(back.asRead.uidText, TestSupport::exampleUid);
    EXPECT_FALSE(KeptCard::fromBytes(KeptCard().toBytes()).asRead.birthDate.isValid());

    // Cut anywhere, with a byte more, or with a count that claims more than there is: refused.
    QList<QByteArray> damaged = {QByteArray(), "not a kept card", bytes + 'x'};
    for (qsizetype size = 0; size < bytes.size(); size += 7)
        damaged << bytes.left(size);
    QByteArray huge = bytes;
    const qsizetype count = QByteArray("Quillmere kept card 1\n").size() + 4;
    huge[count] = char(0x7f);
    damaged << huge;
    for (const QByteArray& d : damaged)
        EXPECT_THROW(KeptCard::fromBytes(d), Error) << d.size();
}

TEST(KeptCard, EditsAreAnyOfTheirParts)
{
    EXPECT_FALSE(CardEdits().any());
    for (int part = 0; part < 4; ++part) {
        CardEdits e;
        (part == 0   ? e.fields[F::Notes]
         : part == 1 ? e.flags[ContactSource::flagOf(F::Pager)]
         : part == 2 ? e.birthday
                     : e.photo) = true;
        EXPECT_TRUE(e.any()) << part;
    }
}

TEST(KeptCard, DifferencesAreTheValuesOfEachPropertyThatDiffer)
{
    const QByteArray photo = QByteArray(300, 'p').toBase64();
    const QString longNote = QString(80, u'n');
    const auto card = [](const QByteArray& version, const QByteArray& body) {
        return CardReader::read("BEGIN:VCARD\r\nVERSION:" + version + "\r\nPRODID:x\r\n" + body + "END:VCARD\r\n", 1252)
            .kept;
    };
    const struct {
        const char* what;
        KeptCard mine;
        KeptCard theirs;
        QList<CardDifference> expected;
    } cases[] = {
        {"the same photo as base64 and as a data: URI; PRODID and labels left out",
         card("3.0", "PHOTO;ENCODING=b;TYPE=JPEG:" + photo + "\r\nitem1.X-ABLabel:a\r\n"),
         card("4.0", "PHOTO:data:image/jpeg;base64," + photo + "\r\nitem1.X-ABLabel:b\r\n"),
         {}},
        {"a long note that differs only past what a list shows",
         card("3.0", "NOTE:" + longNote.toUtf8() + "a\r\n"),
         card("3.0", "NOTE:" + longNote.toUtf8() + "b\r\n"),
         {{"NOTE", {longNote + "a"}, {longNote + "b"}}}},
        {"values of one kind in order, a kind only theirs have",
         card("3.0", "TEL;TYPE=CELL:1\r\nTEL;TYPE=CELL:2\r\n"),
         card("3.0", "TEL;TYPE=CELL:2\r\nTEL;TYPE=CELL:1\r\nTITLE:Surveyor\r\n"),
         {{"TEL (CELL)", {"1", "2"}, {"2", "1"}}, {"TITLE", {}, {"Surveyor"}}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(differences(c.mine, c.theirs), c.expected) << c.what;
}
