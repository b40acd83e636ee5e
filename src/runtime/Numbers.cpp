#include "runtime/Numbers.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

QString NumberText(std::int32_t value) { return QString::number(value); }

QString NumberText(float value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");
    if (value == 0.0f)
        return QStringLiteral("0");
    // Seven significant digits, then the shortest text of that number without an exponent.
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6e", static_cast<double>(value));
    return QString::number(std::strtod(buf, nullptr), 'f', QLocale::FloatingPointShortest);
}

QString FormatNumber(double value, const QString& pattern)
{
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : static_cast<int>(pattern.size() - point - 1);
    QString text = QString::asprintf("%.*f", decimals, std::fabs(value));
    // without a "0" before the point, a whole part that is only 0 is not written
    if (!pattern.left(point).contains(QLatin1Char('0')) && text.startsWith(QLatin1Char('0')))
        text.remove(0, 1);
    const bool negative = value < 0 && text.contains(QRegularExpression(QStringLiteral("[1-9]")));
    return negative ? QLatin1Char('-') + text : text;
}

QString FullWidthDigits(int value)
{
    QString text = NumberText(std::int32_t{value});
    for (QChar& c : text)
        if (c.isDigit())
            c = QChar(0xFF10 + c.digitValue());
    return text;
}

namespace {
// A finite number written plainly: digits with an optional sign, point and exponent; no
// blanks, no "inf", no hex.
std::optional<double> PlainNumber(const QString& text)
{
    static const QRegularExpression plain(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    bool ok = false;
    const double value = plain.match(text).hasMatch() ? text.toDouble(&ok) : 0.0;
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}
}  // namespace

std::optional<float> ParseSingle(const QString& text)
{
    const auto value = PlainNumber(text);
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(*value);
}

std::optional<std::int32_t> ParseInt32(const QString& text)
{
    const auto value = PlainNumber(text);
    const double whole = value ? std::nearbyint(*value) : 0.0;  // ties to even
    if (!value || whole < -2147483648.0 || whole > 2147483647.0)
        return std::nullopt;
    return static_cast<std::int32_t>(whole);
}

int WholePart(double value) { return static_cast<int>(std::floor(value)); }
