// The settings file reader over arbitrary bytes: whatever it reads, it
// writes in a form that reads back to the same settings.
#include "FuzzSupport.h"
#include "settings/IniFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QSettings::SettingsMap map;
    IniFormat::read(QByteArrayView(data, qsizetype(size)), map);
    const QByteArray written = IniFormat::write(map);
    QSettings::SettingsMap again;
    FUZZ_CHECK(IniFormat::read(written, again));
    FUZZ_CHECK(again.keys() == map.keys());
    FUZZ_CHECK(IniFormat::write(again) == written);
    return 0;
}
