// The committed data files are exactly what the generator makes from the
// public source tables: any hand edit, or a generator change without
// regenerating, shows up here.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "generator.h"

namespace chemeng::datagen {
namespace {

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(CompoundDataRegeneration, CommittedFilesEqualAFreshRunByteForByte) {
    const std::filesystem::path source = COMPOUND_DATA_SOURCE_DIR;
    ASSERT_TRUE(std::filesystem::is_directory(source)) << "source tables missing: " << source;
    const GeneratedData data = generateCompoundData(source);
    ASSERT_TRUE(data.error.empty()) << data.error;

    const std::filesystem::path out = std::filesystem::temp_directory_path() /
                                      ("compound_data_regeneration_" + std::to_string(::getpid()));
    std::filesystem::create_directories(out);
    std::string error;
    ASSERT_TRUE(writeGeneratedData(data, out, error)) << error;

    const std::filesystem::path committed = std::filesystem::path(COMPOUND_DATA_REPO_DIR) / "data";
    std::vector<std::string> names(std::begin(kCompoundFileNames), std::end(kCompoundFileNames));
    names.emplace_back(kReportFileName);
    EXPECT_EQ(data.files.size(), names.size());
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const std::string fresh = fileText(out / name);
        EXPECT_FALSE(fresh.empty());
        EXPECT_TRUE(fresh == fileText(committed / name))
            << "data/" << name << " differs from a fresh run";
    }
    std::filesystem::remove_all(out);
}

}  // namespace
}  // namespace chemeng::datagen
