#pragma once
#include <QString>
#include <cstdint>
#include <optional>

// Number to text in the standard form: decimal digits, "-" when negative, "." as the
// decimal point, no thousands separators, no exponent.
QString CStr(std::int32_t value);
QString CStr(float value);  // at most 7 significant digits, no trailing zeros (9999, 12.5, 2.9)

// A number written with a format of "#" and "0" placeholders and an optional point,
// as in "#####.00": 2.9 gives "2.90", 0.5 gives ".50".
QString Format(double value, const QString& format);

// Strict conversions of a whole text: nothing but the number, otherwise no value.
std::optional<float> ToSingle(const QString& text);        // finite values only
std::optional<std::int32_t> ToLong(const QString& text);   // rounds to the nearest even like the
                                                           // classic conversion; 32-bit range only

// Whole part, rounded towards minus infinity.
int Int(double value);
