// Reading a manual page written in man(7) macros as the text a reader sees, so that tests can
// hold the pages to the programs: the escapes of groff(7) turned into their characters, each
// macro line into the words it sets, in the page's sections and subsections.
#pragma once

#include <fstream>
#include <sstream>
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

// The special characters the pages use, groff_char(7) names.
inline std::string RoffGlyph(std::string_view name)
{
    static const std::pair<std::string_view, std::string_view> glyphs[] = {
        {"aq", "'"},  {"lq", "\u201c"}, {"rq", "\u201d"}, {"en", "\u2013"}, {"em", "\u2014"}, {"de", "\u00b0"},
        {"'e", "é"},  {"`e", "è"},      {"^e", "ê"},      {"'E", "É"},      {"`a", "à"},      {"^a", "â"},
        {"^o", "ô"},  {":i", "ï"},      {"^i", "î"},      {",c", "ç"},      {"`u", "ù"},      {"^u", "û"},
    };
    for (const auto& [key, text] : glyphs) {
        if (key == name) return std::string(text);
    }
    throw std::runtime_error("unknown groff glyph \\(" + std::string(name));
}

// The text of a line with its escapes resolved: \- and \e, the named glyphs, the font changes,
// the zero-width \& and the joining \c dropped, \<space> a space. An escape this reader does
// not know is an error, so that a page never compares as something it does not say.
inline std::string RoffToText(std::string_view line)
{
    std::string text;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\\') {
            text += line[i];
            continue;
        }
        if (++i == line.size()) break;  // a line continued on the next
        switch (line[i]) {
        case '-': text += '-'; break;
        case 'e': text += '\\'; break;
        case ' ': text += ' '; break;
        case '&':
        case 'c': break;
        case 'f': ++i; break;  // \fB, \fI, \fR, \fP
        case '(':
            text += RoffGlyph(line.substr(i + 1, 2));
            i += 2;
            break;
        default: throw std::runtime_error("unknown groff escape in: " + std::string(line));
        }
    }
    return text;
}

// A macro line's arguments: words, or "quoted words" that may hold spaces.
inline std::vector<std::string> MacroArguments(std::string_view rest)
{
    std::vector<std::string> arguments;
    std::size_t i = 0;
    while (i < rest.size()) {
        if (rest[i] == ' ') {
            ++i;
            continue;
        }
        std::string argument;
        if (rest[i] == '"') {
            for (++i; i < rest.size() && rest[i] != '"'; ++i) argument += rest[i];
            ++i;
        } else {
            for (; i < rest.size() && rest[i] != ' '; ++i) argument += rest[i];
        }
        arguments.push_back(argument);
    }
    return arguments;
}

// The page's lines, comments left out. The font macros set their arguments: .B and .I with
// spaces between them, the alternating ones (.BR, .IR, ...) joined.
inline std::vector<RoffLine> ReadRoffPage(const std::string& path)
{
    std::ifstream file(path);
    if (!file) throw std::runtime_error("cannot read " + path);
    std::vector<RoffLine> lines;
    for (std::string raw; std::getline(file, raw);) {
        if (raw.rfind(".\\\"", 0) == 0) continue;
        RoffLine line;
        if (!raw.empty() && raw[0] == '.') {
            const std::size_t space = raw.find(' ');
            line.Macro = raw.substr(0, space);
            const std::vector<std::string> arguments =
                space == std::string::npos ? std::vector<std::string>{} : MacroArguments(raw.substr(space + 1));
            const bool alternating = line.Macro == ".BR" || line.Macro == ".BI" || line.Macro == ".IB" ||
                                     line.Macro == ".IR" || line.Macro == ".RB" || line.Macro == ".RI";
            for (std::size_t k = 0; k < arguments.size(); ++k) {
                if (k > 0 && !alternating) line.Text += ' ';
                line.Text += RoffToText(arguments[k]);
            }
        } else {
            line.Text = RoffToText(raw);
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
        if (line.Macro == ".SH") {
            inside = line.Text == name;
            continue;
        }
        if (inside) section.push_back(line);
    }
    return section;
}

// The tags of the .TP entries of some lines: the line after each .TP.
inline std::vector<std::string> RoffTags(const std::vector<RoffLine>& lines)
{
    std::vector<std::string> tags;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].Macro == ".TP") tags.push_back(lines[i + 1].Text);
    }
    return tags;
}

// Everything the lines say, one line of text each.
inline std::string RoffText(const std::vector<RoffLine>& lines)
{
    std::ostringstream text;
    for (const RoffLine& line : lines) text << line.Text << '\n';
    return text.str();
}

}  // namespace vireon::test
