/* The record layout as records_c_check.c, a C translation unit, sees it. */
#ifndef RECORDS_C_CHECK_H
#define RECORDS_C_CHECK_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct Kv3FieldOffset {
    const char *name;
    size_t offset; /* or size, for the "sizeof" rows */
} Kv3FieldOffset;

extern const Kv3FieldOffset kv3CFieldOffsets[];
extern const size_t kv3CFieldOffsetCount;

#ifdef __cplusplus
}
#endif

#endif
