#pragma once
#include <cstddef>
#include <string>

// One block of process memory, readable and writable only (never executable),
// locked in physical memory where the system allows it. Every copy in or out
// is checked against the block's bounds and refused when it does not fit.
class MemoryBlock {
public:
    MemoryBlock() = default;
    ~MemoryBlock() { ReleaseMemory(); }
    MemoryBlock(const MemoryBlock&) = delete;
    MemoryBlock& operator=(const MemoryBlock&) = delete;

    // Releases any held block, then maps lCount bytes; false when that fails.
    bool Allocate(std::size_t lCount);
    void ReleaseMemory();

    unsigned char* Handle() const { return base_; }
    std::size_t size() const { return size_; }
    bool locked() const { return locked_; }

    // Copies lLength bytes at `offset` of the block to `target`.
    bool ReadFrom(void* target, std::size_t offset, std::size_t lLength) const;
    // Copies lLength bytes from `source` to `offset` of the block.
    bool WriteTo(const void* source, std::size_t offset, std::size_t lLength);
    // The zero-terminated text at `offset`, at most lMax characters and never
    // past the end of the block.
    std::string ExtractString(std::size_t offset, std::size_t lMax) const;

private:
    bool fits(std::size_t offset, std::size_t length) const;

    unsigned char* base_ = nullptr;
    std::size_t size_ = 0;
    bool locked_ = false;
};
