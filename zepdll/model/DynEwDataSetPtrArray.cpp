#include "DynEwDataSetPtrArray.h"

DynEwDataSetPtrArray::DynEwDataSetPtrArray(int initial, int grow)
    : GwDynArray<EwDataSet>(initial, grow) {}
