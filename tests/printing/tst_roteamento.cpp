// Which printers receive which items: the routing cases over one small routing fixture.
#include "Fixtures.h"
#include "printing/RoteamentoImpressao.h"
#include "support/TestSupport.h"

#include <QtTest>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}
QVariant nuloOu(const QString& t)
{
    return t == QLatin1String("~") ? QVariant(QMetaType::fromType<int>()) : QVariant(t.toInt());
}
} // namespace

class TstRoteamento : public QObject
{
    Q_OBJECT

    // Lists "1=SALAO;2=~" (~: no description), printers "1=A;2=B", routing rows
    // "list:depart:subdepart:printer" (~: NULL sub-department).
    void montaRoteamento(TDMXAL& dm, const QString& listas, const QString& impressoras,
                         const QString& linhas)
    {
        for (const char* t : {"CMD_LISTA_IMPRESSAO_ITEM", "CMD_LISTA_IMPRESSAO", "CMD_IMPRESSAO"})
            dm.ExecutaSQL(u("DELETE FROM ") + u(t));
        for (const QString& l : listas.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QStringList p = l.split(QLatin1Char('='));
            dm.ExecutaSQL(
                u("INSERT INTO CMD_LISTA_IMPRESSAO (COD_LISTA, DESCRICAO) VALUES "
                  "(:c, :d)"),
                {{u("c"), p[0].toInt()},
                 {u("d"), p[1] == QLatin1String("~") ? QVariant(QMetaType::fromType<QString>())
                                                     : QVariant(p[1])}});
        }
        for (const QString& l : impressoras.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const qsizetype i = l.indexOf(QLatin1Char('='));
            dm.ExecutaSQL(u("INSERT INTO CMD_IMPRESSAO (COD_IMP, DESCRICAO, PORTA_IMPRESSAO) "
                            "VALUES (:c, 'X', :p)"),
                          {{u("c"), l.left(i).toInt()}, {u("p"), l.mid(i + 1)}});
        }
        for (const QString& l : linhas.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QStringList p = l.split(QLatin1Char(':'));
            dm.ExecutaSQL(u("INSERT INTO CMD_LISTA_IMPRESSAO_ITEM (COD_LISTA, COD_DEPART, "
                            "COD_SUBDEPART, COD_IMP, CHK_ATIVO) VALUES (:l, :d, :s, :i, 'F')"),
                          {{u("l"), p[0].toInt()},
                           {u("d"), p[1].toInt()},
                           {u("s"), nuloOu(p[2])},
                           {u("i"), p[3].toInt()}});
        }
    }

private slots:
    void rotas_data()
    {
        QTest::addColumn<QString>("listas");
        QTest::addColumn<QString>("impressoras");
        QTest::addColumn<QString>("linhas");
        QTest::addColumn<QString>("listaTerminal"); // "~": none; "x": no terminal row
        QTest::addColumn<QString>("itens");         // products; c cancelled, t printed
        QTest::addColumn<QString>("esperado");      // "PORT:products;PORT:products"

        // Products: 1 dept 1 sub 1; 9 dept 1 sub 2; 13, 14 dept 1 sub 3 (KG); 20 dept 2 sub 1;
        // 50 dept 5 without sub-department; 51 dept 5 sub-department 0.
        QTest::newRow("sub-departamento nulo vale 0, nunca qualquer um") << "1=SALAO"
                                                                         << "1=A"
                                                                         << "1:5:~:1;1:1:~:1"
                                                                         << "~"
                                                                         << "50;51;1"
                                                                         << "A:50,51";
        QTest::newRow("sub-departamento sem linha propria nao imprime") << "1=SALAO"
                                                                        << "1=A"
                                                                        << "1:1:2:1"
                                                                        << "~"
                                                                        << "1;9"
                                                                        << "A:9";
        QTest::newRow("listas delivery e sem descricao nunca roteiam")
            << "1=delivery;2=Delivery;3=DELIVERY;4=~"
            << "1=A"
            << "1:1:1:1;2:1:1:1;3:1:1:1;4:1:1:1"
            << "~"
            << "1"
            << "";
        QTest::newRow("lista do terminal inexistente") << "1=SALAO"
                                                       << "1=A"
                                                       << "1:1:1:1"
                                                       << "7"
                                                       << "1"
                                                       << "";
        QTest::newRow("lista do terminal sem linhas") << "1=SALAO;2=BAR"
                                                      << "1=A"
                                                      << "1:1:1:1"
                                                      << "2"
                                                      << "1"
                                                      << "";
        QTest::newRow("terminal sem lista usa todas, uma vez por porta")
            << "1=SALAO;2=BAR;3=VARANDA"
            << "1=A;2=B;3=A"
            << "1:1:1:1;2:1:1:2;3:1:1:3"
            << "~"
            << "1"
            << "A:1;B:1";
        QTest::newRow("terminal sem registro usa todas") << "1=SALAO;2=BAR"
                                                         << "1=A;2=B"
                                                         << "1:1:1:1;2:1:1:2"
                                                         << "x"
                                                         << "1"
                                                         << "A:1;B:1";
        QTest::newRow("lista do terminal restringe") << "1=SALAO;2=BAR"
                                                     << "1=A;2=B"
                                                     << "1:1:1:1;2:1:1:2"
                                                     << "2"
                                                     << "1"
                                                     << "B:1";
        QTest::newRow("portas que so diferem em caixa sao duas") << "1=SALAO"
                                                                 << "1=COZINHA;2=cozinha"
                                                                 << "1:1:1:1;1:1:1:2"
                                                                 << "~"
                                                                 << "1"
                                                                 << "COZINHA:1;cozinha:1";
        QTest::newRow("duas linhas para a mesma porta imprimem o item uma vez") << "1=SALAO;2=BAR"
                                                                                << "1=A"
                                                                                << "1:1:1:1;2:1:1:1"
                                                                                << "~"
                                                                                << "1;20"
                                                                                << "A:1";
        QTest::newRow("cancelados e impressos nao saem; a porta continua listada")
            << "1=SALAO"
            << "1=A;2=B"
            << "1:1:1:1;1:2:1:2"
            << "~"
            << "1t;20c"
            << "A:";
        QTest::newRow("itens na ordem da unidade de venda") << "1=SALAO"
                                                            << "1=A"
                                                            << "1:1:1:1;1:1:3:1"
                                                            << "~"
                                                            << "13;1;14"
                                                            << "A:13,14,1";
        QTest::newRow("impressora inexistente nao roteia") << "1=SALAO"
                                                           << "1=A"
                                                           << "1:1:1:9"
                                                           << "~"
                                                           << "1"
                                                           << "";
        QTest::newRow("porta com aspas e espacos") << "1=SALAO"
                                                   << "1=COZINHA D'AGUA 2"
                                                   << "1:1:1:1"
                                                   << "~"
                                                   << "1"
                                                   << "COZINHA D'AGUA 2:1";
        const QString longa = u("file:/var/spool/brisvel/") + QString(90, QLatin1Char('x'));
        QTest::newRow("porta de 114 caracteres") << "1=SALAO" << u("1=") + longa << "1:1:1:1"
                                                 << "~"
                                                 << "1" << longa + u(":1");
    }

    void rotas()
    {
        QFETCH(QString, listas);
        QFETCH(QString, impressoras);
        QFETCH(QString, linhas);
        QFETCH(QString, listaTerminal);
        QFETCH(QString, itens);
        QFETCH(QString, esperado);

        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        montaRoteamento(*dm, listas, impressoras, linhas);
        dm->ExecutaSQL(u("UPDATE PRODUTO SET COD_SUBDEPART = 0 WHERE COD_PROD = 51"));
        if (listaTerminal == QLatin1String("x"))
            dm->ExecutaSQL(u("DELETE FROM CMD_TERMINAIS"));
        else
            dm->ExecutaSQL(u("UPDATE CMD_TERMINAIS SET COD_IMPRESSAO = :l WHERE COD_TERM = 1"),
                           {{u("l"), nuloOu(listaTerminal)}});
        const int doc = novaComanda(*dm, 12);
        for (QString item : itens.split(QLatin1Char(';'))) {
            NovoItem novo;
            if (item.endsWith(QLatin1Char('c')))
                novo.cancelado = u("T");
            if (item.endsWith(QLatin1Char('t')))
                novo.impresso = u("T");
            item.remove(QLatin1Char('c')).remove(QLatin1Char('t'));
            novo.produto = item.toInt();
            novoItem(*dm, doc, novo);
        }

        RoteamentoImpressao rota(*dm);
        QStringList obtido;
        for (const ImpressoraDocumento& p : rota.impressoras(1, doc, u("C"))) {
            QStringList produtos;
            for (const ItemTicket& i : rota.itens(1, u("C"), doc, p.impressora, p.ultimo))
                produtos << QString::number(i.codProd);
            obtido << p.impressora + QLatin1Char(':') + produtos.join(QLatin1Char(','));
        }
        QCOMPARE(obtido.join(QLatin1Char(';')), esperado);
    }

    // The type of the printing window bounds every statement.
    void outroTipoDeDocumentoNaoRoteia()
    {
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        const int doc = novaComanda(*dm, 12, u("D"));
        novoItem(*dm, doc, {});
        RoteamentoImpressao rota(*dm);
        QVERIFY(rota.impressoras(1, doc, u("C")).isEmpty());
        QCOMPARE(rota.impressoras(1, doc, u("D")).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TstRoteamento)
#include "tst_roteamento.moc"
