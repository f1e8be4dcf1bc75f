#pragma once

#include <filesystem>

namespace chemeng {

// Where the program reads its data files: data/ in the working directory,
// as it always has; when the working directory has none (a program started
// from a desktop launcher), the data installed with the program: data/
// beside the executable, or share/chemeng/data under its prefix. When none
// exists the answer is still "data", so the pages report the missing files.
std::filesystem::path findDataDirectory(const std::filesystem::path& workingDir,
                                        const std::filesystem::path& executableDir);

// The folder of the running executable (empty when it cannot be told).
std::filesystem::path executableDirectory(const char* argv0);

}  // namespace chemeng
