// The back end's part of a control: a QWidget in toolkit/qt, a window handle in
// toolkit/win32. Shared code sees it only through this declaration.
#pragma once

namespace tk {

struct Native;

struct NativeDeleter {
    void operator()(Native* native) const;  // defined by the back end
};

}  // namespace tk
