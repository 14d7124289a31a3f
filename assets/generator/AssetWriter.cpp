#include "AssetWriter.h"

#include "ArtworkCheck.h"
#include "ArtworkTable.h"
#include "BmpWriter.h"
#include "BoardPicture.h"
#include "FileOutput.h"
#include "IconArt.h"
#include "PngWriter.h"
#include "SoundArt.h"
#include "ThumbnailArt.h"
#include "WaveWriter.h"

namespace {
constexpr int kMoveSoundId = 130;
constexpr int kBrrSoundId = 136;
constexpr int kIconId = 128;

std::string BitmapName(int id) {
    return "bitmap/" + std::to_string(id) + ".bmp";
}
std::string SoundName(int id) {
    return "sound/" + std::to_string(id) + ".wav";
}
std::string IconName(int size) {
    return "icon/" + std::to_string(kIconId) + "-" + std::to_string(size) + ".png";
}
} // namespace

std::vector<std::string> AssetWriter::FileNames() {
    std::vector<std::string> names;
    for (const ArtworkEntry& e : ArtworkTable::Entries()) {
        names.push_back(BitmapName(e.thumbnailId));
        names.push_back(BitmapName(e.outlineId));
    }
    names.push_back(SoundName(kMoveSoundId));
    names.push_back(SoundName(kBrrSoundId));
    for (int size : IconArt::kSizes)
        names.push_back(IconName(size));
    return names;
}

std::vector<std::string> AssetWriter::CheckOutlines() {
    std::vector<std::string> problems;
    for (const ArtworkEntry& e : ArtworkTable::Entries()) {
        const auto found = ArtworkCheck::Problems(BoardPicture(e));
        problems.insert(problems.end(), found.begin(), found.end());
    }
    return problems;
}

void AssetWriter::WriteBitmaps(const std::filesystem::path& dir) {
    for (const ArtworkEntry& e : ArtworkTable::Entries()) {
        FileOutput::Write(dir / BitmapName(e.outlineId),
                          BmpWriter::Encode(BoardPicture(e).Image(), 4));
        FileOutput::Write(
            dir / BitmapName(e.thumbnailId),
            BmpWriter::Encode(ThumbnailArt::Draw(e.number), ThumbnailArt::Depth(e.number)));
    }
}

void AssetWriter::WriteSounds(const std::filesystem::path& dir) {
    FileOutput::Write(dir / SoundName(kMoveSoundId),
                      WaveWriter::Encode(SoundArt::MoveClick(), 8, 18));
    FileOutput::Write(dir / SoundName(kBrrSoundId), WaveWriter::Encode(SoundArt::Brr(), 16, 16));
}

void AssetWriter::WriteIcons(const std::filesystem::path& dir) {
    for (int size : IconArt::kSizes)
        FileOutput::Write(dir / IconName(size), PngWriter::Encode(IconArt::Draw(size)));
}

std::vector<std::string> AssetWriter::WriteAll(const std::filesystem::path& dir) {
    std::vector<std::string> problems = CheckOutlines();
    if (!problems.empty())
        return problems;
    WriteBitmaps(dir);
    WriteSounds(dir);
    WriteIcons(dir);
    return {};
}
