// The frame objects of the skinned form: made from the skin's objects (or the
// built-in caption buttons without a skin), shown by the border icons, and
// placed on the frame for its size.

#include "skinform/TbsSkinForm.h"

#include "platform/controls/TForm.h"
#include "platform/window/Window.h"
#include "skin/TbsSkinData.h"

namespace skinform {

namespace {

    using skin::TbsStdCommand;

    // The zones of the main picture whose objects move with a corner.
    struct CornerZones {
        gfx::TRect LeftTop, RightTop, LeftBottom, RightBottom;
    };

    enum class Zone { None, LeftTop, RightTop, LeftBottom, RightBottom };

    Zone ZoneOf(const CornerZones& z, gfx::TPoint p)
    {
        if (z.LeftTop.Contains(p))
            return Zone::LeftTop;
        if (z.RightTop.Contains(p))
            return Zone::RightTop;
        if (z.LeftBottom.Contains(p))
            return Zone::LeftBottom;
        if (z.RightBottom.Contains(p))
            return Zone::RightBottom;
        return Zone::None;
    }

    // A rectangle of the frame picture on a frame that grew by (dx, dy).
    gfx::TRect MoveWithFrame(gfx::TRect r, const CornerZones& z, int dx, int dy)
    {
        // Corners are tested on the last pixel inside, zones exclude their right and bottom.
        const Zone a = ZoneOf(z, r.TopLeft());
        const Zone b = ZoneOf(z, { r.Right - 1, r.Bottom - 1 });
        if (a == b) {
            switch (a) {
            case Zone::LeftTop:
                return r;
            case Zone::RightTop:
                return gfx::Offset(r, dx, 0);
            case Zone::LeftBottom:
                return gfx::Offset(r, 0, dy);
            case Zone::RightBottom:
                return gfx::Offset(r, dx, dy);
            case Zone::None:
                return r;
            }
        }
        if (a == Zone::LeftTop && b == Zone::RightBottom)
            return gfx::Rect(r.Left, r.Top, r.Right + dx, r.Bottom + dy);
        if (a == Zone::LeftTop && b == Zone::RightTop)
            return gfx::Rect(r.Left, r.Top, r.Right + dx, r.Bottom);
        if (a == Zone::LeftBottom && b == Zone::RightBottom)
            return gfx::Rect(r.Left, r.Top + dy, r.Right + dx, r.Bottom + dy);
        if (a == Zone::LeftTop && b == Zone::LeftBottom)
            return gfx::Rect(r.Left, r.Top, r.Right, r.Bottom + dy);
        if (a == Zone::RightTop && b == Zone::RightBottom)
            return gfx::Rect(r.Left + dx, r.Top, r.Right + dx, r.Bottom + dy);
        return r;
    }

    // The order buttons take in the row, from the outer end inwards.
    constexpr TbsStdCommand kRowOrder[] = { TbsStdCommand::cmClose, TbsStdCommand::cmMaximize, TbsStdCommand::cmMinimize,
        TbsStdCommand::cmRollUp, TbsStdCommand::cmMinimizeToTray, TbsStdCommand::cmDefault };

    bool Allowed(TbsStdCommand command, const TbsBorderIcons& icons)
    {
        switch (command) {
        case TbsStdCommand::cmClose:
            return true;
        case TbsStdCommand::cmMaximize:
            return icons.Contains(TbsBorderIcon::biMaximize);
        case TbsStdCommand::cmMinimize:
            return icons.Contains(TbsBorderIcon::biMinimize);
        case TbsStdCommand::cmSysMenu:
            return icons.Contains(TbsBorderIcon::biSystemMenu);
        case TbsStdCommand::cmRollUp:
            return icons.Contains(TbsBorderIcon::biRollUp);
        case TbsStdCommand::cmMinimizeToTray:
            return icons.Contains(TbsBorderIcon::biMinimizeToTray);
        case TbsStdCommand::cmDefault:
            return false;
        }
        return false;
    }

    // The built-in buttons of the default frame.
    constexpr int kBuiltInButtonWidth = 17;

} // namespace

void TbsSkinForm::ClearFrameObjects()
{
    m_hotIndex = m_previousHotIndex = m_pressedIndex = -1;
    m_frameObjects.clear();
}

void TbsSkinForm::CreateFrameObjects()
{
    for (const auto& record : m_skinData->SkinObjects()) {
        const skin::TbsDataSkinObject* r = record.get();
        switch (r->Kind()) {
        case skin::SkinObjectKind::StdButton:
            m_frameObjects.push_back(std::make_unique<TbsSkinStdButtonObject>(
                *this, static_cast<const skin::TbsDataSkinStdButton*>(r), m_skinData));
            break;
        case skin::SkinObjectKind::Button:
            m_frameObjects.push_back(std::make_unique<TbsSkinButtonObject>(
                *this, static_cast<const skin::TbsDataSkinButton*>(r), m_skinData));
            break;
        case skin::SkinObjectKind::Caption:
            m_frameObjects.push_back(std::make_unique<TbsSkinCaptionObject>(
                *this, static_cast<const skin::TbsDataSkinCaption*>(r), m_skinData));
            break;
        case skin::SkinObjectKind::UserObject:
        case skin::SkinObjectKind::Animate:
            // Animations are shown as their first look, without running.
            m_frameObjects.push_back(std::make_unique<TbsUserObject>(*this, r, m_skinData));
            break;
        default:
            break; // menu and menu bar records belong to the menus
        }
    }
}

void TbsSkinForm::CreateBuiltInButtons()
{
    m_frameObjects.clear();
    const std::pair<const char*, TbsStdCommand> buttons[] = { { "closebutton", TbsStdCommand::cmClose },
        { "maxbutton", TbsStdCommand::cmMaximize }, { "minbutton", TbsStdCommand::cmMinimize },
        { "rollupbutton", TbsStdCommand::cmRollUp }, { "sysmenubutton", TbsStdCommand::cmSysMenu },
        { "traybutton", TbsStdCommand::cmMinimizeToTray } };
    for (const auto& [name, command] : buttons)
        m_frameObjects.push_back(std::make_unique<TbsSkinStdButtonObject>(*this, name, command));
}

void TbsSkinForm::ApplyBorderIcons()
{
    for (const auto& object : m_frameObjects) {
        auto* button = dynamic_cast<TbsSkinStdButtonObject*>(object.get());
        if (!button)
            continue;
        const bool ownPicture = button->HasOwnPicture() || !button->FromSkin;
        bool allowed = !m_hideCaptionButtons;
        if (allowed && button->Command == TbsStdCommand::cmDefault) {
            bool visible = false;
            if (OnActivateCustomObject)
                OnActivateCustomObject(button->IDName, visible);
            button->Enabled = visible;
            button->Visible = visible;
            continue;
        }
        if (allowed)
            allowed = Allowed(button->Command, m_borderIcons);
        button->Enabled = allowed;
        // A button painted into the frame picture stays there, disabled.
        button->Visible = allowed || !ownPicture;
        button->Hint = DefaultHint(button->Command);
    }
}

const std::string& TbsSkinForm::DefaultHint(skin::TbsStdCommand command) const
{
    static const std::string close = "关闭", max = "最大化", min = "最小化", menu = "系统菜单", rollUp = "卷起",
                             tray = "最小化到系统托盘区", none;
    switch (command) {
    case TbsStdCommand::cmClose:
        return close;
    case TbsStdCommand::cmMaximize:
        return max;
    case TbsStdCommand::cmMinimize:
        return min;
    case TbsStdCommand::cmSysMenu:
        return menu;
    case TbsStdCommand::cmRollUp:
        return rollUp;
    case TbsStdCommand::cmMinimizeToTray:
        return tray;
    default:
        return none;
    }
}

void TbsSkinForm::LayoutFrameObjects()
{
    if (!Handle())
        return;
    const gfx::TSize size = WindowSize();
    TbsSkinCaptionObject* caption = nullptr;
    for (const auto& object : m_frameObjects)
        if (auto* c = dynamic_cast<TbsSkinCaptionObject*>(object.get()); c && !caption)
            caption = c;

    gfx::TRect row;
    bool rowIsCaption = false;
    bool fromLeft = false;
    int offset = 1;
    if (m_skinMode) {
        const skin::SkinFormInfo& info = m_skinData->FormInfo();
        const gfx::TBitmap& p = m_skinData->Picture();
        const int dx = size.cx - p.Width();
        const int dy = size.cy - p.Height();
        const CornerZones zones { gfx::Rect(0, 0, info.LTPoint.X, info.LTPoint.Y),
            gfx::Rect(info.RTPoint.X, 0, p.Width(), info.RTPoint.Y),
            gfx::Rect(0, info.LBPoint.Y, info.LBPoint.X, p.Height()),
            gfx::Rect(info.RBPoint.X, info.RBPoint.Y, p.Width(), p.Height()) };
        for (const auto& object : m_frameObjects)
            if (!object->HasOwnPicture())
                object->ObjectRect = MoveWithFrame(object->SkinRect, zones, dx, dy);
        row = !m_geometry.ButtonsRect.IsEmpty() ? m_geometry.ButtonsRect : m_geometry.CaptionRect;
        rowIsCaption = m_geometry.ButtonsRect.IsEmpty();
        fromLeft = info.ButtonsInLeft;
        offset = info.ButtonsOffset;
    } else {
        const int h = DefaultCaptionHeight();
        row = gfx::Bounds(kDefaultBorder + 2, kDefaultBorder + 2, size.cx - 2 * kDefaultBorder - 4, h - 4);
        rowIsCaption = true;
        for (const auto& object : m_frameObjects)
            object->ObjectRect = gfx::Bounds(0, 0, kBuiltInButtonWidth, h - 4);
    }
    if (row.IsEmpty())
        return;

    auto rowButton = [&](TbsStdCommand command, const auto& visit) {
        for (const auto& object : m_frameObjects) {
            auto* b = dynamic_cast<TbsSkinStdButtonObject*>(object.get());
            if (b && b->Command == command && b->Visible && (b->HasOwnPicture() || !b->FromSkin))
                visit(*b);
        }
    };
    auto size0 = [&](const TbsSkinStdButtonObject& b) {
        return m_skinMode ? gfx::TSize { b.SkinRect.Width(), b.SkinRect.Height() }
                          : gfx::TSize { b.ObjectRect.Width(), b.ObjectRect.Height() };
    };

    if (!fromLeft) {
        int x = row.Right;
        for (TbsStdCommand command : kRowOrder)
            rowButton(command, [&](TbsSkinStdButtonObject& b) {
                const gfx::TSize s = size0(b);
                b.ObjectRect = gfx::Rect(x - s.cx, row.Top, x, row.Top + s.cy);
                x -= s.cx + offset;
            });
        if (rowIsCaption && caption)
            caption->ObjectRect.Right = x + offset;
        const gfx::TRect captionRow = m_skinMode ? m_geometry.CaptionRect : row;
        rowButton(TbsStdCommand::cmSysMenu, [&](TbsSkinStdButtonObject& b) {
            const gfx::TSize s = size0(b);
            const int top = captionRow.Top + captionRow.Height() / 2 - s.cy / 2;
            b.ObjectRect = gfx::Bounds(captionRow.Left, top, s.cx, s.cy);
            if (caption)
                caption->ObjectRect.Left = b.ObjectRect.Right;
        });
        return;
    }
    int x = row.Left;
    for (TbsStdCommand command : kRowOrder)
        rowButton(command, [&](TbsSkinStdButtonObject& b) {
            const gfx::TSize s = size0(b);
            b.ObjectRect = gfx::Bounds(x, row.Top, s.cx, s.cy);
            x += s.cx + offset;
        });
    if (rowIsCaption) {
        rowButton(TbsStdCommand::cmSysMenu, [&](TbsSkinStdButtonObject& b) {
            const gfx::TSize s = size0(b);
            b.ObjectRect = gfx::Bounds(x, row.Top, s.cx, s.cy);
            x += s.cx + offset;
        });
        if (caption)
            caption->ObjectRect.Left = x + offset;
    }
}

} // namespace skinform
