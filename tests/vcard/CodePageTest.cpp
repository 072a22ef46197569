#include "vcard/CodePage.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QList>
#include <QPair>
#include <QtGlobal>

namespace {

/// No locale variable set, until a test sets one.
class LocaleEnvironment : public ::testing::Test {
protected:
    TestSupport::ScopedEnvironment all{"LC_ALL", QByteArray()};
    TestSupport::ScopedEnvironment ctype{"LC_CTYPE", QByteArray()};
    TestSupport::ScopedEnvironment lang{"LANG", QByteArray()};
};

QByteArray inPage(const QString& text, int codePage)
{
    return CodePage::fromUnicode(text, codePage);
}

/// How many characters of @p text the code page could not hold exactly.
qsizetype lost(const QString& text, int codePage)
{
    qsizetype inexact = -1;
    CodePage::fromUnicode(text, codePage, &inexact);
    return inexact;
}

}  // namespace

TEST(CodePage, LocaleTable)
{
    const QList<QPair<const char*, int>> cases = {
        {"C", 1252},
        {"POSIX", 1252},
        {"", 1252},
        {"en_US.UTF-8", 1252},
        {"de_DE", 1252},
        {"fr_CA.UTF-8", 1252},
        {"pt_BR", 1252},
        {"es_MX.utf8", 1252},
        {"nl_NL@euro", 1252},
        {"pl_PL.UTF-8", 1250},
        {"cs_CZ", 1250},
        {"hu_HU", 1250},
        {"hr_HR", 1250},
        {"ro_RO", 1250},
        {"ru_RU.UTF-8", 1251},
        {"uk_UA.UTF-8", 1251},
        {"bg_BG", 1251},
        {"be_BY", 1251},
        {"sr_RS", 1251},
        {"sr_RS@latin", 1250},
        {"uz_UZ", 1254},
        {"uz_UZ@cyrillic", 1251},
        {"el_GR.UTF-8", 1253},
        {"tr_TR.UTF-8", 1254},
        {"az_AZ", 1254},
        {"he_IL", 1255},
        {"ar_EG.UTF-8", 1256},
        {"fa_IR", 1256},
        {"lt_LT", 1257},
        {"lv_LV", 1257},
        {"et_EE", 1257},
        {"vi_VN", 1258},
        {"th_TH.UTF-8", 874},
        {"ja_JP.UTF-8", 932},
        {"ja_JP.eucJP", 932},
        {"ko_KR.UTF-8", 949},
        {"zh_CN.UTF-8", 936},
        {"zh_SG", 936},
        {"zh", 936},
        {"zh_TW.UTF-8", 950},
        {"zh_HK", 950},
        {"zh_MO", 950},
        {"zh-Hant", 950},
        {"zh-Hans", 936},
        {"zh-Hant-TW", 950},
        {"zh_Hant_TW.UTF-8", 950},
        {"zh-Hans-CN", 936},
        {"sr-Latn-RS", 1250},
        {"sr_Cyrl_RS", 1251},
        {"uz-Cyrl-UZ", 1251},
        {"uz-Latn-UZ", 1254},
    };
    for (const auto& [name, page] : cases)
        EXPECT_EQ(CodePage::forLocale(name), page) << name;
}

TEST_F(LocaleEnvironment, LcAllThenLcCtypeThenLang)
{
    EXPECT_EQ(CodePage::ofEnvironment(), 1252);
    qputenv("LANG", "ru_RU.UTF-8");
    EXPECT_EQ(CodePage::ofEnvironment(), 1251);
    qputenv("LC_CTYPE", "el_GR.UTF-8");
    EXPECT_EQ(CodePage::ofEnvironment(), 1253);
    qputenv("LC_ALL", "ja_JP.UTF-8");
    EXPECT_EQ(CodePage::ofEnvironment(), 932);
    qputenv("LC_ALL", "");  // empty counts as unset
    EXPECT_EQ(CodePage::ofEnvironment(), 1253);
}

TEST(CodePage, ExactCharacters)
{
    EXPECT_EQ(inPage(QStringLiteral("Tessa"), 1252), "Tessa");
    EXPECT_EQ(inPage(QStringLiteral("é€"), 1252), "\xE9\x80");
    EXPECT_EQ(inPage(QStringLiteral("Жж"), 1251), "\xC6\xE6");
    EXPECT_EQ(inPage(QStringLiteral("Łź"), 1250), "\xA3\x9F");
    EXPECT_EQ(inPage(QStringLiteral("Ωα"), 1253), "\xD9\xE1");
    EXPECT_EQ(inPage(QStringLiteral("日本"), 932), "\x93\xFA\x96\x7B");
    EXPECT_EQ(inPage(QStringLiteral("a\\b"), 932), "a\\b");
    EXPECT_EQ(inPage(QStringLiteral("ã"), 1258), "a\xDE");  // 1258 holds it as letter and mark
    for (const auto& [text, page] :
         {std::pair{u"Tessa?", 1252}, {u"é€", 1252}, {u"Жж", 1251}, {u"日本", 932}, {u"ã", 1258}})
        EXPECT_EQ(lost(QString::fromUtf16(text), page), 0) << page;
}

TEST(CodePage, MissingCharactersBecomeOneCharacterEach)
{
    EXPECT_EQ(inPage(QStringLiteral("Łukasz Ā"), 1252), "Lukasz A");
    EXPECT_EQ(inPage(QStringLiteral("Жанна"), 1252), "?????");
    EXPECT_EQ(inPage(QStringLiteral("a😀b"), 1252), "a?b");  // a surrogate pair is one character
    EXPECT_EQ(inPage(QStringLiteral("ﬁx"), 1252), "?x");    // no several-letter spellings
    EXPECT_EQ(inPage(QStringLiteral("é日"), 1251), "e?");
    EXPECT_EQ(inPage(QString(QChar(0xD800)) + u'z', 1252), "?z");  // lone surrogate
    const QByteArray mixed = inPage(QStringLiteral("ÀЖ😀ő\r\n"), 1252);
    EXPECT_EQ(mixed, "\xC0??o\r\n");

    // Every substitute counts, a close equivalent as much as "?".
    EXPECT_EQ(lost(QStringLiteral("Łukasz Ā"), 1252), 2);
    EXPECT_EQ(lost(QStringLiteral("Жанна"), 1252), 5);
    EXPECT_EQ(lost(QStringLiteral("ÀЖ😀ő\r\n"), 1252), 3);
    EXPECT_EQ(lost(QStringLiteral("é日"), 1251), 2);
    EXPECT_EQ(lost(QString(QChar(0xD800)) + u'é', 1252), 1);
    EXPECT_EQ(inPage(QStringLiteral("a\U000E0025b"), 1252), "a?b");  // iconv alone would drop it
    EXPECT_EQ(lost(QStringLiteral("a\U000E0025b"), 1252), 1);
}
