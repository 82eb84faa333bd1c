#pragma once

#include <functional>
#include <stdexcept>
#include <string>

namespace ctl {

// The root of every class of the component library: gives the library one
// polymorphic base so that an event's sender can be any object.
class TObject {
public:
    virtual ~TObject() = default;
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
};

// The signature of every plain event: the object that raised it.
using TNotifyEvent = std::function<void(TObject* Sender)>;

// Errors raised by the component library itself (duplicate names, bad indexes …).
class EComponentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace ctl
