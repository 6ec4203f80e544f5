#include "Clock.h"

namespace
{
SystemClock g_sistema;
Clock* g_atual = &g_sistema;
} // namespace

Clock& relogio()
{
    return *g_atual;
}

void defineRelogio(Clock* clock)
{
    g_atual = clock ? clock : &g_sistema;
}
