#include "net/socket_errors.h"

#include <netdb.h>

#include <cerrno>
#include <cstring>

namespace vdr {
namespace {

struct ErrorPair {
  int systemError;
  int32_t code;
};

// First match wins in both directions, so the errno a code reads back as
// comes first among those sharing the code.
constexpr ErrorPair kPairs[] = {
    {EINTR, 10004},        {EBADF, 10009},           {EACCES, 10013},          {EFAULT, 10014},
    {EINVAL, 10022},       {EMFILE, 10024},          {ENFILE, 10024},          {EWOULDBLOCK, 10035},
    {EAGAIN, 10035},       {EINPROGRESS, 10036},     {EALREADY, 10037},        {ENOTSOCK, 10038},
    {EDESTADDRREQ, 10039}, {EMSGSIZE, 10040},        {EPROTOTYPE, 10041},      {ENOPROTOOPT, 10042},
    {EPROTONOSUPPORT, 10043}, {ESOCKTNOSUPPORT, 10044}, {EOPNOTSUPP, 10045},   {EPFNOSUPPORT, 10046},
    {EAFNOSUPPORT, 10047}, {EADDRINUSE, 10048},      {EADDRNOTAVAIL, 10049},   {ENETDOWN, 10050},
    {ENETUNREACH, 10051},  {ENETRESET, 10052},       {ECONNABORTED, 10053},    {ECONNRESET, 10054},
    {EPIPE, 10054},        {ENOBUFS, 10055},         {ENOMEM, 10055},          {EISCONN, 10056},
    {ENOTCONN, 10057},     {ESHUTDOWN, 10058},       {ETOOMANYREFS, 10059},    {ETIMEDOUT, 10060},
    {ECONNREFUSED, 10061}, {ELOOP, 10062},           {ENAMETOOLONG, 10063},    {EHOSTDOWN, 10064},
    {EHOSTUNREACH, 10065},
};

struct ResolverPair {
  int resolverError;
  int32_t code;
};

constexpr ResolverPair kResolverPairs[] = {
    {EAI_NONAME, kSocketHostNotFound}, {EAI_AGAIN, 11002}, {EAI_FAIL, 11003},
    {EAI_NODATA, 11004},               {EAI_ADDRFAMILY, 11004},
};

std::string SystemMessage(int systemError) {
  const char* text = strerrordesc_np(systemError);
  return text != nullptr ? text : "";
}

}  // namespace

int32_t SocketErrorCode(int systemError) {
  for (const ErrorPair& pair : kPairs) {
    if (pair.systemError == systemError) return pair.code;
  }
  return systemError;
}

int32_t ResolverErrorCode(int resolverError, int systemError) {
  if (resolverError == EAI_SYSTEM) return SocketErrorCode(systemError);
  if (resolverError == EAI_MEMORY) return SocketErrorCode(ENOMEM);
  for (const ResolverPair& pair : kResolverPairs) {
    if (pair.resolverError == resolverError) return pair.code;
  }
  return 11003;  // a failure the resolver cannot recover from
}

std::string SocketErrorMessage(int32_t code) {
  for (const ErrorPair& pair : kPairs) {
    if (pair.code == code) return SystemMessage(pair.systemError);
  }
  for (const ResolverPair& pair : kResolverPairs) {
    if (pair.code == code) return gai_strerror(pair.resolverError);
  }
  if (code == kSocketTableFull) return SystemMessage(ENOMEM);
  if (code == kSocketNotInitialised) return "Socket library not started";
  if (code >= 0 && code < 10000) return SystemMessage(code);
  return "";
}

}  // namespace vdr
