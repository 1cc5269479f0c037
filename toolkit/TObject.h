// The root of the toolkit's objects, and the event type of its controls.
#pragma once

#include <functional>

namespace tk {

class TObject {
public:
    virtual ~TObject() = default;
};

// A handler of a plain event; it gets the object that raised it.
using TNotifyEvent = std::function<void(TObject* sender)>;

}  // namespace tk
