// ClassBuilder<T>: declares a class's published properties, in the order a
// stored design lists them. Used once per class, in its StaticClass():
//
//   const ClassInfo& TLabel::StaticClass() {
//     static const ClassInfo info = ClassBuilder<TLabel>("TLabel", &TGraphicControl::StaticClass())
//         .Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent, false)
//         .Event("OnClick", &TLabel::OnClick)
//         .Build();
//     return info;
//   }
#pragma once

#include <concepts>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "framework/events.h"
#include "framework/persistent.h"
#include "framework/sets.h"

namespace kestrova::framework {

template <class T>
class ClassBuilder {
 public:
  ClassBuilder(std::string name, const ClassInfo* parent) {
    info_.name = std::move(name);
    info_.parent = parent;
    if constexpr (std::is_constructible_v<T, TComponent*> && !std::is_abstract_v<T>)
      info_.create = [](TComponent* owner) -> TComponent* { return new T(owner); };
  }

  template <class G, class S>
  ClassBuilder& Integer(std::string name, G get, S set, std::optional<int64_t> def = std::nullopt,
                        std::vector<std::pair<std::string, int64_t>> names = {}) {
    PropertyInfo& p = Add(std::move(name), PropertyKind::Integer, def);
    p.integer_names = std::move(names);
    Ordinal<int>(p, get, set);
    return *this;
  }
  template <class G, class S>
  ClassBuilder& Boolean(std::string name, G get, S set, std::optional<bool> def = std::nullopt) {
    PropertyInfo& p = Add(std::move(name), PropertyKind::Boolean,
                          def ? std::optional<int64_t>(*def) : std::nullopt);
    Ordinal<bool>(p, get, set);
    return *this;
  }
  template <class E, class G, class S>
  ClassBuilder& Enumeration(std::string name, G get, S set, std::vector<std::string> names,
                            std::optional<E> def = std::nullopt) {
    PropertyInfo& p = Add(std::move(name), PropertyKind::Enumeration,
                          def ? std::optional<int64_t>(int64_t(*def)) : std::nullopt);
    p.value_names = std::move(names);
    Ordinal<E>(p, get, set);
    return *this;
  }
  template <class E, class G, class S>
  ClassBuilder& Set(std::string name, G get, S set, std::vector<std::string> names,
                    std::optional<SetOf<E>> def = std::nullopt) {
    PropertyInfo& p = Add(std::move(name), PropertyKind::Set,
                          def ? std::optional<int64_t>(def->Bits()) : std::nullopt);
    p.value_names = std::move(names);
    p.get_ordinal = [get](const TPersistent& o) {
      return int64_t(std::invoke(get, Self(o)).Bits());
    };
    p.set_ordinal = [set](TPersistent& o, int64_t v) {
      std::invoke(set, Self(o), SetOf<E>::FromBits(uint32_t(v)));
    };
    return *this;
  }
  template <class G, class S>
  ClassBuilder& Color(std::string name, G get, S set, std::optional<uint32_t> def = std::nullopt) {
    PropertyInfo& p = Add(std::move(name), PropertyKind::Color,
                          def ? std::optional<int64_t>(*def) : std::nullopt);
    Ordinal<uint32_t>(p, get, set);
    return *this;
  }
  template <class G, class S>
  ClassBuilder& String(std::string name, G get, S set) {
    PropertyInfo& p = Add(std::move(name), PropertyKind::String, std::nullopt);
    p.get_string = [get](const TPersistent& o) { return std::string(std::invoke(get, Self(o))); };
    p.set_string = [set](TPersistent& o, const std::string& v) { std::invoke(set, Self(o), v); };
    return *this;
  }
  template <class G, class S>
  ClassBuilder& Binary(std::string name, G get, S set) {
    PropertyInfo& p = Add(std::move(name), PropertyKind::Binary, std::nullopt);
    p.get_binary = [get](const TPersistent& o) {
      return std::vector<uint8_t>(std::invoke(get, Self(o)));
    };
    p.set_binary = [set](TPersistent& o, const std::vector<uint8_t>& v) {
      std::invoke(set, Self(o), v);
    };
    return *this;
  }
  // A sub-object the class owns (TFont, TBitmap, TSizeConstraints): the design
  // sets its properties with dotted names.
  template <class G>
  ClassBuilder& Object(std::string name, G get) {
    PropertyInfo& p = Add(std::move(name), PropertyKind::Object, std::nullopt);
    p.get_object = [get](TPersistent& o) -> TPersistent* { return &std::invoke(get, Self(o)); };
    return *this;
  }
  template <class G>
  ClassBuilder& Collection(std::string name, G get) {
    PropertyInfo& p = Add(std::move(name), PropertyKind::Collection, std::nullopt);
    p.get_object = [get](TPersistent& o) -> TPersistent* { return &std::invoke(get, Self(o)); };
    return *this;
  }
  template <class C, class G, class S>
  ClassBuilder& Component(std::string name, G get, S set) {
    PropertyInfo& p = Add(std::move(name), PropertyKind::Component, std::nullopt);
    p.get_component = [get](const TPersistent& o) -> TComponent* {
      return std::invoke(get, Self(o));
    };
    p.set_component = [set](TPersistent& o, TComponent* c) {
      C* typed = dynamic_cast<C*>(c);
      if (c && !typed) return false;
      std::invoke(set, Self(o), typed);
      return true;
    };
    return *this;
  }
  template <class... A>
  ClassBuilder& Event(std::string name, TEvent<A...> T::*member) {
    PropertyInfo& p = Add(std::move(name), PropertyKind::Event, std::nullopt);
    p.set_event = [member](TPersistent& o, const std::string& handler_name, const std::any& h) {
      auto* fn = std::any_cast<typename TEvent<A...>::Handler>(&h);
      if (!fn) return false;
      (Self(o).*member).Bind(handler_name, *fn);
      return true;
    };
    p.get_event_name = [member](const TPersistent& o) { return (Self(o).*member).HandlerName(); };
    return *this;
  }
  // An event that lives in another object (a part the class owns):
  //   .EventAccessor<TNotifyEvent>("OnTitleBarCustomBtnsClick",
  //       [](TsuiForm& f) -> TNotifyEvent& { return f.TitleBar().OnCustomBtnsClick; })
  template <class E, class G>
  ClassBuilder& EventAccessor(std::string name, G get) {
    PropertyInfo& p = Add(std::move(name), PropertyKind::Event, std::nullopt);
    p.set_event = [get](TPersistent& o, const std::string& handler_name, const std::any& h) {
      auto* fn = std::any_cast<typename E::Handler>(&h);
      if (!fn) return false;
      E& event = std::invoke(get, Self(o));
      event.Bind(handler_name, *fn);
      return true;
    };
    p.get_event_name = [get](const TPersistent& o) {
      E& event = std::invoke(get, const_cast<T&>(Self(o)));
      return event.HandlerName();
    };
    return *this;
  }
  // Whether the last declared property is written to a design.
  ClassBuilder& StoredWhen(std::function<bool(const T&)> stored) {
    info_.properties.back().stored = [stored](const TPersistent& o) { return stored(Self(o)); };
    return *this;
  }

  ClassInfo Build() { return std::move(info_); }

 private:
  static T& Self(TPersistent& o) { return static_cast<T&>(o); }
  static const T& Self(const TPersistent& o) { return static_cast<const T&>(o); }

  PropertyInfo& Add(std::string name, PropertyKind kind, std::optional<int64_t> def) {
    PropertyInfo p;
    p.name = std::move(name);
    p.kind = kind;
    p.default_value = def;
    info_.properties.push_back(std::move(p));
    return info_.properties.back();
  }
  template <class V, class G, class S>
  static void Ordinal(PropertyInfo& p, G get, S set) {
    p.get_ordinal = [get](const TPersistent& o) { return int64_t(std::invoke(get, Self(o))); };
    p.set_ordinal = [set](TPersistent& o, int64_t v) {
      std::invoke(set, Self(o), static_cast<V>(v));
    };
  }

  ClassInfo info_;
};

}  // namespace kestrova::framework
