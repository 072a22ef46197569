
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

// A writer killed at any moment leaves a file that reads back whole, with
// the last value it reported stored, or the one it was writing.
TEST(SettingsCrash, AWriterKilledAtRandomMomentsNeverCorruptsTheFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("Quillmere.conf");
    QRandomGenerator random(2026);
    long last = 0;
    for (int round = 0; round < 200; ++round) {
        QProcess writer;
        writer.start(QStringLiteral(QUILLMERE_TEST_HELPER), {"settings-loop", file, "3"});
        ASSERT_TRUE(writer.waitForStarted());
        // Wait for the first write, then kill somewhere in the next few.
        ASSERT_TRUE(writer.waitForReadyRead(10000));
        QThread::usleep(random.bounded(3000));
        writer.kill();
        writer.waitForFinished();
        const QList<QByteArray> said = writer.readAllStandardOutput().trimmed().split('\n');
        const long reported = said.last().toLong();

        QSettings settings(file, QSettings::IniFormat);
        ASSERT_EQ(settings.status(), QSettings::NoError) << "round " << round;
        const long value = settings.value("Textbox3").toString().toLong();
        ASSERT_TRUE(value == reported || value == reported + 1)
            << "round " << round << ": stored " << value << ", reported " << reported;
        last = value;
    }
    EXPECT_GT(last, 0);
}

// What a killed writer may leave: an empty lock file (killed while creating
// it) must not hold up the next write, and an old temporary file of the
// store goes at the next start.
TEST(SettingsCrash, WhatAKilledWriterLeavesIsCleanedUp)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("Quillmere.conf");
    QFile(file + ".lock").open(QIODevice::WriteOnly);
    QFile old(file + ".Xy12Ab");
    old.open(QIODevice::WriteOnly);
    old.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
    old.close();
    QFile fresh(file + ".Qq34Zz");
    fresh.open(QIODevice::WriteOnly);
    fresh.close();

    QProcess writer;
    writer.start(QStringLiteral(QUILLMERE_TEST_HELPER), {"settings-write", file, "3", "abc"});
    // Qt alone would wait 30 s for the empty lock file to age.
    ASSERT_TRUE(writer.waitForFinished(10000));
    EXPECT_EQ(writer.exitCode(), 0);
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value("Textbox3").toString(), "abc");
    EXPECT_FALSE(QFile::exists(file + ".Xy12Ab"));
    EXPECT_TRUE(QFile::exists(file + ".Qq34Zz"));  // may be another copy's write in progress
}
