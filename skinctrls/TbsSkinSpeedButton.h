#pragma once

#include "platform/controls/TTimer.h"
#include "skinctrls/GlyphCaption.h"
#include "skinctrls/TbsGraphicSkinCustomControl.h"

#include <memory>

namespace ctl {
class TImageList;
}

namespace skinctrls {

class TbsSkinToolBar;

// A windowless tool button: a caption beside a glyph, or beside an image of
// the image lists of the TbsSkinToolBar it sits on. It can stay down as a
// toggle in a group of siblings and repeat its click while held.
class TbsSkinSpeedButton : public TbsGraphicSkinCustomControl {
public:
    explicit TbsSkinSpeedButton(ctl::TComponent* AOwner);
    ~TbsSkinSpeedButton() override;

    const gfx::TBitmap& Glyph() const { return m_glyph; }
    void SetGlyph(const gfx::TBitmap& Value);
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int Value);
    TbsButtonLayout Layout() const { return m_style.Layout; }
    void SetLayout(TbsButtonLayout Value);
    int Margin() const { return m_style.Margin; }
    void SetMargin(int Value);
    int Spacing() const { return m_style.Spacing; }
    void SetSpacing(int Value);

    bool Down() const { return m_down; }
    void SetDown(bool Value);
    int GroupIndex { 0 };
    bool AllowAllUp { false };
    bool RepeatMode { false };
    int RepeatInterval { 100 };

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

    // The pointer is over the button.
    bool MouseIn() const { return m_mouseIn; }
    // The click users of the button see: runs OnClick.
    virtual void ButtonClick();

protected:
    void Paint() override;
    void DrawDefault(gfx::TBitmap& Bitmap) override;
    void DrawSkin(gfx::TBitmap& Bitmap) override;
    void MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void EnabledChanged() override;
    void TextChanged() override;

private:
    TbsSkinToolBar* ParentToolBar() const;
    bool PressedLook() const;
    // Glyph (or tool bar image) and caption with the canvas font already set.
    void DrawContent(gfx::TCanvas& Canvas, bool Pressed, bool Hot, bool ListNormalStyle) const;
    void DrawSkinState(gfx::TBitmap& Bitmap, const gfx::TRect& Source, bool Hot, bool DownState);
    void ReleaseOthers();
    void StartRepeat();
    void StopRepeat();

    gfx::TBitmap m_glyph;
    int m_numGlyphs { 1 };
    TbsGlyphCaptionStyle m_style;
    bool m_down { false };
    int m_imageIndex { 0 };
    bool m_showCaption { true };
    bool m_flat { false };
    bool m_mouseIn { false };
    bool m_mousePressed { false };
    bool m_downAtPress { false };
    std::unique_ptr<ctl::TTimer> m_repeatTimer;
};

} // namespace skinctrls
