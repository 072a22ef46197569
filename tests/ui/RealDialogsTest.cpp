// The added commands through Qt's own dialogs on the offscreen platform:
// each dialog is found as the active modal widget, its file type chosen,
// a name typed and the dialog accepted, as a user would.
#include "carddav/AddressBookCommand.h"
#include "carddav/SendCommand.h"
#include "document/ContactSession.h"
#include "settings/SettingsStore.h"
#include "support/RadicaleServer.h"
#include "support/TestSupport.h"
#include "ui/AddressBookWindow.h"
#include "ui/FieldPersistence.h"
#include "ui/Form1.h"
#include "ui/QtDialogs.h"
#include "ui/ShareWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <deque>
#include <functional>

using F = ContactSource::Field;

using namespace TestSupport;

namespace {

/**
 * Answers the modal dialogs as they open, one step each, from a timer: the
 * steps run inside the dialogs' own event loops. A dialog no step was
 * left for is rejected and fails the test, so that nothing waits for ever.
 */
class ModalSteps {
public:
    using Step = std::function<void(QWidget*)>;

    explicit ModalSteps(std::initializer_list<Step> steps) : m_steps(steps)
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
        m_started.start();
    }
    ~ModalSteps() { EXPECT_TRUE(m_steps.empty()) << m_steps.size() << " dialogs never came"; }

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (modal == m_last && m_last.data() && m_stepDone.elapsed() < 10000)
            return;
        // A user acts once the dialog has the focus and shows its folder.
        if (modal != m_seen) {
            m_seen = modal;
            m_seenSince.start();
        }
        if (modal != m_last && (!modal->isActiveWindow() || m_seenSince.elapsed() < 200) &&
            m_seenSince.elapsed() < 5000)
            return;
        if (modal == m_last || m_steps.empty() || m_started.elapsed() > 30000) {
            ADD_FAILURE() << (modal == m_last ? "a dialog a step left open: " : "a dialog the test did not expect: ")
                          << modal->windowTitle().toStdString();
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            return;
        }
        m_last = modal;
        m_stepDone.start();
        const Step step = m_steps.front();
        m_steps.pop_front();
        step(modal);
    }

    std::deque<Step> m_steps;
    QPointer<QWidget> m_last;
    QPointer<QWidget> m_seen;  ///< the dialog that came last, acted on or not
    QElapsedTimer m_seenSince;
    QTimer m_timer;
    QElapsedTimer m_started;
    QElapsedTimer m_stepDone;  ///< since the last step: a dialog it left open is stuck
};

/// What a file dialog showed when it opened.
struct Shown {
    QString folder;
    QString fileName;
    QStringList types;
    int type = -1;
};

/// A step that goes to @p folder (a null string: stays), chooses file type
/// @p type (-1: the one offered), types @p name (a null string: the one
/// proposed) and accepts; @p shown receives what the dialog showed first.
ModalSteps::Step chooseFile(int type, const QString& name, Shown* shown = nullptr, const QString& folder = QString())
{
    return [=](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_TRUE(dialog) << modal->metaObject()->className();
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_TRUE(types && edit);
        if (shown) {
            shown->folder = dialog->directory().absolutePath();
            shown->fileName = edit->text();
            for (int i = 0; i < types->count(); ++i)
                shown->types << types->itemText(i);
            shown->type = types->currentIndex();
        }
        if (!folder.isNull())
            dialog->setDirectory(folder);
        if (type >= 0) {  // as a pick from the list does
            types->setCurrentIndex(type);
            emit types->activated(type);
        }
        if (!name.isNull()) {
            edit->setCompleter(nullptr);  // its list would take keys as they come
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, name);
        }
        // The button, not Return: Return may go to the name completer's list.
        auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        ASSERT_TRUE(buttons);
        buttons
            ->button(dialog->acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save : QDialogButtonBox::Open)
            ->click();
    };
}

/// A step that presses @p button of a message box; @p text receives its text.
ModalSteps::Step press(QMessageBox::StandardButton button, QString* text = nullptr)
{
    return [=](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_TRUE(box) << modal->metaObject()->className();
        if (text)
            *text = box->text();
        if (!box->button(button)) {
            ADD_FAILURE() << "no such button in the box saying " << box->text().toStdString();
            return box->reject();
        }
        box->button(button)->click();
    };
}

class RealDialogs : public ::testing::Test {
protected:
    RealDialogs()
    {
        QDir().mkpath(home());
        const ContactRecord c = workedExample();
        for (int i = 0; i < ContactSource::FieldCount; ++i)
            form.setText(i, c.fields[i]);
        dialogs.setParent(&form);
        form.show();
    }
    QString home() const { return dir.filePath(QStringLiteral("home")); }
    QString inHome(const QString& name) const { return QDir(home()).filePath(name); }

    QTemporaryDir dir;
    ScopedEnvironment homeFolder{"HOME", dir.filePath(QStringLiteral("home")).toLocal8Bit()};
    ScopedEnvironment data{"XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit()};
    QtDialogs dialogs;
    int ids = 0;
    ContactDocument document;
    ContactSession session{document, dialogs, [] { return exampleTime(); },
                           [this] { return QStringLiteral("urn:uuid:%1").arg(++ids, 36, 10, QChar(u'0')); }};
    Form1 form{session};
    SettingsStore store{dir.filePath(QStringLiteral("Quillmere.conf"))};
    FieldPersistence persistence{form, store, [](const QString&) {}};
};

}  // namespace

TEST_F(RealDialogs, ExportWritesTheChosenVersionOffersItAgainAndAsksBeforeReplacing)
{
    Shown first, second, third;
    {
        ModalSteps steps{chooseFile(1, "four", &first), press(QMessageBox::Ok)};
        form.exportCard();
    }
    EXPECT_EQ(first.folder, home());
    EXPECT_EQ(first.fileName, "Marlow Tessa.vcf");
    EXPECT_EQ(first.types,
              QStringList({"vCard 3.0 file, for phones and address books (*.vcf)", "vCard 4.0 file (*.vcf)"}));
    EXPECT_EQ(first.type, 0);
    EXPECT_TRUE(readFile(inHome("four.vcf")).startsWith("BEGIN:VCARD\r\nVERSION:4.0\r\n"));
    EXPECT_EQ(session.exportVersion(), CardVersion::V40);

    // Offered again and taken as offered; an existing file is asked about.
    QDir().mkpath(dir.filePath("cards"));
    {
        ModalSteps steps{chooseFile(-1, "again.vcf", &second, dir.filePath("cards")), press(QMessageBox::Ok)};
        form.exportCard();
    }
    EXPECT_EQ(second.type, 1);
    EXPECT_TRUE(readFile(dir.filePath("cards/again.vcf")).startsWith("BEGIN:VCARD\r\nVERSION:4.0\r\n"));
    writeFile(dir.filePath("cards/old.vcf"), "old card");
    QString question;
    {
        ModalSteps steps{chooseFile(0, "old.vcf", &third), press(QMessageBox::No, &question),
                         chooseFile(-1, "three.vcf"), press(QMessageBox::Ok)};
        form.exportCard();
    }
    EXPECT_EQ(third.folder, dir.filePath("cards"));  // where the last export went
    EXPECT_EQ(question, dir.filePath("cards/old.vcf") + " already exists.\nDo you want to replace it?");
    EXPECT_EQ(readFile(dir.filePath("cards/old.vcf")), "old card");
    EXPECT_TRUE(readFile(dir.filePath("cards/three.vcf")).startsWith("BEGIN:VCARD\r\nVERSION:3.0\r\n"));
    {
        ModalSteps steps{chooseFile(-1, "old.vcf"), press(QMessageBox::Yes), press(QMessageBox::Ok)};
        form.exportCard();
    }
    EXPECT_TRUE(readFile(dir.filePath("cards/old.vcf")).startsWith("BEGIN:VCARD\r\nVERSION:3.0\r\n"));
}

TEST_F(RealDialogs, SaveQrCodeWritesTheFormatOfTheChosenTypeOrOfTheTypedExtension)
{
    form.shareCard();
    auto* save = form.shareWindow()->findChild<QPushButton*>(QStringLiteral("saveCode"));
    ASSERT_TRUE(save);
    Shown first;
    {
        ModalSteps steps{chooseFile(1, QString(), &first)};  // SVG, the proposed name
        save->click();
    }
    EXPECT_EQ(first.folder, home());
    EXPECT_EQ(first.fileName, "Marlow Tessa QR.png");
    EXPECT_EQ(first.types, QStringList({"PNG image (*.png)", "SVG image (*.svg)"}));
    EXPECT_TRUE(readFile(inHome("Marlow Tessa QR.svg")).contains("<svg"));
    EXPECT_FALSE(QFileInfo::exists(inHome("Marlow Tessa QR.png")));
    {
        ModalSteps steps{chooseFile(1, "qr2")};
        save->click();
    }
    EXPECT_TRUE(readFile(inHome("qr2.svg")).contains("<svg"));
    {
        ModalSteps steps{chooseFile(1, "qr3.png")};  // the typed extension wins
        save->click();
    }
    EXPECT_TRUE(readFile(inHome("qr3.png")).startsWith("\x89PNG"));
    QString question;
    {
        ModalSteps steps{chooseFile(0, "qr3"), press(QMessageBox::No, &question), chooseFile(-1, "qr4")};
        save->click();
    }
    EXPECT_EQ(question, inHome("qr3.png") + " already exists.\nDo you want to replace it?");
    EXPECT_TRUE(readFile(inHome("qr4.png")).startsWith("\x89PNG"));
}

TEST_F(RealDialogs, OpenStartsWhereTheLastCardWasOpenedAndTheChoiceListPicksTheCard)
{
    QDir().mkpath(dir.filePath("cards"));
    writeFile(dir.filePath("cards/two.vcf"), "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Mary;;;\r\nEND:VCARD\r\n"
                                             "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Okafor;Chidi;;;\r\nEND:VCARD\r\n");
    Shown first, second;
    const auto pickSecond = [](QWidget* modal) {
        auto* list = modal->findChild<QListWidget*>(QStringLiteral("choices"));
        ASSERT_TRUE(list);
        ASSERT_EQ(list->count(), 2);
        list->setCurrentRow(1);
        modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    };
    {
        ModalSteps steps{chooseFile(-1, "two.vcf", &first, dir.filePath("cards")), pickSecond,
                         press(QMessageBox::Yes)};  // replace the contact in the form
        form.findChild<QWidget*>(QStringLiteral("OpenButton"))->setFocus();
        QTest::keyClick(form.findChild<QWidget*>(QStringLiteral("OpenButton")), Qt::Key_Space);
    }
    EXPECT_EQ(first.folder, home());
    EXPECT_EQ(first.types, QStringList({"vCard file (*.vcf)", "All files (*)"}));
    EXPECT_EQ(form.text(F::LastName), "Okafor");
    {
        ModalSteps steps{[&second](QWidget* modal) {
            second.folder = qobject_cast<QFileDialog*>(modal)->directory().absolutePath();
            qobject_cast<QDialog*>(modal)->reject();
        }};
        form.findChild<QWidget*>(QStringLiteral("OpenButton"))->setFocus();
        QTest::keyClick(form.findChild<QWidget*>(QStringLiteral("OpenButton")), Qt::Key_Space);
    }
    EXPECT_EQ(second.folder, dir.filePath("cards"));
}

TEST_F(RealDialogs, TheAccountDialogGivesWhatWasTyped)
{
    std::optional<AccountAnswer> answer;
    {
        ModalSteps steps{[](QWidget* modal) {
            QTest::keyClicks(modal->findChild<QLineEdit*>(QStringLiteral("server")), "  https://dav.example.org/ ");
            QTest::keyClicks(modal->findChild<QLineEdit*>(QStringLiteral("user")), "tessa");
            QTest::keyClicks(modal->findChild<QLineEdit*>(QStringLiteral("password")), "s3cret;,");
            modal->findChild<QCheckBox*>(QStringLiteral("rememberPassword"))->setChecked(false);
            modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        }};
        answer = dialogs.askAccount(
            {QStringLiteral("Send to Address Book"), QStringLiteral("Which server?"), QString(), QString(), false});
    }
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->server, "https://dav.example.org/");
    EXPECT_EQ(answer->user, "tessa");
    EXPECT_EQ(answer->password, "s3cret;,");
    EXPECT_FALSE(answer->rememberPassword);

    // Asked for the password alone: the server and user stay as they are.
    {
        ModalSteps steps{[](QWidget* modal) {
            EXPECT_TRUE(modal->findChild<QLineEdit*>(QStringLiteral("server"))->isReadOnly());
            EXPECT_EQ(QApplication::focusWidget(), modal->findChild<QLineEdit*>(QStringLiteral("password")));
            QTest::keyClicks(QApplication::focusWidget(), "again");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }};
        answer = dialogs.askAccount({QStringLiteral("Send to Address Book"), QStringLiteral("Password?"),
                                     QStringLiteral("https://dav.example.org/"), QStringLiteral("tessa"), true});
    }
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->server, "https://dav.example.org/");
    EXPECT_EQ(answer->password, "again");
    EXPECT_TRUE(answer->rememberPassword);
}

// The address book's Delete, confirmed in Qt's own box, which names the
// contact; the contact in the form keeps its values and forgets its address.
TEST_F(RealDialogs, DeleteFromTheAddressBookIsConfirmedInQtsBoxNamingTheContact)
{
    ScopedEnvironment noKeyring{"DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent"};
    RadicaleServer server({{{"tessa", "pw"}}, {}, {}});
    ASSERT_TRUE(server.start()) << server.why().toStdString();
    ASSERT_TRUE(server.makeAddressBook("/tessa/contacts/", "tessa"));
    for (const auto& [file, name] : {std::pair{"marlow.vcf", "N:Marlow;Tessa;;;\r\nFN:Tessa Marlow"},
                                     std::pair{"lee.vcf", "N:Lee;Mary;;;\r\nFN:Mary Lee"}}) {
        writeFile(dir.filePath(file),
                  QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:") + file + "\r\n" + name + "\r\nEND:VCARD\r\n");
        ASSERT_EQ(server.curl(QStringLiteral("/tessa/contacts/") + file, {"-u", "tessa:pw", "-T", dir.filePath(file)}),
                  201);
    }
    store.setAddressBookAccount({server.url(), "tessa", server.url() + "/tessa/contacts/", "Contacts"});
    PasswordStore passwords;
    SendCommand sender{store, dialogs, passwords};
    AddressBookCommand book{sender.account()};
    session.setSender(&sender);
    session.setBook(&book);
    const auto password = [](QWidget* modal) {
        QTest::keyClicks(modal->findChild<QLineEdit*>(QStringLiteral("password")), "pw");
        modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    };
    // Lists the book and presses @p button with the row of @p name current.
    const auto pressFor = [&](const QString& name, const char* button) {
        form.openFromBook();
        auto* window = form.findChild<AddressBookWindow*>();
        ASSERT_TRUE(window && QTest::qWaitFor([&] { return !book.running(); }, 20000));
        auto* list = window->findChild<QTreeView*>(QStringLiteral("bookList"));
        const QModelIndexList found = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, name);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        list->setCurrentIndex(found.first());
        window->findChild<QPushButton*>(QLatin1String(button))->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !book.running(); }, 20000));
    };
    {
        ModalSteps steps{password, press(QMessageBox::Yes)};  // the form's typing replaced
        pressFor("Tessa Marlow", "bookOpen");
    }
    EXPECT_EQ(form.text(F::LastName), "Marlow");
    EXPECT_EQ(document.cameFrom().server, server.url() + "/tessa/contacts/marlow.vcf");
    form.setText(F::Company, "Harbor Works");

    QString question;
    {
        ModalSteps steps{press(QMessageBox::Yes, &question)};
        pressFor("Tessa Marlow", "bookDelete");
    }
    EXPECT_TRUE(question.startsWith("Delete Tessa Marlow from Contacts on 127.0.0.1")) << question.toStdString();
    EXPECT_EQ(server.curl("/tessa/contacts/marlow.vcf", {"-u", "tessa:pw"}), 404);
    auto* list = form.findChild<AddressBookWindow*>()->findChild<QTreeView*>(QStringLiteral("bookList"));
    ASSERT_EQ(list->model()->rowCount(), 1);
    EXPECT_EQ(list->model()->index(0, 0).data().toString(), "Mary Lee");
    EXPECT_EQ(form.text(F::LastName), "Marlow");
    EXPECT_EQ(form.text(F::Company), "Harbor Works");
    EXPECT_EQ(document.cameFrom().server, "");
}
