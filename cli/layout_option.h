// The --layout option: the user's own distances and loads of the shafts' sketch layout.
#pragma once

#include <string_view>

#include "engine/shafts.h"

namespace gearpair {

// "input.span=180;output.load=0;kb=1,4": items separated by ";", each a name and a number with
// the decimal comma. Names: input. or output. followed by end (from the end load to support 1,
// mm), span (between the supports, mm), gear (from the support to the gear, mm) or load (the
// end's radial load, N); kb, the bearings' load factor. Throws UsageError naming the item.
ShaftsOptions ParseLayoutOption(std::string_view text);

}  // namespace gearpair
