// The loopback HTTP server of the internet tests, for the web view's pages.
#include "http/qortestHttpServer.cpp"
