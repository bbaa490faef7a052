// The source of the precompiled header that the test executables share; it holds nothing itself.
