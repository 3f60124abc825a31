#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The installer file: its own program image followed by the carried pieces,
// back to back, and a 512-byte directory in INI form at the very end.
namespace payload {

constexpr std::int64_t kTrailerSize = 512;
constexpr int kSlots = 51;    // slot k holds the size of piece k+1
constexpr int kMaxKeys = 10;  // keys "1" to "10" are read
constexpr int kPieces = 6;    // image, Truco, shortcut, help, contents, control

struct PayloadSizes {
    std::array<std::int32_t, kSlots> slot{};
    int count = 0;  // pieces the directory gave

    // Sum of every size read.
    std::int64_t total() const;
    // Start of piece n (1-based), or -1 for a number outside the table.
    std::int64_t offsetOf(int piece) const;
};

enum class DirectoryError {
    None,
    NoTrailer,    // file shorter than the trailer, or no [GRANDE] section
    NotANumber,
    Negative,
    TooLarge,     // beyond a 32-bit size
    DoNotAddUp,   // pieces and trailer differ from the file's length
    TooFewPieces,
};
const char* describe(DirectoryError e);

// The trailer for these sizes: "[GRANDE]", "n=size" lines, spaces, CR LF at
// the end. Empty when the lines do not fit or a size is not positive.
std::string buildTrailer(const std::vector<std::int64_t>& sizes);

// Reads keys "1".."10" of section GRANDE the way the Windows profile reader
// does: names without regard to case, the first of duplicate keys, blanks
// around values ignored. A missing key or a value of 0 ends the table.
DirectoryError parseTrailer(std::string_view trailer, PayloadSizes& out);

// A directory is usable when it names at least `pieces` pieces and they,
// with the trailer, make exactly the file.
DirectoryError checkDirectory(const PayloadSizes& sizes, std::int64_t fileLength, int pieces);

// "<folder>/<name without extension>.ini" beside the installer.
std::string settingsFileFor(const std::string& installer);

// Reads, parses and checks the directory of an installer file. When it is
// good and the folder allows it, the trailer and CR LF are written to the
// settings file beside the installer; a read-only folder is no error.
DirectoryError ReadPayloadDirectory(const std::string& installer, PayloadSizes& out,
                                    bool* settingsWritten = nullptr);

struct CopyOptions {
    std::size_t block = 4u << 20;
    bool kernelCopy = true;            // copy_file_range where the system allows it
    unsigned mode = 0644;              // permissions of the written file
    std::function<void()> tick;        // called between blocks
};

// Writes `length` bytes found at `offset` of an open file into a new file that
// then replaces `dest` (a symbolic link there is replaced, never followed).
bool copyRange(int inFd, std::int64_t offset, std::int64_t length, const std::string& dest,
               const CopyOptions& options, std::string* error = nullptr);

// Writes piece n (1 to 51) of the installer to dest.
bool ExtractPayloadFile(const std::string& installer, const PayloadSizes& sizes, int piece,
                        const std::string& dest, const CopyOptions& options = {});

// Writes `image`, then every piece, then the trailer, into `out` (through a
// temporary file; `out` is executable). A missing or empty piece is an error
// that names it, and nothing is written.
bool pack(const std::string& image, const std::vector<std::string>& pieces, const std::string& out,
          std::string& error);

// Piece 3: the Internet shortcut to the maker's site, without a final line end.
std::string internetShortcut(const std::string& host);

}  // namespace payload
