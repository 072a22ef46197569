#include "document/KeptCardFile.h"
#include "core/Error.h"
#include "support/TestSupport.h"
#include "vcard/OpenCommand.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace TestSupport;

namespace {

KeptCard surveyor()
{
    KeptCard kept;
    kept.version = 21;
    kept.properties = {
        {"item1", "TEL", {{"TYPE", QStringLiteral("CELL")}, {"X-EXTRA", {}}}, QStringLiteral("+1 555"), {}},
        {{}, "TITLE", {}, QStringLiteral("Head of Research"), {}}};
    kept.asRead.fields[ContactSource::LastName] = QStringLiteral("Rossi");
    kept.asRead.birthDate = QDate(1970, 3, 4);
    return kept;
}

TEST(KeptCardFile, LivesBesideTheSettingsFileUnderItsName)
{
    EXPECT_EQ(KeptCardFile::besideSettings(QStringLiteral("/home/a/.config/Veltrask/Quillmere.conf")),
              "/home/a/.config/Veltrask/Quillmere.card");
}

TEST(KeptCardFile, ACardWrittenReadsBackAsItWasAndAnEmptyOneRemovesTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Quillmere.card"));
    EXPECT_TRUE(KeptCardFile::read(path).isEmpty());  // never written: nothing kept

    KeptCardFile::write(path, surveyor());
    const KeptCard back = KeptCardFile::read(path);
    EXPECT_EQ(back.toBytes(), surveyor().toBytes());
    EXPECT_EQ(back.properties.size(), 2);
    EXPECT_EQ(back.asRead.fields[ContactSource::LastName], "Rossi");
    EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("Quillmere.card")});  // no temporary file left

    KeptCardFile::write(path, KeptCard());
    EXPECT_TRUE(filesIn(dir.path()).isEmpty());
    KeptCardFile::write(path, KeptCard());  // nothing to remove is no failure
}

TEST(KeptCardFile, AFileThatCannotBeReadOrWrittenFailsNamingIt)
{
    QTemporaryDir dir;
    const QString garbled = dir.filePath(QStringLiteral("garbled.card"));
    writeFile(garbled, QByteArray("\x01\x02 not a kept card", 19));
    const QString folder = dir.filePath(QStringLiteral("folder.card"));
    QDir().mkpath(folder);
    const QString fifo = dir.filePath(QStringLiteral("fifo.card"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString huge = dir.filePath(QStringLiteral("huge.card"));
    QFile sparse(huge);
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(OpenCommand::largestFile + 1));
    sparse.close();

    struct Case {
        const char* name;
        std::function<void()> run;
        QString path;
    };
    const Case cases[] = {
        {"garbled bytes", [&] { KeptCardFile::read(garbled); }, garbled},
        {"a folder read", [&] { KeptCardFile::read(folder); }, folder},
        {"a FIFO read, without waiting for a writer", [&] { KeptCardFile::read(fifo); }, fifo},
        {"a file larger than any card", [&] { KeptCardFile::read(huge); }, huge},
        {"a folder written over", [&] { KeptCardFile::write(folder, surveyor()); }, folder},
        {"a folder removed", [&] { KeptCardFile::write(folder, KeptCard()); }, folder},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.run();
            ADD_FAILURE() << "no failure";
        } catch (const Error& error) {
            EXPECT_TRUE(error.description().contains(c.path)) << error.description().toStdString();
        }
    }
    // Nothing was replaced, removed or left behind.
    EXPECT_EQ(filesIn(dir.path()),
              QStringList({QStringLiteral("fifo.card"), QStringLiteral("garbled.card"), QStringLiteral("huge.card")}));
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

}  // namespace
