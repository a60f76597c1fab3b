#include "catalogue/elevon_window.h"

#include "startbutton/companion_interface.h"

HWND FindElevonWindow() {
    return ::FindWindowW(companion::elevon::kWindowClass, companion::elevon::kWindowCaption);
}
