// The simulated host library. Its application and suites are added file by file.
