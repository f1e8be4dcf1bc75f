#include "support/temp_data_dir.h"

#include <unistd.h>

#include <atomic>
#include <fstream>

namespace chemeng::test {

TempDataDir::TempDataDir() {
    static std::atomic<int> counter{0};
    m_path = std::filesystem::temp_directory_path() /
             ("chemeng-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

TempDataDir::~TempDataDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void TempDataDir::write(const std::string& name, const std::string& content) const {
    std::ofstream file(m_path / name, std::ios::binary);
    file << content;
}

FixedLine& FixedLine::at(std::size_t column, const std::string& text) {
    if (m_text.size() < column + text.size()) m_text.resize(column + text.size(), ' ');
    m_text.replace(column, text.size(), text);
    return *this;
}

}  // namespace chemeng::test
