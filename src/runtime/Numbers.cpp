#include "runtime/Numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <cstring>
#include <string>

#include <QRegularExpression>

QString NumberText(std::int32_t value) { return QString::number(value); }

QString NumberText(float value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");
    if (value == 0.0f)
        return QStringLiteral("0");
    // Seven significant digits as "d.dddddde±x", then written out without the exponent.
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6e", static_cast<double>(value));
    const bool negative = buf[0] == '-';
    const char* p = buf + (negative ? 1 : 0);
    std::string digits;
    digits += p[0];
    digits.append(p + 2, 6);
    const int exponent = std::atoi(std::strchr(p, 'e') + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string out;
    const int pointAt = exponent + 1;  // digits before the decimal point
    if (pointAt <= 0) {
        out = "0." + std::string(static_cast<size_t>(-pointAt), '0') + digits;
    } else if (static_cast<size_t>(pointAt) >= digits.size()) {
        out = digits + std::string(static_cast<size_t>(pointAt) - digits.size(), '0');
    } else {
        out = digits.substr(0, static_cast<size_t>(pointAt)) + "." + digits.substr(static_cast<size_t>(pointAt));
    }
    if (out == "0")
        return QStringLiteral("0");
    return QString::fromLatin1((negative ? "-" : "") + out);
}

QString FormatNumber(double value, const QString& pattern)
{
    const int point = pattern.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? pattern : pattern.left(point);
    const int decimals = point < 0 ? 0 : static_cast<int>(pattern.size() - point - 1);
    const int minWholeDigits = static_cast<int>(whole.count(QLatin1Char('0')));
    QString text = QString::asprintf("%.*f", decimals, std::fabs(value));
    QString intPart = point < 0 ? text : text.left(text.indexOf(QLatin1Char('.')));
    const QString fraction = point < 0 ? QString() : text.mid(text.indexOf(QLatin1Char('.')));
    while (intPart.size() > minWholeDigits && intPart.startsWith(QLatin1Char('0')))
        intPart.remove(0, 1);
    const QString body = intPart + fraction;
    const bool negative = value < 0 && body.contains(QRegularExpression(QStringLiteral("[1-9]")));
    return negative ? QLatin1Char('-') + body : body;
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
bool PlainNumber(const QString& t)
{
    // digits with an optional sign, point and exponent; no blanks, no "inf", no hex
    static const QRegularExpression re(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    return re.match(t).hasMatch();
}
}  // namespace

std::optional<float> ParseSingle(const QString& text)
{
    if (!PlainNumber(text))
        return std::nullopt;
    bool ok = false;
    const double d = text.toDouble(&ok);
    if (!ok || !std::isfinite(d) || std::fabs(d) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(d);
}

std::optional<std::int32_t> ParseInt32(const QString& text)
{
    if (!PlainNumber(text))
        return std::nullopt;
    bool ok = false;
    const double d = text.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    const double r = std::nearbyint(d);  // ties to even
    if (r < -2147483648.0 || r > 2147483647.0)
        return std::nullopt;
    return static_cast<std::int32_t>(r);
}

int WholePart(double value) { return static_cast<int>(std::floor(value)); }
