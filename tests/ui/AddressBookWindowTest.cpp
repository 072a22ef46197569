// The address book's list window driven through its own widgets, against a
// real Radicale: what it lists, what a search typed key by key leaves, the
// contact opened into the form and sent back, cancelling, the keyboard.
#include "ui/AddressBookWindow.h"
#include "carddav/AddressBookCommand.h"
#include "support/FormHarness.h"
#include "support/RadicaleServer.h"
#include "ui/BookListModel.h"
#include "ui/ShareWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>
#include <QTreeView>

using F = ContactSource::Field;

using namespace TestSupport;

namespace {

const QString password = QStringLiteral("s3cret");
const QString bookPath = QStringLiteral("/tessa/contacts/");

/// Cards another client put there: one with what the form does not show.
const struct {
    const char* file;
    const char* card;
} cards[] = {
    {"mueller.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:mueller\r\nN:Müller;Jürgen;;;\r\nFN:Jürgen Müller\r\n"
                    "EMAIL;TYPE=INTERNET:jm@example.de\r\nTEL;TYPE=WORK,VOICE:+49 30 1234\r\nTITLE:Ingenieur\r\n"
                    "CATEGORIES:Kunden,Berlin\r\nX-SOCIALPROFILE;TYPE=mastodon:https://social.example/@jm\r\n"
                    "END:VCARD\r\n"},
    {"petr.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:petr\r\nN:Ильин;Пётр;;;\r\nFN:Пётр Ильин\r\n"
                 "EMAIL:petr@example.ru\r\nEND:VCARD\r\n"},
    {"marlow.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:marlow\r\nN:Marlow;Tessa;;;\r\nFN:Tessa Marlow\r\n"
                   "EMAIL:tessa@example.org\r\nTEL;TYPE=HOME,VOICE:555 0101\r\nEND:VCARD\r\n"},
};

/// Types @p text into @p widget as a keyboard would, any script: each
/// character a key event carrying it.
void type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c == u' ' ? Qt::Key_Space : Qt::Key_unknown, Qt::NoModifier, c);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::NoModifier, c);
        QApplication::sendEvent(widget, &release);
    }
}

class BookWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.start()) << server.why().toStdString();
        ASSERT_TRUE(server.makeAddressBook(bookPath, "tessa"));
        for (const auto& c : cards) {
            writeFile(dir.filePath(c.file), c.card);
            ASSERT_EQ(put(c.file), 201) << c.file;
        }
        h.store->setAddressBookAccount({server.url(), "tessa", server.url() + bookPath, "Contacts"});
        h.dialogs.accounts << AccountAnswer{server.url(), "tessa", password, false};
        h.form->show();
        h.form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(h.form.get()));
    }

    int put(const QString& file) const
    {
        return server.curl(bookPath + file, {"-u", "tessa:" + password, "-T", dir.filePath(file)});
    }
    int get(const QString& file, QByteArray* body = nullptr) const
    {
        return server.curl(bookPath + file, {"-u", "tessa:" + password}, body);
    }

    /// Opens the window with the form's key and waits for the whole list.
    AddressBookWindow* listed()
    {
        h.form->activateWindow();
        if (!QTest::qWaitForWindowActive(h.form.get()))
            return nullptr;
        QTest::keyClick(h.form->txtTextbox(F::LastName), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        AddressBookWindow* window = h.form->findChild<AddressBookWindow*>();
        if (!window || !window->isVisible() || !QTest::qWaitFor([&] { return !h.book->running(); }, 20000))
            return nullptr;
        return window;
    }
    template <typename T = QWidget> T* in(AddressBookWindow* window, const char* name) const
    {
        return window->findChild<T*>(QLatin1String(name));
    }
    /// The rows the list shows, "name | e-mail | phone".
    QStringList rows(AddressBookWindow* window) const
    {
        const QAbstractItemModel* model = in<QTreeView>(window, "bookList")->model();
        QStringList shown;
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells << model->index(row, column).data().toString();
            shown << cells.join(QStringLiteral(" | "));
        }
        return shown;
    }
    QString status(AddressBookWindow* window) const { return in<QLabel>(window, "bookStatus")->text(); }

    QTemporaryDir dir;
    ScopedEnvironment noKeyring{"DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent"};
    RadicaleServer server{{{{"tessa", password}}, {}, {}}};
    FormHarness h;
};

const QString mueller = QStringLiteral("Jürgen Müller | jm@example.de | +49 30 1234");
const QString petr = QStringLiteral("Пётр Ильин | petr@example.ru | ");
const QString marlow = QStringLiteral("Tessa Marlow | tessa@example.org | 555 0101");

}  // namespace

TEST_F(BookWindow, ListsTheBookAndEachKeyOfASearchFiltersItIgnoringCaseAndAccents)
{
    AddressBookWindow* window = listed();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Open from Address Book");
    EXPECT_EQ(rows(window), QStringList({mueller, marlow, petr}));
    EXPECT_EQ(status(window), "3 contacts");
    auto* search = in<QLineEdit>(window, "bookSearch");
    EXPECT_EQ(QApplication::focusWidget(), search);

    const struct {
        const char* typed;
        QStringList found;
        const char* status;
    } searches[] = {
        {"muller", {mueller}, "1 of 3 contacts"},     {"петр", {petr}, "1 of 3 contacts"},
        {"MARLOW 555", {marlow}, "1 of 3 contacts"},  {"example.org", {marlow}, "1 of 3 contacts"},
        {"e", {mueller, marlow, petr}, "3 contacts"}, {"nobody", {}, "0 of 3 contacts"},
    };
    for (const auto& s : searches) {
        search->clear();
        type(search, QString::fromUtf8(s.typed));
        EXPECT_EQ(search->text(), QString::fromUtf8(s.typed));
        EXPECT_EQ(rows(window), s.found) << s.typed;
        EXPECT_EQ(status(window), s.status) << s.typed;
        // A contact found is current, so that Enter opens it; nothing found, nothing to open.
        EXPECT_EQ(in<QPushButton>(window, "bookOpen")->isEnabled(), !s.found.isEmpty()) << s.typed;
    }
}

TEST_F(BookWindow, TheChosenContactIsOpenedIntoTheFormAfterAQuestionAndSentBackToItsOwnCard)
{
    h.form->setText(F::Company, "typed, not sent");
    AddressBookWindow* window = listed();
    ASSERT_TRUE(window);
    auto* search = in<QLineEdit>(window, "bookSearch");
    type(search, "muller");
    QTest::keyClick(search, Qt::Key_Down);
    auto* list = in<QTreeView>(window, "bookList");
    EXPECT_EQ(QApplication::focusWidget(), list);
    ASSERT_EQ(list->currentIndex().row(), 0);

    // The form holds typing: No keeps it, and the list stays for another choice.
    h.dialogs.answers = {false};
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !h.book->running(); }, 20000));
    ASSERT_EQ(h.dialogs.questions.size(), 1);
    EXPECT_EQ(h.dialogs.questions[0].text,
              "Replace the contact in the form with the one at " + server.url() + bookPath + "mueller.vcf?");
    EXPECT_EQ(h.form->text(F::Company), "typed, not sent");
    EXPECT_TRUE(window->isVisible());

    h.dialogs.answers = {true};
    in<QPushButton>(window, "bookOpen")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !h.book->running(); }, 20000));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(h.form->text(F::LastName), "Müller");
    EXPECT_EQ(h.form->text(F::FirstName), "Jürgen");
    EXPECT_EQ(h.form->text(F::Email), "jm@example.de");
    EXPECT_EQ(h.form->text(F::WorkVoice), "+49 30 1234");
    EXPECT_EQ(h.form->text(F::Company), "");
    EXPECT_EQ(h.document->cameFrom().server, server.url() + bookPath + "mueller.vcf");
    EXPECT_EQ(window->model().total(), 0);  // no copy of the book is kept once the window closes

    // Edited and sent: the same card, with what the form does not show.
    QTest::keyClicks(h.form->txtTextbox(F::Company), "Harbor Works");
    h.session->send(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !h.sender->running(); }, 20000));
    QByteArray card;
    ASSERT_EQ(get("mueller.vcf", &card), 200);
    EXPECT_TRUE(card.contains("ORG:Harbor Works\r\n")) << card.constData();
    EXPECT_TRUE(card.contains("TITLE:Ingenieur\r\n")) << card.constData();
    EXPECT_TRUE(card.contains("CATEGORIES:Kunden,Berlin\r\n")) << card.constData();
    EXPECT_TRUE(card.contains("X-SOCIALPROFILE;TYPE=mastodon:https://social.example/@jm\r\n")) << card.constData();
    window = listed();
    ASSERT_TRUE(window);
    EXPECT_EQ(rows(window).size(), 3);  // no second copy
}

TEST_F(BookWindow, CancelAndClosingEndTheListingOfAServerThatNeverAnswers)
{
    server.stop();
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, server.port()));
    h.dialogs.accounts << h.dialogs.accounts.first() << h.dialogs.accounts.first();  // should it ask again
    h.form->openFromBook();
    AddressBookWindow* window = h.form->findChild<AddressBookWindow*>();
    ASSERT_TRUE(window);
    auto* cancel = in<QPushButton>(window, "bookCancel");
    const struct {
        const char* how;
        std::function<void()> stop;
        bool stillShown;
    } ways[] = {
        {"Cancel", [&] { cancel->click(); }, true},
        {"Close", [&] { in<QPushButton>(window, "bookClose")->click(); }, false},
        {"Escape", [&] { QTest::keyClick(in<QLineEdit>(window, "bookSearch"), Qt::Key_Escape); }, false},
    };
    for (const auto& way : ways) {
        h.form->openFromBook();
        QTest::qWait(200);
        ASSERT_TRUE(h.book->running()) << way.how;
        EXPECT_TRUE(cancel->isVisible()) << way.how;
        EXPECT_TRUE(status(window).contains("127.0.0.1")) << status(window).toStdString();
        way.stop();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !h.book->running(); }, 5000)) << way.how;
        EXPECT_EQ(window->isVisible(), way.stillShown) << way.how;
        EXPECT_FALSE(cancel->isVisible()) << way.how;
    }
    EXPECT_EQ(status(window), "0 contacts; the listing stopped before the end of the book.");
    EXPECT_TRUE(h.dialogs.messages.isEmpty());  // a cancel is no failure
}

TEST_F(BookWindow, EveryControlIsReachedFromTheKeyboard)
{
    AddressBookWindow* window = listed();
    ASSERT_TRUE(window);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int n = 0; n < 5; ++n) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    // Cancel only shows while the list comes.
    EXPECT_EQ(visited, QStringList({"bookSearch", "bookList", "bookOpen", "bookDelete", "bookClose", "bookSearch"}));

    // Delete in the list asks first; No leaves the contact where it is.
    auto* list = in<QTreeView>(window, "bookList");
    list->setFocus();
    list->setCurrentIndex(list->model()->index(1, 0));
    h.dialogs.answers = {false};
    QTest::keyClick(list, Qt::Key_Delete);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !h.book->running(); }, 20000));
    ASSERT_EQ(h.dialogs.questions.size(), 1);
    EXPECT_TRUE(h.dialogs.questions[0].text.contains("Tessa Marlow")) << h.dialogs.questions[0].text.toStdString();
    EXPECT_EQ(rows(window), QStringList({mueller, marlow, petr}));
    EXPECT_EQ(get("marlow.vcf"), 200);
}
