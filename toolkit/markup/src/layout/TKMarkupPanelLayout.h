// Arithmetic shared by the panels' layouts: extents are ints, and a sum that
// would leave the int range means "unlimited".
#pragma once

#include <climits>

/// Adds two extents (or an extent and an offset); a sum at or past INT_MAX
/// stays at INT_MAX, and one below INT_MIN at INT_MIN.
inline int AddMarkupExtents(int nFirst, int nSecond) {
  const long long nSum = static_cast<long long>(nFirst) + nSecond;
  if (nSum >= INT_MAX) return INT_MAX;
  if (nSum <= INT_MIN) return INT_MIN;
  return static_cast<int>(nSum);
}

/// An extent times a count, limited like a sum.
inline int MultiplyMarkupExtent(int nExtent, int nCount) {
  const long long nProduct = static_cast<long long>(nExtent) * nCount;
  if (nProduct >= INT_MAX) return INT_MAX;
  if (nProduct <= INT_MIN) return INT_MIN;
  return static_cast<int>(nProduct);
}
