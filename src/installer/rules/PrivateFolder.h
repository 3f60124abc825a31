#pragma once
#include <string>

// Where the installer extracts its pieces. A shared temporary folder such as
// /tmp can be written by every local user, so nothing is ever put there under
// a fixed name: each run makes a folder of its own that only it can enter.
namespace payload {

// The folder under which the private folder is made: the user's runtime
// folder when XDG_RUNTIME_DIR is set, else TMPDIR, else /tmp. Either value is
// passed as read from the environment (null when unset); an empty or relative
// one is ignored. The result carries no final "/".
std::string temporaryBase(const char* runtimeDir, const char* tmpDir);

// A new folder with a random name under `base` (mkdtemp: mode 0700, never one
// that existed before), removed with everything in it when the object goes.
class PrivateFolder {
public:
    explicit PrivateFolder(const std::string& base);
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    bool ok() const { return !path_.empty(); }
    const std::string& path() const { return path_; }
    // Why the folder could not be made; empty when ok().
    const std::string& error() const { return error_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
    std::string error_;
};

}  // namespace payload
