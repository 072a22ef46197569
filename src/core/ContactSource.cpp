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
