#include "QtNative.h"

namespace tk {

Native::~Native() {
    delete widget;
}

void NativeDeleter::operator()(Native* native) const {
    delete native;
}

}  // namespace tk
