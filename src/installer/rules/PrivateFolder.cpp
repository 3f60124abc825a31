#include "installer/rules/PrivateFolder.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdlib.h>
#include <system_error>
#include <vector>

namespace payload {

namespace {

bool usable(const char* v) { return v && v[0] == '/'; }

}  // namespace

std::string temporaryBase(const char* runtimeDir, const char* tmpDir)
{
    std::string base = usable(runtimeDir) ? runtimeDir : usable(tmpDir) ? tmpDir : "/tmp";
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    return base;
}

PrivateFolder::PrivateFolder(const std::string& base)
{
    const std::string pattern = (base == "/" ? std::string() : base) + "/instalox-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()))
        path_.assign(name.data());
    else
        error_ = std::strerror(errno);
}

PrivateFolder::~PrivateFolder()
{
    if (path_.empty())
        return;
    // Nobody else can enter the folder, so what lies in it is what this run
    // put there; links inside are removed, never followed.
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

}  // namespace payload
