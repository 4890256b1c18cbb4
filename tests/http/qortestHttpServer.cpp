#include "qortestHttpServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace qortest {

std::string HttpServer::Request::header(const std::string& name) const
{
  for (const std::string& line : headerLines) {
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos || colon != name.size())
      continue;
    if (!std::equal(name.begin(), name.end(), line.begin(),
                    [](char a, char b) { return std::tolower((unsigned char)a) == std::tolower((unsigned char)b); }))
      continue;
    std::size_t v = colon + 1;
    while (v < line.size() && line[v] == ' ')
      ++v;
    return line.substr(v);
  }
  return std::string();
}

bool HttpServer::Request::hasHeader(const std::string& name) const
{
  for (const std::string& line : headerLines)
    if (line.size() > name.size() && line[name.size()] == ':' &&
        std::equal(name.begin(), name.end(), line.begin(),
                   [](char a, char b) { return std::tolower((unsigned char)a) == std::tolower((unsigned char)b); }))
      return true;
  return false;
}

HttpServer::HttpServer()
{
  listenFd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  int one = 1;
  ::setsockopt(listenFd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  a.sin_port = 0;
  ::bind(listenFd, reinterpret_cast<sockaddr*>(&a), sizeof a);
  ::listen(listenFd, 64);
  socklen_t len = sizeof a;
  ::getsockname(listenFd, reinterpret_cast<sockaddr*>(&a), &len);
  port_ = ntohs(a.sin_port);
  if (::pipe2(wakePipe, O_CLOEXEC) != 0)
    wakePipe[0] = wakePipe[1] = -1;
  acceptor = std::thread([this] { acceptLoop(); });
}

HttpServer::~HttpServer()
{
  stop();
}

void HttpServer::on(const std::string& path, const Answer& answer)
{
  std::lock_guard<std::mutex> g(lock);
  answers[path] = answer;
}

std::string HttpServer::url(const std::string& path) const
{
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<HttpServer::Request> HttpServer::requests() const
{
  std::lock_guard<std::mutex> g(lock);
  return log;
}

void HttpServer::stop()
{
  {
    std::lock_guard<std::mutex> g(lock);
    if (stopping)
      return;
    stopping = true;
    for (int fd : connections)
      ::shutdown(fd, SHUT_RDWR);
  }
  stopped.notify_all();
  if (wakePipe[1] >= 0) {
    const char c = 'x';
    (void)!::write(wakePipe[1], &c, 1);
  }
  if (acceptor.joinable())
    acceptor.join();
  for (std::thread& t : workers)
    t.join();
  workers.clear();
  ::close(listenFd);
  for (int fd : wakePipe)
    if (fd >= 0)
      ::close(fd);
}

int HttpServer::closedPort()
{
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
  socklen_t len = sizeof a;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
  ::close(fd);  // bound but never listening: connections are refused
  return ntohs(a.sin_port);
}

void HttpServer::acceptLoop()
{
  for (;;) {
    pollfd fds[2] = {{listenFd, POLLIN, 0}, {wakePipe[0], POLLIN, 0}};
    if (::poll(fds, 2, -1) < 0)
      continue;
    if (fds[1].revents)
      return;
    const int fd = ::accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0)
      continue;
    std::lock_guard<std::mutex> g(lock);
    if (stopping) {
      ::close(fd);
      return;
    }
    connections.push_back(fd);
    workers.emplace_back([this, fd] { serve(fd); });
  }
}

void HttpServer::serve(int fd)
{
  std::string data;
  char buf[65536];
  std::size_t headerEnd;
  while ((headerEnd = data.find("\r\n\r\n")) == std::string::npos) {
    const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
    if (n <= 0)
      break;
    data.append(buf, std::size_t(n));
  }
  Request r;
  Answer answer;
  bool ok = headerEnd != std::string::npos;
  if (ok) {
    std::size_t pos = data.find("\r\n");
    const std::string first = data.substr(0, pos);
    const std::size_t s1 = first.find(' '), s2 = first.rfind(' ');
    r.method = first.substr(0, s1);
    r.target = first.substr(s1 + 1, s2 - s1 - 1);
    pos += 2;
    while (pos < headerEnd) {
      const std::size_t e = data.find("\r\n", pos);
      r.headerLines.push_back(data.substr(pos, e - pos));
      pos = e + 2;
    }
    const std::string length = r.header("Content-Length");
    const std::size_t want = length.empty() ? 0 : std::stoul(length);
    r.body = data.substr(headerEnd + 4);
    while (r.body.size() < want) {
      const ssize_t n = ::recv(fd, buf, std::min(sizeof buf, want - r.body.size()), 0);
      if (n <= 0)
        break;
      r.body.append(buf, std::size_t(n));
    }
    std::lock_guard<std::mutex> g(lock);
    log.push_back(r);
    const std::string path = r.target.substr(0, r.target.find('?'));
    auto it = answers.find(path);
    if (it != answers.end())
      answer = it->second;
    else
      answer = Answer{404, "<html>not found</html>", {}, Mode::Answer};
  }
  if (ok && answer.mode == Mode::Stall) {
    std::unique_lock<std::mutex> g(lock);
    stopped.wait(g, [this] { return stopping; });
    ok = false;
  }
  if (ok) {
    std::string body = answer.mode == Mode::Echo ? r.body : answer.body;
    std::string out = "HTTP/1.1 " + std::to_string(answer.status) + " Status\r\n";
    for (const std::string& h : answer.headers)
      out += h + "\r\n";
    out += "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n";
    if (answer.mode == Mode::Partial)
      body.resize(body.size() / 2);
    if (r.method != "HEAD")
      out += body;
    std::size_t sent = 0;
    while (sent < out.size()) {
      const ssize_t n = ::send(fd, out.data() + sent, out.size() - sent, MSG_NOSIGNAL);
      if (n <= 0)
        break;
      sent += std::size_t(n);
    }
  }
  ::shutdown(fd, SHUT_WR);
  std::lock_guard<std::mutex> g(lock);
  connections.erase(std::remove(connections.begin(), connections.end(), fd), connections.end());
  ::close(fd);
}

}  // namespace qortest
