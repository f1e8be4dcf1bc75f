#include "cli/data_location.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <vector>

namespace chemeng::cli {

std::filesystem::path locateData(const std::string& dataDirOption,
                                 const std::filesystem::path& usualPlace) {
    if (!dataDirOption.empty()) return dataDirOption;
    if (const char* env = std::getenv("CHEMENG_DATA_DIR"); env != nullptr && *env != '\0')
        return env;
    return usualPlace;
}

std::string dataSearchHelp() {
    return "Data files are read from the first of: --data-dir DIR; the environment variable "
           "CHEMENG_DATA_DIR; data/ in the working directory; data/ beside the executable; "
           "share/chemeng/data under the installation prefix.";
}

std::string withPathTried(const std::string& message, const std::filesystem::path& dataDir) {
    const std::string prefix = "Error opening ";
    if (message.rfind(prefix, 0) != 0) return message;
    std::string file = message.substr(prefix.size());
    // The Physical Properties and Density pages have always called
    // PhysProps.txt "PhysProp.txt" in this message.
    if (file == "PhysProp.txt") file = "PhysProps.txt";
    std::error_code ignored;
    const std::filesystem::path tried = std::filesystem::absolute(dataDir / file, ignored);
    return message + " (tried " + tried.lexically_normal().string() + ")";
}

std::string dataIdentity(const std::filesystem::path& dataDir) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dataDir, error)) {
        if (entry.is_regular_file() && entry.path().extension() == ".txt")
            files.push_back(entry.path());
    }
    if (files.empty()) return "no data files in " + dataDir.string();
    std::sort(files.begin(), files.end());
    // FNV-1a over each file's name and bytes: enough to tell two data sets
    // apart, not a security measure.
    std::uint64_t hash = 14695981039346656037ULL;
    const auto mix = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 1099511628211ULL;
    };
    std::filesystem::file_time_type newest{};
    for (const auto& path : files) {
        for (char c : path.filename().string()) mix(static_cast<unsigned char>(c));
        std::ifstream in(path, std::ios::binary);
        std::array<char, 65536> buffer{};
        while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0) {
            for (std::streamsize i = 0; i < in.gcount(); ++i)
                mix(static_cast<unsigned char>(buffer[static_cast<std::size_t>(i)]));
        }
        newest = std::max(newest, std::filesystem::last_write_time(path, error));
    }
    const auto seconds = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
        std::chrono::file_clock::to_sys(newest));
    const std::time_t time = std::chrono::system_clock::to_time_t(seconds);
    std::tm utc{};
    gmtime_r(&time, &utc);
    std::ostringstream text;
    text << files.size() << " files, hash " << std::hex << std::setw(16) << std::setfill('0')
         << hash << std::dec << ", newest " << std::put_time(&utc, "%Y-%m-%d");
    return text.str();
}

}  // namespace chemeng::cli
