#include "data/AtualizaBanco.h"
#include "data/Catalogo.h"
#include "data/TDMXAL.h"
#include "platform/Falha.h"
#include "support/NovosDocumentos.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QSqlRecord>
#include <QtTest>

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

int conta(TDMXAL& dm, const QString& sql, const Parametros& p = {})
{
    return valor(dm, sql, p).toInt();
}

QStringList colunas(TDMXAL& dm, const char* tabela)
{
    QStringList nomes;
    QSqlQuery q;
    dm.ExecutaSQL(u("SELECT name FROM pragma_table_info(:t)"), q, {{u("t"), u(tabela)}});
    while (q.next())
        nomes << q.value(0).toString().toUpper();
    return nomes;
}

// A header with items; each item cancelled as listed (an invalid value: not cancelled).
int criaComanda(TDMXAL& dm, int numero, const QDateTime& quando, const QList<QVariant>& cancelados,
                const QVariant& deliveryWeb = QVariant(), const QString& tipo = u("C"))
{
    const int doc = novaNota(dm, numero, quando, tipo);
    if (deliveryWeb.isValid())
        dm.ExecutaSQL(u("UPDATE CMD_NOTA SET DELIVERYWEB = :d WHERE DOCUMENTO = :doc"),
                      {{u("d"), deliveryWeb}, {u("doc"), doc}});
    for (const QVariant& cancelado : cancelados) {
        const qint64 autonum = novoItem(dm, doc, numero, quando);
        if (autonum == 0)
            qFatal("item not inserted");
        if (cancelado.isValid())
            dm.ExecutaSQL(u("UPDATE CMD_ITEM SET CHK_CANCELADO = :c WHERE AUTONUM = :a"),
                          {{u("c"), cancelado}, {u("a"), autonum}});
    }
    return doc;
}

Parametros periodo(const QDate& de, const QDate& ate, int delivery)
{
    return {{u("PLOJA"), 1},
            {u("pDelivery"), delivery},
            {u("pIni"), QDateTime(de, QTime(0, 0))},
            {u("pFim"), QDateTime(ate, QTime(23, 59, 59))},
            {u("pTipo"), u("C")},
            {u("pTipo2"), u("C")}};
}
} // namespace

class TstTDMXAL : public QObject
{
    Q_OBJECT
private slots:
    void lojaDemoNasceCompletaEAtualizacaoRepete()
    {
        PastaTeste pasta;
        QString erro;
        auto dm = abreBancoTeste(pasta, true, &erro);
        QCOMPARE(erro, QString());
        QVERIFY(dm->criouLojaDemo());
        QVERIFY(conta(*dm, u("SELECT COUNT(*) FROM PRODUTO")) >= 40);
        QCOMPARE(valor(*dm, u("SELECT UF FROM LOJA WHERE COD_LOJA = 1")).toString(), u("PB"));
        // Columns the upgrade adds to the back-office tables.
        for (const char* c : {"DELIVERYWEB", "DATA_ENTREGA", "NUM_OCUPANTE", "COD_VINCULO",
                              "COD_CONDICAO_PRECO", "DATA_CONCLUIDO_DELIVERY"})
            QVERIFY2(colunas(*dm, "CMD_NOTA").contains(u(c)), c);
        QVERIFY(colunas(*dm, "CMD_TERMINAIS").contains(u("TOKEN")));
        QVERIFY(colunas(*dm, "CLIENTE").contains(u("COMPLEMENTO")));
        // The upgrade runs again on every start without error and keeps the data.
        AtualizaBanco(*dm);
        AtualizaBanco(*dm);
        QVERIFY(conta(*dm, u("SELECT COUNT(*) FROM CMD_LISTA_IMPRESSAO_ITEM")) > 0);
        QCOMPARE(conta(*dm, u("SELECT COUNT(*) FROM VIEW_DRENTAGATE WHERE STATUSCOMANDA = 'B'")),
                 1);
        QCOMPARE(valor(*dm, u("SELECT NCOMANDA FROM VIEW_DRENTAGATE WHERE STATUSCOMANDA = 'B'"))
                     .toString(),
                 u("099"));
        // A second start on the same file does not make the demo again.
        dm.reset();
        auto outro = abreBancoTeste(pasta, true, &erro);
        QCOMPARE(erro, QString());
        QVERIFY(!outro->criouLojaDemo());
    }

    void bancoAntigoMigraTipoDeKitUmaVez()
    {
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        dm->ExecutaSQL(u("ALTER TABLE CMD_NOTA ADD COLUMN FLG_TIPO_KIT CHAR(1)"));
        const QDateTime agora(QDate(2026, 12, 11), QTime(10, 0));
        const int permanente = criaComanda(*dm, 2000001, agora, {QVariant()}, QVariant(), u("K"));
        const int temporario = criaComanda(*dm, 2000002, agora, {QVariant()}, QVariant(), u("K"));
        const int comanda = criaComanda(*dm, 5, agora, {QVariant()});
        dm->ExecutaSQL(u("UPDATE CMD_NOTA SET FLG_TIPO_KIT = 'P' WHERE DOCUMENTO = :d"),
                       {{u("d"), permanente}});
        dm->ExecutaSQL(u("UPDATE CMD_NOTA SET FLG_TIPO_KIT = 'X' WHERE DOCUMENTO IN (:a, :b)"),
                       {{u("a"), temporario}, {u("b"), comanda}});
        AtualizaBanco(*dm);
        QVERIFY(!colunas(*dm, "CMD_NOTA").contains(u("FLG_TIPO_KIT")));
        const QString tipo = u("SELECT FLG_TIPO_DOC FROM CMD_NOTA WHERE DOCUMENTO = :d");
        QCOMPARE(valor(*dm, tipo, {{u("d"), permanente}}).toString(), u("K"));
        QCOMPARE(valor(*dm, tipo, {{u("d"), temporario}}).toString(), u("T"));
        QCOMPARE(valor(*dm, tipo, {{u("d"), comanda}}).toString(), u("C"));
        AtualizaBanco(*dm);
        QCOMPARE(valor(*dm, tipo, {{u("d"), permanente}}).toString(), u("K"));
    }

    void bancoSemTabelasDoErpFalhaComAMensagemDescrita()
    {
        PastaTeste pasta;
        QString erro;
        auto dm = abreBancoTeste(pasta, false, &erro);
        QVERIFY2(erro.startsWith(u("Erro ao atualizar banco de dados Erro ao executar comando\r")),
                 qPrintable(erro));
        QVERIFY(erro.contains(u("CMD_NOTA")));
    }

    void arquivoCorrompidoNaoDerruba()
    {
        PastaTeste pasta;
        pasta.escreve(u("shop.db"), QByteArray(4096, 'x'));
        TDMXAL dm(u("corrompido"));
        DescricaoConexao c;
        c.texto = pasta.caminho(u("shop.db"));
        const QString erro = dm.DataModuleCreate(c);
        QVERIFY2(erro.startsWith(u("Erro ao atualizar banco de dados Erro ao executar comando\r")),
                 qPrintable(erro));
        QFile f(pasta.caminho(u("shop.db")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray(4096, 'x'));
    }

    void pastaInacessivelDaMensagemDeConexao()
    {
        PastaTeste pasta;
        pasta.escreve(u("arquivo"), "x");
        TDMXAL dm(u("inacessivel"));
        DescricaoConexao c;
        c.texto = pasta.caminho(u("arquivo/shop.db"));
        const QString erro = dm.DataModuleCreate(c);
        QVERIFY2(erro.startsWith(u("Problemas ao estabelecer conexão com o bando de dados ")),
                 qPrintable(erro));
        QVERIFY(!dm.conectado());
    }

    void executaSqlFalhaComTextoDescrito()
    {
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        try {
            dm->ExecutaSQL(u("SELECT * FROM TABELA_QUE_NAO_EXISTE"));
            QFAIL("expected failure");
        } catch (const Falha& f) {
            QVERIFY(f.mensagem().startsWith(u("Erro ao executar comando\r")));
            QVERIFY(f.mensagem().contains(u("TABELA_QUE_NAO_EXISTE")));
        }
    }

    void comandaCancelada()
    {
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        const QDateTime agora(QDate(2026, 12, 11), QTime(20, 0));
        const int nenhum = criaComanda(*dm, 1, agora, {QVariant(), u("F")});
        const int um = criaComanda(*dm, 2, agora, {u("T"), QVariant()});
        const int todos = criaComanda(*dm, 3, agora, {u("T"), u("T")});
        const int vazio = criaComanda(*dm, 4, agora, {});
        QVERIFY(!dm->ComandaCancelada(nenhum));
        QVERIFY(!dm->ComandaCancelada(um));
        QVERIFY(dm->ComandaCancelada(todos));
        QVERIFY(dm->ComandaCancelada(vazio));
    }

    void numeroDoItemSegueOCartaoEntreDocumentos()
    {
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        const QDateTime ontem(QDate(2026, 12, 10), QTime(21, 0));
        const int antigo = criaComanda(*dm, 12, ontem, {QVariant(), QVariant(), QVariant()});
        dm->ExecutaSQL(u("UPDATE CMD_NOTA SET CHK_BAIXA = 'T' WHERE DOCUMENTO = :d"),
                       {{u("d"), antigo}});
        dm->ExecutaSQL(u("UPDATE CMD_ITEM SET CHK_BAIXA = 'T' WHERE DOCUMENTO = :d"),
                       {{u("d"), antigo}});
        // The settled card opens a new header today; its first item continues the numbering.
        const int novo = criaComanda(*dm, 12, ontem.addDays(1), {QVariant()});
        QVERIFY(novo != antigo);
        QCOMPARE(
            valor(*dm, u("SELECT NUM_ITEM FROM CMD_ITEM WHERE DOCUMENTO = :d"), {{u("d"), novo}})
                .toInt(),
            4);
        QCOMPARE(dm->escalar(u("qrMax"), {{u("piCart"), 12}, {u("piLoja"), 1}}).toInt(), 4);
    }

    void cabecalhoAbertoNaoDuplica()
    {
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        const QDateTime agora(QDate(2026, 12, 11), QTime(20, 0));
        const int primeiro = criaComanda(*dm, 30, agora, {});
        // A second terminal that read "no header" a moment ago gets no second header.
        const QVariant segundo =
            dm->escalar(u("qrInsereCmdNota"), {{u("NUM_COMANDA"), 30},
                                               {u("COD_LOJA"), 1},
                                               {u("FLG_TIPO_DOC"), u("C")},
                                               {u("DATA"), agora.date()},
                                               {u("HORA"), agora.time()},
                                               {u("COD_CLI"), QVariant()},
                                               {u("CNPJ_CPF"), QVariant()},
                                               {u("CONTATO"), QVariant()},
                                               {u("TELEFONE"), QVariant()},
                                               {u("DATA_ENTREGA"), QVariant()},
                                               {u("COD_CONDICAO_PRECO"), QVariant()}});
        QVERIFY(!segundo.isValid());
        QCOMPARE(conta(*dm, u("SELECT COUNT(*) FROM CMD_NOTA WHERE NUM_COMANDA = 30")), 1);
        QVERIFY(primeiro > 0);
    }

    void numeroDeBloco()
    {
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        const QDateTime agora(QDate(2026, 12, 11), QTime(9, 0));
        auto novoDoBloco = [&](int base) {
            QSqlQuery q =
                dm->executa(u("qrInsereNotaBloco"), {{u("pPrimeiro"), base * 100000 - 99999},
                                                     {u("pUltimo"), base * 100000},
                                                     {u("COD_LOJA"), 1},
                                                     {u("FLG_TIPO_DOC"), u("D")},
                                                     {u("DATA"), agora.date()},
                                                     {u("HORA"), agora.time()},
                                                     {u("COD_CLI"), QVariant()},
                                                     {u("CNPJ_CPF"), QVariant()},
                                                     {u("CONTATO"), u("MARIA")},
                                                     {u("TELEFONE"), QVariant()},
                                                     {u("DATA_ENTREGA"), QVariant()},
                                                     {u("COD_CONDICAO_PRECO"), QVariant()}});
            const int numero = q.next() ? q.value(1).toInt() : -1;
            q.finish();
            return numero;
        };
        QCOMPARE(novoDoBloco(3), 200001);
        QCOMPARE(novoDoBloco(3), 200002);
        QCOMPARE(novoDoBloco(4), 300001);
        QCOMPARE(dm->escalar(u("qrMaxNumComandaDav"), {{u("pDav"), 3}, {u("pDavF"), 3}}).toInt(),
                 200002);
        // A full block gives no number instead of one from the next block.
        criaComanda(*dm, 500000, agora, {}, QVariant(), u("D"));
        QCOMPARE(novoDoBloco(5), -1);
    }

    void listaDeAbertasLimitaEFiltraDelivery()
    {
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        const QDate hoje(2026, 12, 11);
        dm->emTransacao([&] {
            for (int n = 1; n <= 1205; ++n)
                criaComanda(*dm, n, QDateTime(hoje, QTime(19, 0)), {QVariant()});
        });
        criaComanda(*dm, 5000, QDateTime(hoje, QTime(19, 30)), {QVariant()}, 77);
        criaComanda(*dm, 5001, QDateTime(hoje, QTime(19, 30)), {u("T")});
        criaComanda(*dm, 5002, QDateTime(hoje.addDays(-9), QTime(19, 30)), {QVariant()});

        QSqlQuery q = dm->executa(u("cdsComandasAbertas"), periodo(hoje, hoje, 0));
        QList<int> numeros;
        while (q.next())
            numeros << q.record().value(u("NUM_COMANDA")).toInt();
        QCOMPARE(numeros.size(), 1200);
        QCOMPARE(numeros.first(), 5000);  // the web order, shown when pDelivery is 0
        QVERIFY(!numeros.contains(5001)); // no live item
        QVERIFY(!numeros.contains(5002)); // outside the period
        QCOMPARE(numeros.last(), 7);

        q = dm->executa(u("cdsComandasAbertas"), periodo(hoje, hoje, 1));
        QVERIFY(q.next());
        QCOMPARE(q.record().value(u("NUM_COMANDA")).toInt(), 1205);
        QCOMPARE(q.record().value(u("status")).toString(), u("Aberta"));
        QCOMPARE(q.record().value(u("TOTAL")).toDouble(), 23.8);
        q.finish();

        // Open quotes with higher numbers never push the comandas out of the comanda list.
        dm->emTransacao([&] {
            for (int n = 0; n < 1300; ++n)
                criaComanda(*dm, 100001 + n, QDateTime(hoje, QTime(18, 0)), {QVariant()},
                            QVariant(), u("D"));
        });
        q = dm->executa(u("cdsComandasAbertas"), periodo(hoje, hoje, 0));
        QVERIFY(q.next());
        QCOMPARE(q.record().value(u("NUM_COMANDA")).toInt(), 5000);
    }

    void totaisIgnoramCanceladosEFechamento()
    {
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        const QDateTime agora(QDate(2026, 12, 11), QTime(20, 0));
        const int doc = criaComanda(*dm, 8, agora, {QVariant(), u("T"), u("F")});
        QCOMPARE(
            dm->escalar(u("qrTotalizaCmd"), {{u("sTipoDoc"), u("C")}, {u("psCart"), 8}}).toDouble(),
            47.6);
        QSqlQuery q = dm->executa(u("qrTotalCmd"),
                                  {{u("psCart"), 8}, {u("psVinc"), -1}, {u("psTipoDoc"), u("C")}});
        QVERIFY(q.next());
        QCOMPARE(q.value(1).toDouble(), 4.76);
        q.finish();
        QVERIFY(
            !dm->escalar(u("qrChekMesaFechada"), {{u("idoc"), doc}, {u("iLoja"), 1}}).isValid());
        dm->ExecutaSQL(u("UPDATE CMD_NOTA SET COO = 15 WHERE DOCUMENTO = :d"), {{u("d"), doc}});
        QVERIFY(dm->escalar(u("qrChekMesaFechada"), {{u("idoc"), doc}, {u("iLoja"), 1}}).isValid());
        dm->executa(u("qrReabreComanda"), {{u("iDoc"), doc}});
        QVERIFY(
            !dm->escalar(u("qrChekMesaFechada"), {{u("idoc"), doc}, {u("iLoja"), 1}}).isValid());
    }

    void datasViajamComoValoresEComparam()
    {
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        const QDateTime momento(QDate(2026, 2, 3), QTime(4, 5, 6));
        const int doc = criaComanda(*dm, 9, momento, {});
        QCOMPARE(TDMXAL::lerData(valor(*dm, u("SELECT DATA FROM CMD_NOTA WHERE DOCUMENTO = :d"),
                                       {{u("d"), doc}})),
                 QDateTime(QDate(2026, 2, 3), QTime(0, 0)));
        QCOMPARE(TDMXAL::lerData(valor(*dm, u("SELECT HORA FROM CMD_NOTA WHERE DOCUMENTO = :d"),
                                       {{u("d"), doc}}))
                     .time(),
                 QTime(4, 5, 6));
        QCOMPARE(conta(*dm, u("SELECT COUNT(*) FROM CMD_NOTA WHERE DATA BETWEEN :a AND :b"),
                       {{u("a"), QDate(2026, 2, 3)},
                        {u("b"), QDateTime(QDate(2026, 2, 3), QTime(23, 59, 59))}}),
                 1);
    }

    void textoDigitadoNuncaQuebraAInstrucao_data()
    {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<int>("esperado");
        QTest::newRow("aspas") << u("D'ÁGUA") << 0;
        QTest::newRow("percent") << u("%") << 0;
        QTest::newRow("acento minusculo") << u("água mineral sem gás 500ml") << 1;
        QTest::newRow("dois pontos") << u(":PLOJA") << 0;
    }
    void textoDigitadoNuncaQuebraAInstrucao()
    {
        QFETCH(QString, digitado);
        QFETCH(int, esperado);
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        // Equal ignoring case beyond ASCII, as the back-office collation compares.
        QCOMPARE(conta(*dm, u("SELECT COUNT(*) FROM PRODUTO WHERE UPPER(DESCRICAO) = UPPER(:d)"),
                       {{u("d"), digitado}}),
                 esperado);
    }

    void likeIgnoraMaiusculasAcentuadas()
    {
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        QCOMPARE(conta(*dm, u("SELECT COUNT(*) FROM PRODUTO WHERE DESCRICAO LIKE :d"),
                       {{u("d"), u("%guaraná%")}}),
                 1);
        QCOMPARE(conta(*dm, u("SELECT COUNT(*) FROM PRODUTO WHERE DESCRICAO LIKE :d ESCAPE '!'"),
                       {{u("d"), u("%!%%")}}),
                 0);
    }

    void placeholdersForaDeTextos()
    {
        QStringList nomes;
        const QString sql = TDMXAL::placeholdersPosicionais(
            u("SELECT ':nao', [a:b] FROM T WHERE A = :um AND B=:dois_2 AND C = :um"), &nomes);
        QCOMPARE(sql, u("SELECT ':nao', [a:b] FROM T WHERE A = ? AND B=? AND C = ?"));
        QCOMPARE(nomes, (QStringList{u("um"), u("dois_2"), u("um")}));
    }

    void parametroSemValorERecusado()
    {
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        QVERIFY_THROWS_EXCEPTION(Falha, dm->executa(u("qrMax"), {{u("piCart"), 1}}));
        QVERIFY_THROWS_EXCEPTION(Falha, dm->executa(u("naoexiste")));
    }
};

QTEST_GUILESS_MAIN(TstTDMXAL)
#include "tst_tdmxal.moc"
