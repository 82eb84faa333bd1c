#pragma once

#include "platform/controls/TEdit.h"

#include <string>

namespace skinctrls {

// A one-line text box on the native edit with the library's default frame:
// a button-shadow outline, a button-face ring inside it and a white field.
class TbsSkinEdit : public ctl::TEdit {
public:
    explicit TbsSkinEdit(ctl::TComponent* AOwner);

    std::string SkinDataName { "edit" };

protected:
    void PaintFrame(gfx::TCanvas& Canvas) override;
};

} // namespace skinctrls
