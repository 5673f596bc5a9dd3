#include "DynEwTypePtrArray.h"

DynEwTypePtrArray::DynEwTypePtrArray(int initial, int grow) : GwDynArray<EwType>(initial, grow) {}
