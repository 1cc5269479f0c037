#include "TWinControl.h"

#include <QLineEdit>

#include "QtNative.h"

namespace tk {

void TWinControl::SetFocus() {
    QWidget* widget = WidgetOf(*this);
    if (widget->isWindow()) {
        widget->activateWindow();
        return;
    }
    widget->setFocus(Qt::OtherFocusReason);
    // Also here, not only on focus-in: in a window that is not active, setFocus only marks the
    // widget to get the focus later, with a reason that selects nothing.
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();
}

bool TWinControl::Focused() const {
    return WidgetOf(*this)->hasFocus();
}

}  // namespace tk
