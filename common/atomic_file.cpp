#include "common/atomic_file.h"

#include "common/error.h"
#include "common/os_services.h"

namespace kestrova {

AtomicFile::AtomicFile(std::string path) : path_(std::move(path)), temp_(path_ + ".partial") {
  out_.open(temp_, std::ios::binary | std::ios::trunc);
  if (!out_) throw Error("cannot write " + os::QuotedPath(path_));
}

AtomicFile::~AtomicFile() {
  if (committed_) return;
  out_.close();
  os::RemoveFile(temp_);
}

void AtomicFile::Write(const void* data, size_t size) {
  if (!out_.write(static_cast<const char*>(data), static_cast<std::streamsize>(size)))
    throw Error("cannot write " + os::QuotedPath(path_));
}

void AtomicFile::Commit() {
  out_.close();
  if (!out_) throw Error("cannot write " + os::QuotedPath(path_));
  if (!os::RenameReplacing(temp_, path_)) throw Error("cannot replace " + os::QuotedPath(path_));
  committed_ = true;
}

}  // namespace kestrova
