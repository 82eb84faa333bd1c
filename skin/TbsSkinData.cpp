#include "skin/TbsSkinData.h"

#include "platform/text/Gbk.h"
#include "skin/SkinIniFile.h"
#include "skin/SkinIniValues.h"
#include "skin/StoredSkinStream.h"

#include <iostream>
#include <utility>

namespace skin {

namespace {

std::vector<std::string> GbkLinesToUtf8(std::string_view gbkText)
{
    std::vector<std::string> lines = SplitTextLines(gbkText);
    for (std::string& line : lines)
        line = text::GbkToUtf8(line);
    return lines;
}

// Splits a "name:kind" entry at its first ":"; without one both are empty.
std::pair<std::string, std::string> SplitEntry(const std::string& entry)
{
    std::size_t colon = entry.find(':');
    if (colon == std::string::npos)
        return {};
    return { entry.substr(0, colon), entry.substr(colon + 1) };
}

// Calls `make(name, kind)` for every entry of a record list section, in order.
template <class Make>
void ForEachEntry(const SkinIniFile& ini, std::string_view section, Make make)
{
    int count = ini.ReadInteger(section, "count", 0);
    if (count > kMaxSkinListCount)
        throw io::FormatError("section " + std::string(section) + " claims " + std::to_string(count) + " records");
    for (int i = 0; i < count; ++i) {
        auto [name, kind] = SplitEntry(ini.ReadString(section, std::to_string(i), ""));
        make(std::move(name), kind);
    }
}

template <class Record>
int IndexOfName(const std::vector<std::unique_ptr<Record>>& records, std::string_view name)
{
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i]->IDName() == name)
            return static_cast<int>(i);
    return -1;
}

} // namespace

TbsSkinData::TbsSkinData(SkinMessageTarget* owner, ctl::TComponent* AOwner)
    : ctl::TComponent(AOwner), m_owner(owner)
{
}

TbsSkinData::~TbsSkinData()
{
    ClearSkin();
}

void TbsSkinData::SetCompressedStoredSkin(TbsCompressedStoredSkin* stored)
{
    m_storedSkin = stored;
    if (stored != nullptr)
        LoadFromStoredSkin(*stored);
}

void TbsSkinData::SetResourceStrData(TbsResourceStrData* strings)
{
    m_resourceStrings = strings;
    NotifySkinForms(SKINMSG_STRINGS);
}

void TbsSkinData::ComponentRemoved(const void* component)
{
    if (component == m_storedSkin)
        m_storedSkin = nullptr;
    if (component == m_resourceStrings)
        m_resourceStrings = nullptr;
}

void TbsSkinData::LoadFromStoredSkin(const TbsCompressedStoredSkin& stored)
{
    if (stored.IsEmpty())
        return;
    BeginLoad();
    std::vector<std::uint8_t> stream;
    try {
        stored.DecompressTo(stream);
    } catch (const std::exception& error) {
        FailLoad(error.what());
        return;
    }
    LoadStream(stream);
}

void TbsSkinData::LoadFromStoredSkinStream(std::span<const std::uint8_t> stream)
{
    BeginLoad();
    LoadStream(stream);
}

void TbsSkinData::BeginLoad()
{
    m_isEmpty = true;
    NotifySkinForms(SKINMSG_BEFORELOAD);
    ClearSkin();
}

void TbsSkinData::LoadStream(std::span<const std::uint8_t> stream)
{
    try {
        StoredSkin stored = ReadStoredSkin(stream);
        ReadModel(stored);
    } catch (const StoredSkinVersionError&) {
        // A skin of a newer writer: the skin stays empty without a word.
        ClearSkin();
        return;
    } catch (const std::exception& error) {
        FailLoad(error.what());
        return;
    }
    m_loadError.clear();
    m_isEmpty = false;
    NotifySkinForms(SKINMSG_LOADED);
    NotifySkinForms(SKINMSG_AFTERLOAD);
}

void TbsSkinData::ReadModel(StoredSkin& stored)
{
    m_picture = std::move(stored.Picture);
    m_inactivePicture = std::move(stored.InactivePicture);
    m_mask = std::move(stored.Mask);
    for (gfx::TBitmap& picture : stored.ActivePictures)
        m_activePictures.push_back(std::make_unique<gfx::TBitmap>(std::move(picture)));

    SkinIniFile ini(GbkLinesToUtf8(stored.IniText));
    m_versionInfo.SkinName = ini.ReadString("VERSION", "skinname", "");
    m_versionInfo.SkinAuthor = ini.ReadString("VERSION", "skinauthor", "");
    m_versionInfo.AuthorEMail = ini.ReadString("VERSION", "authoremail", "");
    m_versionInfo.AuthorURL = ini.ReadString("VERSION", "authorurl", "");
    m_versionInfo.SkinComments = ini.ReadString("VERSION", "skincomments", "");
    m_pictureName = ini.ReadString("PICTURES", "picture", "");
    m_inactivePictureName = ini.ReadString("PICTURES", "inactivepicture", "");
    m_maskName = ini.ReadString("PICTURES", "mask", "");
    m_activePictureNames = ReadSkinList(ini, "PICTURES", "activepictures");

    m_formInfo.LoadFromIni(ini, !m_maskName.empty());
    m_popupWindow.LoadFromIni(ini);
    m_hintWindow.LoadFromIni(ini);
    ReadRecordLists(ini);
}

void TbsSkinData::ReadRecordLists(const SkinIniFile& ini)
{
    ForEachEntry(ini, "SKINOBJECTS", [&](std::string name, const std::string& kind) {
        if (std::unique_ptr<TbsDataSkinObject> record = CreateSkinObject(kind, std::move(name))) {
            record->LoadFromIni(ini);
            m_skinObjects.push_back(std::move(record));
        }
    });
    ForEachEntry(ini, "SKINCONTROLS", [&](std::string name, const std::string& kind) {
        if (std::unique_ptr<TbsDataSkinControl> record = CreateSkinControl(kind, std::move(name))) {
            record->LoadFromIni(ini);
            m_skinControls.push_back(std::move(record));
        }
    });
}

void TbsSkinData::FailLoad(const std::string& reason)
{
    ClearSkin();
    m_loadError = "the stored skin cannot be loaded: " + reason;
    if (OnLoadError)
        OnLoadError(m_loadError);
    else
        std::cerr << m_loadError << '\n';
    NotifySkinForms(SKINMSG_LOADED);
    NotifySkinForms(SKINMSG_AFTERLOAD);
}

void TbsSkinData::ClearSkin()
{
    m_skinObjects.clear();
    m_skinControls.clear();
    m_activePictures.clear();
    m_activePictureNames.clear();
    m_picture = gfx::TBitmap();
    m_inactivePicture = gfx::TBitmap();
    m_mask = gfx::TBitmap();
    m_pictureName.clear();
    m_inactivePictureName.clear();
    m_maskName.clear();
    m_versionInfo = {};
    m_formInfo = {};
    m_popupWindow = {};
    m_hintWindow = {};
    m_isEmpty = true;
}

void TbsSkinData::NotifySkinForms(unsigned message)
{
    auto sender = reinterpret_cast<std::intptr_t>(this);
    if (m_owner != nullptr)
        m_owner->Perform(message, sender, kSkinMessageTag);
    // A form may come or go while it handles the message: walk a copy and skip
    // forms that have left the screen meanwhile.
    std::vector<SkinMessageTarget*> forms = ScreenForms().Forms();
    for (SkinMessageTarget* form : forms)
        if (form != m_owner && ScreenForms().Contains(form))
            form->Perform(message, sender, kSkinMessageTag);
}

int TbsSkinData::IndexOfSkinControl(std::string_view name) const
{
    return IndexOfName(m_skinControls, name);
}

int TbsSkinData::IndexOfSkinObject(std::string_view name) const
{
    return IndexOfName(m_skinObjects, name);
}

const gfx::TBitmap* TbsSkinData::ActivePicture(int index) const
{
    if (index < 0 || index >= ActivePictureCount())
        return nullptr;
    return m_activePictures[static_cast<std::size_t>(index)].get();
}

gfx::TBitmap* TbsSkinData::ActivePicture(int index)
{
    return const_cast<gfx::TBitmap*>(std::as_const(*this).ActivePicture(index));
}

void FollowSkinData(ctl::TComponent& Watcher, TbsSkinData* Old, TbsSkinData* New)
{
    if (Old == New)
        return;
    if (Old)
        Watcher.RemoveFreeNotification(Old);
    if (New)
        Watcher.FreeNotification(New);
}

bool IsSkinData(const ctl::TComponent* Component, const TbsSkinData* Data)
{
    return Data && Component == Data;
}

} // namespace skin
