// A control of a form: it has a name, a parent, and a place in the parent's client area.
//
// Controls are made with `new`, given their parent, and the parent owns them from then on
// (as a form owns its controls for the life of the program): never delete one yourself.
#pragma once

#include <memory>
#include <string>

#include "Native.h"
#include "TObject.h"

namespace tk {

class TWinControl;

struct TRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const TRect&) const = default;
};

class TControl : public TObject {
public:
    ~TControl() override;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    const std::string& Name() const { return name_; }
    TWinControl* Parent() const { return parent_; }

    // Position and size in the parent's client area (for a form: the client size, and the
    // position on the screen).
    void SetBounds(int left, int top, int width, int height);
    // As the native control has them now.
    TRect BoundsRect() const;

    // The native control (QWidget*, HWND): for back ends and tests only.
    void* Handle() const;
    Native& GetNative() const { return *native_; }

protected:
    // Registers the control with `parent`, which owns it from then on.
    TControl(TWinControl* parent, std::string name, Native* native);

private:
    TWinControl* parent_;
    std::string name_;
    std::unique_ptr<Native, NativeDeleter> native_;
};

}  // namespace tk
