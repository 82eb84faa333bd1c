#pragma once

#include "platform/controls/TComponent.h"
#include "platform/graphics/TBitmap.h"
#include "skin/SkinControlRecords.h"
#include "skin/SkinMessages.h"
#include "skin/SkinObjectRecords.h"
#include "skin/SkinWindowRecords.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsResourceStrData.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

struct StoredSkin;

// The descriptive texts of section "VERSION", kept but never interpreted.
struct SkinVersionInfo {
    std::string SkinName;
    std::string SkinAuthor;
    std::string AuthorEMail;
    std::string AuthorURL;
    std::string SkinComments;
};

// One loaded skin: its pictures, the frame description (FORMINFO), the popup
// and hint windows, and the named records of the frame parts (SkinObjects) and
// of the skinned controls (SkinControls). Frames, menus and controls find
// their record by name; when the skin changes, every form is told with the
// skin messages (SkinMessages.h).
//
// A damaged stored skin never stops the program: the load leaves the skin
// empty, so every user paints its default look, and the error is reported
// once through OnLoadError (or on the standard error stream without one).
//
// It is a component: controls that draw from it ask for its free
// notification, so when it goes away every reference to it is cleared and no
// control keeps a picture of a skin that no longer exists.
class TbsSkinData : public ctl::TComponent {
public:
    // `owner` is the form the component sits on (it gets the skin messages
    // first); null for a skin data outside any form. `AOwner` frees it when
    // given.
    explicit TbsSkinData(SkinMessageTarget* owner = nullptr, ctl::TComponent* AOwner = nullptr);
    ~TbsSkinData() override;
    TbsSkinData(const TbsSkinData&) = delete;
    TbsSkinData& operator=(const TbsSkinData&) = delete;

    bool IsEmpty() const { return m_isEmpty; }

    // Stores the reference and, when it is not null, loads the skin from it.
    void SetCompressedStoredSkin(TbsCompressedStoredSkin* stored);
    TbsCompressedStoredSkin* CompressedStoredSkin() const { return m_storedSkin; }
    // Stores the reference and tells the forms with SKINMSG_STRINGS.
    void SetResourceStrData(TbsResourceStrData* strings);
    TbsResourceStrData* ResourceStrData() const { return m_resourceStrings; }
    // Clears every reference to a component that is going away (no reload).
    void ComponentRemoved(const void* component);

    // Loads the skin held by a container. An empty container changes nothing
    // and sends nothing. Otherwise: SKINMSG_BEFORELOAD, clear, inflate and read;
    // then SKINMSG_LOADED and SKINMSG_AFTERLOAD. A stream of a newer version
    // leaves the skin empty after SKINMSG_BEFORELOAD alone. A damaged one leaves
    // it empty too, reports the error once, and still sends SKINMSG_LOADED and
    // SKINMSG_AFTERLOAD so that every form switches to its default look.
    void LoadFromStoredSkin(const TbsCompressedStoredSkin& stored);
    // The same from an already inflated stored skin stream.
    void LoadFromStoredSkinStream(std::span<const std::uint8_t> stream);

    // Frees every record and picture, empties the names and the frame
    // description and sets IsEmpty.
    void ClearSkin();

    // Sends `message` (first parameter this skin data, second 1000) to the
    // owner form, then to every other form of the screen in list order.
    void NotifySkinForms(unsigned message);

    // Index of the first record named exactly `name` (with case), or -1.
    int IndexOfSkinControl(std::string_view name) const;
    int IndexOfSkinObject(std::string_view name) const;

    const std::vector<std::unique_ptr<TbsDataSkinObject>>& SkinObjects() const { return m_skinObjects; }
    const std::vector<std::unique_ptr<TbsDataSkinControl>>& SkinControls() const { return m_skinControls; }

    // The main, inactive and mask pictures (empty when absent) and their names.
    const gfx::TBitmap& Picture() const { return m_picture; }
    const gfx::TBitmap& InActivePicture() const { return m_inactivePicture; }
    const gfx::TBitmap& Mask() const { return m_mask; }
    const std::string& PictureName() const { return m_pictureName; }
    const std::string& InActivePictureName() const { return m_inactivePictureName; }
    const std::string& MaskName() const { return m_maskName; }

    // Pictures in stream order; a record's picture index points here. Null for
    // an index out of range (-1 included): the user treats it as no picture.
    int ActivePictureCount() const { return static_cast<int>(m_activePictures.size()); }
    const gfx::TBitmap* ActivePicture(int index) const;
    gfx::TBitmap* ActivePicture(int index);
    const std::vector<std::string>& ActivePictureNames() const { return m_activePictureNames; }

    const SkinVersionInfo& VersionInfo() const { return m_versionInfo; }
    const SkinFormInfo& FormInfo() const { return m_formInfo; }
    const TbsDataSkinPopupWindow& PopupWindow() const { return m_popupWindow; }
    const TbsDataSkinHintWindow& HintWindow() const { return m_hintWindow; }

    // Told once per failed load, with the reason.
    std::function<void(const std::string& error)> OnLoadError;
    // The reason the last load failed; empty after a successful load.
    const std::string& LoadError() const { return m_loadError; }

private:
    void BeginLoad();
    void LoadStream(std::span<const std::uint8_t> stream);
    void ReadModel(StoredSkin& stored);
    void ReadRecordLists(const SkinIniFile& ini);
    void FailLoad(const std::string& reason);

    SkinMessageTarget* m_owner;
    TbsCompressedStoredSkin* m_storedSkin { nullptr };
    TbsResourceStrData* m_resourceStrings { nullptr };
    bool m_isEmpty { true };
    std::string m_loadError;

    gfx::TBitmap m_picture;
    gfx::TBitmap m_inactivePicture;
    gfx::TBitmap m_mask;
    std::string m_pictureName;
    std::string m_inactivePictureName;
    std::string m_maskName;
    std::vector<std::unique_ptr<gfx::TBitmap>> m_activePictures;
    std::vector<std::string> m_activePictureNames;

    SkinVersionInfo m_versionInfo;
    SkinFormInfo m_formInfo;
    TbsDataSkinPopupWindow m_popupWindow;
    TbsDataSkinHintWindow m_hintWindow;
    std::vector<std::unique_ptr<TbsDataSkinObject>> m_skinObjects;
    std::vector<std::unique_ptr<TbsDataSkinControl>> m_skinControls;
};

// Moves Watcher's free notification from the skin data it drew with to the
// one it draws with now, so it hears when that one goes away.
void FollowSkinData(ctl::TComponent& Watcher, TbsSkinData* Old, TbsSkinData* New);
// Whether the component going away is the skin data Data.
bool IsSkinData(const ctl::TComponent* Component, const TbsSkinData* Data);

} // namespace skin
