#include "core/line_writer.h"

namespace vireon {

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            static const char* const hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[u >> 4];
            out += hex[u & 15];
        } else {
            out += c;  // UTF-8 passes through
        }
    }
    return out + "\"";
}

std::optional<double> Value(Extended v) { return static_cast<double>(v); }
std::optional<double> Value(const std::optional<Extended>& v)
{
    return v ? std::optional<double>(static_cast<double>(*v)) : std::nullopt;
}

}  // namespace vireon
