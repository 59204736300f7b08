#include "core/text/code_page.h"

#include <cstdint>

namespace hrs {

namespace {

// Windows-1252 0x80-0x9F; the five bytes it leaves undefined keep their C1 code.
constexpr char16_t High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                               0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                               0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The plain letter of each character of U+0100-U+017F.
constexpr std::string_view LatinExtendedA =
    "AaAaAaCcCcCcCcDd"
    "DdEeEeEeEeEeGgGg"
    "GgGgHhHhIiIiIiIi"
    "IiIiJjKkkLlLlLlL"
    "lLlNnNnNnnNnOoOo"
    "OoOoRrRrRrSsSsSs"
    "SsTtTtTtUuUuUuUu"
    "UuUuWwYyYZzZzZzs";

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// The character at `i` of valid UTF-8; `i` moves past it.
uint32_t NextCodePoint(std::string_view s, size_t& i) {
  const auto b = [&](size_t k) { return static_cast<uint32_t>(static_cast<unsigned char>(s[k])); };
  const uint32_t c = b(i);
  if (c < 0x80) return ++i, c;
  if (c < 0xE0) return i += 2, ((c & 0x1F) << 6) | (b(i - 1) & 0x3F);
  if (c < 0xF0) return i += 3, ((c & 0x0F) << 12) | ((b(i - 2) & 0x3F) << 6) | (b(i - 1) & 0x3F);
  return i += 4, ((c & 0x07) << 18) | ((b(i - 3) & 0x3F) << 12) | ((b(i - 2) & 0x3F) << 6) | (b(i - 1) & 0x3F);
}

// The Windows-1252 byte of a character, or -1 when it has none.
int Windows1252Byte(uint32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (int k = 0; k < 32; ++k)
    if (High[k] == cp) return 0x80 + k;
  return -1;
}

// The plain text standing for a character Windows-1252 has not ("" for a
// combining accent, whose letter is already written).
std::string_view PlainFor(uint32_t cp) {
  if (cp >= 0x100 && cp <= 0x17F) return LatinExtendedA.substr(cp - 0x100, 1);
  switch (cp) {
    case 0x0218:
      return "S";
    case 0x0219:
      return "s";
    case 0x021A:
      return "T";
    case 0x021B:
      return "t";
    case 0x2212:
      return "-";
    default:
      break;
  }
  if (cp >= 0x0300 && cp <= 0x036F) return "";
  return "?";
}

}  // namespace

bool IsUtf8(std::string_view s) {
  size_t i = 0;
  const size_t n = s.size();
  while (i < n) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    size_t len;
    uint32_t min;
    if (c >= 0xC2 && c <= 0xDF) len = 2, min = 0x80;
    else if (c >= 0xE0 && c <= 0xEF) len = 3, min = 0x800;
    else if (c >= 0xF0 && c <= 0xF4) len = 4, min = 0x10000;
    else return false;
    if (i + len > n) return false;
    for (size_t k = 1; k < len; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    size_t j = i;
    const uint32_t cp = NextCodePoint(s, j);
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i = j;
  }
  return true;
}

namespace {

std::string FromWindows1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) out += ch;
    else if (c < 0xA0) AppendUtf8(out, High[c - 0x80]);
    else AppendUtf8(out, c);
  }
  return out;
}

}  // namespace

std::string TextFromFile(std::string_view bytes) {
  if (IsUtf8(bytes)) return std::string(bytes);
  return FromWindows1252(bytes);
}

Windows1252Text ToWindows1252(std::string_view utf8) {
  Windows1252Text out;
  // A text that is not UTF-8 already is in the Windows code page.
  if (!IsUtf8(utf8)) {
    out.bytes.assign(utf8);
    return out;
  }
  out.bytes.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const uint32_t cp = NextCodePoint(utf8, i);
    if (const int b = Windows1252Byte(cp); b >= 0) {
      out.bytes += static_cast<char>(b);
    } else {
      out.bytes += PlainFor(cp);
      out.changed = true;
    }
  }
  return out;
}

std::string Windows1252File::Text(std::string_view utf8) {
  Windows1252Text t = ToWindows1252(utf8);
  if (t.changed) {
    ChangedText c{std::string(utf8), FromWindows1252(t.bytes)};
    bool known = false;
    for (const ChangedText& k : changed_) known = known || k == c;
    if (!known) changed_.push_back(std::move(c));
  }
  return std::move(t.bytes);
}

std::optional<std::string> ChangedTextsMessage(const std::string& fileName, const std::vector<ChangedText>& changed) {
  if (changed.empty()) return std::nullopt;
  std::string out = fileName +
                    " is written in the Windows character set, which lacks some letters of these names;\r"
                    "they were written as shown:\r";
  for (const ChangedText& c : changed) out += "\r" + c.held + "  as  " + c.written;
  return out;
}

}  // namespace hrs
