// The simulator's scenario reader: any JSON text is taken whole or refused
// with a message, never half.
#include "vardexSdk.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    CVardexSim_LoadScenarioText(text.c_str());
    return 0;
}
