// Randomized inputs for the readers of the dialogs' texts (date, time, increment, zoom, field):
// well-formed values, the same mutated byte by byte, huge numbers, signs, blanks, non-ASCII
// characters, control bytes and empty texts (fixed seed). Each reader must either refuse the
// text or give a value within its limits, and each verdict is compared with an independent
// reading of the documented grammar: the texts are split on their separators, and the
// decimal numbers are compared with their limits digit by digit, exactly.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/input_parsing.h"

namespace vireon {
namespace {

constexpr int TextsPerReader = 16000;  // five readers: 80000 texts, each given to all five

// The text as C++ would write it, so that a failure shows blanks and bytes unambiguously.
std::string Escaped(const std::string& text)
{
    static const char* hex = "0123456789ABCDEF";
    std::string out = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\\' || c == '"') out += std::string("\\") + ch;
        else if (c == '\t') out += "\\t";
        else if (c < 0x20 || c >= 0x7F) out += std::string("\\x") + hex[c >> 4] + hex[c & 15];
        else out += ch;
    }
    if (out.size() > 120) out = out.substr(0, 100) + "...(" + std::to_string(text.size()) + " bytes)";
    return out + "\"";
}

// ---------------------------------------------------------------------------------------------
// The reference reading of the grammar.

std::string TrimBlanks(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool AllAsciiDigits(const std::string& s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<std::string> SplitOn(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const auto at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) return parts;
        start = at + 1;
    }
}

// Fields of 1..maxDigits ASCII digits each.
std::optional<std::vector<int>> DigitFields(const std::string& text, char separator, const std::vector<int>& maxDigits)
{
    const std::vector<std::string> parts = SplitOn(TrimBlanks(text), separator);
    if (parts.size() > maxDigits.size()) return std::nullopt;
    std::vector<int> values;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].empty() || static_cast<int>(parts[i].size()) > maxDigits[i] || !AllAsciiDigits(parts[i]))
            return std::nullopt;
        values.push_back(std::stoi(parts[i]));
    }
    return values;
}

// Days in a month of the program's calendar: Julian leap years up to 1582, Gregorian after.
int ReferenceDaysInMonth(int month, int year)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year <= 1582 ? year % 4 == 0 : (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

std::optional<DialogDate> ReferenceDate(const std::string& text)
{
    const auto f = DigitFields(text, '/', {2, 2, 4});
    if (!f || f->size() != 3) return std::nullopt;
    const int d = (*f)[0], m = (*f)[1], y = (*f)[2];
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > ReferenceDaysInMonth(m, y)) return std::nullopt;
    return DialogDate{d, m, y};
}

std::optional<DialogTime> ReferenceTime(const std::string& text)
{
    const auto f = DigitFields(text, ':', {2, 2, 2});
    if (!f || f->size() < 2) return std::nullopt;
    const DialogTime t{(*f)[0], (*f)[1], f->size() == 3 ? (*f)[2] : 0};
    if (t.Hour > 23 || t.Minute > 59 || t.Second > 59) return std::nullopt;
    return t;
}

// A decimal number held exactly as its digits.
struct ExactDecimal {
    bool Negative = false;
    std::string Integer;   // leading zeros removed
    std::string Fraction;  // trailing zeros removed
    std::string Text;      // the trimmed text, for strtold
    bool IsZero() const { return Integer.empty() && Fraction.empty(); }
    // Zeros between the point and the first significant digit of a value below 1.
    std::size_t LeadingFractionZeros() const { return Fraction.find_first_not_of('0'); }
};

std::optional<ExactDecimal> ReferenceDecimal(const std::string& text)
{
    ExactDecimal x;
    x.Text = TrimBlanks(text);
    std::string body = x.Text;
    if (!body.empty() && (body[0] == '+' || body[0] == '-')) {
        x.Negative = body[0] == '-';
        body.erase(0, 1);
    }
    const std::vector<std::string> parts = SplitOn(body, '.');
    if (parts.size() > 2 || !AllAsciiDigits(parts[0]) || (parts.size() == 2 && !AllAsciiDigits(parts[1])))
        return std::nullopt;
    if (parts[0].empty() && (parts.size() == 1 || parts[1].empty())) return std::nullopt;  // no digit at all
    x.Integer = parts[0].substr(std::min(parts[0].size(), parts[0].find_first_not_of('0')));
    if (parts.size() == 2) x.Fraction = parts[1].substr(0, parts[1].find_last_not_of('0') + 1);
    if (x.Fraction.find_first_not_of('0') == std::string::npos) x.Fraction.clear();
    return x;
}

// Compares |x| with a whole limit, exactly: -1 below, 0 equal, +1 above. `near` is set when
// |x| is above the limit by less than a relative 1e-15, where the reader's extended value may
// round onto the limit itself.
int CompareMagnitude(const ExactDecimal& x, long limit, bool& near)
{
    const std::string l = std::to_string(limit);
    near = false;
    if (x.Integer.size() != l.size()) return x.Integer.size() < l.size() ? -1 : 1;
    if (x.Integer != l) return x.Integer < l ? -1 : 1;
    if (x.Fraction.empty()) return 0;
    near = x.LeadingFractionZeros() >= 14;
    return 1;
}

enum class Verdict { Accept, Reject, Either };

// Below 1e-300 a number is as good as 0 for a step or a field, and beyond 1e-4950 it is not
// even an extended value: refusing it is as sound as taking it.
bool Negligible(const ExactDecimal& x) { return x.Integer.empty() && !x.IsZero() && x.LeadingFractionZeros() >= 300; }

Verdict ReferenceIncrement(const std::optional<ExactDecimal>& x)
{
    if (!x) return Verdict::Reject;
    if (Negligible(*x)) return Verdict::Either;
    bool near = false;
    const int c = CompareMagnitude(*x, 100000, near);
    if (c <= 0) return Verdict::Accept;
    return near ? Verdict::Either : Verdict::Reject;
}

Verdict ReferenceField(const std::optional<ExactDecimal>& x)
{
    if (!x || x->IsZero() || x->Negative) return Verdict::Reject;
    if (Negligible(*x)) return Verdict::Either;
    bool near = false;
    const int c = CompareMagnitude(*x, 6000, near);
    if (c <= 0) return Verdict::Accept;
    return near ? Verdict::Either : Verdict::Reject;
}

std::optional<int> ReferenceZoom(const std::string& text)
{
    std::string body = TrimBlanks(text);
    bool negative = false;
    if (!body.empty() && (body[0] == '+' || body[0] == '-')) {
        negative = body[0] == '-';
        body.erase(0, 1);
    }
    if (body.empty() || !AllAsciiDigits(body)) return std::nullopt;
    if (negative) return MinZoom;
    const std::string digits = body.substr(std::min(body.size(), body.find_first_not_of('0')));
    if (digits.empty()) return MinZoom;
    if (digits.size() > 4) return MaxZoom;
    return std::clamp(std::stoi(digits), MinZoom, MaxZoom);
}

// ---------------------------------------------------------------------------------------------
// The texts.

// Pieces the mutations insert: separators, signs, blanks, letters a number reader might take
// (exponents, "inf", hexadecimal), a comma, non-ASCII digits and blanks, control bytes and an
// invalid UTF-8 byte.
const std::vector<std::string> Atoms = {
    "0", "1", "2", "5", "9", "/", ":", ".", "+", "-", " ", "\t", "e", "E", ",", "x", "inf", "nan", "0x", "1e5",
    "\xC3\xA9",          // é
    "\xD9\xA1",          // Arabic-Indic digit one
    "\xEF\xBC\x91",      // fullwidth digit one
    "\xC2\xA0",          // no-break space
    "\xF0\x9D\x9F\x99",  // mathematical double-struck digit one
    std::string(1, '\0'), "\n", "\r", "\xFF", "\x80", "//", "::", "..", "--",
};

class TextMaker {
public:
    explicit TextMaker(unsigned seed) : rng_(seed) {}

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Chance(int percent) { return Int(1, 100) <= percent; }
    const std::string& Atom() { return Atoms[Int(0, static_cast<int>(Atoms.size()) - 1)]; }

    std::string Digits(int count)
    {
        std::string s;
        for (int i = 0; i < count; ++i) s += static_cast<char>('0' + Int(0, 9));
        return s;
    }
    std::string Padded(int v, int width) { std::string s = std::to_string(v); return std::string(std::max(0, width - int(s.size())), '0') + s; }

    std::string ValidDate()
    {
        const int y = Chance(20) ? std::array{1, 1500, 1582, 1600, 1700, 1900, 2000, 9999}[Int(0, 7)] : Int(1, 9999);
        const int m = Chance(20) ? std::array{2, 10}[Int(0, 1)] : Int(1, 12);
        const int d = Int(1, ReferenceDaysInMonth(m, y));
        return (Chance(50) ? Padded(d, 2) : std::to_string(d)) + "/" + (Chance(50) ? Padded(m, 2) : std::to_string(m)) +
               "/" + (Chance(30) ? Padded(y, 4) : std::to_string(y));
    }
    std::string AnyDateShape()
    {
        return std::to_string(Int(0, 40)) + "/" + std::to_string(Int(0, 14)) + "/" + std::to_string(Int(0, 10001));
    }
    std::string ValidTime()
    {
        std::string t = (Chance(50) ? Padded(Int(0, 23), 2) : std::to_string(Int(0, 23))) + ":" + Padded(Int(0, 59), 2);
        if (Chance(70)) t += ":" + Padded(Int(0, 59), 2);
        return t;
    }
    std::string AnyTimeShape() { return std::to_string(Int(0, 99)) + ":" + std::to_string(Int(0, 99)) + ":" + std::to_string(Int(0, 99)); }
    std::string Decimal(int maxIntegerDigits)
    {
        std::string s = Chance(20) ? std::string(Chance(50) ? "-" : "+") : "";
        s += Digits(Int(Chance(10) ? 0 : 1, maxIntegerDigits));
        if (Chance(50)) s += "." + Digits(Int(0, 12));
        if (s.find_first_of("0123456789") == std::string::npos) s += "5";
        return s;
    }
    std::string Integer() { return (Chance(20) ? std::string(Chance(50) ? "-" : "+") : "") + Digits(Int(1, Chance(20) ? 12 : 4)); }
    // Numbers far beyond every limit, or far below one, written out in full.
    std::string Huge()
    {
        switch (Int(0, 4)) {
        case 0: return Digits(Int(10, 2000));
        case 1: return "-" + Digits(Int(10, 400));
        case 2: return "1" + std::string(Int(5, 5000), '0');
        case 3: return "0." + std::string(Int(10, 5000), '0') + "1";
        default: return Digits(Int(1, 30)) + "." + Digits(Int(50, 600));
        }
    }
    std::string AtomSoup()
    {
        std::string s;
        for (int i = Int(0, 8); i > 0; --i) s += Atom();
        return s;
    }
    std::string RandomBytes()
    {
        std::string s;
        for (int i = Int(0, 40); i > 0; --i) s += static_cast<char>(Int(0, 255));
        return s;
    }

    std::string Mutated(std::string s)
    {
        for (int i = Int(1, 3); i > 0; --i) {
            const int at = s.empty() ? 0 : Int(0, static_cast<int>(s.size()));
            switch (Int(0, 6)) {
            case 0: s.insert(at, Atom()); break;
            case 1: if (at < int(s.size())) s.erase(at, 1); break;
            case 2: if (at < int(s.size())) s.replace(at, 1, Atom()); break;
            case 3: s = s.substr(0, at); break;
            case 4: s = std::string(Int(1, 3), Chance(50) ? ' ' : '\t') + s + std::string(Int(0, 3), ' '); break;
            case 5: if (at < int(s.size())) s[at] = static_cast<char>('0' + Int(0, 9)); break;
            default: s.insert(at, s.substr(at, Int(1, 4))); break;
            }
        }
        return s;
    }

private:
    std::mt19937 rng_;
};

const std::vector<std::string> EdgeTexts = {
    "", " ", "\t", "  \t ", "+", "-", ".", "+.", "-.", "0", "-0", "+0", "0.0", "-0.0", ".5", "5.", "00005",
    "100000", "-100000", "100000.0", "100000.0000001", "100001", "99999.999999", "6000", "6000.0", "6000.00001",
    "5999.99999", "0.0001", "4000", "4001", "3999", "1", "2147483647", "2147483648", "-2147483648",
    "-2147483649", "9223372036854775808", "18446744073709551616", "1e5", "1E5", "0x10", "inf", "nan", "1,5",
    "1 000", "29/02/1500", "29/02/1700", "29/02/1600", "29/02/1582", "5/10/1582", "14/10/1582", "15/10/1582",
    "31/12/9999", "1/1/1", "01/01/0001", "1/1/0", "1/1/10000", "0/1/2000", "32/1/2000", "31/11/2000",
    "24:00", "23:59", "23:59:59", "23:60", "00:00:60", "0:0", "0:0:0", "12:30:", ":30", "12::30", "1:2:3:4",
};

// ---------------------------------------------------------------------------------------------
// The checks.

struct Tally {
    long texts = 0;
    long accepted[5] = {};
};

void CheckDate(const std::string& text, Tally& tally)
{
    const auto got = ParseDialogDate(text);
    const auto want = ReferenceDate(text);
    if (got) {
        ++tally.accepted[0];
        ASSERT_TRUE(got->Year >= 1 && got->Year <= 9999 && got->Month >= 1 && got->Month <= 12 && got->Day >= 1 &&
                    got->Day <= ReferenceDaysInMonth(got->Month, got->Year))
            << "date " << Escaped(text) << " gave " << got->Day << "/" << got->Month << "/" << got->Year;
    }
    ASSERT_EQ(got.has_value(), want.has_value()) << "date " << Escaped(text);
    if (got) {
        EXPECT_TRUE(got->Day == want->Day && got->Month == want->Month && got->Year == want->Year)
            << "date " << Escaped(text) << " want " << want->Day << "/" << want->Month << "/" << want->Year << " got "
            << got->Day << "/" << got->Month << "/" << got->Year;
    }
}

void CheckTime(const std::string& text, Tally& tally)
{
    const auto got = ParseDialogTime(text);
    const auto want = ReferenceTime(text);
    if (got) {
        ++tally.accepted[1];
        ASSERT_TRUE(got->Hour >= 0 && got->Hour <= 23 && got->Minute >= 0 && got->Minute <= 59 && got->Second >= 0 &&
                    got->Second <= 59)
            << "time " << Escaped(text) << " gave " << got->Hour << ":" << got->Minute << ":" << got->Second;
    }
    ASSERT_EQ(got.has_value(), want.has_value()) << "time " << Escaped(text);
    if (got) {
        EXPECT_TRUE(got->Hour == want->Hour && got->Minute == want->Minute && got->Second == want->Second)
            << "time " << Escaped(text) << " want " << want->Hour << ":" << want->Minute << ":" << want->Second
            << " got " << got->Hour << ":" << got->Minute << ":" << got->Second;
    }
}

void ExpectVerdict(const char* reader, const std::string& text, bool accepted, Verdict want)
{
    if (want == Verdict::Either) return;
    ASSERT_EQ(accepted, want == Verdict::Accept) << reader << " " << Escaped(text);
}

void CheckIncrement(const std::string& text, Tally& tally)
{
    const auto got = ParseIncrementNumber(text);
    const auto exact = ReferenceDecimal(text);
    if (got) {
        ++tally.accepted[2];
        ASSERT_TRUE(std::isfinite(*got) && std::abs(*got) <= MaxIncrementNumber)
            << "increment " << Escaped(text) << " gave " << *got;
    }
    const Verdict want = ReferenceIncrement(exact);
    ExpectVerdict("increment", text, got.has_value(), want);
    if (got && want == Verdict::Accept) {
        // The nearest extended value of the decimal text (C locale: "." is the separator).
        const Extended value = std::strtold(exact->Text.c_str(), nullptr);
        EXPECT_LE(std::abs(*got - value), std::abs(value) * 2e-19L)
            << "increment " << Escaped(text) << " want " << value << " got " << *got;
    }
}

void CheckZoom(const std::string& text, Tally& tally)
{
    const auto got = ParseZoomValue(text);
    const auto want = ReferenceZoom(text);
    if (got) {
        ++tally.accepted[3];
        ASSERT_TRUE(*got >= MinZoom && *got <= MaxZoom) << "zoom " << Escaped(text) << " gave " << *got;
    }
    ASSERT_EQ(got.has_value(), want.has_value()) << "zoom " << Escaped(text);
    if (got) {
        EXPECT_EQ(*got, *want) << "zoom " << Escaped(text);
    }
}

void CheckField(const std::string& text, Tally& tally)
{
    const auto got = ParseFieldMinutes(text);
    const auto exact = ReferenceDecimal(text);
    if (got) {
        ++tally.accepted[4];
        ASSERT_TRUE(std::isfinite(*got) && *got > 0 && *got <= MaxFieldMinutes)
            << "field " << Escaped(text) << " gave " << *got << " arcmin";
    }
    const Verdict want = ReferenceField(exact);
    ExpectVerdict("field", text, got.has_value(), want);
    if (got && want == Verdict::Accept) {
        const double value = std::strtod(exact->Text.c_str(), nullptr);
        EXPECT_LE(std::abs(*got - value), value * 1e-15) << "field " << Escaped(text) << " want " << value;
    }
}

void CheckAllReaders(const std::string& text, Tally& tally)
{
    ++tally.texts;
    CheckDate(text, tally);
    CheckTime(text, tally);
    CheckIncrement(text, tally);
    CheckZoom(text, tally);
    CheckField(text, tally);
}

// Each reader gets its own share of texts built around its grammar; every text goes to all
// five readers.
TEST(DialogReadersFuzz, RefuseOrGiveAValueWithinLimitsAsTheGrammarSays)
{
    TextMaker make(20240611);
    Tally tally;
    for (const std::string& edge : EdgeTexts) {
        CheckAllReaders(edge, tally);
        if (HasFailure()) return;
    }
    for (int reader = 0; reader < 5; ++reader) {
        for (int i = 0; i < TextsPerReader; ++i) {
            std::string text;
            const int kind = make.Int(1, 100);
            if (kind <= 40) {
                switch (reader) {
                case 0: text = make.Chance(80) ? make.ValidDate() : make.AnyDateShape(); break;
                case 1: text = make.Chance(80) ? make.ValidTime() : make.AnyTimeShape(); break;
                case 2: text = make.Decimal(7); break;
                case 3: text = make.Integer(); break;
                default: text = make.Decimal(5); break;
                }
                if (make.Chance(50)) text = make.Mutated(text);
            } else if (kind <= 60) {
                text = make.Mutated(EdgeTexts[make.Int(0, static_cast<int>(EdgeTexts.size()) - 1)]);
            } else if (kind <= 75) {
                text = make.Huge();
                if (make.Chance(30)) text = make.Mutated(text);
            } else if (kind <= 90) {
                text = make.AtomSoup();
            } else {
                text = make.RandomBytes();
            }
            CheckAllReaders(text, tally);
            if (HasFailure()) return;
        }
    }
    EXPECT_EQ(tally.texts, static_cast<long>(EdgeTexts.size()) + 5L * TextsPerReader);
    // The generator must reach both verdicts for every reader, or the test proves little.
    for (int reader = 0; reader < 5; ++reader) {
        EXPECT_GT(tally.accepted[reader], tally.texts / 50) << "reader " << reader << " accepted too few texts";
        EXPECT_LT(tally.accepted[reader], tally.texts / 2) << "reader " << reader << " accepted too many texts";
    }
}

// A decimal so small that it is zero as a 64-bit float is no field diameter: the reader must
// refuse it rather than give 0, which lies outside (0, 6000].
TEST(DialogReadersFuzz, FieldBelowTheSmallestDoubleIsRefusedNotZero)
{
    for (const int zeros : {330, 399, 1000, 4900}) {
        const std::string text = "0." + std::string(zeros, '0') + "1";
        const auto got = ParseFieldMinutes(text);
        if (got) {
            EXPECT_GT(*got, 0.0) << "1e-" << zeros + 1 << " arcmin gave a field of " << *got;
        }
    }
}

}  // namespace
}  // namespace vireon
