// Container element types.
#include "foundation/TesselElementType.h"

#include <new>

#include "foundation/TesselString.h"

namespace {

template <typename T, typename Equal>
bool PlainElementType(unsigned int op, void** slot, const void* other, Equal equal) {
  if (!slot || op > ElementEqual) return false;
  switch (op) {
    case ElementCreate:
      *slot = new (std::nothrow) T();  // value-initialised: zero
      return true;
    case ElementDestroy:
      delete static_cast<T*>(*slot);
      *slot = nullptr;
      return true;
    case ElementCopy:
      if (!other || !*slot) return false;
      *static_cast<T*>(*slot) = *static_cast<const T*>(other);
      return true;
    default:  // ElementEqual
      if (!other || !*slot) return false;
      return equal(*static_cast<const T*>(*slot), *static_cast<const T*>(other));
  }
}

}  // namespace

bool Int32ElementType(unsigned int op, void** slot, const void* other) {
  return PlainElementType<int32_t>(op, slot, other, [](int32_t a, int32_t b) { return a == b; });
}

bool Int64ElementType(unsigned int op, void** slot, const void* other) {
  return PlainElementType<TesselInt32Pair>(op, slot, other,
                                           [](const TesselInt32Pair& a, const TesselInt32Pair& b) {
                                             return a.low == b.low && a.high == b.high;
                                           });
}

bool DoubleElementType(unsigned int op, void** slot, const void* other) {
  return PlainElementType<double>(op, slot, other, [](double a, double b) { return a == b; });
}

bool StringElementType(unsigned int op, void** slot, const void* other) {
  if (!slot || op > ElementEqual) return false;
  switch (op) {
    case ElementCreate:
      *slot = new (std::nothrow) CTesselString();
      return true;
    case ElementDestroy:
      if (*slot) delete static_cast<CTesselString*>(*slot);  // virtual destructor
      *slot = nullptr;
      return true;
    case ElementCopy:
      if (!other || !*slot) return false;
      static_cast<CTesselString*>(*slot)->AssignString(*static_cast<const CTesselString*>(other));
      return true;
    default:  // ElementEqual
      if (!other || !*slot) return false;
      return static_cast<const CTesselString*>(*slot)->Equals(
          *static_cast<const CTesselString*>(other));
  }
}
