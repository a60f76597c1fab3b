#pragma once
// The class through which the program writes Main.ini: the whole file lives
// in memory and is written back in one piece as UTF-16 LE with a byte-order
// mark, so a reader never sees a half-written file.

#include <string>

#include "settings/mem_ini_file.h"

class TSafeIniFile : public MemIniFile {
public:
    // With a file name, loads the file and saves it straight back: opening a
    // file through this class turns it into UTF-16 before anything changes.
    explicit TSafeIniFile(std::wstring fileName);

    [[nodiscard]] const std::wstring& FileName() const { return fileName_; }

    // Replaces the memory image with the file's content; a missing file gives
    // an empty image.
    void LoadValues(const std::wstring& fileName);
    // The memory image, as a whole, replaces the file. False when it could not
    // be written (the old file is then unchanged), and also after a load that
    // found the file but could not read it: saving the empty image over a
    // file that exists would lose every setting in it.
    [[nodiscard]] bool SaveFile(const std::wstring& fileName);
    // Writes back to the file this object was opened with, if any.
    void UpdateFile() override;

private:
    std::wstring fileName_;
    bool loadFailed_ = false;
};
