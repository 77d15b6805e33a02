#pragma once

#include <cstring>

#include "toolkit/object.h"

// An event is an (object, method) pair. Calling an unassigned event does nothing, so a caller
// never has to check; the sender always comes first.
template <typename... Args>
class TEvent {
public:
    TEvent() = default;

    // The object may be of a class derived from the one that declares the method.
    template <typename T, typename Object>
    TEvent(Object* object, void (T::*method)(Args...))
        : object_(static_cast<T*>(object)), invoke_(&Invoke<T>) {
        static_assert(sizeof(method) <= sizeof(method_), "member function pointer too large");
        std::memcpy(method_, &method, sizeof(method));
    }

    bool Assigned() const { return invoke_ != nullptr; }
    explicit operator bool() const { return Assigned(); }

    void operator()(Args... args) const {
        if (invoke_) invoke_(*this, args...);
    }

    bool operator==(const TEvent& other) const {
        return object_ == other.object_ && invoke_ == other.invoke_ &&
               std::memcmp(method_, other.method_, sizeof(method_)) == 0;
    }

private:
    template <typename T>
    static void Invoke(const TEvent& event, Args... args) {
        void (T::*method)(Args...);
        std::memcpy(&method, event.method_, sizeof(method));
        (static_cast<T*>(event.object_)->*method)(args...);
    }

    void* object_ = nullptr;
    void (*invoke_)(const TEvent&, Args...) = nullptr;
    alignas(void*) unsigned char method_[2 * sizeof(void*)] = {};
};

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Keys and buttons held during a mouse or key event, as a set of flags.
enum TShiftFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64,
};
using TShiftState = unsigned;

using TNotifyEvent = TEvent<TObject*>;
using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
// The handler may clear Key to stop the control's own handling of it.
using TKeyEvent = TEvent<TObject*, unsigned short&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char&>;
