#pragma once
// A form: a top-level window that owns named components. Its component name
// ("frmStartMenu") names its section in the language files.

#include "ui/control.h"

class Form : public WinControl, public Container {
public:
    explicit Form(std::wstring name) : WinControl(std::move(name)) {}

    [[nodiscard]] std::wstring_view ClassName() const override { return L"TForm"; }
    [[nodiscard]] const std::wstring& ContainerName() const override { return Name(); }
    [[nodiscard]] std::wstring ContainerCaption() const override;
    void SetContainerCaption(std::wstring caption) override;

protected:
    // Creates the window and takes its place and visibility as the form's own.
    [[nodiscard]] bool CreateForm(const WindowClass& cls, DWORD exStyle, DWORD style, const wchar_t* caption,
                                  const WindowPlacement& placement);
};
