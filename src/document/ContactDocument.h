#pragma once

#include "core/ContactSource.h"
#include "vcard/KeptCard.h"

#include <QObject>

/// Where the contact in the document came from; all empty for one begun here.
struct CameFrom {
    QString file;     ///< the card file it was opened from
    QString server;   ///< the address of the server's copy it was loaded from
    QByteArray etag;  ///< that copy's version, when the server said it
    bool operator==(const CameFrom&) const = default;
};

/**
 * The contact being edited, without any widget: the form's values, the
 * flags, the birthday and the identity, the card they were read from as it
 * was read, what the user changed since, and where it came from. The window
 * is a view of it; the commands act on it.
 *
 * A change made by the user (setText(), setChecked(), setBirthday()) costs
 * the value and one edit bit, nothing more: it runs at every keystroke.
 */
class ContactDocument : public QObject, public ContactSource {
    Q_OBJECT
public:
    QString text(int i) const override { return m_contact.fields.at(i); }
    bool checked(int k) const override { return m_contact.flags.at(k); }
    QDate birthday() const override { return m_contact.birthDate; }
    QString uid() const override { return m_contact.uidText; }

    /// The contact as a plain value.
    const ContactRecord& contact() const { return m_contact; }
    /// The card it was read from; empty for one begun here.
    const KeptCard& kept() const { return m_kept; }
    /// What the user changed since it was read or begun.
    const CardEdits& edits() const { return m_edits; }
    const CameFrom& cameFrom() const { return m_from; }

    /// The user's changes: each sets the value and marks it changed.
    void setText(int i, const QString& text);
    void setChecked(int k, bool checked);
    void setBirthday(const QDate& date);
    /// Gives the contact the identity @p uid; an identity is not an edit.
    void setUid(const QString& uid);

    /**
     * Replaces the whole contact by @p contact, read from @p kept (empty
     * for a new contact), with nothing changed yet: opening a card, taking
     * the server's copy, New.
     */
    void replace(const ContactRecord& contact, const KeptCard& kept, const CameFrom& from = {});
    /**
     * Puts back what was remembered at the last run: @p contact as the form
     * held it, read from @p kept. What differs from the card as read counts
     * as changed; the flags never do, since their boxes start clear. @p from
     * is the server's copy it was last opened from or sent to, if any.
     */
    void restore(const ContactRecord& contact, const KeptCard& kept, const CameFrom& from = {});

    /// Where the contact is now, as a send or a delete on the server moved
    /// it; the values and the edits stay as they are.
    void setCameFrom(const CameFrom& from);

    /// Whether anything was typed, ticked or set that replacing would lose.
    bool holdsTyping() const;

    /// The date an ISO or short-form (the system's) text names; none for other text.
    static QDate dateFromText(const QString& text);

signals:
    void fieldChanged(int i);
    void flagChanged(int k, bool checked);
    void birthdayChanged(const QDate& date);
    void uidChanged(const QString& uid);
    /// Anything of the contact changed: a field, a flag, the birthday, its identity.
    void contactChanged();
    /// The kept card was replaced: a card opened or taken from the server, New.
    void keptChanged();
    /// Where the contact came from changed: opened, sent, deleted on the server.
    void cameFromChanged(const CameFrom& from);

private:
    /// Sets every value of @p contact, telling each change as a user's would be told.
    void setAll(const ContactRecord& contact);

    ContactRecord m_contact;
    KeptCard m_kept;
    CardEdits m_edits;
    CameFrom m_from;
};
