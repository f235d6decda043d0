// AtomicFile: an output file written under a temporary name beside its
// target and renamed over it on Commit, so a failed run never leaves a
// half-written file (and keeps any previous one whole).
//
//   AtomicFile out("setup.exe");
//   out.Write(bytes, size);   // raises Error
//   out.Commit();             // without it, the partial file is removed
#pragma once

#include <cstddef>
#include <fstream>
#include <string>

namespace kestrova {

class AtomicFile {
 public:
  explicit AtomicFile(std::string path);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  void Write(const void* data, size_t size);
  void Commit();
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  std::string temp_;
  std::ofstream out_;
  bool committed_ = false;
};

}  // namespace kestrova
