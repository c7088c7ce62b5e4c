#pragma once

#include <QtGlobal>

/// Symbol export of the Tabulon library.
#if defined(TABULON_LIBRARY)
#define TABULON_EXPORT Q_DECL_EXPORT
#else
#define TABULON_EXPORT Q_DECL_IMPORT
#endif
