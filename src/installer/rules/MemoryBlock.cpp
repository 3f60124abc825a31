#include "installer/rules/MemoryBlock.h"

#include <cstring>
#include <sys/mman.h>

bool MemoryBlock::Allocate(std::size_t lCount)
{
    ReleaseMemory();
    if (lCount == 0)
        return false;
    void* p = mmap(nullptr, lCount, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
        return false;
    base_ = static_cast<unsigned char*>(p);
    size_ = lCount;
    // Locking is a courtesy: an ordinary user's limit is small.
    locked_ = mlock(base_, size_) == 0;
    return true;
}

void MemoryBlock::ReleaseMemory()
{
    if (!base_)
        return;
    if (locked_)
        munlock(base_, size_);
    munmap(base_, size_);
    base_ = nullptr;
    size_ = 0;
    locked_ = false;
}

bool MemoryBlock::fits(std::size_t offset, std::size_t length) const
{
    return base_ && offset <= size_ && length <= size_ - offset;
}

bool MemoryBlock::ReadFrom(void* target, std::size_t offset, std::size_t lLength) const
{
    if (!target || !fits(offset, lLength))
        return false;
    std::memmove(target, base_ + offset, lLength);
    return true;
}

bool MemoryBlock::WriteTo(const void* source, std::size_t offset, std::size_t lLength)
{
    if (!source || !fits(offset, lLength))
        return false;
    std::memmove(base_ + offset, source, lLength);
    return true;
}

std::string MemoryBlock::ExtractString(std::size_t offset, std::size_t lMax) const
{
    if (!fits(offset, 0))
        return {};
    const std::size_t room = std::min(lMax, size_ - offset);
    const auto* start = reinterpret_cast<const char*>(base_ + offset);
    const void* end = std::memchr(start, 0, room);
    return std::string(start, end ? static_cast<const char*>(end) - start : room);
}
