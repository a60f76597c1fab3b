#pragma once
// A timer component: OnTimer runs on the thread that created the timer,
// every Interval milliseconds while Enabled.

#include <functional>
#include <memory>

#include "ui/component.h"

class TTimer : public Component {
public:
    explicit TTimer(std::wstring name, unsigned interval = 1000, bool enabled = true);
    ~TTimer() override;

    [[nodiscard]] std::wstring_view ClassName() const override { return L"TTimer"; }

    [[nodiscard]] bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool enabled);
    [[nodiscard]] unsigned Interval() const noexcept { return interval_; }
    void SetInterval(unsigned interval);

    std::function<void()> OnTimer;

private:
    class Sink;
    void Update();

    std::unique_ptr<Sink> sink_;  // the window the system's timer messages go to
    unsigned interval_;
    bool enabled_;
};
