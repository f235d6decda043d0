#include "saver/saver_command.h"

#include <cctype>
#include <limits>

namespace kestrova::saver {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view SkipSpaces(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  return text;
}

SaverMode ModeOfLetter(char letter) {
  switch (std::tolower(static_cast<unsigned char>(letter))) {
    case 's':
      return SaverMode::FullScreen;
    case 'p':
      return SaverMode::Preview;
    case 'c':
      return SaverMode::Settings;
    case 'a':
      return SaverMode::Password;
    default:
      return SaverMode::None;
  }
}

// A decimal window handle; 0 when there is none or it is not a number.
uint64_t ReadWindow(std::string_view text) {
  if (!text.empty() && text.front() == ':') text.remove_prefix(1);
  text = SkipSpaces(text);
  uint64_t value = 0;
  size_t digits = 0;
  for (; digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits])); ++digits) {
    unsigned d = static_cast<unsigned>(text[digits] - '0');
    if (value > (std::numeric_limits<uint64_t>::max() - d) / 10) return 0;
    value = value * 10 + d;
  }
  if (digits < text.size() && !IsSpace(text[digits])) return 0;
  return value;
}

}  // namespace

SaverCommand ParseSaverCommand(std::string_view arguments) {
  arguments = SkipSpaces(arguments);
  if (arguments.empty()) return {SaverMode::Settings, 0};
  if (arguments.size() < 2 || (arguments[0] != '/' && arguments[0] != '-')) return {};
  SaverCommand command{ModeOfLetter(arguments[1]), 0};
  std::string_view rest = arguments.substr(2);
  if (!rest.empty() && rest.front() != ':' && !IsSpace(rest.front())) return {};  // "/save"
  command.window = ReadWindow(rest);
  if (command.mode == SaverMode::Preview && command.window == 0) return {};
  return command;
}

}  // namespace kestrova::saver
