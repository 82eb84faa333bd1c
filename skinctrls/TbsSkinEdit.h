#pragma once

#include "skinctrls/TbsSkinCustomEdit.h"

namespace skinctrls {

// The skinned one-line edit as forms place it: 20 pixels high, Arial 14 in
// the window-text colour, found in a skin as "edit".
class TbsSkinEdit : public TbsSkinCustomEdit {
public:
    explicit TbsSkinEdit(ctl::TComponent* AOwner);
};

} // namespace skinctrls
