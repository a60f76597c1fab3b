#pragma once
// The application object: the program's hidden top-level window (the one
// the single-instance guard answers on) and its message loop.

#include "app/single_instance.h"
#include "ui/window.h"

class Application : public Window {
public:
    // Runs the single-instance guard, then creates the hidden window. False:
    // this process must end now (another instance runs, or no guard).
    [[nodiscard]] bool Initialize();

    // Pumps messages until Terminate; returns the exit code.
    int Run();
    void Terminate() noexcept;
    [[nodiscard]] bool Terminated() const noexcept { return terminated_; }

private:
    SingleInstanceGuard guard_;
    bool terminated_ = false;
};

inline Application* App = nullptr;
