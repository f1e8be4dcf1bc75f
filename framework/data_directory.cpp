#include "framework/data_directory.h"

#include <system_error>

namespace chemeng {

namespace {
bool isDirectory(const std::filesystem::path& path) {
    std::error_code ignored;
    return std::filesystem::is_directory(path, ignored);
}
}  // namespace

std::filesystem::path findDataDirectory(const std::filesystem::path& workingDir,
                                        const std::filesystem::path& executableDir) {
    const std::filesystem::path relative = "data";
    if (isDirectory(workingDir / relative)) return relative;
    if (!executableDir.empty()) {
        for (const auto& candidate :
             {executableDir / "data", executableDir.parent_path() / "share" / "chemeng" / "data"}) {
            if (isDirectory(candidate)) return candidate;
        }
    }
    return relative;
}

std::filesystem::path executableDirectory(const char* argv0) {
    std::error_code error;
    // Linux names the running program here; argv[0] is the fallback.
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        if (argv0 == nullptr) return {};
        self = std::filesystem::absolute(argv0, error);
        if (error) return {};
    }
    return self.parent_path();
}

}  // namespace chemeng
