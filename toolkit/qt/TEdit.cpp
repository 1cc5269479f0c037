#include "TEdit.h"

#include <QFocusEvent>
#include <QLineEdit>

#include <limits>
#include <utility>

#include "QtNative.h"
#include "TApplication.h"

namespace tk {
namespace {

class EditWidget : public QLineEdit {
public:
    explicit EditWidget(QWidget* parent) : QLineEdit(parent) {
        // No silent cut at Qt's default of 32767 characters.
        setMaxLength(std::numeric_limits<int>::max());
    }

protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        // Qt selects on Tab only when nothing is selected yet, and never for other reasons.
        switch (event->reason()) {
            case Qt::TabFocusReason:
            case Qt::BacktabFocusReason:
            case Qt::ShortcutFocusReason:
            case Qt::OtherFocusReason:
                selectAll();
                break;
            default:
                break;
        }
    }
};

Native* MakeEditNative(const TWinControl& parent) {
    auto* native = new Native(MakeChild<EditWidget>(parent));
    native->untabbedFocus = Qt::ClickFocus;
    return native;
}

}  // namespace

TEdit::TEdit(TWinControl& parent, std::string name)
    : TWinControl(&parent, std::move(name), MakeEditNative(parent)) {
    auto* edit = WidgetOf<QLineEdit>(*this);
    // textChanged, not textEdited: programmatic changes count too.
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this] {
        if (Application) Application->Dispatch(OnChange, this);
    });
}

std::string TEdit::Text() const {
    return ToUtf8(WidgetOf<QLineEdit>(*this)->text());
}

void TEdit::SetText(std::string_view text) {
    auto* edit = WidgetOf<QLineEdit>(*this);
    const QString value = FromUtf8(text);
    // Qt would still reset the cursor, the selection and the undo history.
    if (value == edit->text()) return;
    edit->setText(value);
    // Qt leaves the cursor at the end, and a long text then shows only its tail; show its
    // start as a Windows field does, unless OnChange has placed the cursor or a selection.
    if (!edit->hasSelectedText() && edit->cursorPosition() == edit->text().size()) {
        edit->setCursorPosition(0);
    }
}

bool TEdit::ReadOnly() const {
    return WidgetOf<QLineEdit>(*this)->isReadOnly();
}

void TEdit::SetReadOnly(bool readOnly) {
    WidgetOf<QLineEdit>(*this)->setReadOnly(readOnly);
}

std::string TEdit::SelText() const {
    return ToUtf8(WidgetOf<QLineEdit>(*this)->selectedText());
}

}  // namespace tk
