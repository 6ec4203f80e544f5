#include "platform/Clock.h"
#include "support/TestSupport.h"
#include "ui/ConjuntoDados.h"
#include "ui/PesquisaProduto.h"

#include <QtTest>

// The product search list: what a typed text searches and the price of the day.
class TstPesquisaProduto : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void parametros_data();
    void parametros();
    void busca_data();
    void busca();
    void precoDoDia_data();
    void precoDoDia();

private:
    std::unique_ptr<PastaTeste> m_pasta;
    std::unique_ptr<TDMXAL> m_dm;
    FixedClock m_relogio{QDateTime(QDate::currentDate(), QTime(12, 0))};
};

void TstPesquisaProduto::initTestCase()
{
    m_pasta = std::make_unique<PastaTeste>();
    m_dm = abreBancoTeste(*m_pasta);
    m_dm->ExecutaSQL(QStringLiteral(
        "INSERT INTO PRODUTO (COD_PROD, COD_LOJA, DESCRICAO, CHK_ATIVO, FLG_TIPO_PRODUTO) VALUES "
        "(60, 1, 'DESCONTO 50% LIMAO', 'T', 'V'), (61, 1, 'DESCONTO 500 LIMAO', 'T', 'V'), "
        "(62, 1, 'CHOPE INATIVO', 'F', 'V'), (63, 1, 'CHOPE MATERIA PRIMA', 'T', 'M'), "
        "(64, 2, 'CHOPE DE OUTRA LOJA', 'T', 'V'), (65, 1, 'COPO 1234567', 'T', 'S')"));
}

void TstPesquisaProduto::cleanupTestCase()
{
    m_dm.reset();
    m_pasta.reset();
}

void TstPesquisaProduto::parametros_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("cod");
    QTest::addColumn<QString>("contem");
    QTest::newRow("codigo") << "12" << 12 << "%12%";
    QTest::newRow("seis digitos") << "123456" << 123456 << "%123456%";
    QTest::newRow("sete digitos nao e codigo") << "1234567" << 0 << "%1234567%";
    QTest::newRow("texto") << "chope" << 0 << "%chope%";
    QTest::newRow("vazio") << "" << 0 << "";
    QTest::newRow("curingas literais") << "50%_" << 0 << "%50\\%\\_%";
}

void TstPesquisaProduto::parametros()
{
    QFETCH(QString, texto);
    QFETCH(int, cod);
    QFETCH(QString, contem);
    const Parametros p = PesquisaProduto(*m_dm, 1, m_relogio).parametros(texto);
    QCOMPARE(p.value(QStringLiteral("Cod")).toInt(), cod);
    for (const char* nome : {"Desc", "Barras", "BarrasEmb", "RefForn"})
        QCOMPARE(p.value(QString::fromUtf8(nome)).toString(), contem);
}

void TstPesquisaProduto::busca_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QList<int>>("codigos");
    QTest::newRow("percentual literal") << "50%" << QList<int>{60};
    QTest::newRow("codigo ou descricao") << "39" << QList<int>{39};
    QTest::newRow("sete digitos so nos textos") << "1234567" << QList<int>{65};
    QTest::newRow("ativos de venda da loja") << "chope" << QList<int>{26, 24, 25};
    QTest::newRow("embalagem") << "17891991015001" << QList<int>{38};
    QTest::newRow("aspas") << "D'AGUA" << QList<int>{};
    // Accented descriptions sort with their plain letters.
    QTest::newRow("ordem da lingua") << "500ML" << QList<int>{34, 33, 25};
}

void TstPesquisaProduto::busca()
{
    QFETCH(QString, texto);
    QFETCH(QList<int>, codigos);
    ConjuntoDados lista(*m_dm);
    PesquisaProduto(*m_dm, 1, m_relogio).busca(lista, texto);
    QList<int> obtidos;
    for (int i = 0; i < lista.quantidade(); ++i)
        obtidos << lista.valor(i, QStringLiteral("COD_PROD")).toInt();
    QCOMPARE(obtidos, codigos);
}

void TstPesquisaProduto::precoDoDia_data()
{
    QTest::addColumn<int>("dias");
    QTest::addColumn<double>("preco");
    // The demo promotion runs from 30 days ago to 365 days ahead.
    QTest::newRow("hoje") << 0 << 8.90;
    QTest::newRow("primeiro dia") << -30 << 8.90;
    QTest::newRow("ultimo dia") << 365 << 8.90;
    QTest::newRow("antes") << -31 << 11.90;
    QTest::newRow("depois") << 366 << 11.90;
}

void TstPesquisaProduto::precoDoDia()
{
    QFETCH(int, dias);
    QFETCH(double, preco);
    FixedClock relogio(QDateTime(QDate::currentDate().addDays(dias), QTime(23, 59)));
    ConjuntoDados lista(*m_dm);
    PesquisaProduto(*m_dm, 1, relogio).busca(lista, QStringLiteral("24"));
    QCOMPARE(lista.quantidade(), 1);
    QCOMPARE(lista.valor(0, QStringLiteral("VLR_PRECO")).toDouble(), preco);
}

QTEST_GUILESS_MAIN(TstPesquisaProduto)
#include "tst_pesquisaproduto.moc"
