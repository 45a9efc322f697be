#pragma once

#include "OGLView.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>

#include <stdexcept>

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

// Processes events until done() holds or timeoutMs pass; says whether it held.
template <class F> bool WaitFor(F done, int timeoutMs = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

inline void Settle(int ms = 300) {
    WaitFor([] { return false; }, ms);
}

// A view that counts its paints and can refuse its context, as a driver might.
class TTestView : public TOGLView {
  public:
    using TOGLView::TOGLView;
    int paints = 0;
    bool refuseContext = false;

  protected:
    void paintGL() override {
        ++paints;
        TOGLView::paintGL();
    }
    void CheckContext(const QOpenGLContext& context) const override {
        if (refuseContext) throw std::runtime_error("refused by the test");
        TOGLView::CheckContext(context);
    }
};

// Lets earlier requests settle, makes the change and says whether the view paints again.
template <class F> bool Repaints(const TTestView& view, F change, int timeoutMs = 5000) {
    Settle();
    const int paints = view.paints;
    change();
    return WaitFor([&] { return view.paints > paints; }, timeoutMs);
}

// Shows view as its own window and waits for its first paint.
inline bool ShowAndPaint(TTestView& view) {
    view.show();
    return WaitFor([&] { return view.paints > 0; });
}
