#pragma once

namespace chemeng {

// Which partial derivatives of a dimensionless Helmholtz part to evaluate,
// with respect to the reduced density δ and the inverse reduced temperature τ.
// Only the selected values are computed; the others stay zero.
struct HelmholtzSelection {
    bool phi = false;
    bool d = false;    // φ_δ
    bool t = false;    // φ_τ
    bool dd = false;   // φ_δδ
    bool tt = false;   // φ_ττ
    bool dt = false;   // φ_δτ
    bool ddd = false;  // φ_δδδ
    bool ddt = false;  // φ_δδτ
    bool dtt = false;  // φ_δττ

    static constexpr HelmholtzSelection all() {
        return {true, true, true, true, true, true, true, true, true};
    }
};

// φ and its derivatives, named like the selection flags. Every evaluation
// starts from zero, so unselected entries read 0.
template <typename Real>
struct HelmholtzParts {
    Real phi = 0;
    Real d = 0;
    Real t = 0;
    Real dd = 0;
    Real tt = 0;
    Real dt = 0;
    Real ddd = 0;
    Real ddt = 0;
    Real dtt = 0;
};

using HelmholtzValues = HelmholtzParts<double>;

}  // namespace chemeng
