// The Windows layer's shared library. Its services are added file by file.
