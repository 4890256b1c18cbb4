#include "hostsimRunner.h"

#include <iostream>

// The simulated host: loads a plug-in module and drives it (see hostsimRunner.h).
int main(int argc, char** argv)
{
  return hostsim::runCommandLine(argc, argv, std::cout, std::cerr);
}
