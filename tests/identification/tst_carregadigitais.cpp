// Loading the enrolled prints into the two fingerprint slots.
#include "identification/CarregaDigitais.h"
#include "platform/Biometria.h"
#include "platform/Falha.h"
#include "support/TestSupport.h"

#include <QtTest>

using Indice = QHash<int, QString>;

class TstCarregaDigitais : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PastaTeste> m_pasta;
    std::unique_ptr<TDMXAL> m_dm;
    BiometriaSimulada* m_leitor = nullptr;

    void enrola(const QVariant& modelo, const QVariant& codFun, const QVariant& codCli)
    {
        m_dm->ExecutaSQL(
            QStringLiteral("INSERT INTO Enroll (TEMPLATE, COD_FUN, COD_CLI) VALUES (:t, :f, :c)"),
            {{QStringLiteral("t"), modelo},
             {QStringLiteral("f"), codFun},
             {QStringLiteral("c"), codCli}});
    }
    static QVariant nulo() { return QVariant(QMetaType(QMetaType::Int)); }

private slots:
    void init()
    {
        m_pasta = std::make_unique<PastaTeste>();
        m_dm = abreBancoTeste(*m_pasta);
        QVERIFY(m_dm->conectado());
        auto leitor = std::make_unique<BiometriaSimulada>();
        m_leitor = leitor.get();
        defineBackendBiometria(std::move(leitor));
        enrola(QStringLiteral("AMBOS"), 3, 2);
        enrola(QStringLiteral("CLI-NULO"), nulo(), 3);
        enrola(QStringLiteral("CLI-ZERO"), 0, 2);
        enrola(QByteArray("FUN-BLOB"), 4, nulo());
        enrola(QStringLiteral("NINGUEM"), nulo(), nulo());
    }
    void cleanup()
    {
        defineBackendBiometria(nullptr);
        m_dm.reset();
        m_pasta.reset();
    }

    void distribuiPorSlot()
    {
        InicializaSisBiometrico(*m_dm);
        // Both codes filled: the employee's slot only.
        QCOMPARE(m_leitor->modelos(1),
                 (Indice{{3, QStringLiteral("AMBOS")}, {4, QStringLiteral("FUN-BLOB")}}));
        // COD_FUN null or 0: the customer's slot under COD_CLI.
        QCOMPARE(m_leitor->modelos(2),
                 (Indice{{3, QStringLiteral("CLI-NULO")}, {2, QStringLiteral("CLI-ZERO")}}));
    }

    void cadaAtivacaoRecomecaOsSlots()
    {
        InicializaSisBiometrico(*m_dm);
        m_dm->ExecutaSQL(QStringLiteral("DELETE FROM Enroll WHERE COD_FUN = 4"));
        InicializaSisBiometrico(*m_dm);
        QCOMPARE(m_leitor->modelos(1), (Indice{{3, QStringLiteral("AMBOS")}}));
    }

    void impressaoCarregadaIdentifica()
    {
        InicializaSisBiometrico(*m_dm);
        m_leitor->capturas = {QStringLiteral("AMBOS"), QStringLiteral("OUTRA")};
        int erro = 0;
        QVERIFY(AbreSensorBio(1));
        QVERIFY(CapturaDigital(1));
        QCOMPARE(IdentificaDigital(1, erro), 3);
        QCOMPARE(erro, 0);
        QVERIFY(CapturaDigital(1));
        QCOMPARE(IdentificaDigital(1, erro), 0);
        QCOMPARE(erro, BiometriaSimulada::kErroSemCorrespondencia);
    }

    // Nothing reaches the user and the program goes on, with the slots as far as they got.
    void falhasSaoIgnoradas()
    {
        m_leitor->iniciaFalha = true;
        InicializaSisBiometrico(*m_dm);
        QVERIFY(m_leitor->modelos(1).isEmpty());
        QVERIFY(m_leitor->modelos(2).isEmpty());

        m_leitor->iniciaFalha = false;
        m_dm->ExecutaSQL(QStringLiteral("DELETE FROM Enroll"));
        enrola(QStringLiteral("A"), 1, nulo());
        enrola(QStringLiteral("B"), 2, nulo());
        InicializaSisBiometrico(*m_dm);
        QCOMPARE(m_leitor->modelos(1).size(), 2);
        // A broken row half-way: what came before stays.
        m_leitor->capturas.clear();
        struct Quebra : BiometriaSimulada {
            int n = 0;
            void adiciona(int slot, const QString& modelo, int id) override
            {
                if (++n == 2)
                    throw Falha(QStringLiteral("modelo corrompido"));
                BiometriaSimulada::adiciona(slot, modelo, id);
            }
        };
        auto quebra = std::make_unique<Quebra>();
        Quebra* q = quebra.get();
        defineBackendBiometria(std::move(quebra));
        InicializaSisBiometrico(*m_dm);
        QCOMPARE(q->modelos(1).size(), 1);
    }

    void semLeitorNadaAcontece()
    {
        defineBackendBiometria(nullptr);
        InicializaSisBiometrico(*m_dm);
        QVERIFY(!backendBiometria().temDispositivo());
        QVERIFY(!AbreSensorBio(1));
        QVERIFY(!CapturaDigital(1));
    }
};

QTEST_GUILESS_MAIN(TstCarregaDigitais)
#include "tst_carregadigitais.moc"
