// A maker plugin for the tests: answers a fixed token longer than the column.
#include <cstring>

extern "C" __attribute__((visibility("default"))) void ID_Token(unsigned char* buffer)
{
    const char texto[] = "MAQ-CAIXA-0001-XYZ-ABCDEF";
    buffer[0] = static_cast<unsigned char>(sizeof(texto) - 1);
    std::memcpy(buffer + 1, texto, sizeof(texto) - 1);
}
