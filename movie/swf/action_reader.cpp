#include "movie/swf/action_reader.h"

#include <cmath>
#include <string>
#include <variant>

namespace kestrova::swf {

namespace {

enum Code : uint8_t {
  kEnd = 0x00,
  kNextFrame = 0x04,
  kPrevFrame = 0x05,
  kPlay = 0x06,
  kStop = 0x07,
  kGotoFrame = 0x81,
  kConstantPool = 0x88,
  kSetTarget = 0x8B,
  kGotoLabel = 0x8C,
  kPush = 0x96,
  kJump = 0x99,
  kIf = 0x9D,
  kGotoFrame2 = 0x9F,
};

using Value = std::variant<std::monostate, std::string, double>;

// ActionPush: values of U8 type: 0 string, 1 float, 2 null, 3 undefined,
// 4 register (U8), 5 boolean (U8), 6 double, 7 int32, 8 constant (U8
// index), 9 constant (U16 index).
void Push(Reader& in, const std::vector<std::string>& pool, std::vector<Value>& stack) {
  while (!in.AtEnd()) {
    uint8_t type = in.U8();
    switch (type) {
      case 0:
        stack.emplace_back(in.String());
        break;
      case 1:
        stack.emplace_back(static_cast<double>(in.Float()));
        break;
      case 4:
        in.U8();
        stack.emplace_back();
        break;
      case 5:
        stack.emplace_back(static_cast<double>(in.U8()));
        break;
      case 6:
        stack.emplace_back(in.Double());
        break;
      case 7:
        stack.emplace_back(static_cast<double>(static_cast<int32_t>(in.U32())));
        break;
      case 8:
      case 9: {
        size_t i = type == 8 ? in.U8() : in.U16();
        if (i < pool.size())
          stack.emplace_back(pool[i]);
        else
          stack.emplace_back();
        break;
      }
      case 2:
      case 3:
        stack.emplace_back();
        break;
      default:
        return;  // unknown type: the rest of the record is unreadable
    }
  }
}

// GotoFrame2 with a constant: a number is a 1-based frame, a string is a
// label or a frame number (an optional "target:" prefix names the clip).
void GotoFrame2(const Value& value, bool play, uint32_t bias, const std::string& target,
                std::vector<Action>& out) {
  Action a;
  a.target = target;
  a.andPlay = play;
  a.andStop = !play;
  if (const double* n = std::get_if<double>(&value)) {
    if (!(*n >= 1) || *n > 0xFFFFFF) return;
    a.kind = Action::Kind::GotoFrame;
    a.frame = static_cast<uint32_t>(*n) - 1 + bias;
  } else if (const std::string* s = std::get_if<std::string>(&value)) {
    std::string label = *s;
    size_t colon = label.rfind(':');
    if (colon != std::string::npos) {
      a.target = label.substr(0, colon);
      label = label.substr(colon + 1);
    }
    char* end = nullptr;
    long frame = std::strtol(label.c_str(), &end, 10);
    if (!label.empty() && *end == 0 && frame >= 1) {
      a.kind = Action::Kind::GotoFrame;
      a.frame = static_cast<uint32_t>(frame - 1) + bias;
    } else {
      a.kind = Action::Kind::GotoLabel;
      a.label = label;
    }
  } else {
    return;
  }
  out.push_back(a);
}

}  // namespace

// ACTIONRECORDs: U8 code, and for codes >= 0x80 a U16 length and payload.
// A branch ends the reading: what follows may be conditional, and running
// it unconditionally would be wrong more often than skipping it.
std::vector<Action> ReadActions(Reader& in) {
  std::vector<Action> out;
  std::vector<Value> stack;
  std::vector<std::string> pool;
  std::string target;
  auto simple = [&](Action::Kind kind) {
    Action a;
    a.kind = kind;
    a.target = target;
    out.push_back(a);
  };
  while (!in.AtEnd()) {
    uint8_t code = in.U8();
    if (code == kEnd) break;
    Reader body = code >= 0x80 ? in.Sub(in.U16()) : Reader({});
    switch (code) {
      case kNextFrame:
        simple(Action::Kind::NextFrame);
        break;
      case kPrevFrame:
        simple(Action::Kind::PrevFrame);
        break;
      case kPlay:
        simple(Action::Kind::Play);
        break;
      case kStop:
        simple(Action::Kind::Stop);
        break;
      // A bare goto is gotoAndStop; gotoAndPlay is the goto and a Play.
      case kGotoFrame: {
        Action a;
        a.kind = Action::Kind::GotoFrame;
        a.frame = body.U16();
        a.target = target;
        a.andStop = true;
        out.push_back(a);
        break;
      }
      case kGotoLabel: {
        Action a;
        a.kind = Action::Kind::GotoLabel;
        a.label = body.String();
        a.target = target;
        a.andStop = true;
        out.push_back(a);
        break;
      }
      case kSetTarget:
        target = body.String();
        break;
      case kConstantPool: {
        pool.clear();
        uint16_t count = body.U16();
        for (uint16_t i = 0; i < count && !body.AtEnd(); ++i) pool.push_back(body.String());
        break;
      }
      case kPush:
        Push(body, pool, stack);
        break;
      case kGotoFrame2: {
        uint8_t flags = body.U8();
        uint32_t bias = (flags & 2) ? body.U16() : 0;
        if (!stack.empty()) {
          GotoFrame2(stack.back(), flags & 1, bias, target, out);
          stack.pop_back();
        }
        break;
      }
      case kJump:
      case kIf:
        return out;
      default:
        stack.clear();
        break;  // an operation we do not follow
    }
    if (code != kPush) {
      // Only a constant pushed right before an operation is known.
      if (code != kGotoFrame2 && code != kConstantPool) stack.clear();
    }
  }
  return out;
}

}  // namespace kestrova::swf
