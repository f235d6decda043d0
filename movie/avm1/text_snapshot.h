// TextSnapshot: the static text (DefineText) a clip shows, read by
// scripts through `new TextSnapshot(clip)` or clip.getTextSnapshot().
#pragma once

#include <functional>
#include <string>

#include "movie/avm1/vm.h"
#include "movie/player/clip.h"

namespace kestrova::avm1 {

// The characters of the clip's static texts, in depth order (UTF-8).
std::string StaticTextOf(const swf::Movie& movie, const movie::Clip& clip);

// The class, and getTextSnapshot on `movieClipProto`; `textOf` gives the
// static text of a movie clip object ("" for anything else).
void InstallTextSnapshot(Vm& vm, Object* movieClipProto,
                         std::function<std::string(Object*)> textOf);

}  // namespace kestrova::avm1
