/* Resource identifiers of the clock synchronisation's icons; read by the
   resource compiler too, so plain definitions only. */
#pragma once

#define IDI_SYNC_BUSY 301
#define IDI_SYNC_FAILED 302
#define IDI_SYNC_SUCCEEDED 303
