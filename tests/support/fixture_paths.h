#pragma once

#include <filesystem>

namespace chemeng::test {

// The repository's data/ directory, as shipped.
inline std::filesystem::path shippedDataDir() {
    return std::filesystem::path(CHEMENG_SOURCE_DIR) / "data";
}

// Small hand-written data sets under tests/fixtures/.
inline std::filesystem::path fixtureDir(const char* name) {
    return std::filesystem::path(CHEMENG_FIXTURE_DIR) / name;
}

}  // namespace chemeng::test
