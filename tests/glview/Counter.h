#pragma once

#include "OGLEvent.h"

// Counts the calls of an event slot and remembers the last sender.
struct TCounter {
    int count = 0;
    TObject* sender = nullptr;

    TNotifyEvent Event() {
        return TNotifyEvent(this, [this](TObject* s) {
            ++count;
            sender = s;
        });
    }
};
