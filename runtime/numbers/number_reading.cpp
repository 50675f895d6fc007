// SPDX-License-Identifier: MIT
#include "number_reading.h"

#include "characters.h"
#include "error.h"
#include "powers_of_ten.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace tenvex {

namespace {

constexpr char16_t MinusSign = u'\u2212';

// Decimal exponents beyond these bounds leave no doubt: 0.d x 10^310 overflows, 0.d x 10^-330
// is below half the smallest subnormal. Between them the library's correctly rounded conversion
// decides. The saturation bound keeps the exponent arithmetic far from integer overflow.
constexpr std::int64_t OverflowScale = 310;
constexpr std::int64_t ZeroScale = -330;
constexpr std::int64_t ExponentSaturation = 1'000'000'000'000;
// Up to this many digits, an integer converts to a double exactly.
constexpr std::size_t MaxExactDigits = 15;

constexpr bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Blanks that separate digit groups: the no-break, figure, thin and narrow no-break spaces among
// them.
constexpr std::u16string_view GroupSpaces = u" \t\r\n\u00A0\u2007\u2008\u2009\u202F";

constexpr bool IsSeparatorMark(char16_t c)
{
    return c == u',' || c == u'.' || c == u'\'' || c == u'_';
}

constexpr bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

constexpr unsigned DigitValue(char16_t c)
{
    return static_cast<unsigned>(c - u'0');
}

// A decimal number as 0.<significant digits> x 10^scale. The digits stay in the text; the first
// few are also kept as an integer for the common case.
struct DecimalNumber
{
    bool negative = false;
    std::uint64_t leadingDigits = 0; // the first MaxExactDigits significant digits
    std::size_t digitCount = 0;      // significant digits: from the first non-zero one on
    std::int64_t scale = 0;
    std::u16string_view mantissa; // the digits and point as written
};

class Scanner
{
public:
    explicit Scanner(std::u16string_view text)
        : m_text(text)
    {}

    [[nodiscard]] bool atDigit() const { return m_pos < m_text.size() && IsDigit(m_text[m_pos]); }
    [[nodiscard]] bool at(char16_t c) const { return m_pos < m_text.size() && m_text[m_pos] == c; }
    [[nodiscard]] char16_t current() const { return m_text[m_pos]; }
    [[nodiscard]] std::size_t position() const { return m_pos; }
    void advance() { ++m_pos; }
    void moveTo(std::size_t position) { m_pos = position; }

    void skipWhile(bool (*predicate)(char16_t))
    {
        while (m_pos < m_text.size() && predicate(m_text[m_pos]))
            ++m_pos;
    }

private:
    std::u16string_view m_text;
    std::size_t m_pos = 0;
};

// The mantissa: digits with at most one point. Returns false when it holds no digit.
bool ScanMantissa(Scanner &scanner, std::u16string_view text, DecimalNumber &number)
{
    const std::size_t begin = scanner.position();
    bool anyDigit = false;
    bool afterPoint = false;
    for (;; scanner.advance()) {
        if (scanner.atDigit()) {
            anyDigit = true;
            const char16_t c = scanner.current();
            if (number.digitCount == 0 && c == u'0') {
                if (afterPoint)
                    --number.scale;
                continue;
            }
            if (number.digitCount++ < MaxExactDigits)
                number.leadingDigits = number.leadingDigits * 10 + DigitValue(c);
            if (!afterPoint)
                ++number.scale;
        } else if (scanner.at(u'.') && !afterPoint) {
            afterPoint = true;
        } else {
            number.mantissa = text.substr(begin, scanner.position() - begin);
            return anyDigit;
        }
    }
}

// The exponent, taken only when its marker is followed by digits ("5e" reads 5).
void ScanExponent(Scanner &scanner, DecimalNumber &number)
{
    if (!scanner.at(u'e') && !scanner.at(u'E'))
        return;
    const std::size_t marker = scanner.position();
    scanner.advance();
    bool negative = false;
    if (scanner.at(u'+') || scanner.at(u'-')) {
        negative = scanner.at(u'-');
        scanner.advance();
    }
    if (!scanner.atDigit()) {
        scanner.moveTo(marker);
        return;
    }
    std::int64_t exponent = 0;
    for (; scanner.atDigit(); scanner.advance()) {
        if (exponent < ExponentSaturation)
            exponent = exponent * 10 + DigitValue(scanner.current());
    }
    number.scale += negative ? -exponent : exponent;
}

// Whether a digit of any script begins at `position`.
bool DigitAt(std::u16string_view text, std::size_t position)
{
    return position < text.size() && IsDecimalDigit(CodePointAt(text, position).value);
}

// Whether `rest`, what follows the number, holds another digit: a decimal digit of any script, a
// vulgar fraction, or a superscript or subscript digit that is not a unit's power. A power
// follows a letter, through other powers' digits and signs ("2.5 m" U+00B2, "s" U+207B U+00B9),
// and that letter is not the exponent marker right after the number ("1e" U+00B3 is 1e3 written
// wrongly, not 1 of a unit "e").
bool DigitsFollow(std::u16string_view rest)
{
    bool unitPower = false; // the superscripts and subscripts now being read are a unit's power
    for (std::size_t position = 0; position < rest.size();) {
        const CodePoint c = CodePointAt(rest, position);
        if (IsDecimalDigit(c.value) || IsVulgarFraction(c.value))
            return true;
        if (IsScriptDigit(c.value)) {
            if (!unitPower)
                return true;
        } else if (!IsScriptSign(c.value)) {
            const bool exponentMarker = position == 0 && (c.value == U'e' || c.value == U'E');
            unitPower = IsUnitLetter(c.value) && !exponentMarker;
        }
        position += c.units;
    }
    return false;
}

constexpr bool IsHexadecimalDigit(char16_t c)
{
    return IsDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Whether the number is the "0" of a hexadecimal number, as in "0xFF" or "0x.8": the digits
// after the "x" are digits too, which a reading of the "0" alone would drop.
bool IsHexadecimalPrefix(std::u16string_view mantissa, std::u16string_view rest)
{
    if (mantissa != u"0" || rest.size() < 2 || (rest[0] != u'x' && rest[0] != u'X'))
        return false;
    return IsHexadecimalDigit(rest[1])
        || (rest[1] == u'.' && rest.size() > 2 && IsHexadecimalDigit(rest[2]));
}

// What follows the number may be a word or a unit ("2.5 kV", "4.7uF", "5 cm" U+00B3), but holds
// no other digit: where it does, the text is a longer number in another convention ("1,5",
// "1 000"), in digits of more than one script, a mistyped one ("1..5") or an expression ("1/2",
// "2^10", "10" U+00B2, "1e3e4", "0xFF"), and reading only its beginning would show a wrong
// result as if it were right.
void RejectTrailingDigits(const Scanner &scanner, std::u16string_view text,
                          const DecimalNumber &number)
{
    const std::size_t end = scanner.position();
    const std::u16string_view rest = text.substr(end);
    if (IsHexadecimalPrefix(number.mantissa, rest))
        throw Error(ErrorKind::TrailingDigits, text);
    if (!DigitsFollow(rest))
        return;
    if (text[end - 1] == u'.' && rest.starts_with(u'.'))
        throw Error(ErrorKind::DoubledPoint, text);
    const std::size_t afterBlanks = std::min(rest.find_first_not_of(GroupSpaces), rest.size());
    const bool separated = IsSeparatorMark(rest.front()) && DigitAt(text, end + 1);
    const bool grouped = afterBlanks > 0 && DigitAt(text, end + afterBlanks);
    throw Error(separated || grouped ? ErrorKind::AmbiguousNumber : ErrorKind::TrailingDigits,
                text);
}

DecimalNumber ScanNumber(std::u16string_view text)
{
    Scanner scanner(text);
    DecimalNumber number;
    scanner.skipWhile(IsBlank);
    if (scanner.at(u'+') || scanner.at(u'-') || scanner.at(MinusSign)) {
        number.negative = !scanner.at(u'+');
        scanner.advance();
    }
    if (!ScanMantissa(scanner, text, number))
        throw Error(ErrorKind::NotANumber, text);
    ScanExponent(scanner, number);
    RejectTrailingDigits(scanner, text, number);
    return number;
}

// The common case: at most 15 digits and a power of ten that doubles hold exactly. Both factors
// are then exact, so the one rounding of the product or quotient is the correct one.
bool ReadExactly(const DecimalNumber &number, double &magnitude)
{
    const std::int64_t powerOfTen = number.scale - static_cast<std::int64_t>(number.digitCount);
    const auto largestPower = static_cast<std::int64_t>(detail::ExactPowersOfTen.size()) - 1;
    if (number.digitCount > MaxExactDigits || powerOfTen > largestPower
        || powerOfTen < -largestPower)
        return false;
    const auto mantissa = static_cast<double>(number.leadingDigits);
    const double power = detail::ExactPowersOfTen[static_cast<std::size_t>(std::abs(powerOfTen))];
    magnitude = powerOfTen < 0 ? mantissa / power : mantissa * power;
    return true;
}

// Any other number: its significant digits and exponent, with the point removed, go to the C
// library's correctly rounded conversion, however many digits there are; it gives infinity for a
// number too large. (The text has no decimal point, so no locale can change its reading. The C
// library rather than std::from_chars: the 32-bit MinGW C++ library's from_chars is off by one
// in the last place for some 16-digit numbers.)
double ReadByLibrary(const DecimalNumber &number)
{
    // Which double is nearest is decided by comparing the number with the halfway points between
    // doubles, and none has more than 768 significant digits (the most, (2^54 - 1) x 2^-1075, has
    // exactly 768). The number cut after its first 768 digits, with a last digit 1 standing for
    // any non-zero ones dropped, lies on the same side of every halfway point as the number: a
    // halfway point above it is at least one unit of the 768th digit above the cut, and one
    // below is at most the cut. The library then reads a short text whatever the length of the
    // number written.
    constexpr std::size_t KeptDigits = 768;
    std::string canonical;
    canonical.reserve(KeptDigits + 24);
    bool droppedNonZero = false;
    for (const char16_t c : number.mantissa) {
        if (!IsDigit(c) || (c == u'0' && canonical.empty()))
            continue;
        if (canonical.size() < KeptDigits)
            canonical.push_back(static_cast<char>(c));
        else
            droppedNonZero = droppedNonZero || c != u'0';
    }
    if (droppedNonZero)
        canonical.push_back('1');
    const auto digits = static_cast<std::int64_t>(canonical.size());
    canonical += 'e';
    canonical += std::to_string(number.scale - digits);
    return std::strtod(canonical.c_str(), nullptr);
}

// Digits at `at`, as many as there are: their count, and their value added after `value`.
std::size_t TakeDigits(std::u16string_view text, std::size_t &at, std::uint64_t &value) noexcept
{
    const std::size_t first = at;
    for (; at < text.size() && IsDigit(text[at]); ++at)
        value = value * 10 + DigitValue(text[at]);
    return at - first;
}

// The commonest texts, read in one pass: an ASCII sign or none, then digits with at most one
// point, an exponent part of at most three digits or none, and nothing else, not even a blank.
// Where the digits as a whole number are one a double holds (at most 2^53) and the power of ten
// is one too, their product or quotient is rounded once, correctly: the double the full rules
// give. For any other text there is no answer here, and the full rules decide.
std::optional<double> ReadPlain(std::u16string_view text) noexcept
{
    constexpr std::size_t MostDigits = 19; // a whole number of 19 digits fits in 64 bits
    constexpr std::uint64_t LargestExact = std::uint64_t{1} << 53;
    constexpr std::size_t PlainExponentDigits = 3;
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+'))
        negative = text[at++] == u'-';
    std::uint64_t digits = 0;
    std::size_t count = TakeDigits(text, at, digits);
    std::size_t decimals = 0;
    if (at < text.size() && text[at] == u'.') {
        ++at;
        decimals = TakeDigits(text, at, digits);
        count += decimals;
    }
    if (count == 0 || count > MostDigits)
        return std::nullopt;
    std::int64_t exponent = 0;
    if (at < text.size()) {
        if (text[at] != u'e' && text[at] != u'E')
            return std::nullopt;
        ++at;
        const bool negativeExponent = at < text.size() && text[at] == u'-';
        if (at < text.size() && (text[at] == u'-' || text[at] == u'+'))
            ++at;
        std::uint64_t magnitude = 0;
        const std::size_t exponentDigits = TakeDigits(text, at, magnitude);
        if (exponentDigits == 0 || exponentDigits > PlainExponentDigits || at != text.size())
            return std::nullopt;
        exponent = negativeExponent ? -static_cast<std::int64_t>(magnitude)
                                    : static_cast<std::int64_t>(magnitude);
    }
    if (digits == 0)
        return negative ? -0.0 : 0.0;
    const std::int64_t powerOfTen = exponent - static_cast<std::int64_t>(decimals);
    const auto largestPower = static_cast<std::int64_t>(detail::ExactPowersOfTen.size()) - 1;
    if (digits > LargestExact || powerOfTen > largestPower || powerOfTen < -largestPower)
        return std::nullopt;
    const auto whole = static_cast<double>(digits);
    const double power = detail::ExactPowersOfTen[static_cast<std::size_t>(std::abs(powerOfTen))];
    const double magnitude = powerOfTen < 0 ? whole / power : whole * power;
    return negative ? -magnitude : magnitude;
}

} // namespace

double ReadNumber(std::u16string_view text)
{
    if (const std::optional<double> plain = ReadPlain(text))
        return *plain;
    return detail::ReadNumberInFull(text);
}

double detail::ReadNumberInFull(std::u16string_view text)
{
    const DecimalNumber number = ScanNumber(text);
    const double zero = number.negative ? -0.0 : 0.0;
    if (number.digitCount == 0 || number.scale < ZeroScale)
        return zero;
    if (number.scale > OverflowScale)
        throw Error(ErrorKind::NumberTooLarge, text);
    double magnitude = 0.0;
    if (!ReadExactly(number, magnitude)) {
        magnitude = ReadByLibrary(number);
        if (std::isinf(magnitude))
            throw Error(ErrorKind::NumberTooLarge, text);
    }
    return number.negative ? -magnitude : magnitude;
}

} // namespace tenvex
