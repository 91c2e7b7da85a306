#include "services/field_value.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <type_traits>

namespace gamereg {

namespace {

static_assert(std::endian::native == std::endian::little,
              "payload bytes are copied as they lie in memory");

template <typename... Args>
Text Format(const char* format, Args... args) {
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, format, args...);
    return Text(buffer, static_cast<std::size_t>(std::max(length, 0)));
}

// Rounds to six significant digits, half away from zero, by scaling the value
// into [10^5, 10^6) with a power of ten estimated from its binary exponent.
double RoundToSixDigits(float value) {
    const int exponent = static_cast<int>((std::bit_cast<std::uint32_t>(value) >> 23) & 0xFF) - 127;
    int n = static_cast<int>(exponent * 0.30102999566398120);
    double p = std::pow(10.0, std::abs(n));
    double scaled = std::fabs(static_cast<double>(value));
    scaled = n > 0 ? scaled / p : scaled * p;
    if (scaled >= 10) {
        p *= 10;
        ++n;
        scaled *= 1e4;
    } else if (scaled < 1) {
        p *= 10;
        --n;
        scaled *= 1e6;
    } else {
        scaled *= 1e5;
    }
    double whole = std::floor(scaled);
    if (scaled - whole >= 0.5) whole += 1;
    if (std::signbit(value)) whole = -whole;
    return n > 0 ? whole * p * 1e-5 : whole / (p * 1e5);
}

struct CivilTime {
    int year, month, day, hour, minute, second;
};

constexpr double kFirstOleDay = -657434;  // 100-01-01
constexpr double kLastOleDay = 2958465;   // 9999-12-31
constexpr int kSecondsPerDay = 86400;

// Days since 1970-01-01 to the proleptic Gregorian calendar.
void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

// An OLE date counts whole days from 1899-12-30 in its integer part; the time
// of day is the magnitude of the fraction, also for negative dates.
CivilTime BreakDownOleDate(double days) {
    days = std::clamp(days, kFirstOleDay, kLastOleDay);
    const double halfSecond = 0.5 / kSecondsPerDay;
    days += days < 0 ? -halfSecond : halfSecond;
    const double wholeDays = std::trunc(days);
    const int secondOfDay = std::min(static_cast<int>(std::fabs(days - wholeDays) * kSecondsPerDay),
                                     kSecondsPerDay - 1);

    constexpr std::int64_t kOleEpochFromUnix = -25569;
    CivilTime time{};
    CivilFromDays(static_cast<std::int64_t>(wholeDays) + kOleEpochFromUnix, time.year, time.month,
                  time.day);
    time.hour = secondOfDay / 3600;
    time.minute = secondOfDay / 60 % 60;
    time.second = secondOfDay % 60;
    return time;
}

Text DateTimeText(DateTime value) {
    const CivilTime t = BreakDownOleDate(value.days);
    Text text = Format("%d年%d月%d日", t.year, t.month, t.day);
    if (t.second != 0) {
        text += Format("%d时%d分%d秒", t.hour, t.minute, t.second);
    } else if (t.minute != 0) {
        text += Format("%d时%d分", t.hour, t.minute);
    } else if (t.hour != 0) {
        text += Format("%d时", t.hour);
    }
    return text;
}

template <typename T>
Bytes PayloadBytes(T value) {
    Bytes bytes(sizeof value);
    std::memcpy(bytes.data(), &value, sizeof value);
    return bytes;
}

Text TextBeforeNul(const Bytes& bytes) {
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    return Text(bytes.begin(), end);
}

}  // namespace

Text ToText(const FieldValue& value) {
    return std::visit(
        [](const auto& payload) -> Text {
            using T = std::decay_t<decltype(payload)>;
            if constexpr (std::is_same_v<T, std::uint8_t>) {
                return Format("%u", static_cast<unsigned>(payload));
            } else if constexpr (std::is_same_v<T, std::int16_t> ||
                                 std::is_same_v<T, std::int32_t>) {
                return Format("%d", static_cast<int>(payload));
            } else if constexpr (std::is_same_v<T, std::int64_t>) {
                return Format("%lld", static_cast<long long>(payload));
            } else if constexpr (std::is_same_v<T, float>) {
                return Format("%.6g", RoundToSixDigits(payload));
            } else if constexpr (std::is_same_v<T, double>) {
                return Format("%.13g", payload);
            } else if constexpr (std::is_same_v<T, Logical>) {
                return payload.value != 0 ? "真" : "假";
            } else if constexpr (std::is_same_v<T, DateTime>) {
                return DateTimeText(payload);
            } else if constexpr (std::is_same_v<T, RoutinePointer>) {
                return Text();
            } else if constexpr (std::is_same_v<T, Text>) {
                return payload;
            } else {
                static_assert(std::is_same_v<T, Bytes>);
                return TextBeforeNul(payload);
            }
        },
        value);
}

Bytes ToBytes(const FieldValue& value) {
    return std::visit(
        [](const auto& payload) -> Bytes {
            using T = std::decay_t<decltype(payload)>;
            if constexpr (std::is_same_v<T, Logical>) {
                return PayloadBytes<std::int32_t>(payload.value != 0 ? 1 : 0);
            } else if constexpr (std::is_same_v<T, DateTime>) {
                return PayloadBytes(payload.days);
            } else if constexpr (std::is_same_v<T, RoutinePointer>) {
                return PayloadBytes(payload.value);
            } else if constexpr (std::is_same_v<T, Text>) {
                return Bytes(payload.begin(), payload.end());
            } else if constexpr (std::is_same_v<T, Bytes>) {
                return payload;
            } else {
                return PayloadBytes(payload);
            }
        },
        value);
}

}  // namespace gamereg
