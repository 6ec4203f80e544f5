#include "app/ConferenciaSenha.h"
#include "app/Configuracao.h"
#include "app/DadosLoja.h"
#include "app/MenusPrincipal.h"
#include "app/SenhaSuporte.h"
#include "app/TerminalMaquina.h"
#include "platform/Arquivos.h"
#include "platform/Falha.h"
#include "support/TestSupport.h"

#include <QSqlQuery>
#include <QtTest>
#include <latch>
#include <mutex>
#include <thread>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}

QVariant valor(TDMXAL& dm, const QString& sql, const Parametros& p = {})
{
    QSqlQuery q;
    dm.ExecutaSQL(sql, q, p);
    return q.next() ? q.value(0) : QVariant();
}
} // namespace

class TstInicio : public QObject
{
    Q_OBJECT
private slots:
    void registroDoTerminalComecaEm256_data()
    {
        QTest::addColumn<QList<int>>("existentes");
        QTest::addColumn<int>("esperado");
        QTest::newRow("tabela vazia") << QList<int>{} << 256;
        QTest::newRow("so terminais feitos a mao abaixo de 256") << QList<int>{1, 2, 40} << 256;
        QTest::newRow("ja ha 256") << QList<int>{1, 256} << 257;
        QTest::newRow("feitos a mao ate 300") << QList<int>{1, 300} << 301;
    }
    void registroDoTerminalComecaEm256()
    {
        QFETCH(QList<int>, existentes);
        QFETCH(int, esperado);
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        dm->ExecutaSQL(u("DELETE FROM CMD_TERMINAIS"));
        for (int cod : existentes)
            dm->ExecutaSQL(u("INSERT INTO CMD_TERMINAIS (COD_TERM, DESCRICAO, CHK_ATIVO) VALUES "
                             "(:c, 'A MAO', 'T')"),
                           {{u("c"), cod}});

        const ResultadoTerminal r = IdentificaTerminal(*dm, u("MAQUINA-NOVA"));
        QVERIFY(r.registrou);
        QCOMPARE(r.codTerm, esperado);
        QVERIFY(!r.inativo);
        QSqlQuery q;
        dm->ExecutaSQL(u("SELECT DESCRICAO, CHK_ATIVO FROM CMD_TERMINAIS WHERE TOKEN = :t"), q,
                       {{u("t"), u("MAQUINA-NOVA")}});
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), u("DESKTOP"));
        QCOMPARE(q.value(1).toString(), u("T"));
        QVERIFY(!q.next());

        // The next start finds its row; another new machine gets the next code.
        const ResultadoTerminal outraVez = IdentificaTerminal(*dm, u("MAQUINA-NOVA"));
        QVERIFY(!outraVez.registrou);
        QCOMPARE(outraVez.codTerm, esperado);
        QCOMPARE(IdentificaTerminal(*dm, u("OUTRA-MAQUINA")).codTerm, esperado + 1);
    }

    void terminalInativoSoComF_data()
    {
        QTest::addColumn<QVariant>("ativo");
        QTest::addColumn<bool>("inativo");
        QTest::newRow("T") << QVariant(u("T")) << false;
        QTest::newRow("NULL") << QVariant(QMetaType(QMetaType::QString)) << false;
        QTest::newRow("F") << QVariant(u("F")) << true;
    }
    void terminalInativoSoComF()
    {
        QFETCH(QVariant, ativo);
        QFETCH(bool, inativo);
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        dm->ExecutaSQL(u("INSERT INTO CMD_TERMINAIS (COD_TERM, DESCRICAO, CHK_ATIVO, TOKEN) "
                         "VALUES (7, 'BALCAO', :a, 'TOKEN-BALCAO')"),
                       {{u("a"), ativo}});
        const ResultadoTerminal r = IdentificaTerminal(*dm, u("TOKEN-BALCAO"));
        QCOMPARE(r.codTerm, 7);
        QCOMPARE(r.inativo, inativo);
        QVERIFY(!r.registrou);
    }

    void semTokenOuSemBanco()
    {
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        const ResultadoTerminal r = IdentificaTerminal(*dm, QString());
        QCOMPARE(r.codTerm, 0);
        QVERIFY(!r.registrou);
        QCOMPARE(valor(*dm, u("SELECT COUNT(*) FROM CMD_TERMINAIS")).toInt(), 1);

        TDMXAL semConexao(u("nunca-aberta"));
        QVERIFY_THROWS_EXCEPTION(Falha, IdentificaTerminal(semConexao, u("X")));
    }

    void terminaisQueRegistramJuntosTemCodigosDiferentes()
    {
        PastaTeste pasta;
        abreBancoTeste(pasta).reset();
        constexpr int kPorTerminal = 15;
        std::mutex abrindo;
        std::latch largada(2);
        QList<int> codigos[2];
        QString erros[2];
        auto terminal = [&](int n) {
            TDMXAL dm(u("terminal%1").arg(n));
            {
                std::lock_guard trava(abrindo);
                DescricaoConexao c;
                c.texto = pasta.caminho(u("shop.db"));
                erros[n] = dm.DataModuleCreate(c);
            }
            largada.arrive_and_wait();
            try {
                for (int i = 0; i < kPorTerminal; ++i)
                    codigos[n] << IdentificaTerminal(dm, u("T%1-%2").arg(n).arg(i)).codTerm;
            } catch (const Falha& f) {
                erros[n] = f.mensagem();
            }
        };
        std::thread a(terminal, 0);
        std::thread b(terminal, 1);
        a.join();
        b.join();
        QCOMPARE(erros[0], QString());
        QCOMPARE(erros[1], QString());
        QList<int> todos = codigos[0] + codigos[1];
        std::sort(todos.begin(), todos.end());
        QList<int> esperados;
        for (int c = 256; c < 256 + 2 * kPorTerminal; ++c)
            esperados << c;
        QCOMPARE(todos, esperados);
    }

    void senhaDoDiaFixaPorData_data()
    {
        QTest::addColumn<QDate>("dia");
        QTest::addColumn<QString>("codigo");
        QTest::newRow("11/12/26") << QDate(2026, 12, 11) << u("777MM9");
        QTest::newRow("01/01/30") << QDate(2030, 1, 1) << u("Q7Q7XQ");
        QTest::newRow("29/02/28") << QDate(2028, 2, 29) << u("M4QMMT");
    }
    void senhaDoDiaFixaPorData()
    {
        // The same table on every terminal and every version: support types one code a day.
        QFETCH(QDate, dia);
        QFETCH(QString, codigo);
        QCOMPARE(SenhaDoDia(dia), codigo);
    }

    void senhaDoDiaMudaTodoDia()
    {
        QSet<QString> codigos;
        const QDate inicio(2026, 1, 1);
        for (int d = 0; d < 366 * 3; ++d)
            codigos.insert(SenhaDoDia(inicio.addDays(d)));
        QCOMPARE(codigos.size(), 366 * 3);
    }

    void senhaDeSuporteAtualizada()
    {
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        const QDate hoje(2026, 12, 11);
        const QString sql = u("SELECT SENHA FROM SENHA WHERE CODIGO = 1000 AND COD_LOJA = :l AND "
                              "FLG_ORIGEM = :o");
        dm->ExecutaSQL(u("INSERT INTO SENHA (CODIGO, COD_LOJA, FLG_ORIGEM, SENHA) VALUES "
                         "(1000, 2, 'F', 'OUTRA'), (1000, 1, 'C', 'CLIENTE')"));
        AtualizaSenhaSuporte(*dm, 1, hoje);
        QCOMPARE(valor(*dm, sql, {{u("l"), 1}, {u("o"), u("F")}}).toString(), u("777MM9"));
        // Other stores and customer rows stay as they were.
        QCOMPARE(valor(*dm, sql, {{u("l"), 2}, {u("o"), u("F")}}).toString(), u("OUTRA"));
        QCOMPARE(valor(*dm, sql, {{u("l"), 1}, {u("o"), u("C")}}).toString(), u("CLIENTE"));

        AtualizaSenhaSuporte(*dm, 1, hoje.addDays(1));
        QCOMPARE(valor(*dm, sql, {{u("l"), 1}, {u("o"), u("F")}}).toString(),
                 SenhaDoDia(hoje.addDays(1)));
        // A store without the row: nothing to change, no failure.
        AtualizaSenhaSuporte(*dm, 9, hoje);
    }

    void senhaDeSuporteFalhaComTextoDescrito()
    {
        TDMXAL semConexao(u("nunca-aberta"));
        try {
            AtualizaSenhaSuporte(semConexao, 1, QDate(2026, 12, 11));
            QFAIL("sem falha");
        } catch (const Falha& f) {
            QVERIFY2(f.mensagem().startsWith(u("Problemas ao abrir tabela .: Erro ao executar")),
                     qPrintable(f.mensagem()));
        }
    }

    void modeloDoKitSoQuandoFalta_data()
    {
        QTest::addColumn<QByteArray>("conteudo"); // "-": no file
        QTest::addColumn<QString>("esperado");
        QTest::newRow("sem arquivo") << QByteArray("-") << u("Bematech");
        QTest::newRow("sem a chave")
            << QByteArray("[KIT]\r\nHabilitaKitProd=Sim\r\n") << u("Bematech");
        QTest::newRow("outro modelo") << QByteArray("[kit]\r\nMODELO=Elgin\r\n") << u("Elgin");
        QTest::newRow("chave vazia") << QByteArray("[KIT]\r\nModelo=\r\n") << QString();
    }
    void modeloDoKitSoQuandoFalta()
    {
        QFETCH(QByteArray, conteudo);
        QFETCH(QString, esperado);
        PastaTeste pasta;
        if (conteudo != "-")
            pasta.escreve(kArquivoAtendimento, conteudo);
        GaranteModeloKit();
        GaranteModeloKit();
        QCOMPARE(LeIniString(kArquivoAtendimento, u("KIT"), u("Modelo"), u("ausente")), esperado);
        QFile f(pasta.caminho(kArquivoAtendimento));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().toLower().count("modelo="), qsizetype(1));
    }

    void lojaDaPrimeiraLinha()
    {
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        QCOMPARE(PrimeiraLoja(*dm), 1);
        dm->ExecutaSQL(u("DELETE FROM LOJA"));
        QCOMPARE(PrimeiraLoja(*dm), 0);
    }

    void estadoERazaoSocial_data()
    {
        QTest::addColumn<QVariant>("uf");
        QTest::addColumn<QString>("estado");
        QTest::addColumn<QString>("razao");
        QTest::newRow("vazio") << QVariant(u("")) << u("PB") << QString();
        QTest::newRow("nulo") << QVariant(QMetaType(QMetaType::QString)) << u("PB") << QString();
        QTest::newRow("PB") << QVariant(u("PB")) << u("PB") << QString();
        QTest::newRow("SP") << QVariant(u("SP")) << u("SP") << u("BAR DO CENTRO LTDA");
    }
    void estadoERazaoSocial()
    {
        QFETCH(QVariant, uf);
        QFETCH(QString, estado);
        QFETCH(QString, razao);
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        dm->ExecutaSQL(u("UPDATE LOJA SET UF = :uf, RAZAO_SOCIAL = 'BAR DO CENTRO LTDA'"),
                       {{u("uf"), uf}});
        const EstadoLoja e = LeEstadoLoja(*dm, 1);
        QCOMPARE(e.Estado, estado);
        QCOMPARE(e.RSOCIAL, razao);
        QCOMPARE(LeEstadoLoja(*dm, 99).Estado, u("PB"));
    }

    void decisaoDosMenus()
    {
        TConfigGeral c;
        c.HabilitaBrisvel = true;
        c.HabilitaKitProd = true;
        DecisaoMenus d = HabilitaMenus(c, false);
        QCOMPARE(d.captionOrcamento, u("Orçamento"));
        QVERIFY(d.brisvelVisivel && d.kitVisivel && !d.orcamentoVisivel);
        QVERIFY(d.brisvelHabilitado && d.demaisHabilitados);
        QVERIFY(!d.relCondominioVisivel && !d.abreAtendimento);

        c.Condominio = true;
        d = HabilitaMenus(c, false);
        QCOMPARE(d.captionOrcamento, u("Lançamento"));
        QVERIFY(d.relCondominioVisivel);
        QVERIFY(!d.brisvelHabilitado);

        c.AbreAtendimentoInicializacao = true;
        d = HabilitaMenus(c, false);
        QVERIFY(!d.demaisHabilitados);
        QVERIFY(d.abreAtendimento);
        QVERIFY(!HabilitaMenus(c, true).abreAtendimento);
    }

    void conferenciaDoPainel_data()
    {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QString>("senha");
        QTest::addColumn<bool>("aceito");
        QTest::addColumn<QString>("mensagem");
        const QString invalida = u("Senha Inválida");
        QTest::newRow("com permissao") << u("3") << u("3333") << true << QString();
        QTest::newRow("sem permissao")
            << u("1") << u("1111") << false << u("Funcionário sem permissão");
        QTest::newRow("senha errada") << u("3") << u("1111") << false << invalida;
        QTest::newRow("senha vazia") << u("3") << QString() << false << invalida;
        QTest::newRow("maiusculas contam") << u("1000") << u("abc") << false << invalida;
        QTest::newRow("codigo sem senha") << u("5") << u("5555") << false << invalida;
        QTest::newRow("codigo vazio") << QString() << u("3333") << false << invalida;
    }
    void conferenciaDoPainel()
    {
        QFETCH(QString, codigo);
        QFETCH(QString, senha);
        QFETCH(bool, aceito);
        QFETCH(QString, mensagem);
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        dm->ExecutaSQL(u("UPDATE SENHA SET SENHA = 'ABC' WHERE CODIGO = 1000"));
        const ResultadoLogin r = ConfereLogin(*dm, codigo, senha);
        QCOMPARE(r.aceito, aceito);
        QCOMPARE(r.mensagem, mensagem);
    }

    void nomeDoFuncionario()
    {
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        QCOMPARE(NomeFuncionario(*dm, u("3")), u("MARIA JOSÉ FERREIRA"));
        QCOMPARE(NomeFuncionario(*dm, u("77")), QString());
        QCOMPARE(NomeFuncionario(*dm, QString()), QString());
    }
};

QTEST_GUILESS_MAIN(TstInicio)
#include "tst_inicio.moc"
