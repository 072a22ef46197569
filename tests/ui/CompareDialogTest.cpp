// The comparison of a changed server copy, through Qt's own dialogs.
#include "carddav/SendCommand.h"
#include "settings/SettingsStore.h"
#include "support/HostileServer.h"
#include "support/TestSupport.h"
#include "ui/QtDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace TestSupport;

namespace {

/// Qt's dialogs; the password is given as the user would type it.
class RealDialogs : public QtDialogs {
public:
    std::optional<AccountAnswer> askAccount(const AccountBox&) override
    {
        return AccountAnswer{QString(), QString(), QStringLiteral("pw"), false};
    }
};

/// The rows of the comparison's table, "property | mine | theirs".
QStringList rowsOf(QWidget* dialog)
{
    QStringList rows;
    auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("differences"));
    for (int row = 0; table && row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < 3; ++column)
            cells << table->item(row, column)->text();
        rows << cells.join(QStringLiteral(" | "));
    }
    return rows;
}

}  // namespace

TEST(CompareDialog, TheServersCopyIsShownBesideMineAndTakenAfterAQuestion)
{
    HostileServer home;
    home.answer = [](const HostileServer::Request& r) {
        if (r.method == "PUT")
            return HostileServer::Answer{"412 Precondition Failed", {}, {}};
        return HostileServer::Answer{"200 OK",
                                     {{"ETag", "\"theirs\""}},
                                     "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:" + exampleUid.toUtf8() +
                                         "\r\nN:Marlow;Tessa;;;\r\nFN:Tessa Marlow\r\nNOTE:theirs\r\n"
                                         "TITLE:Surveyor\r\nEND:VCARD\r\n"};
    };
    QTemporaryDir dir;
    ScopedEnvironment noKeyring{"DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent"};
    SettingsStore store{dir.filePath("Quillmere.conf")};
    store.setAddressBookAccount({home.url(), "tessa", home.url() + "/h/book/", "Book"});
    RealDialogs dialogs;
    PasswordStore passwords;
    SendCommand command{store, dialogs, passwords};
    ContactRecord contact;
    contact.fields[ContactSource::LastName] = QStringLiteral("Marlow");
    contact.fields[ContactSource::FirstName] = QStringLiteral("Tessa");
    contact.fields[ContactSource::Email] = QStringLiteral("tessa@example.org");
    contact.fields[ContactSource::Notes] = QStringLiteral("mine");
    contact.uidText = exampleUid;

    // The comparison answered "Take Theirs", then the question before the form is replaced answered Yes.
    QStringList rows;
    QString question;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (modal->objectName() == u"CompareDialog" && rows.isEmpty()) {
            rows = rowsOf(modal);
            modal->findChild<QPushButton*>(QStringLiteral("takeTheirs"))->click();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal); box && question.isEmpty()) {
            question = box->text();
            box->button(QMessageBox::Yes)->click();
        } else {
            ADD_FAILURE() << "a dialog the test did not expect: " << modal->windowTitle().toStdString();
            qobject_cast<QDialog*>(modal)->reject();
        }
    });
    poll.start(20);
    QSignalSpy loaded(&command, &SendCommand::serverCopy);
    command.send(contact, QDateTime::currentDateTimeUtc());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !command.running(); }, 30000));

    EXPECT_EQ(rows, QStringList({"NOTE | mine | theirs", "EMAIL (PREF) | tessa@example.org | (none)"}));
    EXPECT_EQ(question,
              "Load the server's copy into the form? The changes in the form that were not sent are replaced.");
    ASSERT_EQ(loaded.size(), 1);
    EXPECT_TRUE(loaded[0][0].toByteArray().contains("TITLE:Surveyor"));
    EXPECT_EQ(std::count_if(home.requests.begin(), home.requests.end(),
                            [](const HostileServer::Request& r) { return r.method == "PUT"; }),
              1);  // nothing sent over theirs
}
