#include "support/TestSupport.h"
#include "vcard/CardFile.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Outcome {
    int exitCode;
    QString out;
    QString err;
};

/// The real program, with no display and no platform chosen: the options
/// must answer before Qt would need either.
Outcome run(const QStringList& arguments)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(QUILLMERE_PROGRAM), arguments);
    EXPECT_TRUE(program.waitForFinished(20000));
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromLocal8Bit(program.readAllStandardOutput()),
            QString::fromLocal8Bit(program.readAllStandardError())};
}

/// The real program on the offscreen platform, its settings, data and
/// runtime folders in @p dir.
QProcessEnvironment ownFolders(const QTemporaryDir& dir)
{
    QDir(dir.path()).mkdir("runtime");
    QFile::setPermissions(dir.filePath("runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    env.insert("XDG_DATA_HOME", dir.filePath("data"));
    env.insert("XDG_RUNTIME_DIR", dir.filePath("runtime"));
    return env;
}

}  // namespace

TEST(CommandLine, VersionAndHelpAnswerWithoutADisplay)
{
    const Outcome version = run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "Quillmere " QUILLMERE_VERSION "\n");
    EXPECT_EQ(version.err, "");
    EXPECT_EQ(run({"-v"}).out, version.out);

    const Outcome help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("Usage: ")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("--version"));
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(run({"-h"}).out, help.out);

    const Outcome unknown = run({"--frobnicate"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_TRUE(unknown.err.startsWith("Unknown option 'frobnicate'.")) << unknown.err.toStdString();
    EXPECT_TRUE(unknown.err.contains("Usage: "));
}

TEST(CommandLine, TheAnswersOnTheTerminalFollowTheLocale)
{
    // Qt's own words of the help and the errors are translated whenever ours are.
    const struct {
        const char* lang;
        QStringList arguments;
        QString expected;  // in the output and errors together
    } cases[] = {
        {"de_DE.UTF-8", {"--help"}, "Aufruf: "},
        {"de_DE.UTF-8", {"--frobnicate"}, "Unbekannte Option 'frobnicate'."},
        {"fr_FR.UTF-8", {"-h"}, "Afficher les informations de version."},
        {"es_ES.UTF-8", {"a.vcf", "b.vcf"}, "Uso: "},
        {"ru_RU.UTF-8", {"--help"}, "Вывод справки по параметрам командной строки."},
        {"en_US.UTF-8", {"--help"}, "Displays help on commandline options."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lang);
        const TestSupport::ScopedEnvironment lang("LANG", c.lang);
        const TestSupport::ScopedEnvironment all("LC_ALL", c.lang);
        const TestSupport::ScopedEnvironment language("LANGUAGE", "");
        const Outcome outcome = run(c.arguments);
        EXPECT_TRUE((outcome.out + outcome.err).contains(c.expected)) << (outcome.out + outcome.err).toStdString();
    }
}

TEST(CommandLine, AFileArgumentOpensTheCardIntoTheForm)
{
    using namespace TestSupport;
    QTemporaryDir dir;
    const QString card = dir.filePath("Marlow Tessa.vcf");
    writeFile(card, CardFile::forContact(workedExample(), exampleTime(), CardEncoding::Ansi, 1252));
    QProcess program;
    program.setProcessEnvironment(ownFolders(dir));
    program.start(QStringLiteral(QUILLMERE_PROGRAM), {card});
    // The form is read back from what the program remembers of it.
    const QString store = dir.filePath("config/Veltrask/Quillmere.conf");
    const auto stored = [&](const char* key) { return QSettings(store, QSettings::IniFormat).value(key).toString(); };
    // The birthday is the last thing the card sets.
    EXPECT_TRUE(QTest::qWaitFor([&] { return stored("BirthDay") == "1984-03-07"; }, 20000));
    program.kill();
    program.waitForFinished();
    EXPECT_EQ(stored("Textbox0"), "Marlow");
    EXPECT_EQ(stored("Textbox3"), "Harbor & Finch  Ltd.");
    EXPECT_EQ(stored("Textbox12"), "Utopia");
    EXPECT_EQ(stored("Textbox25"), "Call after 5 30");
}

TEST(CommandLine, AFileNameThatIsNotUtf8Opens)
{
    using namespace TestSupport;
    QTemporaryDir dir;
    const QByteArray name = QFile::encodeName(dir.path()) + "/latin1-\xe9t\xe9.vcf";
    FILE* out = std::fopen(name.constData(), "wb");
    ASSERT_TRUE(out);
    std::fputs("BEGIN:VCARD\r\nVERSION:2.1\r\nN:Latin;One\r\nBDAY:19840307\r\nEND:VCARD\r\n", out);
    std::fclose(out);
    QProcess program;
    program.setProcessEnvironment(ownFolders(dir));
    program.setWorkingDirectory(dir.path());
    // QProcess passes arguments as UTF-8; the shell passes the file system's own bytes.
    program.start("/bin/sh", {"-c", "exec \"$0\" \"$(printf 'latin1-\\351t\\351.vcf')\"", QUILLMERE_PROGRAM});
    const QString store = dir.filePath("config/Veltrask/Quillmere.conf");
    const auto stored = [&](const char* key) { return QSettings(store, QSettings::IniFormat).value(key).toString(); };
    EXPECT_TRUE(QTest::qWaitFor([&] { return stored("BirthDay") == "1984-03-07"; }, 20000));
    program.kill();
    program.waitForFinished();
    EXPECT_EQ(stored("Textbox0"), "Latin");
}
