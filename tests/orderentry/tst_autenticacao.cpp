#include "data/TDMXAL.h"
#include "orderentry/Autenticacao.h"
#include "platform/CodePage.h"
#include "support/NovosDocumentos.h"
#include "support/TestSupport.h"

#include <QtTest>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}
} // namespace

class TstAutenticacao : public QObject
{
    Q_OBJECT
private slots:
    void seloDoTexto_data()
    {
        QTest::addColumn<QByteArray>("texto");
        QTest::addColumn<double>("selo");
        QTest::newRow("AB") << QByteArray("AB") << 197.0;
        QTest::newRow("vazio") << QByteArray() << 0.0;
        QTest::newRow("byte alto conta sem sinal") << QByteArray("\xC7") << 199.0;
        // Only the first 255 characters count: 1 + 2 + ... + 255.
        QTest::newRow("300 uns") << QByteArray(300, '\x01') << 32640.0;
    }
    void seloDoTexto()
    {
        QFETCH(QByteArray, texto);
        QFETCH(double, selo);
        QCOMPARE(AutenticaRegPaf(texto), selo);
    }

    void textoRegional_data()
    {
        QTest::addColumn<QVariant>("valor");
        QTest::addColumn<bool>("data");
        QTest::addColumn<QString>("texto");
        QTest::newRow("inteiro") << QVariant(12) << false << u("12");
        QTest::newRow("decimal") << QVariant(11.9) << false << u("11,9");
        QTest::newRow("decimal inteiro") << QVariant(2.0) << false << u("2");
        QTest::newRow("peso") << QVariant(0.35) << false << u("0,35");
        QTest::newRow("nulo") << QVariant() << false << QString();
        QTest::newRow("data meia-noite")
            << QVariant(u("2026-12-11 00:00:00")) << true << u("11/12/2026");
        QTest::newRow("data com hora") << QVariant(QDateTime(QDate(2026, 1, 5), QTime(20, 7, 3)))
                                       << true << u("05/01/2026 20:07:03");
        QTest::newRow("texto") << QVariant(u("CHOPE")) << false << u("CHOPE");
    }
    void textoRegional()
    {
        QFETCH(QVariant, valor);
        QFETCH(bool, data);
        QFETCH(QString, texto);
        QCOMPARE(::textoRegional(valor, data), texto);
    }

    void seloGravadoNoItemENaNota()
    {
        PastaTeste pasta;
        auto dm = abreBancoTeste(pasta);
        const QDateTime quando(QDate(2026, 12, 11), QTime(20, 0));
        const int doc = novaNota(*dm, 12, quando);
        QVERIFY(novoItem(*dm, doc, 12, quando, {24, 2.0, 11.9, 0.0}) > 0);
        // Joined texts the back office computes for this row.
        const QString item = u("1211/12/2026124CHOPE PILSEN 300MLUNT18211,923,8");
        const QString nota = u("1211/12/2026");
        const double seloItem = AutenticaRegPaf(CodePage::paraWindows1252(item));
        QCOMPARE(AutenticaCmdItem(*dm, doc, 1), seloItem);
        QCOMPARE(AutenticaCmdNota(*dm, doc), AutenticaRegPaf(CodePage::paraWindows1252(nota)));
        QSqlQuery r;
        dm->ExecutaSQL(u("SELECT AUTENTICA FROM CMD_ITEM WHERE DOCUMENTO = :d"), r,
                       {{u("d"), doc}});
        QVERIFY(r.next());
        QCOMPARE(r.value(0).toLongLong(), static_cast<qint64>(seloItem));
        // An item that no longer exists writes nothing and gives 0.
        QCOMPARE(AutenticaCmdItem(*dm, doc, 99), 0.0);
    }
};

QTEST_GUILESS_MAIN(TstAutenticacao)
#include "tst_autenticacao.moc"
