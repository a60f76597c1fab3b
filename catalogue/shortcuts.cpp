#include "catalogue/shortcuts.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <wrl/client.h>

#include "catalogue/com_support.h"
#include "catalogue/file_names.h"

using Microsoft::WRL::ComPtr;

namespace {

struct LinkInterfaces {
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
};

LinkInterfaces CreateShellLink() {
    LinkInterfaces shellLink;
    ThrowIfFailed(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&shellLink.link)),
                  "CoCreateInstance(CLSID_ShellLink)");
    ThrowIfFailed(shellLink.link.As(&shellLink.file), "IShellLinkW::QueryInterface(IPersistFile)");
    return shellLink;
}

}  // namespace

std::wstring ResolveShortcut(const std::wstring& shortcutPath) {
    const ScopedComInit com;
    const LinkInterfaces shellLink = CreateShellLink();
    if (FAILED(shellLink.file->Load(shortcutPath.c_str(), STGM_READ))) return {};
    if (FAILED(shellLink.link->Resolve(::GetActiveWindow(), SLR_NO_UI | SLR_NOUPDATE))) return {};
    wchar_t target[MAX_PATH + 1] = {};
    if (FAILED(shellLink.link->GetPath(target, MAX_PATH + 1, nullptr, SLGP_UNCPRIORITY))) return {};
    return target;
}

void CreateShortcut(const std::wstring& target, const std::wstring& arguments, const std::wstring& shortcutPath,
                    const std::wstring& description) {
    if (!HasExtension(shortcutPath, L".lnk")) return;
    const ScopedOleInit ole;
    const LinkInterfaces shellLink = CreateShellLink();
    const std::wstring workingFolder(ExtractFilePath(target));
    ThrowIfFailed(shellLink.link->SetPath(target.c_str()), "IShellLinkW::SetPath");
    ThrowIfFailed(shellLink.link->SetArguments(arguments.c_str()), "IShellLinkW::SetArguments");
    ThrowIfFailed(shellLink.link->SetWorkingDirectory(workingFolder.c_str()), "IShellLinkW::SetWorkingDirectory");
    ThrowIfFailed(shellLink.link->SetDescription(description.c_str()), "IShellLinkW::SetDescription");
    ThrowIfFailed(shellLink.file->Save(shortcutPath.c_str(), FALSE), "IPersistFile::Save");
}
