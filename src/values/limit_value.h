// LimitValue: a topic window's range check on a freshly entered value. Out of
// range values are corrected in the caller's variable, reported in a message
// box titled "Input range limited." (modes -1, 0, 1, 2) and written back into
// the edited input label with the formatter of the entry's quantity type.
#pragma once

#include <QString>
#include <cmath>
#include <concepts>
#include <type_traits>
#include <cstdint>
#include <limits>

namespace orr {

namespace limit_detail {
// The corrected value for the mode, or false when the value is in range (or
// the mode unknown) and nothing is to be done.
bool correct(double value, double limit, int mode, double& corrected);
// Entry lock, message and label caption for a corrected value.
void report(double corrected, int mode);

// Assignment to the caller's variable as BASIC converts: integers round half
// to even and saturate at the type's range, singles take the nearest value
// and saturate at the largest single.
template <class T> T convert(double v)
{
    if constexpr (std::integral<T>) {
        if (std::isnan(v))
            return T(0);
        const double r = std::nearbyint(v);  // default rounding: ties to even
        if (r <= double(std::numeric_limits<T>::min()))
            return std::numeric_limits<T>::min();
        if (r >= double(std::numeric_limits<T>::max()))
            return std::numeric_limits<T>::max();
        return T(r);
    } else if constexpr (sizeof(T) < sizeof(double)) {
        constexpr double kMax = double(std::numeric_limits<T>::max());
        return std::isnan(v) ? T(0) : T(v > kMax ? kMax : (v < -kMax ? -kMax : v));
    } else {
        return T(v);
    }
}
}  // namespace limit_detail

// The quantity type whose formatter LimitValue uses: the heading of the open
// value-entry dialog, else the current quantity type of the suite state.
QString LimitQuantityType();
// The corrected value as LimitValue writes it for a quantity type; "" for a
// type it does not know.
QString LimitFormat(const QString& quantityType, double value);

// mode -1 / 1: magnitude at most |limit|; 0: magnitude at least |limit| (0 is
// out of range); 2: at least limit; 4: silent floor at -limit.
template <class T, class L>
    requires std::is_arithmetic_v<T> && std::is_arithmetic_v<L>
void LimitValue(T& value, L limit, int16_t mode)
{
    double corrected = 0;
    if (!limit_detail::correct(double(value), double(limit), mode, corrected))
        return;
    value = limit_detail::convert<T>(corrected);
    limit_detail::report(double(value), mode);
}

}  // namespace orr
