#pragma once

// One scenario for every real server: a property another client wrote
// survives the form's edits and sends, also when the server's copy changed.

#include "carddav/SendCommand.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "vcard/CardReader.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>

namespace AnotherClient {

/// The card at @p url, or with @p put, a raw PUT of it there (its HTTP status); @p auth: curl's "-u user:password".
inline QByteArray curl(const QStringList& auth, const QString& url, const QByteArray* put = nullptr,
                       int* status = nullptr)
{
    QProcess process;
    QStringList args = auth;
    args << "-s"
         << "-w"
         << "\n%{http_code}";
    if (put)
        args << "-X"
             << "PUT"
             << "-H"
             << "Content-Type: text/vcard"
             << "--data-binary"
             << "@-";
    process.start(QStringLiteral("curl"), args << url);
    if (put)
        process.write(*put);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(30000));
    QByteArray out = process.readAllStandardOutput();
    const qsizetype cut = out.lastIndexOf('\n');
    if (status)
        *status = out.mid(cut + 1).toInt();
    return out.left(cut);
}

/// The card's properties but for REV and PRODID, as "NAME:value".
inline QStringList linesOf(const QByteArray& card)
{
    QStringList out;
    for (const CardProperty& p : CardReader::read(card, 1252).kept.properties) {
        if (p.name != "REV" && p.name != "PRODID")
            out << QString::fromLatin1(p.name) + u':' + p.value;
    }
    return out;
}

/**
 * Sends a card read from a file (the account already answered in
 * @p dialogs), lets another client add a TITLE with a raw PUT, then: an
 * edited note sent over it (the server's copy changed: "Keep Mine"); the
 * server's copy opened, its e-mail edited and sent; and sent back untouched.
 */
inline void propertyOfAnotherClientSurvives(SendCommand& command, ScriptedDialogs& dialogs, const QStringList& auth)
{
    const auto send = [&](const ReadCard& card, const ContactRecord& contact, const CardEdits& edits) {
        command.send(contact, card.kept, edits, QDateTime::currentDateTimeUtc());
        return QTest::qWaitFor([&] { return !command.running(); }, 30000);
    };
    const ReadCard opened = CardReader::read(
        "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:" + TestSupport::exampleUid.toUtf8() +
            "\r\nN:Marlow;Tessa;;;\r\nFN:Tessa Marlow\r\nNOTE:first\r\nitem1.X-OTHER:kept\r\nEND:VCARD\r\n",
        1252);
    ASSERT_TRUE(send(opened, opened.contact, {}));
    const QString sent = dialogs.messages.last().text;
    ASSERT_TRUE(sent.startsWith("Sent. The contact is now at ")) << sent.toStdString();
    const QString url = sent.mid(QStringLiteral("Sent. The contact is now at ").size());

    QByteArray theirs = curl(auth, url);
    theirs.replace("END:VCARD", "TITLE:Surveyor\r\nEND:VCARD");
    int status = 0;
    curl(auth, url, &theirs, &status);
    ASSERT_TRUE(status == 201 || status == 204) << status;

    // The form's copy is older than the server's now: the user keeps the edit, the server its TITLE.
    ContactRecord mine = opened.contact;
    mine.fields[ContactSource::Notes] = QStringLiteral("second");
    CardEdits edits;
    edits.fields[ContactSource::Notes] = true;
    dialogs.comparisons << Comparison::KeepMine;
    ASSERT_TRUE(send(opened, mine, edits));
    ASSERT_EQ(dialogs.comparisonBoxes.size(), 1) << dialogs.messages.last().text.toStdString();
    EXPECT_EQ(dialogs.comparisonBoxes[0].rows, (QList<ComparisonBox::Row>{{"NOTE", "second", "first"}}));
    EXPECT_TRUE(dialogs.messages.last().text.startsWith("Sent.")) << dialogs.messages.last().text.toStdString();
    const QByteArray merged = curl(auth, url);
    for (const char* line : {"TITLE:Surveyor", "NOTE:second", "item1.X-OTHER:kept"})
        EXPECT_TRUE(merged.contains(line)) << line << "\n" << merged.toStdString();

    // The server's copy opened, edited and sent: nothing to settle, the TITLE stays.
    const ReadCard server = CardReader::read(merged, 1252);
    ContactRecord edited = server.contact;
    edited.fields[ContactSource::Email] = QStringLiteral("tessa@example.org");
    CardEdits email;
    email.fields[ContactSource::Email] = true;
    ASSERT_TRUE(send(server, edited, email));
    EXPECT_EQ(dialogs.comparisonBoxes.size(), 1);
    const QByteArray after = curl(auth, url);
    EXPECT_TRUE(after.contains("TITLE:Surveyor")) << after.toStdString();
    EXPECT_TRUE(after.contains("tessa@example.org")) << after.toStdString();

    // Sent back untouched: the same card but for REV and PRODID.
    const ReadCard last = CardReader::read(after, 1252);
    ASSERT_TRUE(send(last, last.contact, {}));
    EXPECT_EQ(linesOf(curl(auth, url)), linesOf(after));
}

}  // namespace AnotherClient
