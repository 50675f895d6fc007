#include "number_reading.h"

#include "error.h"
#include "text.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
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

constexpr bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Blanks that separate digit groups, the no-break spaces among them.
constexpr bool IsGroupSpace(char16_t c)
{
    return IsBlank(c) || c == u'\u00A0' || c == u'\u2009' || c == u'\u202F';
}

constexpr bool IsSeparatorMark(char16_t c)
{
    return c == u',' || c == u'.' || c == u'\'' || c == u'_';
}

constexpr bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

constexpr int DigitValue(char16_t c)
{
    return c - u'0';
}

// A decimal number as 0.<digits> x 10^scale, with the leading zeros of the mantissa dropped.
struct DecimalNumber
{
    bool negative = false;
    std::string digits;
    std::int64_t scale = 0;
    std::size_t end = 0; // index just past the number in the text
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

    [[nodiscard]] bool digitAt(std::size_t position) const
    {
        return position < m_text.size() && IsDigit(m_text[position]);
    }

private:
    std::u16string_view m_text;
    std::size_t m_pos = 0;
};

[[noreturn]] void ThrowNotANumber(std::u16string_view text)
{
    throw RuntimeError(ErrorKind::NotANumber, QuoteForMessage(text) + " is not a number.");
}

[[noreturn]] void ThrowAmbiguous(std::u16string_view text)
{
    throw RuntimeError(ErrorKind::AmbiguousNumber,
                       QuoteForMessage(text)
                           + " could be read in more than one way. Write the decimal point as \".\""
                             " and no digit grouping, for example 1500.25.");
}

[[noreturn]] void ThrowOverflow(std::u16string_view text)
{
    throw RuntimeError(ErrorKind::NumberOverflow,
                       QuoteForMessage(text)
                           + " is too large: numbers must stay below about 1.79E+308.");
}

// The mantissa: digits with at most one point. Returns false when it holds no digit.
bool ScanMantissa(Scanner &scanner, DecimalNumber &number)
{
    bool anyDigit = false;
    bool afterPoint = false;
    for (;; scanner.advance()) {
        if (scanner.atDigit()) {
            anyDigit = true;
            const char16_t c = scanner.current();
            if (number.digits.empty() && c == u'0') {
                if (afterPoint)
                    --number.scale;
                continue;
            }
            number.digits.push_back(static_cast<char>(c));
            if (!afterPoint)
                ++number.scale;
        } else if (scanner.at(u'.') && !afterPoint) {
            afterPoint = true;
        } else {
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

// What follows the number must not turn it into another number in another convention.
void RejectAmbiguousTail(const Scanner &scanner, std::u16string_view text)
{
    std::size_t next = scanner.position();
    if (next < text.size() && IsSeparatorMark(text[next]) && scanner.digitAt(next + 1))
        ThrowAmbiguous(text);
    while (next < text.size() && IsGroupSpace(text[next]))
        ++next;
    if (next != scanner.position() && scanner.digitAt(next))
        ThrowAmbiguous(text);
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
    if (!ScanMantissa(scanner, number))
        ThrowNotANumber(text);
    ScanExponent(scanner, number);
    RejectAmbiguousTail(scanner, text);
    return number;
}

} // namespace

double ReadNumber(std::u16string_view text)
{
    const DecimalNumber number = ScanNumber(text);
    const double zero = number.negative ? -0.0 : 0.0;
    if (number.digits.empty() || number.scale < ZeroScale)
        return zero;
    if (number.scale > OverflowScale)
        ThrowOverflow(text);

    // <digits>e<exponent> with the point removed; the library rounds it correctly however long.
    std::string canonical = number.digits;
    canonical += 'e';
    canonical += std::to_string(number.scale - static_cast<std::int64_t>(number.digits.size()));
    double magnitude = 0.0;
    const auto [end, error]
        = std::from_chars(canonical.data(), canonical.data() + canonical.size(), magnitude);
    if (error == std::errc::result_out_of_range) {
        if (number.scale > 0)
            ThrowOverflow(text);
        return zero;
    }
    return number.negative ? -magnitude : magnitude;
}

} // namespace tenvex
