// Files built into the program: the sprite sheet, the machine picture and the icons.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace fw {

struct EmbeddedFile {
    const char* name;
    const unsigned char* data;
    std::size_t size;
};

extern const EmbeddedFile kEmbeddedFiles[];
extern const std::size_t kEmbeddedFileCount;

// The bytes of a built-in file, empty when there is none by that name.
std::span<const unsigned char> Embedded(std::string_view name);

}  // namespace fw
