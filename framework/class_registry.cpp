#include "framework/class_registry.h"

#include <mutex>

#include "framework/text.h"

namespace kestrova::framework {
namespace {

// The process's one class table (like the system's window classes): it only
// grows, and every access holds its lock.
class Registry {
 public:
  Registry() {
    for (const ClassInfo* c : StandardClasses()) Add(*c);
  }
  void Add(const ClassInfo& cls) {
    std::lock_guard lock(mutex_);
    for (const ClassInfo* c : classes_)
      if (SameText(c->name, cls.name)) {
        if (c == &cls) return;
        throw Error("A class named " + cls.name + " is already registered");
      }
    classes_.push_back(&cls);
  }
  const ClassInfo* Find(std::string_view name) {
    std::lock_guard lock(mutex_);
    for (const ClassInfo* c : classes_)
      if (SameText(c->name, name)) return c;
    return nullptr;
  }

 private:
  std::mutex mutex_;
  std::vector<const ClassInfo*> classes_;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

void RegisterClasses(std::initializer_list<const ClassInfo*> classes) {
  for (const ClassInfo* c : classes) TheRegistry().Add(*c);
}

const ClassInfo* FindRegisteredClass(std::string_view name) { return TheRegistry().Find(name); }

}  // namespace kestrova::framework
