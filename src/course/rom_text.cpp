#include "course/rom_text.h"

#include <cstddef>

namespace kurvex {

namespace {

constexpr int kNamePrefix = 0xA3;   // escapes the Greek letters of names
constexpr int kKanaPrefix = 0xA5;   // escapes kana in descriptions
constexpr int kDashFirst = 0xA1;    // 0xA1 0xBC: the long-vowel dash
constexpr int kDashSecond = 0xBC;
constexpr int kLongDash = 255;

int ByteAt(const std::string& s, size_t i) { return static_cast<unsigned char>(s[i]); }
void Append(std::string& out, int value) { out.push_back(static_cast<char>(value)); }

bool IsEscapedKana(int b) { return (b >= 161 && b <= 237) || b == 239 || b == 242 || b == 243; }

// A plain description byte that every region keeps as it is.
bool KeptEverywhere(int b) {
  switch (b) {
    case ' ': case '!': case '"': case '&': case '\'': case '+': case '-':
    case 'A': case 'D': case 'E': case 'M':
      return true;
    default:
      return b >= '0' && b <= '9';
  }
}

// Kept except in Japanese descriptions, whose font lacks these glyphs.
bool KeptOutsideJapan(int b) {
  return b == '.' || b == 'B' || b == 'C' || (b >= 'F' && b <= 'L') || (b >= 'N' && b <= 'Z');
}

}  // namespace

std::string DecodeRomName(const std::string& raw) {
  std::string out;
  for (size_t i = 0; i < raw.size(); ++i) {
    int b = ByteAt(raw, i);
    if (b == kNamePrefix && i + 1 < raw.size()) {
      b = ByteAt(raw, ++i);
      if (b >= 193 && b <= 195) b += 59;
    } else if (b >= 'a' && b <= 'z') {
      b -= 32;
    }
    Append(out, b);
  }
  return out;
}

std::string EncodeRomName(const std::string& name) {
  std::string out;
  for (size_t i = 0; i < name.size(); ++i) {
    const int c = ByteAt(name, i);
    if (c >= 'A' && c <= 'Z') {
      Append(out, c + 32);
    } else if (c >= 252) {
      Append(out, kNamePrefix);
      Append(out, c - 59);
    } else {
      Append(out, c);
    }
  }
  return out;
}

std::string DecodeRomText(const std::string& raw, char region) {
  const bool japan = region == 'J';
  std::string out;
  for (size_t i = 0; i < raw.size(); ++i) {
    const int b = ByteAt(raw, i);
    if (KeptEverywhere(b)) {
      Append(out, b);
    } else if (KeptOutsideJapan(b)) {
      if (!japan) Append(out, b);
    } else if (b == 'c' || b == 'r' || b == 's') {
      Append(out, japan ? b + 64 : b);
    } else if (b >= 'a' && b <= 'z') {
      Append(out, b + 64);
    } else if (b == kKanaPrefix) {
      if (i + 1 < raw.size()) {
        const int next = ByteAt(raw, ++i);
        if (IsEscapedKana(next)) Append(out, next);
      }
    } else if (b == kDashFirst) {
      if (i + 1 < raw.size() && ByteAt(raw, i + 1) == kDashSecond) {
        Append(out, kLongDash);
        ++i;
      }
    }
  }
  return out;
}

std::string EncodeRomText(const std::string& text, char region) {
  const bool japan = region == 'J';
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const int c = ByteAt(text, i);
    if (KeptEverywhere(c) || c == '.' || (c >= 'A' && c <= 'Z') || c == 'c' || c == 'r' ||
        c == 's') {
      Append(out, c);
    } else if (c >= 161 && c <= 186) {
      if (!(japan && c == 178)) Append(out, c - 64);
    } else if (c >= 187 && c <= 194) {
      if (!japan) {
        Append(out, kKanaPrefix);
        Append(out, c);
      }
    } else if ((c >= 195 && c <= 237) || c == 239 || c == 242 || c == 243) {
      Append(out, kKanaPrefix);
      Append(out, c);
    } else if (c == kLongDash) {
      Append(out, kDashFirst);
      Append(out, kDashSecond);
    }
  }
  return out;
}

}  // namespace kurvex
