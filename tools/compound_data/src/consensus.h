#pragma once

#include <optional>
#include <string>
#include <vector>

// Choosing one value of a constant from several handbooks. Compilations copy
// from each other and from older books, so a single wrong row (a swapped CAS,
// a boiling point at reduced pressure) is best caught by the other tables
// that list the same quantity.
namespace chemeng::datagen {

// Two values agree when they differ by at most the larger of an absolute and
// a relative margin (relative to the larger magnitude).
struct Tolerance {
    double absolute = 0.0;
    double relative = 0.0;
    bool agree(double a, double b) const;
};

// One table's value. Only candidates may be written; witnesses (tables that
// are not a first choice for this quantity, values implied by a correlation)
// only vote.
struct Vote {
    double value;
    std::string source;
    bool candidate = true;
};

enum class ConsensusOutcome {
    None,       // no table has the value
    Single,     // one table only: nothing to compare with (or one witness)
    Agreed,     // the first choice agrees with the largest group of tables
    Corrected,  // the first choice is outvoted: median of the agreeing group
    Dropped,    // no two tables agree
};

struct Consensus {
    std::optional<double> value;
    std::string source;  // the table written, or "median of ..." when corrected
    ConsensusOutcome outcome = ConsensusOutcome::None;
    // Largest difference between the value chosen and a table left aside (0
    // when every table agreed); in the unit of the values.
    double largestSetAside = 0.0;
    std::string setAsideSource;
};

// The first candidate in order of preference when as many tables agree with
// it as with any other value; else the median of the largest group of
// agreeing values (ties go to the group of the better-ranked table); nothing
// when no two values agree (except that one table contradicted by one witness
// only is kept). Witnesses are never the first choice but count in the groups
// and the median.
Consensus consensus(const std::vector<Vote>& votes, Tolerance tolerance);

}  // namespace chemeng::datagen
