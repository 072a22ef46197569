// The cards saved in another language: the words of the window change, the
// cards do not. German, French and Spanish use code page 1252 as English
// does, so all four cards are the English ones; Russian's ANSI card is in
// 1251, its UTF-8, 3.0 and 4.0 cards are the English ones.
#include "app/ScopedLanguage.h"
#include "support/FormHarness.h"
#include "support/Pictures.h"

#include <gtest/gtest.h>

#include <QDateEdit>
#include <QFile>
#include <QPushButton>

#include <map>

using F = ContactSource::Field;

using namespace TestSupport;

namespace {

enum class Card { Ansi, Utf8, Three, Four };

const std::pair<Card, const char*> cards[] = {
    {Card::Ansi, "ANSI"}, {Card::Utf8, "UTF-8"}, {Card::Three, "3.0"}, {Card::Four, "4.0"}};

struct Language {
    const char* name;
    bool ansiAsEnglish;  // the same ANSI code page as English
};

const Language languages[] = {{"de_DE", true}, {"fr_FR", true}, {"es_ES", true}, {"ru_RU", false}};

/// The worked example with letters of each language, a birthday, a flag,
/// notes over two lines and a photo.
void fill(FormHarness& h, const QString& photo)
{
    const ContactRecord c = workedExample();
    for (int i = 0; i < ContactSource::FieldCount; ++i)
        h.form->setText(i, c.fields[i]);
    h.form->setText(F::FirstName, QStringLiteral("Élodie"));
    h.form->setText(F::HomeCity, QStringLiteral("Münster"));
    h.form->setText(F::WorkCity, QStringLiteral("A Coruña"));
    h.form->setText(F::Notes, QStringLiteral("Жуков, 5:30\r\nœ € ß"));
    h.form->setText(F::PhotoPath, photo);
    h.form->setChecked(3, true);
    h.form->setBirthdayText(QStringLiteral("1984-03-07"));
}

/// Each card saved through the window's commands, in the current language.
std::map<Card, QByteArray> savedCards(const QTemporaryDir& dir, const QString& photo)
{
    FormHarness h;
    fill(h, photo);
    std::map<Card, QByteArray> saved;
    for (const auto& [card, name] : cards) {
        const QString path = dir.filePath(QString::fromLatin1(name) + QStringLiteral(".vcf"));
        switch (card) {
        case Card::Ansi:
            h.dialogs.choose(path);
            h.form->pushButton(1)->click();
            break;
        case Card::Utf8:
            h.dialogs.choose(path);
            h.form->pushButton(3)->click();
            break;
        case Card::Three:
        case Card::Four:
            h.dialogs.choose(path, card == Card::Three ? 0 : 1);
            h.form->exportCard();
            break;
        }
        EXPECT_EQ(h.dialogs.messages.size(), saved.size() + 1) << name;  // "Done." in its language
        saved[card] = readFile(path);
    }
    return saved;
}

/// REV says when a card was saved: the one line that may differ.
QByteArray withoutRevision(QByteArray card)
{
    const qsizetype at = card.indexOf("\r\nREV:");
    if (at >= 0)
        card.remove(at, card.indexOf("\r\n", at + 2) - at);
    return card;
}

}  // namespace

TEST(TranslatedCards, EachLanguageSavesTheEnglishCardsButRussianItsOwnCodePage)
{
    QTemporaryDir dir;
    const QString photo = dir.filePath(QStringLiteral("photo.bmp"));
    writeFile(photo, pictureBytes({24, 16}, "BMP"));
    std::map<Card, QByteArray> english;
    {
        const ScopedEnvironment all("LC_ALL", "en_US.UTF-8");
        QTemporaryDir out;
        english = savedCards(out, photo);
    }
    ASSERT_TRUE(english[Card::Ansi].contains("M\xFCnster"));  // code page 1252
    ASSERT_TRUE(english[Card::Utf8].contains("M\xC3\xBCnster"));
    ASSERT_TRUE(english[Card::Four].contains("VERSION:4.0"));
    for (const Language& language : languages) {
        SCOPED_TRACE(language.name);
        const ScopedEnvironment all("LC_ALL", QByteArray(language.name) + ".UTF-8");
        const ScopedLanguage scoped{QLocale(QString::fromLatin1(language.name))};
        ASSERT_TRUE(scoped.translated());
        QTemporaryDir out;
        std::map<Card, QByteArray> saved = savedCards(out, photo);
        for (const auto& [card, name] : cards) {
            if (card == Card::Ansi && !language.ansiAsEnglish)
                continue;
            EXPECT_EQ(withoutRevision(saved[card]), withoutRevision(english[card])) << name;
        }
        if (!language.ansiAsEnglish) {
            EXPECT_TRUE(saved[Card::Ansi].contains("\xC6\xF3\xEA\xEE\xE2"));  // Жуков in code page 1251
        }
    }
}

TEST(TranslatedCards, TheBirthdayAndASizeInAMessageReadAsTheLanguageWritesThem)
{
    QTemporaryDir dir;
    // Sparse: 300 MB long, nothing on disk; too large to open, and the message says how large.
    const QString big = dir.filePath(QStringLiteral("big.vcf"));
    QFile file(big);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(300LL * 1024 * 1024));
    file.close();
    const struct {
        const char* name;
        QString birthday;
        QString size;  // the file's and the limit's
    } cases[] = {
        {"en_US", "3/7/1984", "it is 300.0 MB, larger than any contact card (256.0 MB at most)"},
        {"de_DE", "07.03.1984", "300,0 MB"},
        {"fr_FR", "07/03/1984", "300,0\u00a0Mo"},
        {"es_ES", "7/3/1984", "300,0 MB"},
        {"ru_RU", "07.03.1984", "300,0 \u041c\u0411"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ScopedLanguage scoped{QLocale(QString::fromLatin1(c.name))};
        FormHarness h;
        h.form->setBirthdayText(QStringLiteral("1984-03-07"));
        EXPECT_EQ(h.find<QDateEdit>("dtpBirthday")->text(), c.birthday);
        h.form->openCard(big);
        ASSERT_EQ(h.dialogs.messages.size(), 1);
        EXPECT_TRUE(h.dialogs.messages[0].text.contains(c.size)) << h.dialogs.messages[0].text.toStdString();
        EXPECT_EQ(h.document->birthday(), QDate(1984, 3, 7));  // the refused card changed nothing
    }
}
