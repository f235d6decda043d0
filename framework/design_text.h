// The text of a stored design as a tree, and the tree back as text:
//
//   object FrmDemo: TFrmDemo
//     Caption = 'Demo'#13'second line'
//     Font.Style = [fsBold]
//     Glyph.Data = {424D...}
//     Buttons = <
//       item
//         Kind = bkClose
//       end>
//     object Label1: TLabel
//       Left = 8
//     end
//   end
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/error.h"

namespace kestrova::framework {

class DesignError : public Error {
 public:
  using Error::Error;
};

struct DesignItem;

struct DesignValue {
  enum class Kind { Integer, Float, String, Identifier, Set, Binary, Collection, List };
  Kind kind = Kind::Integer;
  int64_t integer = 0;
  double number = 0;
  std::string text;                // String (UTF-8) and Identifier
  std::vector<std::string> names;  // Set
  std::vector<uint8_t> bytes;      // Binary
  std::vector<DesignItem> items;   // Collection
  std::vector<DesignValue> list;   // List
  bool operator==(const DesignValue&) const;
};

struct DesignProperty {
  std::string name;  // may be a dotted path: Font.Name
  DesignValue value;
  int line = 0;
  bool operator==(const DesignProperty& o) const { return name == o.name && value == o.value; }
};

struct DesignItem {
  std::vector<DesignProperty> properties;
  int line = 0;
  bool operator==(const DesignItem& o) const { return properties == o.properties; }
};

struct DesignObject {
  std::string name;
  std::string class_name;
  std::vector<DesignProperty> properties;
  std::vector<DesignObject> children;
  int line = 0;
  bool operator==(const DesignObject& o) const {
    return name == o.name && class_name == o.class_name && properties == o.properties &&
           children == o.children;
  }
};

// Raises DesignError naming the line for text that does not parse.
DesignObject ParseDesign(std::string_view text);
std::string FormatDesign(const DesignObject& object);

}  // namespace kestrova::framework
