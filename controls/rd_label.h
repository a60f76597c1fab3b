#pragma once
// The control library's second label: the same label under its own class
// name, which its forms and language sections use.

#include "controls/label.h"

class TRdCustomLabel : public LabelCore {
protected:
    using LabelCore::LabelCore;
};

class TRdLabel : public TRdCustomLabel {
public:
    explicit TRdLabel(std::wstring name) : TRdCustomLabel(std::move(name)) {}
    [[nodiscard]] std::wstring_view ClassName() const override { return L"TRdLabel"; }
};
