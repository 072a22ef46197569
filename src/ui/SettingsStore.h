#pragma once

#include <QDate>
#include <QSettings>
#include <QString>

/**
 * The remembered form: one entry for each text field, the birthday and the
 * selected page, in the user's settings file
 * ($XDG_CONFIG_HOME/Veltrask/Quillmere.conf). Every write reaches the file
 * before it returns; the file is replaced atomically, and entries written
 * by another copy of the program are kept.
 */
class SettingsStore {
public:
    /// The user's store.
    SettingsStore();
    /// A store kept in the file @p fileName.
    explicit SettingsStore(const QString& fileName);

    /// The file that holds the entries.
    QString fileName() const;

    /// The remembered text of field @p i, "" when none or unreadable.
    QString fieldText(int i) const;
    /// The remembered birthday as text, "" when none or unreadable.
    QString birthDayText() const;
    /// The remembered page as text, "0" when none or unreadable.
    QString tabPageText() const;

    /// These return false when the entry could not be written.
    bool setFieldText(int i, const QString& text);
    bool setBirthDay(const QDate& date);
    bool setTabPage(int page);

private:
    QString readString(const QString& key) const;
    bool write(const QString& key, const QString& value);
    void clearAbandonedLock() const;
    void removeAbandonedTemporaries() const;
    void moveModificationTimeOn() const;

    mutable QSettings m_settings;
};
