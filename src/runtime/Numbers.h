#pragma once
#include <QString>
#include <cstdint>
#include <optional>

// Number to text in the standard form: decimal digits, "-" when negative, "." as the
// decimal point, no thousands separators, no exponent.
QString NumberText(std::int32_t value);
QString NumberText(float value);  // at most 7 significant digits, no trailing zeros (9999, 12.5, 0.53)

// A number written with a pattern of "#" and "0" placeholders and an optional point,
// as in "#####.00": 2.9 gives "2.90", 0.5 gives ".50".
QString FormatNumber(double value, const QString& pattern);

// A whole number in full-width digits, as Japanese texts write them: 5 gives "５".
QString FullWidthDigits(int value);

// Strict conversions of a whole text: nothing but the number, otherwise no value.
std::optional<float> ParseSingle(const QString& text);        // finite values only
std::optional<std::int32_t> ParseInt32(const QString& text);  // 32 bits; 2.5 gives 2 (to the even one)

// Whole part, rounded towards minus infinity.
int WholePart(double value);
