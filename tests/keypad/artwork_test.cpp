// The artwork as the window draws it: exact device pixels at every scale, compiled-in
// pixels that look like their SVG and are drawn where they lie, the artwork folder, and
// Qt SVG left unloaded at 1x and 2x.

#include "keypad/artwork.h"
#include "keypad/imagelist.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QResource>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace talco {
namespace {

using namespace Qt::StringLiterals;

// The largest difference of one colour or alpha byte between two images; 256 when their
// sizes differ.
int largestDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(x.format());
    int largest = x.size() == y.size() ? 0 : 256;
    for (qsizetype i = 0; largest < 256 && i < x.sizeInBytes(); ++i)
        largest = std::max(largest, std::abs(x.constBits()[i] - y.constBits()[i]));
    return largest;
}

// The picture's SVG from the artwork folder the build puts beside the programs.
QImage svgAt(const QString& name, QSize devicePixels)
{
    const QString file = QCoreApplication::applicationDirPath() + u"/artwork/"_s + name;
    return ReadImage(file + u".svg"_s, "svg", devicePixels);
}

bool qtSvgLoaded()
{
    QFile maps(u"/proc/self/maps"_s);
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Svg");
}

// From the 2x PNG, the SVG or the compiled-in pixels, as the size and scale ask; the
// folders are tried in order; without the SVG, the nearest picture, scaled; without any,
// nothing.
TEST(Artwork, ImageHasTheDevicePixelsAskedAndLooksLikeItsSvg)
{
    const QString art = QCoreApplication::applicationDirPath() + u"/artwork"_s;
    QTemporaryDir empty, only2x;
    ASSERT_TRUE(QDir(only2x.path()).mkpath(u"keys"_s));
    ASSERT_TRUE(QFile::copy(art + u"/keys/ch7@2x.png"_s, only2x.filePath(u"keys/ch7@2x.png"_s)));
    // The picture, its folders, the size and scale asked, and the largest difference from
    // the SVG allowed: drawn for its size, or scaled from a PNG and blurred, down from a
    // larger one or up from the compiled-in one.
    const std::tuple<QString, QStringList, QSize, qreal, int> cases[] = {
        {u"keys/op3_on"_s, {art}, {30, 30}, 2.0, 3},
        {u"skin/clavier"_s, {art}, {188, 180}, 1.0, 3},
        {u"keys/ch7"_s, {empty.path(), art}, {30, 30}, 2.0, 3},
        {u"keys/ch7"_s, {only2x.path()}, {30, 30}, 1.5, 48},
        {u"keys/ch7"_s, {}, {30, 30}, 2.0, 160},
    };
    for (const auto& [name, folders, size, ratio, tolerance] : cases) {
        SCOPED_TRACE((name + u' ' + folders.join(u' ')).toStdString());
        const QImage image = Artwork(name, folders).image(size, ratio);
        EXPECT_DOUBLE_EQ(image.devicePixelRatio(), ratio);
        EXPECT_LE(largestDifference(image, svgAt(name, size * ratio)), tolerance);
    }
    EXPECT_TRUE(Artwork(u"keys/none"_s, {only2x.path()}).image({30, 30}, 1.5).isNull());
}

// At 1x the picture is the program file's bytes, not a copy of them; bytes that are not a
// whole picture give none.
TEST(Artwork, CompiledInPixelsAreDrawnWhereTheyLie)
{
    const QResource resource(u":/skin/clavier.argb"_s);
    ASSERT_TRUE(resource.isValid());
    const QImage shown = Artwork(u"skin/clavier"_s, {}).image({188, 180}, 1.0);
    EXPECT_EQ(shown.constBits(), resource.data() + 16);
    // An opaque picture is copied to the screen; one with transparent corners is blended.
    EXPECT_EQ(shown.format(), QImage::Format_RGB32);
    EXPECT_EQ(Artwork::compiledIn(u"skin/about"_s).format(), QImage::Format_ARGB32_Premultiplied);

    const QByteArray whole(reinterpret_cast<const char*>(resource.data()), resource.size());
    const auto withWord = [&whole](int index, quint32 value) {
        return QByteArray(whole).replace(index * 4, 4, reinterpret_cast<const char*>(&value), 4);
    };
    for (const QByteArray& bytes : {whole.chopped(4), whole + "    ", withWord(0, 0x474E5089),
                                    withWord(1, 187), withWord(3, 2), whole.left(15)})
        EXPECT_TRUE(
            PixelsImage(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size()).isNull())
            << bytes.left(16).toHex().toStdString();
}

TEST(ArtworkLibraries, ShownSizesAt1xAnd2xLeaveQtSvgUnloadedUntilAnotherScale)
{
    if (qtSvgLoaded())
        GTEST_SKIP() << "Qt SVG was loaded by an earlier test of this process";
    ImageList images;
    images.handCursor();
    for (qreal ratio : {1.0, 2.0}) {
        images.picture(u"ch7"_s)->image({30, 30}, ratio);
        images.skin(u"clavier"_s)->image({188, 180}, ratio);
    }
    EXPECT_FALSE(qtSvgLoaded());
    images.picture(u"ch7"_s)->image({30, 30}, 1.5);
    EXPECT_TRUE(qtSvgLoaded());
}

} // namespace
} // namespace talco
