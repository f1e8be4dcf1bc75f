#pragma once

namespace chemeng {

// How a correlation answered. The caller (a page, the command line) decides
// what to tell the user.
enum class CorrelationStatus {
    Ok,
    NoData,      // the fit has nothing to work with (no critical temperature, ...)
    OutOfRange,  // the temperature lies outside the range the fit holds for
    NotFinite,   // the fit gives no finite value there (a pole, an overflow)
};

// A correlation's value at full precision, meaningful only when status is Ok.
struct CorrelationResult {
    double value = 0.0;
    CorrelationStatus status = CorrelationStatus::NoData;

    bool ok() const { return status == CorrelationStatus::Ok; }
};

}  // namespace chemeng
