#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Writes the whole asset set under one folder: bitmap/<id>.bmp,
// sound/<id>.wav and icon/128-<size>.png.
class AssetWriter {
public:
    // The relative paths of every file WriteAll produces.
    static std::vector<std::string> FileNames();
    // Refuses (returns the problems, writes nothing) when an outline breaks
    // a rule the game depends on.
    static std::vector<std::string> WriteAll(const std::filesystem::path& dir);

private:
    static std::vector<std::string> CheckOutlines();
    static void WriteBitmaps(const std::filesystem::path& dir);
    static void WriteSounds(const std::filesystem::path& dir);
    static void WriteIcons(const std::filesystem::path& dir);
};
