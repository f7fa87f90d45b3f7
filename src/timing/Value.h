// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

namespace veltrin {

// A general value of the welcome window's shared state: empty, or a number
// (whole or with a fraction). An empty value compares unequal to every number,
// 1 included; that is how "no exam has timed out yet" reads before the first
// exam starts.
class Value {
public:
    Value() = default;
    Value(double number)
        : m_number(number)
    { } // NOLINT(google-explicit-constructor): numbers are values

    bool isEmpty() const { return !m_number.has_value(); }
    // The number held, or 0 for an empty value.
    double number() const { return m_number.value_or(0.0); }

    friend bool operator==(const Value& value, double number)
    {
        return value.m_number.has_value() && *value.m_number == number;
    }
    friend bool operator==(const Value& a, const Value& b) = default;

private:
    std::optional<double> m_number;
};

} // namespace veltrin
