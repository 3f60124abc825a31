#include "installer/rules/Payload.h"

#include "installer/rules/MemoryBlock.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace payload {

namespace {

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                  return std::tolower(static_cast<unsigned char>(x))
                         == std::tolower(static_cast<unsigned char>(y));
              });
}

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release()
    {
        const int f = fd_;
        fd_ = -1;
        return f;
    }

private:
    int fd_;
};

std::string errnoText(const std::string& what)
{
    return what + ": " + std::strerror(errno);
}

bool writeAll(int fd, const char* data, std::size_t n)
{
    while (n > 0) {
        const ssize_t w = ::write(fd, data, n);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return false;
        data += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

// A new file beside `dest`, to be renamed onto it when complete.
int openTemporaryBeside(const std::string& dest, std::string& tmpPath)
{
    std::vector<char> name(dest.begin(), dest.end());
    const char suffix[] = ".XXXXXX";
    name.insert(name.end(), suffix, suffix + sizeof suffix);
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd >= 0)
        tmpPath.assign(name.data());
    return fd;
}

bool finishTemporary(int fd, const std::string& tmpPath, const std::string& dest, unsigned mode,
                     std::string* error)
{
    bool ok = ::fchmod(fd, mode) == 0;
    if (::close(fd) != 0)
        ok = false;
    if (ok && ::rename(tmpPath.c_str(), dest.c_str()) == 0)
        return true;
    if (error)
        *error = errnoText(dest);
    ::unlink(tmpPath.c_str());
    return false;
}

bool kernelCopyUnsupported(int e)
{
    return e == EXDEV || e == ENOSYS || e == EINVAL || e == EOPNOTSUPP || e == EBADF || e == EPERM;
}

}  // namespace

std::int64_t PayloadSizes::total() const
{
    std::int64_t t = 0;
    for (std::int32_t s : slot)
        t += s;
    return t;
}

std::int64_t PayloadSizes::offsetOf(int piece) const
{
    if (piece < 1 || piece > kSlots)
        return -1;
    std::int64_t off = 0;
    for (int k = 0; k < piece - 1; ++k)
        off += slot[static_cast<std::size_t>(k)];
    return off;
}

const char* describe(DirectoryError e)
{
    switch (e) {
    case DirectoryError::None: return "good";
    case DirectoryError::NoTrailer: return "no directory at the end of the file";
    case DirectoryError::NotANumber: return "a size is not a number";
    case DirectoryError::Negative: return "a size is negative";
    case DirectoryError::TooLarge: return "a size is too large";
    case DirectoryError::DoNotAddUp: return "the sizes do not add up to the file's length";
    case DirectoryError::TooFewPieces: return "the directory names too few pieces";
    }
    return "unknown";
}

std::string buildTrailer(const std::vector<std::int64_t>& sizes)
{
    std::string t = "[GRANDE]\r\n";
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        if (sizes[i] <= 0 || sizes[i] > INT32_MAX || i >= static_cast<std::size_t>(kMaxKeys))
            return {};
        t += std::to_string(i + 1) + "=" + std::to_string(sizes[i]) + "\r\n";
    }
    if (t.size() > static_cast<std::size_t>(kTrailerSize) - 2)
        return {};
    t.append(static_cast<std::size_t>(kTrailerSize) - 2 - t.size(), ' ');
    t += "\r\n";
    return t;
}

DirectoryError parseTrailer(std::string_view trailer, PayloadSizes& out)
{
    out = PayloadSizes{};
    std::array<std::optional<std::string_view>, kMaxKeys + 1> keys;
    bool inSection = false;
    bool sectionFound = false;
    while (!trailer.empty()) {
        const std::size_t nl = trailer.find('\n');
        std::string_view line = trailer.substr(0, nl);
        trailer.remove_prefix(nl == std::string_view::npos ? trailer.size() : nl + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line = trim(line);
        if (!line.empty() && line.front() == '[') {
            const std::size_t close = line.find(']');
            inSection = close != std::string_view::npos && sameName(trim(line.substr(1, close - 1)), "GRANDE");
            sectionFound = sectionFound || inSection;
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!inSection || eq == std::string_view::npos)
            continue;
        const std::string_view key = trim(line.substr(0, eq));
        for (int i = 1; i <= kMaxKeys; ++i) {
            if (key == std::to_string(i) && !keys[static_cast<std::size_t>(i)])
                keys[static_cast<std::size_t>(i)] = trim(line.substr(eq + 1));
        }
    }
    if (!sectionFound)
        return DirectoryError::NoTrailer;

    for (int i = 1; i <= kMaxKeys; ++i) {
        const auto& v = keys[static_cast<std::size_t>(i)];
        if (!v || v->empty())
            break;
        std::string_view digits = *v;
        const bool negative = digits.front() == '-';
        if (negative || digits.front() == '+')
            digits.remove_prefix(1);
        if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return DirectoryError::NotANumber;
        std::int64_t value = 0;
        for (char c : digits) {
            value = value * 10 + (c - '0');
            if (value > INT32_MAX)
                return negative ? DirectoryError::Negative : DirectoryError::TooLarge;
        }
        if (value == 0)
            break;
        if (negative)
            return DirectoryError::Negative;
        out.slot[static_cast<std::size_t>(i - 1)] = static_cast<std::int32_t>(value);
        out.count = i;
    }
    return DirectoryError::None;
}

DirectoryError checkDirectory(const PayloadSizes& sizes, std::int64_t fileLength, int pieces)
{
    if (sizes.count < pieces)
        return DirectoryError::TooFewPieces;
    if (sizes.total() + kTrailerSize != fileLength)
        return DirectoryError::DoNotAddUp;
    return DirectoryError::None;
}

std::string settingsFileFor(const std::string& installer)
{
    const std::size_t slash = installer.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = installer.rfind('.');
    // A dot that starts the name is part of it, not an extension.
    const bool hasExtension = dot != std::string::npos && dot > nameStart;
    return installer.substr(0, hasExtension ? dot : installer.size()) + ".ini";
}

DirectoryError ReadPayloadDirectory(const std::string& installer, PayloadSizes& out,
                                    bool* settingsWritten)
{
    out = PayloadSizes{};
    if (settingsWritten)
        *settingsWritten = false;
    Fd in(::open(installer.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st {};
    if (in.get() < 0 || ::fstat(in.get(), &st) != 0 || st.st_size < kTrailerSize)
        return DirectoryError::NoTrailer;
    std::string trailer(static_cast<std::size_t>(kTrailerSize), '\0');
    if (::pread(in.get(), trailer.data(), trailer.size(), st.st_size - kTrailerSize) != kTrailerSize)
        return DirectoryError::NoTrailer;

    PayloadSizes read;
    DirectoryError e = parseTrailer(trailer, read);
    if (e == DirectoryError::None)
        e = checkDirectory(read, st.st_size, kPieces);
    if (e != DirectoryError::None)
        return e;
    out = read;

    const std::string ini = settingsFileFor(installer);
    Fd f(::open(ini.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644));
    if (f.get() >= 0) {
        const bool ok = writeAll(f.get(), trailer.data(), trailer.size()) && writeAll(f.get(), "\r\n", 2);
        if (settingsWritten)
            *settingsWritten = ok;
    }
    return DirectoryError::None;
}

bool copyRange(int inFd, std::int64_t offset, std::int64_t length, const std::string& dest,
               const CopyOptions& options, std::string* error)
{
    if (offset < 0 || length < 0)
        return false;
    std::string tmpPath;
    Fd out(openTemporaryBeside(dest, tmpPath));
    if (out.get() < 0) {
        if (error)
            *error = errnoText(dest);
        return false;
    }
    const std::size_t block = std::max<std::size_t>(options.block, 4096);
    off_t from = offset;
    std::int64_t remaining = length;
    bool kernel = options.kernelCopy;
    bool ok = true;
    MemoryBlock buffer;
    while (remaining > 0 && ok) {
        const std::size_t want = static_cast<std::size_t>(std::min<std::int64_t>(remaining, static_cast<std::int64_t>(block)));
        if (kernel) {
            const ssize_t n = ::copy_file_range(inFd, &from, out.get(), nullptr, want, 0);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && kernelCopyUnsupported(errno)) {
                kernel = false;
                continue;
            }
            if (n <= 0) {
                ok = false;
                break;
            }
            remaining -= n;
        } else {
            if (!buffer.Handle() && !buffer.Allocate(want)) {
                ok = false;
                break;
            }
            const std::size_t chunk = std::min(want, buffer.size());
            const ssize_t n = ::pread(inFd, buffer.Handle(), chunk, from);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0 || !writeAll(out.get(), reinterpret_cast<const char*>(buffer.Handle()), static_cast<std::size_t>(n))) {
                ok = false;
                break;
            }
            from += n;
            remaining -= n;
        }
        if (options.tick)
            options.tick();
    }
    if (!ok) {
        if (error)
            *error = errnoText(dest);
        ::close(out.release());
        ::unlink(tmpPath.c_str());
        return false;
    }
    return finishTemporary(out.release(), tmpPath, dest, options.mode, error);
}

bool ExtractPayloadFile(const std::string& installer, const PayloadSizes& sizes, int piece,
                        const std::string& dest, const CopyOptions& options)
{
    const std::int64_t offset = sizes.offsetOf(piece);
    if (offset < 0)
        return false;
    const std::int64_t length = sizes.slot[static_cast<std::size_t>(piece - 1)];
    Fd in(::open(installer.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st {};
    if (in.get() < 0 || ::fstat(in.get(), &st) != 0 || offset + length > st.st_size)
        return false;
    return copyRange(in.get(), offset, length, dest, options);
}

bool pack(const std::string& image, const std::vector<std::string>& pieces, const std::string& out,
          std::string& error)
{
    std::vector<std::string> all{image};
    all.insert(all.end(), pieces.begin(), pieces.end());
    std::vector<std::int64_t> sizes;
    for (const std::string& p : all) {
        struct stat st {};
        if (::stat(p.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
            error = "missing piece: " + p;
            return false;
        }
        if (st.st_size == 0) {
            error = "empty piece: " + p;
            return false;
        }
        sizes.push_back(st.st_size);
    }
    const std::string trailer = buildTrailer(sizes);
    if (trailer.empty()) {
        error = "the pieces do not fit in the directory";
        return false;
    }

    std::string tmpPath;
    const int fd = openTemporaryBeside(out, tmpPath);
    if (fd < 0) {
        error = errnoText(out);
        return false;
    }
    bool ok = true;
    for (std::size_t i = 0; i < all.size() && ok; ++i) {
        Fd in(::open(all[i].c_str(), O_RDONLY | O_CLOEXEC));
        // The piece is copied by its measured length, so a file that grew
        // since cannot shift the pieces after it.
        ok = in.get() >= 0;
        std::vector<char> buf(1 << 20);
        std::int64_t left = sizes[i];
        while (ok && left > 0) {
            const ssize_t n = ::read(in.get(), buf.data(), static_cast<std::size_t>(std::min<std::int64_t>(left, static_cast<std::int64_t>(buf.size()))));
            ok = n > 0 && writeAll(fd, buf.data(), static_cast<std::size_t>(n));
            left -= n;
        }
        if (!ok)
            error = "cannot read piece: " + all[i];
    }
    ok = ok && writeAll(fd, trailer.data(), trailer.size());
    if (!ok) {
        if (error.empty())
            error = errnoText(out);
        ::close(fd);
        ::unlink(tmpPath.c_str());
        return false;
    }
    return finishTemporary(fd, tmpPath, out, 0755, &error);
}

std::string internetShortcut(const std::string& host)
{
    return "[InternetShortcut]\r\nURL=HTTP://" + host;
}

}  // namespace payload
