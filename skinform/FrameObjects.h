#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/graphics/TBitmap.h"
#include "platform/window/Backend.h"
#include "skin/SkinObjectRecords.h"
#include "skin/TbsEffectBmp.h"

#include <string>

namespace gfx {
class TCanvas;
}

namespace skin {
class TbsSkinData;
}

namespace skinform {

class TbsSkinForm;

// A live part of the skinned frame, made from one skin object record: it is
// placed on the frame, drawn in its states, tracked under the mouse and faded
// between its normal and its active look. The form component owns them.
class TbsActiveSkinObject {
public:
    TbsActiveSkinObject(TbsSkinForm& form, const skin::TbsDataSkinObject* record, const skin::TbsSkinData* data);
    virtual ~TbsActiveSkinObject() = default;
    TbsActiveSkinObject(const TbsActiveSkinObject&) = delete;
    TbsActiveSkinObject& operator=(const TbsActiveSkinObject&) = delete;

    // True while a fade is unfinished.
    virtual bool CanMorph() const;
    // Draws the object at ObjectRect; `full` also draws what the frame
    // picture already shows (a single object redrawn on the window).
    virtual void Draw(gfx::TCanvas& canvas, bool full);
    virtual void DblClick() { }
    virtual void MouseDown(int X, int Y, wnd::TMouseButton Button);
    virtual void MouseUp(int X, int Y, wnd::TMouseButton Button);
    virtual void MouseMove(int X, int Y);
    virtual void MouseEnter();
    virtual void MouseLeave();

    // Drawn from a picture of its own (laid out in the button row) rather
    // than from the frame picture (moved with the frame).
    bool HasOwnPicture() const { return m_ownPicture != nullptr; }
    // Steps the fade by one tick; false when there was nothing to step.
    bool StepMorph();

    std::string IDName;
    std::string Hint;
    bool SkinRectInAPicture { false };
    gfx::TRect SkinRect;
    gfx::TRect ActiveSkinRect;
    gfx::TRect InActiveSkinRect;
    bool Morphing { false };
    skin::TbsMorphKind MorphKind { skin::TbsMorphKind::mkDefault };
    double MorphFactor { 0 };
    gfx::TRect ObjectRect; // window coordinates
    bool Visible { true };
    bool Enabled { true };
    bool Active { false }; // the mouse is over it
    bool MouseIn { false };

protected:
    // Draws a rectangle of the own picture (or, for the normal look of an
    // object without one, of the frame picture) at the object's place.
    void DrawPiece(gfx::TCanvas& canvas, const gfx::TRect& source, bool fromOwnPicture) const;
    // The fade between two looks at MorphFactor.
    void DrawMorph(gfx::TCanvas& canvas, const gfx::TRect& normal, bool normalFromOwn, const gfx::TRect& active) const;
    void Redraw();
    // Starts the fade after Active changed (or redraws at once without morphing).
    void StartFade();

    TbsSkinForm& m_form;
    const gfx::TBitmap* m_framePicture { nullptr };
    const gfx::TBitmap* m_ownPicture { nullptr };
};

// A part the program paints itself through the form's OnPaintEvent.
class TbsUserObject : public TbsActiveSkinObject {
public:
    using TbsActiveSkinObject::TbsActiveSkinObject;
    void Draw(gfx::TCanvas& canvas, bool full) override;
};

// A button of the frame: pressed look, disabled look, optionally a menu of
// its own that drops down while it is held.
class TbsSkinButtonObject : public TbsActiveSkinObject {
public:
    TbsSkinButtonObject(TbsSkinForm& form, const skin::TbsDataSkinButton* record, const skin::TbsSkinData* data);

    bool CanMorph() const override;
    void Draw(gfx::TCanvas& canvas, bool full) override;
    void MouseDown(int X, int Y, wnd::TMouseButton Button) override;
    void MouseUp(int X, int Y, wnd::TMouseButton Button) override;
    void MouseEnter() override;
    void MouseLeave() override;

    // Whether pressing the button opens a menu (the system-menu button does).
    virtual bool HasMenu() const { return false; }
    // The menu closed: the button comes up again.
    void ReleaseMenu();
    // Pressed with the mouse over it.
    bool ShowsDown() const { return Down && Active; }
    // A left press: the button goes down (and opens its menu, if it has one).
    void Press(wnd::TMouseButton Button);

    gfx::TRect DownRect;
    gfx::TRect DisableSkinRect;
    bool Down { false };
    bool PopupUp { false };
};

// A caption button with a command: close, maximize, minimize, system menu,
// roll-up, minimize to tray, or one the program decides on (cmDefault).
class TbsSkinStdButtonObject : public TbsSkinButtonObject {
public:
    TbsSkinStdButtonObject(TbsSkinForm& form, const skin::TbsDataSkinStdButton* record, const skin::TbsSkinData* data);
    // A built-in button of the default frame (no skin).
    TbsSkinStdButtonObject(TbsSkinForm& form, std::string name, skin::TbsStdCommand command);

    bool CanMorph() const override;
    void Draw(gfx::TCanvas& canvas, bool full) override;
    void DblClick() override;
    void MouseDown(int X, int Y, wnd::TMouseButton Button) override;
    void MouseUp(int X, int Y, wnd::TMouseButton Button) override;
    bool HasMenu() const override { return Command == skin::TbsStdCommand::cmSysMenu; }

    // Maximize while maximized, minimize while minimized, roll-up while rolled up.
    bool InRestoreState() const;

    skin::TbsStdCommand Command { skin::TbsStdCommand::cmDefault };
    gfx::TRect RestoreRect;
    gfx::TRect RestoreActiveRect;
    gfx::TRect RestoreDownRect;
    gfx::TRect RestoreInActiveRect;
    bool FromSkin { true };

private:
    void DrawBuiltIn(gfx::TCanvas& canvas) const;
    void DrawRestoreState(gfx::TCanvas& canvas);
};

// The caption: the form's caption text over its part of the frame.
class TbsSkinCaptionObject : public TbsActiveSkinObject {
public:
    TbsSkinCaptionObject(TbsSkinForm& form, const skin::TbsDataSkinCaption* record, const skin::TbsSkinData* data);

    void Draw(gfx::TCanvas& canvas, bool full) override;

    // The caption's skin width: the text rectangle grows with the object.
    int SkinWidth() const { return SkinRect.Width(); }

private:
    void DrawText(gfx::TCanvas& canvas) const;

    const skin::TbsDataSkinCaption* m_record;
    int m_charSet { 1 };
};

} // namespace skinform
