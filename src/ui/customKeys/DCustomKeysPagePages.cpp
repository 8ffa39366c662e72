// The function pages of the custom-keys page.
#include "ui/customKeys/DCustomKeysPage.h"

#include "ui/customKeys/DFunctionPageStandIn.h"

DKeyFunctionPage *DCustomKeysPage::createFunctionPage(const FunctionRow &row)
{
    return new DFunctionPageStandIn(row.tip, row.firstType, row.lastType, row.container);
}
