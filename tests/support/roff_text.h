// Reading a manual page written in man(7) macros as the text a reader sees, so that tests can
// hold the pages to the programs: the escapes of groff(7) turned into their characters, each
// macro line into the words it sets.
#pragma once

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vireon::test {

// One input line of a page: the macro (".TP", ".BR", ...; empty for a text line) and the text
// it sets, fonts dropped.
struct RoffLine {
    std::string Macro;
    std::string Text;
};

// The line's text with its escapes resolved (groff_char(7) names for \(xx). An escape this reader
// does not know is an error, so that a page never compares as something it does not say.
inline std::string RoffToText(std::string_view line)
{
    static const std::pair<std::string_view, std::string_view> glyphs[] = {
        {"aq", "'"}, {"lq", "\u201c"}, {"rq", "\u201d"}, {"en", "\u2013"}, {"em", "\u2014"}, {"de", "\u00b0"},
        {"'e", "é"}, {"`e", "è"},      {"^e", "ê"},      {"'E", "É"},      {"`a", "à"},      {"^a", "â"},
        {"^o", "ô"}, {":i", "ï"},      {"^i", "î"},      {",c", "ç"},      {"`u", "ù"},      {"^u", "û"},
    };
    std::string text;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\\') {
            text += line[i];
        } else if (++i == line.size() || line[i] == '&' || line[i] == 'c') {  // continued, zero width, joined
        } else if (line[i] == '-' || line[i] == ' ') {
            text += line[i];
        } else if (line[i] == 'e') {
            text += '\\';
        } else if (line[i] == 'f') {
            ++i;  // \fB, \fI, \fR, \fP
        } else if (line[i] == '(') {
            const std::string_view name = line.substr(i + 1, 2);
            std::size_t g = 0;
            while (g < std::size(glyphs) && glyphs[g].first != name) ++g;
            if (g == std::size(glyphs)) throw std::runtime_error("unknown groff glyph \\(" + std::string(name));
            text += glyphs[g].second;
            i += 2;
        } else {
            throw std::runtime_error("unknown groff escape in: " + std::string(line));
        }
    }
    return text;
}

// The page's lines, comments left out. A macro's arguments are words or "quoted words"; .B and
// .I set them with spaces between, the alternating font macros (.BR, .IR, ...) joined.
inline std::vector<RoffLine> ReadRoffPage(const std::string& path)
{
    std::ifstream file(path);
    if (!file) throw std::runtime_error("cannot read " + path);
    std::vector<RoffLine> lines;
    for (std::string raw; std::getline(file, raw);) {
        if (raw.rfind(".\\\"", 0) == 0) continue;
        if (raw.empty() || raw[0] != '.') {
            lines.push_back({"", RoffToText(raw)});
            continue;
        }
        RoffLine line{raw.substr(0, raw.find(' ')), ""};
        const bool alternating = line.Macro.size() == 3 && line.Macro.find_first_not_of(".BIR") == std::string::npos;
        bool first = true;
        for (std::size_t i = line.Macro.size(); i < raw.size();) {
            if (raw[i] == ' ') {
                ++i;
                continue;
            }
            const bool quoted = raw[i] == '"';
            const std::size_t end = std::min(raw.find(quoted ? '"' : ' ', i + quoted), raw.size());
            if (!first && !alternating) line.Text += ' ';
            line.Text += RoffToText(std::string_view(raw).substr(i + quoted, end - i - quoted));
            first = false;
            i = end + quoted;
        }
        lines.push_back(line);
    }
    return lines;
}

// The lines of section `name` (.SH), from its heading to the next one, headings left out.
inline std::vector<RoffLine> RoffSection(const std::vector<RoffLine>& page, std::string_view name)
{
    std::vector<RoffLine> section;
    bool inside = false;
    for (const RoffLine& line : page) {
        if (line.Macro == ".SH") inside = line.Text == name;
        else if (inside) section.push_back(line);
    }
    return section;
}

// The tags of the .TP entries of some lines: the line after each .TP.
inline std::vector<std::string> RoffTags(const std::vector<RoffLine>& lines)
{
    std::vector<std::string> tags;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
        if (lines[i].Macro == ".TP") tags.push_back(lines[i + 1].Text);
    return tags;
}

// Everything the lines say, one line of text each.
inline std::string RoffText(const std::vector<RoffLine>& lines)
{
    std::string text;
    for (const RoffLine& line : lines) text += line.Text + '\n';
    return text;
}

}  // namespace vireon::test
