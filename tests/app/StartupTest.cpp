#include "app/Startup.h"
#include "app/Skin.h"
#include "support/FormHarness.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTranslator>

#include <memory>
#include <sys/stat.h>

using F = ContactSource::Field;

namespace {

/// A skin that notes its calls and the colours the window had at loading.
class RecordingSkin : public Skin {
public:
    void loadSkin(const QString& path, const QString& section) override
    {
        calls << "load " + path + " [" + section + "]";
        coloursAtLoad.clear();
        QList<QWidget*> all = window->findChildren<QWidget*>();
        all << window;
        for (QWidget* w : all) {
            if (w->testAttribute(Qt::WA_SetPalette) && w->autoFillBackground())
                coloursAtLoad[w] = w->palette().color(QPalette::Window);
        }
        Skin::loadSkin(path, section);
    }
    std::uint32_t options() const override
    {
        calls << "options";
        return Skin::options();
    }
    void setOptions(std::uint32_t options) override
    {
        calls << QStringLiteral("setOptions %1").arg(options);
        Skin::setOptions(options);
    }
    void setPolishFirst(bool on) override
    {
        calls << QStringLiteral("id5 %1").arg(on);
        Skin::setPolishFirst(on);
    }
    void setRepaintWindow(bool on) override
    {
        calls << QStringLiteral("id10 %1").arg(on);
        Skin::setRepaintWindow(on);
    }
    void applyWindow(QWidget* w) override
    {
        calls << "apply " + w->objectName();
        Skin::applyWindow(w);
    }

    QWidget* window = nullptr;
    mutable QStringList calls;
    /// The background each widget filled itself with, by its own palette.
    QHash<QWidget*, QColor> coloursAtLoad;
};

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        skin.window = h.form.get();
        services.programFolder = folder.path();
        services.skin = &skin;
        services.drawNumber = [this] { return number; };
        services.openUrl = [this](const QUrl& url) { opened << url; };
        services.restore = [this] {
            restoredWithCaption = h.form->windowTitle();
            h.persistence->restore();
        };
    }

    void load() { ::Startup::load(*h.form, services); }

    void writeSkin(const QByteArray& sheet)
    {
        QDir(folder.path()).mkpath("x");
        TestSupport::writeFile(folder.filePath("x/o.cjs"), sheet);
    }

    FormHarness h;
    QTemporaryDir folder;
    RecordingSkin skin;
    StartupServices services;
    int number = 1;
    QList<QUrl> opened;
    QString restoredWithCaption;
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
};

}  // namespace

TEST_F(StartupTest, WithoutASkinTheWindowKeepsItsDesign)
{
    load();
    EXPECT_TRUE(skin.calls.isEmpty());
    EXPECT_EQ(h.form->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(h.form->windowTitle(), "Quillmere");
    EXPECT_EQ(restoredWithCaption, "Quillmere");  // the restore comes last
}

TEST_F(StartupTest, AFolderNamedLikeTheSkinIsNoSkin)
{
    QDir(folder.path()).mkpath("x/o.cjs");
    load();
    EXPECT_TRUE(skin.calls.isEmpty());
    EXPECT_EQ(h.form->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(StartupTest, ASkinColoursTheControlsThenMakesItsFiveCalls)
{
    writeSkin("QLineEdit { background: rgb(250, 240, 200); }");
    skin.setOptions(0x30);
    skin.calls.clear();
    load();
    const QString path = folder.filePath("x/o.cjs");
    EXPECT_EQ(skin.calls,
              QStringList({"load " + path + " []", "options", "setOptions 49", "id5 1", "id10 1", "apply Form1"}));
    // Before the skin was loaded: the window, frames, labels, check boxes
    // and the hidden picture box had the button face; text boxes not.
    EXPECT_EQ(skin.coloursAtLoad.value(h.form.get()), buttonFace);
    for (QWidget* w : {static_cast<QWidget*>(h.form->frame(3)), static_cast<QWidget*>(h.form->Check1(5)),
                       static_cast<QWidget*>(h.form->picConvert()), h.find("Label1(25)")})
        EXPECT_EQ(skin.coloursAtLoad.value(w), buttonFace) << w->objectName().toStdString();
    EXPECT_FALSE(skin.coloursAtLoad.contains(h.form->txtTextbox(F::LastName)));
    EXPECT_FALSE(skin.coloursAtLoad.contains(h.form->pushButton(1)));
    EXPECT_FALSE(skin.coloursAtLoad.contains(h.find("dtpBirthday")));
    // The sheet really styles the window, and keeps the window's fonts.
    EXPECT_EQ(h.form->styleSheet(), "QLineEdit { background: rgb(250, 240, 200); }");
    for (QWidget* w :
         {h.form->txtTextbox(F::LastName), h.find("Label1(0)"), static_cast<QWidget*>(h.form->pushButton(4))}) {
        EXPECT_EQ(w->font().family(), "Arial") << w->objectName().toStdString();
        EXPECT_TRUE(w->font().bold()) << w->objectName().toStdString();
    }
}

TEST_F(StartupTest, OptionOneAlreadySetIsKept)
{
    writeSkin("QWidget {}");
    skin.setOptions(0x1);
    skin.calls.clear();
    load();
    EXPECT_TRUE(skin.calls.contains("setOptions 1"));
}

TEST_F(StartupTest, ARejectedSkinNeverStopsStartUp)
{
    writeSkin("QWidget { color: red; ");  // unbalanced
    load();
    EXPECT_EQ(h.form->windowTitle(), "Quillmere");
    EXPECT_EQ(h.form->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(h.form->frame(1)->palette().color(QPalette::Window), buttonFace);
    EXPECT_TRUE(h.form->styleSheet().isEmpty());
    EXPECT_EQ(restoredWithCaption, "Quillmere");

    writeSkin("\xff\xfe not text");
    Skin plain;
    services.skin = &plain;
    load();
    EXPECT_TRUE(h.form->styleSheet().isEmpty());
}

TEST_F(StartupTest, OnlySevenOpensTheHomePage)
{
    for (number = 1; number <= 100; ++number)
        load();
    EXPECT_EQ(opened, QList<QUrl>{QUrl("https://veltrask.example/")});
}

TEST_F(StartupTest, TheDrawIsOneToAHundred)
{
    for (int i = 0; i < 200; ++i) {
        const int n = ::Startup::drawFromTimeOfDay();
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 100);
    }
}

TEST_F(StartupTest, TheHandCursorIsLoadedWhenItsFileIsThere)
{
    load();
    h.form->setPointer(Form1::Pointer::Custom);
    EXPECT_EQ(h.form->cursor().shape(), Qt::ArrowCursor);  // no file: the arrow

    QFile::copy(QStringLiteral(QUILLMERE_HAND_CURSOR), folder.filePath("HAND-M.CUR"));
    FormHarness withCursor;
    ::Startup::load(*withCursor.form, services);
    // The image is made when first shown, but from the file as it was at
    // the start: replacing it later changes nothing until the next start.
    TestSupport::writeFile(folder.filePath("HAND-M.CUR"), "replaced by something that is no cursor");
    withCursor.form->setPointer(Form1::Pointer::Custom);
    const QCursor cursor = withCursor.form->cursor();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(6, 0));
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
}

TEST_F(StartupTest, ACursorFileThatIsNoCursorIsIgnored)
{
    TestSupport::writeFile(folder.filePath("HAND-M.CUR"), "not a cursor at all, really");
    load();
    h.form->setPointer(Form1::Pointer::Custom);
    EXPECT_EQ(h.form->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(h.form->windowTitle(), "Quillmere");
}

TEST_F(StartupTest, ACursorFileLargerThanAnyCursorIsNotRead)
{
    // A real cursor at its head, then a gigabyte of holes: read whole, it would be decoded.
    const QString path = folder.filePath("HAND-M.CUR");
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUILLMERE_HAND_CURSOR), path));
    ASSERT_TRUE(QFile(path).resize(qint64(1) << 30));
    load();
    h.form->setPointer(Form1::Pointer::Custom);
    EXPECT_EQ(h.form->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(StartupTest, ACursorNamedPipeDoesNotBlockTheStart)
{
    // Opening a pipe for reading waits for a writer that never comes.
    ASSERT_EQ(mkfifo(QFile::encodeName(folder.filePath("HAND-M.CUR")).constData(), 0600), 0);
    load();
    h.form->setPointer(Form1::Pointer::Custom);
    EXPECT_EQ(h.form->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(StartupTest, OptionalFilesComeFromTheProgramFolderThenTheDataFolders)
{
    QTemporaryDir data;
    TestSupport::ScopedEnvironment dataHome("XDG_DATA_HOME", data.path().toLocal8Bit());
    const QString userFolder = data.filePath("Veltrask/Quillmere");
    QDir().mkpath(userFolder + "/x");
    EXPECT_EQ(Startup::folderHolding(folder.path(), "x/o.cjs"), folder.path());  // nowhere: the program folder

    TestSupport::writeFile(userFolder + "/x/o.cjs", "QLineEdit { color: red; }");
    QFile::copy(QStringLiteral(QUILLMERE_HAND_CURSOR), userFolder + "/HAND-M.CUR");
    EXPECT_EQ(Startup::folderHolding(folder.path(), "x/o.cjs"), userFolder);
    load();
    EXPECT_EQ(skin.calls.value(0), "load " + userFolder + "/x/o.cjs []");
    h.form->setPointer(Form1::Pointer::Custom);
    EXPECT_EQ(h.form->cursor().shape(), Qt::BitmapCursor);

    // The program folder wins when both have one.
    writeSkin("QLineEdit { color: blue; }");
    EXPECT_EQ(Startup::folderHolding(folder.path(), "x/o.cjs"), folder.path());
    EXPECT_EQ(Startup::folderHolding(folder.path(), "HAND-M.CUR"), userFolder);
}

TEST_F(StartupTest, QtsOwnTextsFollowTheLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::unique_ptr<QTranslator> translator(Startup::loadQtTranslations());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    QLocale::setDefault(before);
}

namespace {

/// Sets the default locale for the life of a test, then puts the old one back.
class ScopedLocale {
public:
    explicit ScopedLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~ScopedLocale() { QLocale::setDefault(m_before); }

private:
    const QLocale m_before;
};

struct Translated {
    const char* context;
    const char* source;
    QString translation;
};

/// Builds "translations/quillmere_<language>.qm" below @p folder with lrelease.
void writeTranslation(const QString& folder, const QString& language, const QList<Translated>& texts)
{
    QDir(folder).mkpath("translations");
    const QString ts = folder + "/translations/quillmere_" + language + ".ts";
    QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS><TS version=\"2.1\" "
                                 "language=\"%1\">\n")
                      .arg(language);
    for (const Translated& t : texts) {
        xml += QStringLiteral("<context><name>%1</name><message><source>%2</source><translation>%3</translation>"
                              "</message></context>\n")
                   .arg(QLatin1String(t.context), QString::fromUtf8(t.source).toHtmlEscaped(),
                        t.translation.toHtmlEscaped());
    }
    TestSupport::writeFile(ts, (xml + "</TS>\n").toUtf8());
    QProcess lrelease;
    lrelease.start(QStringLiteral(QUILLMERE_LRELEASE), {"-silent", ts});
    ASSERT_TRUE(lrelease.waitForFinished());
    ASSERT_EQ(lrelease.exitCode(), 0) << lrelease.readAllStandardError().toStdString();
}

void writeTranslation(const QString& folder, const QString& language, const QString& done)
{
    writeTranslation(folder, language, {{"Form1", "Done.", done}});
}

}  // namespace

TEST_F(StartupTest, TheBuiltTranslationsAreFoundBesideTheProgram)
{
    const QString programFolder = QFileInfo(QStringLiteral(QUILLMERE_PROGRAM)).absolutePath();
    const struct {
        QLocale locale;
        QString file;  // "" for no translator
    } cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), "quillmere_de.qm"},
        {QLocale(QLocale::German, QLocale::Austria), "quillmere_de.qm"},
        {QLocale(QLocale::French, QLocale::Canada), "quillmere_fr.qm"},
        {QLocale(QLocale::Spanish, QLocale::Mexico), "quillmere_es.qm"},
        {QLocale(QLocale::Russian, QLocale::Russia), "quillmere_ru.qm"},
        {QLocale(QLocale::English, QLocale::UnitedStates), ""},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), ""},
        {QLocale::c(), ""},
        {QLocale(QLocale::Portuguese, QLocale::Brazil), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        const ScopedLocale locale(c.locale);
        const std::unique_ptr<QTranslator> translator(Startup::loadTranslations(programFolder));
        EXPECT_EQ(translator ? translator->filePath() : QString(),
                  c.file.isEmpty() ? QString() : programFolder + "/translations/" + c.file);
    }
}

TEST_F(StartupTest, OurTextsFollowTheLocaleFromTheProgramFolderThenTheDataFolders)
{
    QTemporaryDir data;
    TestSupport::ScopedEnvironment dataHome("XDG_DATA_HOME", data.path().toLocal8Bit());
    const QString userFolder = data.filePath("Veltrask/Quillmere");
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Switzerland));
    EXPECT_EQ(Startup::loadTranslations(folder.path()), nullptr);  // none anywhere
    EXPECT_EQ(QCoreApplication::translate("Form1", "Done."), "Done.");

    writeTranslation(userFolder, "de", "Fertig (Datenordner).");
    {
        const std::unique_ptr<QTranslator> translator(Startup::loadTranslations(folder.path()));
        EXPECT_EQ(QCoreApplication::translate("Form1", "Done."), "Fertig (Datenordner).");
    }
    EXPECT_EQ(QCoreApplication::translate("Form1", "Done."), "Done.");  // removed with its translator

    writeTranslation(folder.path(), "de", "Fertig.");
    {
        const std::unique_ptr<QTranslator> translator(Startup::loadTranslations(folder.path()));
        EXPECT_EQ(QCoreApplication::translate("Form1", "Done."), "Fertig.");
    }
    {
        // An English desktop reads the texts as written, whatever files there are.
        const ScopedLocale english(QLocale(QLocale::English, QLocale::Germany));
        writeTranslation(folder.path(), "en", "Finished.");
        EXPECT_EQ(Startup::loadTranslations(folder.path()), nullptr);
        EXPECT_EQ(QCoreApplication::translate("Form1", "Done."), "Done.");
    }
}

TEST(StartupTranslations, TheWindowIsBuiltInTheLanguageLoaded)
{
    // The texts of tables are translated where they are shown, and what
    // finds a control (its object name) never changes with the language.
    QTemporaryDir folder;
    writeTranslation(folder.path(), "de",
                     {{"Form1", "MI:", "2. V.:"},
                      {"Form1", "Contact Information", "Telefon"},
                      {"Form1", "Help", "Hilfe"},
                      {"Form1", "Photo and Notes", "Foto und Notizen"},
                      {"Form1", "New", "Neu"},
                      {"Form1", "New contact", "Neuer Kontakt"},
                      {"Form1", "%1 (%2)", "%1 [%2]"},
                      {"Form1", "Cellular preferred", "Handy bevorzugt"}});
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    const std::unique_ptr<QTranslator> translator(Startup::loadTranslations(folder.path()));
    FormHarness h;
    EXPECT_EQ(h.find<QLabel>("Label1(2)")->text(), "2. V.:");
    EXPECT_EQ(h.find<QGroupBox>("Frame4")->title(), "Telefon");
    EXPECT_EQ(h.find<QPushButton>("PushButton4")->text(), "Hilfe");
    EXPECT_EQ(h.find<QTabWidget>("TabControl1")->tabText(1), "Foto und Notizen");
    auto* newButton = h.find<QToolButton>("NewButton");
    ASSERT_NE(newButton, nullptr);
    EXPECT_EQ(newButton->text(), "Neu");
    EXPECT_EQ(newButton->toolTip(),
              "Neuer Kontakt [" + QKeySequence(QKeySequence::New).toString(QKeySequence::NativeText) + "]");
    EXPECT_EQ(h.find<QCheckBox>("Check1(4)")->accessibleName(), "Handy bevorzugt");
    EXPECT_EQ(h.find<QLabel>("Label1(0)")->text(), "Last Name:");  // untranslated texts stay as written
}

TEST_F(StartupTest, TheIconHasItsFourImages)
{
    load();
    const QIcon icon = h.form->windowIcon();
    EXPECT_EQ(icon.availableSizes(), QList<QSize>({{32, 32}, {48, 48}, {128, 128}, {256, 256}}));
    // Every size is transparent around the card: no white square on a dark panel.
    for (int size : {32, 48, 128, 256})
        EXPECT_EQ(qAlpha(icon.pixmap(size).toImage().pixel(0, 0)), 0) << size;
}

TEST_F(StartupTest, TheFormComesBackAsItWasLeft)
{
    h.form->setText(F::LastName, "Marlow");
    h.form->setSelectedPageText("1");
    FormHarness next(h.settingsFile);
    services.restore = [&] { next.persistence->restore(); };
    ::Startup::load(*next.form, services);
    EXPECT_EQ(next.form->text(F::LastName), "Marlow");
    EXPECT_EQ(next.form->selectedPage(), 1);
}
