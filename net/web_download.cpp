#include "net/web_download.h"

#include <optional>
#include <string>

#include "files/memory_files.h"
#include "files/platform_paths.h"
#include "net/download_file.h"
#include "net/http_request.h"
#include "net/http_response.h"
#include "net/socket_errors.h"
#include "net/sockets.h"
#include "runtime/number_text.h"

namespace vdr {
namespace {

// Each receive takes at most this many bytes.
constexpr size_t kReceiveSize = kRequestBufferSize - 1;
// How long to wait for the server before receiving again.
constexpr int32_t kReceivePause = 5;

struct Download {
  const char* host;
  std::string request;
  uint16_t port;
  int32_t timeoutMs;
  DownloadFile* file = nullptr;
  BodyText* text = nullptr;
};

std::optional<Download> Prepare(const RuntimeString& host, const RuntimeString& path, double port,
                                double timeoutMs) {
  std::optional<std::string> request = HttpGetRequest(path.c_str(), host.c_str());
  if (!request) {
    SocketLayer().SetLastError(kSocketMessageTooLong);
    return std::nullopt;
  }
  const uint16_t number = static_cast<uint16_t>(ToInt(port));
  return Download{host.c_str(), std::move(*request), number == 0 ? uint16_t{80} : number, ToInt(timeoutMs)};
}

// Receives until the server closes the connection; true when the download counts.
bool ReceiveBody(Sockets& sockets, int32_t handle, const Download& download) {
  ResponseSplitter splitter;
  char buffer[kReceiveSize];
  for (;;) {
    bool reset = false;
    const int32_t received = sockets.ReceiveOnce(handle, buffer, sizeof buffer, &reset);
    if (received == Sockets::kNothing) {
      sockets.WaitReceivable(handle, kReceivePause);
      continue;
    }
    if (received == Sockets::kClosed) return !reset && splitter.HeaderEnded();
    if (received < 0) return false;
    const std::string_view body = splitter.Feed({buffer, static_cast<size_t>(received)});
    if (body.empty()) continue;
    if (download.file != nullptr && !download.file->Write(body)) return false;
    if (download.text != nullptr) download.text->Add(body);
  }
}

// One use of the socket library for the length of the transfer; the last
// error it ends with is the transfer's own.
bool Transfer(const Download& download) {
  Sockets& sockets = SocketLayer();
  sockets.Init();
  bool done = false;
  SocketAddress server;
  if (sockets.Resolve(download.host, server)) {
    server.port = download.port;
    const int32_t handle = sockets.Connect(server, download.timeoutMs);
    if (handle >= 0) {
      const int32_t length = static_cast<int32_t>(download.request.size());
      done = sockets.Send(handle, download.request.data(), download.request.size(), nullptr) == length &&
             ReceiveBody(sockets, handle, download);
      const int32_t error = sockets.LastError();
      sockets.Close(handle);
      sockets.SetLastError(error);
    }
  }
  const int32_t error = sockets.LastError();
  sockets.Shutdown();
  sockets.SetLastError(error);
  return done;
}

}  // namespace

int32_t WebGetFile(const RuntimeString& host, const RuntimeString& path, double port, const RuntimeString& fileName,
                   double timeoutMs) {
  std::optional<Download> download = Prepare(host, path, port, timeoutMs);
  if (!download || fileName.empty() || IsMemoryFileName(fileName.c_str())) return 0;
  DownloadFile file;
  if (!file.Create(NativePath(fileName.c_str()))) return 0;
  download->file = &file;
  return Transfer(*download) && file.Keep() ? 1 : 0;
}

RuntimeString WebGetText(const RuntimeString& host, const RuntimeString& path, double port, double maxLength,
                         double timeoutMs) {
  std::optional<Download> download = Prepare(host, path, port, timeoutMs);
  if (!download) return RuntimeString();
  BodyText text(ToInt(maxLength));
  download->text = &text;
  Transfer(*download);
  return text.Text();
}

}  // namespace vdr
