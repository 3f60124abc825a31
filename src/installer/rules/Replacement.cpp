#include "installer/rules/Replacement.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace payload {

namespace {

void setError(std::string* error, int e)
{
    if (error)
        *error = std::strerror(e);
}

// A new empty file with a free name beside `path`, to be renamed onto.
std::string freeNameBeside(const std::string& path)
{
    std::string name = path + ".XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return {};
    ::close(fd);
    return name;
}

}  // namespace

ReplacementSet::~ReplacementSet() { rollback(); }

bool ReplacementSet::stage(const std::string& source, const std::string& dest, const CopyOptions& options,
                           std::string* error)
{
    const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        setError(error, errno);
        return false;
    }
    struct stat from {};
    struct stat to {};
    const bool statted = ::fstat(in, &from) == 0;
    const int se = errno;
    bool ok = statted && S_ISREG(from.st_mode);
    if (!ok) {
        setError(error, statted ? EINVAL : se);
    } else if (::lstat(dest.c_str(), &to) == 0) {
        if (from.st_dev == to.st_dev && from.st_ino == to.st_ino) {
            ::close(in);
            return true;
        }
        // A folder (or anything else) there would make the final rename fail
        // after other files were already replaced.
        if (!S_ISREG(to.st_mode) && !S_ISLNK(to.st_mode)) {
            setError(error, S_ISDIR(to.st_mode) ? EISDIR : EEXIST);
            ok = false;
        }
    } else if (errno != ENOENT) {
        setError(error, errno);
        ok = false;
    }

    Item item;
    item.dest = dest;
    if (ok) {
        item.staged = freeNameBeside(dest);
        ok = !item.staged.empty();
        if (!ok)
            setError(error, errno);
    }
    if (ok) {
        CopyOptions op = options;
        op.mode = from.st_mode & 0777;
        std::string why;
        ok = copyRange(in, 0, from.st_size, item.staged, op, &why);
        if (!ok) {
            const int e = errno;
            ::unlink(item.staged.c_str());
            if (error)
                *error = e ? std::strerror(e) : why;
        }
    }
    ::close(in);
    if (ok)
        items_.push_back(std::move(item));
    return ok;
}

bool ReplacementSet::commit(std::string* failed, std::string* error)
{
    for (Item& it : items_) {
        if (it.placed)
            continue;
        struct stat st {};
        bool ok = true;
        if (::lstat(it.dest.c_str(), &st) == 0) {
            it.backup = freeNameBeside(it.dest);
            ok = !it.backup.empty() && ::rename(it.dest.c_str(), it.backup.c_str()) == 0;
            if (!ok && !it.backup.empty()) {
                const int e = errno;
                ::unlink(it.backup.c_str());
                it.backup.clear();
                errno = e;
            }
        }
        if (ok && ::rename(it.staged.c_str(), it.dest.c_str()) != 0) {
            ok = false;
            const int e = errno;
            if (!it.backup.empty() && ::rename(it.backup.c_str(), it.dest.c_str()) == 0)
                it.backup.clear();
            errno = e;
        }
        if (!ok) {
            if (failed)
                *failed = it.dest;
            setError(error, errno);
            rollback();
            return false;
        }
        it.placed = true;
    }
    return true;
}

void ReplacementSet::keep()
{
    for (const Item& it : items_) {
        if (!it.placed)
            ::unlink(it.staged.c_str());
        else if (!it.backup.empty())
            ::unlink(it.backup.c_str());
    }
    items_.clear();
}

void ReplacementSet::rollback()
{
    for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
        // The old file goes back over the new one; a destination that was
        // empty before is emptied again.
        if (!it->backup.empty())
            ::rename(it->backup.c_str(), it->dest.c_str());
        else if (it->placed)
            ::unlink(it->dest.c_str());
        if (!it->placed)
            ::unlink(it->staged.c_str());
    }
    items_.clear();
}

}  // namespace payload
