#include "skinctrls/TbsPopupMenuEngine.h"

namespace skinctrls {
namespace {

TbsPopupMenuEngineFactory& RegisteredFactory()
{
    static TbsPopupMenuEngineFactory factory;
    return factory;
}

} // namespace

void SetPopupMenuEngineFactory(TbsPopupMenuEngineFactory Factory)
{
    RegisteredFactory() = std::move(Factory);
}

std::unique_ptr<TbsPopupMenuEngine> CreatePopupMenuEngine(wnd::HWND Form)
{
    const TbsPopupMenuEngineFactory& factory = RegisteredFactory();
    return factory ? factory(Form) : nullptr;
}

} // namespace skinctrls
