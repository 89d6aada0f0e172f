// Picture files read with Qt's image readers.
#pragma once

#include <QImage>

#include "platform/image_loader.h"

namespace fw {

class QtImageLoader : public ImageLoader {
public:
    QtImageLoader();
    LoadedImage Load(const std::string& path, const PictureSizeCheck& allowed) override;
};

// The picture as a Surface (alpha dropped).
Surface SurfaceFromImage(const QImage& image);
// A picture from bytes in memory, for the pictures built into the program.
Surface SurfaceFromBytes(const unsigned char* data, std::size_t size);

}  // namespace fw
