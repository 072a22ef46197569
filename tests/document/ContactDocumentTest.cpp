#include "document/ContactDocument.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <functional>

namespace {

using F = ContactSource::Field;

/// What a card read from elsewhere gave the form.
ContactRecord asRead()
{
    ContactRecord read;
    read.fields[F::LastName] = QStringLiteral("Rossi");
    read.fields[F::Title] = QStringLiteral("Dr.");
    read.fields[F::PhotoPath] = QStringLiteral("/photos/Rossi-1a2b3c4d.jpg");
    read.flags[0] = true;
    read.birthDate = QDate(1970, 3, 4);
    read.uidText = QStringLiteral("urn:uuid:read");
    return read;
}

KeptCard keptOf(const ContactRecord& read)
{
    KeptCard kept;
    kept.version = 30;
    kept.properties = {{{}, "TITLE", {}, QStringLiteral("Surveyor"), {}}};
    kept.asRead = read;
    return kept;
}

/// Which parts of the contact count as changed, as one line to compare.
QString changed(const CardEdits& edits)
{
    QStringList parts;
    for (int i = 0; i < ContactSource::FieldCount; ++i)
        if (edits.fields[i])
            parts << QStringLiteral("field %1").arg(i);
    for (int k = 0; k < ContactSource::FlagCount; ++k)
        if (edits.flags[k])
            parts << QStringLiteral("flag %1").arg(k);
    if (edits.birthday)
        parts << QStringLiteral("birthday");
    if (edits.photo)
        parts << QStringLiteral("photo");
    return parts.join(u", ");
}

QString fieldsNamed(std::initializer_list<int> fields)
{
    QStringList parts;
    for (const int i : fields)
        parts << QStringLiteral("field %1").arg(i);
    return parts.join(u", ");
}

struct Change {
    const char* name;
    std::function<void(ContactDocument&)> make;
    QString changed;  ///< what counts as changed afterwards
};

TEST(ContactDocument, EachChangeOfTheUserMarksWhatItChangedAndNothingElse)
{
    const Change changes[] = {
        {"a key in a field", [](ContactDocument& d) { d.setText(F::Company, QStringLiteral("Quay")); },
         fieldsNamed({F::Company})},
        {"a field emptied", [](ContactDocument& d) { d.setText(F::Title, QString()); }, fieldsNamed({F::Title})},
        {"the notes", [](ContactDocument& d) { d.setText(F::Notes, QStringLiteral("a\r\nb")); },
         fieldsNamed({F::Notes})},
        {"the photo's file", [](ContactDocument& d) { d.setText(F::PhotoPath, QStringLiteral("/b.jpg")); },
         fieldsNamed({F::PhotoPath}) + QStringLiteral(", photo")},
        {"a flag ticked", [](ContactDocument& d) { d.setChecked(3, true); }, QStringLiteral("flag 3")},
        {"a flag cleared", [](ContactDocument& d) { d.setChecked(0, false); }, QStringLiteral("flag 0")},
        {"a flag set as it was", [](ContactDocument& d) { d.setChecked(0, true); }, QString()},
        {"the birthday", [](ContactDocument& d) { d.setBirthday(QDate(1971, 1, 1)); }, QStringLiteral("birthday")},
        {"the birthday as it was", [](ContactDocument& d) { d.setBirthday(QDate(1970, 3, 4)); }, QString()},
        {"a new identity", [](ContactDocument& d) { d.setUid(QStringLiteral("urn:uuid:other")); }, QString()},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        ContactDocument document;
        document.replace(asRead(), keptOf(asRead()), {QStringLiteral("/cards/rossi.vcf"), {}, {}});
        QSignalSpy told(&document, &ContactDocument::contactChanged);
        change.make(document);
        EXPECT_EQ(changed(document.edits()), change.changed);
        EXPECT_EQ(told.count(), change.changed.isEmpty() && document.uid() == asRead().uidText ? 0 : 1);
        // What the card was read from stays: only a new card or New replaces it.
        EXPECT_EQ(document.kept().properties.size(), 1);
        EXPECT_EQ(document.cameFrom().file, "/cards/rossi.vcf");
    }
}

TEST(ContactDocument, ReplacingForgetsTheChangesAndTellsOnlyTheValuesThatDiffer)
{
    ContactDocument document;
    document.setText(F::LastName, QStringLiteral("Rossi"));
    document.setText(F::FirstName, QStringLiteral("Ada"));
    document.setChecked(2, true);
    QSignalSpy fields(&document, &ContactDocument::fieldChanged);
    QSignalSpy flags(&document, &ContactDocument::flagChanged);
    QSignalSpy kept(&document, &ContactDocument::keptChanged);

    document.replace(asRead(), keptOf(asRead()), {{}, QStringLiteral("https://dav.example/a.vcf"), "\"7\""});

    EXPECT_EQ(changed(document.edits()), QString());
    EXPECT_EQ(document.contact().fields, asRead().fields);
    EXPECT_EQ(document.uid(), "urn:uuid:read");
    EXPECT_EQ(document.cameFrom(), (CameFrom{{}, QStringLiteral("https://dav.example/a.vcf"), "\"7\""}));
    // Last Name was Rossi already: the first name, the title and the photo's file changed.
    QList<int> told;
    for (const QList<QVariant>& signal : fields)
        told << signal.at(0).toInt();
    EXPECT_EQ(told, (QList<int>{F::FirstName, F::Title, F::PhotoPath}));
    EXPECT_EQ(flags.count(), 2);  // flag 0 ticked, flag 2 cleared
    EXPECT_EQ(kept.count(), 1);

    document.replace(ContactRecord(), KeptCard());
    EXPECT_TRUE(document.kept().isEmpty());
    EXPECT_FALSE(document.holdsTyping());
    EXPECT_EQ(document.cameFrom(), CameFrom());
}

TEST(ContactDocument, RestoredChangesAreWhatDiffersFromTheCardAsReadButNeverTheFlags)
{
    ContactRecord remembered = asRead();
    remembered.fields[F::Email] = QStringLiteral("ada@example.org");
    remembered.fields[F::Title].clear();
    remembered.flags = {false, true, false, false, false, true};
    remembered.birthDate = QDate(1970, 3, 5);

    ContactDocument document;
    document.setChecked(4, true);  // a change before the restore counts for nothing after it
    document.restore(remembered, keptOf(asRead()));

    EXPECT_EQ(changed(document.edits()), fieldsNamed({F::Title, F::Email}) + QStringLiteral(", birthday"));
    EXPECT_EQ(document.contact().flags, remembered.flags);
    EXPECT_EQ(document.kept().properties.size(), 1);

    // Without a card, everything typed counts as changed.
    document.restore(remembered, KeptCard());
    EXPECT_EQ(changed(document.edits()),
              fieldsNamed({F::LastName, F::Email, F::PhotoPath}) + QStringLiteral(", birthday, photo"));
}

TEST(ContactDocument, HoldsTypingOnceAnythingIsTypedTickedOrSet)
{
    const std::function<void(ContactDocument&)> typing[] = {
        [](ContactDocument& d) { d.setText(F::Notes, QStringLiteral(" ")); },
        [](ContactDocument& d) { d.setText(F::HomeVoice, QStringLiteral("1")); },
        [](ContactDocument& d) { d.setChecked(5, true); },
        [](ContactDocument& d) { d.setBirthday(QDate(2000, 1, 1)); },
    };
    for (const auto& type : typing) {
        ContactDocument document;
        EXPECT_FALSE(document.holdsTyping());
        type(document);
        EXPECT_TRUE(document.holdsTyping());
    }
    ContactDocument named;
    named.setUid(QStringLiteral("urn:uuid:x"));
    EXPECT_FALSE(named.holdsTyping());  // an identity alone is nothing typed
}

}  // namespace
