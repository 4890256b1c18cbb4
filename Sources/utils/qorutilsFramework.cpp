// The framework library. Its classes are added file by file.
