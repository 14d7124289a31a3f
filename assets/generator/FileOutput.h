#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

// Writes one finished file, creating its folder first; throws on failure so
// a half-written asset set never passes for a good one.
class FileOutput {
public:
    static void Write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
};
