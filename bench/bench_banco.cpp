// Start-up cost of the database module and the cost of the shared statements on a shop with
// a long history.
#include "HistoricoBench.h"
#include "data/TDMXAL.h"
#include "support/NovosDocumentos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace
{

QString u(const char* t)
{
    return QString::fromUtf8(t);
}

DescricaoConexao arquivo(const QString& caminho)
{
    return HistoricoBench::conexao(caminho);
}

class Historico
{
public:
    // 250,000 settled comandas of 4 items (1,000,000 items) and 1,500 open ones.
    static HistoricoBench& instancia()
    {
        static HistoricoBench h(250000, 1500);
        return h;
    }
};

void BM_CriaLojaDemo(benchmark::State& state)
{
    QTemporaryDir dir;
    qputenv("BRISVEL_HOME", dir.path().toUtf8());
    int n = 0;
    for (auto _ : state) {
        const QString caminho = dir.filePath(QStringLiteral("shop%1.db").arg(++n));
        TDMXAL dm(u("demo"));
        if (!dm.DataModuleCreate(arquivo(caminho)).isEmpty())
            state.SkipWithError("demo shop failed");
    }
}
BENCHMARK(BM_CriaLojaDemo)->Unit(benchmark::kMillisecond);

// What every start of a terminal pays: connect and run the whole upgrade on a shop that is
// already up to date, here with the long history.
void BM_ConectaEAtualiza(benchmark::State& state)
{
    const QString caminho = Historico::instancia().caminho();
    for (auto _ : state) {
        TDMXAL dm(u("inicio"));
        if (!dm.DataModuleCreate(arquivo(caminho)).isEmpty())
            state.SkipWithError("upgrade failed");
    }
}
BENCHMARK(BM_ConectaEAtualiza)->Unit(benchmark::kMillisecond);

void BM_ComandasAbertas(benchmark::State& state)
{
    TDMXAL dm(u("abertas"));
    dm.DataModuleCreate(arquivo(Historico::instancia().caminho()));
    const Parametros p{{u("PLOJA"), 1},
                       {u("pDelivery"), 0},
                       {u("pIni"), QDateTime(QDate(2025, 1, 1), QTime(0, 0))},
                       {u("pFim"), QDateTime(QDate(2026, 12, 11), QTime(23, 59, 59))},
                       {u("pTipo"), u("C")},
                       {u("pTipo2"), u("C")}};
    int linhas = 0;
    for (auto _ : state) {
        QSqlQuery q = dm.executa(u("cdsComandasAbertas"), p);
        linhas = 0;
        while (q.next())
            ++linhas;
    }
    state.counters["linhas"] = linhas;
}
BENCHMARK(BM_ComandasAbertas)->Unit(benchmark::kMillisecond);

// One item on a card that has been reused thousands of times.
void BM_InsereItem(benchmark::State& state)
{
    TDMXAL dm(u("item"));
    dm.DataModuleCreate(arquivo(Historico::instancia().caminho()));
    const QDateTime agora(QDate(2026, 12, 11), QTime(20, 0));
    const int doc = novaNota(dm, 12, agora);
    for (auto _ : state)
        benchmark::DoNotOptimize(novoItem(dm, doc, 12, agora, {24, 1.0, 11.9, 1.19, {}, 1}));
}
BENCHMARK(BM_InsereItem)->Unit(benchmark::kMicrosecond);

void BM_TotalDaComanda(benchmark::State& state)
{
    TDMXAL dm(u("total"));
    dm.DataModuleCreate(arquivo(Historico::instancia().caminho()));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            dm.escalar(u("qrTotalizaCmd"), {{u("sTipoDoc"), u("C")}, {u("psCart"), 1500}}));
}
BENCHMARK(BM_TotalDaComanda)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
