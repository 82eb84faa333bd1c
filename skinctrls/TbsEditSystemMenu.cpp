#include "skinctrls/TbsEditSystemMenu.h"

#include "platform/controls/TApplication.h"
#include "platform/controls/TCustomEdit.h"
#include "platform/controls/TMenuItem.h"
#include "platform/window/Clipboard.h"
#include "skin/SkinMessages.h"
#include "skin/TbsSkinData.h"
#include "skinctrls/TbsPopupMenuEngine.h"

#include <functional>
#include <string>

namespace skinctrls {
namespace {

struct TbsEditMenuEntry {
    const char* StringName; // the replaceable string of the caption; nullptr for a separator
    const char* Caption;    // the program's own caption
};

constexpr TbsEditMenuEntry kEntries[] = {
    { "EDIT_UNDO", "撤销" },
    { nullptr, "-" },
    { "EDIT_CUT", "剪切" },
    { "EDIT_COPY", "复制" },
    { "EDIT_PASTE", "粘贴" },
    { "EDIT_DELETE", "删除" },
    { nullptr, "-" },
    { "EDIT_SELECTALL", "全部选择" },
};

std::string CaptionOf(const TbsEditMenuEntry& Entry, const skin::TbsResourceStrData* Strings)
{
    if (!Entry.StringName || !Strings)
        return Entry.Caption;
    return Strings->GetResString(Entry.StringName);
}

ctl::TMenuItem* AddEntry(ctl::TMenuItem& Root, const TbsEditMenuEntry& Entry,
    const skin::TbsResourceStrData* Strings, bool Enabled, std::function<void()> Command)
{
    auto* item = new ctl::TMenuItem;
    item->SetCaption(CaptionOf(Entry, Strings));
    item->Enabled = Enabled;
    if (Command)
        item->OnClick = [Command = std::move(Command)](ctl::TObject*) { Command(); };
    Root.Add(item);
    return item;
}

} // namespace

std::unique_ptr<ctl::TMenuItem> BuildEditMenuItems(ctl::TCustomEdit& Edit, const skin::TbsResourceStrData* Strings)
{
    const bool selected = Edit.SelLength() > 0;
    const bool writable = !Edit.ReadOnly();
    const bool wholeSelected = Edit.SelText() == Edit.Text();
    auto root = std::make_unique<ctl::TMenuItem>();
    ctl::TCustomEdit* edit = &Edit;
    AddEntry(*root, kEntries[0], Strings, Edit.CanUndo(), [edit] { edit->Undo(); });
    AddEntry(*root, kEntries[1], Strings, true, nullptr);
    AddEntry(*root, kEntries[2], Strings, selected && writable, [edit] { edit->CutToClipboard(); });
    AddEntry(*root, kEntries[3], Strings, selected, [edit] { edit->CopyToClipboard(); });
    AddEntry(*root, kEntries[4], Strings, writable && wnd::HasClipboardText(), [edit] { edit->PasteFromClipboard(); });
    AddEntry(*root, kEntries[5], Strings, selected && writable, [edit] { edit->ClearSelection(); });
    AddEntry(*root, kEntries[6], Strings, true, nullptr);
    AddEntry(*root, kEntries[7], Strings, !wholeSelected, [edit] { edit->SelectAll(); });
    return root;
}

TbsEditSystemMenu::TbsEditSystemMenu(ctl::TCustomEdit& Edit) : m_edit(Edit) { }

TbsEditSystemMenu::~TbsEditSystemMenu()
{
    *m_alive = false;
    if (m_engine)
        m_engine->CloseAll();
}

bool TbsEditSystemMenu::Popup(skin::TbsSkinData* SkinData, gfx::TPoint At)
{
    if (m_running)
        return true;
    ctl::TForm* form = m_edit.GetParentForm();
    std::unique_ptr<TbsPopupMenuEngine> engine
        = CreatePopupMenuEngine(form && form->HandleAllocated() ? form->Handle() : nullptr);
    if (!engine)
        return false;
    if (At.X < 0 || At.Y < 0)
        At = m_edit.ClientToScreen({ m_edit.Width() / 2, m_edit.Height() / 2 });
    std::unique_ptr<ctl::TMenuItem> items
        = BuildEditMenuItems(m_edit, SkinData ? SkinData->ResourceStrData() : nullptr);

    const std::shared_ptr<bool> alive = m_alive;
    TbsPopupMenuEngine* running = engine.get();
    const int hook = ctl::Application->AddMessageHook(
        [running](wnd::MSG& Msg) { return running->HandleApplicationMessage(Msg); });
    m_engine = running;
    m_running = true;
    running->Popup(m_edit.Handle(), SkinData, items.get(), At);
    while (running->Visible() && !ctl::Application->Terminated())
        ctl::Application->HandleMessage();
    ctl::Application->RemoveMessageHook(hook);
    // The menu and its entries go here, after its loop, whichever way it closed.
    if (*alive) {
        m_engine = nullptr;
        m_running = false;
    }
    return true;
}

} // namespace skinctrls

namespace skinctrls {

bool TbsEditSystemMenu::HandleMessage(skin::TbsSkinData* SkinData, unsigned Msg, std::intptr_t LParam)
{
    if (Msg == wnd::WM_CONTEXTMENU)
        return Popup(SkinData, wnd::PointFromLParam(LParam));
    // The menu is freed by Popup once its loop has ended, not by this notice.
    return Msg == skin::SKINMSG_MENUDONE;
}

} // namespace skinctrls
