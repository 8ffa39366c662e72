#pragma once

#include <QString>

// Names of key functions that both the binding descriptions and the function
// pages show. They are translated in one place so the two cannot differ.
namespace keyFunctionNames {

// The stored shortcut number (0 "Close window" .. 11 "Save"); "Unknow" outside.
QString shortcut(int index);
// The Windows-key lock mode (0 lock/unlock, 1 lock, 2 unlock); "Unknow" outside.
QString lockWin(int mode);

enum : int { ShortcutMyComputer = 3, LockWinToggle = 0 };

} // namespace keyFunctionNames
