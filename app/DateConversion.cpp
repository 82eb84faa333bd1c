#include "app/DateConversion.h"

namespace app {

ctl::TDateTime ToDisplayDate(db::TDateTime stored)
{
    return db::ToDayCount(stored);
}

} // namespace app
