#include "frontend/qt/qt_image_loader.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QImageReader>
#include <QSize>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "machine/cells.h"

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

QtImageLoader::QtImageLoader() {
    // Whatever a file declares, Qt decodes no picture larger than the largest
    // theme (4 bytes a pixel), so a size no check could read beforehand stays
    // bounded too.
    QImageReader::setAllocationLimit(themecells::kMaxSide * themecells::kMaxSide * 4 / (1024 * 1024));
}

LoadedImage QtImageLoader::Load(const std::string& path, const PictureSizeCheck& allowed) {
    // The file is opened by the very bytes it was found by, whether or not
    // they are UTF-8: a name from an older system loads too.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(std::filesystem::path(path), ec)) {
        return {std::nullopt,
                QCoreApplication::translate("themes", "the file does not exist.").toStdString()};
    }
    std::ifstream in(path, std::ios::binary);
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in && !in.eof())
        return {std::nullopt,
                QCoreApplication::translate("themes", "the file cannot be read.").toStdString()};
    QByteArray bytes = QByteArray::fromStdString(content);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // Theme files carry their own extension: the format comes from the content.
    QImageReader reader(&buffer);
    // The size the file declares, read from its header before a pixel is decoded.
    const QSize declared = reader.size();
    if (allowed && declared.isValid()) {
        std::string problem = allowed(declared.width(), declared.height());
        if (!problem.empty()) return {std::nullopt, std::move(problem)};
    }
    const QImage image = reader.read();
    if (image.isNull()) return {std::nullopt, reader.errorString().toStdString() + "."};
    return {SurfaceFromImage(image), {}};
}

}  // namespace fw
