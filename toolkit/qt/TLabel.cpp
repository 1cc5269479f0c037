#include "TLabel.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>

#include <cmath>
#include <utility>

#include "QtNative.h"

namespace tk {
namespace {

// A label whose width is always that of its text.
class LabelWidget : public QLabel {
public:
    explicit LabelWidget(QWidget* parent) : QLabel(parent) {
        setTextFormat(Qt::PlainText);  // a caption is text, never markup
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setFocusPolicy(Qt::NoFocus);
    }

    int TextWidth() const {
        const QMargins margins = contentsMargins();
        return static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(text()))) +
               margins.left() + margins.right();
    }

    void FitWidth() { resize(TextWidth(), height()); }

protected:
    void changeEvent(QEvent* event) override {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::FontChange) FitWidth();
    }
};

struct LabelNative : Native {
    using Native::Native;
    QRect Fit(const QRect& requested) const override {
        QRect fitted = requested;
        fitted.setWidth(static_cast<const LabelWidget*>(widget)->TextWidth());
        return fitted;
    }
};

}  // namespace

TLabel::TLabel(TWinControl& parent, std::string name)
    : TControl(&parent, std::move(name), new LabelNative(MakeChild<LabelWidget>(parent))) {}

std::string TLabel::Caption() const {
    return ToUtf8(WidgetOf<QLabel>(*this)->text());
}

void TLabel::SetCaption(std::string_view caption) {
    auto* label = WidgetOf<LabelWidget>(*this);
    label->setText(FromUtf8(caption));
    label->FitWidth();
}

}  // namespace tk
