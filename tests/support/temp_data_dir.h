#pragma once

#include <filesystem>
#include <string>

namespace chemeng::test {

// A fresh directory under the system's temporary folder, removed with the
// object; tests write small data files into it.
class TempDataDir {
  public:
    TempDataDir();
    ~TempDataDir();
    TempDataDir(const TempDataDir&) = delete;
    TempDataDir& operator=(const TempDataDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // Writes content byte for byte to a file of that name in the directory.
    void write(const std::string& name, const std::string& content) const;

  private:
    std::filesystem::path m_path;
};

// A line with text placed at given 0-based columns, blanks elsewhere.
class FixedLine {
  public:
    FixedLine& at(std::size_t column, const std::string& text);
    std::string str() const { return m_text; }

  private:
    std::string m_text;
};

}  // namespace chemeng::test
