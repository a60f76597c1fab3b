#pragma once
// TQelStartMenuFrm: the start menu window, "Kavor_Dravix". Created once at
// start-up, shown and hidden, never destroyed in between.

#include "ui/form.h"

class TQelStartMenuFrm : public Form {
public:
    TQelStartMenuFrm() : Form(L"QelStartMenuFrm") {}
    [[nodiscard]] std::wstring_view ClassName() const override { return L"TQelStartMenuFrm"; }

    [[nodiscard]] bool CreateForm();

    // Shows the menu with the start button pressed and takes the foreground.
    void ShowStartMenuForm();
    void HideMenu();
    // Brings the menu forward when it is shown; a hidden menu stays hidden.
    void BringToFrontIfShown();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormCreate();
};

inline TQelStartMenuFrm* QelStartMenuFrm = nullptr;
