#include "document/ContactDocument.h"

#include <QLocale>

#include <algorithm>

void ContactDocument::setText(int i, const QString& text)
{
    m_contact.fields.at(i) = text;
    m_edits.fields.at(i) = true;
    if (i == PhotoPath)
        m_edits.photo = true;
    emit fieldChanged(i);
    emit contactChanged();
}

void ContactDocument::setChecked(int k, bool checked)
{
    if (m_contact.flags.at(k) == checked)
        return;
    m_contact.flags.at(k) = checked;
    m_edits.flags.at(k) = true;
    emit flagChanged(k, checked);
    emit contactChanged();
}

void ContactDocument::setBirthday(const QDate& date)
{
    if (date == m_contact.birthDate)
        return;
    m_contact.birthDate = date;
    m_edits.birthday = true;
    emit birthdayChanged(date);
    emit contactChanged();
}

void ContactDocument::setUid(const QString& uid)
{
    if (uid == m_contact.uidText)
        return;
    m_contact.uidText = uid;
    emit uidChanged(uid);
    emit contactChanged();
}

void ContactDocument::replace(const ContactRecord& contact, const KeptCard& kept, const CameFrom& from)
{
    setAll(contact);
    m_edits = {};
    m_kept = kept;
    setCameFrom(from);
    emit keptChanged();
}

void ContactDocument::restore(const ContactRecord& contact, const KeptCard& kept, const CameFrom& from)
{
    setAll(contact);
    m_kept = kept;
    m_from = from;
    // Derived, not stored: remembering them would write a file at every keystroke.
    const ContactRecord& read = kept.asRead;
    m_edits = {};
    for (int i = 0; i < FieldCount; ++i)
        m_edits.fields[i] = contact.fields[i] != read.fields[i];
    m_edits.birthday = contact.birthDate != read.birthDate;
    m_edits.photo = m_edits.fields[PhotoPath];
    emit keptChanged();
}

void ContactDocument::setCameFrom(const CameFrom& from)
{
    if (from == m_from)
        return;
    m_from = from;
    emit cameFromChanged(from);
}

void ContactDocument::setAll(const ContactRecord& contact)
{
    // Each value that changes is told, so that the views and the remembered
    // form follow as they follow typing.
    for (int i = 0; i < FieldCount; ++i) {
        if (m_contact.fields[i] != contact.fields[i]) {
            m_contact.fields[i] = contact.fields[i];
            emit fieldChanged(i);
        }
    }
    for (int k = 0; k < FlagCount; ++k) {
        if (m_contact.flags[k] != contact.flags[k]) {
            m_contact.flags[k] = contact.flags[k];
            emit flagChanged(k, contact.flags[k]);
        }
    }
    if (m_contact.birthDate != contact.birthDate) {
        m_contact.birthDate = contact.birthDate;
        emit birthdayChanged(contact.birthDate);
    }
    setUid(contact.uidText);
    emit contactChanged();
}

bool ContactDocument::holdsTyping() const
{
    const auto typed = [](const QString& text) { return !text.isEmpty(); };
    return std::any_of(m_contact.fields.cbegin(), m_contact.fields.cend(), typed) ||
           std::find(m_contact.flags.cbegin(), m_contact.flags.cend(), true) != m_contact.flags.cend() ||
           m_contact.birthDate.isValid();
}

QDate ContactDocument::dateFromText(const QString& text)
{
    const QString trimmed = text.trimmed();
    const QDate date = QDate::fromString(trimmed, Qt::ISODate);
    return date.isValid() ? date : QLocale::system().toDate(trimmed, QLocale::ShortFormat);
}
