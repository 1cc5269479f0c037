#include "TButton.h"

#include <QPushButton>

#include <utility>

#include "QtNative.h"
#include "TApplication.h"

namespace tk {
namespace {

Native* MakeButtonNative(const TWinControl& parent) {
    auto* button = MakeChild<QPushButton>(parent);
    // Enter must not press a button that does not have the focus.
    button->setAutoDefault(false);
    button->setDefault(false);
    auto* native = new Native(button);
    native->untabbedFocus = Qt::ClickFocus;
    return native;
}

}  // namespace

TButton::TButton(TWinControl& parent, std::string name)
    : TWinControl(&parent, std::move(name), MakeButtonNative(parent)) {
    auto* button = WidgetOf<QPushButton>(*this);
    QObject::connect(button, &QPushButton::clicked, button, [this] {
        if (Application) Application->Dispatch(OnClick, this);
    });
}

std::string TButton::Caption() const {
    return ToUtf8(WidgetOf<QPushButton>(*this)->text());
}

void TButton::SetCaption(std::string_view caption) {
    WidgetOf<QPushButton>(*this)->setText(FromUtf8(caption));
}

void TButton::Click() {
    WidgetOf<QPushButton>(*this)->click();
}

}  // namespace tk
