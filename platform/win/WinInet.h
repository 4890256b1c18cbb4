// The internet subset of the Windows API that the framework calls (sessions, URL requests, HTTP requests
// on a connection), over libcurl, plus the system's message texts for error numbers.
// A request is carried out whole when it is opened or sent; reads then hand the body out in pieces.
// Time-outs follow the layer's clock, so tests advance the clock instead of waiting.
#pragma once

#include <cstdarg>
#include <string>

#include "win/WinMinTypes.h"

typedef void* HINTERNET;
typedef WORD INTERNET_PORT;

#define INTERNET_OPEN_TYPE_PRECONFIG 0
#define INTERNET_OPEN_TYPE_DIRECT 1
#define INTERNET_SERVICE_HTTP 3
#define INTERNET_DEFAULT_HTTP_PORT 80
#define INTERNET_DEFAULT_HTTPS_PORT 443

#define INTERNET_FLAG_RELOAD 0x80000000
#define INTERNET_FLAG_NO_CACHE_WRITE 0x04000000
#define INTERNET_FLAG_SECURE 0x00800000
#define INTERNET_FLAG_KEEP_CONNECTION 0x00400000
#define INTERNET_FLAG_NO_AUTO_REDIRECT 0x00200000
#define INTERNET_FLAG_NO_UI 0x00000200
#define INTERNET_FLAG_PRAGMA_NOCACHE 0x00000100

#define HTTP_ADDREQ_FLAG_ADD 0x20000000
#define HTTP_ADDREQ_FLAG_REPLACE 0x80000000

#define ERROR_INTERNET_TIMEOUT 12002
#define ERROR_INTERNET_EXTENDED_ERROR 12003
#define ERROR_INTERNET_INTERNAL_ERROR 12004
#define ERROR_INTERNET_INVALID_URL 12005
#define ERROR_INTERNET_UNRECOGNIZED_SCHEME 12006
#define ERROR_INTERNET_NAME_NOT_RESOLVED 12007
#define ERROR_INTERNET_OPERATION_CANCELLED 12017
#define ERROR_INTERNET_INCORRECT_HANDLE_TYPE 12018
#define ERROR_INTERNET_CANNOT_CONNECT 12029
#define ERROR_INTERNET_CONNECTION_ABORTED 12030
#define ERROR_INTERNET_CONNECTION_RESET 12031
#define ERROR_INTERNET_SEC_CERT_DATE_INVALID 12037
#define ERROR_INTERNET_SEC_CERT_CN_INVALID 12038
#define ERROR_INTERNET_INVALID_CA 12045
#define ERROR_INTERNET_SEC_CERT_ERRORS 12055
#define ERROR_HTTP_INVALID_SERVER_RESPONSE 12152
#define ERROR_HTTP_REDIRECT_FAILED 12156
#define ERROR_INTERNET_SECURITY_CHANNEL_ERROR 12157

HINTERNET InternetOpenW(LPCWSTR agent, DWORD accessType, LPCWSTR proxy, LPCWSTR proxyBypass, DWORD flags);
HINTERNET InternetOpenUrlW(HINTERNET session, LPCWSTR url, LPCWSTR headers, DWORD headersLength, DWORD flags,
                           DWORD_PTR context);
BOOL InternetReadFile(HINTERNET file, LPVOID buffer, DWORD bytesToRead, LPDWORD bytesRead);
// Closing a session cancels the transfers that run on it (they fail with 12017).
BOOL InternetCloseHandle(HINTERNET handle);
HINTERNET InternetConnectW(HINTERNET session, LPCWSTR serverName, INTERNET_PORT port, LPCWSTR userName,
                           LPCWSTR password, DWORD service, DWORD flags, DWORD_PTR context);
HINTERNET HttpOpenRequestW(HINTERNET connection, LPCWSTR verb, LPCWSTR objectName, LPCWSTR version,
                           LPCWSTR referrer, LPCWSTR* acceptTypes, DWORD flags, DWORD_PTR context);
// Header lines end in LF or CR LF; a length of (DWORD)-1 means a NUL-terminated text.
BOOL HttpAddRequestHeadersW(HINTERNET request, LPCWSTR headers, DWORD headersLength, DWORD modifiers);
BOOL HttpSendRequestA(HINTERNET request, LPCSTR headers, DWORD headersLength, LPVOID optional,
                      DWORD optionalLength);
BOOL InternetGetLastResponseInfoW(LPDWORD error, LPWSTR buffer, LPDWORD bufferLength);

#define FORMAT_MESSAGE_IGNORE_INSERTS 0x00000200
#define FORMAT_MESSAGE_FROM_SYSTEM 0x00001000
#define ERROR_MR_MID_NOT_FOUND 317L
// Knows the texts of the common system errors; the internet errors (12000 and up) have none, as their
// texts live in the internet library's own message table.
DWORD FormatMessageW(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId, LPWSTR buffer, DWORD size,
                     va_list* arguments);

namespace qorwin {
namespace test {
// Internet handles of each kind that are open now, and sessions opened since the process started.
int openInternetSessions();
int openInternetRequests();
int internetSessionsOpened();
// The idle time after which a transfer fails with 12002, in milliseconds of the layer's clock.
DWORD internetTimeout();
}  // namespace test
}  // namespace qorwin
