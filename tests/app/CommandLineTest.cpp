#include <gtest/gtest.h>

#include <QProcess>

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
