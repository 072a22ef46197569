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

    /// The fields by name, in the designed order of the form's boxes: the
    /// one place where a field's number means anything.
    enum Field : int {
        LastName,
        FirstName,
        MiddleInitial,
        Company,
        Title,
        Email,
        WebsiteHome,
        WebsiteWork,
        HomeAddress,
        HomeCity,
        HomeRegion,
        HomeZip,
        HomeCountry,
        WorkAddress,
        WorkCity,
        WorkRegion,
        WorkZip,
        WorkCountry,
        HomeVoice,
        HomeFax,
        WorkVoice,
        WorkFax,
        Cellular,
        Pager,
        PhotoPath,
        Notes,
    };
    static_assert(Notes + 1 == FieldCount);

    /// The phone fields in the order of their "preferred" flags: flag k
    /// belongs to phoneFields[k].
    static constexpr std::array<Field, FlagCount> phoneFields = {HomeVoice, HomeFax,  WorkVoice,
                                                                 WorkFax,   Cellular, Pager};
    /// The five fields of an address (street, city, region, zip, country).
    using Address = std::array<Field, 5>;
    static constexpr Address homeAddress = {HomeAddress, HomeCity, HomeRegion, HomeZip, HomeCountry};
    static constexpr Address workAddress = {WorkAddress, WorkCity, WorkRegion, WorkZip, WorkCountry};

    /// The flag of phone field @p phone.
    static constexpr int flagOf(Field phone) { return phone - HomeVoice; }
    /// The field's name as code and test messages spell it ("LastName").
    static const char* fieldName(Field field);

    virtual ~ContactSource() = default;

    /// The whole text of field @p i (0 to 25); line breaks are CR LF.
    virtual QString text(int i) const = 0;
    /// Whether the flag @p k (0 to 5) of phone field 18 + k is ticked.
    virtual bool checked(int k) const = 0;
    /// Whether the flag of phone field @p phone is ticked.
    bool flag(Field phone) const { return checked(flagOf(phone)); }
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

    /// A snapshot of @p contact.
    static ContactRecord of(const ContactSource& contact);

    using ContactSource::flag;
    bool& flag(Field phone) { return flags[flagOf(phone)]; }

    std::array<QString, FieldCount> fields;
    std::array<bool, FlagCount> flags{};
    QDate birthDate;
    QString uidText;
};
