#include "ui/WindowPlace.h"

#include <gtest/gtest.h>

#include <QDebug>

namespace {

std::string shown(const QRect& r)
{
    QString text;
    QDebug(&text) << r;
    return text.toStdString();
}

}  // namespace

TEST(WindowPlace, BesideTheFormWhereTheScreenHasRoomElseCoveringItLeast)
{
    const QSize size(400, 480);
    const QRect wide(0, 0, 1920, 1080);
    const struct {
        const char* what;
        QRect screen;
        QRect form;
        QSize minimum;
        QRect expected;
    } cases[] = {
        {"room on the right", wide, {100, 100, 682, 660}, {300, 300}, {790, 100, 400, 480}},
        {"room on the left only", wide, {1200, 100, 682, 660}, {300, 300}, {792, 100, 400, 480}},
        {"a 1280 screen, the form in the middle: narrowed to the room",
         {0, 0, 1280, 1024},
         {299, 182, 682, 660},
         {250, 300},
         {989, 182, 291, 480}},
        {"the same, narrowed to its least", {0, 0, 1280, 1024}, {299, 182, 682, 660}, {300, 300}, {980, 182, 300, 480}},
        {"a tall screen: below", {0, 0, 1080, 1920}, {200, 100, 682, 660}, {300, 300}, {200, 768, 400, 480}},
        {"a screen smaller than both", {0, 0, 800, 600}, {0, 0, 682, 660}, {350, 300}, {450, 0, 350, 480}},
        {"a screen left of the first",
         {-1920, 0, 1920, 1080},
         {-1000, 100, 682, 660},
         {300, 300},
         {-1408, 100, 400, 480}},
    };
    for (const auto& c : cases) {
        const QRect place = WindowPlace::beside(c.form, size, c.minimum, c.screen);
        EXPECT_EQ(place, c.expected) << c.what << ": " << shown(place);
        EXPECT_TRUE(c.screen.contains(place)) << c.what;
    }
}

TEST(WindowPlace, ARememberedPlaceIsFittedToTheScreensThereAreNow)
{
    const QList<QRect> one{{0, 0, 1920, 1080}};
    const QList<QRect> two{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    const struct {
        const char* what;
        QRect remembered;
        QList<QRect> screens;
        QRect expected;
    } cases[] = {
        {"where it was", {100, 100, 400, 480}, one, {100, 100, 400, 480}},
        {"larger than any screen", {0, 0, 16000000, 16000000}, one, {0, 0, 1920, 1080}},
        {"on a screen since unplugged", {2500, 200, 400, 480}, one, {1520, 200, 400, 480}},
        {"far off to the left and above", {-90000, -90000, 400, 480}, one, {0, 0, 400, 480}},
        {"on the second screen", {2000, 100, 400, 480}, two, {2000, 100, 400, 480}},
        {"larger than the second screen it is on", {1950, 0, 1500, 1500}, two, {1920, 0, 1280, 1024}},
        {"partly past the edge, its title bar in reach", {1700, 40, 320, 400}, one, {1700, 40, 320, 400}},
        {"its title bar above the screen", {100, -300, 400, 480}, one, {100, 0, 400, 480}},
        {"no size", {10, 10, 0, 480}, one, {}},
        {"a negative size", {10, 10, -400, 480}, one, {}},
        {"no screen", {10, 10, 400, 480}, {}, {}},
    };
    for (const auto& c : cases) {
        const QRect place = WindowPlace::onScreens(c.remembered, c.screens);
        EXPECT_EQ(place, c.expected) << c.what << ": " << shown(place);
    }
}
