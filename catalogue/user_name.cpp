#include "catalogue/user_name.h"

#include <windows.h>
#include <oleauto.h>
#include <wbemdisp.h>
#include <wrl/client.h>

#include <optional>
#include <vector>

#include "catalogue/account_query.h"
#include "catalogue/com_support.h"
#include "settings/ini_text.h"

using Microsoft::WRL::ComPtr;

namespace {

// FullName of one result object: nullopt when it has none, "" when null.
std::optional<std::wstring> FullNameOf(IDispatch* item) {
    ComPtr<ISWbemObject> object;
    if (FAILED(item->QueryInterface(IID_PPV_ARGS(&object)))) return std::nullopt;
    ComPtr<ISWbemPropertySet> properties;
    ThrowIfFailed(object->get_Properties_(&properties), "SWbemObject.Properties_");
    ComPtr<ISWbemProperty> property;
    const UniqueBstr name(L"FullName");
    if (FAILED(properties->Item(name.get(), 0, &property))) return std::nullopt;
    ScopedVariant value;
    ThrowIfFailed(property->get_Value(value.put()), "SWbemProperty.Value");
    if (V_VT(value.get()) == VT_NULL || V_VT(value.get()) == VT_EMPTY) return std::wstring();
    ThrowIfFailed(::VariantChangeType(value.get(), value.get(), 0, VT_BSTR), "VariantChangeType");
    const BSTR text = V_BSTR(value.get());
    return std::wstring(text, ::SysStringLen(text));
}

// Asks WMI for the account's full name; the walk stops at the first name
// that is not blank, as the choice below would take no later one.
std::vector<std::optional<std::wstring>> QueryFullNames(const std::wstring& loginName) {
    const ScopedComInit com;
    CLSID locatorClass{};
    ThrowIfFailed(::CLSIDFromProgID(L"WbemScripting.SWbemLocator", &locatorClass), "CLSIDFromProgID");
    ComPtr<ISWbemLocator> locator;
    ThrowIfFailed(::CoCreateInstance(locatorClass, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&locator)),
                  "CoCreateInstance(SWbemLocator)");
    const UniqueBstr server(L"localhost"), nameSpace(L"root/cimv2"), empty(L"");
    ComPtr<ISWbemServices> services;
    ThrowIfFailed(locator->ConnectServer(server.get(), nameSpace.get(), empty.get(), empty.get(), empty.get(),
                                         empty.get(), 0, nullptr, &services),
                  "SWbemLocator.ConnectServer");
    const UniqueBstr query(BuildAccountQuery(loginName).c_str()), language(L"WQL");
    ComPtr<ISWbemObjectSet> results;
    ThrowIfFailed(services->ExecQuery(query.get(), language.get(), wbemFlagReturnImmediately, nullptr, &results),
                  "SWbemServices.ExecQuery");
    ComPtr<IUnknown> enumerator;
    ThrowIfFailed(results->get__NewEnum(&enumerator), "SWbemObjectSet._NewEnum");
    ComPtr<IEnumVARIANT> rows;
    ThrowIfFailed(enumerator.As(&rows), "IEnumVARIANT");

    std::vector<std::optional<std::wstring>> fullNames;
    for (;;) {
        ScopedVariant row;
        ULONG fetched = 0;
        if (rows->Next(1, row.put(), &fetched) != S_OK || fetched != 1) break;
        if (V_VT(row.get()) != VT_DISPATCH || !V_DISPATCH(row.get())) continue;
        fullNames.push_back(FullNameOf(V_DISPATCH(row.get())));
        if (fullNames.back() && !TrimBlanks(*fullNames.back()).empty()) break;
    }
    return fullNames;
}

}  // namespace

std::wstring GetLoginName() {
    wchar_t name[260] = {};
    DWORD length = 260;
    if (!::GetUserNameW(name, &length)) return {};
    return std::wstring(name, ::wcsnlen(name, 260));
}

std::wstring GetUserDisplayName() {
    const std::wstring loginName = GetLoginName();
    std::vector<std::optional<std::wstring>> fullNames;
    try {
        fullNames = QueryFullNames(loginName);
    } catch (...) {
        // WMI missing, refusing or broken: the login name serves.
        fullNames.clear();
    }
    return ChooseUserDisplayName(loginName, fullNames);
}
