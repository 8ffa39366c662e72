#ifndef PROFILERESET_H
#define PROFILERESET_H

#include <functional>

// Turns a profile of a layer's store back into a new one: same index and
// name, nothing else but what addDefaults writes (called with the profile
// index while the store is held back). The store file is replaced once, at
// the end: until then, and when anything fails, the profile stays as it was.
// False when the profile does not exist or the store could not be written.
bool resetProfileInStore(const char *path, int profileIndex, const std::function<void(int)> &addDefaults);

#endif // PROFILERESET_H
