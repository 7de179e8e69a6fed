// Writes the regression table of vireon-ephem: every column, for every planet, at 32 instants
// spread over years 1..9999 (with a denser choice around the present), in the equatorial view
// with the four orientations and in the polar view with one orientation per instant (each of
// the four in turn). Each row is the view and orientation letters followed by what
// `vireon-ephem --planet P --date D --view V --orientation O` prints for a fresh run, so the
// table pins the numbers of the version that wrote it.
//
//   build/make_regression_table > data/regression_table.csv
//
// The table was written once, before the theories were restructured and sped up; the
// regression test compares today's rows with it (angles within 1e-5", distances within 1e-10
// relative). Do not regenerate it to make a failing comparison pass. Pluto's rows alone were
// written again, on purpose, when its place came to the table fitted to DE441: the columns of
// the table's header, from this program's rows for Pluto, replacing the old ones (data/README.md).
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "ephem/ephem_cli.h"

namespace {

using vireon::CalendarFields;
using vireon::MakeCalendarFields;

std::vector<CalendarFields> Instants()
{
    std::vector<CalendarFields> instants;
    // Spread over the whole range: the first and last supported days, and 22 between them at
    // varied times of day.
    instants.push_back(MakeCalendarFields(1, 1, 1, 0, 0, 0));
    for (int i = 1; i <= 22; ++i) {
        const int year = 1 + 9998 * i / 23;
        instants.push_back(MakeCalendarFields(1 + (i * 7) % 28, 1 + (i * 5) % 12, year, (i * 5) % 24, (i * 13) % 60,
                                              (i * 29) % 60));
    }
    instants.push_back(MakeCalendarFields(31, 12, 9999, 23, 59, 59));
    // Dates observers use: the last Julian day, Galileo's evening, and the present era.
    instants.push_back(MakeCalendarFields(4, 10, 1582, 23, 59, 59));
    instants.push_back(MakeCalendarFields(7, 1, 1610, 16, 45, 0));
    instants.push_back(MakeCalendarFields(15, 6, 1900, 6, 30, 0));
    instants.push_back(MakeCalendarFields(1, 1, 2000, 12, 0, 0));
    instants.push_back(MakeCalendarFields(29, 2, 2004, 12, 0, 0));
    instants.push_back(MakeCalendarFields(1, 1, 2016, 15, 0, 0));
    instants.push_back(MakeCalendarFields(3, 12, 2024, 21, 17, 43));
    instants.push_back(MakeCalendarFields(30, 9, 2099, 3, 3, 3));
    return instants;
}

}  // namespace

int main()
{
    using namespace vireon;
    using namespace vireon::ephem;
    std::ios::sync_with_stdio(false);
    std::cout << "view,orientation," << CsvHeader() << '\n';
    const std::vector<CalendarFields> instants = Instants();
    const char orientations[] = {'N', 'S', 'A', 'B'};
    for (PlanetId p = FirstPlanet; p <= LastPlanet; ++p) {
        for (std::size_t i = 0; i < instants.size(); ++i) {
            std::vector<std::pair<char, char>> runs;
            for (char o : orientations) runs.push_back({'E', o});
            runs.push_back({'P', orientations[i % 4]});
            for (const auto& [view, orientation] : runs) {
                EphemRequest request;
                request.Planet = p;
                request.Start = instants[i];
                request.ViewMode = static_cast<ViewMode>(view);
                request.Orientation = static_cast<Orientation>(orientation);
                std::ostringstream rows;
                RunEphemeris(request, rows);
                const std::string text = rows.str();
                // Drop the header line of each run; the view and orientation go first on each row.
                std::istringstream lines(text.substr(text.find('\n') + 1));
                std::string line;
                while (std::getline(lines, line)) std::cout << view << ',' << orientation << ',' << line << '\n';
            }
        }
    }
    return 0;
}
