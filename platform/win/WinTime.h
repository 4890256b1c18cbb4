// System time and the local time zone of the Windows layer. Both read the real clock, like
// GetSystemTimeAsFileTime; the time zone is the process's (TZ), with its standard and daylight biases.
#pragma once

#include "win/WinTypes.h"

struct TIME_ZONE_INFORMATION {
  LONG Bias;
  WCHAR StandardName[32];
  SYSTEMTIME StandardDate;
  LONG StandardBias;
  WCHAR DaylightName[32];
  SYSTEMTIME DaylightDate;
  LONG DaylightBias;
};
typedef TIME_ZONE_INFORMATION* LPTIME_ZONE_INFORMATION;

#define TIME_ZONE_ID_INVALID 0xFFFFFFFFu
#define TIME_ZONE_ID_UNKNOWN 0u
#define TIME_ZONE_ID_STANDARD 1u
#define TIME_ZONE_ID_DAYLIGHT 2u

// Bias: minutes to add to local standard time for UTC (west of Greenwich is positive); the
// daylight bias is added on top while daylight saving time is in force. The transition dates are
// left zero.
DWORD GetTimeZoneInformation(LPTIME_ZONE_INFORMATION info);
// The present moment in UTC, to the millisecond.
void GetSystemTime(LPSYSTEMTIME time);
// FALSE for a field out of range or a date the month does not have (years 1601 to 30827).
BOOL SystemTimeToFileTime(const SYSTEMTIME* systemTime, LPFILETIME fileTime);
