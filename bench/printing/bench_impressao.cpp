// Production tickets of one 60-item comanda routed over 4 stations on the demo shop: the
// routing and layout cost without any device time, and the statements one run sends.
#include "printing/ImpressaoProducao.h"
#include "printing/TicketProducao.h"
#include "support/NovosDocumentos.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace
{

QString u(const char* t)
{
    return QString::fromUtf8(t);
}

// Installed printers that take every page and throw it away.
class ImpressorasMudas : public ImpressorasSistema
{
public:
    QStringList nomes() const override
    {
        return {u("BAR"), u("BEBIDAS"), u("COZINHA"), u("SOBREMESAS")};
    }
    void imprimeLinhas(const QString&, const QStringList& linhas, const QString&) override
    {
        benchmark::DoNotOptimize(linhas.size());
    }
};

// The demo shop with kitchen, bar, drinks and desserts on four printers, and comanda 40
// holding 60 items of five attendants spread over the four stations.
struct Cenario {
    QTemporaryDir pasta;
    TDMXAL dm{u("bench")};
    int documento = 0;

    Cenario()
    {
        qputenv("BRISVEL_HOME", pasta.path().toUtf8());
        DescricaoConexao c;
        c.texto = pasta.filePath(u("shop.db"));
        const QString erro = dm.DataModuleCreate(c);
        if (!erro.isEmpty())
            qFatal("%s", qPrintable(erro));
        dm.ExecutaSQL(u("UPDATE CMD_IMPRESSAO SET PORTA_IMPRESSAO = CASE COD_IMP WHEN 1 THEN "
                        "'COZINHA' ELSE 'BAR' END"));
        dm.ExecutaSQL(u("INSERT INTO CMD_IMPRESSAO (COD_IMP, DESCRICAO, PORTA_IMPRESSAO) VALUES "
                        "(3, 'BEBIDAS', 'BEBIDAS')"));
        dm.ExecutaSQL(u("INSERT INTO CMD_IMPRESSAO (COD_IMP, DESCRICAO, PORTA_IMPRESSAO) VALUES "
                        "(4, 'SOBREMESAS', 'SOBREMESAS')"));
        dm.ExecutaSQL(u("UPDATE CMD_LISTA_IMPRESSAO_ITEM SET COD_IMP = COD_DEPART WHERE "
                        "COD_LISTA = 1"));
        const QDateTime quando(QDate(2026, 12, 10), QTime(20, 0));
        documento = novaNota(dm, 40, quando);
        const int produtos[] = {1, 20, 30, 40, 9, 24, 35, 41, 13, 21, 37, 42};
        for (int i = 0; i < 60; ++i) {
            DadosItem item{produtos[i % 12],
                           i % 7 == 0 ? 0.35 : 1.0,
                           10.0,
                           0.0,
                           i % 5 == 0 ? QVariant() : QVariant(i % 5),
                           1};
            item.hora = quando.time().addSecs(i * 30);
            novoItem(dm, documento, 40, quando, item);
        }
        dm.ExecutaSQL(u("UPDATE CMD_ITEM SET OBS = 'SEM GELO' WHERE NUM_ITEM % 4 = 0"));
    }
    void pendentes() { dm.ExecutaSQL(u("UPDATE CMD_ITEM SET STS_IMP_ITENS = NULL")); }
};

Cenario& cenario()
{
    static Cenario c;
    return c;
}

void BM_ImprimeBrisvel60Itens4Estacoes(benchmark::State& state)
{
    Cenario& c = cenario();
    ImpressorasMudas impressoras;
    TConfigGeral geral;
    ConfigAtendimento config;
    config.NumeroTerminal = 1;
    config.Imprime = true;
    FixedClock relogio(QDateTime(QDate(2026, 12, 10), QTime(20, 45)));
    TDMImpressao impressao(impressoras, geral);
    ImpressaoProducao producao(c.dm, impressao, config, relogio);
    int instrucoes = 0, tickets = 0, linhas = 0;
    for (auto _ : state) {
        state.PauseTiming();
        c.pendentes();
        const int antes = producao.instrucoes();
        state.ResumeTiming();
        producao.ImprimeBrisvel(c.documento, u("C"));
        state.PauseTiming();
        instrucoes = producao.instrucoes() - antes;
        tickets = static_cast<int>(producao.tickets().size());
        linhas = 0;
        for (const QStringList& t : producao.tickets())
            linhas += static_cast<int>(t.size());
        state.ResumeTiming();
    }
    state.counters[u("instrucoes").toStdString()] = instrucoes;
    state.counters["tickets"] = tickets;
    state.counters["linhas"] = linhas;
}
BENCHMARK(BM_ImprimeBrisvel60Itens4Estacoes)->Unit(benchmark::kMillisecond);

// The layout alone: 60 items of five attendants on one ticket.
void BM_Layout60Itens(benchmark::State& state)
{
    QList<ItemTicket> itens;
    for (int i = 0; i < 60; ++i) {
        ItemTicket t;
        t.codProd = i + 1;
        t.descricao = u("CARNE DE SOL COM MACAXEIRA E FEIJÃO VERDE NA MANTEIGA");
        t.quant = i % 7 == 0 ? 0.35 : 2;
        t.hora = u("20:15");
        t.codVendFiltro = i % 5;
        if (i % 4 == 0)
            t.obs = u("SEM CEBOLA");
        itens.append(t);
    }
    const QList<AtendenteTicket> atendentes = {{0, QString()},
                                               {1, u("ANA PAULA SOUZA")},
                                               {2, u("CARLOS EDUARDO LIMA")},
                                               {3, u("MARIA JOSÉ FERREIRA")},
                                               {4, u("JOÃO PEDRO ALVES")}};
    const QDateTime agora(QDate(2026, 12, 10), QTime(20, 45));
    for (auto _ : state) {
        const QString t = TicketProducao::ticket(TicketProducao::cabecalho(40, agora, 3),
                                                 TicketProducao::corpo(atendentes, itens));
        benchmark::DoNotOptimize(t.split(QLatin1Char('\n')));
    }
}
BENCHMARK(BM_Layout60Itens)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
