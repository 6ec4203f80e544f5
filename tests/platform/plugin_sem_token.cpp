// A maker plugin for the tests that lacks the token export.
extern "C" __attribute__((visibility("default"))) int OutraFuncao()
{
    return 1;
}
