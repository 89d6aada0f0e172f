// Reads picture files.
#pragma once

#include <optional>
#include <string>

#include "platform/surface.h"

namespace fw {

struct LoadedImage {
    std::optional<Surface> surface;  // empty when the file could not be read
    std::string error;               // why, in words for a message box
};

class ImageLoader {
public:
    virtual ~ImageLoader() = default;
    // Reads the picture at path, whatever its extension says; the format is
    // taken from the content.
    virtual LoadedImage Load(const std::string& path) = 0;
};

}  // namespace fw
