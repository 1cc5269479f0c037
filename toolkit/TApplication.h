// The application object: it owns the forms, runs the message loop, and is the one place
// where control events are dispatched, so that an error escaping a handler is caught there,
// reported by HandleException, and the loop goes on with the next event.
#pragma once

#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "TForm.h"

namespace tk {

// Message box styles; the values are those of the Windows message box.
inline constexpr unsigned mbOk = 0x00;
inline constexpr unsigned mbIconError = 0x10;

class TApplication : public TObject {
public:
    // Makes the one application object, held in Application.
    TApplication();
    ~TApplication() override;

    void Initialize();

    // The main window has its own taskbar button (on Qt back ends every top-level window
    // has one; the setting exists for the Windows back end).
    void SetMainFormOnTaskBar(bool onTaskBar) { mainFormOnTaskBar_ = onTaskBar; }
    bool MainFormOnTaskBar() const { return mainFormOnTaskBar_; }

    // Makes a T, stores it in `ref`, keeps it until the program ends, makes the first form
    // made the main form, and raises its OnCreate.
    template <typename T, typename... Args>
    void CreateForm(T*& ref, Args&&... args) {
        auto form = std::make_unique<T>(std::forward<Args>(args)...);
        ref = form.get();
        AddForm(std::move(form));
    }

    TForm* MainForm() const { return mainForm_; }

    // Shows the main form, puts the focus on its first tab stop, and dispatches events until
    // the main form is closed.
    void Run();

    // Handles the events that are waiting, then returns (for tests).
    void ProcessMessages();

    // Runs `handler` for `sender`; an error that escapes it goes to HandleException.
    void Dispatch(const TNotifyEvent& handler, TObject* sender);

    // The application-wide error handler: the error's message in a modal box with the error
    // icon, owned by the active window.
    void HandleException(const std::exception* error);

    // A modal message box owned by the active window; returns the button pressed.
    int MessageBox(std::string_view text, std::string_view caption, unsigned flags);

private:
    void AddForm(std::unique_ptr<TForm> form);

    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
    bool mainFormOnTaskBar_ = false;
};

// The application object, while one exists.
extern TApplication* Application;

}  // namespace tk
