#pragma once

#include <map>
#include <string>
#include <vector>

// The consistency checks the generator applies before writing a value: for
// each check how many rows passed, were corrected, or were dropped, and the
// largest disagreement left in the written files.
namespace chemeng::datagen {

class ConsistencyReport {
  public:
    enum class Outcome { Passed, Corrected, Dropped };

    void count(const std::string& check, Outcome outcome, int n = 1);
    // Keeps the largest value per check, with the compound and a text saying
    // what the figure is ("2.1 K from Yaws").
    void worst(const std::string& check, double size, const std::string& text);
    void note(const std::string& check, std::string text);

    int counted(const std::string& check, Outcome outcome) const;

    std::string markdown() const;

  private:
    struct Check {
        int passed = 0, corrected = 0, dropped = 0;
        double worstSize = -1.0;
        std::string worstText;
        std::vector<std::string> notes;
    };
    std::vector<std::string> m_order;
    std::map<std::string, Check> m_checks;
    Check& at(const std::string& check);
};

}  // namespace chemeng::datagen
