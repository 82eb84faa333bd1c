#pragma once

#include "platform/controls/TComponent.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TRegion.h"
#include "platform/window/Messages.h"
#include "skin/SkinImageBuilders.h"
#include "skin/SkinMessages.h"
#include "skinform/FrameGeometry.h"
#include "skinform/FrameObjects.h"
#include "skinform/SystemMenuEntries.h"
#include "skinform/TbsSkinMenu.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ctl {
class TForm;
class TMenuItem;
}

namespace skin {
class TbsSkinData;
}

namespace skinform {

enum class TbsFormState { fsNormal, fsMinimized, fsMaximized };

enum class TbsBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biRollUp = 8, biMinimizeToTray = 16 };

class TbsBorderIcons {
public:
    constexpr TbsBorderIcons() = default;
    constexpr TbsBorderIcons(std::initializer_list<TbsBorderIcon> icons)
    {
        for (TbsBorderIcon i : icons)
            m_bits |= static_cast<unsigned>(i);
    }
    constexpr bool Contains(TbsBorderIcon i) const { return (m_bits & static_cast<unsigned>(i)) != 0; }
    friend constexpr bool operator==(const TbsBorderIcons&, const TbsBorderIcons&) = default;

private:
    unsigned m_bits { 0 };
};

// Takes over the whole frame of the form that owns it: the frame is painted
// from the skin (or in a plain default look without one), hit-tested so that
// the window system's move and size loops work on it, and carries the caption
// buttons and the system menu. The form's window procedure is replaced; the
// previous one handles everything the component leaves alone.
class TbsSkinForm : public ctl::TComponent {
public:
    // The owner must be a form whose window exists.
    explicit TbsSkinForm(ctl::TComponent* AOwner);
    ~TbsSkinForm() override;

    ctl::TForm* Form() const { return m_form; }

    skin::TbsSkinData* SkinData() const { return m_skinData; }
    void SetSkinData(skin::TbsSkinData* Value);
    // The skin of the menus; SkinData when none is set.
    skin::TbsSkinData* MenusSkinData() const;
    void SetMenusSkinData(skin::TbsSkinData* Value);

    TbsBorderIcons BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(TbsBorderIcons Value);
    bool HideCaptionButtons() const { return m_hideCaptionButtons; }
    void SetHideCaptionButtons(bool Value);
    bool AlphaBlend() const { return m_alphaBlend; }
    void SetAlphaBlend(bool Value);

    int MinWidth { 0 };
    int MinHeight { 0 };
    bool Magnetic { false };
    int MagneticSize { 5 };
    bool MaximizeOnFullScreen { false };
    bool AlphaBlendAnimation { false };
    unsigned char AlphaBlendValue { 200 };
    bool MenusAlphaBlend { false };
    bool MenusAlphaBlendAnimation { false };
    unsigned char MenusAlphaBlendValue { 200 };
    gfx::TFont DefCaptionFont;
    gfx::TFont DefInActiveCaptionFont;
    int DefMenuItemHeight { 20 };
    gfx::TFont DefMenuItemFont;
    bool UseSkinFontInMenu { true };
    bool AlwaysMinimizeToTray { false };
    int ClientWidth { 0 };
    int ClientHeight { 0 };

    ctl::TNotifyEvent OnChangeSkinData;
    ctl::TNotifyEvent OnActivate;
    ctl::TNotifyEvent OnDeActivate;
    ctl::TNotifyEvent OnChangeRollUpState;
    ctl::TNotifyEvent OnSkinMenuOpen;
    ctl::TNotifyEvent OnSkinMenuClose;
    std::function<void(const std::string& IDName)> OnMouseEnterEvent;
    std::function<void(const std::string& IDName)> OnMouseLeaveEvent;
    std::function<void(const std::string& IDName, int X, int Y, gfx::TRect ObjectRect, wnd::TMouseButton Button)>
        OnMouseDownEvent;
    std::function<void(const std::string& IDName, int X, int Y, gfx::TRect ObjectRect, wnd::TMouseButton Button)>
        OnMouseUpEvent;
    std::function<void(const std::string& IDName, int X, int Y, gfx::TRect ObjectRect)> OnMouseMoveEvent;
    std::function<void(const std::string& IDName, gfx::TCanvas& Canvas, gfx::TRect ObjectRect)> OnPaintEvent;
    std::function<void(const std::string& IDName, bool& ObjectVisible)> OnActivateCustomObject;

    // The engine of the form's skinned menus, the system menu among them.
    TbsSkinMenu& SkinMenu() const { return *m_skinMenu; }
    // The system menu as last opened.
    ctl::TMenuItem& SystemMenu() const { return *m_systemMenu; }

    // --- state --------------------------------------------------------------
    bool SkinMode() const { return m_skinMode; }
    TbsFormState FormState() const { return m_formState; }
    void SetFormState(TbsFormState Value);
    bool RolledUp() const { return m_rolledUp; }
    void SetRolledUp(bool Value);
    bool IsActive() const;
    bool IsMainForm() const;
    // The bounds a maximized or minimized form goes back to; empty otherwise.
    const gfx::TRect& SavedBounds() const { return m_savedBounds; }

    const TbsFrameGeometry& Geometry() const { return m_geometry; }
    const std::vector<std::unique_ptr<TbsActiveSkinObject>>& FrameObjects() const { return m_frameObjects; }
    TbsActiveSkinObject* FindFrameObject(std::string_view name) const;
    int HotIndex() const { return m_hotIndex; }
    int PressedIndex() const { return m_pressedIndex; }
    // The smallest window the frame allows in the current state.
    gfx::TSize MinimumSize() const;
    // The caption text the frame shows.
    std::string CaptionText() const;

    // --- operations -----------------------------------------------------------
    void ApplyFrameSkin();
    void UpdateFrameGeometry();
    void LayoutFrameObjects();
    void PaintFrame();
    void RedrawFrameObject(TbsActiveSkinObject& object);
    wnd::LRESULT FrameHitTest(gfx::TPoint windowPoint) const;
    // Updates the hot object for a point in window coordinates.
    void TrackHover(int X, int Y, bool Track = true);
    // Opens the system menu with its top-left corner at a screen point.
    void ShowSystemMenu(int X, int Y);
    // The entries the system menu shows in the current state.
    std::vector<TbsSystemMenuEntry> SystemMenuEntries() const;
    // Runs a caption-button command. Closing is posted, so that it happens
    // after the handler that asked for it has returned.
    void ExecuteCommand(skin::TbsStdCommand Command);
    void ExecuteSystemCommand(TbsSystemCommand Command);

    // For the frame objects.
    void StartMorphTimer();
    void ButtonMenuRequested(TbsSkinButtonObject& button);
    const std::string& DefaultHint(skin::TbsStdCommand command) const;

protected:
    // A skin data going away leaves the frame in its default look.
    void Notification(ctl::TComponent* AComponent, ctl::TOperation Operation) override;

private:
    // Sends the skin messages to this component's form.
    class FormMessageTarget : public skin::SkinMessageTarget {
    public:
        explicit FormMessageTarget(TbsSkinForm& owner) : m_owner(owner) { }
        std::intptr_t Perform(unsigned message, std::intptr_t wparam, std::intptr_t lparam) override;

    private:
        TbsSkinForm& m_owner;
    };

public:
    // The form as the skin data sees it (for a skin data placed on this form).
    skin::SkinMessageTarget& MessageTarget() { return m_messageTarget; }

private:
    wnd::HWND Handle() const;
    wnd::LRESULT WindowProc(wnd::HWND hwnd, wnd::UINT msg, wnd::WPARAM wParam, wnd::LPARAM lParam);
    wnd::LRESULT CallDefault(wnd::UINT msg, wnd::WPARAM wParam, wnd::LPARAM lParam);
    bool HandleFrameMessage(wnd::UINT msg, wnd::WPARAM wParam, wnd::LPARAM lParam, wnd::LRESULT& result);
    bool HandleMouseMessage(wnd::UINT msg, wnd::WPARAM wParam, wnd::LPARAM lParam, wnd::LRESULT& result);
    bool HandleSysCommand(wnd::WPARAM wParam, wnd::LPARAM lParam, wnd::LRESULT& result);
    void HandleSkinMessage(wnd::UINT msg, wnd::WPARAM wParam);
    void HandleTimer(wnd::WPARAM id);

    bool HasBorder() const;
    bool Sizeable() const;
    int DefaultCaptionHeight() const;
    bool ObjectInCaption(gfx::TPoint p) const;
    gfx::TSize WindowSize() const;

    void CreateFrameObjects();
    void CreateBuiltInButtons();
    void ApplyBorderIcons();
    void ClearFrameObjects();
    void StopTimers();
    void ResetHover();
    void OnSizeChanged();
    void UpdateFrameRegion(bool sizeChanged);
    void Refer(skin::TbsSkinData*& Field, skin::TbsSkinData* Value);

    void PaintSkinFrame(gfx::TCanvas& canvas);
    void PaintDefaultFrame(gfx::TCanvas& canvas);
    void PaintClientBackground(gfx::TCanvas& canvas);
    void DrawObjectsOnStrips(skin::TbsFrameStrips& strips);

    void OpenSystemMenu(gfx::TRect anchor);
    void ShowSystemMenuFromKeyboard();
    TbsSkinStdButtonObject* FindSystemMenuButton() const;
    void MenuClosed();
    void CloseSkinMenus();
    void RebuildSystemMenu();
    void MouseDownOnFrame(gfx::TPoint p, wnd::TMouseButton button, wnd::LRESULT hit);
    void MouseUpOnFrame(gfx::TPoint p, wnd::TMouseButton button);
    void CaptionDoubleClick();
    void MorphTick();
    void HoverTick();
    void AlphaTick();
    void StartAlphaFade();
    void FinishAlphaFade();

    void Maximize();
    void Minimize();
    void Restore();
    void SetBoundsRect(const gfx::TRect& r);
    void ForceLayout();
    gfx::TRect WindowRect() const;

    ctl::TForm* m_form { nullptr };
    wnd::WNDPROC m_oldProc;
    FormMessageTarget m_messageTarget { *this };
    std::unique_ptr<skin::ScopedSkinForm> m_screenEntry;
    skin::TbsSkinData* m_skinData { nullptr };
    skin::TbsSkinData* m_menusSkinData { nullptr };
    TbsBorderIcons m_borderIcons { TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize, TbsBorderIcon::biMaximize,
        TbsBorderIcon::biRollUp };
    bool m_hideCaptionButtons { false };
    bool m_alphaBlend { false };

    bool m_skinMode { false };
    std::vector<std::unique_ptr<TbsActiveSkinObject>> m_frameObjects;
    TbsFormState m_formState { TbsFormState::fsNormal };
    bool m_rolledUp { false };
    bool m_rolledUpWhileMaximized { false };
    int m_rollUpHeight { 0 };
    gfx::TRect m_savedBounds;
    int m_frameWidth { 0 };
    int m_frameHeight { 0 };
    TbsFrameGeometry m_geometry;
    int m_hotIndex { -1 };
    int m_previousHotIndex { -1 };
    int m_pressedIndex { -1 };
    bool m_inSizeMove { false };
    bool m_active { false };
    bool m_hoverTimer { false };
    bool m_morphTimer { false };
    bool m_menuOpen { false };
    std::unique_ptr<TbsSkinMenu> m_skinMenu;
    std::unique_ptr<ctl::TMenuItem> m_systemMenu;
    int m_menuHook { 0 };
    int m_alpha { 0 };
    unsigned char m_alphaTarget { 255 };
    std::optional<gfx::TRegion> m_region;
};

} // namespace skinform
