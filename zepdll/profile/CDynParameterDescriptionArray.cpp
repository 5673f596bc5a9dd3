#include "CDynParameterDescriptionArray.h"

CDynParameterDescriptionArray::CDynParameterDescriptionArray(int initial, int grow)
    : GwDynArray<CParameterDescription>(initial, grow) {}

CDynParameterDescriptionArray::~CDynParameterDescriptionArray() {
    for (int i = 0; i < count(); ++i)
        delete get(i);
}
