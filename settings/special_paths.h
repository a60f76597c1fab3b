#pragma once
// System folders by a small index, as the program's lists and commands ask
// for them. Create an instance, ask, and let it go.

#include <string>

class TAppFrame {
public:
    // Fills the three fields below.
    TAppFrame();

    std::wstring AppDataPath;        // the user's application-data folder
    std::wstring CommonAppDataPath;  // the all-users application-data folder
    std::wstring ExePath;            // this executable's folder, with a trailing backslash

    // Per-user and system folders, indexes 0-35 (see special_paths.cpp).
    // Index 14 and indexes outside 0-35 name no folder: the one-argument form
    // gives "", the two-argument form leaves `result` as it was. A folder the
    // system cannot name gives "".
    [[nodiscard]] std::wstring GetPath(int index) const;
    void GetPath(int index, std::wstring& result) const;

    // All-users folders, indexes 0-12; other indexes as above.
    [[nodiscard]] std::wstring GetCommonPath(int index) const;
    void GetCommonPath(int index, std::wstring& result) const;
};
