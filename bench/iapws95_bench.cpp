// IAPWS-95 energies and the saturation solver. EnergiesAt is compared with a
// plain evaluation of the same 56 residual terms that calls pow once per
// power factor (the textbook form), which is what the tuned residual replaces.

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "water/energies_at.h"
#include "water/helmholtz_ideal.h"
#include "water/helmholtz_residual.h"
#include "water/iapws95_constants.h"
#include "water/saturation_equilibrium.h"
#include "water/saturation_state.h"

namespace {

using namespace chemeng;

struct State {
    double T_K;
    double rho_kgm3;
};

// Liquid, vapour and supercritical states, four of each.
constexpr std::array<State, 12> kStates{{
    {300, 996.5},
    {350, 974.0},
    {450, 890.3},
    {550, 756.0},
    {373.15, 0.5977},
    {450, 4.812},
    {500, 0.435},
    {600, 20.0},
    {650, 400.0},
    {700, 100.0},
    {900, 52.6},
    {1000, 300.0},
}};

// IAPWS R6-95(2018) Table 2 again, in the published layout, for the plain form.
struct Term {
    double c, d, t, n;
};
constexpr std::array<Term, 51> kPowerTerms{{
    {0, 1, -0.5, 0.12533547935523e-1},  {0, 1, 0.875, 0.78957634722828e1},
    {0, 1, 1, -0.87803203303561e1},     {0, 2, 0.5, 0.31802509345418},
    {0, 2, 0.75, -0.26145533859358},    {0, 3, 0.375, -0.78199751687981e-2},
    {0, 4, 1, 0.88089493102134e-2},     {1, 1, 4, -0.66856572307965},
    {1, 1, 6, 0.20433810950965},        {1, 1, 12, -0.66212605039687e-4},
    {1, 2, 1, -0.19232721156002},       {1, 2, 5, -0.25709043003438},
    {1, 3, 4, 0.16074868486251},        {1, 4, 2, -0.40092828925807e-1},
    {1, 4, 13, 0.39343422603254e-6},    {1, 5, 9, -0.75941377088144e-5},
    {1, 7, 3, 0.56250979351888e-3},     {1, 9, 4, -0.15608652257135e-4},
    {1, 10, 11, 0.11537996422951e-8},   {1, 11, 4, 0.36582165144204e-6},
    {1, 13, 13, -0.13251180074668e-11}, {1, 15, 1, -0.62639586912454e-9},
    {2, 1, 7, -0.10793600908932},       {2, 2, 1, 0.17611491008752e-1},
    {2, 2, 9, 0.22132295167546},        {2, 2, 10, -0.40247669763528},
    {2, 3, 10, 0.58083399985759},       {2, 4, 3, 0.49969146990806e-2},
    {2, 4, 7, -0.31358700712549e-1},    {2, 4, 10, -0.74315929710341},
    {2, 5, 10, 0.47807329915480},       {2, 6, 6, 0.20527940895948e-1},
    {2, 6, 10, -0.13636435110343},      {2, 7, 10, 0.14180634400617e-1},
    {2, 9, 1, 0.83326504880713e-2},     {2, 9, 2, -0.29052336009585e-1},
    {2, 9, 3, 0.38615085574206e-1},     {2, 9, 4, -0.20393486513704e-1},
    {2, 9, 8, -0.16554050063734e-2},    {2, 10, 6, 0.19955571979541e-2},
    {2, 10, 9, 0.15870308324157e-3},    {2, 12, 8, -0.16388568342530e-4},
    {3, 3, 16, 0.43613615723811e-1},    {3, 4, 22, 0.34994005463765e-1},
    {3, 4, 23, -0.76788197844621e-1},   {3, 5, 23, 0.22446277332006e-1},
    {4, 14, 10, -0.62689710414685e-4},  {6, 3, 50, -0.55711118565645e-9},
    {6, 6, 44, -0.19905718354408},      {6, 6, 46, 0.31777497330738},
    {6, 6, 50, -0.11841182425981},
}};
struct Gaussian {
    double d, t, n, alpha, beta, gamma, epsilon;
};
constexpr std::array<Gaussian, 3> kGaussians{{
    {3, 0, -0.31306260323435e2, 20, 150, 1.21, 1},
    {3, 1, 0.31546140237781e2, 20, 150, 1.21, 1},
    {3, 4, -0.25213154341695e4, 20, 250, 1.25, 1},
}};
struct NonAnalytic {
    double a, b, B, n, C, D, A, beta;
};
constexpr std::array<NonAnalytic, 2> kNonAnalytic{{
    {3.5, 0.85, 0.2, -0.14874640856724, 28, 700, 0.32, 0.3},
    {3.5, 0.95, 0.2, 0.31806110878444, 32, 800, 0.32, 0.3},
}};

// φʳ_δ and φʳ_τ term by term, one pow per power factor.
struct PlainDerivatives {
    double d = 0.0;
    double t = 0.0;
};

PlainDerivatives plainResidual(double delta, double tau) {
    PlainDerivatives r;
    for (const Term& k : kPowerTerms) {
        const double dc = k.c == 0 ? 0.0 : std::pow(delta, k.c);
        const double e = k.c == 0 ? 1.0 : std::exp(-dc);
        const double common = k.n * std::pow(delta, k.d - 1) * std::pow(tau, k.t) * e;
        r.d += common * (k.d - k.c * dc);
        r.t += k.n * k.t * std::pow(delta, k.d) * std::pow(tau, k.t - 1) * e;
    }
    for (const Gaussian& g : kGaussians) {
        const double f = std::exp(-g.alpha * std::pow(delta - g.epsilon, 2) -
                                  g.beta * std::pow(tau - g.gamma, 2));
        const double term = g.n * std::pow(delta, g.d) * std::pow(tau, g.t) * f;
        r.d += term * (g.d / delta - 2 * g.alpha * (delta - g.epsilon));
        r.t += term * (g.t / tau - 2 * g.beta * (tau - g.gamma));
    }
    for (const NonAnalytic& k : kNonAnalytic) {
        const double q = std::pow(delta - 1, 2);
        const double theta = (1 - tau) + k.A * std::pow(q, 1 / (2 * k.beta));
        const double Delta = std::pow(theta, 2) + k.B * std::pow(q, k.a);
        const double psi = std::exp(-k.C * q - k.D * std::pow(tau - 1, 2));
        const double dDelta =
            (delta - 1) * (k.A * theta * 2 / k.beta * std::pow(q, 1 / (2 * k.beta) - 1) +
                           2 * k.B * k.a * std::pow(q, k.a - 1));
        const double DeltaB = std::pow(Delta, k.b);
        const double DeltaB1 = Delta == 0 ? 0.0 : std::pow(Delta, k.b - 1);
        const double psiD = -2 * k.C * (delta - 1) * psi;
        const double psiT = -2 * k.D * (tau - 1) * psi;
        r.d += k.n * (DeltaB * (psi + delta * psiD) + k.b * DeltaB1 * dDelta * delta * psi);
        r.t += k.n * delta * (-2 * theta * k.b * DeltaB1 * psi + DeltaB * psiT);
    }
    return r;
}

Energies plainEnergiesAt(double T_K, double rho_kgm3) {
    const double tau = 1.0 / (T_K * iapws95::kInverseCriticalTemperature_perK);
    const double delta = rho_kgm3 * iapws95::kInverseCriticalDensity_m3kg;
    const double RT = T_K * iapws95::kGasConstant_kJkgK;
    const double idealT = HelmholtzIdeal(1.0, tau, HelmholtzSelection{.t = true}).t;
    const PlainDerivatives r = plainResidual(delta, tau);
    const double uOverRT = tau * (idealT + r.t);
    return {uOverRT * RT, (1.0 + uOverRT + delta * r.d) * RT, EnergiesStatus::Ok};
}

// The comparison means nothing unless both forms give the same numbers.
void checkAgreement() {
    for (const State& s : kStates) {
        const Energies tuned = EnergiesAt(s.T_K, s.rho_kgm3);
        const Energies plain = plainEnergiesAt(s.T_K, s.rho_kgm3);
        if (std::fabs(tuned.u_kJkg - plain.u_kJkg) > 1e-9 * std::fabs(plain.u_kJkg) ||
            std::fabs(tuned.h_kJkg - plain.h_kJkg) > 1e-9 * std::fabs(plain.h_kJkg)) {
            std::fprintf(stderr, "plain and tuned EnergiesAt disagree at %g K, %g kg/m3\n", s.T_K,
                         s.rho_kgm3);
            std::abort();
        }
    }
}

void BM_EnergiesAt(benchmark::State& state) {
    checkAgreement();
    for (auto _ : state) {
        for (const State& s : kStates) benchmark::DoNotOptimize(EnergiesAt(s.T_K, s.rho_kgm3));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kStates.size()));
}
BENCHMARK(BM_EnergiesAt);

void BM_EnergiesAtPlainPow(benchmark::State& state) {
    checkAgreement();
    for (auto _ : state) {
        for (const State& s : kStates) benchmark::DoNotOptimize(plainEnergiesAt(s.T_K, s.rho_kgm3));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kStates.size()));
}
BENCHMARK(BM_EnergiesAtPlainPow);

void BM_HelmholtzResidualAllDerivatives(benchmark::State& state) {
    for (auto _ : state) {
        for (const State& s : kStates) {
            benchmark::DoNotOptimize(HelmholtzResidual(s.rho_kgm3 / iapws95::kCriticalDensity_kgm3,
                                                       iapws95::kCriticalTemperature_K / s.T_K,
                                                       HelmholtzSelection::all()));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kStates.size()));
}
BENCHMARK(BM_HelmholtzResidualAllDerivatives);

// 64 temperatures and pressures spread over the saturation line, the last few
// close to the critical point.
std::array<double, 64> thetaGrid() {
    std::array<double, 64> grid{};
    for (std::size_t i = 0; i < grid.size(); ++i) {
        grid[i] = SaturationState::kLowestTheta +
                  (0.9999995 - SaturationState::kLowestTheta) *
                      std::sqrt(static_cast<double>(i) / static_cast<double>(grid.size() - 1));
    }
    return grid;
}

void BM_SaturationAtTemperature(benchmark::State& state) {
    const auto grid = thetaGrid();
    SaturationState sat;
    for (auto _ : state) {
        for (const double theta : grid) {
            benchmark::DoNotOptimize(sat.SaturationAtTemperature(theta));
            benchmark::DoNotOptimize(sat.reducedVapourDensity());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(grid.size()));
}
BENCHMARK(BM_SaturationAtTemperature);

void BM_SaturationAtPressure(benchmark::State& state) {
    std::array<double, 64> pressures{};
    const auto grid = thetaGrid();
    SaturationState sat;
    for (std::size_t i = 0; i < grid.size(); ++i) {
        sat.SaturationAtTemperature(grid[i]);
        pressures[i] = sat.reducedPressure();
    }
    for (auto _ : state) {
        for (const double pi : pressures) {
            sat.setReducedPressure(pi);
            benchmark::DoNotOptimize(sat.SaturationAtPressure());
            benchmark::DoNotOptimize(sat.reducedSaturationTemperature());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pressures.size()));
}
BENCHMARK(BM_SaturationAtPressure);

// One row of the saturation table file (extended precision, for the record).
void BM_PhaseEquilibrium(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(solvePhaseEquilibrium(450.0));
    }
}
BENCHMARK(BM_PhaseEquilibrium);

}  // namespace
