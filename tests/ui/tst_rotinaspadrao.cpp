#include "platform/Falha.h"
#include "support/InteracaoRoteirizada.h"
#include "support/TestSupport.h"
#include "ui/ConjuntoDados.h"
#include "ui/RotinasPadrao.h"

#include <QtTest>

// The record routines on one demo shop (store 1, scale code of 4 digits, 2 decimals) with a
// few products of their own for the lookups the shop does not show.
class TstRotinasPadrao : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void procuraProd_data();
    void procuraProd();
    void procuraProdNadaEncontrado();
    void autoInc();
    void nomesForaDoEsquemaSaoRecusados_data();
    void nomesForaDoEsquemaSaoRecusados();
    void pesquisa_data();
    void pesquisa();
    void verificaSeExisteEDelete();
    void procuraFunc_data();
    void procuraFunc();
    void formatosDaLoja();

private:
    std::unique_ptr<PastaTeste> m_pasta;
    std::unique_ptr<TDMXAL> m_dm;
    std::unique_ptr<InteracaoRoteirizada> m_interacao;
    std::unique_ptr<RotinasPadrao> m_rotinas;
};

void TstRotinasPadrao::init()
{
    m_interacao->mensagens.clear();
}

void TstRotinasPadrao::initTestCase()
{
    m_pasta = std::make_unique<PastaTeste>();
    QString erro;
    m_dm = abreBancoTeste(*m_pasta, true, &erro);
    QCOMPARE(erro, QString());
    const char* produtos[] = {
        // a supplier reference that starts with R
        "INSERT INTO PRODUTO (COD_PROD, COD_LOJA, DESCRICAO, REFERENCIA_FORN, CHK_ATIVO) "
        "VALUES (9001, 1, 'FILTRO DE CAFÉ', 'R-7788', 'T')",
        // a barcode that is also another product's package barcode
        "INSERT INTO PRODUTO (COD_PROD, COD_LOJA, DESCRICAO, CODIGO_BARRAS, CHK_ATIVO) "
        "VALUES (9002, 1, 'SUCO DE UVA 1L', '7890000000017', 'T')",
        "INSERT INTO PRODUTO (COD_PROD, COD_LOJA, DESCRICAO, BARRAS_EMBALAGEM, "
        "VLR_FATOR_CONV_COMPRA, CHK_ATIVO) VALUES (9003, 1, 'SUCO DE UVA CX 6', '7890000000017', "
        "6, 'T')",
        // the same code in another store
        "INSERT INTO PRODUTO (COD_PROD, COD_LOJA, DESCRICAO, CHK_ATIVO) "
        "VALUES (13, 2, 'OUTRA LOJA', 'T')",
    };
    for (const char* sql : produtos)
        m_dm->ExecutaSQL(QString::fromUtf8(sql));
    m_interacao = std::make_unique<InteracaoRoteirizada>();
    m_rotinas = std::make_unique<RotinasPadrao>(*m_dm, 1, *m_interacao);
}

void TstRotinasPadrao::cleanupTestCase()
{
    m_rotinas.reset();
    m_dm.reset();
    m_pasta.reset();
}

void TstRotinasPadrao::procuraProd_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("passo");
    QTest::addColumn<int>("codigo");
    QTest::addColumn<double>("etiqueta");
    QTest::addColumn<double>("fator");
    QTest::newRow("codigo") << "13" << 1 << 13 << 0.0 << 0.0;
    QTest::newRow("codigo com zeros") << "000013" << 1 << 13 << 0.0 << 0.0;
    QTest::newRow("etiqueta da balanca") << "2001400123459" << 2 << 14 << 123.45 << 0.0;
    QTest::newRow("codigo de barras") << "7891991010856" << 3 << 37 << 0.0 << 0.0;
    QTest::newRow("referencia") << "R-7788" << 4 << 9001 << 0.0 << 0.0;
    QTest::newRow("barras vinculada") << "7891991010849" << 5 << 37 << 0.0 << 0.0;
    QTest::newRow("barras da embalagem") << "17891991010853" << 6 << 37 << 0.0 << 12.0;
    // Found by its barcode: the package barcode of another product must not replace it.
    QTest::newRow("achado nao e trocado pela embalagem")
        << "7890000000017" << 3 << 9002 << 0.0 << 0.0;
}

void TstRotinasPadrao::procuraProd()
{
    QFETCH(QString, texto);
    QFETCH(int, passo);
    QFETCH(int, codigo);
    QFETCH(double, etiqueta);
    QFETCH(double, fator);
    const ProdutoEncontrado p = m_rotinas->ProcuraProd(
        QStringLiteral("PRODUTO"), QStringLiteral("COD_PROD"), texto, int(texto.size()));
    QCOMPARE(p.passo, passo);
    QCOMPARE(p.valor.toInt(), codigo);
    QCOMPARE(p.valorEtiqueta, etiqueta);
    QCOMPARE(p.fatorEmbalagem, fator);
    QVERIFY(m_interacao->mensagens.isEmpty());
}

void TstRotinasPadrao::procuraProdNadaEncontrado()
{
    for (const QString& texto :
         {QStringLiteral("999"), QStringLiteral("R'%_"), QStringLiteral("7'; DROP TABLE X"),
          QStringLiteral("2999900000000")}) {
        m_interacao->mensagens.clear();
        const ProdutoEncontrado p = m_rotinas->ProcuraProd(
            QStringLiteral("PRODUTO"), QStringLiteral("COD_PROD"), texto, int(texto.size()));
        QCOMPARE(p.passo, 0);
        QCOMPARE(p.valor.toInt(), 0);
        QCOMPARE(m_interacao->mensagens,
                 QStringList{QString::fromUtf8("Informação.!\rNenhum registro encontrado com [ ") +
                             texto + QStringLiteral(" ]")});
    }
}

void TstRotinasPadrao::autoInc()
{
    m_dm->ExecutaSQL(QStringLiteral("CREATE TABLE T_VAZIA (CODIGO INTEGER)"));
    QCOMPARE(m_rotinas->AutoInc(QStringLiteral("T_VAZIA"), QStringLiteral("CODIGO")), 1);
    m_dm->ExecutaSQL(QStringLiteral("INSERT INTO T_VAZIA (CODIGO) VALUES (NULL)"));
    QCOMPARE(m_rotinas->AutoInc(QStringLiteral("T_VAZIA"), QStringLiteral("CODIGO")), 1);
    QCOMPARE(m_rotinas->AutoInc(QStringLiteral("setor"), QStringLiteral("cod_setor")), 6);
}

void TstRotinasPadrao::nomesForaDoEsquemaSaoRecusados_data()
{
    QTest::addColumn<QString>("tabela");
    QTest::addColumn<QString>("coluna");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("tabela inexistente") << "NAO_HA"
                                        << "COD"
                                        << "Tabela inexistente: NAO_HA";
    QTest::newRow("coluna inexistente") << "SETOR"
                                        << "NAO_HA"
                                        << "Coluna inexistente: SETOR.NAO_HA";
    QTest::newRow("texto na tabela") << "SETOR; DELETE FROM SETOR"
                                     << "COD_SETOR"
                                     << "Tabela inexistente: SETOR; DELETE FROM SETOR";
    QTest::newRow("texto na coluna") << "SETOR"
                                     << "COD_SETOR) FROM SETOR; DELETE FROM SETOR --"
                                     << "Coluna inexistente: SETOR.COD_SETOR) FROM SETOR; DELETE "
                                        "FROM SETOR --";
}

void TstRotinasPadrao::nomesForaDoEsquemaSaoRecusados()
{
    QFETCH(QString, tabela);
    QFETCH(QString, coluna);
    QFETCH(QString, mensagem);
    auto confere = [&](auto&& chamada) {
        try {
            chamada();
            QFAIL("a name outside the schema was accepted");
        } catch (const Falha& f) {
            QCOMPARE(f.mensagem(), mensagem);
        }
    };
    ConjuntoDados conjunto(*m_dm);
    confere([&] { m_rotinas->AutoInc(tabela, coluna); });
    confere([&] { m_rotinas->VerificaDelete(tabela, coluna, 1); });
    confere([&] { m_rotinas->Pesquisa(conjunto, tabela, coluna, QStringLiteral("A")); });
    confere([&] { m_rotinas->ProcuraProd(tabela, coluna, QStringLiteral("1"), 1); });
    confere([&] { m_rotinas->VerificaSeExiste(tabela, {{coluna, 1}}); });
    QCOMPARE(m_rotinas->AutoInc(QStringLiteral("SETOR"), QStringLiteral("COD_SETOR")), 6);
}

void TstRotinasPadrao::pesquisa_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("nomes");
    QTest::addColumn<bool>("avisou");
    QTest::newRow("prefixo") << "ana" << QStringList{QStringLiteral("ANA PAULA SOUZA")} << false;
    QTest::newRow("acentos") << QString::fromUtf8("maria josé")
                             << QStringList{QString::fromUtf8("MARIA JOSÉ FERREIRA")} << false;
    // Wildcards and quotes are letters like any other: nobody's name has them.
    QTest::newRow("percentual") << "%" << QStringList() << true;
    QTest::newRow("sublinhado") << "_NA" << QStringList() << true;
    QTest::newRow("aspas") << "D'AVILA" << QStringList() << true;
}

void TstRotinasPadrao::pesquisa()
{
    QFETCH(QString, texto);
    QFETCH(QStringList, nomes);
    QFETCH(bool, avisou);
    ConjuntoDados conjunto(*m_dm);
    m_rotinas->Pesquisa(conjunto, QStringLiteral("FUNCIONARIO"), QStringLiteral("NOME"), texto);
    if (avisou) {
        QCOMPARE(m_interacao->mensagens,
                 QStringList{QString::fromUtf8("Informação.!\rNenhum registro encontrado com [ ") +
                             texto + QStringLiteral(" ]")});
        QCOMPARE(conjunto.quantidade(), 7); // the whole table again
        return;
    }
    QStringList achados;
    for (int i = 0; i < conjunto.quantidade(); ++i)
        achados << conjunto.valor(i, QStringLiteral("NOME")).toString();
    QCOMPARE(achados, nomes);
    QVERIFY(m_interacao->mensagens.isEmpty());
}

void TstRotinasPadrao::verificaSeExisteEDelete()
{
    const QString campo = m_rotinas->VerificaSeExiste(
        QStringLiteral("SETOR"),
        {{QStringLiteral("DESCRICAO"), QString()}, {QStringLiteral("COD_SETOR"), 3}});
    QCOMPARE(campo, QStringLiteral("COD_SETOR"));
    QCOMPARE(m_interacao->mensagens,
             QStringList{QString::fromUtf8("Informação!\rO registro: [ 3 ] já está cadastrado")});
    QCOMPARE(m_rotinas->VerificaSeExiste(QStringLiteral("SETOR"),
                                         {{QStringLiteral("DESCRICAO"), QStringLiteral("B'AR")}}),
             QString());

    QVERIFY(m_rotinas->VerificaDelete(QStringLiteral("PRODUTO"), QStringLiteral("COD_DEPART"), 4));
    QVERIFY(
        !m_rotinas->VerificaDelete(QStringLiteral("PRODUTO"), QStringLiteral("COD_DEPART"), 77));
    QVERIFY(!m_rotinas->VerificaDelete(QStringLiteral("SETOR"), QStringLiteral("DESCRICAO"),
                                       QStringLiteral("SAL' OR '1'='1")));
}

void TstRotinasPadrao::procuraFunc_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("codigo");
    QTest::newRow("codigo") << "3" << 3;
    QTest::newRow("cracha") << "20000003" << 3;
    QTest::newRow("letras") << "AB" << 0;
    QTest::newRow("aspas no cracha") << "1' OR '1'='1" << 0;
    QTest::newRow("outra loja nao") << "999" << 0;
}

void TstRotinasPadrao::procuraFunc()
{
    QFETCH(QString, texto);
    QFETCH(int, codigo);
    const auto linhas = m_rotinas->ProcuraFunc(texto);
    QCOMPARE(linhas.size(), codigo ? 1 : 0);
    if (codigo)
        QCOMPARE(linhas.first().value(QStringLiteral("COD_FUNC")).toInt(), codigo);
}

void TstRotinasPadrao::formatosDaLoja()
{
    QCOMPARE(m_rotinas->Casas_Decimais(), QStringLiteral("#,##0.00"));
    QCOMPARE(RotinasPadrao::Conta_Casas(3), QStringLiteral("0.000"));
    QCOMPARE(RotinasPadrao::Conta_Casas(0), QStringLiteral("0."));
    QCOMPARE(m_rotinas->Caption_MargMark(), QStringLiteral("Mark-up"));

    ConjuntoDados conjunto(*m_dm);
    conjunto.abre(QStringLiteral("SELECT COD_PROD, VLR_PRECO FROM PRODUTO WHERE COD_PROD = 11"),
                  {});
    m_rotinas->FormataField(conjunto);
    QCOMPARE(conjunto.texto(QStringLiteral("VLR_PRECO")), QStringLiteral("119,00"));
    QCOMPARE(conjunto.texto(QStringLiteral("COD_PROD")), QStringLiteral("11"));

    m_dm->ExecutaSQL(QStringLiteral(
        "UPDATE CONFIGURACAO SET DECIMAIS = 0, CHK_MARK_MARGE = 'T' WHERE COD_LOJA = 1"));
    QCOMPARE(m_rotinas->Casas_Decimais(), QString());
    QCOMPARE(m_rotinas->Caption_MargMark(), QStringLiteral("Margem"));
}

QTEST_GUILESS_MAIN(TstRotinasPadrao)
#include "tst_rotinaspadrao.moc"
