#include "report/expr/TDatabaseFunctionLibrary.h"

#include "report/expr/ExprError.h"
#include "report/expr/TfrExpressionEngine.h"
#include "report/expr/TfrReportScope.h"

namespace report {

TDatabaseFunctionLibrary::TDatabaseFunctionLibrary() { List = { "FIELDISNULL" }; }

void TDatabaseFunctionLibrary::DoFunction(int, const TfrFunctionCall& call, Variant& result)
{
    const TfrDataField* field = call.engine.FindField(call.args[0]);
    if (!field)
        throw ExprError("Field " + call.args[0] + " not found");
    result = Variant(field->Value().IsNull());
}

} // namespace report
