#include "AddressBookBench.h"

#include "Measure.h"
#include "carddav/AddressBookCommand.h"
#include "carddav/PasswordStore.h"
#include "carddav/SendCommand.h"
#include "core/SearchKey.h"
#include "document/ContactSession.h"
#include "settings/SettingsStore.h"
#include "ui/AddressBookWindow.h"
#include "ui/BookListModel.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace Measure;

namespace {

constexpr int contacts = 10000;

/// Names of many scripts and accents, as a real book holds them.
QList<BookEntry> book()
{
    const QStringList first = {"Tessa", "Jürgen", "Émile",  "Zoë",    "Ana",   "Søren", "Mary", "Chidi",
                               "Пётр",  "Анна",   "Łukasz", "Noémie", "Björn", "José",  "Ines", "Yuki"};
    const QStringList last = {"Marlow", "Müller", "Zola",     "Okafor", "Lee",     "Ильин",   "Kowalski", "García",
                              "Nguyễn", "Dubois", "Svensson", "Rossi",  "O'Brien", "Schäfer", "Петрова",  "Haddad"};
    QList<BookEntry> entries;
    for (int i = 0; i < contacts; ++i) {
        BookEntry e;
        e.name = first[i % first.size()] + u' ' + last[(i / first.size()) % last.size()] +
                 QStringLiteral(" %1").arg(i / (first.size() * last.size()));
        e.email = QStringLiteral("person%1@example.org").arg(i);
        e.phone = QStringLiteral("+1 555 %1").arg(i, 4, 10, QChar(u'0'));
        e.href = QUrl(QStringLiteral("http://127.0.0.1:5232/tessa/contacts/%1.vcf").arg(i));
        e.etag = QByteArrayLiteral("\"1\"");
        e.key = searchKey(e.name + u' ' + e.email + u' ' + e.phone);
        entries << e;
    }
    return entries;
}

struct Key {
    int key;
    QString text;
};

/// The keys of a few searches, each typed and then taken back: the
/// narrowing keys and the widening ones, down to the whole list.
QList<Key> script()
{
    QList<Key> keys;
    for (const QString& word :
         {QStringLiteral("muller"), QStringLiteral("петр"), QStringLiteral("marlow 12"), QStringLiteral("555 01")}) {
        for (const QChar c : word)
            keys << Key{c == u' ' ? Qt::Key_Space : Qt::Key_unknown, QString(c)};
        for (qsizetype n = 0; n < word.size(); ++n)
            keys << Key{Qt::Key_Backspace, QString()};
    }
    return keys;
}

/// Types the next of @p keys into @p box, and all it sets going, painting included.
void typeNext(QWidget* box, const QList<Key>& keys, qsizetype& next)
{
    const Key& key = keys[next];
    next = (next + 1) % keys.size();
    QKeyEvent press(QEvent::KeyPress, key.key, Qt::NoModifier, key.text);
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, key.key, Qt::NoModifier, key.text);
    QApplication::sendEvent(box, &release);
    QCoreApplication::processEvents();
}

}  // namespace

void AddressBookBench::searchRow(Table& table)
{
    QTemporaryDir folder;
    SettingsStore store(folder.filePath(QStringLiteral("Quillmere.conf")));
    QtDialogs dialogs;
    PasswordStore passwords;
    SendCommand sender(store, dialogs, passwords);
    AddressBookCommand command(sender.account());
    ContactDocument document;
    ContactSession session(document, dialogs, [] { return QDateTime::currentDateTime(); });
    session.setBook(&command);
    QWidget form;
    AddressBookWindow window(session, &form);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    // The list as the command hands it over, in batches.
    const QList<BookEntry> entries = book();
    for (qsizetype at = 0; at < entries.size(); at += 500)
        emit command.entries(entries.mid(at, 500));
    QCoreApplication::processEvents();
    auto* search = window.findChild<QLineEdit*>(QStringLiteral("bookSearch"));
    search->setFocus();

    QLineEdit alone;
    alone.resize(search->size());
    alone.show();
    (void)QTest::qWaitForWindowExposed(&alone);
    const QList<Key> keys = script();
    qsizetype ours = 0, theirs = 0;
    const auto [typed, floor] = compare(
        keys.size() * 10, [&] { typeNext(search, keys, ours); }, [&] { typeNext(&alone, keys, theirs); });
    table.limit(QStringLiteral("Keystroke in the address book's search, %1 contacts listed: median %2, p99")
                    .arg(window.model().total())
                    .arg(ms(typed.median)),
                ms(typed.p99), "a line edit alone: median " + ms(floor.median) + ", p99 " + ms(floor.p99),
                typed.p99 / floor.p99, typed.p99 * 1e3, 16.0);
}
