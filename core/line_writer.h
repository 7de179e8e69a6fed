// The writers of vireon-ephem's lines, which the program's exported lists repeat: columns handed
// over as numbers, whole numbers or texts become a CSV line or a JSON object, or the CSV header.
// Numbers have 17 significant digits and "." whatever the locale.
#pragma once

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "core/types.h"

namespace vireon {

enum class LineFormat { Csv, Json };

// A CSV field, quoted when it holds a comma, a quote or a line end; a JSON string.
std::string CsvField(std::string_view text);
std::string JsonString(std::string_view text);

// Appends columns to a line; an absent or non-finite number is empty in CSV, null in JSON. A
// line starts with its first column (and "{" in JSON); a part that continues a line starts
// with its separator.
class LineWriter {
public:
    enum Part { Starts, Continues };
    LineWriter(LineFormat format, Part part = Starts) : json_(format == LineFormat::Json), first_(part == Starts)
    {
        line_.reserve(768);
        if (json_ && first_) line_ += '{';
    }

    void Number(std::string_view name, const std::optional<double>& v)
    {
        Key(name);
        if (v && std::isfinite(*v)) {
            char buffer[64];
            const auto r = std::to_chars(buffer, buffer + sizeof buffer, *v, std::chars_format::general, 17);
            line_.append(buffer, r.ptr);
        } else if (json_) {
            line_ += "null";
        }
    }
    void Integer(std::string_view name, const std::optional<int>& v)
    {
        Key(name);
        if (v) line_ += std::to_string(*v);
        else if (json_) line_ += "null";
    }
    void Text(std::string_view name, std::string_view text)
    {
        Key(name);
        line_ += json_ ? JsonString(text) : CsvField(text);
    }

    std::string Finish() { return json_ ? std::move(line_) + "}" : std::move(line_); }
    std::string Text() { return std::move(line_); }

private:
    void Key(std::string_view name)
    {
        if (!first_) line_ += ',';
        first_ = false;
        if (json_) {
            line_ += '"';
            line_ += name;
            line_ += "\":";
        }
    }

    bool json_;
    bool first_ = true;
    std::string line_;
};

// Collects the column names.
struct HeaderWriter {
    std::string text;
    void Add(std::string_view name) { text += (text.empty() ? "" : ",") + std::string(name); }
    void Number(std::string_view name, const std::optional<double>&) { Add(name); }
    void Integer(std::string_view name, const std::optional<int>&) { Add(name); }
    void Text(std::string_view name, std::string_view) { Add(name); }
};

std::optional<double> Value(Extended v);
std::optional<double> Value(const std::optional<Extended>& v);

}  // namespace vireon
