#include "consensus.h"

#include <algorithm>
#include <cmath>

namespace chemeng::datagen {

bool Tolerance::agree(double a, double b) const {
    const double margin = std::max(absolute, relative * std::max(std::abs(a), std::abs(b)));
    return std::abs(a - b) <= margin;
}

namespace {

std::size_t supportOf(const std::vector<Vote>& votes, std::size_t i, Tolerance tolerance) {
    std::size_t count = 0;
    for (const Vote& v : votes)
        if (tolerance.agree(votes[i].value, v.value)) ++count;
    return count;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : 0.5 * (values[n / 2 - 1] + values[n / 2]);
}

void noteSetAside(const std::vector<Vote>& votes, Consensus& c) {
    for (const Vote& v : votes) {
        const double d = std::abs(v.value - *c.value);
        if (d > c.largestSetAside) {
            c.largestSetAside = d;
            c.setAsideSource = v.source;
        }
    }
}

}  // namespace

Consensus consensus(const std::vector<Vote>& votes, Tolerance tolerance) {
    Consensus c;
    const auto first = std::find_if(votes.begin(), votes.end(), [](const Vote& v) {
        return v.candidate && std::isfinite(v.value);
    });
    if (first == votes.end()) return c;
    std::vector<Vote> finite;
    for (const Vote& v : votes)
        if (std::isfinite(v.value)) finite.push_back(v);
    const auto firstIndex = static_cast<std::size_t>(
        std::find_if(finite.begin(), finite.end(), [](const Vote& v) { return v.candidate; }) -
        finite.begin());
    if (finite.size() == 1) {
        c.value = first->value;
        c.source = first->source;
        c.outcome = ConsensusOutcome::Single;
        return c;
    }
    // A group is written only when it holds a candidate: witnesses confirm
    // or outvote a table, they are never the only voice.
    const auto holdsCandidate = [&](std::size_t i) {
        return std::any_of(finite.begin(), finite.end(), [&](const Vote& v) {
            return v.candidate && tolerance.agree(finite[i].value, v.value);
        });
    };
    std::size_t best = firstIndex;
    std::size_t bestSupport = supportOf(finite, firstIndex, tolerance);
    for (std::size_t i = 0; i < finite.size(); ++i) {
        const std::size_t s = supportOf(finite, i, tolerance);
        if (s > bestSupport && holdsCandidate(i)) {
            best = i;
            bestSupport = s;
        }
    }
    // A lone table contradicted only by a single witness stands: a witness
    // confirms or, with another voice, outvotes, but never vetoes alone.
    const auto candidates =
        std::count_if(finite.begin(), finite.end(), [](const Vote& v) { return v.candidate; });
    if (bestSupport < 2 && candidates == 1 && finite.size() == 2) {
        c.value = first->value;
        c.source = first->source;
        c.outcome = ConsensusOutcome::Single;
        noteSetAside(finite, c);
        return c;
    }
    if (bestSupport < 2) {
        c.outcome = ConsensusOutcome::Dropped;
        c.largestSetAside = 0.0;
        for (const Vote& v : finite)
            c.largestSetAside = std::max(c.largestSetAside, std::abs(v.value - first->value));
        c.setAsideSource = first->source;
        return c;
    }
    if (best == firstIndex) {
        c.value = first->value;
        c.source = first->source;
        c.outcome = ConsensusOutcome::Agreed;
    } else {
        std::vector<double> group;
        std::string names;
        for (const Vote& v : finite)
            if (tolerance.agree(finite[best].value, v.value)) {
                group.push_back(v.value);
                names += (names.empty() ? "" : ", ") + v.source;
            }
        c.value = median(group);
        c.source = "median of " + names;
        c.outcome = ConsensusOutcome::Corrected;
    }
    noteSetAside(finite, c);
    return c;
}

}  // namespace chemeng::datagen
