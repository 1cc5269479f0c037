// Helpers for driving toolkit controls through their Qt widgets.
#pragma once

#include <QWidget>

#include <functional>

#include "Dialogs.h"
#include "TControl.h"
#include "TForm.h"

namespace tk::test {

template <typename W = QWidget>
W* QtWidget(const TControl& control) {
    return qobject_cast<W*>(static_cast<QWidget*>(control.Handle()));
}

// Shows `form` and waits until its window is the active one (keyboard input goes there).
[[nodiscard]] bool ShowActive(TForm& form);

// Hands the next modal dialog to `act` from inside the dialog's own event loop; `act` must
// close it. Gives up after a few seconds if no dialog shows.
void OnNextModal(std::function<void(QWidget* modal)> act);

// Clears the dialog hooks when the test ends, whatever happens.
struct HooksReset {
    ~HooksReset() { SetDialogHooks({}); }
};

}  // namespace tk::test
