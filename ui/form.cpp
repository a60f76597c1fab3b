#include "ui/form.h"

std::wstring Form::ContainerCaption() const {
    if (!Handle()) return {};
    const int length = ::GetWindowTextLengthW(Handle());
    std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(::GetWindowTextW(Handle(), caption.data(), length + 1)));
    return caption;
}

void Form::SetContainerCaption(std::wstring caption) {
    if (Handle()) ::SetWindowTextW(Handle(), caption.c_str());
}

bool Form::CreateForm(const WindowClass& cls, DWORD exStyle, DWORD style, const wchar_t* caption,
                      const WindowPlacement& placement) {
    if (!Create(cls, exStyle, style, caption, placement)) return false;
    RECT rect;
    ::GetWindowRect(Handle(), &rect);
    StoreBounds({rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top});
    StoreVisible(::IsWindowVisible(Handle()) != FALSE);
    return true;
}
