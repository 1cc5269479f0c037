#include "TPanel.h"

#include <QFrame>

#include <utility>

#include "QtNative.h"

namespace tk {
namespace {

QFrame* MakePanel(const TWinControl& parent) {
    auto* frame = MakeChild<QFrame>(parent);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setLineWidth(1);
    frame->setBackgroundRole(QPalette::Button);
    frame->setAutoFillBackground(true);
    frame->setFocusPolicy(Qt::NoFocus);
    return frame;
}

}  // namespace

TPanel::TPanel(TWinControl& parent, std::string name)
    : TWinControl(&parent, std::move(name), new Native(MakePanel(parent))) {}

}  // namespace tk
