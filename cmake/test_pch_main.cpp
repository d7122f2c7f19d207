// The target that compiles the tests' precompiled header once; every test reuses it.
int main() { return 0; }
