#include "framework/data_directory.h"

#include <gtest/gtest.h>

#include "support/temp_data_dir.h"

namespace chemeng {
namespace {

TEST(DataDirectory, PrefersDataInTheWorkingDirectoryThenTheInstalledCopy) {
    test::TempDataDir root;
    const auto work = root.path() / "work";
    const auto prefix = root.path() / "usr";
    std::filesystem::create_directories(work);
    std::filesystem::create_directories(prefix / "bin");

    // Nothing anywhere: the plain relative path, so the pages report it.
    EXPECT_EQ(findDataDirectory(work, prefix / "bin"), "data");

    std::filesystem::create_directories(prefix / "share" / "chemeng" / "data");
    EXPECT_EQ(findDataDirectory(work, prefix / "bin"), prefix / "share" / "chemeng" / "data");

    std::filesystem::create_directories(prefix / "bin" / "data");
    EXPECT_EQ(findDataDirectory(work, prefix / "bin"), prefix / "bin" / "data");

    std::filesystem::create_directories(work / "data");
    EXPECT_EQ(findDataDirectory(work, prefix / "bin"), "data");
}

TEST(DataDirectory, KnowsWhereTheRunningProgramIs) {
    const auto dir = executableDirectory(nullptr);
    EXPECT_TRUE(std::filesystem::exists(dir / "core_tests")) << dir;
}

}  // namespace
}  // namespace chemeng
