// Container element types: callbacks through which a CTesselList
// owns copies of its data. Each creates, destroys, copies and compares one kind
// of item; items are allocated with new and freed with delete.
#pragma once

#include <stdint.h>

enum ElementOperation : unsigned int {
  ElementCreate = 0,   // allocate a zero-initialised item, store its address in *slot
  ElementDestroy = 1,  // delete the item *slot points to, set *slot to null
  ElementCopy = 2,     // copy the value other points to into the existing item
  ElementEqual = 3,    // true when the item equals the value other points to
};

// (op, slot = the list's data-pointer cell, other = a value) -> bool
typedef bool (*ElementTypeCallback)(unsigned int op, void** slot, const void* other);

// The item of Int64ElementType: a pair of 32-bit words, both compared.
struct TesselInt32Pair {
  int32_t low;
  int32_t high;
};

bool Int32ElementType(unsigned int op, void** slot, const void* other);   // int32_t
bool Int64ElementType(unsigned int op, void** slot, const void* other);   // TesselInt32Pair
bool DoubleElementType(unsigned int op, void** slot, const void* other);  // double
bool StringElementType(unsigned int op, void** slot, const void* other);  // CTesselString
