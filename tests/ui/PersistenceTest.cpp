#include "support/FormHarness.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QThread>

#include <atomic>
#include <fcntl.h>
#include <functional>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using F = ContactSource::Field;

namespace {

class Persistence : public ::testing::Test {
protected:
    /// What another reader of the same file sees now.
    QVariant stored(const QString& key) const { return QSettings(h.settingsFile, QSettings::IniFormat).value(key); }

    FormHarness h;
};

}  // namespace

TEST_F(Persistence, EveryKeystrokeStoresTheWholeField)
{
    QStringList seen;
    for (const char* key : {"a", "b", "c"}) {
        QTest::keyClicks(h.form->txtTextbox(F::Company), key);
        seen << stored("Textbox3").toString();
    }
    EXPECT_EQ(seen, QStringList({"a", "ab", "abc"}));
    QTest::keyClick(h.form->txtTextbox(F::Company), Qt::Key_Backspace);
    EXPECT_EQ(stored("Textbox3").toString(), "ab");
}

TEST_F(Persistence, AnEmptiedFieldIsStoredEmpty)
{
    h.form->setText(F::LastName, "Marlow");
    h.form->setText(F::LastName, "");
    EXPECT_TRUE(stored("Textbox0").isValid());
    EXPECT_EQ(stored("Textbox0").toString(), "");
    h.restart();
    EXPECT_EQ(h.form->text(F::LastName), "");
}

TEST_F(Persistence, EverythingComesBackButTheFlags)
{
    h.form->setText(F::Notes, "Call after 5:30\r\nring twice");
    h.form->setText(F::HomeCountry, "Ütopia = ; \"quoted\", and commas");
    h.find<QDateEdit>("dtpBirthday")->setDate(QDate(1984, 3, 7));
    h.find<QTabWidget>("TabControl1")->setCurrentIndex(1);
    h.form->setChecked(2, true);
    EXPECT_EQ(stored("TabControl1").toString(), "1");
    EXPECT_EQ(stored("BirthDay").toString(), "1984-03-07");

    h.restart();
    EXPECT_EQ(h.form->text(F::Notes), "Call after 5:30\r\nring twice");
    EXPECT_EQ(h.form->text(F::HomeCountry), "Ütopia = ; \"quoted\", and commas");
    EXPECT_EQ(h.form->birthday(), QDate(1984, 3, 7));
    EXPECT_EQ(h.form->selectedPage(), 1);
    for (int k = 0; k < 6; ++k)
        EXPECT_FALSE(h.form->checked(k)) << k;
    EXPECT_FALSE(stored("Check1").isValid());
}

TEST_F(Persistence, TheServersCopyTheFormCameFromIsRememberedUntilNew)
{
    // Without it, a contact opened from an address book and sent after a
    // restart would go to the server as a second card.
    const CameFrom copy{QString(), "https://dav.example/book/a b.vcf", "\"etag 1\""};
    h.document->setCameFrom(copy);
    h.restart();
    EXPECT_EQ(h.document->cameFrom(), copy);

    ASSERT_TRUE(h.session->newContact());  // the form is empty: nothing to ask
    h.restart();
    EXPECT_EQ(h.document->cameFrom(), CameFrom());
}

TEST_F(Persistence, NothingStoredMeansNothingWritten)
{
    h.restart();
    EXPECT_FALSE(QFile::exists(h.settingsFile));
    EXPECT_FALSE(h.form->birthday().isValid());
    EXPECT_EQ(h.form->selectedPage(), 0);
}

TEST_F(Persistence, UnreadableValuesFallBackToDefaults)
{
    TestSupport::writeFile(h.settingsFile, "[General]\nTextbox3=a, b\nTextbox4=@ByteArray(xyz)\n"
                                           "Textbox5=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x3)\n"
                                           "BirthDay=soon\nTabControl1=7\nTextbox6=fine\n");
    h.restart();
    EXPECT_EQ(h.form->text(F::Company), "a, b");
    EXPECT_EQ(h.form->text(F::Title), "");
    EXPECT_EQ(h.form->text(F::Email), "");
    EXPECT_EQ(h.form->text(F::WebsiteHome), "fine");
    EXPECT_FALSE(h.form->birthday().isValid());
    EXPECT_EQ(h.form->selectedPage(), 0);
}

TEST_F(Persistence, AStoreThatRefusesWritesIsReportedOnce)
{
    QTemporaryDir dir;
    TestSupport::writeFile(dir.filePath("not-a-folder"), "x");
    FormHarness broken(dir.filePath("not-a-folder/Quillmere.conf"));
    QTest::keyClicks(broken.form->txtTextbox(F::LastName), "Marlow");
    EXPECT_EQ(broken.form->text(F::LastName), "Marlow");
    // Not from inside the keystroke: the box waits for the event loop.
    EXPECT_TRUE(broken.dialogs.messages.isEmpty());
    QCoreApplication::processEvents();
    ASSERT_EQ(broken.dialogs.messages.size(), 1);
    const MessageBox& box = broken.dialogs.messages[0];
    EXPECT_EQ(box.text, "Your entries are not being remembered: the settings file " + broken.settingsFile +
                            " cannot be written.");
    EXPECT_EQ(box.icon, MessageBox::Icon::Warning);
}

TEST_F(Persistence, TheRestoreWritesNothing)
{
    for (int i = 0; i < 26; ++i)
        h.form->setText(i, QStringLiteral("field %1").arg(i));
    h.find<QDateEdit>("dtpBirthday")->setDate(QDate(1984, 3, 7));
    const QByteArray before = TestSupport::readFile(h.settingsFile);
    struct stat old {};
    ASSERT_EQ(::stat(QFile::encodeName(h.settingsFile).constData(), &old), 0);
    h.restart();
    QCoreApplication::processEvents();
    struct stat now {};
    ASSERT_EQ(::stat(QFile::encodeName(h.settingsFile).constData(), &now), 0);
    // Every write replaces the file: the same inode means no write at all.
    EXPECT_EQ(now.st_ino, old.st_ino);
    EXPECT_EQ(TestSupport::readFile(h.settingsFile), before);
    EXPECT_EQ(h.form->text(F::Notes), "field 25");
    EXPECT_TRUE(h.dialogs.messages.isEmpty());
}

TEST_F(Persistence, AWriteCutShortKeepsTheOldFileAndTheStoreRecovers)
{
    for (int i = 0; i < 10; ++i)
        h.form->setText(i, QString(300, QChar(u'a' + i)));
    const QByteArray old = TestSupport::readFile(h.settingsFile);
    ASSERT_LT(old.size(), 4096);
    QProcess writer;
    // The new file would be about 6 KiB: more than the 4 KiB allowed, less
    // than Qt's 16 KiB write buffer.
    writer.start(QStringLiteral(QUILLMERE_TEST_HELPER), {"settings-limited", "4096", h.settingsFile, "12", "3000"});
    ASSERT_TRUE(writer.waitForReadyRead(10000));
    EXPECT_EQ(writer.readLine(), "refused\n");
    EXPECT_EQ(TestSupport::readFile(h.settingsFile), old);
    writer.write("go\n");
    ASSERT_TRUE(writer.waitForFinished(10000));
    EXPECT_EQ(writer.readAll(), "written\n");
    EXPECT_EQ(stored("Textbox0").toString(), "ok");
    EXPECT_EQ(stored("Textbox12").toString(), QString(3000, u'x'));  // kept until it could be written
    EXPECT_EQ(stored("Textbox9").toString(), QString(300, u'j'));
}

TEST_F(Persistence, AnUnreadableFileIsMovedAsideAndTypingIsRememberedAgain)
{
    static const char png[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe";
    const QByteArray garbage(png, sizeof png - 1);
    TestSupport::writeFile(h.settingsFile, garbage);
    h.restart();
    const QStringList aside = QDir(h.settingsDir.path()).entryList({"Quillmere.conf.unreadable-*"});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(TestSupport::readFile(h.settingsDir.filePath(aside[0])), garbage);
    EXPECT_TRUE(h.dialogs.messages.isEmpty());  // not before the window can show it
    QCoreApplication::processEvents();
    ASSERT_EQ(h.dialogs.messages.size(), 1);
    EXPECT_EQ(h.dialogs.messages[0].text, "The settings file " + h.settingsFile +
                                              " could not be read. It was moved to " +
                                              h.settingsDir.filePath(aside[0]) + ", and the form starts empty.");

    QTest::keyClicks(h.form->txtTextbox(F::LastName), "Marlow");
    h.restart();
    QCoreApplication::processEvents();
    EXPECT_EQ(h.form->text(F::LastName), "Marlow");
    EXPECT_EQ(h.dialogs.messages.size(), 1);  // no further warning, no second file moved
    EXPECT_EQ(QDir(h.settingsDir.path()).entryList({"Quillmere.conf.unreadable-*"}).size(), 1);
}

TEST_F(Persistence, OnlyAbandonedLocksAreCleared)
{
    using Lock = SettingsStore::Lock;
    const QString lock = h.settingsFile + ".lock";
    EXPECT_EQ(SettingsStore::clearAbandonedLock(lock), Lock::Free);  // none there
    for (const QByteArray& content :
         {QByteArray(), QByteArray("garbage \xff"), QByteArray("999999999\nquillmere\nhost\n")}) {
        TestSupport::writeFile(lock, content);
        EXPECT_EQ(SettingsStore::clearAbandonedLock(lock), Lock::Free) << content.toStdString();
        EXPECT_FALSE(QFile::exists(lock));
    }
    {
        QLockFile live(lock);
        ASSERT_TRUE(live.tryLock());
        EXPECT_EQ(SettingsStore::clearAbandonedLock(lock), Lock::Held);
        EXPECT_TRUE(QFile::exists(lock));
    }
    // Nothing that is not a regular file is removed.
    ASSERT_TRUE(QDir().mkdir(lock));
    EXPECT_EQ(SettingsStore::clearAbandonedLock(lock), Lock::Stuck);
    EXPECT_TRUE(QFileInfo(lock).isDir());
    ASSERT_TRUE(QDir().rmdir(lock));

    // Through the store: Qt alone would wait half a minute for this one.
    TestSupport::writeFile(lock, "garbage");
    QElapsedTimer timer;
    timer.start();
    QTest::keyClicks(h.form->txtTextbox(F::FirstName), "T");
    EXPECT_LT(timer.elapsed(), 10000);
    EXPECT_EQ(stored("Textbox1").toString(), "T");
    EXPECT_FALSE(QFile::exists(lock));
}

// With the settings folder unchangeable, Qt alone would wait for ever on
// each of these locks: it can neither take them nor clear them.
TEST_F(Persistence, ALockThatCannotBeHadFailsTheWriteAtOnceAndTypingGoesOn)
{
    const std::pair<const char*, std::function<void(const QString&)>> locks[] = {
        {"empty", [](const QString& lock) { TestSupport::writeFile(lock, ""); }},
        {"a dead process's", [](const QString& lock) { TestSupport::writeFile(lock, "999999999\nquillmere\nhost\n"); }},
        {"a folder", [](const QString& lock) { ASSERT_TRUE(QDir().mkdir(lock)); }},
        {"a pipe", [](const QString& lock) { ASSERT_EQ(::mkfifo(QFile::encodeName(lock).constData(), 0600), 0); }},
    };
    for (const auto& [what, make] : locks) {
        FormHarness f;
        QTest::keyClicks(f.form->txtTextbox(F::LastName), "a");
        const QString lock = f.settingsFile + ".lock";
        make(lock);
        TestSupport::Unchangeable folder(f.settingsDir.path());
        if (!folder.ok())
            GTEST_SKIP() << "this machine cannot make a folder unchangeable";
        // Should the window hang after all, the folder is freed and a pipe
        // opened so that Qt goes on and the test ends in its failure.
        std::atomic<bool> done = false;
        std::thread watchdog([&] {
            for (int n = 0; n < 300 && !done; ++n)
                QThread::msleep(50);
            if (done)
                return;
            folder.undo();
            ::close(::open(QFile::encodeName(lock).constData(), O_WRONLY | O_NONBLOCK));
            QDir(lock).removeRecursively();
            QFile::remove(lock);
        });
        QElapsedTimer timer;
        timer.start();
        QTest::keyClicks(f.form->txtTextbox(F::FirstName), "bc");
        const qint64 elapsed = timer.elapsed();
        done = true;
        watchdog.join();
        EXPECT_LT(elapsed, 1500) << what;
        EXPECT_EQ(f.form->text(F::FirstName), "bc") << what;
        QCoreApplication::processEvents();
        ASSERT_EQ(f.dialogs.messages.size(), 1) << what;
        EXPECT_TRUE(f.dialogs.messages[0].text.startsWith("Your entries are not being remembered")) << what;

        // Writable again (and the odd lock taken away): the next keystroke
        // stores what waited, and no second warning comes.
        folder.undo();
        if (!QFileInfo(lock).isFile())
            QDir(lock).exists() ? void(QDir().rmdir(lock)) : void(QFile::remove(lock));
        QTest::keyClicks(f.form->txtTextbox(F::MiddleInitial), "d");
        EXPECT_EQ(QSettings(f.settingsFile, QSettings::IniFormat).value("Textbox1").toString(), "bc") << what;
        EXPECT_EQ(QSettings(f.settingsFile, QSettings::IniFormat).value("Textbox2").toString(), "d") << what;
        EXPECT_FALSE(QFile::exists(lock)) << what;
        QCoreApplication::processEvents();
        EXPECT_EQ(f.dialogs.messages.size(), 1) << what;
    }

    // A lock file of its own that cannot be removed, in a folder that can.
    FormHarness f;
    const QString lock = f.settingsFile + ".lock";
    TestSupport::writeFile(lock, "");
    TestSupport::Unchangeable file(lock);
    if (!file.ok())
        GTEST_SKIP() << "this machine cannot make a file unchangeable";
    QElapsedTimer timer;
    timer.start();
    QTest::keyClicks(f.form->txtTextbox(F::LastName), "e");
    EXPECT_LT(timer.elapsed(), 1500);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.dialogs.messages.size(), 1);
    file.undo();
    QTest::keyClicks(f.form->txtTextbox(F::LastName), "f");
    EXPECT_EQ(QSettings(f.settingsFile, QSettings::IniFormat).value("Textbox0").toString(), "ef");
}

TEST_F(Persistence, TwoCopiesKeepEachOthersFields)
{
    h.form->setText(F::FirstName, "mine");
    QProcess other;
    other.start(QStringLiteral(QUILLMERE_TEST_HELPER), {"settings-write", h.settingsFile, "2", "theirs"});
    ASSERT_TRUE(other.waitForFinished(30000));
    ASSERT_EQ(other.exitCode(), 0);
    h.form->setText(F::Company, "mine too");
    EXPECT_EQ(stored("Textbox1").toString(), "mine");
    EXPECT_EQ(stored("Textbox2").toString(), "theirs");
    EXPECT_EQ(stored("Textbox3").toString(), "mine too");
}

namespace {

/// Counts the times the file @p path is opened (by anyone) while it lives.
class OpenCounter {
public:
    explicit OpenCounter(const QString& path) : m_name(QFileInfo(path).fileName().toUtf8())
    {
        m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        ::inotify_add_watch(m_fd, QFile::encodeName(QFileInfo(path).path()).constData(), IN_OPEN);
    }
    ~OpenCounter() { ::close(m_fd); }

    /// The opens since the last call.
    int taken()
    {
        int opens = 0;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = ::read(m_fd, buffer, sizeof buffer)) > 0;) {
            for (char* p = buffer; p < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(p);
                if (event->len > 0 && m_name == event->name)
                    ++opens;
                p += sizeof(inotify_event) + event->len;
            }
        }
        return opens;
    }

private:
    QByteArray m_name;
    int m_fd = -1;
};

}  // namespace

// A keystroke writes what the store knows; the file is read again only
// when someone else has written it since, which costs one read.
TEST_F(Persistence, TheFileIsReadAgainOnlyAfterSomeoneElseWroteIt)
{
    h.form->setText(F::LastName, QString(20000, u'n'));
    OpenCounter opens(h.settingsFile);
    QTest::keyClicks(h.form->txtTextbox(F::FirstName), "abc");
    EXPECT_EQ(opens.taken(), 0);

    QProcess other;
    other.start(QStringLiteral(QUILLMERE_TEST_HELPER), {"settings-write", h.settingsFile, "2", "theirs"});
    ASSERT_TRUE(other.waitForFinished(30000));
    ASSERT_EQ(other.exitCode(), 0);
    opens.taken();
    QTest::keyClicks(h.form->txtTextbox(F::FirstName), "de");
    EXPECT_EQ(opens.taken(), 1);
    EXPECT_EQ(stored("Textbox2").toString(), "theirs");

    // Changed where it is, by hand: an appended line, the same file.
    {
        QFile file(h.settingsFile);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write("Textbox4=by hand\n");
    }
    opens.taken();
    QTest::keyClicks(h.form->txtTextbox(F::FirstName), "f");
    EXPECT_EQ(opens.taken(), 1);
    EXPECT_EQ(stored("Textbox4").toString(), "by hand");
    EXPECT_EQ(stored("Textbox1").toString(), "abcdef");
    EXPECT_EQ(stored("Textbox0").toString(), QString(20000, u'n'));
    EXPECT_EQ(stored("Textbox2").toString(), "theirs");
}

// Another copy's write of the same size, its time put back to that of
// this copy's last write: size and time cannot tell it, the file can.
TEST_F(Persistence, AnotherCopysWriteInTheSameMillisecondIsKept)
{
    h.form->setText(F::HomeAddress, "aaa");
    h.form->setText(F::FirstName, "mine");
    const QDateTime stamp = QFileInfo(h.settingsFile).lastModified();
    QProcess other;
    other.start(QStringLiteral(QUILLMERE_TEST_HELPER), {"settings-write", h.settingsFile, "8", "bbb"});
    ASSERT_TRUE(other.waitForFinished(30000));
    ASSERT_EQ(other.exitCode(), 0);
    QFile file(h.settingsFile);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(stamp, QFileDevice::FileModificationTime);
    file.close();

    h.form->setText(F::FirstName, "MINE");
    EXPECT_EQ(stored("Textbox8").toString(), "bbb");
    EXPECT_EQ(stored("Textbox1").toString(), "MINE");
}

TEST_F(Persistence, TwoCopiesWritingAtOnceKeepBothFields)
{
    QProcess first, second;
    for (auto [process, field] : {std::pair{&first, "7"}, {&second, "8"}})
        process->start(QStringLiteral(QUILLMERE_TEST_HELPER), {"settings-loop", h.settingsFile, field, "10"});
    ASSERT_TRUE(first.waitForStarted() && second.waitForStarted());
    // Until each has stored twenty values (a copy may wait for the other's lock).
    const auto reports = [](QProcess& p) { return p.peek(1 << 20).count('\n'); };
    EXPECT_TRUE(QTest::qWaitFor([&] { return reports(first) >= 20 && reports(second) >= 20; }, 20000));
    first.kill();
    second.kill();
    first.waitForFinished();
    second.waitForFinished();
    const QList<QByteArray> firstSaid = first.readAllStandardOutput().trimmed().split('\n');
    const QList<QByteArray> secondSaid = second.readAllStandardOutput().trimmed().split('\n');
    ASSERT_GE(firstSaid.size(), 20);
    ASSERT_GE(secondSaid.size(), 20);
    const long firstValue = stored("Textbox7").toString().toLong();
    const long secondValue = stored("Textbox8").toString().toLong();
    EXPECT_GE(firstValue, firstSaid.last().toLong());
    EXPECT_LE(firstValue, firstSaid.last().toLong() + 1);
    EXPECT_GE(secondValue, secondSaid.last().toLong());
    EXPECT_LE(secondValue, secondSaid.last().toLong() + 1);
}
