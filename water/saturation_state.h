#pragma once

namespace chemeng {

// Answer of the saturation operations. No caller needs to act on it: out of
// range they still leave defined working numbers (see below).
enum class SaturationStatus {
    OutOfRange = 1,  // below 253.15 K, or at or above the critical point
    InRange = 2,
    NotConverged = 3,  // the pressure inversion hit its step limit (not seen in practice)
};

// The saturation working numbers the steam page owns, all reduced by the
// critical values (647.096 K, 22064 kPa, 322 kg/m³), and the two operations
// that fill them from the 1992 auxiliary equations.
class SaturationState {
  public:
    // Lowest θ (253.15 K) and lowest π (0.12545844 kPa) of the range.
    static constexpr double kLowestTheta = 0.3912093414269289;
    static constexpr double kLowestPi = 1e-6 * 5.686114938361131;
    // Above this θ the near-critical laws replace the 1992 equations.
    static constexpr double kNearCriticalSwitch = 0.999998;
    // In the pressure case the densities come from the near-critical laws above this θ.
    static constexpr double kNearCriticalDensitySwitch = 0.99999;
    // A Newton step that reaches θ = 1 is put back to this value.
    static constexpr double kInversionCap = 0.999999;

    // From θ = T / Tc: writes π, δ′ and δ″ (θs is the caller's to set).
    // Below the range: π = 1e-8, δ′ = δ″ = 0; at or above θ = 1: π = δ′ = δ″ = 1.
    SaturationStatus SaturationAtTemperature(double theta);

    // From the reduced pressure set before: writes θs, δ′ and δ″, keeps π.
    // Below the range: θs = 1e-8, δ′ = δ″ = 0; at or above π = 1: θs = δ′ = δ″ = 1.
    SaturationStatus SaturationAtPressure();

    double reducedPressure() const { return m_reducedPressure; }
    void setReducedPressure(double pi) { m_reducedPressure = pi; }
    double reducedSaturationTemperature() const { return m_reducedSaturationTemperature; }
    double reducedLiquidDensity() const { return m_reducedLiquidDensity; }
    double reducedVapourDensity() const { return m_reducedVapourDensity; }

  private:
    void setDensities(double liquid, double vapour) {
        m_reducedLiquidDensity = liquid;
        m_reducedVapourDensity = vapour;
    }

    double m_reducedPressure = 0.0;
    double m_reducedSaturationTemperature = 0.0;
    double m_reducedLiquidDensity = 0.0;
    double m_reducedVapourDensity = 0.0;
};

}  // namespace chemeng
