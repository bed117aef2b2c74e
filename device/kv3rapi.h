/*
 * KV3RAPI: the sensor's device library.
 *
 * Every exchange with the sensor passes through these sixteen functions.
 * A status is a 16-bit signed integer: 0 means failure, any other value
 * success. After a failure GetLastLibErr() tells why (error numbers below).
 *
 * The records are a wire format: packed runs of signed 16-bit little-endian
 * words, no padding. Their layouts are held by static assertions at the end
 * of this header.
 */
#ifndef KV3RAPI_H
#define KV3RAPI_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define KV3RAPI_EXPORT __attribute__((visibility("default")))
#else
#define KV3RAPI_EXPORT
#endif

/* Error numbers returned by GetLastLibErr(). 0 before any call and after a
 * call that succeeded. */
#define KV3_ERR_NONE 0          /* no error */
#define KV3_ERR_NOT_CONNECTED 1 /* called before USBConnect succeeded, or after USBDisconnect */
#define KV3_ERR_IO 2            /* the sensor did not answer the request */
#define KV3_ERR_NO_SENSOR 3     /* USBConnect: no sensor is attached */
#define KV3_ERR_NULL_POINTER 4  /* a record or out-argument pointer was null */
#define KV3_ERR_BAD_STORE 5     /* the stored configuration is unreadable (wrong size, not a regular file, or more than one hard link); it is left untouched */
#define KV3_ERR_STORE_WRITE 6   /* the stored configuration could not be written */
#define KV3_ERR_IN_USE 7        /* USBConnect: the sensor is in use by another program */
#define KV3_ERR_LOCK 8          /* USBConnect: the sensor's lock cannot be taken (other than held by another program) */

/* Bits of SonarParms.LedFlags: a set bit switches that LED off. */
#define KV3_LED_NO_IN_RANGE 1     /* "In-Range Green" */
#define KV3_LED_NO_OUT_RANGE 2    /* "Out-of-Range Red" */
#define KV3_LED_NO_TRANSITION 4   /* "Transition Yellow" */

/* Detection distance, delays and LED switches. 16 bytes. */
typedef struct SonarParms {
    int16_t LedFlags;
    int16_t Reserved1;
    int16_t Reserved2;
    int16_t Reserved3;
    int16_t MaxDist;  /* inches */
    int16_t ORDBTm;   /* walk-away delay, seconds */
    int16_t IRDBTm;   /* walk-up delay, seconds */
    int16_t StartDly; /* power-up delay, seconds */
} SonarParms;

/* The idle (keep-alive) keystroke. 16 bytes. */
typedef struct IdleParms {
    int16_t Reserved0;
    int16_t PressRate; /* 0 switches the idle keystroke off */
    int16_t KeyMods;   /* HID modifier byte */
    int16_t KeyCode;   /* key code */
    int16_t Reserved4;
    int16_t Reserved5;
    int16_t Reserved6;
    int16_t Reserved7;
} IdleParms;

/* A keystroke sequence, typed on walking away or walking up. 32 bytes. */
typedef struct WalkParms {
    int16_t KeyCount;      /* keystrokes the sensor types */
    int16_t InterKeyDelay; /* seconds between two keystrokes */
    int16_t KeyMods[6];
    int16_t Reserved8;
    int16_t Reserved9;
    int16_t KeyCode[6];
} WalkParms;

typedef WalkParms WalkAwayParms;
typedef WalkParms WalkUpParms;

/* The current measurement. 8 bytes, only ever read. */
typedef struct ObjRangeInfo {
    int16_t wCurrRange; /* last measured range, inches */
    int16_t bInRange;
    int16_t bInRangePend;
    int16_t bOutRangePend;
} ObjRangeInfo;

KV3RAPI_EXPORT int16_t USBConnect(int32_t *version);
KV3RAPI_EXPORT int16_t USBDisconnect(void);
KV3RAPI_EXPORT int32_t GetLastLibErr(void);
KV3RAPI_EXPORT int16_t ReadCfg(void);
KV3RAPI_EXPORT int16_t WriteCfg(void);
KV3RAPI_EXPORT int16_t ResetFactoryDflts(void);
KV3RAPI_EXPORT int16_t GetSonarParms(SonarParms *parms);
KV3RAPI_EXPORT int16_t SetSonarParms(SonarParms *parms);
KV3RAPI_EXPORT int16_t GetIdleParms(IdleParms *parms);
KV3RAPI_EXPORT int16_t SetIdleParms(IdleParms *parms);
KV3RAPI_EXPORT int16_t GetWalkAwayParms(WalkAwayParms *parms);
KV3RAPI_EXPORT int16_t SetWalkAwayParms(WalkAwayParms *parms);
KV3RAPI_EXPORT int16_t GetWalkUpParms(WalkUpParms *parms);
KV3RAPI_EXPORT int16_t SetWalkUpParms(WalkUpParms *parms);
KV3RAPI_EXPORT int16_t GetObjRangeInfo(ObjRangeInfo *info);
KV3RAPI_EXPORT int16_t HaltKBSends(int16_t halt); /* -1 stops keystrokes, 0 resumes */

#ifdef __cplusplus
} /* extern "C" */
#define KV3_STATIC_ASSERT static_assert
#else
#define KV3_STATIC_ASSERT _Static_assert
#endif

#include <stddef.h>

KV3_STATIC_ASSERT(sizeof(SonarParms) == 16, "SonarParms is 16 bytes");
KV3_STATIC_ASSERT(offsetof(SonarParms, LedFlags) == 0, "SonarParms.LedFlags");
KV3_STATIC_ASSERT(offsetof(SonarParms, Reserved1) == 2, "SonarParms.Reserved1");
KV3_STATIC_ASSERT(offsetof(SonarParms, Reserved2) == 4, "SonarParms.Reserved2");
KV3_STATIC_ASSERT(offsetof(SonarParms, Reserved3) == 6, "SonarParms.Reserved3");
KV3_STATIC_ASSERT(offsetof(SonarParms, MaxDist) == 8, "SonarParms.MaxDist");
KV3_STATIC_ASSERT(offsetof(SonarParms, ORDBTm) == 10, "SonarParms.ORDBTm");
KV3_STATIC_ASSERT(offsetof(SonarParms, IRDBTm) == 12, "SonarParms.IRDBTm");
KV3_STATIC_ASSERT(offsetof(SonarParms, StartDly) == 14, "SonarParms.StartDly");

KV3_STATIC_ASSERT(sizeof(IdleParms) == 16, "IdleParms is 16 bytes");
KV3_STATIC_ASSERT(offsetof(IdleParms, Reserved0) == 0, "IdleParms.Reserved0");
KV3_STATIC_ASSERT(offsetof(IdleParms, PressRate) == 2, "IdleParms.PressRate");
KV3_STATIC_ASSERT(offsetof(IdleParms, KeyMods) == 4, "IdleParms.KeyMods");
KV3_STATIC_ASSERT(offsetof(IdleParms, KeyCode) == 6, "IdleParms.KeyCode");
KV3_STATIC_ASSERT(offsetof(IdleParms, Reserved4) == 8, "IdleParms.Reserved4");
KV3_STATIC_ASSERT(offsetof(IdleParms, Reserved5) == 10, "IdleParms.Reserved5");
KV3_STATIC_ASSERT(offsetof(IdleParms, Reserved6) == 12, "IdleParms.Reserved6");
KV3_STATIC_ASSERT(offsetof(IdleParms, Reserved7) == 14, "IdleParms.Reserved7");

KV3_STATIC_ASSERT(sizeof(WalkParms) == 32, "WalkParms is 32 bytes");
KV3_STATIC_ASSERT(offsetof(WalkParms, KeyCount) == 0, "WalkParms.KeyCount");
KV3_STATIC_ASSERT(offsetof(WalkParms, InterKeyDelay) == 2, "WalkParms.InterKeyDelay");
KV3_STATIC_ASSERT(offsetof(WalkParms, KeyMods) == 4, "WalkParms.KeyMods");
KV3_STATIC_ASSERT(offsetof(WalkParms, Reserved8) == 16, "WalkParms.Reserved8");
KV3_STATIC_ASSERT(offsetof(WalkParms, Reserved9) == 18, "WalkParms.Reserved9");
KV3_STATIC_ASSERT(offsetof(WalkParms, KeyCode) == 20, "WalkParms.KeyCode");

KV3_STATIC_ASSERT(sizeof(ObjRangeInfo) == 8, "ObjRangeInfo is 8 bytes");
KV3_STATIC_ASSERT(offsetof(ObjRangeInfo, wCurrRange) == 0, "ObjRangeInfo.wCurrRange");
KV3_STATIC_ASSERT(offsetof(ObjRangeInfo, bInRange) == 2, "ObjRangeInfo.bInRange");
KV3_STATIC_ASSERT(offsetof(ObjRangeInfo, bInRangePend) == 4, "ObjRangeInfo.bInRangePend");
KV3_STATIC_ASSERT(offsetof(ObjRangeInfo, bOutRangePend) == 6, "ObjRangeInfo.bOutRangePend");

#undef KV3_STATIC_ASSERT

#endif /* KV3RAPI_H */
