#include "frontend/qt/qt_image_loader.h"

#include <QFileInfo>
#include <QImageReader>

namespace fw {

Surface SurfaceFromImage(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Surface surface(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) surface.setPixel(x, y, line[x] & 0xFFFFFFu);
    }
    return surface;
}

Surface SurfaceFromBytes(const unsigned char* data, std::size_t size) {
    QImage image;
    image.loadFromData(data, static_cast<int>(size));
    return SurfaceFromImage(image);
}

LoadedImage QtImageLoader::Load(const std::string& path) {
    const QString file = QString::fromStdString(path);
    if (!QFileInfo(file).isFile()) return {std::nullopt, "the file does not exist."};
    QImageReader reader(file);
    // Theme files carry their own extension: tell the format from the content.
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) return {std::nullopt, reader.errorString().toStdString() + "."};
    return {SurfaceFromImage(image), {}};
}

}  // namespace fw
