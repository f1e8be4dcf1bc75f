#pragma once

#include <filesystem>
#include <string>

namespace chemeng::cli {

// Where chemeng-cli reads its data, in this order: --data-dir DIR; the
// environment variable CHEMENG_DATA_DIR; then the program's usual place
// (data/ in the working directory, else data/ beside the executable or
// share/chemeng/data under its prefix), which the caller found.
std::filesystem::path locateData(const std::string& dataDirOption,
                                 const std::filesystem::path& usualPlace);

// The help paragraph that says where data is looked for.
std::string dataSearchHelp();

// A page's "Error opening X.txt" with the full path that was tried.
std::string withPathTried(const std::string& message, const std::filesystem::path& dataDir);

// The data files' identity: a hash of their contents and the newest
// modification date among them, for --version.
std::string dataIdentity(const std::filesystem::path& dataDir);

}  // namespace chemeng::cli
