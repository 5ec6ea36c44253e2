// Text helpers for tests of foundation and the layers above it (they need
// the foundation library, which those tests link): short ways to make and
// read CTesselString values; TextConversion.h (included) has the rest, such
// as TesselFromWide for a wide CTesselString.
#pragma once

#include <string>

#include "foundation/TesselString.h"
#include "foundation/TextConversion.h"

/// The text as CTesselString::GetText gives it (a wide string comes back as
/// folded UTF-8), read from a copy, so the caller's string keeps its width.
inline std::string TextOf(CTesselString text) {
  return text.IsEmpty() ? std::string() : std::string(text.GetText());
}

/// A narrow CTesselString holding `text` (up to its first NUL).
inline CTesselString TesselOf(const std::string& text) { return CTesselString(text.c_str()); }
