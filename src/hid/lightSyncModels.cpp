#include "lightSyncModels.h"

#include <QHash>

namespace lightSyncModels {

int sideLedCount(const QString &modelCode)
{
    static const QHash<QString, int> counts = {
        {QStringLiteral("Fenko"), 49},  {QStringLiteral("Belvi"), 45}, {QStringLiteral("Ormak"), 45},
        {QStringLiteral("Wendar"), 45}, {QStringLiteral("Ixtal"), 45}, {QStringLiteral("Yolma"), 45},
        {QStringLiteral("Brisko"), 45}, {QStringLiteral("Pravo"), 45}, {QStringLiteral("Nelta"), 45},
        {QStringLiteral("Vokar"), 45},  {QStringLiteral("Pasko"), 45}, {QStringLiteral("Tuvel"), 45},
        {QStringLiteral("Caspo"), 45},  {QStringLiteral("Zelto"), 41}, {QStringLiteral("Lumba"), 50},
        {QStringLiteral("Hasli"), 50},  {QStringLiteral("Dravil"), 50}, {QStringLiteral("Quendo"), 51},
    };
    return counts.value(modelCode, 33);
}

int reportsPerFrame(const QString &modelCode)
{
    return 8 + (sideLedCount(modelCode) + 17) / 18;
}

} // namespace lightSyncModels
