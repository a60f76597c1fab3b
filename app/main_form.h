#pragma once
// TfrmMainForm: the program's main window in the system's sense, never shown.
// It tells the pinned-programs list about shortcuts added, removed or renamed
// in the pinned folder by anyone, hides the menu when the program loses the
// activation, takes part in the end of the session and swallows system commands.

#include "ui/form.h"

class TfrmMainForm : public Form {
public:
    TfrmMainForm() : Form(L"frmMainForm") {}
    ~TfrmMainForm() override;
    [[nodiscard]] std::wstring_view ClassName() const override { return L"TfrmMainForm"; }

    [[nodiscard]] bool CreateForm();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormCreate();
    void FormClose();
    void PinnedFolderChanged(WPARAM items, LPARAM event);

    ULONG notifyId_ = 0;  // the shell's registration of the pinned-folder watcher
};

inline TfrmMainForm* frmMainForm = nullptr;
