// The engine tests' job shell on Windows: it takes cmd's arguments and does nothing, so that
// the engine's own start of a script changes no file; the tests run the scripts themselves.
int main() { return 0; }
