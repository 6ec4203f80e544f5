// The employee identification dialog driven by keys on the real window.
#include "identification/InteracaoComIdentificacao.h"
#include "identification/TFrmSenhaFun.h"
#include "identification/TXALFinger.h"
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

class TstTFrmSenhaFun : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PastaTeste> m_pasta;
    std::unique_ptr<TDMXAL> m_dm;
    BiometriaSimulada* m_leitor = nullptr;
    TConfigGeral m_config;
    InteracaoRoteirizada m_ui;

    std::unique_ptr<TFrmSenhaFun> abre(const QString& permissao = QString(), int loja = 1)
    {
        auto dlg = std::make_unique<TFrmSenhaFun>(*m_dm, m_config, loja, m_ui);
        dlg->VerificaPermissao = !permissao.isEmpty();
        dlg->CampoPermissao = permissao;
        dlg->setSolicitaSenha(true);
        dlg->MudaCaption(u(" Senha de Funcionário"));
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
        m_leitor->inicia(1);
        m_leitor->adiciona(1, QStringLiteral("DIG-MARIA"), 3);
        m_leitor->adiciona(1, QStringLiteral("DIG-ANA"), 1);
    }
    void cleanup() { defineBackendBiometria(nullptr); }

    void teclado_data()
    {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QString>("senha");
        QTest::addColumn<QString>("permissao");
        QTest::addColumn<int>("loja");
        QTest::addColumn<int>("resultado"); // mrNone: the dialog stays open
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<int>("funcionario");
        const QString nada;
        QTest::newRow("código e senha") << "3"
                                        << "3333" << nada << 1 << int(mrYes) << nada << 3;
        QTest::newRow("senha errada")
            << "3"
            << "3339" << nada << 1 << int(mrNone) << u("Senha Inválida!") << 0;
        QTest::newRow("crachá") << "20000004"
                                << ""
                                << "CHK_EXCLUIR_ITEM" << 1 << int(mrYes) << nada << 4;
        QTest::newRow("permissão presente") << "4"
                                            << "4444"
                                            << "CHK_EXCLUIR_ITEM" << 1 << int(mrYes) << nada << 4;
        QTest::newRow("permissão F")
            << "4"
            << "4444"
            << "CHK_SANGRIAS" << 1 << int(mrNo) << u("Senha não Autorizada!") << 0;
        QTest::newRow("coluna inexistente")
            << "3"
            << "3333"
            << "CHK_NADA" << 1 << int(mrNo) << u("Senha não Autorizada!") << 0;
        QTest::newRow("afastado") << "6"
                                  << "6666" << nada << 1 << int(mrNo) << u("Código não Encontrado!")
                                  << 0;
        QTest::newRow("outra loja")
            << "3"
            << "3333" << nada << 2 << int(mrNo) << u("Código não Encontrado!") << 0;
        QTest::newRow("sem linha de senha")
            << "5"
            << "" << nada << 1 << int(mrNo) << u("Senha não Cadastrada!") << 0;
        QTest::newRow("negativo") << "-3"
                                  << "3333" << nada << 1 << int(mrNo) << u("Código não Encontrado!")
                                  << 0;
    }
    void teclado()
    {
        QFETCH(QString, codigo);
        QFETCH(QString, senha);
        QFETCH(QString, permissao);
        QFETCH(int, loja);
        QFETCH(int, resultado);
        QFETCH(QString, mensagem);
        QFETCH(int, funcionario);

        auto dlg = abre(permissao, loja);
        QCOMPARE(dlg->windowTitle(), u(" Senha de Funcionário"));
        QCOMPARE(QApplication::focusWidget(), dlg->edCodigo);
        QTest::keyClicks(dlg->edCodigo, codigo);
        QTest::keyClick(dlg->edCodigo, Qt::Key_Return);
        QCoreApplication::processEvents();
        if (dlg->isVisible()) {
            QCOMPARE(QApplication::focusWidget(), dlg->edSenha);
            QTest::keyClicks(dlg->edSenha, senha);
            QTest::keyClick(dlg->edSenha, Qt::Key_Return);
            QCoreApplication::processEvents();
        }
        QCOMPARE(dlg->result(), resultado);
        QCOMPARE(dlg->isVisible(), resultado == mrNone);
        QCOMPARE(m_ui.atencoes, mensagem.isEmpty() ? QStringList() : QStringList{mensagem});
        if (resultado == mrYes)
            QCOMPARE(dlg->Funcionario(), funcionario);
        if (resultado == mrNone)
            QCOMPARE(QApplication::focusWidget(), dlg->edSenha);
    }

    void letrasEZeroFicamNoCodigo()
    {
        auto dlg = abre();
        QTest::keyClicks(dlg->edCodigo, QStringLiteral("ab c"));
        QCOMPARE(dlg->edCodigo->text(), QString());
        QTest::keyClicks(dlg->edCodigo, QStringLiteral("0"));
        QTest::keyClick(dlg->edCodigo, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), dlg->edCodigo);
        QCOMPARE(dlg->result(), int(mrNone));
        QVERIFY(m_ui.atencoes.isEmpty());
        // Enter in the password without a code found accepts nobody.
        dlg->edSenha->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), dlg->edCodigo);
        QCOMPARE(dlg->result(), int(mrNone));
    }

    void corDoFocoECrachaCoberto()
    {
        auto dlg = abre();
        const QColor amarelo(0xFF, 0xFF, 0xE6);
        QCOMPARE(dlg->edCodigo->palette().color(QPalette::Active, QPalette::Base), amarelo);
        QCOMPARE(dlg->edSenha->palette().color(QPalette::Active, QPalette::Base),
                 QColor(Qt::white));
        QTest::keyClicks(dlg->edCodigo, QStringLiteral("200000"));
        QVERIFY(!dlg->pnCod->isVisible());
        QTest::keyClicks(dlg->edCodigo, QStringLiteral("01"));
        QVERIFY(dlg->pnCod->isVisible());
        QCOMPARE(dlg->pnCod->geometry(), dlg->edCodigo->geometry());
        QCOMPARE(dlg->pnCod->text(), QStringLiteral("******"));
        QTest::keyClick(dlg->edCodigo, Qt::Key_Backspace);
        QVERIFY(dlg->pnCod->isVisible());
        QTest::keyClick(dlg->edCodigo, Qt::Key_Backspace);
        QVERIFY(!dlg->pnCod->isVisible());
        QTest::keyClick(dlg->edCodigo, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(dlg->edCodigo, QStringLiteral("1"));
        QTest::keyClick(dlg->edCodigo, Qt::Key_Tab);
        QCoreApplication::processEvents();
        QCOMPARE(dlg->edSenha->palette().color(QPalette::Active, QPalette::Base), amarelo);
        QCOMPARE(dlg->edCodigo->palette().color(QPalette::Active, QPalette::Base),
                 QColor(Qt::white));
        QCOMPARE(dlg->DBText1->text(), u("ANA PAULA SOUZA"));
        // Going back to the code field starts a new code.
        QTest::mouseClick(dlg->edCodigo, Qt::LeftButton);
        QCOMPARE(dlg->edCodigo->text(), QString());
        QVERIFY(!dlg->pnCod->isVisible());
    }

    void escF8EFechar_data()
    {
        QTest::addColumn<int>("acao"); // 0 Esc in code, 1 Esc in password, 2 close, 3 F8
        QTest::addColumn<int>("resultado");
        QTest::newRow("Esc no código") << 0 << int(mrNo);
        QTest::newRow("Esc na senha") << 1 << int(mrNo);
        QTest::newRow("botão fechar") << 2 << int(mrCancel);
        QTest::newRow("F8 sem biometria") << 3 << int(mrNone);
    }
    void escF8EFechar()
    {
        QFETCH(int, acao);
        QFETCH(int, resultado);
        m_leitor->capturas = {QStringLiteral("DIG-MARIA")};
        auto dlg = abre();
        QVERIFY(dlg->findChild<QLabel*>(QStringLiteral("painelStatus3"))->text().isEmpty());
        switch (acao) {
        case 0:
            QTest::keyClick(dlg->edCodigo, Qt::Key_Escape);
            break;
        case 1:
            QTest::keyClicks(dlg->edCodigo, QStringLiteral("3"));
            QTest::keyClick(dlg->edCodigo, Qt::Key_Return);
            QTest::keyClick(dlg->edSenha, Qt::Key_Escape);
            break;
        case 2:
            dlg->close();
            break;
        case 3:
            QTest::keyClick(dlg->edCodigo, Qt::Key_F8);
            QCOMPARE(m_leitor->capturasFeitas, 0);
            break;
        }
        QCoreApplication::processEvents();
        QCOMPARE(dlg->result(), resultado);
        QVERIFY(m_ui.atencoes.isEmpty());
    }

    void digitalFechaAceitoUmSegundoDepois()
    {
        m_config.HabilitaBiometria = m_config.SoBioFun = true;
        m_leitor->capturas = {QStringLiteral("DIG-MARIA")};
        auto dlg = abre(QStringLiteral("CHK_SANGRIAS"));
        QCOMPARE(dlg->findChild<QLabel*>(QStringLiteral("painelStatus3"))->text(),
                 QStringLiteral(" [ F8 = Biometria ]"));
        QVERIFY(dlg->edCodigo->isEnabled());
        QTest::keyClick(dlg->edCodigo, Qt::Key_F8);
        QCOMPARE(dlg->edCodigo->text(), QStringLiteral("3"));
        QCOMPARE(dlg->edSenha->text(), QStringLiteral("3333"));
        QVERIFY(dlg->Timer1->isActive());
        QCOMPARE(dlg->Timer1->interval(), 1000);
        QCOMPARE(dlg->result(), int(mrNone));
        QTest::qWait(600);
        QCOMPARE(dlg->result(), int(mrNone));
        QTRY_COMPARE_WITH_TIMEOUT(dlg->result(), int(mrYes), 2000);
        QCOMPARE(dlg->Funcionario(), 3);
        QVERIFY(m_ui.atencoes.isEmpty());
    }

    void digitalRecusada_data()
    {
        QTest::addColumn<QString>("captura"); // "" = cancelled
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("não identificada") << "DIG-OUTRA" << u("Biometria inválida!");
        QTest::newRow("cancelada") << "" << u("Biometria cancelada!");
        QTest::newRow("sem permissão") << "DIG-ANA" << u("Funcionário não autorizado!");
    }
    void digitalRecusada()
    {
        QFETCH(QString, captura);
        QFETCH(QString, mensagem);
        m_config.HabilitaBiometria = m_config.SoBioFun = true;
        m_leitor->capturas = {captura.isEmpty() ? std::nullopt : std::optional<QString>(captura)};
        auto dlg = abre(QStringLiteral("CHK_SANGRIAS"));
        QTest::keyClick(dlg->edCodigo, Qt::Key_F8);
        QCOMPARE(dlg->result(), int(mrNo));
        QVERIFY(!dlg->isVisible());
        QVERIFY(!dlg->Timer1->isActive());
        QCOMPARE(m_ui.atencoes, QStringList{mensagem});
    }

    void leitorQueFalhaDeixaODialogoAberto()
    {
        m_config.HabilitaBiometria = m_config.SoBioFun = true;
        m_leitor->falhaNaProxima = QStringLiteral("USB desconectado");
        auto dlg = abre();
        QTest::keyClick(dlg->edCodigo, Qt::Key_F8);
        QCOMPARE(dlg->result(), int(mrNone));
        QVERIFY(dlg->isVisible());
        QCOMPARE(m_ui.erros,
                 QStringList{u("Erro ao identificar funcionário por biometria! USB desconectado")});
        // The keyboard still identifies.
        QTest::keyClicks(dlg->edCodigo, QStringLiteral("3"));
        QTest::keyClick(dlg->edCodigo, Qt::Key_Return);
        QTest::keyClicks(dlg->edSenha, QStringLiteral("3333"));
        QTest::keyClick(dlg->edSenha, Qt::Key_Return);
        QCOMPARE(dlg->result(), int(mrYes));
    }

    void somenteBiometria_data()
    {
        QTest::addColumn<QList<QString>>("capturas");
        QTest::addColumn<int>("resultado");
        QTest::addColumn<QString>("mensagem");
        using L = QList<QString>;
        QTest::newRow("nova captura até identificar")
            << L{u("DIG-OUTRA"), u("DIG-MARIA")} << int(mrYes) << QString();
        QTest::newRow("cancelada")
            << L{u("DIG-OUTRA"), QString()} << int(mrNo) << u("Biometria cancelada!");
    }
    void somenteBiometria()
    {
        QFETCH(QList<QString>, capturas);
        QFETCH(int, resultado);
        QFETCH(QString, mensagem);
        m_config.HabilitaBiometria = m_config.SoBioFun = m_config.SoBioIni = true;
        for (const QString& c : capturas)
            m_leitor->capturas.append(c.isEmpty() ? std::nullopt : std::optional<QString>(c));
        auto dlg = abre();
        QVERIFY(!dlg->edCodigo->isEnabled());
        QVERIFY(!dlg->edSenha->isEnabled());
        QCOMPARE(m_leitor->capturasFeitas, 2);
        QTRY_COMPARE_WITH_TIMEOUT(dlg->result(), resultado, 2000);
        QCOMPARE(m_ui.atencoes, mensagem.isEmpty() ? QStringList() : QStringList{mensagem});
    }

    // Settings ask for fingerprint only, but no reader is attached: the keyboard works.
    void semLeitorTecladoFunciona()
    {
        defineBackendBiometria(nullptr);
        m_config.HabilitaBiometria = m_config.SoBioFun = m_config.SoBioIni = true;
        auto dlg = abre();
        QVERIFY(dlg->edCodigo->isEnabled());
        QVERIFY(dlg->findChild<QLabel*>(QStringLiteral("painelStatus3"))->text().isEmpty());
        QTest::keyClicks(dlg->edCodigo, QStringLiteral("3"));
        QTest::keyClick(dlg->edCodigo, Qt::Key_Return);
        QTest::keyClicks(dlg->edSenha, QStringLiteral("1"));
        QTest::keyClick(dlg->edSenha, Qt::Key_Return);
        QCOMPARE(dlg->result(), int(mrNone));
        QCOMPARE(m_ui.atencoes, QStringList{u("Senha Inválida!")});
        QTest::keyClick(dlg->edSenha, Qt::Key_Backspace);
        QTest::keyClicks(dlg->edSenha, QStringLiteral("3333"));
        QTest::keyClick(dlg->edSenha, Qt::Key_Return);
        QCOMPARE(dlg->result(), int(mrYes));
    }

    void leitorDoQuadroPreencheOsCampos()
    {
        auto dlg = abre();
        emit dlg->XALFinger1->OnIdentify(dlg->XALFinger1, QStringLiteral("3"));
        QCoreApplication::processEvents();
        QCOMPARE(dlg->edCodigo->text(), QStringLiteral("3"));
        QCOMPARE(dlg->edSenha->text(), QStringLiteral("3333"));
        QCOMPARE(QApplication::focusWidget(), dlg->edSenha);
        QTest::keyClick(dlg->edSenha, Qt::Key_Return);
        QCOMPARE(dlg->result(), int(mrYes));
        QCOMPARE(dlg->Funcionario(), 3);
    }

    // What the callers use: only mrYes identifies.
    void interacaoIdentifica_data()
    {
        QTest::addColumn<bool>("fecha");
        QTest::newRow("identificado") << false;
        QTest::newRow("fechado") << true;
    }
    void interacaoIdentifica()
    {
        QFETCH(bool, fecha);
        InteracaoComIdentificacao interacao(*m_dm, m_config, 1);
        QTimer::singleShot(100, this, [fecha] {
            auto* dlg = qobject_cast<TFrmSenhaFun*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            QCOMPARE(dlg->windowTitle(), u("Autorizar Reabertura Comanda"));
            if (fecha) {
                dlg->close();
                return;
            }
            QTest::keyClicks(dlg->edCodigo, QStringLiteral("3"));
            QTest::keyClick(dlg->edCodigo, Qt::Key_Return);
            QTest::keyClicks(dlg->edSenha, QStringLiteral("3333"));
            QTest::keyClick(dlg->edSenha, Qt::Key_Return);
        });
        PedidoIdentificacao pedido;
        pedido.titulo = u("Autorizar Reabertura Comanda");
        pedido.campoPermissao = QStringLiteral("CHK_SANGRIAS");
        const ResultadoIdentificacao r = interacao.identificaFuncionario(pedido);
        QCOMPARE(r.identificado, !fecha);
        QCOMPARE(r.codigo, fecha ? 0 : 3);
    }
};

QTEST_MAIN(TstTFrmSenhaFun)
#include "tst_tfrmsenhafun.moc"
