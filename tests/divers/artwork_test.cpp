// The artwork as the window draws it: exact device pixels at every scale, compiled-in PNG
// that looks like its SVG, the artwork folder, and Qt SVG left unloaded at 1x and 2x.

#include "divers/artwork.h"
#include "divers/imagelist.h"
#include "divers/picture.h"
#include "support/qstringprint.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>

namespace talco {
namespace {

using talco::testsupport::PrintTo;

using namespace Qt::StringLiterals;

// The largest difference of one colour or alpha byte between two images; 256 when their
// sizes differ.
int largestDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (x.size() != y.size())
        return 256;
    int largest = 0;
    for (qsizetype i = 0; i < x.sizeInBytes(); ++i)
        largest = std::max(largest, std::abs(x.constBits()[i] - y.constBits()[i]));
    return largest;
}

// The artwork folder the build puts beside the programs, tests included.
QString artworkFolder()
{
    return QCoreApplication::applicationDirPath() + u"/artwork"_s;
}

QImage svgAt(const QString& name, QSize devicePixels)
{
    return ReadImage(artworkFolder() + u'/' + name + u".svg"_s, "svg", devicePixels);
}

bool qtSvgLoaded()
{
    QFile maps(u"/proc/self/maps"_s);
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Svg");
}

struct SizeCase {
    const char* name;
    const char16_t* path;
    QSize size;
    qreal ratio;
    QSize device;
};

class ArtworkSize : public ::testing::TestWithParam<SizeCase> {};

// The compiled-in PNG where there is one, else the SVG: either way the pixels asked,
// drawn as the SVG would be.
TEST_P(ArtworkSize, PixmapHasTheDevicePixelsAskedAndLooksLikeItsSvg)
{
    const SizeCase& c = GetParam();
    const QString path = QString::fromUtf16(c.path);
    const QPixmap pixmap = Artwork(path, {artworkFolder()}).pixmap(c.size, c.ratio);
    EXPECT_EQ(pixmap.size(), c.device);
    EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), c.ratio);
    const QImage image = pixmap.toImage();
    EXPECT_GT(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 0);
    EXPECT_LE(largestDifference(image, svgAt(path, c.device)), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Scales, ArtworkSize,
    ::testing::Values(SizeCase{"Key2x", u"keys/op3_on", {30, 30}, 2.0, {60, 60}},
                      SizeCase{"KeyOneAndAHalf", u"keys/ch7_over", {30, 30}, 1.5, {45, 45}},
                      SizeCase{"KeypadPanel1x", u"skin/clavier", {188, 180}, 1.0, {188, 180}},
                      SizeCase{"TitleBarWider", u"skin/bordhaut", {376, 27}, 1.0, {376, 27}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ArtworkLibraries, ShownSizesAt1xAnd2xLeaveQtSvgUnloadedUntilAnotherScale)
{
    if (qtSvgLoaded())
        GTEST_SKIP() << "Qt SVG was loaded by an earlier test of this process";
    ImageList images;
    images.handCursor();
    for (qreal ratio : {1.0, 2.0}) {
        images.picture(u"ch7"_s)->pixmap({30, 30}, ratio);
        images.picture(u"ouvrir"_s)->pixmap({20, 17}, ratio);
        images.skin(u"clavier"_s)->pixmap({188, 180}, ratio);
        images.skin(u"bordhaut"_s)->pixmap({188, 27}, ratio);
    }
    EXPECT_FALSE(qtSvgLoaded());
    images.picture(u"ch7"_s)->pixmap({30, 30}, 1.5);
    EXPECT_TRUE(qtSvgLoaded());
}

// The folders are tried in order; without the SVG, a size with no PNG of its own comes
// from the nearest PNG, scaled; without the folder at all, from the compiled-in PNG.
TEST(ArtworkFallback, MissingFilesFallToTheNextFolderThenToTheNearestPng)
{
    QTemporaryDir empty;
    const QPixmap from2x =
        Artwork(u"keys/ch7"_s, {empty.path(), artworkFolder()}).pixmap({30, 30}, 2);
    EXPECT_LE(largestDifference(from2x.toImage(), svgAt(u"keys/ch7"_s, {60, 60})), 3);

    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(u"keys"_s));
    ASSERT_TRUE(
        QFile::copy(artworkFolder() + u"/keys/ch7@2x.png"_s, dir.filePath(u"keys/ch7@2x.png"_s)));
    const QImage shown = Artwork(u"keys/ch7"_s, {dir.path()}).pixmap({30, 30}, 1.5).toImage();
    // Blurred by the scaling, but the same picture.
    EXPECT_LE(largestDifference(shown, svgAt(u"keys/ch7"_s, {45, 45})), 48);

    const QImage alone = Artwork(u"keys/ch7"_s, {}).pixmap({30, 30}, 2).toImage();
    EXPECT_EQ(alone.size(), QSize(60, 60));
    EXPECT_GT(qAlpha(alone.pixel(30, 30)), 0);

    EXPECT_TRUE(Artwork(u"keys/none"_s, {dir.path()}).pixmap({30, 30}, 1.5).isNull());
}

// The picture fills the control whatever its size, drawn for that size and not stretched
// from another.
TEST(PictureControl, DrawsItsArtworkAtItsOwnSize)
{
    ImageList images;
    Picture picture;
    picture.setPicture(images.picture(u"egale"_s));
    picture.resize(60, 45);
    QImage drawn(picture.size(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    picture.render(&drawn, QPoint(), QRegion(), QWidget::RenderFlags());
    EXPECT_LE(largestDifference(drawn, svgAt(u"keys/egale"_s, {60, 45})), 3);
}

} // namespace
} // namespace talco
