#pragma once
#include "installer/rules/Payload.h"

#include <string>
#include <vector>

namespace payload {

// New files that replace installed ones all together or not at all. Each is
// first written in full beside its destination; commit() then renames them
// into place and holds on to what they replaced until keep(). Until then a
// failure, or the object going away, puts back every replaced file and
// removes whatever was written.
class ReplacementSet {
public:
    ReplacementSet() = default;
    ~ReplacementSet();
    ReplacementSet(const ReplacementSet&) = delete;
    ReplacementSet& operator=(const ReplacementSet&) = delete;

    // Writes a copy of `source`, with the source's permissions, beside `dest`.
    // Fails when the source cannot be read or `dest` is something other than
    // a file or a link; `error` then says why. A source that already is
    // `dest` (installing from the installation folder) needs no copy.
    bool stage(const std::string& source, const std::string& dest, const CopyOptions& options,
               std::string* error = nullptr);
    // Puts every staged file in place. On a failure the files already
    // replaced are put back; `failed` names the destination that could not be
    // replaced.
    bool commit(std::string* failed = nullptr, std::string* error = nullptr);
    // The new files stay for good; what they replaced is deleted.
    void keep();
    // Back to how things were before the first stage().
    void rollback();

    std::size_t size() const { return items_.size(); }

private:
    struct Item {
        std::string dest;
        std::string staged;
        std::string backup;  // what `dest` held, once commit() moved it aside
        bool placed = false;
    };
    std::vector<Item> items_;
};

}  // namespace payload
