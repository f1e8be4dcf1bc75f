#pragma once

// The water engine's vocabulary: one state of water or steam with every
// property an engineer asks for, how it was reached, and why a call could not
// answer. Shared by the formulations (IAPWS-95, IAPWS-IF97) so that a caller
// can switch between them and compare.
//
// Units, in every signature and field: T in K, p in kPa, ρ in kg/m³, v in
// m³/kg, u and h in kJ/kg, s, cp and cv in kJ/(kg·K), w in m/s, viscosity in
// Pa·s, kinematic viscosity in m²/s, thermal conductivity in W/(m·K),
// surface tension in N/m, the Joule-Thomson coefficient in K/kPa, quality as a
// mass fraction of vapour from 0 to 1.

namespace chemeng::water {

enum class Formulation {
    Iapws95,  // the scientific reference (IAPWS R6-95(2018))
    If97,     // the industrial formulation (IAPWS R7-97(2012))
};

enum class Phase {
    Liquid,
    Vapour,
    TwoPhase,
    Supercritical,  // T above Tc and p above pc
};

// Why a call gave no state. Every limit is named so that a front end can say
// which one was crossed; no call extrapolates silently.
enum class Status {
    Ok,
    InvalidInput,             // not finite, or a quantity that must be positive is not
    BelowMinimumTemperature,  // below the melting or sublimation curve, or 273.15 K for IF97
    AboveMaximumTemperature,  // above 1273.15 K (IAPWS-95) or 2273.15 K (IF97)
    BelowMinimumPressure,
    AboveMaximumPressure,  // above 1000 MPa (IAPWS-95), 100 MPa or 50 MPa (IF97)
    QualityOutOfRange,     // quality not within 0 to 1
    NotTwoPhase,           // a quality was given where no saturation exists (T > Tc, p > pc)
    NoSolution,            // the pair names no state of water within the range
    NotConverged,          // the iteration did not meet its tolerance
};

// Properties of one phase at one state. Fields a formulation does not give
// at a state (the Joule-Thomson coefficient of a two-phase mixture, say) are
// NaN.
struct PhaseProperties {
    double t_K = 0.0;
    double p_kPa = 0.0;
    double rho_kgm3 = 0.0;
    double v_m3kg = 0.0;
    double u_kJkg = 0.0;
    double h_kJkg = 0.0;
    double s_kJkgK = 0.0;
    double cp_kJkgK = 0.0;
    double cv_kJkgK = 0.0;
    double w_ms = 0.0;
    double jouleThomson_KperkPa = 0.0;
    double isentropicExponent = 0.0;
    // Transport, IAPWS 2008 (viscosity) and 2011 (thermal conductivity).
    double viscosity_Pas = 0.0;
    double kinematicViscosity_m2s = 0.0;
    double thermalConductivity_WmK = 0.0;
    double prandtl = 0.0;
};

// One state of water. For a single phase `mixture` holds the properties and
// `liquid`/`vapour` are unused (NaN); in the two-phase region `liquid` and
// `vapour` are the saturated phases and `mixture` the quality-weighted
// mixture (its cp, cv, w and transport properties NaN).
struct WaterState {
    Status status = Status::Ok;
    Formulation formulation = Formulation::Iapws95;
    Phase phase = Phase::Liquid;
    double quality = 0.0;  // 0 for liquid, 1 for vapour, NaN when supercritical
    PhaseProperties mixture;
    PhaseProperties liquid;
    PhaseProperties vapour;
    // Surface tension of the saturated liquid (IAPWS 2014) when the state is
    // on or inside the saturation dome; NaN otherwise.
    double surfaceTension_Nm = 0.0;
};

}  // namespace chemeng::water
