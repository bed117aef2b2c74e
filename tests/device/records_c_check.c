/* Compiles the device library's header as C (its static assertions included)
 * and reports the record layout as the C compiler sees it. */
#include "kv3rapi.h"

#include <stddef.h>

#include "records_c_check.h"

#define KV3_FIELD(record, field) {#record "." #field, offsetof(record, field)}

const Kv3FieldOffset kv3CFieldOffsets[] = {
    KV3_FIELD(SonarParms, LedFlags),     KV3_FIELD(SonarParms, MaxDist),
    KV3_FIELD(SonarParms, ORDBTm),       KV3_FIELD(SonarParms, IRDBTm),
    KV3_FIELD(SonarParms, StartDly),     KV3_FIELD(IdleParms, PressRate),
    KV3_FIELD(IdleParms, KeyMods),       KV3_FIELD(IdleParms, KeyCode),
    KV3_FIELD(WalkParms, KeyCount),      KV3_FIELD(WalkParms, InterKeyDelay),
    KV3_FIELD(WalkParms, KeyMods[5]),    KV3_FIELD(WalkParms, Reserved9),
    KV3_FIELD(WalkParms, KeyCode[0]),    KV3_FIELD(WalkParms, KeyCode[5]),
    KV3_FIELD(ObjRangeInfo, wCurrRange), KV3_FIELD(ObjRangeInfo, bOutRangePend),
    {"sizeof SonarParms", sizeof(SonarParms)},
    {"sizeof IdleParms", sizeof(IdleParms)},
    {"sizeof WalkParms", sizeof(WalkParms)},
    {"sizeof ObjRangeInfo", sizeof(ObjRangeInfo)},
};

const size_t kv3CFieldOffsetCount = sizeof kv3CFieldOffsets / sizeof kv3CFieldOffsets[0];
