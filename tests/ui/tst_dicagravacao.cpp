#include "ui/DicaGravacao.h"

#include <QtTest>

using Tipo = DicaGravacao::Tipo;
Q_DECLARE_METATYPE(DicaGravacao::Tipo)

class TstDicaGravacao : public QObject
{
    Q_OBJECT
private slots:
    void dica_data();
    void dica();
    void textosDasDicas();
};

void TstDicaGravacao::dica_data()
{
    QTest::addColumn<QString>("mensagem");
    QTest::addColumn<QStringList>("chave");
    QTest::addColumn<Tipo>("tipo");
    QTest::addColumn<QString>("campo");
    const QStringList chave{QStringLiteral("COD_CARTELA"), QStringLiteral("COD_LOJA")};

    QTest::newRow("servidor nulo")
        << QString::fromUtf8(
               "Não é possível inserir o valor NULL na coluna 'COD_CARTELA', tabela "
               "'loja.dbo.CART_BLOQUEIO'; a coluna não permite nulos. Falha em INSERT.")
        << chave << Tipo::CampoObrigatorio << QStringLiteral("COD_CARTELA");
    QTest::newRow("servidor nulo com prefixos do driver")
        << QString::fromUtf8("[FreeTDS][SQL Server]Não é possível inserir o valor NULL na coluna "
                             "'data', tabela 'loja.dbo.CART_BLOQUEIO'; a coluna não permite nulos.")
        << chave << Tipo::CampoObrigatorio << QStringLiteral("DATA");
    QTest::newRow("servidor chave primaria")
        << QString::fromUtf8("Violação da restrição PRIMARY KEY 'PK_CART_BLOQUEIO'. Não é possível "
                             "inserir a chave duplicada no objeto 'dbo.CART_BLOQUEIO'.")
        << QStringList() << Tipo::ChavePrimaria << QString();
    QTest::newRow("servidor em ingles, nulo")
        << QStringLiteral("Cannot insert the value NULL into column 'COD_CARTELA', table "
                          "'loja.dbo.CART_BLOQUEIO'; column does not allow nulls. INSERT fails.")
        << chave << Tipo::Nenhuma << QString();
    QTest::newRow("servidor em ingles, chave")
        << QStringLiteral("Violation of PRIMARY KEY constraint 'PK_X'. Cannot insert duplicate "
                          "key in object 'dbo.X'.")
        << chave << Tipo::Nenhuma << QString();
    QTest::newRow("sqlite nulo") << QStringLiteral(
                                        "NOT NULL constraint failed: CART_BLOQUEIO.COD_CARTELA")
                                 << chave << Tipo::CampoObrigatorio
                                 << QStringLiteral("COD_CARTELA");
    QTest::newRow("sqlite chave")
        << QStringLiteral(
               "UNIQUE constraint failed: CART_BLOQUEIO.COD_CARTELA, CART_BLOQUEIO.COD_LOJA")
        << chave << Tipo::ChavePrimaria << QString();
    QTest::newRow("sqlite chave de uma coluna")
        << QStringLiteral("UNIQUE constraint failed: CMD_OBS.COD_OBS")
        << QStringList{QStringLiteral("cod_obs")} << Tipo::ChavePrimaria << QString();
    QTest::newRow("sqlite unico fora da chave")
        << QStringLiteral("UNIQUE constraint failed: CART_BLOQUEIO.DATA") << chave << Tipo::Nenhuma
        << QString();
    QTest::newRow("outra falha") << QStringLiteral("database is locked") << chave << Tipo::Nenhuma
                                 << QString();
    QTest::newRow("vazia") << QString() << chave << Tipo::Nenhuma << QString();
}

void TstDicaGravacao::dica()
{
    QFETCH(QString, mensagem);
    QFETCH(QStringList, chave);
    QFETCH(Tipo, tipo);
    QFETCH(QString, campo);
    const DicaGravacao d = traduzErroGravacao(mensagem, chave);
    QCOMPARE(d.tipo, tipo);
    QCOMPARE(d.campo, campo);
    QCOMPARE(d.mensagem.isEmpty(), tipo == Tipo::Nenhuma);
}

void TstDicaGravacao::textosDasDicas()
{
    QCOMPARE(
        traduzErroGravacao(QStringLiteral("NOT NULL constraint failed: T.DATA")).mensagem,
        QString::fromUtf8("Atenção.....                  \r\r Favor preencher o campo DATA . "));
    QCOMPARE(
        traduzErroGravacao(QString::fromUtf8("Violação da restrição PRIMARY KEY 'PK'.")).mensagem,
        QString::fromUtf8("Atenção.....                      \r\rHouve violação de \"Chave "
                          "Primária\"\rFavor inserir o registro novamente."));
}

QTEST_APPLESS_MAIN(TstDicaGravacao)
#include "tst_dicagravacao.moc"
