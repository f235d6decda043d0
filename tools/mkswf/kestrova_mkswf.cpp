// kestrova-mkswf KIND -o OUT.swf [--uncompressed] | --list
// Writes one of the small movies built in code (see --list).
#include <cstdio>
#include <string>

#include "common/atomic_file.h"
#include "tools/cli/command_line.h"
#include "tools/mkswf/sample_movies.h"

namespace {

constexpr const char* kDescription =
    "Writes one of the small movies built in code, or lists them:\n"
    "  kestrova-mkswf KIND -o OUT.swf [--uncompressed]\n"
    "  kestrova-mkswf --list";

struct Options {
  std::string kind, out;
  bool uncompressed = false, list = false;
};

int Write(const Options& o) {
  using namespace kestrova;
  if (o.list) {
    for (const auto& k : mkswf::MovieKinds()) std::printf("%-10s %s\n", k.name, k.description);
    return 0;
  }
  if (o.kind.empty()) cli::Require("KIND");
  if (o.out.empty()) cli::Require("-o");
  const mkswf::MovieKind* movie = mkswf::FindMovieKind(o.kind);
  if (!movie) throw CLI::ValidationError("unknown kind \"" + o.kind + "\" (see --list)");
  std::vector<uint8_t> bytes = movie->build(!o.uncompressed);
  AtomicFile file(o.out);  // a failed run never leaves a half-written movie
  file.Write(bytes.data(), bytes.size());
  file.Commit();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app(kDescription, "kestrova-mkswf");
  Options o;
  auto* list = app.add_flag("--list", o.list, "list the kinds of movie, one a line");
  app.add_option("KIND", o.kind, "the kind of movie (see --list)")->type_name("")->excludes(list);
  app.add_option("-o,--output", o.out, "the movie file to write")->type_name("FILE");
  app.add_flag("--uncompressed", o.uncompressed, "write FWS rather than zlib-compressed CWS");
  return kestrova::cli::Run(app, argc, argv, [&] { return Write(o); });
}
