#include "orderentry/Observacoes.h"
#include "platform/Falha.h"
#include "support/NovosDocumentos.h"
#include "support/TestSupport.h"

#include <QtTest>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}

QString obsDoItem(TDMXAL& dm, int doc)
{
    QSqlQuery q;
    dm.ExecutaSQL(u("SELECT OBS FROM CMD_ITEM WHERE DOCUMENTO = :d AND NUM_ITEM = 1"), q,
                  {{u("d"), doc}});
    return q.next() ? q.value(0).toString() : u("<sem item>");
}

int umItem(TDMXAL& dm)
{
    const QDateTime quando(QDate(2026, 12, 11), QTime(20, 0));
    const int doc = novaNota(dm, 5, quando);
    novoItem(dm, doc, 5, quando, {13, 0.5, 139.9, 0.0});
    return doc;
}
} // namespace

class TstObservacoes : public QObject
{
    Q_OBJECT
private slots:
    void observacaoDoItem()
    {
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        Observacoes obs(*dm);
        const int doc = umItem(*dm);
        obs.gravaNoItem(doc, 1, obs.texto(2));
        QCOMPARE(obsDoItem(*dm, doc), u("BEM PASSADO"));
        obs.gravaNoItem(doc, 1, u("D'ÁGUA, SEM SAL"));
        QCOMPARE(obsDoItem(*dm, doc), u("D'ÁGUA, SEM SAL"));
        obs.gravaNoItem(doc, 1, QString(100, QLatin1Char('X')));
        QCOMPARE(obsDoItem(*dm, doc), QString(60, QLatin1Char('X')));
        obs.gravaNoItem(doc, 1, QString());
        QCOMPARE(obsDoItem(*dm, doc), QString());
        QCOMPARE(obs.texto(999), QString());
    }

    void cadastro()
    {
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        Observacoes obs(*dm);
        QVERIFY_THROWS_EXCEPTION(Falha, obs.insere(u("   ")));
        const int cod = obs.insere(u(" sem cebola roxa "));
        QCOMPARE(obs.texto(cod), u(" SEM CEBOLA ROXA "));
        obs.altera(cod, u("sem pimenta"));
        QCOMPARE(obs.texto(cod), u("SEM PIMENTA"));
        // Deleting a ready-made observation leaves the items that carry its text.
        const int doc = umItem(*dm);
        obs.gravaNoItem(doc, 1, obs.texto(cod));
        obs.exclui(cod);
        QCOMPARE(obs.texto(cod), QString());
        QCOMPARE(obsDoItem(*dm, doc), u("SEM PIMENTA"));
    }
};

QTEST_GUILESS_MAIN(TstObservacoes)
#include "tst_observacoes.moc"
