#include "TControl.h"

#include "QtNative.h"

namespace tk {

void TControl::SetBounds(int left, int top, int width, int height) {
    native_->widget->setGeometry(native_->Fit(QRect(left, top, width, height)));
}

TRect TControl::BoundsRect() const {
    // For a window, geometry() is its client area (without the frame), placed on the screen.
    const QRect rect = native_->widget->geometry();
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

void* TControl::Handle() const {
    return native_->widget;
}

}  // namespace tk
