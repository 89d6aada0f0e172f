// Reading pictures: theme files of any picture format, and faults. (The
// pictures built into the program show in the end-to-end test's reference screen.)
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "frontend/qt/qt_image_loader.h"

namespace fw {
namespace {

TEST(ImageLoader, ReadsAnyPictureFormatPixelForPixelAndSaysWhatIsWrong) {
    QTemporaryDir dir;
    QtImageLoader loader;
    QImage image(435, 37, QImage::Format_ARGB32);
    for (int y = 0; y < 37; ++y)
        for (int x = 0; x < 435; ++x)
            image.setPixel(x, y, qRgba(x * 3 % 256, y * 5 % 256, (x ^ y) % 256, x % 2 * 255));
    for (const char* format : {"PNG", "BMP"}) {
        const QString path = dir.filePath(QString("Fruit-%1.Thm").arg(format));
        ASSERT_TRUE(image.save(path, format));
        const LoadedImage loaded = loader.Load(path.toStdString());
        ASSERT_TRUE(loaded.surface) << loaded.error;
        ASSERT_EQ(loaded.surface->width(), 435);
        for (int y = 0; y < 37; ++y)
            for (int x = 0; x < 435; x += 7)
                ASSERT_EQ(loaded.surface->pixel(x, y) & 0xFFFFFFu, image.pixel(x, y) & 0xFFFFFFu) << format;
    }
    QFile notes(dir.filePath("notes.Thm"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("these are no pixels\n");
    notes.close();
    EXPECT_FALSE(loader.Load(notes.fileName().toStdString()).surface);
    const LoadedImage missing = loader.Load(dir.filePath("gone.Thm").toStdString());
    EXPECT_FALSE(missing.surface);
    EXPECT_NE(missing.error.find("does not exist"), std::string::npos);
}

}  // namespace
}  // namespace fw
