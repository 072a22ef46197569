#include "ContactSource.h"

const char* ContactSource::fieldName(Field field)
{
    static constexpr const char* names[FieldCount] = {
        "LastName",    "FirstName",   "MiddleInitial", "Company",     "Title",     "Email",       "WebsiteHome",
        "WebsiteWork", "HomeAddress", "HomeCity",      "HomeRegion",  "HomeZip",   "HomeCountry", "WorkAddress",
        "WorkCity",    "WorkRegion",  "WorkZip",       "WorkCountry", "HomeVoice", "HomeFax",     "WorkVoice",
        "WorkFax",     "Cellular",    "Pager",         "PhotoPath",   "Notes",
    };
    return names[field];
}

ContactRecord ContactRecord::of(const ContactSource& contact)
{
    ContactRecord r;
    for (int i = 0; i < FieldCount; ++i)
        r.fields[i] = contact.text(i);
    for (int k = 0; k < FlagCount; ++k)
        r.flags[k] = contact.checked(k);
    r.birthDate = contact.birthday();
    r.uidText = contact.uid();
    return r;
}
