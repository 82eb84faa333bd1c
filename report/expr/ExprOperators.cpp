#include "report/expr/ExprOperators.h"

#include "report/expr/ExprError.h"
#include "report/expr/ValueConvert.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace report {
namespace {

bool BothWhole(const Variant& a, const Variant& b) { return IsWholeKind(a) && IsWholeKind(b); }

std::int64_t Whole(const Variant& v) { return static_cast<std::int64_t>(ValueToNumber(v)); }

bool IsDate(const Variant& v) { return v.ValueType() == Variant::Type::Date; }

// The operand as a number for mixed string arithmetic, if it is one.
bool ReadsAsNumber(const Variant& v)
{
    return !v.IsString() || TextToNumber(v.AsString()).has_value();
}

double Snapped(double x)
{
    double nearest = std::round(x);
    return std::fabs(x - nearest) < 1e-10 ? nearest : std::trunc(x);
}

Variant WholeDouble(double x)
{
    if (std::isnan(x))
        return Variant(0);
    if (x >= std::numeric_limits<std::int32_t>::min() && x <= std::numeric_limits<std::int32_t>::max())
        return Variant(static_cast<int>(x));
    return Variant(x);
}

// A script doubling a text in a loop would otherwise take all memory.
std::string Concatenated(const std::string& a, const std::string& b)
{
    if (a.size() + b.size() > kMaxTextLength)
        throw ExprError("Text longer than " + std::to_string(kMaxTextLength) + " bytes");
    return a + b;
}

} // namespace

Variant OpAdd(const Variant& a, const Variant& b)
{
    if (a.IsString() || b.IsString()) {
        if (a.IsString() && b.IsString())
            return Variant(Concatenated(a.AsString(), b.AsString()));
        if (!ReadsAsNumber(a) || !ReadsAsNumber(b))
            return Variant(Concatenated(ValueToText(a), ValueToText(b)));
    }
    if (BothWhole(a, b))
        return IntegerVariant(Whole(a) + Whole(b));
    double sum = ValueToNumber(a) + ValueToNumber(b);
    if (IsDate(a) != IsDate(b))
        return Variant(TDateTime { sum });
    return Variant(sum);
}

Variant OpSubtract(const Variant& a, const Variant& b)
{
    if (BothWhole(a, b))
        return IntegerVariant(Whole(a) - Whole(b));
    double difference = ValueToNumber(a) - ValueToNumber(b);
    if (IsDate(a) && !IsDate(b))
        return Variant(TDateTime { difference });
    return Variant(difference);
}

Variant OpMultiply(const Variant& a, const Variant& b)
{
    if (BothWhole(a, b))
        return IntegerVariant(Whole(a) * Whole(b));
    return Variant(ValueToNumber(a) * ValueToNumber(b));
}

Variant OpDivide(const Variant& a, const Variant& b)
{
    double divisor = ValueToNumber(b);
    double dividend = ValueToNumber(a);
    if (divisor == 0)
        return Variant(0);
    return Variant(dividend / divisor);
}

Variant OpMod(const Variant& a, const Variant& b)
{
    std::int64_t divisor = SaturatedInt64(ValueToNumber(b));
    std::int64_t dividend = SaturatedInt64(ValueToNumber(a));
    // -1 also avoids the one overflowing case, INT64_MIN MOD -1.
    if (divisor == 0 || divisor == -1)
        return Variant(0);
    return IntegerVariant(dividend % divisor);
}

Variant OpAnd(const Variant& a, const Variant& b) { return OpMultiply(a, b); }

Variant OpOr(const Variant& a, const Variant& b)
{
    auto left = static_cast<std::uint64_t>(SaturatedInt64(ValueToNumber(a)));
    auto right = static_cast<std::uint64_t>(SaturatedInt64(ValueToNumber(b)));
    return IntegerVariant(static_cast<std::int64_t>(left | right));
}

Variant OpNot(const Variant& a) { return Variant(ValueToNumber(a) == 0 ? 1 : 0); }

Variant OpNegate(const Variant& a)
{
    if (IsWholeKind(a))
        return IntegerVariant(-Whole(a));
    if (IsDate(a))
        return Variant(TDateTime { -a.AsDate().value });
    return Variant(-ValueToNumber(a));
}

Variant OpPlus(const Variant& a)
{
    if (a.IsString())
        return Variant(ValueToNumber(a));
    return a;
}

int CompareValues(const Variant& a, const Variant& b)
{
    if (a.IsNull() && b.IsNull())
        return 0;
    bool textual = (a.IsString() && b.IsString()) || !ReadsAsNumber(a) || !ReadsAsNumber(b)
        || (a.IsString() && b.IsNull()) || (a.IsNull() && b.IsString());
    if (textual) {
        int order = ValueToText(a).compare(ValueToText(b));
        return order < 0 ? -1 : (order > 0 ? 1 : 0);
    }
    double x = ValueToNumber(a);
    double y = ValueToNumber(b);
    // NaN sorts before every number and equals itself, so comparisons stay
    // consistent for MIN, MAX and sorting.
    if (std::isnan(x) || std::isnan(y))
        return std::isnan(x) == std::isnan(y) ? 0 : (std::isnan(x) ? -1 : 1);
    return x < y ? -1 : (x > y ? 1 : 0);
}

Variant OpInt(const Variant& a)
{
    if (IsWholeKind(a))
        return IntegerVariant(Whole(a));
    return WholeDouble(Snapped(ValueToNumber(a)));
}

Variant OpFrac(const Variant& a)
{
    if (IsWholeKind(a))
        return Variant(0);
    double x = ValueToNumber(a);
    if (!std::isfinite(x) || std::fabs(x - std::round(x)) < 1e-10)
        return Variant(0.0);
    return Variant(x - std::trunc(x));
}

Variant OpRound(const Variant& a)
{
    if (IsWholeKind(a))
        return IntegerVariant(Whole(a));
    return WholeDouble(std::nearbyint(ValueToNumber(a)));
}

Variant OpStr(const Variant& a) { return Variant(ValueToText(a)); }

bool IsTrue(const Variant& a)
{
    double x = ValueToNumber(a);
    return !std::isnan(x) && std::trunc(x) != 0;
}

} // namespace report
