#include "framework/design_text.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

#include <windows.h>

#include "framework/text.h"

namespace kestrova::framework {

bool DesignValue::operator==(const DesignValue& o) const {
  if (kind != o.kind) return false;
  switch (kind) {
    case Kind::Integer:
      return integer == o.integer;
    case Kind::Float:
      return number == o.number;
    case Kind::String:
    case Kind::Identifier:
      return text == o.text;
    case Kind::Set:
      return names == o.names;
    case Kind::Binary:
      return bytes == o.bytes;
    case Kind::Collection:
      return items == o.items;
    case Kind::List:
      return list == o.list;
  }
  return false;
}

namespace {

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Parser {
 public:
  explicit Parser(std::string_view text) : s_(text) {}

  DesignObject Root() {
    DesignObject o = Object();
    SkipSpace();
    if (p_ < s_.size()) Fail("text after the final end");
    return o;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw DesignError("line " + std::to_string(line_) + ": " + what);
  }

  void SkipSpace() {
    while (p_ < s_.size()) {
      char c = s_[p_];
      if (c == '\n') ++line_;
      if (c == '\n' || c == ' ' || c == '\t' || c == '\r')
        ++p_;
      else if (c == '/' && p_ + 1 < s_.size() && s_[p_ + 1] == '/')
        while (p_ < s_.size() && s_[p_] != '\n') ++p_;
      else
        break;
    }
  }

  char Peek() {
    SkipSpace();
    return p_ < s_.size() ? s_[p_] : '\0';
  }

  void Expect(char c) {
    if (Peek() != c) Fail(std::string("'") + c + "' expected");
    ++p_;
  }

  std::string Identifier() {
    if (!IsIdentStart(Peek())) Fail("identifier expected");
    size_t start = p_;
    while (p_ < s_.size() && IsIdentChar(s_[p_])) ++p_;
    return std::string(s_.substr(start, p_ - start));
  }

  bool NextWordIs(std::string_view word) {
    Peek();
    size_t q = p_;
    while (q < s_.size() && IsIdentChar(s_[q])) ++q;
    return SameText(s_.substr(p_, q - p_), word);
  }

  DesignObject Object() {
    DesignObject o;
    if (!NextWordIs("object") && !NextWordIs("inherited") && !NextWordIs("inline"))
      Fail("'object' expected");
    Identifier();
    o.line = line_;
    o.name = Identifier();
    if (Peek() == ':') {
      ++p_;
      o.class_name = Identifier();
    } else {
      o.class_name = o.name;  // "object TFoo" names only the class
      o.name.clear();
    }
    while (true) {
      if (Peek() == '\0') Fail("'end' expected");
      if (NextWordIs("end")) {
        Identifier();
        return o;
      }
      if (NextWordIs("object") || NextWordIs("inherited") || NextWordIs("inline"))
        o.children.push_back(Object());
      else
        o.properties.push_back(Property());
    }
  }

  DesignProperty Property() {
    DesignProperty prop;
    prop.line = (Peek(), line_);
    prop.name = Identifier();
    Expect('=');
    prop.value = Value();
    return prop;
  }

  DesignValue Value() {
    DesignValue v;
    char c = Peek();
    if (c == '\'' || c == '#') {
      v.kind = DesignValue::Kind::String;
      v.text = String();
    } else if (c == '-' || c == '+' || std::isdigit(static_cast<unsigned char>(c)) || c == '$') {
      Number(v);
    } else if (c == '[') {
      v.kind = DesignValue::Kind::Set;
      ++p_;
      while (Peek() != ']') {
        v.names.push_back(Identifier());
        if (Peek() == ',')
          ++p_;
        else if (Peek() != ']')
          Fail("',' or ']' expected");
      }
      ++p_;
    } else if (c == '{') {
      v.kind = DesignValue::Kind::Binary;
      v.bytes = Binary();
    } else if (c == '<') {
      v.kind = DesignValue::Kind::Collection;
      ++p_;
      while (Peek() != '>') {
        if (!NextWordIs("item")) Fail("'item' expected");
        Identifier();
        DesignItem item;
        item.line = line_;
        while (!NextWordIs("end")) {
          if (Peek() == '\0') Fail("'end' expected");
          item.properties.push_back(Property());
        }
        Identifier();
        v.items.push_back(std::move(item));
      }
      ++p_;
    } else if (c == '(') {
      v.kind = DesignValue::Kind::List;
      ++p_;
      while (Peek() != ')') {
        if (Peek() == '\0') Fail("')' expected");
        v.list.push_back(Value());
      }
      ++p_;
    } else if (IsIdentStart(c)) {
      v.kind = DesignValue::Kind::Identifier;
      v.text = Identifier();
    } else {
      Fail("value expected");
    }
    return v;
  }

  void Number(DesignValue& v) {
    size_t start = p_;
    if (s_[p_] == '-' || s_[p_] == '+') ++p_;
    bool hex = p_ < s_.size() && s_[p_] == '$';
    if (hex) ++p_;
    size_t digits = p_;
    while (p_ < s_.size() && (hex ? HexDigit(s_[p_]) >= 0
                                  : (std::isdigit(static_cast<unsigned char>(s_[p_])) ||
                                     s_[p_] == '.' || s_[p_] == 'e' || s_[p_] == 'E')))
      ++p_;
    if (p_ == digits) Fail("number expected");
    std::string n(s_.substr(start, p_ - start));
    if (hex) {
      bool negative = n[0] == '-';
      v.integer = int64_t(std::strtoull(n.c_str() + (n.find('$') + 1), nullptr, 16));
      if (negative) v.integer = -v.integer;
    } else if (n.find_first_of(".eE") != std::string::npos) {
      v.kind = DesignValue::Kind::Float;
      v.number = std::strtod(n.c_str(), nullptr);
      return;
    } else {
      errno = 0;
      v.integer = std::strtoll(n.c_str(), nullptr, 10);
      if (errno == ERANGE) Fail("number out of range");
    }
    v.kind = DesignValue::Kind::Integer;
  }

  // #nnn: below 128 and from 256 a code point, between them a byte of the
  // ANSI code page (the way older designs store their accented letters).
  unsigned long CharacterCode() {
    ++p_;
    size_t start = p_;
    while (p_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[p_]))) ++p_;
    if (p_ == start) Fail("character code expected");
    unsigned long code =
        std::strtoul(std::string(s_.substr(start, p_ - start)).c_str(), nullptr, 10);
    if (code > 0x10FFFF) Fail("character code out of range");
    return code;
  }

  static std::string AnsiToUtf8(const std::string& bytes) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), wide.data(), n);
    return Narrow(wide);
  }

  // 'quoted' parts ('' is a quote), #code parts, joined; + continues a line.
  std::string String() {
    std::string out;
    while (true) {
      char c = p_ < s_.size() ? s_[p_] : '\0';
      if (c == '\'') {
        ++p_;
        while (true) {
          if (p_ >= s_.size() || s_[p_] == '\n') Fail("unterminated string");
          if (s_[p_] == '\'') {
            if (p_ + 1 < s_.size() && s_[p_ + 1] == '\'') {
              out += '\'';
              p_ += 2;
              continue;
            }
            ++p_;
            break;
          }
          out += s_[p_++];
        }
      } else if (c == '#') {
        std::string ansi;  // a run of #128..#255: bytes of the ANSI code page
        while (p_ < s_.size() && s_[p_] == '#') {
          unsigned long code = CharacterCode();
          if (code >= 128 && code < 256) {
            ansi += char(code);
            continue;
          }
          out += AnsiToUtf8(ansi);
          ansi.clear();
          out += CodePointToUtf8(char32_t(code));
        }
        out += AnsiToUtf8(ansi);
      } else {
        size_t save = p_;
        int save_line = line_;
        if (Peek() == '+') {
          ++p_;
          if (Peek() == '\'' || Peek() == '#') continue;
        }
        p_ = save;
        line_ = save_line;
        return out;
      }
    }
  }

  std::vector<uint8_t> Binary() {
    ++p_;  // {
    std::vector<uint8_t> bytes;
    int high = -1;
    while (true) {
      if (p_ >= s_.size()) Fail("'}' expected");
      char c = s_[p_++];
      if (c == '}') break;
      if (c == '\n') ++line_;
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
      int d = HexDigit(c);
      if (d < 0) Fail("hexadecimal digit expected");
      if (high < 0) {
        high = d;
      } else {
        bytes.push_back(uint8_t(high * 16 + d));
        high = -1;
      }
    }
    if (high >= 0) Fail("odd number of hexadecimal digits");
    return bytes;
  }

  std::string_view s_;
  size_t p_ = 0;
  int line_ = 1;
};

// Decodes UTF-8 leniently (a bad byte stands for itself).
std::u32string CodePoints(const std::string& s) {
  std::u32string out;
  for (size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int n = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (n <= 0 || i + size_t(n) >= s.size()) {
      out += char32_t(c);
      ++i;
      continue;
    }
    char32_t cp = c & (0x3F >> n);
    bool ok = true;
    for (int k = 1; k <= n; ++k) {
      unsigned char d = static_cast<unsigned char>(s[i + k]);
      if ((d & 0xC0) != 0x80) ok = false;
      cp = (cp << 6) | (d & 0x3F);
    }
    if (!ok) {
      out += char32_t(c);
      ++i;
      continue;
    }
    out += cp;
    i += size_t(n) + 1;
  }
  return out;
}

std::string FormatString(const std::string& s) {
  if (s.empty()) return "''";
  std::string out;
  bool quoted = false;
  for (char32_t c : CodePoints(s)) {
    if (c >= 32 && c < 256 && c != 127) {
      // 128..255 stay as they are: as #nnn they would be read as bytes of
      // the ANSI code page.
      if (!quoted) out += '\'', quoted = true;
      if (c == '\'') out += '\'';
      out += CodePointToUtf8(c);
    } else {
      if (quoted) out += '\'', quoted = false;
      out += '#' + std::to_string(uint32_t(c));
    }
  }
  if (quoted) out += '\'';
  return out;
}

class Writer {
 public:
  std::string out;

  void Object(const DesignObject& o, int indent) {
    Line(indent, "object " + (o.name.empty() ? o.class_name : o.name + ": " + o.class_name));
    for (const DesignProperty& p : o.properties) Property(p, indent + 1);
    for (const DesignObject& c : o.children) Object(c, indent + 1);
    Line(indent, "end");
  }

 private:
  void Line(int indent, const std::string& text) {
    out += std::string(size_t(indent) * 2, ' ') + text + "\n";
  }

  void Property(const DesignProperty& p, int indent) {
    std::string head = std::string(size_t(indent) * 2, ' ') + p.name + " = ";
    const DesignValue& v = p.value;
    switch (v.kind) {
      case DesignValue::Kind::Collection: {
        if (v.items.empty()) {
          out += head + "<>\n";
          return;
        }
        out += head + "<\n";
        for (size_t i = 0; i < v.items.size(); ++i) {
          Line(indent + 1, "item");
          for (const DesignProperty& q : v.items[i].properties) Property(q, indent + 2);
          out += std::string(size_t(indent + 1) * 2, ' ') + "end" +
                 (i + 1 == v.items.size() ? ">" : "") + "\n";
        }
        return;
      }
      case DesignValue::Kind::Binary: {
        out += head + "{";
        static const char* kHex = "0123456789ABCDEF";
        for (size_t i = 0; i < v.bytes.size(); ++i) {
          if (i % 32 == 0) out += "\n" + std::string(size_t(indent + 1) * 2, ' ');
          out += kHex[v.bytes[i] >> 4];
          out += kHex[v.bytes[i] & 15];
        }
        out += "}\n";
        return;
      }
      default:
        out += head + Scalar(v) + "\n";
    }
  }

  static std::string Scalar(const DesignValue& v) {
    switch (v.kind) {
      case DesignValue::Kind::Integer:
        return std::to_string(v.integer);
      case DesignValue::Kind::Float: {
        std::string s = std::to_string(v.number);
        return s;
      }
      case DesignValue::Kind::String:
        return FormatString(v.text);
      case DesignValue::Kind::Identifier:
        return v.text;
      case DesignValue::Kind::Set: {
        std::string s = "[";
        for (size_t i = 0; i < v.names.size(); ++i) s += (i ? ", " : "") + v.names[i];
        return s + "]";
      }
      case DesignValue::Kind::List: {
        std::string s = "(";
        for (const DesignValue& e : v.list) s += " " + Scalar(e);
        return s + ")";
      }
      default:
        return {};
    }
  }
};

}  // namespace

DesignObject ParseDesign(std::string_view text) { return Parser(text).Root(); }

std::string FormatDesign(const DesignObject& object) {
  Writer w;
  w.Object(object, 0);
  return w.out;
}

}  // namespace kestrova::framework
