#include "core/instant_text.h"

namespace vireon {

// YYYY-MM-DDTHH:MM:SS, digit by digit: snprintf's format parsing was a twentieth of a table run.
std::string FormatInstant(const CalendarFields& f)
{
    std::string text = "0000-00-00T00:00:00";
    const auto put = [&text](std::size_t end, int value, int width) {
        for (std::size_t i = end; width-- > 0; --i, value /= 10) text[i] = static_cast<char>('0' + value % 10);
    };
    put(3, f.Year, 4);
    put(6, f.Month, 2);
    put(9, f.Day, 2);
    put(12, f.Hour, 2);
    put(15, f.Minute, 2);
    put(18, f.Second, 2);
    return text;
}

std::string FormatInstantOnScale(const TimeScale& scale, Extended jdTT, SecondRounding rounding)
{
    std::string text = FormatInstant(ReadingFieldsOf(scale, jdTT, rounding));
    if (scale.Kind == TimeScaleKind::Universal) return text + "Z";
    if (scale.Kind == TimeScaleKind::Local) {
        const std::int32_t offset = ScaleOffsetSeconds(scale, jdTT);
        const std::int32_t magnitude = offset < 0 ? -offset : offset;
        const auto two = [](int v) { return std::string{static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)}; };
        text += offset < 0 ? '-' : '+';
        text += two(magnitude / 3600) + ":" + two(magnitude / 60 % 60);
        if (magnitude % 60 != 0) text += ":" + two(magnitude % 60);
    }
    return text;
}

}  // namespace vireon
