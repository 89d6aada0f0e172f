#include "frontend/qt/embedded.h"

namespace fw {

std::span<const unsigned char> Embedded(std::string_view name) {
    for (std::size_t i = 0; i < kEmbeddedFileCount; ++i) {
        if (name == kEmbeddedFiles[i].name) return {kEmbeddedFiles[i].data, kEmbeddedFiles[i].size};
    }
    return {};
}

}  // namespace fw
