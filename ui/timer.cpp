#include "ui/timer.h"

#include "ui/window.h"

namespace {

constexpr UINT_PTR kTimerId = 1;

}  // namespace

class TTimer::Sink : public Window {
public:
    explicit Sink(TTimer& owner) : owner_(owner) {
        static constexpr WindowClass kClass{L"TTimerSink"};
        (void)Create(kClass, 0, 0, L"", {}, HWND_MESSAGE);
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER && wParam == kTimerId) {
            if (owner_.OnTimer) owner_.OnTimer();
            return 0;
        }
        return Window::HandleMessage(message, wParam, lParam);
    }

private:
    TTimer& owner_;
};

TTimer::TTimer(std::wstring name, unsigned interval, bool enabled)
    : Component(std::move(name)), sink_(std::make_unique<Sink>(*this)), interval_(interval), enabled_(enabled) {
    Update();
}

TTimer::~TTimer() {
    if (sink_->Handle()) ::KillTimer(sink_->Handle(), kTimerId);
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Update();
}

void TTimer::SetInterval(unsigned interval) {
    if (interval == interval_) return;
    interval_ = interval;
    Update();
}

void TTimer::Update() {
    HWND sink = sink_->Handle();
    if (!sink) return;
    ::KillTimer(sink, kTimerId);
    if (enabled_ && interval_ > 0) ::SetTimer(sink, kTimerId, interval_, nullptr);
}
