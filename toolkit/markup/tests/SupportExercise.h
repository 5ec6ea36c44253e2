// What the hostile-text test and the markup fuzzer do with every text: build
// it through the real type table and, when it gives a tree, lay the tree out
// and draw it into a memory DC.
#pragma once

#include <windows.h>

#include <string>

class CTKMarkupContext;

/// The outcome of one text.
struct TK_MARKUP_EXERCISE {
  bool bBuilt = false;
  /// The builder's error when nothing was built ("No Text To Parse." for text
  /// without markup, as the context's validation says).
  std::string error;
  SIZE desired = {0, 0};  // of the root, measured in the surface's size
  RECT arranged = {0, 0, 0, 0};
};

/// Builds `text` in `pContext` without running its scripts; a tree is
/// measured and arranged in a surface of `cx` x `cy` pixels, drawn into it
/// and released.
TK_MARKUP_EXERCISE ExerciseMarkup(CTKMarkupContext* pContext, const std::wstring& text,
                                  int cx = 320, int cy = 240);
