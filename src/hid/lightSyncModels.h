// lightSyncModels.h - how many side LEDs a model's light-sync stream carries.
#ifndef LIGHTSYNCMODELS_H
#define LIGHTSYNCMODELS_H

#include <QString>

namespace lightSyncModels {
// Side LEDs of the colour stream for a model code (exact, case-sensitive):
// 33 for models not listed.
int sideLedCount(const QString &modelCode);
// Reports of one stream frame: 8 key chunks and the side chunks of 18 LEDs.
int reportsPerFrame(const QString &modelCode);
} // namespace lightSyncModels

#endif // LIGHTSYNCMODELS_H
