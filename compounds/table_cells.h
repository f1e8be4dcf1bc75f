#pragma once

// The cells of each page's compound table, in their order in a row.
namespace chemeng {

namespace PhysPropsCell {
enum : int {
    Name,
    Formula,
    MolecularWeight,
    BoilingPoint,
    FreezingPoint,
    CriticalTemperature,
    CriticalPressure,
    CriticalVolume,
    CriticalCompressibility,
    AcentricFactor,
    EnthalpyOfFormation,
    MiscEnthalpyOfVaporization,
    EnthalpyOfVaporization,
    SecondHvap,
    ThirdHvap,
    FourthHvap,
};
inline constexpr int kCount = 23;  // room as the table was laid out; 16 are used
}  // namespace PhysPropsCell

namespace HeatCapacityCell {
enum : int {
    Name,
    Formula,
    MolecularWeight,
    GasA,
    GasB,
    GasC,
    GasD,
    LiquidA,
    LiquidB,
    LiquidC,
    LiquidTmin,
    LiquidTmax,
    GasTmin,
    GasTmax,
};
inline constexpr int kCount = 14;
}  // namespace HeatCapacityCell

namespace DensityCell {
enum : int {
    Name,
    Formula,
    MolecularWeight,
    A,
    B,
    Tc,
    Tmin,
    LiquidDensityTemperature,
    LiquidDensity
};
inline constexpr int kCount = 9;
}  // namespace DensityCell

namespace VaporPressureCell {
enum : int { Name, Formula, Unused, A, B, C, Tmin, Tmax };
inline constexpr int kCount = 8;
}  // namespace VaporPressureCell

}  // namespace chemeng
