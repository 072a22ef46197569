#include "core/DataSize.h"

#include <gtest/gtest.h>

#include <QLocale>

TEST(DataSize, TheNumberFollowsTheLocaleTheEnglishTextsStayAsTheyWere)
{
    const QLocale before;
    const struct {
        QLocale locale;
        qint64 bytes;
        QString kilobytes;
        QString megabytes;
        QString gigabytes;
    } cases[] = {
        {QLocale::c(), 0, "0 KB", "0.0 MB", "0.0 GB"},
        {QLocale::c(), 1, "1 KB", "0.0 MB", "0.0 GB"},
        {QLocale::c(), 1024, "1 KB", "0.0 MB", "0.0 GB"},
        {QLocale::c(), 1025, "2 KB", "0.0 MB", "0.0 GB"},
        {QLocale(QLocale::English, QLocale::UnitedStates), 2 * 1024 * 1024, "2048 KB", "2.0 MB", "0.0 GB"},
        {QLocale(QLocale::English, QLocale::UnitedStates), 300LL << 20, "307200 KB", "300.0 MB", "0.3 GB"},
        {QLocale(QLocale::German, QLocale::Germany), 3 * 1024 * 1024 / 2, "1536 KB", "1,5 MB", "0,0 GB"},
        {QLocale(QLocale::German, QLocale::Germany), 256LL << 20, "262144 KB", "256,0 MB", "0,3 GB"},
        {QLocale(QLocale::French, QLocale::France), 300LL << 20, "307200 KB", "300,0 MB", "0,3 GB"},
        {QLocale(QLocale::German, QLocale::Germany), 3LL << 30, "3145728 KB", "3072,0 MB", "3,0 GB"},
        {QLocale(QLocale::Russian, QLocale::Russia), 5 * 1024 * 1024 / 2, "2560 KB", "2,5 MB", "0,0 GB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString() + " " + std::to_string(c.bytes));
        QLocale::setDefault(c.locale);
        EXPECT_EQ(DataSize::kilobytes(c.bytes), c.kilobytes);
        EXPECT_EQ(DataSize::megabytes(c.bytes), c.megabytes);
        EXPECT_EQ(DataSize::gigabytes(c.bytes), c.gigabytes);
    }
    QLocale::setDefault(before);
}
