// The function pages of the custom-keys page.
#include "ui/customKeys/DCustomKeysPage.h"

#include "ui/customKeys/DChangProfilePage.h"
#include "ui/customKeys/DChangeKeyPage.h"
#include "ui/customKeys/DHotKeyPage.h"
#include "ui/customKeys/DKeyCombinationPage.h"
#include "ui/customKeys/DKeyConfigFunctionPage.h"
#include "ui/customKeys/DKeyDisablePage.h"
#include "ui/customKeys/DKeyWithAppPage.h"
#include "ui/customKeys/DKeyWithTextPage.h"
#include "ui/customKeys/DKeyboardLightCustomEventPage.h"
#include "ui/customKeys/DMacroCmdPage.h"
#include "ui/customKeys/DMouseKeyPage.h"
#include "ui/customKeys/DMultimediaPage.h"
#include "ui/customKeys/DResetDefaultPage.h"
#include "ui/customKeys/DSideLightCustomEventPage.h"

DKeyFunctionPage *DCustomKeysPage::createFunctionPage(const FunctionRow &row)
{
    QWidget *parent = row.container;
    switch (row.id) {
    case IdDefault: return new DResetDefaultPage(parent);
    case IdMacro: return new DMacroCmdPage(parent);
    case IdRemapKey: return new DChangeKeyPage(parent);
    case IdMouse: return new DMouseKeyPage(parent);
    case IdText: return new DKeyWithTextPage(parent);
    case IdDisable: return new DKeyDisablePage(parent);
    case IdMultimedia: return new DMultimediaPage(parent);
    case IdCombinationKey: return new DKeyCombinationPage(parent);
    case IdShortcuts: return new DHotKeyPage(parent);
    case IdSwitchProfile: return new DChangProfilePage(parent);
    case IdOpenApp: return new DKeyWithAppPage(parent);
    case IdKeyboardLight: return new DKeyboardLightCustomEventPage(parent);
    case IdSideLight: return new DSideLightCustomEventPage(parent);
    case IdKeyConfig: return new DKeyConfigFunctionPage(parent);
    default: return nullptr;
    }
}
