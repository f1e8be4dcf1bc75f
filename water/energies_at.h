#pragma once

namespace chemeng {

enum class EnergiesStatus {
    Ok,
    // ρ = 0 (the saturation solver's answer below its range): the enthalpy
    // formula has no value there. u and h hold the dilute-gas limits
    // (h = u + RT), which the caller may show or not.
    ZeroDensity,
    // T not above 0 K, ρ negative, or either not a finite number: u and h are 0.
    InvalidInput,
};

// Specific internal energy and enthalpy of water in kJ/kg.
struct Energies {
    double u_kJkg = 0.0;
    double h_kJkg = 0.0;
    EnergiesStatus status = EnergiesStatus::Ok;
};

// u and h by IAPWS-95 at temperature T (K) and density ρ (kg/m³).
Energies EnergiesAt(double T_K, double rho_kgm3);

}  // namespace chemeng
