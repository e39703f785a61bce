// A loadable module that exports something, but no registration entry point.
extern "C" __attribute__((visibility("default"))) int NotTheEntryPoint() {
    return 0;
}
