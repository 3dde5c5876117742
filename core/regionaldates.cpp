// SPDX-License-Identifier: MIT
#include "core/regionaldates.h"

#include "core/error.h"
#include "core/valueforms.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <vector>

namespace kestrun {

namespace {

namespace chr = std::chrono;

constexpr chr::sys_days kDayZero{chr::year{1899} / chr::December / 30};
constexpr long long kFirstDay = (chr::sys_days{chr::year{1} / chr::January / 1} - kDayZero).count();
constexpr long long kLastDay = (chr::sys_days{chr::year{9999} / chr::December / 31} - kDayZero).count();
constexpr long long kMsPerDay = 86'400'000;

[[noreturn]] void throwOutOfRange(DateTime value)
{
    throw Error("The date-time value " + formatGeneral(value, RegionalSettings{}) + " lies outside the years 1 to 9999");
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

void appendNumber(std::string &out, long long n, int width)
{
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, n);
    for (auto len = res.ptr - buf; len < width; ++len)
        out += '0';
    out.append(buf, res.ptr);
}

// One element of a regional pattern: a run of one field letter, or literal text.
struct PatternToken {
    char letter = 0; // 0 for literal text; 'P' for an upper-case AM/PM marker, 'p' lower
    int count = 0;
    std::string literal;
};

bool isFieldLetter(char c)
{
    return c == 'd' || c == 'M' || c == 'y' || c == 'h' || c == 'H' || c == 'm' || c == 's' || c == 'z' || c == 't';
}

std::vector<PatternToken> tokenize(std::string_view pattern)
{
    std::vector<PatternToken> tokens;
    const auto literal = [&tokens]() -> std::string & {
        if (tokens.empty() || tokens.back().letter != 0)
            tokens.push_back({});
        return tokens.back().literal;
    };
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '\'') {
            if (i + 1 < pattern.size() && pattern[i + 1] == '\'') {
                literal() += '\'';
                i += 2;
                continue;
            }
            std::string &text = literal();
            ++i;
            while (i < pattern.size()) {
                if (pattern[i] == '\'') {
                    if (i + 1 < pattern.size() && pattern[i + 1] == '\'') {
                        text += '\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += pattern[i++];
            }
            continue;
        }
        if (c == 'A' || c == 'a') {
            const bool pair = i + 1 < pattern.size() && asciiLower(pattern[i + 1]) == 'p';
            tokens.push_back({c == 'A' ? 'P' : 'p', 1, {}});
            i += pair ? 2 : 1;
            continue;
        }
        if (isFieldLetter(c)) {
            std::size_t run = 1;
            while (i + run < pattern.size() && pattern[i + run] == c)
                ++run;
            tokens.push_back({c, static_cast<int>(run), {}});
            i += run;
            continue;
        }
        literal() += c;
        ++i;
    }
    return tokens;
}

bool hasMarker(const std::vector<PatternToken> &tokens)
{
    return std::any_of(tokens.begin(), tokens.end(), [](const PatternToken &t) { return t.letter == 'P' || t.letter == 'p'; });
}

} // namespace

DateTime encodeDate(int year, unsigned month, unsigned day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31)
        throw Error("Invalid argument to date encode");
    const chr::year_month_day ymd{chr::year{year}, chr::month{month}, chr::day{day}};
    if (!ymd.ok())
        throw Error("Invalid argument to date encode");
    return static_cast<DateTime>((chr::sys_days{ymd} - kDayZero).count());
}

DateTime encodeTime(unsigned hour, unsigned minute, unsigned second, unsigned millisecond)
{
    if (hour >= 24 || minute >= 60 || second >= 60 || millisecond >= 1000)
        throw Error("Invalid argument to time encode");
    const auto ms = ((hour * 60ULL + minute) * 60ULL + second) * 1000ULL + millisecond;
    return static_cast<double>(ms) / kMillisecondsPerDay;
}

CivilDateTime decodeDateTime(DateTime value)
{
    // The first test also keeps the millisecond count far inside 64 bits.
    if (!(value > static_cast<double>(kFirstDay - 1) && value < static_cast<double>(kLastDay + 1)))
        throwOutOfRange(value);
    const long long ms = std::llround(value * kMillisecondsPerDay);
    const long long days = ms / kMsPerDay; // toward zero
    long long timeOfDay = ms % kMsPerDay;
    if (timeOfDay < 0)
        timeOfDay = -timeOfDay;
    if (days < kFirstDay || days > kLastDay)
        throwOutOfRange(value);

    const chr::year_month_day ymd{kDayZero + chr::days{days}};
    CivilDateTime c;
    c.year = static_cast<int>(ymd.year());
    c.month = static_cast<unsigned>(ymd.month());
    c.day = static_cast<unsigned>(ymd.day());
    c.millisecond = static_cast<unsigned>(timeOfDay % 1000);
    timeOfDay /= 1000;
    c.second = static_cast<unsigned>(timeOfDay % 60);
    timeOfDay /= 60;
    c.minute = static_cast<unsigned>(timeOfDay % 60);
    c.hour = static_cast<unsigned>(timeOfDay / 60);
    return c;
}

std::string formatByPattern(DateTime value, std::string_view pattern, const RegionalSettings &settings)
{
    const CivilDateTime c = decodeDateTime(value);
    const auto tokens = tokenize(pattern);
    const bool twelveHour = hasMarker(tokens);
    std::string out;
    for (const PatternToken &t : tokens) {
        const int wide = t.count >= 2 ? 2 : 1;
        switch (t.letter) {
        case 0: out += t.literal; break;
        case 'd':
            if (t.count <= 2)
                appendNumber(out, c.day, wide);
            break;
        case 'M':
            if (t.count >= 3)
                out += settings.shortMonthNames[c.month - 1];
            else
                appendNumber(out, c.month, wide);
            break;
        case 'y':
            if (t.count >= 4)
                appendNumber(out, c.year, 4);
            else
                appendNumber(out, c.year % 100, 2);
            break;
        case 'h': {
            unsigned hour = c.hour;
            if (twelveHour) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            appendNumber(out, hour, wide);
            break;
        }
        case 'H': appendNumber(out, c.hour, wide); break;
        case 'm': appendNumber(out, c.minute, wide); break;
        case 's': appendNumber(out, c.second, wide); break;
        case 'z':
            if (t.count >= 3) {
                appendNumber(out, c.millisecond, 3);
            } else {
                std::string fraction;
                appendNumber(fraction, c.millisecond, 3);
                while (fraction.size() > 1 && fraction.back() == '0')
                    fraction.pop_back();
                out += fraction;
            }
            break;
        case 'P':
        case 'p':
            for (char ch : c.hour < 12 ? settings.amDesignator : settings.pmDesignator)
                out += t.letter == 'P' ? asciiUpper(ch) : asciiLower(ch);
            break;
        default: break; // 't': no time zone
        }
    }
    // A dropped time zone or weekday leaves its blank behind.
    while (!out.empty() && isBlank(out.back()))
        out.pop_back();
    return out;
}

std::string formatShortDate(DateTime value, const RegionalSettings &settings)
{
    return formatByPattern(value, settings.shortDateFormat, settings);
}

std::string formatLongTime(DateTime value, const RegionalSettings &settings)
{
    return formatByPattern(value, settings.longTimeFormat, settings);
}

std::string formatShortDateTime(DateTime value, const RegionalSettings &settings)
{
    std::string text = formatShortDate(value, settings);
    const CivilDateTime c = decodeDateTime(value);
    if (c.hour != 0 || c.minute != 0 || c.second != 0 || c.millisecond != 0) {
        text += ' ';
        text += formatLongTime(value, settings);
    }
    return text;
}

// ---- Reading -----------------------------------------------------------------------

namespace {

class Scanner {
public:
    explicit Scanner(std::string_view text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    std::size_t pos() const { return m_pos; }
    void setPos(std::size_t pos) { m_pos = pos; }
    std::string_view rest() const { return m_text.substr(m_pos); }

    // Returns whether any blank was skipped.
    bool skipBlanks()
    {
        const std::size_t start = m_pos;
        while (!atEnd() && isBlank(m_text[m_pos]))
            ++m_pos;
        return m_pos > start;
    }

    // Up to 9 decimal digits; count is 0 when none stand here.
    int digits(int &count)
    {
        int value = 0;
        count = 0;
        while (!atEnd() && count < 9 && m_text[m_pos] >= '0' && m_text[m_pos] <= '9') {
            value = value * 10 + (m_text[m_pos] - '0');
            ++m_pos;
            ++count;
        }
        return value;
    }

    bool match(std::string_view word)
    {
        if (word.empty() || m_text.size() - m_pos < word.size())
            return false;
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (asciiLower(m_text[m_pos + i]) != asciiLower(word[i]))
                return false;
        }
        m_pos += word.size();
        return true;
    }

    // The longest of the words that stands here; -1 when none.
    template <typename Words>
    int matchLongest(const Words &words)
    {
        int best = -1;
        std::size_t bestLength = 0;
        for (std::size_t i = 0; i < std::size(words); ++i) {
            const std::string_view word = words[i];
            const std::size_t start = m_pos;
            if (word.size() > bestLength && match(word)) {
                best = static_cast<int>(i);
                bestLength = word.size();
            }
            m_pos = start;
        }
        m_pos += bestLength;
        return best;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// How a short date format lays out its fields.
struct DateLayout {
    std::array<char, 3> order{'M', 'd', 'y'};
    std::vector<std::string_view> separators; // trimmed, non-empty
    bool blankSeparates = false;              // some separator is only blanks
};

void addSeparator(DateLayout &layout, std::string_view separator)
{
    const std::string_view core = trimmed(separator);
    if (core.empty()) {
        layout.blankSeparates = true;
        return;
    }
    if (std::find(layout.separators.begin(), layout.separators.end(), core) == layout.separators.end())
        layout.separators.push_back(core);
}

// The returned layout's separators view into settings and tokens.
DateLayout dateLayout(const RegionalSettings &settings, const std::vector<PatternToken> &tokens)
{
    DateLayout layout;
    addSeparator(layout, settings.dateSeparator);
    std::array<char, 3> order{};
    int fields = 0;
    const PatternToken *pendingLiteral = nullptr;
    for (const PatternToken &t : tokens) {
        const bool dateField = (t.letter == 'd' && t.count <= 2) || t.letter == 'M' || t.letter == 'y';
        if (t.letter == 0) {
            pendingLiteral = &t;
        } else if (dateField && fields < 3 && std::find(order.begin(), order.begin() + fields, t.letter) == order.begin() + fields) {
            if (fields > 0 && pendingLiteral)
                addSeparator(layout, pendingLiteral->literal);
            order[static_cast<std::size_t>(fields++)] = t.letter;
            pendingLiteral = nullptr;
        }
    }
    if (fields == 3)
        layout.order = order;
    return layout;
}

struct DateItem {
    int value = 0;
    int digitCount = 0; // 0 for a month name
};

// Blanks, a separator, blanks; or blanks alone where a blank separates.
bool scanDateSeparator(Scanner &sc, const DateLayout &layout)
{
    const std::size_t start = sc.pos();
    const bool blanks = sc.skipBlanks();
    if (sc.matchLongest(layout.separators) >= 0) {
        sc.skipBlanks();
        return true;
    }
    if (blanks && layout.blankSeparates && !sc.atEnd())
        return true;
    sc.setPos(start);
    return false;
}

bool scanDateItem(Scanner &sc, const RegionalSettings &settings, DateItem &item)
{
    int count = 0;
    item.value = sc.digits(count);
    item.digitCount = count;
    if (count > 0)
        return true;
    const int month = sc.matchLongest(settings.shortMonthNames);
    if (month < 0)
        return false;
    item.value = month + 1;
    return true;
}

int windowedYear(int twoDigits, int currentYear)
{
    const int pivot = currentYear - 50; // years pivot .. pivot + 99
    int year = pivot / 100 * 100 + twoDigits;
    if (year < pivot)
        year += 100;
    return year;
}

// Reads a date where sc stands; sc is left after it.
std::optional<DateTime> scanDate(Scanner &sc, const RegionalSettings &settings, int currentYear)
{
    const auto tokens = tokenize(settings.shortDateFormat);
    const DateLayout layout = dateLayout(settings, tokens);

    std::array<DateItem, 3> items;
    int count = 0;
    sc.skipBlanks();
    while (count < 3) {
        if (count > 0 && !scanDateSeparator(sc, layout))
            break;
        if (!scanDateItem(sc, settings, items[static_cast<std::size_t>(count)]))
            return std::nullopt;
        ++count;
    }
    if (count < 2)
        return std::nullopt;

    std::array<char, 3> order = layout.order;
    if (count == 2) // day and month alone, in the format's order
        std::stable_partition(order.begin(), order.end(), [](char f) { return f != 'y'; });
    int day = 0, month = 0, year = currentYear;
    for (int i = 0; i < count; ++i) {
        const DateItem &item = items[static_cast<std::size_t>(i)];
        switch (order[static_cast<std::size_t>(i)]) {
        case 'd':
            if (item.digitCount < 1 || item.digitCount > 2)
                return std::nullopt;
            day = item.value;
            break;
        case 'M':
            if (item.digitCount > 2)
                return std::nullopt;
            month = item.value;
            break;
        default:
            if (item.digitCount == 2)
                year = windowedYear(item.value, currentYear);
            else if (item.digitCount == 4)
                year = item.value;
            else
                return std::nullopt;
        }
    }
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    const chr::year_month_day ymd{chr::year{year}, chr::month{static_cast<unsigned>(month)}, chr::day{static_cast<unsigned>(day)}};
    if (!ymd.ok())
        return std::nullopt;
    return encodeDate(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
}

// The separators a time may use: the setting and the long time format's own.
std::vector<std::string_view> timeSeparators(const RegionalSettings &settings, const std::vector<PatternToken> &tokens)
{
    std::vector<std::string_view> separators;
    if (!settings.timeSeparator.empty())
        separators.push_back(settings.timeSeparator);
    for (std::size_t i = 0; i + 2 < tokens.size(); ++i) {
        const bool hour = tokens[i].letter == 'h' || tokens[i].letter == 'H';
        if (hour && tokens[i + 1].letter == 0 && tokens[i + 2].letter == 'm') {
            const std::string_view own = tokens[i + 1].literal;
            if (!own.empty() && std::find(separators.begin(), separators.end(), own) == separators.end())
                separators.push_back(own);
            break;
        }
    }
    return separators;
}

// 0 for none, 1 for AM, 2 for PM.
int scanDesignator(Scanner &sc, const RegionalSettings &settings)
{
    const std::array<std::string_view, 4> words{settings.amDesignator, settings.pmDesignator, "AM", "PM"};
    const int found = sc.matchLongest(words);
    return found < 0 ? 0 : found % 2 + 1;
}

bool scanTimeFields(Scanner &sc, const RegionalSettings &settings, const std::vector<std::string_view> &separators,
                    std::array<int, 4> &fields)
{
    int count = 0;
    if (separators.empty()) {
        // hmmss or hhmmss: pairs of digits from the right, the hour taking what is left.
        int value = sc.digits(count);
        if (count == 0 || count > 6)
            return false;
        fields[2] = count > 4 ? value % 100 : 0;
        if (count > 4)
            value /= 100;
        fields[1] = count > 2 ? value % 100 : 0;
        if (count > 2)
            value /= 100;
        fields[0] = value;
        return true;
    }
    fields[0] = sc.digits(count);
    if (count == 0 || count > 2)
        return false;
    for (std::size_t f = 1; f <= 2; ++f) {
        const std::size_t start = sc.pos();
        if (sc.matchLongest(separators) < 0)
            return true;
        fields[f] = sc.digits(count);
        if (count == 0) { // a trailing separator is not a field
            sc.setPos(start);
            return false;
        }
        if (count > 2)
            return false;
    }
    const std::array<std::string_view, 2> decimal{".", settings.decimalSeparator};
    if (sc.matchLongest(decimal) >= 0) {
        const int fraction = sc.digits(count);
        if (count == 0 || count > 3)
            return false;
        fields[3] = count == 1 ? fraction * 100 : count == 2 ? fraction * 10 : fraction;
    }
    return true;
}

std::optional<DateTime> scanTime(Scanner &sc, const RegionalSettings &settings)
{
    const auto tokens = tokenize(settings.longTimeFormat);
    const auto separators = timeSeparators(settings, tokens);

    sc.skipBlanks();
    int designator = scanDesignator(sc, settings);
    if (designator != 0)
        sc.skipBlanks();
    std::array<int, 4> fields{};
    if (!scanTimeFields(sc, settings, separators, fields))
        return std::nullopt;
    if (designator == 0) {
        const std::size_t start = sc.pos();
        sc.skipBlanks();
        designator = scanDesignator(sc, settings);
        if (designator == 0)
            sc.setPos(start);
    }
    int hour = fields[0];
    if (designator != 0) {
        if (hour > 12)
            return std::nullopt;
        if (hour == 12)
            hour = 0;
        if (designator == 2)
            hour += 12;
    }
    if (hour > 23 || fields[1] > 59 || fields[2] > 59)
        return std::nullopt;
    return encodeTime(static_cast<unsigned>(hour), static_cast<unsigned>(fields[1]), static_cast<unsigned>(fields[2]),
                      static_cast<unsigned>(fields[3]));
}

bool onlyBlanksLeft(Scanner &sc)
{
    sc.skipBlanks();
    return sc.atEnd();
}

} // namespace

std::optional<DateTime> parseDate(std::string_view text, const RegionalSettings &settings, int currentYear)
{
    Scanner sc(text);
    const auto date = scanDate(sc, settings, currentYear);
    if (!date || !onlyBlanksLeft(sc))
        return std::nullopt;
    return date;
}

std::optional<DateTime> parseTime(std::string_view text, const RegionalSettings &settings)
{
    Scanner sc(text);
    const auto time = scanTime(sc, settings);
    if (!time || !onlyBlanksLeft(sc))
        return std::nullopt;
    return time;
}

std::optional<DateTime> parseDateTime(std::string_view text, const RegionalSettings &settings, int currentYear)
{
    Scanner sc(text);
    const auto date = scanDate(sc, settings, currentYear);
    if (!date)
        return std::nullopt;
    if (onlyBlanksLeft(sc))
        return date;
    // onlyBlanksLeft moved past the blanks; a time must follow at least one.
    const std::size_t timeStart = sc.pos();
    if (timeStart == 0 || !isBlank(text[timeStart - 1]))
        return std::nullopt;
    const auto time = scanTime(sc, settings);
    if (!time || !onlyBlanksLeft(sc))
        return std::nullopt;
    // Before day 0 the whole days count toward zero and the time of day is the absolute
    // fraction, as decodeDateTime reads them.
    return *date < 0 ? *date - *time : *date + *time;
}

std::optional<double> parseFloat(std::string_view text, const RegionalSettings &settings)
{
    text = trimmed(text);
    // Rebuilt with "." as the separator so that from_chars can read it.
    std::string plain;
    plain.reserve(text.size());
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-')
            plain += '-';
        ++i;
    }
    const auto takeDigits = [&] {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            plain += text[i++];
        return i - start;
    };
    std::size_t mantissaDigits = takeDigits();
    const std::string_view separator = settings.decimalSeparator;
    if (!separator.empty() && text.substr(i, separator.size()) == separator) {
        i += separator.size();
        plain += '.';
        mantissaDigits += takeDigits();
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            plain += text[i++];
        if (takeDigits() == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    double value = 0;
    const auto res = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (res.ec != std::errc{} || res.ptr != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

} // namespace kestrun
