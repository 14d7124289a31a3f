#include "LargeImage.h"

#include <cstdint>
#include <sys/mman.h>

namespace {
constexpr std::size_t kPage = 4096;
constexpr std::size_t kLargePage = 2 << 20;

std::size_t RoundUp(std::size_t value, std::size_t unit) {
    return (value + unit - 1) / unit * unit;
}

struct Mapping {
    void* start;
    std::size_t length;
};

void Unmap(void* info) {
    const auto* mapping = static_cast<Mapping*>(info);
    munmap(mapping->start, mapping->length);
    delete mapping;
}

// Aligned to 2 MB; the last, partly filled 2 MB page is taken whole when
// the image fills at least four fifths of it. Null when there is no memory.
Mapping* Map(std::size_t bytes) {
    std::size_t length = RoundUp(bytes, kPage);
    const std::size_t tail = bytes % kLargePage;
    if (tail * 5 >= kLargePage * 4)
        length = RoundUp(bytes, kLargePage);
    void* raw = mmap(nullptr, length + kLargePage, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return nullptr;
    const auto rawStart = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t start = RoundUp(rawStart, kLargePage);
    const std::uintptr_t end = start + length;
    if (start > rawStart)
        munmap(raw, start - rawStart);
    if (rawStart + length + kLargePage > end)
        munmap(reinterpret_cast<void*>(end), rawStart + length + kLargePage - end);
#ifdef MADV_HUGEPAGE
    madvise(reinterpret_cast<void*>(start), length, MADV_HUGEPAGE);
#endif
    return new Mapping{reinterpret_cast<void*>(start), length};
}
} // namespace

QImage LargeImage::Create(int width, int height) {
    if (width <= 0 || height <= 0)
        return {};
    const qsizetype bytesPerLine = qsizetype(width) * 4;
    Mapping* mapping = Map(std::size_t(bytesPerLine) * std::size_t(height));
    if (mapping == nullptr)
        return QImage(width, height, QImage::Format_RGB32);
    return QImage(static_cast<uchar*>(mapping->start), width, height, bytesPerLine,
                  QImage::Format_RGB32, Unmap, mapping);
}
