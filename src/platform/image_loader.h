// Reads picture files.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/surface.h"

namespace fw {

struct LoadedImage {
    std::optional<Surface> surface;  // empty when the file could not be read
    std::string error;               // why, in words for a message box
};

// Why a picture of width x height pixels is not wanted ("" when it is).
using PictureSizeCheck = std::function<std::string(int width, int height)>;

class ImageLoader {
public:
    virtual ~ImageLoader() = default;
    // Reads the picture at path, whatever its extension says; the format is
    // taken from the content. A picture whose size, as its file declares it,
    // the check refuses is not decoded at all (a few bytes can declare a
    // picture of gigabytes): the check's reason is the error. An empty check
    // takes any size.
    virtual LoadedImage Load(const std::string& path, const PictureSizeCheck& allowed) = 0;
};

}  // namespace fw
