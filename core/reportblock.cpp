// SPDX-License-Identifier: MIT
#include "core/reportblock.h"

#include "core/valueforms.h"

#include <array>
#include <span>

namespace kestrun {

namespace {

constexpr std::size_t kHeadingWidth = 41;
constexpr std::size_t kCaptionWidth = 16;
// The field joint target lines of ptFJ and ptNumFJ stand three columns further left.
constexpr std::size_t kShortCaptionWidth = 13;
constexpr std::size_t kLineReserve = 48; // longer than any line but the heading line

enum class Form { General, Fixed0, Fixed1, Fixed3, Date, Time };

struct ValueLine {
    std::string_view caption;
    double JobParameters::*field;
    Form form;
    std::string_view suffix = {};
    std::size_t width = kCaptionWidth;
};

using JP = JobParameters;

constexpr std::array kConstruction{
    ValueLine{"Beading Time", &JP::BeadingTime, Form::General, " min"},
    ValueLine{"Linepipe Length", &JP::PipeLength, Form::General, " m"},
};

constexpr std::array kBaseline{
    ValueLine{"Date", &JP::BaselineDate, Form::Date},
    ValueLine{"Time", &JP::BaselineTime, Form::Time},
    ValueLine{"KP", &JP::BaselineKp, Form::General},
    ValueLine{"FJ", &JP::BaselineFj, Form::General},
};

struct TargetKind {
    std::string_view name;
    std::array<ValueLine, 2> lines;
    std::size_t lineCount;
};

// Indexed by PredictTarget.
constexpr std::array<TargetKind, kPredictTargetCount> kTargetKinds{{
    {"KP", {{{"KP", &JP::TargetKp, Form::Fixed3}}}, 1},
    {"Distance", {{{"Distance", &JP::TargetKpInterval, Form::Fixed3}}}, 1},
    {"Field Joint Number", {{{"FJ", &JP::TargetFj, Form::General, {}, kShortCaptionWidth}}}, 1},
    {"Number of Field Joints", {{{"No. of FJs", &JP::TargetFjInterval, Form::General, {}, kShortCaptionWidth}}}, 1},
    {"Date and time", {{{"Date", &JP::TargetDate, Form::Date}, {"Time", &JP::TargetTime, Form::Time}}}, 2},
    {"Days and Hours",
     {{{"Days", &JP::TargetDays, Form::Fixed1, " days"}, {"Hours", &JP::TargetHours, Form::Fixed1, " hours"}}},
     2},
}};

constexpr ValueLine kForwardFlop{"Forward flop", &JP::ForwardFlop, Form::Fixed1, " m"};

constexpr std::array kDelay{
    ValueLine{"Days", &JP::DelayDays, Form::Fixed1, " days"},
    ValueLine{"Hours", &JP::DelayHours, Form::Fixed1, " hours"},
};

constexpr std::array kPrediction{
    ValueLine{"Date", &JP::PredictDateTime, Form::Date},
    ValueLine{"Time", &JP::PredictDateTime, Form::Time},
    ValueLine{"KP", &JP::PredictKp, Form::Fixed3},
    ValueLine{"Dist.", &JP::PredictDistance, Form::Fixed3, " km"},
    ValueLine{"FJ No.", &JP::PredictFj, Form::Fixed0},
    ValueLine{"No. of FJs", &JP::PredictNumFj, Form::Fixed0},
};

class BlockWriter {
public:
    BlockWriter(std::vector<std::string> &lines, const JobParameters &p, const RegionalSettings &settings)
        : m_lines(lines), m_p(p), m_settings(settings)
    {
    }

    void heading(std::string_view name)
    {
        std::string &line = m_lines.emplace_back();
        line.reserve(kHeadingWidth);
        line.append(kHeadingWidth - 1 - name.size(), '-');
        line += ' ';
        line += name;
    }

    std::string &label(std::string_view caption, std::size_t width = kCaptionWidth)
    {
        std::string &line = m_lines.emplace_back();
        line.reserve(kLineReserve);
        line += caption;
        if (caption.size() < width)
            line.append(width - caption.size(), ' ');
        line += ": ";
        return line;
    }

    void value(const ValueLine &v)
    {
        std::string &line = label(v.caption, v.width);
        const double x = m_p.*v.field;
        switch (v.form) {
        case Form::General: appendGeneral(line, x, m_settings); break;
        case Form::Fixed0: appendFixed(line, x, 0, m_settings); break;
        case Form::Fixed1: appendFixed(line, x, 1, m_settings); break;
        case Form::Fixed3: appendFixed(line, x, 3, m_settings); break;
        case Form::Date: appendDateTime(line, x, "dd mmm yyyy", m_settings); break;
        case Form::Time: appendDateTime(line, x, "hh:mm:ss", m_settings); break;
        }
        line += v.suffix;
    }

    void values(std::span<const ValueLine> lines)
    {
        for (const ValueLine &v : lines)
            value(v);
    }

private:
    std::vector<std::string> &m_lines;
    const JobParameters &m_p;
    const RegionalSettings &m_settings;
};

} // namespace

std::vector<std::string> RenderReportBlock(const JobParameters &p, std::string_view title, DateTime now,
                                           const RegionalSettings &settings)
{
    const TargetKind *kind = isKnownTarget(p.Target) ? &kTargetKinds[static_cast<std::size_t>(p.Target)] : nullptr;

    std::vector<std::string> lines;
    lines.reserve(26);
    BlockWriter w(lines, p, settings);

    std::string &top = lines.emplace_back();
    top.reserve(title.size() + 4 + 17);
    top += title;
    top += " || ";
    appendDateTime(top, now, "dd mmm yyyy hh:mm", settings);

    w.heading("Construction");
    w.values(kConstruction);
    w.heading("Baseline");
    w.values(kBaseline);
    w.heading("Target");
    std::string &targetTo = w.label("Target to");
    if (kind) {
        targetTo += kind->name;
        w.values(std::span(kind->lines.data(), kind->lineCount));
    }
    w.value(kForwardFlop);
    w.heading("Delay");
    w.label("Reason") += p.DelayReason;
    w.values(kDelay);
    w.heading("Prediction");
    w.values(kPrediction);
    lines.emplace_back();
    return lines;
}

} // namespace kestrun
