// Start-up cost of the database module and the cost of the shared statements on a shop with
// a long history.
#include "data/TDMXAL.h"

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
    DescricaoConexao c;
    c.texto = caminho;
    return c;
}

// One demo shop with 250,000 settled comandas of 4 items (1,000,000 items) and 1,500 open
// comandas of 3 items, made once for every benchmark that needs history.
class Historico
{
public:
    static Historico& instancia()
    {
        static Historico h;
        return h;
    }
    QString caminho() const { return m_dir.filePath(u("shop.db")); }

private:
    Historico()
    {
        qputenv("BRISVEL_HOME", m_dir.path().toUtf8());
        TDMXAL dm(u("historico"));
        if (!dm.DataModuleCreate(arquivo(caminho())).isEmpty())
            qFatal("cannot create the demo shop");
        dm.emTransacao([&] {
            dm.ExecutaSQL(
                u("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < "
                  ":total) "
                  "INSERT INTO CMD_NOTA (NUM_COMANDA, COD_LOJA, FLG_TIPO_DOC, DATA, HORA, "
                  "HORA_FINAL, "
                  "CHK_BAIXA, COO) SELECT (x % 150) + 1, 1, 'C', "
                  "strftime('%Y-%m-%d 00:00:00', '2026-12-10', '-' || (x / 700) || ' days'), "
                  "'1899-12-30 20:00:00', '1899-12-30 22:00:00', 'T', x FROM n"),
                {{u("total"), 250000}});
            dm.ExecutaSQL(u(
                "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 1500) "
                "INSERT INTO CMD_NOTA (NUM_COMANDA, COD_LOJA, FLG_TIPO_DOC, DATA, HORA, "
                "HORA_FINAL, "
                "CHK_BAIXA) SELECT 1000 + x, 1, 'C', '2026-12-11 00:00:00', '1899-12-30 19:00:00', "
                "'1899-12-30 21:00:00', 'F' FROM n"));
            dm.ExecutaSQL(
                u("WITH RECURSIVE k(y) AS (SELECT 1 UNION ALL SELECT y + 1 FROM k WHERE y < 4) "
                  "INSERT INTO CMD_ITEM (DOCUMENTO, NUM_COMANDA, NUM_ITEM, COD_LOJA, COD_PROD, "
                  "VLR_QTDE, VLR_PRECO, VLR_TOTAL, ACRESCIMO, DATA, HORA, TERMINAL, FLG_STATUS, "
                  "CHK_BAIXA, STS_IMP_ITENS) SELECT N.DOCUMENTO, N.NUM_COMANDA, "
                  "N.DOCUMENTO * 4 + k.y, 1, 24, 2, 11.9, 23.8, 2.38, N.DATA, N.HORA, 1, 'N', "
                  "N.CHK_BAIXA, 'T' FROM CMD_NOTA N CROSS JOIN k WHERE N.CHK_BAIXA = 'T' OR k.y <= "
                  "3"));
        });
        dm.ExecutaSQL(u("ANALYZE"));
    }
    QTemporaryDir m_dir;
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
    const int doc = dm.escalar(u("qrInsereCmdNota"), {{u("NUM_COMANDA"), 12},
                                                      {u("COD_LOJA"), 1},
                                                      {u("FLG_TIPO_DOC"), u("C")},
                                                      {u("DATA"), agora.date()},
                                                      {u("HORA"), agora.time()},
                                                      {u("COD_CLI"), QVariant()},
                                                      {u("CNPJ_CPF"), QVariant()},
                                                      {u("CONTATO"), QVariant()},
                                                      {u("TELEFONE"), QVariant()},
                                                      {u("DATA_ENTREGA"), QVariant()},
                                                      {u("COD_CONDICAO_PRECO"), QVariant()}})
                        .toInt();
    for (auto _ : state) {
        QSqlQuery q = dm.executa(u("qrInsereCmdItem"), {{u("DOCUMENTO"), doc},
                                                        {u("PLOJA"), 1},
                                                        {u("NUM_COMANDA"), 12},
                                                        {u("COD_PROD"), 24},
                                                        {u("VLR_QTDE"), 1.0},
                                                        {u("VLR_PRECO"), 11.9},
                                                        {u("VLR_TOTAL"), 11.9},
                                                        {u("DATA"), agora.date()},
                                                        {u("HORA"), agora.time()},
                                                        {u("COD_VEND"), QVariant()},
                                                        {u("FLG_STATUS"), u("N")},
                                                        {u("ACRESCIMO"), 1.19},
                                                        {u("TERMINAL"), 1}});
        q.next();
    }
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
