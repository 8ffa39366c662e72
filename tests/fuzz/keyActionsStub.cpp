// The keyboard link's desktop actions, inert: a fuzzed key event must neither
// type into the desktop nor start programs.
#include "platform/keyActions.h"

namespace keyActions {

bool typeTextByPaste(const QString &)
{
    return false;
}

bool launchProgram(const QString &)
{
    return false;
}

} // namespace keyActions
