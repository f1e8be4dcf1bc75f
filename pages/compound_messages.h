#pragma once

// The messages the compound pages show, word for word.
namespace chemeng::CompoundMessage {

inline constexpr const char* InputTemperature = "Input Temperature";
inline constexpr const char* NoData = "No Data Available for this compound";
inline constexpr const char* NoResult = "This compound doesn't have the result";
inline constexpr const char* OutOfRange = "Out of Range";
// A result the thousandths display cannot hold (see roundToThousandths).
inline constexpr const char* ResultOutOfRange = "Result out of range";

// The labels of the typed fields, as the layouts show them, for messages
// that name the field.
inline constexpr const char* TemperatureField = "Temperature";
inline constexpr const char* ReferenceTemperatureField = "Reference Temperature";

}  // namespace chemeng::CompoundMessage
