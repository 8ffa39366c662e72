// vardexSdk.h - the public interface of our keyboard device library.
//
// The library is plain C++17 with no Qt dependency. It holds the profile and
// macro stores (XML), HID enumeration and transport (hidapi, plus a simulated
// keyboard back end), light effect generation and firmware transfer.
// Records that cross this boundary have fixed layouts, checked below with
// static_assert, because callers copy them byte for byte.
#ifndef VARDEX_SDK_H
#define VARDEX_SDK_H

#include <cstddef>
#include <cstdint>
#include <list>
#include <map>
#include <string>
#include <vector>

#if defined(__GNUC__)
#define VARDEX_SDK_API __attribute__((visibility("default")))
#else
#define VARDEX_SDK_API
#endif

// ===========================================================================
// Library start-up
// ===========================================================================

VARDEX_SDK_API void CVardexSDK_VersionStr(char *text);

// ===========================================================================
// Shared records (binding, light and macro records)
// ===========================================================================

// ---- begin: store records ----
// ---- end: store records ----

// ===========================================================================
// Profile and macro stores (CVardexXML_*)
// ===========================================================================

// ---- begin: store functions ----
// ---- end: store functions ----

// ===========================================================================
// HID records, enumeration and transport (CVardexHid_*)
// ===========================================================================

// ---- begin: hid records ----
// ---- end: hid records ----

// ---- begin: hid functions ----
// ---- end: hid functions ----

// ===========================================================================
// Simulated keyboard control (tests and --simulate)
// ===========================================================================

// ---- begin: simulator ----
// ---- end: simulator ----

// ===========================================================================
// Light effect generation (CVardexLight_* and light CVardexHid_*)
// ===========================================================================

// ---- begin: light ----
// ---- end: light ----

// ===========================================================================
// Firmware transfer
// ===========================================================================

// ---- begin: firmware ----
// ---- end: firmware ----

#endif // VARDEX_SDK_H
