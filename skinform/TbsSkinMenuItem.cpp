#include "skinform/TbsSkinMenuItem.h"

#include "platform/controls/TImageList.h"
#include "platform/controls/TMenuItem.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TextFormat.h"
#include "skin/SkinGlyphs.h"
#include "skin/SkinImageBuilders.h"
#include "skin/SkinObjectRecords.h"
#include "skin/TbsEffectBmp.h"
#include "skinform/MenuLook.h"

#include <algorithm>
#include <map>
#include <string>

namespace skinform {
namespace {

    constexpr gfx::TColor kPlainHotFrame = gfx::clNavy;
    constexpr gfx::TColor kPlainHotFill = 13811126;
    constexpr double kMorphStep = 0.2;

    using GlyphPainter = void (*)(gfx::TCanvas&, int, int, gfx::TColor);

    // The system menu's entries carry their glyph by their component name.
    GlyphPainter BuiltInGlyph(const std::string& name)
    {
        static const std::map<std::string, GlyphPainter> glyphs {
            { "BSF_CLOSE", skin::DrawCloseGlyph },
            { "BSF_MINITEM", skin::DrawMinimizeGlyph },
            { "BSF_MAXITEM", skin::DrawMaximizeGlyph },
            { "BSF_RESTORE", skin::DrawRestoreGlyph },
            { "BSF_ROLLUP", skin::DrawTriangleUpGlyph },
            { "BSF_MINTOTRAY", skin::DrawSquareGlyph },
        };
        const auto it = glyphs.find(name);
        return it == glyphs.end() ? nullptr : it->second;
    }

    void DrawRow(gfx::TCanvas& canvas, const gfx::TRect& at, int leftOffset, int rightOffset,
        const gfx::TRect& skinRect, const gfx::TBitmap& picture)
    {
        gfx::TBitmap image;
        skin::BuildHorzSkinImage(leftOffset, rightOffset, image, at.Width(), skinRect, picture);
        canvas.Draw(at.Left, at.Top, image);
    }

} // namespace

bool TbsSkinMenuItem::IsSeparator() const { return m_item->IsLine(); }

bool TbsSkinMenuItem::HasSubMenu() const { return m_item->VisibleCount() > 0; }

bool TbsSkinMenuItem::CanBeActive() const { return m_item->Enabled && !IsSeparator(); }

bool TbsSkinMenuItem::Morphing() const
{
    return Highlighted() ? MorphFactor < 1 : MorphFactor > 0;
}

bool TbsSkinMenuItem::StepMorph()
{
    if (!Morphing())
        return false;
    MorphFactor = std::clamp(MorphFactor + (Highlighted() ? kMorphStep : -kMorphStep), 0.0, 1.0);
    return true;
}

void TbsSkinMenuItem::Draw(gfx::TCanvas& canvas, const TbsMenuLook& look) const
{
    if (look.Skinned())
        DrawSkinned(canvas, look);
    else
        DrawPlain(canvas, look);
}

void TbsSkinMenuItem::DrawSkinned(gfx::TCanvas& canvas, const TbsMenuLook& look) const
{
    const skin::TbsDataSkinMenuItem& record = *look.ItemRecord;
    const int width = ObjectRect.Width();
    if (IsSeparator()) {
        if (look.ItemPicture)
            DrawRow(canvas, ObjectRect, record.DividerLO, record.DividerRO, record.DividerRect, *look.ItemPicture);
        return;
    }
    DrawItemImage(canvas, look, width);

    gfx::TRect text = record.TextRect;
    text.Right += width - record.SkinRect.Width();
    gfx::OffsetRect(text, ObjectRect.Left, ObjectRect.Top);
    const gfx::TColor color = Highlighted() ? record.ActiveFontColor
        : m_item->Enabled                   ? record.FontColor
                                            : record.UnEnabledFontColor;
    DrawContent(canvas, look, text, color);
}

// The normal or the active image, or the fade between them while it runs.
void TbsSkinMenuItem::DrawItemImage(gfx::TCanvas& canvas, const TbsMenuLook& look, int width) const
{
    if (!look.ItemPicture)
        return;
    const skin::TbsDataSkinMenuItem& record = *look.ItemRecord;
    const bool fading = record.Morphing && MorphFactor > 0 && MorphFactor < 1;
    if (!fading) {
        const gfx::TRect& source = Highlighted() ? record.ActiveSkinRect : record.SkinRect;
        DrawRow(canvas, ObjectRect, record.ItemLO, record.ItemRO, source, *look.ItemPicture);
        return;
    }
    gfx::TBitmap normal;
    gfx::TBitmap active;
    skin::BuildHorzSkinImage(record.ItemLO, record.ItemRO, normal, width, record.SkinRect, *look.ItemPicture);
    skin::BuildHorzSkinImage(record.ItemLO, record.ItemRO, active, width, record.ActiveSkinRect, *look.ItemPicture);
    skin::TbsEffectBmp blend(normal);
    blend.Morph(skin::TbsEffectBmp(active), record.MorphingKind, MorphFactor);
    blend.DrawTo(canvas, ObjectRect.Left, ObjectRect.Top);
}

void TbsSkinMenuItem::DrawPlain(gfx::TCanvas& canvas, const TbsMenuLook& look) const
{
    const gfx::TRect r = ObjectRect;
    const int glyphRight = r.Left + look.GlyphColumn();
    canvas.Brush = gfx::TBrush {};
    if (Highlighted() && !IsSeparator()) {
        canvas.Brush.Color = kPlainHotFill;
        canvas.FillRect(r);
        canvas.Brush.Color = kPlainHotFrame;
        canvas.FrameRect(r);
    } else {
        canvas.Brush.Color = gfx::clWindow;
        canvas.FillRect({ glyphRight, r.Top, r.Right, r.Bottom });
        canvas.Brush.Color = gfx::clBtnFace;
        canvas.FillRect({ r.Left, r.Top, glyphRight, r.Bottom });
    }
    if (IsSeparator()) {
        const int y = r.Top + r.Height() / 2;
        canvas.Brush.Color = gfx::clBtnShadow;
        canvas.FillRect({ glyphRight, y, r.Right, y + 1 });
        return;
    }
    const gfx::TColor color = m_item->Enabled ? gfx::clMenuText : gfx::clBtnShadow;
    DrawContent(canvas, look, { r.Left + 2, r.Top, r.Right - 2, r.Bottom }, color);
}

// The glyph column, the caption, the shortcut text and the submenu arrow,
// inside the text rectangle.
void TbsSkinMenuItem::DrawContent(
    gfx::TCanvas& canvas, const TbsMenuLook& look, const gfx::TRect& text, gfx::TColor color) const
{
    const int glyphTop = text.Top + text.Height() / 2 - 4;
    if (look.Images && m_item->ImageIndex >= 0) {
        const int imageTop = text.Top + (text.Height() - look.Images->Height()) / 2;
        look.Images->Draw(canvas, text.Left + 2, imageTop, m_item->ImageIndex, m_item->Enabled);
        if (m_item->Checked) {
            canvas.Brush = gfx::TBrush {};
            canvas.Brush.Color = color;
            canvas.FrameRect({ text.Left, imageTop - 2, text.Left + look.Images->Width() + 4,
                imageTop + look.Images->Height() + 2 });
        }
    } else if (m_item->Checked) {
        (m_item->RadioItem ? skin::DrawRadioDotGlyph : skin::DrawCheckGlyph)(canvas, text.Left + 2, glyphTop, color);
    } else if (const GlyphPainter glyph = BuiltInGlyph(m_item->Name())) {
        glyph(canvas, text.Left + 2, glyphTop, color);
    }

    canvas.Font = look.Font;
    canvas.Font.Color = color;
    if (m_item->Default)
        canvas.Font.Style.Include(gfx::TFontStyle::fsBold);
    canvas.Brush.Style = gfx::TBrushStyle::bsClear;
    gfx::TRect caption { text.Left + look.CaptionIndent(), text.Top, text.Right, text.Bottom };
    canvas.DrawText(m_item->Caption(), caption, gfx::DT_LEFT | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
    if (!m_item->ShortCut().empty()) {
        gfx::TRect shortcut { text.Left, text.Top, text.Right - 16, text.Bottom };
        canvas.DrawText(m_item->ShortCut(), shortcut,
            gfx::DT_RIGHT | gfx::DT_VCENTER | gfx::DT_SINGLELINE | gfx::DT_NOPREFIX);
    }
    canvas.Brush = gfx::TBrush {};
    if (HasSubMenu()) {
        const gfx::TRect arrow { ObjectRect.Right - 7 - 4, ObjectRect.Top, ObjectRect.Right - 7, ObjectRect.Bottom };
        skin::DrawArrowGlyph(canvas, arrow, color, skin::TbsArrowKind::akRight);
    }
}

} // namespace skinform
