#include "document/ContactSession.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace TestSupport;

namespace {

using F = ContactSource::Field;

/// A card from another program: a title and a category the form has no box for.
const QByteArray stranger = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:urn:uuid:stranger\r\nN:Rossi;Ada;;;\r\nFN:Ada Rossi\r\n"
                            "TITLE:Head of Research\r\nCATEGORIES:Survey,Field work\r\nEND:VCARD\r\n";

class Session : public ::testing::Test {
protected:
    Session()
        : session(
              document, dialogs, [] { return exampleTime(); }, [this] { return nextId(); })
    {
        cardPath = dir.filePath(QStringLiteral("rossi.vcf"));
        writeFile(cardPath, stranger);
    }

    QString nextId() { return QStringLiteral("urn:uuid:new-%1").arg(++idsGiven); }
    bool keptHas(const QByteArray& name) const
    {
        const QList<CardProperty>& all = document.kept().properties;
        return std::any_of(all.cbegin(), all.cend(), [&](const CardProperty& p) { return p.name == name; });
    }

    QTemporaryDir dir;
    QString cardPath;
    int idsGiven = 0;
    ScriptedDialogs dialogs;
    ContactDocument document;
    ContactSession session;
};

TEST_F(Session, AnOpenedCardIsKeptWholeWithNothingChanged)
{
    document.setText(F::Company, QStringLiteral("typed"));
    dialogs.answers = {true};
    session.open(QFile::encodeName(cardPath));

    EXPECT_EQ(dialogs.questions.size(), 1);  // something was typed: asked first
    EXPECT_EQ(document.text(F::LastName), "Rossi");
    EXPECT_EQ(document.text(F::Company), "");
    EXPECT_EQ(document.uid(), "urn:uuid:stranger");
    EXPECT_TRUE(keptHas("TITLE") && keptHas("CATEGORIES") && keptHas("FN"));
    EXPECT_FALSE(document.edits().any());
    EXPECT_EQ(document.cameFrom().file, cardPath);
}

TEST_F(Session, NewAndOpeningReplaceTheContactOnlyAfterYes)
{
    struct Case {
        const char* name;
        std::function<void()> command;
        bool yes;
        bool replaced;
    };
    const Case cases[] = {
        {"New, yes", [&] { session.newContact(); }, true, true},
        {"New, no", [&] { session.newContact(); }, false, false},
        {"opening, no", [&] { session.open(QFile::encodeName(cardPath)); }, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ContactRecord typed;
        typed.fields[F::LastName] = QStringLiteral("Marlow");
        KeptCard kept;
        kept.properties = {{{}, "TITLE", {}, QStringLiteral("Surveyor"), {}}};
        document.replace(typed, kept, {QStringLiteral("/cards/marlow.vcf"), {}, {}});
        document.setText(F::Notes, QStringLiteral("unsent"));
        dialogs.answers = {c.yes};
        c.command();
        EXPECT_EQ(document.text(F::LastName).isEmpty(), c.replaced);
        EXPECT_EQ(document.kept().isEmpty(), c.replaced);
        EXPECT_EQ(document.edits().any(), !c.replaced);
        EXPECT_EQ(document.cameFrom().file.isEmpty(), c.replaced);
        // The new contact has an identity of its own.
        EXPECT_EQ(document.uid().startsWith(u"urn:uuid:new-"), c.replaced);
    }
}

TEST_F(Session, TheServersCopyTakenIsKeptWithWhereItCameFrom)
{
    session.takeServerCopy(stranger, QStringLiteral("https://dav.example/book/rossi.vcf"));
    EXPECT_EQ(document.text(F::FirstName), "Ada");
    EXPECT_TRUE(keptHas("TITLE"));
    EXPECT_EQ(document.cameFrom().server, "https://dav.example/book/rossi.vcf");
    EXPECT_TRUE(dialogs.questions.isEmpty());  // the user chose it: asking again would be noise

    const qsizetype said = dialogs.messages.size();
    session.takeServerCopy("not a card", QStringLiteral("https://dav.example/book/x.vcf"));
    EXPECT_EQ(dialogs.messages.size(), said + 1);  // a warning, and the contact as it was
    EXPECT_EQ(document.cameFrom().server, "https://dav.example/book/rossi.vcf");
}

}  // namespace
