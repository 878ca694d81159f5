#pragma once
// Gives a variable a value for the life of a scope and puts the previous value back on every way out,
// an exception included: re-entrancy flags, a mode or an option set switched for one operation.

#include <utility>

namespace tips::base {

template <typename T>
class TScopedValue {
public:
    TScopedValue(T& target, T value) : target_(target), saved_(std::exchange(target, std::move(value))) {}
    ~TScopedValue() { target_ = std::move(saved_); }
    TScopedValue(const TScopedValue&) = delete;
    TScopedValue& operator=(const TScopedValue&) = delete;

private:
    T& target_;
    T saved_;
};

}  // namespace tips::base
