#include "store/export/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "persist/FloatFormat.h"

namespace kel {
namespace {

constexpr int kGeneralDigits = 15;
constexpr int kMaxExponentDigits = 4;
// Fixed texts stop being meaningful where doubles stop holding every digit.
constexpr double kFixedLimit = 1e18;

// A section of a pattern, scanned once: where its placeholders are and which
// number parts they ask for.
struct Section {
  std::u16string_view Text;
  int IntegerPlaceholders = 0;
  int IntegerMinimum = 0;  // placeholders from the first '0' to the point
  int FractionPlaceholders = 0;
  int FractionMinimum = 0;  // placeholders up to the last '0' after the point
  bool Thousands = false;
  bool Scientific = false;
  bool ExponentSignAlways = false;
  int ExponentDigits = 0;
};

bool IsQuote(char16_t c) {
  return c == u'\'' || c == u'"';
}

// Splits at the ';' that stand outside quotes.
std::vector<std::u16string_view> SplitSections(std::u16string_view pattern) {
  std::vector<std::u16string_view> sections;
  size_t start = 0;
  char16_t quote = 0;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char16_t c = pattern[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (IsQuote(c)) {
      quote = c;
    } else if (c == u';') {
      sections.push_back(pattern.substr(start, i - start));
      start = i + 1;
    }
  }
  sections.push_back(pattern.substr(start));
  return sections;
}

// Length of an exponent marker at i ("E+00" and the like), or 0.
size_t ExponentLength(std::u16string_view text, size_t i) {
  if ((text[i] != u'E' && text[i] != u'e') || i + 1 >= text.size()) return 0;
  if (text[i + 1] != u'+' && text[i + 1] != u'-') return 0;
  size_t end = i + 2;
  while (end < text.size() && text[end] == u'0' && end - i - 2 < kMaxExponentDigits) ++end;
  return end - i;
}

Section ScanSection(std::u16string_view text) {
  Section s;
  s.Text = text;
  bool afterPoint = false;
  int firstIntegerZero = -1;
  char16_t quote = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (IsQuote(c)) {
      quote = c;
    } else if (c == u'0' || c == u'#') {
      if (afterPoint) {
        ++s.FractionPlaceholders;
        if (c == u'0') s.FractionMinimum = s.FractionPlaceholders;
      } else {
        if (c == u'0' && firstIntegerZero < 0) firstIntegerZero = s.IntegerPlaceholders;
        ++s.IntegerPlaceholders;
      }
    } else if (c == u'.') {
      afterPoint = true;
    } else if (c == u',') {
      s.Thousands = true;
    } else if (const size_t length = ExponentLength(text, i); length > 0) {
      s.Scientific = true;
      s.ExponentSignAlways = text[i + 1] == u'+';
      s.ExponentDigits = static_cast<int>(length) - 2;
      break;  // what follows the exponent is literal
    }
  }
  if (firstIntegerZero >= 0) s.IntegerMinimum = s.IntegerPlaceholders - firstIntegerZero;
  return s;
}

// The decimal digits of a non-negative value: 17 significant digits, so that
// the decimal text of the double is rounded only once, half up, to the places
// the pattern asks for.
struct Digits {
  std::string Text;  // significant digits, no leading zero (empty for zero)
  int Exponent = 0;  // value = 0.Text * 10^Exponent
};

Digits DigitsOf(double magnitude) {
  Digits d;
  if (magnitude == 0) return d;
  char buffer[40];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 16);
  const std::string text(buffer, result.ptr);
  const size_t e = text.find('e');
  d.Text = text.substr(0, 1) + text.substr(2, e - 2);
  d.Exponent = std::stoi(text.substr(e + 1)) + 1;
  return d;
}

// Keeps `count` significant digits, rounding half up; a carry may add a digit
// in front.
void RoundTo(Digits& d, int count) {
  if (count < 0) {
    d.Text.clear();
    return;
  }
  if (static_cast<size_t>(count) >= d.Text.size()) return;
  const bool up = d.Text[static_cast<size_t>(count)] >= '5';
  d.Text.resize(static_cast<size_t>(count));
  if (up) {
    int i = count - 1;
    while (i >= 0 && d.Text[static_cast<size_t>(i)] == '9') d.Text[static_cast<size_t>(i--)] = '0';
    if (i >= 0) {
      ++d.Text[static_cast<size_t>(i)];
    } else {
      d.Text.insert(d.Text.begin(), '1');
      ++d.Exponent;
    }
  }
  while (!d.Text.empty() && d.Text.back() == '0') d.Text.pop_back();
  if (d.Text.empty()) d.Exponent = 0;
}

// The integer and fraction digits of a number laid out for a section.
struct Layout {
  std::string Integer;   // without leading zeros beyond the section's minimum
  std::string Fraction;  // without trailing zeros beyond the section's minimum
  std::u16string Exponent;
};

std::string FractionDigits(const Digits& d, int places, int minimum) {
  std::string fraction;
  for (int k = 0; k < places; ++k) {
    const int index = d.Exponent + k;  // digit k after the point
    fraction += index >= 0 && index < static_cast<int>(d.Text.size()) ? d.Text[index] : '0';
  }
  while (static_cast<int>(fraction.size()) > minimum && fraction.back() == '0') fraction.pop_back();
  return fraction;
}

std::string IntegerDigits(const Digits& d, int minimum) {
  std::string integer;
  for (int k = 0; k < d.Exponent; ++k) {
    integer += k < static_cast<int>(d.Text.size()) ? d.Text[static_cast<size_t>(k)] : '0';
  }
  if (static_cast<int>(integer.size()) < minimum) {
    integer.insert(0, static_cast<size_t>(minimum) - integer.size(), '0');
  }
  return integer;
}

Layout LayOut(const Section& s, double magnitude) {
  Layout layout;
  Digits d = DigitsOf(magnitude);
  if (!s.Scientific) {
    RoundTo(d, d.Exponent + s.FractionPlaceholders);
    layout.Integer = IntegerDigits(d, s.IntegerMinimum);
    layout.Fraction = FractionDigits(d, s.FractionPlaceholders, s.FractionMinimum);
    return layout;
  }
  // One digit before the point; the exponent takes the rest.
  RoundTo(d, 1 + s.FractionPlaceholders);
  const int exponent = d.Text.empty() ? 0 : d.Exponent - 1;
  if (!d.Text.empty()) d.Exponent = 1;
  layout.Integer = IntegerDigits(d, std::max(1, s.IntegerMinimum));
  layout.Fraction = FractionDigits(d, s.FractionPlaceholders, s.FractionMinimum);
  if (exponent < 0) {
    layout.Exponent = u"-";
  } else if (s.ExponentSignAlways) {
    layout.Exponent = u"+";
  }
  std::string digits = std::to_string(std::abs(exponent));
  if (static_cast<int>(digits.size()) < s.ExponentDigits) {
    digits.insert(0, static_cast<size_t>(s.ExponentDigits) - digits.size(), '0');
  }
  layout.Exponent.append(digits.begin(), digits.end());
  return layout;
}

bool AllZero(const Layout& layout) {
  return layout.Integer.find_first_not_of('0') == std::string::npos &&
         layout.Fraction.find_first_not_of('0') == std::string::npos;
}

// Walks the section again, putting the digits at their placeholders (the
// integer digits right-aligned, extra ones at the first placeholder) and the
// literals where they stand.
std::u16string Render(const Section& s,
                      const Layout& layout,
                      bool negative,
                      TNumberSeparators separators) {
  std::u16string out;
  if (negative && !AllZero(layout)) out += u'-';
  const int integerLength = static_cast<int>(layout.Integer.size());
  const int missing = s.IntegerPlaceholders - integerLength;  // < 0: extra digits
  auto emitIntegerDigit = [&](int index) {
    out += static_cast<char16_t>(layout.Integer[static_cast<size_t>(index)]);
    const int rightOf = integerLength - 1 - index;
    if (s.Thousands && rightOf > 0 && rightOf % 3 == 0) out += separators.Thousands;
  };
  int integerSeen = 0;
  int fractionSeen = 0;
  bool afterPoint = false;
  char16_t quote = 0;
  const std::u16string_view text = s.Text;
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (quote != 0) {
      if (c == quote) {
        quote = 0;
      } else {
        out += c;
      }
    } else if (IsQuote(c)) {
      quote = c;
    } else if ((c == u'0' || c == u'#') && !afterPoint) {
      const int slot = integerSeen++;
      if (slot == 0 && missing < 0) {
        for (int k = 0; k <= -missing; ++k) emitIntegerDigit(k);
      } else if (slot - missing >= 0) {
        emitIntegerDigit(slot - missing);
      }
    } else if (c == u'0' || c == u'#') {
      if (fractionSeen < static_cast<int>(layout.Fraction.size())) {
        out += static_cast<char16_t>(layout.Fraction[static_cast<size_t>(fractionSeen)]);
      }
      ++fractionSeen;
    } else if (c == u'.') {
      if (!afterPoint) {
        // A pattern without integer placeholders still shows the integer part.
        if (s.IntegerPlaceholders == 0) {
          for (int k = 0; k < integerLength; ++k) emitIntegerDigit(k);
        }
        if (!layout.Fraction.empty()) out += separators.Decimal;
      }
      afterPoint = true;
    } else if (c == u',') {
      // Grouping is placed with the digits.
    } else if (const size_t length = ExponentLength(text, i); length > 0) {
      out += c;
      out += layout.Exponent;
      i += length - 1;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

TNumberSeparators SeparatorsFor(char16_t decimalSeparator) {
  return {decimalSeparator, decimalSeparator == u',' ? u'.' : u','};
}

size_t FormatGeneralNumberTo(char* out, double value) {
  size_t length = FormatGeneralFloatTo(out, value, kGeneralDigits);
  // The general float text turns scientific below 0.0001; values from
  // 0.00001 up keep the fixed notation here: "d.ddE-5" becomes "0.0000ddd".
  if (length >= 3 && out[length - 1] == '5' && out[length - 2] == '-' && out[length - 3] == 'E') {
    const size_t sign = out[0] == '-' ? 1 : 0;
    char digits[kMaxFloatText];
    size_t count = 0;
    for (size_t i = sign; i < length - 3; ++i) {
      if (out[i] != '.') digits[count++] = out[i];
    }
    std::memcpy(out + sign, "0.0000", 6);
    std::memcpy(out + sign + 6, digits, count);
    length = sign + 6 + count;
  }
  return length;
}

void AppendGeneralNumber(std::u16string& out, double value, char16_t decimalSeparator) {
  char text[kMaxGeneralNumberText];
  const size_t length = FormatGeneralNumberTo(text, value);
  const size_t start = out.size();
  out.resize(start + length);
  char16_t* target = out.data() + start;
  for (size_t i = 0; i < length; ++i) {
    *target++ = text[i] == '.' ? decimalSeparator : static_cast<char16_t>(text[i]);
  }
}

std::u16string FormatGeneralNumber(double value, char16_t decimalSeparator) {
  std::u16string out;
  AppendGeneralNumber(out, value, decimalSeparator);
  return out;
}

std::u16string FormatFloat(std::u16string_view pattern,
                           double value,
                           TNumberSeparators separators) {
  if (std::isnan(value) || std::isinf(value)) return FormatGeneralNumber(value, separators.Decimal);
  const std::vector<std::u16string_view> sections = SplitSections(pattern);
  std::u16string_view chosen = sections[0];
  bool signFromSection = false;
  if (value < 0 && sections.size() > 1 && !sections[1].empty()) {
    chosen = sections[1];
    signFromSection = true;
  } else if (value == 0 && sections.size() > 2 && !sections[2].empty()) {
    chosen = sections[2];
  }
  if (chosen.empty()) return FormatGeneralNumber(value, separators.Decimal);
  const Section section = ScanSection(chosen);
  const double magnitude = std::fabs(value);
  if (!section.Scientific && magnitude >= kFixedLimit) {
    return FormatGeneralNumber(value, separators.Decimal);
  }
  return Render(section, LayOut(section, magnitude), value < 0 && !signFromSection, separators);
}

}  // namespace kel
