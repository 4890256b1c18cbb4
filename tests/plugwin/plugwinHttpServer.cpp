// The tests' loopback HTTP server, shared with the request tests.
#include "http/qortestHttpServer.cpp"
