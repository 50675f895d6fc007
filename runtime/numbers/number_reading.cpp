// SPDX-License-Identifier: MIT
#include "number_reading.h"

#include "characters.h"
#include "error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <fast_float.h>

namespace tenvex {

namespace {

constexpr char16_t MinusSign = u'\u2212';

// Decimal exponents beyond these bounds leave no doubt: 0.d x 10^310 overflows, 0.d x 10^-330
// is below half the smallest subnormal. Between them the correctly rounded conversion decides. The
// saturation bound keeps the exponent arithmetic far from integer overflow.
constexpr std::int64_t OverflowScale = 310;
constexpr std::int64_t ZeroScale = -330;
constexpr std::int64_t ExponentSaturation = 1'000'000'000'000;

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

// Which double is nearest is decided by comparing the number with the halfway points between
// doubles, and none has more than 768 significant digits (the most, (2^54 - 1) x 2^-1075, has
// exactly 768). The number cut after its first 768 digits, with a last digit 1 standing for any
// non-zero ones dropped, lies on the same side of every halfway point as the number: a halfway
// point above it is at least one unit of the 768th digit above the cut, and one below is at most
// the cut. What is read is then short whatever the length of the text.
constexpr std::size_t KeptDigits = 768;

// A decimal number as 0.<significant digits> x 10^scale, its digits kept in ASCII as they are
// scanned: the first KeptDigits, and whether any dropped after them is not zero.
struct DecimalNumber
{
    bool negative = false;
    std::int64_t scale = 0;
    std::size_t digitCount = 0; // significant digits kept: from the first non-zero one on
    bool droppedNonZero = false;
    // Room after the digits for the one standing for those dropped, and an exponent.
    std::array<char, KeptDigits + 24> digits;
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
            if (number.digitCount < KeptDigits)
                number.digits[number.digitCount++] = static_cast<char>(c);
            else
                number.droppedNonZero = number.droppedNonZero || c != u'0';
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
        throw NumberError(NumberErrorKind::TrailingDigits, text);
    if (!DigitsFollow(rest))
        return;
    if (text[end - 1] == u'.' && rest.starts_with(u'.'))
        throw NumberError(NumberErrorKind::DoubledPoint, text);
    const std::size_t afterBlanks = std::min(rest.find_first_not_of(GroupSpaces), rest.size());
    const bool separated = IsSeparatorMark(rest.front()) && DigitAt(text, end + 1);
    const bool grouped = afterBlanks > 0 && DigitAt(text, end + afterBlanks);
    throw NumberError(separated || grouped ? NumberErrorKind::AmbiguousNumber
                                           : NumberErrorKind::TrailingDigits,
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
        throw NumberError(NumberErrorKind::NotANumber, text);
    ScanExponent(scanner, number);
    RejectTrailingDigits(scanner, text, number);
    return number;
}

// The digits kept and the exponent, as fast_float reads them: it gives the double nearest to the
// number, however many digits it has, on every toolchain alike. It gives infinity for a number
// too large.
double ReadMagnitude(DecimalNumber &number)
{
    std::size_t size = number.digitCount;
    if (number.droppedNonZero)
        number.digits[size++] = '1';
    const std::int64_t exponent = number.scale - static_cast<std::int64_t>(size);
    number.digits[size++] = 'e';
    const char *const end
        = std::to_chars(&number.digits[size], number.digits.data() + number.digits.size(), exponent)
              .ptr;
    double magnitude = 0.0;
    fast_float::from_chars(number.digits.data(), end, magnitude);
    return magnitude;
}

} // namespace

double ReadNumber(std::u16string_view text)
{
    DecimalNumber number = ScanNumber(text);
    const double zero = number.negative ? -0.0 : 0.0;
    if (number.digitCount == 0 || number.scale < ZeroScale)
        return zero;
    const double magnitude = number.scale > OverflowScale ? HUGE_VAL : ReadMagnitude(number);
    if (std::isinf(magnitude))
        throw NumberError(NumberErrorKind::NumberTooLarge, text);
    return number.negative ? -magnitude : magnitude;
}

} // namespace tenvex
