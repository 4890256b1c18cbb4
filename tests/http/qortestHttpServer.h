// A small HTTP/1.1 server on 127.0.0.1 for the tests: fixed answers per path, requests recorded.
#pragma once

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qortest {

class HttpServer
{
public:
  struct Request
  {
    std::string method;
    std::string target;
    std::vector<std::string> headerLines;  // exactly as received, without their CR LF
    std::string body;
    // The value of the first header of that name (case-insensitive), or "" when there is none.
    std::string header(const std::string& name) const;
    bool hasHeader(const std::string& name) const;
  };

  enum class Mode
  {
    Answer,   // status, headers and body
    Echo,     // 200 with the request's body
    Stall,    // reads the request and never answers
    Partial,  // announces the body's length, sends half of it and closes
  };

  struct Answer
  {
    int status = 200;
    std::string body;
    std::vector<std::string> headers;
    Mode mode = Mode::Answer;
  };

  HttpServer();
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  void on(const std::string& path, const Answer& answer);
  int port() const { return port_; }
  std::string url(const std::string& path) const;
  std::vector<Request> requests() const;
  void stop();

  // A port on 127.0.0.1 where nothing listens.
  static int closedPort();

private:
  void acceptLoop();
  void serve(int fd);

  int listenFd = -1;
  int wakePipe[2] = {-1, -1};
  int port_ = 0;
  mutable std::mutex lock;
  std::condition_variable stopped;
  bool stopping = false;
  std::map<std::string, Answer> answers;
  std::vector<Request> log;
  std::vector<int> connections;
  std::vector<std::thread> workers;
  std::thread acceptor;
};

}  // namespace qortest
