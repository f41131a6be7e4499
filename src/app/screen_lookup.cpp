#include "app/screen_lookup.h"

#include <utility>

namespace {
ScreenLookup& installed() {
    static ScreenLookup lookup;
    return lookup;
}
}  // namespace

void SetScreenLookup(ScreenLookup lookup) { installed() = std::move(lookup); }

Screen* ScreenNumber(int number) {
    const ScreenLookup& lookup = installed();
    return lookup ? lookup(number) : nullptr;
}
