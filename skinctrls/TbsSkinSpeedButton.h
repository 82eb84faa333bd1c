#pragma once

#include "skinctrls/SkinButtonBase.h"

namespace ctl {
class TImageList;
}

namespace skinctrls {

class TbsSkinToolBar;

// A windowless tool button: a caption beside a glyph, or beside an image of
// the image lists of the TbsSkinToolBar it sits on. It can stay down as a
// toggle in a group of siblings and repeat its click while held.
class TbsSkinSpeedButton : public SkinButtonBase<TbsGraphicSkinCustomControl> {
public:
    explicit TbsSkinSpeedButton(ctl::TComponent* AOwner);

    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int Value);
    bool ShowCaption() const { return m_showCaption; }
    void SetShowCaption(bool Value);
    int WidthWithCaption { 0 };
    int WidthWithoutCaption { 0 };
    bool Transparent() const { return !m_opaque; }
    void SetTransparent(bool Value);
    bool Flat() const { return m_flat; }
    void SetFlat(bool Value);

    // The click users of the button see: runs OnClick, or the linked action
    // when there is no OnClick.
    void ButtonClick() override;
    // Answers its caption's access key with a click.
    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

protected:
    void Paint() override;
    void DrawDefault(gfx::TBitmap& Bitmap) override;
    bool PressedLook() const override;
    void DrawSkinState(gfx::TBitmap& Bitmap, const gfx::TRect& Source, bool Hot, bool DownState) override;
    void MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    // A transparent button never fades.
    bool RecordMorphs() const override;

private:
    TbsSkinToolBar* ParentToolBar() const;
    // Glyph (or tool bar image) and caption with the canvas font already set.
    void DrawContent(gfx::TCanvas& Canvas, bool Pressed, bool Hot, bool ListNormalStyle) const;

    int m_imageIndex { 0 };
    bool m_showCaption { true };
    bool m_flat { false };
};

} // namespace skinctrls
