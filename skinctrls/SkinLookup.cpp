#include "skinctrls/SkinLookup.h"

#include "skin/TbsSkinData.h"

namespace skinctrls {

int LookupSkinIndex(const skin::TbsSkinData* Data, std::string_view Name)
{
    if (!Data || Data->IsEmpty())
        return -1;
    return Data->IndexOfSkinControl(Name);
}

const skin::TbsDataSkinControl* SkinRecordAt(const skin::TbsSkinData* Data, int Index)
{
    if (!Data || Index < 0 || Index >= static_cast<int>(Data->SkinControls().size()))
        return nullptr;
    return Data->SkinControls()[static_cast<std::size_t>(Index)].get();
}

int SkinCharSetOr(const skin::TbsSkinData* Data, int Fallback)
{
    if (Data && Data->ResourceStrData())
        return Data->ResourceStrData()->CharSet;
    return Fallback;
}

} // namespace skinctrls
