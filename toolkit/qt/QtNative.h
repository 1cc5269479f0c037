// The Qt back end's native part of a control: the QWidget it owns. Internal to toolkit/qt.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include <string>
#include <string_view>

#include "Native.h"
#include "TControl.h"
#include "TWinControl.h"

namespace tk {

struct Native {
    explicit Native(QWidget* widget) : widget(widget) {}
    virtual ~Native();  // deletes the widget
    Native(const Native&) = delete;
    Native& operator=(const Native&) = delete;

    // The geometry the control takes when SetBounds asks for `requested`.
    virtual QRect Fit(const QRect& requested) const { return requested; }

    QWidget* const widget;
    // How the control takes the focus when it is left out of its form's tab order.
    Qt::FocusPolicy untabbedFocus = Qt::NoFocus;
};

inline QWidget* WidgetOf(const TControl& control) {
    return control.GetNative().widget;
}

template <typename W>
W* WidgetOf(const TControl& control) {
    return static_cast<W*>(WidgetOf(control));
}

// A new widget placed in `parent`; shown at once if the parent already is, as it would
// otherwise stay hidden.
template <typename W>
W* MakeChild(const TWinControl& parent) {
    QWidget* parentWidget = WidgetOf(parent);
    auto* widget = new W(parentWidget);
    if (parentWidget->isVisible()) widget->show();
    return widget;
}

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToUtf8(const QString& text) {
    return text.toStdString();
}

}  // namespace tk
