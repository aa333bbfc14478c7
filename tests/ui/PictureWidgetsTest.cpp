#include "ui/AppIcon.h"
#include "ui/GifControl.h"
#include "ui/PictureControl.h"

#include "tests/support/TempDir.h"
#include "tests/support/WaitFor.h"

#include <QApplication>
#include <QIcon>
#include <QMovie>

#include <gtest/gtest.h>

namespace lumivane {
namespace {

using test::fixturePath;
using test::readFile;
using test::waitFor;

QByteArray fixture(const std::string& name)
{
    const auto bytes = readFile(fixturePath("ui/" + name));
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

TEST(PictureControl, TakesThePictureSize)
{
    PictureControl control;
    ASSERT_TRUE(control.loadFromData(fixture("still.jpg"), "jpeg"));
    EXPECT_EQ(control.size(), QSize(98, 40));
    ASSERT_TRUE(control.loadFromData(fixture("still.bmp"), "bmp"));
    EXPECT_EQ(control.size(), QSize(20, 10));
    ASSERT_TRUE(control.loadFromData(fixture("icon.ico"), "ico"));
    EXPECT_EQ(control.size(), QSize(32, 32));
}

TEST(PictureControl, DamagedOrMislabelledDataKeepsThePicture)
{
    PictureControl control;
    ASSERT_TRUE(control.loadFromData(fixture("still.jpg"), "jpeg"));
    EXPECT_FALSE(control.loadFromData("not an image at all", "jpeg"));
    EXPECT_FALSE(control.loadFromData(fixture("still.jpg").left(200), "bmp"));
    EXPECT_FALSE(control.loadFromData({}, "jpeg"));
    EXPECT_EQ(control.size(), QSize(98, 40));
}

TEST(GifControl, AnimatesAndTakesTheImageSize)
{
    GifControl control;
    ASSERT_TRUE(control.loadFromData(fixture("anim-loop.gif")));
    EXPECT_EQ(control.size(), QSize(120, 60));
    EXPECT_TRUE(control.isPlaying());
    ASSERT_NE(control.movie(), nullptr);
    EXPECT_EQ(control.movie()->frameCount(), 2);
}

TEST(GifControl, KeepsLoopingAGifThatWouldPlayOnce)
{
    GifControl control;
    ASSERT_TRUE(control.loadFromData(fixture("anim-once.gif")));
    int frames = 0;
    QObject::connect(control.movie(), &QMovie::frameChanged, [&frames] { ++frames; });
    // Two frames per pass: more than three changes means a second pass started.
    EXPECT_TRUE(waitFor([&] { return frames > 5; }));
    EXPECT_TRUE(control.isPlaying());
}

TEST(GifControl, DamagedDataKeepsTheImage)
{
    GifControl control;
    ASSERT_TRUE(control.loadFromData(fixture("anim-loop.gif")));
    EXPECT_FALSE(control.loadFromData("GIF89a then nothing useful"));
    EXPECT_FALSE(control.loadFromData(fixture("still.jpg")));
    EXPECT_EQ(control.size(), QSize(120, 60));
    EXPECT_TRUE(control.isPlaying());
}

TEST(AppIcon, LoadsAnIconFileAndIgnoresOthers)
{
    test::TempDir dir;
    test::writeFile(dir.file("main.ico"), "garbage");
    QApplication::setWindowIcon(QIcon());
    EXPECT_FALSE(loadApplicationIcon(dir.file("main.ico")));
    EXPECT_FALSE(loadApplicationIcon(dir.file("missing.ico")));
    EXPECT_TRUE(QApplication::windowIcon().isNull());

    ASSERT_TRUE(loadApplicationIcon(fixturePath("ui/icon.ico")));
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_TRUE(QApplication::windowIcon().availableSizes().contains(QSize(32, 32)));
    QApplication::setWindowIcon(QIcon());
}

} // namespace
} // namespace lumivane
