// kestrova-mkswf KIND -o OUT.swf [--uncompressed] | --list
// Writes one of the small movies built in code (see --list).
#include <cstdio>
#include <string>

#include "common/atomic_file.h"
#include "common/error.h"
#include "tools/mkswf/sample_movies.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: kestrova-mkswf KIND -o OUT.swf [--uncompressed]\n"
               "       kestrova-mkswf --list\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kestrova;
  std::string kind, out;
  bool compress = true;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--list") {
      for (const auto& k : mkswf::MovieKinds()) std::printf("%-10s %s\n", k.name, k.description);
      return 0;
    }
    if (arg == "--uncompressed") {
      compress = false;
    } else if (arg == "-o" && i + 1 < argc) {
      out = argv[++i];
    } else if (!arg.empty() && arg[0] != '-' && kind.empty()) {
      kind = arg;
    } else {
      return Usage();
    }
  }
  if (kind.empty() || out.empty()) return Usage();
  const mkswf::MovieKind* movie = mkswf::FindMovieKind(kind);
  if (!movie) {
    std::fprintf(stderr, "kestrova-mkswf: unknown kind \"%s\" (see --list)\n", kind.c_str());
    return 2;
  }
  try {
    std::vector<uint8_t> bytes = movie->build(compress);
    AtomicFile file(out);  // a failed run never leaves a half-written movie
    file.Write(bytes.data(), bytes.size());
    file.Commit();
  } catch (const Error& e) {
    std::fprintf(stderr, "kestrova-mkswf: %s\n", e.what());
    return 1;
  }
  return 0;
}
