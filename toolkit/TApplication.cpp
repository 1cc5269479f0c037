#include "TApplication.h"

#include "BackEnd.h"
#include "Dialogs.h"

namespace tk {

TApplication* Application = nullptr;

void TApplication::Initialize() {}

void TApplication::AddForm(std::unique_ptr<TForm> form) {
    TForm* added = form.get();
    forms_.push_back(std::move(form));
    if (!mainForm_) mainForm_ = added;
    Dispatch(added->OnCreate, added);
}

void TApplication::Run() {
    if (!mainForm_) return;
    mainForm_->Show();
    if (!mainForm_->ActiveControl() && !mainForm_->TabOrder().empty()) {
        mainForm_->TabOrder().front()->SetFocus();
    }
    backend::RunMessageLoop(*mainForm_);
}

void TApplication::Dispatch(const TNotifyEvent& handler, TObject* sender) {
    // Nothing may escape into the native event loop, not even from the error report itself.
    auto report = [this](const std::exception* error) noexcept {
        try {
            HandleException(error);
        } catch (...) {
        }
    };
    try {
        if (!handler) return;
        // A copy: the handler may assign a new handler to the event it is running for.
        const TNotifyEvent run = handler;
        run(sender);
    } catch (const std::exception& error) {
        report(&error);
    } catch (...) {
        report(nullptr);
    }
}

void TApplication::HandleException(const std::exception* error) {
    const std::string text = error ? error->what() : "发生未知错误";
    std::string caption = mainForm_ ? mainForm_->Caption() : std::string();
    if (caption.empty()) caption = "qzcmdview";
    MessageBox(text, caption, mbOk | mbIconError);
}

int TApplication::MessageBox(std::string_view text, std::string_view caption, unsigned flags) {
    MessageBoxRequest request;
    request.text = text;
    request.caption = caption;
    request.flags = flags;
    // A copy: the hook may replace the hooks while it runs.
    const auto hook = backend::CurrentDialogHooks().messageBox;
    return hook ? hook(request) : backend::ShowMessageBox(request);
}

}  // namespace tk
