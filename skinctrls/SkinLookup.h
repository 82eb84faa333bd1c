#pragma once

#include <string_view>

namespace skin {
class TbsSkinData;
class TbsDataSkinControl;
}

namespace skinctrls {

// Index of the record named Name in a loaded skin; -1 without skin data, with
// an empty skin or without such a record.
int LookupSkinIndex(const skin::TbsSkinData* Data, std::string_view Name);
// The record at Index, nullptr for -1.
const skin::TbsDataSkinControl* SkinRecordAt(const skin::TbsSkinData* Data, int Index);
// The character set of the skin's replaceable strings, or Fallback.
int SkinCharSetOr(const skin::TbsSkinData* Data, int Fallback);

} // namespace skinctrls
