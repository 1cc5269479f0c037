#include "TForm.h"

#include <QFont>
#include <QPalette>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <string>
#include <utility>

#include "QtNative.h"

namespace tk {
namespace {

// A plain widget, no layout and no scroll area: children keep their places and are clipped.
Native* MakeFormNative() {
    auto* window = new QWidget(nullptr, Qt::Window);
    window->setFocusPolicy(Qt::NoFocus);
    return new Native(window);
}

// Every control below `parent` takes the focus as listed, by click only, or not at all.
void SetFocusPolicies(const TWinControl& parent, const std::vector<TWinControl*>& order) {
    for (const auto& child : parent.Controls()) {
        const bool listed = std::find(order.begin(), order.end(), child.get()) != order.end();
        WidgetOf(*child)->setFocusPolicy(listed ? Qt::StrongFocus
                                                : child->GetNative().untabbedFocus);
        if (auto* container = dynamic_cast<const TWinControl*>(child.get())) {
            SetFocusPolicies(*container, order);
        }
    }
}

// The control below `parent` whose widget is `focus` or, failing that, holds it.
TWinControl* ControlHolding(const TWinControl& parent, const QWidget* focus) {
    for (const auto& child : parent.Controls()) {
        auto* control = dynamic_cast<TWinControl*>(child.get());
        if (!control) continue;
        QWidget* widget = WidgetOf(*control);
        if (widget == focus) return control;
        if (widget->isAncestorOf(focus)) {
            TWinControl* inner = ControlHolding(*control, focus);
            return inner ? inner : control;
        }
    }
    return nullptr;
}

}  // namespace

TForm::TForm() : TWinControl(nullptr, std::string(), MakeFormNative()) {}

TForm::~TForm() = default;

std::string TForm::Caption() const {
    return ToUtf8(WidgetOf(*this)->windowTitle());
}

void TForm::SetCaption(std::string_view caption) {
    WidgetOf(*this)->setWindowTitle(FromUtf8(caption));
}

void TForm::SetClientSize(int width, int height) {
    WidgetOf(*this)->resize(width, height);
}

int TForm::ClientWidth() const {
    return WidgetOf(*this)->width();
}

int TForm::ClientHeight() const {
    return WidgetOf(*this)->height();
}

void TForm::SetFont(std::string_view family, int pixelHeight) {
    QStringList families;
    if (!family.empty()) families << FromUtf8(family);
    // Qt takes the first family it has; the design's fonts are often Windows-only.
    families << QStringLiteral("WenQuanYi Micro Hei") << QStringLiteral("Noto Sans CJK SC")
             << QStringLiteral("sans-serif");
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    if (pixelHeight > 0) font.setPixelSize(pixelHeight);
    WidgetOf(*this)->setFont(font);  // the children inherit it
}

void TForm::SetColor(TColor color) {
    QWidget* window = WidgetOf(*this);
    window->setBackgroundRole(color == TColor::BtnFace ? QPalette::Button : QPalette::Base);
    window->setAutoFillBackground(true);
}

void TForm::SetTabOrder(std::vector<TWinControl*> order) {
    tabOrder_ = std::move(order);
    SetFocusPolicies(*this, tabOrder_);
    // Qt's focus chain is a ring over all the window's widgets; the others take no Tab focus,
    // so after the last listed control comes the first.
    TWinControl* previous = nullptr;
    for (TWinControl* control : tabOrder_) {
        if (!control) continue;
        if (previous) QWidget::setTabOrder(WidgetOf(*previous), WidgetOf(*control));
        previous = control;
    }
}

TWinControl* TForm::ActiveControl() const {
    // The window's focus child: kept while another window is active, as the form's own
    // record of where the focus returns.
    const QWidget* focus = WidgetOf(*this)->focusWidget();
    return focus ? ControlHolding(*this, focus) : nullptr;
}

void TForm::Show() {
    WidgetOf(*this)->show();
}

void TForm::Close() {
    WidgetOf(*this)->close();
}

bool TForm::Visible() const {
    return WidgetOf(*this)->isVisible();
}

}  // namespace tk
