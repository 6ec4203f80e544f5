// The customer identification dialog: it verifies the customer the caller names.
#include "identification/InteracaoComIdentificacao.h"
#include "identification/TFrmSenhaCli.h"
#include "platform/Biometria.h"
#include "support/InteracaoRoteirizada.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

namespace
{
const QString u(const char* s)
{
    return QString::fromUtf8(s);
}
} // namespace

class TstTFrmSenhaCli : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PastaTeste> m_pasta;
    std::unique_ptr<TDMXAL> m_dm;
    BiometriaSimulada* m_leitor = nullptr;
    TConfigGeral m_config;
    InteracaoRoteirizada m_ui;

    std::unique_ptr<TFrmSenhaCli> abre(int codCli)
    {
        auto dlg = std::make_unique<TFrmSenhaCli>(*m_dm, m_config, 1, m_ui);
        dlg->codCli = codCli;
        dlg->checkPermissao = false;
        dlg->setSolicitaSenha(true);
        dlg->show();
        // A dialog that refuses at showing closes before it is ever active.
        (void)QTest::qWaitForWindowActive(dlg.get());
        QCoreApplication::processEvents();
        return dlg;
    }

private slots:
    void initTestCase()
    {
        m_pasta = std::make_unique<PastaTeste>();
        m_dm = abreBancoTeste(*m_pasta);
        QVERIFY(m_dm->conectado());
    }
    void cleanupTestCase()
    {
        m_dm.reset();
        m_pasta.reset();
    }
    void init()
    {
        m_ui = InteracaoRoteirizada();
        m_config = TConfigGeral();
        auto leitor = std::make_unique<BiometriaSimulada>();
        m_leitor = leitor.get();
        defineBackendBiometria(std::move(leitor));
        m_leitor->inicia(2);
        m_leitor->adiciona(2, QStringLiteral("DIG-JOSE"), 2);
        m_leitor->adiciona(2, QStringLiteral("DIG-CONCEICAO"), 3);
    }
    void cleanup() { defineBackendBiometria(nullptr); }

    void senhaDoCliente()
    {
        auto dlg = abre(2);
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Identifica CLIENTE"));
        QVERIFY(!(dlg->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(dlg->edCodigo->text(), QStringLiteral("2"));
        QVERIFY(!dlg->edCodigo->isEnabled());
        QCOMPARE(dlg->DBText1->text(), u("JOSÉ DA SILVA ARRUDA"));
        QCOMPARE(QApplication::focusWidget(), dlg->edSenha);
        QCOMPARE(dlg->edSenha->palette().color(QPalette::Active, QPalette::Base),
                 QColor(0xFF, 0xFF, 0xE6));

        QTest::keyClicks(dlg->edSenha, QStringLiteral("3030"));
        QTest::keyClick(dlg->edSenha, Qt::Key_Return);
        QCOMPARE(dlg->result(), int(mrNone));
        QCOMPARE(m_ui.atencoes, QStringList{u("Senha Inválida!")});
        QCOMPARE(dlg->edSenha->text(), QString());

        QTest::keyClicks(dlg->edSenha, QStringLiteral("2020"));
        QTest::keyClick(dlg->edSenha, Qt::Key_Return);
        QCOMPARE(dlg->result(), int(mrYes));
        QCOMPARE(dlg->Cliente(), 2);
    }

    void semSenhaCadastradaRecusaAoMostrar()
    {
        auto dlg = abre(4);
        QTRY_COMPARE(dlg->result(), int(mrNo));
        QCOMPARE(m_ui.mensagens, QStringList{u("Senha não cadastrada para este cliente!")});
        QVERIFY(m_ui.atencoes.isEmpty());
    }

    void escEFechar_data()
    {
        QTest::addColumn<bool>("esc");
        QTest::newRow("Esc") << true;
        QTest::newRow("fechar pela janela") << false;
    }
    void escEFechar()
    {
        QFETCH(bool, esc);
        auto dlg = abre(2);
        if (esc)
            QTest::keyClick(dlg->edSenha, Qt::Key_Escape);
        else
            dlg->close();
        QCOMPARE(dlg->result(), int(mrNo));
        QCOMPARE(dlg->Cliente(), 0);
    }

    void digital_data()
    {
        QTest::addColumn<QList<QString>>("capturas"); // "" = cancelled
        QTest::addColumn<bool>("soBioIni");
        QTest::addColumn<bool>("condominio");
        QTest::addColumn<bool>("f8");
        QTest::addColumn<int>("resultado");
        QTest::addColumn<QString>("mensagem");
        using L = QList<QString>;
        QTest::newRow("F8, o cliente")
            << L{u("DIG-JOSE")} << false << false << true << int(mrYes) << QString();
        QTest::newRow("F8, outro cliente") << L{u("DIG-CONCEICAO")} << false << false << true
                                           << int(mrNone) << u("Biometria inválida!");
        QTest::newRow("F8, cancelada")
            << L{QString()} << false << false << true << int(mrNone) << QString();
        QTest::newRow("só biometria, outro e depois o cliente")
            << L{u("DIG-CONCEICAO"), u("DIG-JOSE")} << true << false << false << int(mrYes)
            << QString();
        QTest::newRow("condomínio lê ao mostrar")
            << L{u("DIG-JOSE")} << false << true << false << int(mrYes) << QString();
    }
    void digital()
    {
        QFETCH(QList<QString>, capturas);
        QFETCH(bool, soBioIni);
        QFETCH(bool, condominio);
        QFETCH(bool, f8);
        QFETCH(int, resultado);
        QFETCH(QString, mensagem);
        m_config.HabilitaBiometria = m_config.SoBioCli = true;
        m_config.SoBioIni = soBioIni;
        m_config.Condominio = condominio;
        for (const QString& c : capturas)
            m_leitor->capturas.append(c.isEmpty() ? std::nullopt : std::optional<QString>(c));
        auto dlg = abre(2);
        QCOMPARE(dlg->findChild<QLabel*>(QStringLiteral("painelStatus3"))->text(),
                 QStringLiteral(" [ F8 = Biometria ]"));
        if (f8)
            QTest::keyClick(dlg->edSenha, Qt::Key_F8);
        QCOMPARE(m_leitor->capturasFeitas, capturas.size());
        if (resultado == mrYes) {
            QVERIFY(dlg->Timer1->isActive());
            QCOMPARE(dlg->result(), int(mrNone));
            QTRY_COMPARE_WITH_TIMEOUT(dlg->result(), int(mrYes), 2000);
            QCOMPARE(dlg->Cliente(), 2);
        } else {
            QTest::qWait(50);
            QCOMPARE(dlg->result(), resultado);
            QVERIFY(dlg->isVisible());
        }
        QCOMPARE(m_ui.mensagens, mensagem.isEmpty() ? QStringList() : QStringList{mensagem});
    }

    void interacaoIdentificaCliente()
    {
        InteracaoComIdentificacao interacao(*m_dm, m_config, 1);
        QTimer::singleShot(100, this, [] {
            auto* dlg = qobject_cast<TFrmSenhaCli*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            QTest::keyClicks(dlg->edSenha, QStringLiteral("3030"));
            QTest::keyClick(dlg->edSenha, Qt::Key_Return);
        });
        PedidoIdentificacao pedido;
        pedido.clienteEsperado = 3;
        const ResultadoIdentificacao r = interacao.identificaCliente(pedido);
        QVERIFY(r.identificado);
        QCOMPARE(r.codigo, 3);
    }
};

QTEST_MAIN(TstTFrmSenhaCli)
#include "tst_tfrmsenhacli.moc"
