#pragma once

namespace chemeng::water {

// Melting and sublimation pressures of ordinary water, IAPWS R14-08(2011).
// Each returns kPa for T in K within the curve's own range and NaN outside
// it:
//   ice Ih melting 251.165 … 273.16 K, ice III 251.165 … 256.164 K,
//   ice V 256.164 … 273.31 K, ice VI 273.31 … 355 K, ice VII 355 … 715 K,
//   sublimation of ice Ih 50 … 273.16 K.
double meltingPressureIceIh_kPa(double t_K);
double meltingPressureIceIII_kPa(double t_K);
double meltingPressureIceV_kPa(double t_K);
double meltingPressureIceVI_kPa(double t_K);
double meltingPressureIceVII_kPa(double t_K);
double sublimationPressure_kPa(double t_K);

// Lowest temperature at which liquid water is stable (the ice Ih – ice III –
// liquid triple point).
inline constexpr double kLowestLiquidTemperature_K = 251.165;

// Whether (T, p) lies in the stable fluid region bounded by the melting and
// sublimation curves: vapour under the sublimation curve, liquid between the
// ice Ih curve and the high-pressure ice curves (III, V, VI, VII), anything
// above 273.16 K below the high-pressure curves. Below 251.165 K no state
// counts as fluid here.
bool isStableFluid(double t_K, double p_kPa);

}  // namespace chemeng::water
