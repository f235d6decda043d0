// One action at a time: the SWF 3/4 actions (timeline, arithmetic with
// SWF 4's coercions, strings, variables by name) and the SWF 5+ ones.
#include <cmath>
#include <limits>

#include "movie/avm1/action_codes.h"
#include "movie/avm1/interpreter.h"
#include "movie/avm1/number_text.h"
#include "movie/avm1/operators.h"
#include "movie/avm1/text_util.h"
#include "movie/swf/reader.h"

namespace kestrova::avm1 {

namespace {}  // namespace

size_t Interpreter::Step(Activation& a, uint8_t code, size_t pc, size_t next,
                         std::span<const uint8_t> body) {
  swf::Reader in(body);
  switch (code) {
    case op::kNextFrame:
      if (a.target) display_.NextFrame(a.target);
      return next;
    case op::kPrevFrame:
      if (a.target) display_.PrevFrame(a.target);
      return next;
    case op::kPlay:
      if (a.target) display_.Play(a.target);
      return next;
    case op::kStop:
      if (a.target) display_.Stop(a.target);
      return next;
    case op::kToggleQuality:
    case op::kStopSounds:
    case op::kEndDrag:
      return next;
    case op::kGotoFrame:
      if (a.target) display_.GotoFrame(a.target, Value(static_cast<double>(in.U16())), false, 0);
      return next;
    case op::kGotoLabel:
      if (a.target) display_.GotoFrame(a.target, Value(in.String()), false, 0);
      return next;
    case op::kGetUrl: {
      std::string url = in.String();
      std::string window = in.String();
      GetUrl(a, url, window);
      return next;
    }
    case op::kGetUrl2: {
      Value window = Pop();
      Value url = Pop();
      GetUrl(a, vm_.ToString(url), vm_.ToString(window));
      return next;
    }
    case op::kWaitForFrame: {
      uint16_t frame = in.U16();
      uint8_t skip = in.U8();
      if (a.target && display_.FrameLoaded(a.target, frame)) return next;
      for (uint8_t i = 0; i < skip && next < a.code.size(); ++i)
        next += a.code[next] >= 0x80 && next + 2 < a.code.size()
                    ? 3 + (a.code[next + 1] | (a.code[next + 2] << 8))
                    : 1;
      return next;
    }
    case op::kWaitForFrame2: {
      uint8_t skip = in.U8();
      Value frame = Pop();
      (void)frame;
      (void)skip;
      return next;  // every frame of a decoded movie is loaded
    }
    case op::kSetTarget: {
      std::string path = in.String();
      a.target = path.empty() ? a.base : display_.ResolveClip(a.base, path);
      return next;
    }
    case op::kSetTarget2: {
      Value t = Pop();
      if (t.IsString() && t.string().empty())
        a.target = a.base;
      else
        a.target = ResolveTarget(a, t);
      return next;
    }
    case op::kConstantPool: {
      auto pool = std::make_shared<std::vector<Value>>();
      uint16_t count = in.U16();
      for (uint16_t i = 0; i < count && !in.AtEnd(); ++i) pool->emplace_back(in.String());
      a.pool = pool;
      return next;
    }
    case op::kPush:
      PushValues(a, pc, body);
      return next;
    case op::kJump: {
      int16_t offset = static_cast<int16_t>(in.U16());
      return static_cast<size_t>(static_cast<std::ptrdiff_t>(next) + offset);
    }
    case op::kIf: {
      int16_t offset = static_cast<int16_t>(in.U16());
      if (vm_.ToBoolean(Pop()))
        return static_cast<size_t>(static_cast<std::ptrdiff_t>(next) + offset);
      return next;
    }
    case op::kGotoFrame2: {
      uint8_t flags = in.U8();
      int bias = (flags & 2) ? in.U16() : 0;
      GotoFrame2(a, flags, bias);
      return next;
    }
    case op::kCall: {
      Value frame = Pop();
      (void)frame;  // frame scripts called by number: not kept apart from their frame
      return next;
    }
    case op::kStoreRegister: {
      uint8_t r = in.U8();
      if (r < a.registers.size()) a.registers[r] = Top();
      return next;
    }
    case op::kDefineFunction:
    case op::kDefineFunction2: {
      size_t codeSize = 0;
      Value fn = DefineFunction(a, body, code == op::kDefineFunction2, next, codeSize);
      if (!fn.IsUndefined()) Push(fn);
      return next + codeSize;
    }
    case op::kWith:
      return With(a, body, next);
    case op::kTry:
      return Try(a, body, next);
    default:
      break;
  }
  if (code < 0x3A) return StepSwf4(a, code), next;
  return StepSwf5(a, code), next;
}

void Interpreter::StepSwf4(Activation& a, uint8_t code) {
  switch (code) {
    case op::kAdd:
    case op::kSubtract:
    case op::kMultiply:
    case op::kDivide: {
      Value vb = Pop(), vx = Pop();
      double x = vm_.ToNumber(vx), b = vm_.ToNumber(vb);
      if (code == op::kAdd) Push(x + b);
      if (code == op::kSubtract) Push(x - b);
      if (code == op::kMultiply) Push(x * b);
      if (code == op::kDivide) {
        if (b == 0 && a.version < 5)
          Push(Value("#ERROR#"));
        else
          Push(x / b);
      }
      break;
    }
    case op::kEquals: {
      Value vb = Pop(), vx = Pop();
      double x = vm_.ToNumber(vx), b = vm_.ToNumber(vb);
      Push(Value(x == b));
      break;
    }
    case op::kLess: {
      Value vb = Pop(), vx = Pop();
      double x = vm_.ToNumber(vx), b = vm_.ToNumber(vb);
      Push(Value(x < b));
      break;
    }
    case op::kAnd: {
      Value vb = Pop(), vx = Pop();
      Push(Value(vm_.ToBoolean(vx) && vm_.ToBoolean(vb)));
      break;
    }
    case op::kOr: {
      Value vb = Pop(), vx = Pop();
      Push(Value(vm_.ToBoolean(vx) || vm_.ToBoolean(vb)));
      break;
    }
    case op::kNot:
      Push(Value(!vm_.ToBoolean(Pop())));
      break;
    case op::kStringEquals: {
      Value vb = Pop(), vx = Pop();
      std::string x = vm_.ToString(vx), b = vm_.ToString(vb);
      Push(Value(x == b));
      break;
    }
    case op::kStringLess: {
      Value vb = Pop(), vx = Pop();
      std::string x = vm_.ToString(vx), b = vm_.ToString(vb);
      Push(Value(x < b));
      break;
    }
    case op::kStringLength:
      Push(static_cast<double>(vm_.ToString(Pop()).size()));
      break;
    case op::kMbStringLength:
      Push(static_cast<double>(Utf8Length(vm_.ToString(Pop()))));
      break;
    case op::kStringExtract:
    case op::kMbStringExtract: {
      Value vc = Pop(), vi = Pop(), vs = Pop();
      std::string s = vm_.ToString(vs);
      double index = vm_.ToInteger(vi), count = vm_.ToInteger(vc);
      Push(Value(Extract(s, index - 1, count, code == op::kMbStringExtract)));
      break;
    }
    case op::kStringAdd: {
      Value vb = Pop(), vx = Pop();
      std::string x = vm_.ToString(vx);
      Push(Value(x + vm_.ToString(vb)));
      break;
    }
    case op::kPop:
      Pop();
      break;
    case op::kToInteger:
      Push(vm_.ToInteger(Pop()));
      break;
    case op::kGetVariable: {
      Value name = Pop();
      std::string scratch;
      Value v = GetVariable(a, NameText(name, scratch));
      // SWF 4 has no clip values: a name or path that reaches a clip reads as undefined.
      if (a.version < 5 && IsDisplayObject(v.object())) v = Value();
      Push(std::move(v));
      break;
    }
    case op::kSetVariable: {
      Value v = Pop();
      Value name = Pop();
      std::string scratch;
      SetVariable(a, NameText(name, scratch), v);
      break;
    }
    case op::kGetProperty: {
      double index = vm_.ToNumber(Pop());
      Value target = Pop();
      Object* clip =
          target.IsString() && target.string().empty() ? a.target : ResolveTarget(a, target);
      Push(clip && index >= 0 && index < 22 ? display_.GetProperty(clip, static_cast<int>(index))
                                            : Value());
      break;
    }
    case op::kSetProperty: {
      Value v = Pop();
      double index = vm_.ToNumber(Pop());
      Value target = Pop();
      Object* clip =
          target.IsString() && target.string().empty() ? a.target : ResolveTarget(a, target);
      if (clip && index >= 0 && index < 22) display_.SetProperty(clip, static_cast<int>(index), v);
      break;
    }
    case op::kCloneSprite: {
      double depth = vm_.ToNumber(Pop());
      std::string name = vm_.ToString(Pop());
      Object* source = ResolveTarget(a, Pop());
      if (source && std::isfinite(depth))
        display_.Duplicate(source, name, static_cast<int>(depth) - 16384);
      break;
    }
    case op::kRemoveSprite: {
      Object* clip = ResolveTarget(a, Pop());
      if (clip) display_.Remove(clip);
      break;
    }
    case op::kTrace: {
      Value v = Pop();
      vm_.Host().Trace(v.IsUndefined() ? "undefined" : vm_.ToString(v));
      break;
    }
    case op::kStartDrag: {
      Pop();
      bool constrain = vm_.ToBoolean(Pop());
      Pop();
      if (constrain) {
        for (int i = 0; i < 4; ++i) Pop();
      }
      break;
    }
    case op::kThrow:
      throw ScriptThrow{Pop()};
    case op::kCastOp: {
      Value object = Pop();
      Value ctor = Pop();
      Push(vm_.InstanceOf(object, ctor.object()) ? object : Value::Null());
      break;
    }
    case op::kImplementsOp: {
      Value ctor = Pop();
      Args interfaces = PopArgs();
      Object* c = ctor.object();
      Object* proto = c ? vm_.GetOf(c, "prototype", ctor).object() : nullptr;
      if (proto)
        for (const Value& i : interfaces)
          if (i.object()) proto->interfaces.push_back(i.object());
      break;
    }
    case op::kRandomNumber: {
      double max = vm_.ToInteger(Pop());
      Push(max > 0 ? std::floor(vm_.Random() * max) : 0.0);
      break;
    }
    case op::kCharToAscii:
    case op::kMbCharToAscii: {
      std::string s = vm_.ToString(Pop());
      if (code == op::kMbCharToAscii)
        Push(s.empty() ? 0.0 : static_cast<double>(Utf8CodeAt(s, 0)));
      else
        Push(s.empty() ? 0.0 : static_cast<double>(static_cast<unsigned char>(s[0])));
      break;
    }
    case op::kAsciiToChar:
    case op::kMbAsciiToChar: {
      double n = vm_.ToInteger(Pop());
      uint32_t cp = static_cast<uint32_t>(static_cast<int64_t>(n) & 0xFFFF);
      if (code == op::kAsciiToChar && a.version < 6)
        Push(Value(std::string(1, static_cast<char>(cp & 0xFF))));
      else
        Push(Value(cp ? Utf8Encode(cp) : std::string()));
      break;
    }
    case op::kGetTime:
      Push(std::floor(vm_.Host().Milliseconds()));
      break;
    default:
      vm_.Host().Warn("unknown action 0x" + std::string(1, "0123456789abcdef"[code >> 4]) +
                      std::string(1, "0123456789abcdef"[code & 15]));
      break;
  }
}

}  // namespace kestrova::avm1
