#include "framework/stored_design.h"

#include <map>

#include "framework/class_registry.h"
#include "framework/collection.h"
#include "framework/colors.h"
#include "framework/control.h"
#include "framework/text.h"
#include "framework/win_control.h"

namespace kestrova::framework {
namespace {

using Kind = DesignValue::Kind;

class Reader {
 public:
  Reader(TComponent& root, std::string source) : root_(root), source_(std::move(source)) {}

  void Read(const DesignObject& tree) {
    root_.BeginLoading();
    loaded_.push_back(&root_);
    try {
      if (!tree.name.empty()) root_.SetName(tree.name);
      ApplyAll(root_, tree.properties);
      for (const DesignObject& child : tree.children)
        ReadObject(child, dynamic_cast<TWinControl*>(&root_), nullptr);
      ResolveReferences();
    } catch (...) {
      for (TComponent* c : loaded_) c->Loaded();
      throw;
    }
    for (TComponent* c : loaded_) c->Loaded();
  }

 private:
  struct Reference {
    TPersistent* target;
    const PropertyInfo* property;
    std::string name;
    int line;
    std::string path;
  };

  [[noreturn]] void Fail(int line, const std::string& what) const {
    throw DesignError(source_ + " line " + std::to_string(line) + ": " + what);
  }
  [[noreturn]] void FailProperty(int line, const std::string& path, const std::string& what) const {
    Fail(line, "property " + path + ": " + what);
  }

  const ClassInfo* FindClass(const std::string& name) const {
    if (const PublishedMembers* m = root_.Published())
      if (const ClassInfo* c = m->FindClass(name)) return c;
    return FindRegisteredClass(name);
  }

  // `parent`: the enclosing windowed control; `container`: the enclosing
  // component when that is no control (a menu and its items).
  void ReadObject(const DesignObject& o, TWinControl* parent, TComponent* container) {
    TComponent* c = root_.FindComponent(o.name);
    if (!c) {
      const ClassInfo* cls = FindClass(o.class_name);
      if (!cls || !cls->create) Fail(o.line, "class " + o.class_name + " not found");
      try {
        c = cls->create(&root_);
      } catch (const std::exception& e) {
        Fail(o.line, "creating " + o.name + ": " + e.what());
      }
    }
    c->BeginLoading();
    loaded_.push_back(c);
    try {
      c->SetName(o.name);
    } catch (const std::exception& e) {
      Fail(o.line, e.what());
    }
    if (PublishedMembers* m = const_cast<PublishedMembers*>(root_.Published()))
      if (auto* field = m->FindField(o.name); field && !field->bind(c))
        Fail(o.line, "field " + o.name + " does not fit class " + o.class_name);
    auto* control = dynamic_cast<TControl*>(c);
    if (container && !container->AcceptDesignChild(c))
      Fail(o.line, container->ClassName() + " holds no " + o.class_name);
    if (control && parent && !container) control->SetParent(parent);
    ApplyAll(*c, o.properties);
    auto* windowed = dynamic_cast<TWinControl*>(c);
    for (const DesignObject& child : o.children)
      ReadObject(child, windowed ? windowed : parent, control ? nullptr : c);
  }

  void ApplyAll(TPersistent& target, const std::vector<DesignProperty>& properties) {
    for (const DesignProperty& p : properties) Apply(target, p.name, p.value, p.line);
  }

  void Apply(TPersistent& start, const std::string& path, const DesignValue& v, int line) {
    TPersistent* target = &start;
    size_t from = 0;
    while (true) {
      size_t dot = path.find('.', from);
      std::string part = path.substr(from, dot == std::string::npos ? dot : dot - from);
      const PropertyInfo* p = target->Class().Find(part);
      if (!p) FailProperty(line, path, target->ClassName() + " has no such property");
      if (dot == std::string::npos) {
        try {
          Set(*target, *p, v, line, path);
        } catch (const DesignError&) {
          throw;
        } catch (const std::exception& e) {
          FailProperty(line, path, e.what());
        }
        return;
      }
      if (p->kind != PropertyKind::Object) FailProperty(line, path, part + " has no properties");
      target = p->get_object(*target);
      from = dot + 1;
    }
  }

  int64_t Ordinal(const PropertyInfo& p, const DesignValue& v, int line, const std::string& path) {
    switch (p.kind) {
      case PropertyKind::Integer:
        if (v.kind == Kind::Integer) return v.integer;
        if (v.kind == Kind::Identifier)
          for (const auto& [name, value] : p.integer_names)
            if (SameText(name, v.text)) return value;
        FailProperty(line, path, "invalid value");
      case PropertyKind::Boolean:
        if (v.kind == Kind::Identifier && SameText(v.text, "True")) return 1;
        if (v.kind == Kind::Identifier && SameText(v.text, "False")) return 0;
        FailProperty(line, path, "invalid value");
      case PropertyKind::Enumeration:
        if (v.kind == Kind::Identifier)
          for (size_t i = 0; i < p.value_names.size(); ++i)
            if (SameText(p.value_names[i], v.text)) return int64_t(i);
        FailProperty(line, path, "invalid value " + (v.kind == Kind::Identifier ? v.text : ""));
      case PropertyKind::Set: {
        if (v.kind != Kind::Set) FailProperty(line, path, "invalid value");
        int64_t bits = 0;
        for (const std::string& name : v.names) {
          size_t i = 0;
          while (i < p.value_names.size() && !SameText(p.value_names[i], name)) ++i;
          if (i == p.value_names.size()) FailProperty(line, path, "invalid set element " + name);
          bits |= int64_t(1) << i;
        }
        return bits;
      }
      case PropertyKind::Color:
        if (v.kind == Kind::Integer) return int64_t(uint32_t(v.integer));
        if (v.kind == Kind::Identifier)
          if (auto c = ColorFromName(v.text)) return *c;
        FailProperty(line, path, "invalid colour");
      default:
        FailProperty(line, path, "invalid value");
    }
    return 0;
  }

  void Set(TPersistent& target, const PropertyInfo& p, const DesignValue& v, int line,
           const std::string& path) {
    switch (p.kind) {
      case PropertyKind::String:
        if (v.kind != Kind::String) FailProperty(line, path, "string expected");
        return p.set_string(target, v.text);
      case PropertyKind::Binary:
        if (v.kind != Kind::Binary) FailProperty(line, path, "binary data expected");
        return p.set_binary(target, v.bytes);
      case PropertyKind::Object:
        FailProperty(line, path, "an object takes its properties one by one");
      case PropertyKind::Collection: {
        if (v.kind != Kind::Collection) FailProperty(line, path, "collection expected");
        auto* collection = dynamic_cast<TCollection*>(p.get_object(target));
        collection->Clear();
        for (const DesignItem& item : v.items) {
          TCollectionItem* added = collection->AddItem();
          for (const DesignProperty& q : item.properties) Apply(*added, q.name, q.value, q.line);
        }
        return;
      }
      case PropertyKind::Component:
        if (v.kind != Kind::Identifier) FailProperty(line, path, "component name expected");
        if (SameText(v.text, "nil")) return (void)p.set_component(target, nullptr);
        references_.push_back({&target, &p, v.text, line, path});
        return;
      case PropertyKind::Event: {
        if (v.kind != Kind::Identifier) FailProperty(line, path, "handler name expected");
        const PublishedMembers* m = root_.Published();
        const std::any* handler = m ? m->FindHandler(v.text) : nullptr;
        if (!handler)
          FailProperty(line, path, root_.ClassName() + " publishes no handler " + v.text);
        if (!p.set_event(target, v.text, *handler))
          FailProperty(line, path, "handler " + v.text + " does not fit the event");
        return;
      }
      default:
        p.set_ordinal(target, Ordinal(p, v, line, path));
    }
  }

  // A name, or Form.Name for a component of another form of the application.
  TComponent* FindReferenced(const std::string& name) const {
    size_t dot = name.find('.');
    if (dot == std::string::npos)
      return SameText(name, root_.Name()) ? &root_ : root_.FindComponent(name);
    std::string form = name.substr(0, dot), member = name.substr(dot + 1);
    TComponent* other = SameText(form, root_.Name()) ? &root_ : nullptr;
    if (!other && root_.Owner()) other = root_.Owner()->FindComponent(form);
    return other ? other->FindComponent(member) : nullptr;
  }

  void ResolveReferences() {
    for (const Reference& r : references_) {
      TComponent* c = FindReferenced(r.name);
      if (!c) FailProperty(r.line, r.path, "no component named " + r.name);
      bool fits;
      try {
        fits = r.property->set_component(*r.target, c);
      } catch (const std::exception& e) {
        FailProperty(r.line, r.path, e.what());
      }
      if (!fits)
        FailProperty(r.line, r.path, r.name + " is a " + c->ClassName() + ", which does not fit");
    }
  }

  TComponent& root_;
  std::string source_;
  std::vector<TComponent*> loaded_;
  std::vector<Reference> references_;
};

class Capturer {
 public:
  explicit Capturer(const TComponent& root) : root_(root) {}

  DesignObject Root() {
    DesignObject o{root_.Name(), root_.ClassName(), {}, {}, 0};
    Properties(root_, "", o.properties);
    Children(&root_, o.children);
    return o;
  }

 private:
  // Children of `parent` in the design: controls whose parent it is, the
  // components it holds as items, and for the root every other component.
  void Children(const TComponent* parent, std::vector<DesignObject>& out) {
    if (parent == &root_)
      for (TComponent* c : root_.Components())
        for (TComponent* item : c->DesignChildren()) holder_[item] = c;
    for (TComponent* c : Members(parent)) {
      DesignObject o{c->Name(), c->ClassName(), {}, {}, 0};
      Properties(*c, "", o.properties);
      Children(c, o.children);
      out.push_back(std::move(o));
    }
  }

  // The items `parent` holds in its own order (a menu's items as the menu
  // shows them), then the other components whose design parent it is.
  std::vector<TComponent*> Members(const TComponent* parent) const {
    std::vector<TComponent*> members;
    if (parent != &root_)
      for (TComponent* item : parent->DesignChildren())
        if (item->Owner() == &root_) members.push_back(item);
    for (TComponent* c : root_.Components())
      if (DesignParent(c) == parent && !holder_.count(c)) members.push_back(c);
    return members;
  }

  const TComponent* DesignParent(TComponent* c) const {
    if (auto it = holder_.find(c); it != holder_.end()) return it->second;
    auto* control = dynamic_cast<TControl*>(c);
    return control && control->Parent() && control->Parent() != &root_ ? control->Parent() : &root_;
  }

  static DesignValue Identifier(std::string text) {
    DesignValue v;
    v.kind = Kind::Identifier;
    v.text = std::move(text);
    return v;
  }

  void Properties(const TPersistent& object, const std::string& prefix,
                  std::vector<DesignProperty>& out) {
    auto& mutable_object = const_cast<TPersistent&>(object);
    for (const PropertyInfo* p : object.Class().All()) {
      if (p->stored && !p->stored(object)) continue;
      std::string name = prefix + p->name;
      DesignValue v;
      switch (p->kind) {
        case PropertyKind::Object:
          Properties(*p->get_object(mutable_object), name + ".", out);
          continue;
        case PropertyKind::Collection: {
          auto* collection = dynamic_cast<TCollection*>(p->get_object(mutable_object));
          if (!collection->Count()) continue;
          v.kind = Kind::Collection;
          for (int i = 0; i < collection->Count(); ++i) {
            DesignItem item;
            Properties(*collection->Item(i), "", item.properties);
            v.items.push_back(std::move(item));
          }
          break;
        }
        case PropertyKind::String:
          v.kind = Kind::String;
          v.text = p->get_string(object);
          break;
        case PropertyKind::Binary:
          v.kind = Kind::Binary;
          v.bytes = p->get_binary(object);
          if (v.bytes.empty()) continue;
          break;
        case PropertyKind::Component: {
          TComponent* c = p->get_component(object);
          if (!c || c->Name().empty()) continue;
          // A component of another form is named with its form.
          if (c != &root_ && c->Owner() && c->Owner() != &root_)
            v = Identifier(c->Owner()->Name() + "." + c->Name());
          else
            v = Identifier(c->Name());
          break;
        }
        case PropertyKind::Event:
          if (p->get_event_name(object).empty()) continue;
          v = Identifier(p->get_event_name(object));
          break;
        default:
          if (!Ordinal(*p, p->get_ordinal(object), v)) continue;
      }
      out.push_back({name, std::move(v), 0});
    }
  }

  static bool Ordinal(const PropertyInfo& p, int64_t value, DesignValue& v) {
    if (p.default_value && *p.default_value == value) return false;
    switch (p.kind) {
      case PropertyKind::Boolean:
        v = Identifier(value ? "True" : "False");
        return true;
      case PropertyKind::Enumeration:
        if (value >= 0 && value < int64_t(p.value_names.size())) {
          v = Identifier(p.value_names[size_t(value)]);
          return true;
        }
        break;
      case PropertyKind::Set:
        v.kind = Kind::Set;
        for (size_t i = 0; i < p.value_names.size(); ++i)
          if (value & (int64_t(1) << i)) v.names.push_back(p.value_names[i]);
        return true;
      case PropertyKind::Color:
        if (std::string name = ColorName(TColor(value)); !name.empty()) {
          v = Identifier(name);
          return true;
        }
        break;
      case PropertyKind::Integer:
        for (const auto& [name, n] : p.integer_names)
          if (n == value) {
            v = Identifier(name);
            return true;
          }
        break;
      default:
        break;
    }
    v.kind = Kind::Integer;
    v.integer = p.kind == PropertyKind::Color ? int64_t(uint32_t(value)) : value;
    return true;
  }

  const TComponent& root_;
  std::map<const TComponent*, const TComponent*> holder_;
};

}  // namespace

void ReadDesign(TComponent& root, std::string_view text, std::string_view source) {
  DesignObject tree;
  try {
    tree = ParseDesign(text);
  } catch (const DesignError& e) {
    throw DesignError(std::string(source) + " " + e.what());
  }
  Reader(root, std::string(source)).Read(tree);
}

void ReadDesignResource(TComponent& root, std::string_view resource_name, HMODULE module) {
  if (!module) module = GetModuleHandleW(nullptr);
  std::wstring wide = Widen(resource_name);
  HRSRC res = FindResourceW(module, wide.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  HGLOBAL data = res ? LoadResource(module, res) : nullptr;
  const char* bytes = data ? static_cast<const char*>(LockResource(data)) : nullptr;
  if (!bytes) throw DesignError("Resource " + std::string(resource_name) + " not found");
  ReadDesign(root, std::string_view(bytes, SizeofResource(module, res)), resource_name);
}

DesignObject CaptureDesign(const TComponent& root) { return Capturer(root).Root(); }

std::string WriteDesign(const TComponent& root) { return FormatDesign(CaptureDesign(root)); }

}  // namespace kestrova::framework
