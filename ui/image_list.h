#pragma once
// TImageList: the icons the tree views and menus draw. Either a list of our
// own, cut from a picture strip, or a list the system owns (the shell's
// system image list), which is only borrowed.

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "platform/unique_handle.h"
#include "ui/component.h"

namespace handle_traits {
struct ImageList {
    using pointer = HIMAGELIST;
    static pointer Invalid() noexcept { return nullptr; }
    static void Close(pointer h) noexcept { ::ImageList_Destroy(h); }
};
}  // namespace handle_traits

using UniqueHimagelist = UniqueHandle<handle_traits::ImageList>;

class TImageList : public Component {
public:
    explicit TImageList(std::wstring name, int width = 16, int height = 16);

    [[nodiscard]] std::wstring_view ClassName() const override { return L"TImageList"; }

    [[nodiscard]] HIMAGELIST Handle() const noexcept { return owned_ ? owned_.get() : shared_; }
    [[nodiscard]] int Width() const noexcept { return width_; }
    [[nodiscard]] int Height() const noexcept { return height_; }

    // Borrows a list the system owns; it is never destroyed here.
    void AssignShared(HIMAGELIST list);
    // Fills a 32-bit list of our own with Width() x Height() icons cut from one
    // horizontal strip (PNG or any picture GDI+ reads, alpha kept), replacing
    // what it held. The list's handle stays the same across reloads, so a
    // tree view showing it needs no new handle. False when the data is no
    // picture or narrower than one icon. GDI+ must be running.
    bool LoadStrip(const std::vector<BYTE>& picture);
    [[nodiscard]] int Count() const;
    // Empties a list of our own (its handle stays valid); a borrowed list is
    // let go of, not destroyed.
    void Clear();

private:
    int width_;
    int height_;
    UniqueHimagelist owned_;
    HIMAGELIST shared_ = nullptr;
};
