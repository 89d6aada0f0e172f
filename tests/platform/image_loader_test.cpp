// Reading pictures: theme files of any picture format, faults, and the
// pictures built into the program.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "frontend/qt/embedded.h"
#include "frontend/qt/qt_image_loader.h"

namespace fw {
namespace {

QImage Pattern(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * 3 % 256, y * 5 % 256, (x ^ y) % 256));
    return image;
}

class Loader : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.path() + "/" + name; }
    QTemporaryDir dir;
    QtImageLoader loader;
};

TEST_F(Loader, APngNamedThmLoadsPixelForPixel) {
    const QImage image = Pattern(435, 37);
    ASSERT_TRUE(image.save(path("Fruit.Thm"), "PNG"));
    const LoadedImage loaded = loader.Load(path("Fruit.Thm").toStdString());
    ASSERT_TRUE(loaded.surface) << loaded.error;
    ASSERT_EQ(loaded.surface->width(), 435);
    ASSERT_EQ(loaded.surface->height(), 37);
    for (int y = 0; y < 37; ++y)
        for (int x = 0; x < 435; ++x) ASSERT_EQ(loaded.surface->pixel(x, y), image.pixel(x, y) & 0xFFFFFFu);
}

TEST_F(Loader, ABmpNamedThmLoadsToo) {
    ASSERT_TRUE(Pattern(440, 40).save(path("old.thm"), "BMP"));
    const LoadedImage loaded = loader.Load(path("old.thm").toStdString());
    ASSERT_TRUE(loaded.surface) << loaded.error;
    EXPECT_EQ(loaded.surface->width(), 440);
}

TEST_F(Loader, AlphaIsDropped) {
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(10, 20, 30, 255));
    image.setPixel(1, 0, qRgba(0, 0, 0, 0));
    ASSERT_TRUE(image.save(path("a.png"), "PNG"));
    const LoadedImage loaded = loader.Load(path("a.png").toStdString());
    ASSERT_TRUE(loaded.surface);
    EXPECT_EQ(loaded.surface->pixel(0, 0), 0x0A141Eu);
    EXPECT_EQ(loaded.surface->pixel(1, 0) & 0xFF000000u, 0u);
}

TEST_F(Loader, TextIsNotAPicture) {
    QFile file(path("notes.Thm"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("these are no pixels\n");
    file.close();
    const LoadedImage loaded = loader.Load(path("notes.Thm").toStdString());
    EXPECT_FALSE(loaded.surface);
    EXPECT_FALSE(loaded.error.empty());
}

TEST_F(Loader, AMissingFileSaysSo) {
    const LoadedImage loaded = loader.Load(path("gone.Thm").toStdString());
    EXPECT_FALSE(loaded.surface);
    EXPECT_NE(loaded.error.find("does not exist"), std::string::npos);
}

TEST(BuiltInPictures, TheProgramCarriesTheGeneratedPictures) {
    for (auto [name, file, w, h] :
         {std::tuple{"sprites", "sprites.png", 474, 337}, std::tuple{"machine", "machine.png", 320, 256}}) {
        const auto bytes = Embedded(name);
        ASSERT_FALSE(bytes.empty()) << name;
        const Surface embedded = SurfaceFromBytes(bytes.data(), bytes.size());
        EXPECT_EQ(embedded.width(), w);
        EXPECT_EQ(embedded.height(), h);
        const Surface generated = SurfaceFromImage(QImage(QString(FW_PICTURES_DIR) + "/" + file));
        EXPECT_EQ(embedded, generated) << name;
    }
    for (const char* icon : {"fruitwhirl-16", "fruitwhirl-32", "fruitwhirl-256", "drag-coin", "drag-stack"}) {
        EXPECT_FALSE(Embedded(icon).empty()) << icon;
    }
    EXPECT_TRUE(Embedded("nothing").empty());
}

}  // namespace
}  // namespace fw
