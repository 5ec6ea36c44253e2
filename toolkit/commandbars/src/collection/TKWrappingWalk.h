// The walk that keyboard navigation takes through a row of things: one step at
// a time in a direction, wrapping once at either end. Private.
#pragma once

/// The first index after nIndex (-1: from outside the row) in nDirection
/// (+1, -1) that `accept` takes, wrapping once; nIndex itself when the walk
/// comes back to it, -1 when a walk from outside finds nothing.
template <class TAccept>
int WalkWrapping(int nCount, int nIndex, int nDirection, TAccept accept) {
  if (nCount == 0) return -1;
  int nNext = (nIndex == -1 && nDirection < 0) ? nCount - 1 : nIndex + nDirection;
  bool bWrapped = false;
  for (;; nNext += nDirection) {
    if (nNext < 0 || nNext >= nCount) {
      // A walk from outside the row has seen it all when it runs off.
      if (nIndex == -1 || bWrapped) return -1;
      bWrapped = true;
      nNext = nNext < 0 ? nCount - 1 : 0;
    }
    if (nNext == nIndex) return nIndex;
    if (accept(nNext)) return nNext;
  }
}
