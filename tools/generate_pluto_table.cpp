// Writes Pluto's Chebyshev table, ephemeris/pluto_chebyshev.cpp, and the start state it comes
// from, data/pluto_start_state.csv, from the DE441 states kept in data/de441/.
//
// Usage: generate_pluto_table <data directory> <ephemeris directory> [--step-check]
// From the source tree, once (a few minutes on two cores; the test regenerates a few segments):
//   cmake --build build --target generate_pluto_table && build/generate_pluto_table data ephemeris
//
// 1. Reads the barycentric DE441 states of the Sun, Jupiter, Saturn, Uranus and Neptune (the
//    planets' centres) and of the Pluto system barycentre, 1900-2100.
// 2. Fits the start state of the model of tools/pluto_integration.h at J2000.0 to their
//    positions by Gauss-Newton least squares with finite-difference partials: the positions and
//    velocities of Jupiter to Pluto (30 unknowns), the Sun's following from the barycentre at
//    rest at the origin. Each body's positions are weighted by what the model cannot follow
//    (Sigma below). The planets' files give their centres, which circle their systems'
//    barycentres (Titan moves Saturn's centre by 290 km, and its velocity by 1.4e-4 of the
//    orbital velocity): a fit over two centuries averages those motions out, where a state taken
//    from one epoch keeps them as a velocity error and drifts by degrees over millennia.
// 3. Integrates from J2000.0 to both ends of the table and writes its segments.
// 4. Prints how far the table can be trusted: the fit's residuals; Pluto's heliocentric direction
//    against DE441's pluto_heliocentric.txt (not used by the fit); the table against the
//    integration halfway between its nodes and at its joins; the disagreement of two more fits,
//    on 1900-2000 alone and on 2000-2100 alone, over 1600-2500 and at years 1 and 9999; how far
//    the unfitted start state (DE441's of 1999-12-07) ends up. With --step-check, also how far
//    Pluto moves over the whole table when the longest step is halved.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/pluto_integration.h"

namespace {

using namespace vireon;
using namespace vireon::pluto_model;

constexpr Extended J2000 = 2451545;
constexpr Extended ArcsecPerRadian = 648000 / std::numbers::pi_v<Extended>;

// Standard deviations (au) of the positions of each body that the model cannot follow: the Sun
// of DE441 is its centre, the model's is the barycentre of the Sun and the inner planets (up to
// 5e-6 au away); the planets' centres circle their systems' barycentres (Jupiter 230 km,
// Saturn 300 km, Uranus 45 km, Neptune 75 km). The Pluto system barycentre is what the model
// integrates: its figure bounds the model's own error (relativity, asteroids, Kuiper belt).
constexpr std::array<Extended, BodyCount> Sigma = {4e-6L, 1.5e-6L, 2e-6L, 3e-7L, 5e-7L, 2e-7L};
const char* const BodyNames[BodyCount] = {"sun", "jupiter", "saturn", "uranus", "neptune", "pluto"};

constexpr int ParameterCount = 6 * (BodyCount - 1);
using Parameters = std::array<Extended, ParameterCount>;

[[noreturn]] void Fail(const std::string& message)
{
    std::cerr << "generate_pluto_table: " << message << "\n";
    std::exit(1);
}

struct Record {
    Extended Day = 0;  // from J2000.0, TDB
    Vec3 Position, Velocity;
};

Extended ValueAfter(const std::string& line, const std::string& label)
{
    const std::size_t at = line.find(label);
    if (at == std::string::npos) Fail("no '" + label + "' in: " + line);
    return std::strtold(line.c_str() + at + label.size(), nullptr);
}

// The states between $$SOE and $$EOE of a Horizons vector table: a line starting with the JD,
// one with X, Y, Z, one with VX, VY, VZ.
std::vector<Record> ReadHorizons(const std::string& path)
{
    std::ifstream in(path);
    if (!in) Fail("cannot read " + path);
    std::string line;
    while (std::getline(in, line) && line.rfind("$$SOE", 0) != 0) {
    }
    std::vector<Record> records;
    std::string xyz, velocity;
    while (std::getline(in, line) && line.rfind("$$EOE", 0) != 0) {
        if (!std::getline(in, xyz) || !std::getline(in, velocity)) Fail(path + ": truncated state");
        Record r;
        r.Day = std::strtold(line.c_str(), nullptr) - J2000;
        r.Position = {ValueAfter(xyz, "X ="), ValueAfter(xyz, "Y ="), ValueAfter(xyz, "Z =")};
        r.Velocity = {ValueAfter(velocity, "VX="), ValueAfter(velocity, "VY="), ValueAfter(velocity, "VZ=")};
        records.push_back(r);
    }
    if (records.empty()) Fail(path + ": no states");
    return records;
}

struct Observation {
    int Body = 0;
    Vec3 Position;
    std::size_t DayIndex = 0;  // into FitData::Days
};

// The observations of one fit, and the sorted days at which the model is wanted.
struct FitData {
    std::vector<Extended> Days;
    std::vector<Observation> Observations;
};

std::size_t IndexOf(const std::vector<Extended>& days, Extended day)
{
    return static_cast<std::size_t>(std::lower_bound(days.begin(), days.end(), day) - days.begin());
}

FitData Observations(const std::vector<std::vector<Record>>& byBody, Extended fromDay, Extended toDay)
{
    FitData data;
    for (const auto& records : byBody)
        for (const Record& r : records)
            if (r.Day >= fromDay && r.Day <= toDay) data.Days.push_back(r.Day);
    std::sort(data.Days.begin(), data.Days.end());
    data.Days.erase(std::unique(data.Days.begin(), data.Days.end()), data.Days.end());
    for (int body = 0; body < BodyCount; ++body)
        for (const Record& r : byBody[body])
            if (r.Day >= fromDay && r.Day <= toDay) data.Observations.push_back({body, r.Position, IndexOf(data.Days, r.Day)});
    return data;
}

// Jupiter to Pluto from the parameters; the Sun makes the barycentre of the six rest at the origin.
State StartState(const Parameters& p)
{
    State s;
    Vec3 moment, momentum;
    for (int body = 1; body < BodyCount; ++body) {
        const Extended* q = &p[6 * (body - 1)];
        s.Position[body] = {q[0], q[1], q[2]};
        s.Velocity[body] = {q[3], q[4], q[5]};
        moment = moment + GM[body] * s.Position[body];
        momentum = momentum + GM[body] * s.Velocity[body];
    }
    s.Position[SunBody] = (-1 / GM[SunBody]) * moment;
    s.Velocity[SunBody] = (-1 / GM[SunBody]) * momentum;
    return s;
}

Parameters ParametersOf(const State& s)
{
    Parameters p{};
    for (int body = 1; body < BodyCount; ++body) {
        Extended* q = &p[6 * (body - 1)];
        const Vec3 &r = s.Position[body], &v = s.Velocity[body];
        q[0] = r.x, q[1] = r.y, q[2] = r.z, q[3] = v.x, q[4] = v.y, q[5] = v.z;
    }
    return p;
}

// Every body at each of the sorted days, integrating outward from the start state's day.
std::vector<Bodies> PositionsAt(const GaussLegendre& method, const State& start, const std::vector<Extended>& days,
                                Extended maxStep = MaxStepDays)
{
    std::vector<Bodies> at(days.size());
    const std::size_t first = IndexOf(days, start.Day);
    State s = start;
    for (std::size_t i = first; i < days.size(); ++i) {
        Propagate(method, s, days[i], maxStep);
        at[i] = s.Position;
    }
    s = start;
    for (std::size_t i = first; i-- > 0;) {
        Propagate(method, s, days[i], maxStep);
        at[i] = s.Position;
    }
    return at;
}

std::vector<Extended> Residuals(const FitData& data, const std::vector<Bodies>& at)
{
    std::vector<Extended> r;
    r.reserve(3 * data.Observations.size());
    for (const Observation& o : data.Observations) {
        const Vec3 d = at[o.DayIndex][o.Body] - o.Position;
        r.push_back(d.x / Sigma[o.Body]);
        r.push_back(d.y / Sigma[o.Body]);
        r.push_back(d.z / Sigma[o.Body]);
    }
    return r;
}

Extended RootMeanSquare(const std::vector<Extended>& r)
{
    Extended sum = 0;
    for (const Extended x : r) sum += x * x;
    return std::sqrt(sum / r.size());
}

// Solves N x = g for a symmetric positive definite N by Cholesky's method, after scaling N to a
// unit diagonal.
Parameters SolveNormalEquations(std::array<Parameters, ParameterCount> n, Parameters g)
{
    Parameters scale{};
    for (int i = 0; i < ParameterCount; ++i) scale[i] = 1 / std::sqrt(n[i][i]);
    for (int i = 0; i < ParameterCount; ++i) {
        g[i] *= scale[i];
        for (int j = 0; j < ParameterCount; ++j) n[i][j] *= scale[i] * scale[j];
    }
    for (int j = 0; j < ParameterCount; ++j) {
        for (int k = 0; k < j; ++k) n[j][j] -= n[j][k] * n[j][k];
        if (!(n[j][j] > 0)) Fail("normal equations not positive definite");
        n[j][j] = std::sqrt(n[j][j]);
        for (int i = j + 1; i < ParameterCount; ++i) {
            for (int k = 0; k < j; ++k) n[i][j] -= n[i][k] * n[j][k];
            n[i][j] /= n[j][j];
        }
    }
    for (int i = 0; i < ParameterCount; ++i) {
        for (int k = 0; k < i; ++k) g[i] -= n[i][k] * g[k];
        g[i] /= n[i][i];
    }
    for (int i = ParameterCount; i-- > 0;) {
        for (int k = i + 1; k < ParameterCount; ++k) g[i] -= n[k][i] * g[k];
        g[i] /= n[i][i];
    }
    for (int i = 0; i < ParameterCount; ++i) g[i] *= scale[i];
    return g;
}

// Root mean square of each body's position residuals, km.
void PrintResiduals(const FitData& data, const std::vector<Extended>& r)
{
    std::array<Extended, BodyCount> sum{};
    std::array<int, BodyCount> count{};
    for (std::size_t o = 0; o < data.Observations.size(); ++o) {
        const int body = data.Observations[o].Body;
        for (int axis = 0; axis < 3; ++axis) sum[body] += r[3 * o + axis] * r[3 * o + axis];
        ++count[body];
    }
    std::cout << "    residuals (rms per coordinate, km):";
    for (int body = 0; body < BodyCount; ++body)
        std::cout << " " << BodyNames[body] << " "
                  << static_cast<double>(std::sqrt(sum[body] / (3 * count[body])) * Sigma[body] * 149597870.7L);
    std::cout << "\n";
}

// The partials of the weighted residuals r0 (at p) by each parameter, by one-sided differences
// of 1e-6 au in position and 1e-9 au/day in velocity (the residuals are linear in them to 1e-8).
std::vector<std::vector<Extended>> Partials(const GaussLegendre& method, const FitData& data, const Parameters& p,
                                            const std::vector<Extended>& r0)
{
    std::vector<std::vector<Extended>> columns(ParameterCount);
    for (int k = 0; k < ParameterCount; ++k) {
        const Extended delta = k % 6 < 3 ? 1e-6L : 1e-9L;
        Parameters q = p;
        q[k] += delta;
        columns[k] = Residuals(data, PositionsAt(method, StartState(q), data.Days));
        for (std::size_t i = 0; i < r0.size(); ++i) columns[k][i] = (columns[k][i] - r0[i]) / delta;
    }
    return columns;
}

// The Gauss-Newton step: the least-squares solution of J x = -r0 by its normal equations.
Parameters GaussNewtonStep(const std::vector<std::vector<Extended>>& columns, const std::vector<Extended>& r0)
{
    std::array<Parameters, ParameterCount> n{};
    Parameters g{};
    for (int i = 0; i < ParameterCount; ++i) {
        for (int j = 0; j <= i; ++j) {
            Extended sum = 0;
            for (std::size_t row = 0; row < r0.size(); ++row) sum += columns[i][row] * columns[j][row];
            n[i][j] = n[j][i] = sum;
        }
        Extended sum = 0;
        for (std::size_t row = 0; row < r0.size(); ++row) sum -= columns[i][row] * r0[row];
        g[i] = sum;
    }
    return SolveNormalEquations(n, g);
}

// Gauss-Newton from the first guess, until the weighted residuals stop changing (1e-9).
Parameters Fit(const GaussLegendre& method, const FitData& data, Parameters p, const std::string& name)
{
    std::cout << name << ": " << data.Observations.size() << " positions\n";
    Extended previous = 0;
    std::vector<Extended> r0;
    for (int iteration = 0; iteration < 10; ++iteration) {
        r0 = Residuals(data, PositionsAt(method, StartState(p), data.Days));
        const Extended rms = RootMeanSquare(r0);
        std::cout << "  iteration " << iteration << ": weighted rms " << static_cast<double>(rms) << "\n";
        if (iteration > 1 && std::fabs(previous - rms) < 1e-9L * rms) break;
        previous = rms;
        const Parameters step = GaussNewtonStep(Partials(method, data, p, r0), r0);
        for (int k = 0; k < ParameterCount; ++k) p[k] += step[k];
    }
    PrintResiduals(data, r0);
    return p;
}

Extended AngleArcsec(const Vec3& a, const Vec3& b) { return std::atan2(Norm(Cross(a, b)), Dot(a, b)) * ArcsecPerRadian; }

// Clenshaw's recurrence for the Chebyshev series at x in [-1, 1].
Extended Chebyshev(const std::array<Extended, CoefficientCount>& a, Extended x)
{
    Extended b1 = 0, b2 = 0;
    for (int j = CoefficientCount - 1; j >= 1; --j) {
        const Extended b0 = 2 * x * b1 - b2 + a[j];
        b2 = b1;
        b1 = b0;
    }
    return a[0] + x * b1 - b2;
}

// The segment as the program holds it: coefficients rounded to 64 bits.
Vec3 TableAt(const Segment& seg, Extended day)
{
    const Extended x = 2 * (day - (FirstDay + seg.Index * SegmentDays)) / SegmentDays - 1;
    Vec3 v;
    Extended* axes[3] = {&v.x, &v.y, &v.z};
    for (int axis = 0; axis < 3; ++axis) {
        std::array<Extended, CoefficientCount> a;
        for (int j = 0; j < CoefficientCount; ++j) a[j] = static_cast<double>(seg.Coefficients[axis][j]);
        *axes[axis] = Chebyshev(a, x);
    }
    return v;
}

const Segment& SegmentAt(const std::vector<Segment>& table, Extended day)
{
    const int k = static_cast<int>(std::floor((day - FirstDay) / SegmentDays));
    return table[std::clamp(k, 0, SegmentCount - 1)];
}

// The shortest text that reads back as the same value.
template <typename Number>
std::string Text(Number value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// A whole or half number of days with one decimal.
std::string DayText(Extended day)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(day), std::chars_format::fixed, 1);
    return std::string(buffer, result.ptr);
}

void WriteStartState(const std::string& path, const State& s)
{
    std::ofstream out(path, std::ios::binary);
    out << "# generated by tools/generate_pluto_table.cpp from data/de441/ - do not edit.\n"
        << "# Barycentric ICRF state at JD 2451545.0 TDB of the model of tools/pluto_integration.h, fitted to\n"
        << "# DE441 over 1900-2100: au and au/day.\n"
        << "body,x,y,z,vx,vy,vz\n";
    for (int body = 0; body < BodyCount; ++body) {
        const Vec3 &r = s.Position[body], &v = s.Velocity[body];
        out << BodyNames[body];
        for (const Extended value : {r.x, r.y, r.z, v.x, v.y, v.z}) out << ',' << Text(value);
        out << '\n';
    }
    if (!out) Fail("cannot write " + path);
}

void WriteTable(const std::string& path, const std::vector<Segment>& table)
{
    std::ofstream out(path, std::ios::binary);
    out << "// generated by tools/generate_pluto_table.cpp from data/de441/ - do not edit.\n"
        << "//\n"
        << "// Pluto's heliocentric position (the Pluto system barycentre from the Sun), ICRF, au: " << SegmentCount << "\n"
        << "// segments of " << Text(static_cast<double>(SegmentDays)) << " days from JD " << DayText(J2000 + FirstDay)
        << " (TT), each holding the coefficients of the\n"
        << "// Chebyshev polynomials T0..T" << CoefficientCount - 1
        << " of x = 2 (JD - start) / " << Text(static_cast<double>(SegmentDays)) << " - 1 for X, Y and Z. From a numerical\n"
        << "// integration of the Sun and the giant planets with the Pluto system, whose start state\n"
        << "// (data/pluto_start_state.csv) is fitted to DE441 over 1900-2100.\n"
        << "#include <iterator>\n\n"
        << "#include \"ephemeris/pluto_theory.h\"\n\n"
        << "namespace vireon {\n"
        << "namespace {\n\n"
        << "static_assert(PlutoTableFirstJD == " << DayText(J2000 + FirstDay) << "L && PlutoSegmentDays == "
        << Text(static_cast<double>(SegmentDays)) << " && PlutoCoefficientCount == " << CoefficientCount << ");\n\n"
        << "constexpr PlutoSegment Segments[] = {\n";
    for (const Segment& seg : table) {
        out << "    // " << seg.Index << ": from JD " << DayText(J2000 + FirstDay + seg.Index * SegmentDays)
            << "\n    {";
        for (int axis = 0; axis < 3; ++axis) {
            out << (axis ? ",\n     {" : "{");
            for (int j = 0; j < CoefficientCount; ++j)
                out << (j ? ", " : "") << Text(static_cast<double>(seg.Coefficients[axis][j]));
            out << "}";
        }
        out << "},\n";
    }
    out << "};\n\n"
        << "static_assert(std::size(Segments) == PlutoSegmentCount);\n\n"
        << "}  // namespace\n\n"
        << "constinit const std::span<const PlutoSegment> PlutoSegments = Segments;\n\n"
        << "}  // namespace vireon\n";
    if (!out) Fail("cannot write " + path);
}

// The whole table from a start state at J2000.0, ordered by segment.
std::vector<Segment> TableFrom(const GaussLegendre& method, const State& start, Extended maxStep = MaxStepDays)
{
    const int atJ2000 = static_cast<int>(-FirstDay / SegmentDays);
    State s = start;
    std::vector<Segment> backward = IntegrateSegments(method, s, -1, atJ2000, maxStep);
    s = start;
    std::vector<Segment> table = IntegrateSegments(method, s, +1, SegmentCount - atJ2000, maxStep);
    table.insert(table.begin(), backward.rbegin(), backward.rend());
    return table;
}

// Largest angle between the table and the integration halfway between nodes, and at the joins
// (each side of a join against the integration's node value there).
void PrintTableAgainstIntegration(const std::vector<Segment>& table)
{
    Extended between = 0, joins = 0;
    for (const Segment& seg : table)
        for (int m = 0; m + 1 < NodeCount; ++m)
            between = std::max(between, AngleArcsec(TableAt(seg, seg.CheckDays[m]), seg.CheckPositions[m]));
    for (int k = 1; k < SegmentCount; ++k) {
        const Extended day = FirstDay + k * SegmentDays;
        joins = std::max(joins, AngleArcsec(TableAt(table[k - 1], day), TableAt(table[k], day)));
    }
    std::cout << "table against the integration, halfway between nodes: max " << static_cast<double>(between)
              << "\"; the two sides of each join: max " << static_cast<double>(joins) << "\"\n";
}

// Pluto's heliocentric direction against DE441's heliocentric file, from the integration and
// from the table.
void PrintAgainstDe441(const GaussLegendre& method, const State& start, const std::vector<Segment>& table,
                       const std::vector<Record>& helio)
{
    std::vector<Extended> days;
    for (const Record& r : helio) days.push_back(r.Day);
    const std::vector<Bodies> at = PositionsAt(method, start, days);
    Extended integration = 0, fromTable = 0, radius = 0;
    for (std::size_t i = 0; i < helio.size(); ++i) {
        const Vec3 model = at[i][PlutoBody] - at[i][SunBody];
        integration = std::max(integration, AngleArcsec(model, helio[i].Position));
        fromTable = std::max(fromTable, AngleArcsec(TableAt(SegmentAt(table, days[i]), days[i]), helio[i].Position));
        radius = std::max(radius, std::fabs(Norm(model) - Norm(helio[i].Position)));
    }
    std::cout << "Pluto's heliocentric direction against DE441, " << helio.size() << " states 1900-2099: integration max "
              << static_cast<double>(integration) << "\", table max " << static_cast<double>(fromTable)
              << "\"; distance max " << static_cast<double>(radius * 149597870.7L) << " km\n";
}

// Pluto's heliocentric position at the given sorted days from a start state at J2000.0.
std::vector<Vec3> PlutoAt(const GaussLegendre& method, const State& start, const std::vector<Extended>& days,
                          Extended maxStep = MaxStepDays)
{
    std::vector<Vec3> pluto;
    for (const Bodies& b : PositionsAt(method, start, days, maxStep)) pluto.push_back(b[PlutoBody] - b[SunBody]);
    return pluto;
}

// Every 50 days over 1600-2500, then 0001-01-01 and 9999-12-31 (the first and last days of the
// program's range), as days from J2000.0.
struct Samples {
    std::vector<Extended> Days;
    std::size_t Year1 = 0, Year9999 = 0;
};

Samples ComparisonDays()
{
    Samples s;
    const Extended year1 = 1721423.5L - J2000, year9999 = 5373484.5L - J2000;
    for (Extended day = 2305447.5L - J2000; day <= 2634166.5L - J2000; day += 50) s.Days.push_back(day);
    s.Days.push_back(year1);
    s.Days.push_back(year9999);
    std::sort(s.Days.begin(), s.Days.end());
    s.Year1 = IndexOf(s.Days, year1);
    s.Year9999 = IndexOf(s.Days, year9999);
    return s;
}

void PrintDisagreement(const std::string& what, const Samples& s, const std::vector<Vec3>& a, const std::vector<Vec3>& b)
{
    Extended span = 0;
    for (std::size_t i = 0; i < s.Days.size(); ++i)
        if (i != s.Year1 && i != s.Year9999) span = std::max(span, AngleArcsec(a[i], b[i]));
    std::cout << what << ": max " << static_cast<double>(span) << "\" over 1600-2500, "
              << static_cast<double>(AngleArcsec(a[s.Year1], b[s.Year1])) << "\" at year 1, "
              << static_cast<double>(AngleArcsec(a[s.Year9999], b[s.Year9999])) << "\" at year 9999\n";
}

// First guess: DE441's states of 1999-12-07 (a day all the 20- and 50-day files share; Pluto's
// from its heliocentric state and the Sun's), carried to J2000.0 by the model.
Parameters FirstGuess(const GaussLegendre& method, const std::vector<std::vector<Record>>& byBody,
                      const std::vector<Record>& helio)
{
    constexpr Extended guessDay = 2451520.5L - J2000;
    State guess;
    guess.Day = guessDay;
    for (int body = 0; body < BodyCount; ++body) {
        const std::vector<Record>& records = body == PlutoBody ? helio : byBody[body];
        const auto found = std::find_if(records.begin(), records.end(), [&](const Record& r) { return r.Day == guessDay; });
        if (found == records.end()) Fail(std::string("no state of ") + BodyNames[body] + " on 1999-12-07");
        guess.Position[body] = found->Position;
        guess.Velocity[body] = found->Velocity;
    }
    guess.Position[PlutoBody] = guess.Position[PlutoBody] + guess.Position[SunBody];
    guess.Velocity[PlutoBody] = guess.Velocity[PlutoBody] + guess.Velocity[SunBody];
    Propagate(method, guess, 0);
    return ParametersOf(guess);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) Fail("usage: generate_pluto_table <data directory> <ephemeris directory> [--step-check]");
    const std::string dataDir = argv[1], outputDir = argv[2];
    const bool stepCheck = argc > 3 && std::string(argv[3]) == "--step-check";
    std::cout << std::unitbuf;
    const GaussLegendre method;

    std::vector<std::vector<Record>> byBody;
    for (const char* file : {"sun_barycentric.txt", "jupiter_barycentric.txt", "saturn_barycentric.txt",
                             "uranus_barycentric.txt", "neptune_barycentric.txt", "pluto_barycentric.txt"})
        byBody.push_back(ReadHorizons(dataDir + "/de441/" + file));
    const std::vector<Record> helio = ReadHorizons(dataDir + "/de441/pluto_heliocentric.txt");

    const Parameters firstGuess = FirstGuess(method, byBody, helio);
    const Extended first = byBody[0].front().Day, last = byBody[0].back().Day;
    const State fitted = StartState(Fit(method, Observations(byBody, first, last), firstGuess, "fit 1900-2100"));
    WriteStartState(dataDir + "/pluto_start_state.csv", fitted);
    const std::vector<Segment> table = TableFrom(method, fitted);
    WriteTable(outputDir + "/pluto_chebyshev.cpp", table);
    std::cout << "wrote " << table.size() << " segments\n";

    PrintAgainstDe441(method, fitted, table, helio);
    PrintTableAgainstIntegration(table);

    const State early = StartState(Fit(method, Observations(byBody, first, 0), firstGuess, "fit 1900-2000"));
    const State late = StartState(Fit(method, Observations(byBody, 0, last), firstGuess, "fit 2000-2100"));
    const Samples samples = ComparisonDays();
    const std::vector<Vec3> full = PlutoAt(method, fitted, samples.Days);
    PrintDisagreement("fits on 1900-2000 and on 2000-2100", samples, PlutoAt(method, early, samples.Days),
                      PlutoAt(method, late, samples.Days));
    PrintDisagreement("unfitted start state against the fit", samples, PlutoAt(method, StartState(firstGuess), samples.Days),
                      full);
    if (stepCheck)
        PrintDisagreement("longest step " + Text(static_cast<double>(MaxStepDays / 2)) + " days against " +
                              Text(static_cast<double>(MaxStepDays)),
                          samples, PlutoAt(method, fitted, samples.Days, MaxStepDays / 2), full);
    return 0;
}
