// One item confirmed on the order entry window, from confirmation to the refreshed grid, total
// and open list, on a shop with a long and with a short history: the cost must not grow with
// the history.
#include "HistoricoBench.h"
#include "app/Configuracao.h"
#include "orderentry/ListasAtendimento.h"
#include "orderentry/PersistenciaComanda.h"
#include "platform/Clock.h"
#include "support/InteracaoRoteirizada.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace
{

QString u(const char* t)
{
    return QString::fromUtf8(t);
}

HistoricoBench& historico(int itens)
{
    // itens / 4 settled comandas, and 1,500 open ones.
    static HistoricoBench grande(250000, 1500);
    static HistoricoBench pequeno(2500, 1500);
    return itens >= 1000000 ? grande : pequeno;
}

double percentil(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(p * static_cast<double>(v.size() - 1))];
}

void BM_InsereComanda(benchmark::State& state)
{
    HistoricoBench& h = historico(static_cast<int>(state.range(0)));
    TDMXAL dm(u("atendimento"));
    dm.DataModuleCreate(HistoricoBench::conexao(h.caminho()));
    InteracaoRoteirizada interacao;
    FixedClock clock(QDateTime(QDate(2026, 12, 11), QTime(20, 0)));
    ConfigAtendimento config;
    config.CartaoMIn = 1;
    config.CartaoMax = 150;
    config.HoraInicial = -1;
    config.HoraFinal = 1000;
    config.BloquearItemMesaFechada = true;
    config.MostrarPedidoDelivery = true;
    TConfigGeral geral;
    PersistenciaComanda comanda({dm, interacao, clock, config, geral, 1, 1}, QLatin1Char('C'));
    ListasAtendimento listas(dm, 1);
    ProdutoSelecionado chope;
    chope.COD_PROD = 24;
    chope.VLR_PRECO = 11.9;
    chope.FLG_UNIDADE_VENDA = u("UN");
    chope.COD_DEPART = 2;
    comanda.InicializaComanda(u("12"));

    std::vector<double> tempos;
    qint64 instrucoes = 0;
    int linhasAbertas = 0;
    for (auto _ : state) {
        const qint64 antes = dm.instrucoes();
        QElapsedTimer t;
        t.start();
        const auto g = comanda.InsereComanda(chope, 1, 11.9);
        const auto itens = listas.ShowItems(comanda.cabecalho->DOCUMENTO, QLatin1Char('C'));
        benchmark::DoNotOptimize(listas.total(QLatin1Char('C'), 12));
        linhasAbertas = static_cast<int>(
            listas.ComandasAbertas(QLatin1Char('C'), true, QDate(2000, 1, 1), QDate(2099, 12, 31))
                .size());
        const double segundos = static_cast<double>(t.nsecsElapsed()) / 1e9;
        state.SetIterationTime(segundos);
        tempos.push_back(segundos * 1000.0);
        instrucoes = dm.instrucoes() - antes;
        if (!g.gravado || itens.isEmpty())
            state.SkipWithError("item not written");
    }
    state.counters["mediana_ms"] = percentil(tempos, 0.5);
    state.counters["p99_ms"] = percentil(tempos, 0.99);
    state.counters["instrucoes"] = static_cast<double>(instrucoes);
    state.counters["abertas"] = linhasAbertas;
}
BENCHMARK(BM_InsereComanda)
    ->Arg(10000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Iterations(300)
    ->Unit(benchmark::kMillisecond);

void BM_ListaAbertas(benchmark::State& state)
{
    HistoricoBench& h = historico(static_cast<int>(state.range(0)));
    TDMXAL dm(u("lista"));
    dm.DataModuleCreate(HistoricoBench::conexao(h.caminho()));
    ListasAtendimento listas(dm, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            listas.ComandasAbertas(QLatin1Char('C'), true, QDate(2000, 1, 1), QDate(2099, 12, 31)));
}
BENCHMARK(BM_ListaAbertas)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
