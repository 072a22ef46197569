#pragma once

#include <QDate>
#include <QString>

#include <array>

/**
 * Read-only view of one contact as the form holds it: the 26 text fields,
 * the six "preferred" flags of the phone fields, the birthday and the
 * contact's identity.
 */
class ContactSource {
public:
    static constexpr int FieldCount = 26;
    static constexpr int FlagCount = 6;

    /// Indexes of the fields that other code reads by name.
    enum Field : int {
        LastName = 0,
        FirstName = 1,
        MiddleInitial = 2,
        Company = 3,
        Title = 4,
        Email = 5,
        WebsiteHome = 6,
        WebsiteWork = 7,
        HomeAddress = 8,
        WorkAddress = 13,
        HomeVoice = 18,
        PhotoPath = 24,
        Notes = 25,
    };

    virtual ~ContactSource() = default;

    /// The whole text of field @p i (0 to 25); line breaks are CR LF.
    virtual QString text(int i) const = 0;
    /// Whether the flag @p k (0 to 5) of phone field 18 + k is ticked.
    virtual bool checked(int k) const = 0;
    /// The birthday; an invalid date when none was given.
    virtual QDate birthday() const = 0;
    /// The contact's lasting identity ("urn:uuid:..."), written into 3.0
    /// and 4.0 cards; "" while it has none.
    virtual QString uid() const = 0;
};

/// A contact held as a plain value.
class ContactRecord : public ContactSource {
public:
    QString text(int i) const override { return fields.at(i); }
    bool checked(int k) const override { return flags.at(k); }
    QDate birthday() const override { return birthDate; }
    QString uid() const override { return uidText; }

    std::array<QString, FieldCount> fields;
    std::array<bool, FlagCount> flags{};
    QDate birthDate;
    QString uidText;
};
