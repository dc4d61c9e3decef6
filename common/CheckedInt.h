#pragma once
// Signed integers of a fixed width whose every operation and conversion fails with
// Overflow instead of wrapping: the layout arithmetic relies on 16-bit limits.

#include <cmath>
#include <cstdint>
#include <limits>

#include "common/Error.h"

namespace tellvane {

template <typename T>
class CheckedInt {
public:
    constexpr CheckedInt() = default;
    constexpr CheckedInt(T v) : v_(v) {}  // NOLINT: a plain value of the same width always fits

    /// Any wider integer, checked against this width.
    static CheckedInt fromWide(long long v) {
        if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max()) throw Error::overflow();
        return CheckedInt(static_cast<T>(v));
    }
    /// A real to the nearest integer, an exact half to the even one.
    static CheckedInt fromReal(double x) {
        // nearbyint honours the default rounding mode: nearest, ties to even.
        const double r = std::nearbyint(x);
        if (!(r >= static_cast<double>(std::numeric_limits<T>::min()) &&
              r <= static_cast<double>(std::numeric_limits<T>::max())))
            throw Error::overflow();  // NaN fails here too
        return CheckedInt(static_cast<T>(r));
    }

    constexpr T value() const { return v_; }
    constexpr double real() const { return static_cast<double>(v_); }

    friend CheckedInt operator+(CheckedInt a, CheckedInt b) {
        T r{};
        if (__builtin_add_overflow(a.v_, b.v_, &r)) throw Error::overflow();
        return CheckedInt(r);
    }
    friend CheckedInt operator-(CheckedInt a, CheckedInt b) {
        T r{};
        if (__builtin_sub_overflow(a.v_, b.v_, &r)) throw Error::overflow();
        return CheckedInt(r);
    }
    friend CheckedInt operator*(CheckedInt a, CheckedInt b) {
        T r{};
        if (__builtin_mul_overflow(a.v_, b.v_, &r)) throw Error::overflow();
        return CheckedInt(r);
    }
    CheckedInt operator-() const { return CheckedInt(0) - *this; }
    /// Integer division, truncating towards zero.
    friend CheckedInt idiv(CheckedInt a, CheckedInt b) {
        if (b.v_ == 0) throw Error::divisionByZero();
        if (b.v_ == -1) return -a;
        return CheckedInt(static_cast<T>(a.v_ / b.v_));
    }
    /// Remainder with the sign of the dividend.
    friend CheckedInt imod(CheckedInt a, CheckedInt b) {
        if (b.v_ == 0) throw Error::divisionByZero();
        if (b.v_ == -1) return CheckedInt(0);
        return CheckedInt(static_cast<T>(a.v_ % b.v_));
    }
    CheckedInt& operator+=(CheckedInt b) { return *this = *this + b; }
    CheckedInt& operator-=(CheckedInt b) { return *this = *this - b; }

    friend constexpr auto operator<=>(CheckedInt a, CheckedInt b) = default;

private:
    T v_ = 0;
};

using Int16 = CheckedInt<std::int16_t>;
using Int32 = CheckedInt<std::int32_t>;

/// A 16-bit value widened to 32 bits, as mixed arithmetic does.
inline Int32 widen(Int16 v) { return Int32(v.value()); }
/// A 32-bit value narrowed to 16 bits, failing with Overflow when it does not fit.
inline Int16 narrow(Int32 v) { return Int16::fromWide(v.value()); }

}  // namespace tellvane
