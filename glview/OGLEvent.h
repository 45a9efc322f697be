#pragma once

#include <functional>
#include <utility>

// The root of the view component's classes: whatever can be the sender of an event.
class TObject {
  public:
    virtual ~TObject() = default;
};

// An event slot: a handler and the object it is bound to, called with the sender.
// An empty slot calls nothing. The bound object only identifies who set the slot, so an
// owner can later clear a slot that is still its own.
class TNotifyEvent {
  public:
    using THandler = std::function<void(TObject* sender)>;

    TNotifyEvent() = default;
    TNotifyEvent(const void* target, THandler handler)
        : target_(target), handler_(std::move(handler)) {}

    explicit operator bool() const { return static_cast<bool>(handler_); }
    const void* Target() const { return handler_ ? target_ : nullptr; }
    bool IsBoundTo(const void* target) const { return handler_ && target_ == target; }

    void operator()(TObject* sender) const {
        if (!handler_) return;
        // A copy, so that a handler which replaces this very slot keeps running safely.
        const THandler handler = handler_;
        handler(sender);
    }

  private:
    const void* target_ = nullptr;
    THandler handler_;
};
