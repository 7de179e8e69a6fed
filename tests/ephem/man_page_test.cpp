// vireon-ephem's manual page held to the program: the options and the columns it names against
// --help and the headers the program writes, its exit statuses against runs that end with them,
// and its examples run, their output compared with the page's.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <algorithm>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ephem/ephem_cli.h"
#include "support/roff_text.h"

namespace vireon::ephem {
namespace {

using test::RoffLine;

std::vector<RoffLine> Page() { return test::ReadRoffPage(VIREON_SOURCE_DIR "/packaging/man/vireon-ephem.1"); }

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> Split(const std::string& text, const std::string& separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + separator.size())
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

// The options a text names: "--word" or "-x", where the dash does not continue a word
// ("sub-Earth", "-90" and "YYYY-MM-DD" are not options).
std::set<std::string> OptionNames(std::string_view text)
{
    auto wordChar = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
    std::set<std::string> names;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '-' || (i > 0 && (wordChar(text[i - 1]) || text[i - 1] == '-'))) continue;
        std::size_t end = i;
        while (end < text.size() && (std::islower(static_cast<unsigned char>(text[end])) || text[end] == '-')) ++end;
        std::string_view word = text.substr(i, end - i);
        while (!word.empty() && word.back() == '-') word.remove_suffix(1);
        const bool cut = end < text.size() && wordChar(text[end]);
        if (!cut && word.size() > 2 && word.substr(0, 2) == "--") names.insert(std::string(word));
        if (!cut && word.size() == 2 && word[1] != '-') names.insert(std::string(word));
        i = end;
    }
    return names;
}

enum class Listing { Positions, Events, Mutual };

Listing ListingNamed(const std::string& heading)
{
    return heading.find("--events") != std::string::npos   ? Listing::Events
           : heading.find("--mutual") != std::string::npos ? Listing::Mutual
                                                           : Listing::Positions;
}

// The help's columns: the names that open the indented lines of each "Columns" paragraph
// ("  planet_ra_h, planet_dec_deg apparent ...").
std::map<Listing, std::vector<std::string>> HelpColumns()
{
    std::map<Listing, std::vector<std::string>> columns;
    std::optional<Listing> listing;
    for (const std::string& line : Split(std::string(HelpText()), "\n")) {
        if (line.rfind("Columns", 0) == 0) {
            listing = ListingNamed(line);
            continue;
        }
        if (line.empty()) listing.reset();
        if (!listing || line.size() < 3 || line.substr(0, 2) != "  " || line[2] == ' ') continue;
        for (std::size_t i = 2;;) {
            std::size_t end = i;
            while (end < line.size() && (std::isalnum(static_cast<unsigned char>(line[end])) || line[end] == '_')) ++end;
            columns[*listing].push_back(line.substr(i, end - i));
            if (line.compare(end, 2, ", ") != 0) break;
            i = end + 2;
        }
    }
    return columns;
}

// The page's columns: the tags of the .TP entries of each subsection of COLUMNS.
std::map<Listing, std::vector<std::string>> PageColumns()
{
    std::map<Listing, std::vector<std::string>> columns;
    std::optional<Listing> listing;
    std::vector<RoffLine> lines = test::RoffSection(Page(), "COLUMNS"), entries;
    lines.push_back({".SS", ""});
    for (const RoffLine& line : lines) {
        if (line.Macro != ".SS") {
            entries.push_back(line);
            continue;
        }
        if (listing)
            for (const std::string& tag : test::RoffTags(entries))
                for (const std::string& name : Split(tag, ", ")) columns[*listing].push_back(name);
        listing = ListingNamed(line.Text);
        entries.clear();
    }
    return columns;
}

TEST(ManPage, NamesTheOptionsOfTheHelp)
{
    // Outside EXAMPLES, whose commands also name cut's and head's options.
    std::vector<RoffLine> described = Page();
    const auto examples = std::find_if(described.begin(), described.end(),
                                       [](const RoffLine& l) { return l.Macro == ".SH" && l.Text == "EXAMPLES"; });
    ASSERT_NE(examples, described.end());
    described.erase(examples, std::find_if(examples + 1, described.end(), [](const RoffLine& l) { return l.Macro == ".SH"; }));
    const std::set<std::string> help = OptionNames(HelpText());
    EXPECT_GE(help.size(), 16u);
    EXPECT_EQ(OptionNames(test::RoffText(described)), help);
}

TEST(ManPage, NamesTheColumnsOfEachListingInTheProgramsOrder)
{
    const struct {
        const char* name;
        Listing listing;
        std::function<std::string(const EphemRequest&)> header;
    } listings[] = {
        {"positions", Listing::Positions, [](const EphemRequest& r) { return CsvHeader(r); }},
        {"--events", Listing::Events, [](const EphemRequest& r) { return EventsCsvHeader(r); }},
        {"--mutual", Listing::Mutual, [](const EphemRequest& r) { return MutualCsvHeader(r); }},
    };
    std::map<Listing, std::vector<std::string>> help = HelpColumns(), page = PageColumns();
    EphemRequest withClockAndSite;  // every column a clock and a site add
    withClockAndSite.Scale.Kind = TimeScaleKind::Universal;
    withClockAndSite.Site = ObservingSite{"", 48.8367, 2.3363, 67};
    for (const auto& listing : listings) {
        const std::vector<std::string> written = Split(listing.header(withClockAndSite), ",");
        EXPECT_EQ(help[listing.listing], written) << "--help, " << listing.name;
        EXPECT_EQ(page[listing.listing], written) << "the page, " << listing.name;
    }
}

struct ShellRun {
    int status = -1;
    std::string out, err;
};

// Runs a shell command with the built vireon-ephem first on the PATH, its standard error apart
// or, as a terminal shows it, merged into the output.
ShellRun Shell(const std::string& command, bool mergeErrors = false)
{
    const std::string base = ::testing::TempDir() + "vireon_man_" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
                             std::to_string(::getpid());
    std::ofstream(base + ".sh") << "PATH='" VIREON_BINARY_DIR "':\"$PATH\"\nexport PATH\n"
                               << (mergeErrors ? "exec 2>&1\n" : "") << command << "\n";
    const int raw = std::system(("sh " + base + ".sh >" + base + ".out 2>" + base + ".err").c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(base + ".out"), ReadAll(base + ".err")};
}

TEST(ManPage, ExitStatusesAreThoseTheProgramEndsWith)
{
    const struct {
        std::string status;
        std::string command;
    } endings[] = {
        {"0", "vireon-ephem --planet jupiter --date 2000-01-01T00:00:00 >/dev/null"},
        {"1", "vireon-ephem --planet jupiter --date 2000-01-01T00:00:00 --step 1d --count 400 >/dev/full"},
        {"2", "vireon-ephem --planet vulcan --date 2000-01-01T00:00:00"},
    };
    std::set<std::string> statuses;
    for (const auto& ending : endings) {
        const ShellRun run = Shell(ending.command);
        EXPECT_EQ(std::to_string(run.status), ending.status) << ending.command;
        if (ending.status != "0") {
            EXPECT_TRUE(run.err.rfind("vireon-ephem: ", 0) == 0 && run.err.find('\n') == run.err.size() - 1)
                << "one line: " << run.err;
        }
        statuses.insert(ending.status);
    }
    const std::vector<std::string> tags = test::RoffTags(test::RoffSection(Page(), "EXIT STATUS"));
    EXPECT_EQ(std::set<std::string>(tags.begin(), tags.end()), statuses);
    // --help: "Exit status: 0 on success, 1 when ..., 2 on ...; ...".
    const std::string help(HelpText());
    const std::size_t from = help.find("Exit status:");
    ASSERT_NE(from, std::string::npos);
    std::set<std::string> helped;
    for (std::size_t i = from; i + 1 < help.size() && help[i] != ';'; ++i)
        if (std::isdigit(static_cast<unsigned char>(help[i])) && help[i - 1] == ' ' && help[i + 1] == ' ') helped.insert(help.substr(i, 1));
    EXPECT_EQ(helped, statuses);
}

TEST(ManPage, ExamplesPrintWhatThePageShows)
{
    // In each .EX block: "$ command", continued while a line ends in a backslash, then the
    // output up to the next command.
    struct Example {
        std::string command, output;
    };
    std::vector<Example> examples;
    bool inBlock = false, continued = false;
    for (const RoffLine& line : test::RoffSection(Page(), "EXAMPLES")) {
        if (line.Macro == ".EX" || line.Macro == ".EE") {
            inBlock = line.Macro == ".EX";
            continue;
        }
        if (!inBlock) continue;
        if (line.Text.rfind("$ ", 0) == 0 || continued) {
            if (!continued) examples.push_back({});
            examples.back().command += (continued ? "\n" : "") + line.Text.substr(continued ? 0 : 2);
            continued = !line.Text.empty() && line.Text.back() == '\\';
        } else {
            ASSERT_FALSE(examples.empty()) << "output before any command: " << line.Text;
            examples.back().output += line.Text + "\n";
        }
    }
    ASSERT_GE(examples.size(), 6u);
    for (const Example& example : examples) {
        const ShellRun run = Shell(example.command, true);
        EXPECT_EQ(run.out, example.output) << example.command;
    }
}

}  // namespace
}  // namespace vireon::ephem
