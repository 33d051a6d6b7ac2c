#include "common/time_text.h"

#include <cstdio>

#include "common/clock.h"

namespace qc {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
int64_t daysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(int64_t z, int64_t& y, int64_t& m, int64_t& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = yoe + era * 400 + (m <= 2);
}

bool isLeap(int64_t y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int64_t daysInMonth(int64_t y, int64_t m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : kDays[m - 1];
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string isoText(int64_t seconds) {
    int64_t days = seconds / 86400, rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    int64_t y, m, d;
    civilFromDays(days, y, m, d);
    char text[64];
    snprintf(text, sizeof text, "%04lld-%02lld-%02lldT%02lld:%02lld:%02lldZ", static_cast<long long>(y),
             static_cast<long long>(m), static_cast<long long>(d), static_cast<long long>(rest / 3600),
             static_cast<long long>(rest / 60 % 60), static_cast<long long>(rest % 60));
    return text;
}

std::optional<int64_t> parseTime(const std::string& text) {
    // ^[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}Z$, nothing around it.
    static constexpr char kShape[] = "dddd-dd-ddTdd:dd:ddZ";
    if (text.size() != sizeof kShape - 1) return std::nullopt;
    for (size_t i = 0; i < text.size(); ++i) {
        if (kShape[i] == 'd' ? !isDigit(text[i]) : text[i] != kShape[i]) return std::nullopt;
    }
    auto number = [&](size_t at, size_t width) {
        int64_t value = 0;
        for (size_t i = at; i < at + width; ++i) value = value * 10 + (text[i] - '0');
        return value;
    };
    const int64_t y = number(0, 4), mo = number(5, 2), d = number(8, 2);
    const int64_t h = number(11, 2), mi = number(14, 2), s = number(17, 2);
    // Only moments that exist: no month 13, no 2026-02-29, no hour 24, no leap second.
    if (mo < 1 || mo > 12 || d < 1 || d > daysInMonth(y, mo)) return std::nullopt;
    if (h > 23 || mi > 59 || s > 59) return std::nullopt;
    return daysFromCivil(y, mo, d) * 86400 + h * 3600 + mi * 60 + s;
}

std::string nowText() {
    return isoText(nowWholeSeconds());
}

std::string intervalText(int64_t seconds) {
    if (seconds % 60 == 0) return std::to_string(seconds / 60) + " minute" + (seconds == 60 ? "" : "s");
    return std::to_string(seconds) + " seconds";
}

}  // namespace qc
