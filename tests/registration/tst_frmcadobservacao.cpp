#include "DialogoModal.h"
#include "orderentry/Observacoes.h"
#include "registration/BarraCadastro.h"
#include "registration/TfrmCadObservacao.h"
#include "registration/TfrmPesqCmdObs.h"
#include "support/TestSupport.h"
#include "ui/CaixaMensagem.h"

#include <QFrame>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}

using Estado = TfrmCadObservacao::Estado;
} // namespace

class TstFrmCadObservacao : public QObject
{
    Q_OBJECT

    struct Ambiente {
        PastaTeste pasta;
        std::unique_ptr<TDMXAL> dm = abreBancoTeste(pasta);
        TfrmCadObservacao janela{*dm};
        Ambiente()
        {
            janela.show();
            janela.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&janela));
        }
        BarraCadastro& barra() { return *janela.ToolBar1; }
        // Clicks a button whose action shows one message, and returns the message.
        QString clicaComMensagem(QToolButton* botao)
        {
            const qsizetype antes = CaixaMensagem::exibidas().size();
            CaixaMensagem::setNextAnswer(QMessageBox::Ok);
            QTest::mouseClick(botao, Qt::LeftButton);
            const auto& exibidas = CaixaMensagem::exibidas();
            if (exibidas.size() != antes + 1)
                return u("<%1 mensagens>").arg(exibidas.size() - antes);
            return exibidas.last().titulo + u(": ") + exibidas.last().texto;
        }
        // Which buttons are enabled, in tool bar order.
        QString habilitados()
        {
            QString r;
            for (QToolButton* b :
                 {barra().TBNovo, barra().TBSalvar, barra().TBAlterar, barra().TBCancelar,
                  barra().TBDeletar, barra().TBVisulizar, barra().TBSair})
                r += b->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
            return r;
        }
    };

    static constexpr const char* kNavegando = "1010111";
    static constexpr const char* kEditando = "0101000";

private slots:
    void init() { CaixaMensagem::reset(); }

    void incluiRecusaBrancoAlteraEExclui()
    {
        Ambiente a;
        QCOMPARE(a.janela.windowTitle(), u("Cadastro de Observação"));
        // Opens without a record: editing and deleting have nothing to act on.
        QCOMPARE(a.habilitados(), u(kNavegando));
        QVERIFY(!a.janela.PanelCentral->isEnabled());
        QTest::mouseClick(a.barra().TBAlterar, Qt::LeftButton);
        QTest::mouseClick(a.barra().TBDeletar, Qt::LeftButton);
        QCOMPARE(a.janela.estado(), Estado::Navegando);
        QCOMPARE(a.habilitados(), u(kNavegando));
        QVERIFY(CaixaMensagem::exibidas().isEmpty());

        QTest::mouseClick(a.barra().TBNovo, Qt::LeftButton);
        QCOMPARE(a.habilitados(), u(kEditando));
        QTRY_VERIFY(a.janela.edDescricao->hasFocus());
        QTest::keyClicks(a.janela.edDescricao, u("   "));
        QCOMPARE(a.clicaComMensagem(a.barra().TBSalvar), u("Orlix: Observação inválida!"));
        QCOMPARE(a.janela.estado(), Estado::Inserindo);
        QCOMPARE(a.habilitados(), u(kEditando));
        QTRY_VERIFY(a.janela.edDescricao->hasFocus());

        // Blanks around a valid text are kept; letters go in upper case.
        QTest::keyClicks(a.janela.edDescricao, u("sem cebola  "));
        QCOMPARE(a.clicaComMensagem(a.barra().TBSalvar),
                 u("Orlix: Inclusão efetuada com sucesso!"));
        QCOMPARE(a.habilitados(), u(kNavegando));
        QVERIFY(!a.janela.PanelCentral->isEnabled());
        const int cod = a.janela.codigo();
        QVERIFY(cod > 8);
        Observacoes obs(*a.dm);
        QCOMPARE(obs.texto(cod), u("   SEM CEBOLA  "));

        QTest::mouseClick(a.barra().TBAlterar, Qt::LeftButton);
        QCOMPARE(a.janela.estado(), Estado::Editando);
        QCOMPARE(a.clicaComMensagem(a.barra().TBSalvar), u("Orlix: Nenhum registro alterado!"));
        QCOMPARE(a.habilitados(), u(kNavegando));

        QTest::mouseClick(a.barra().TBAlterar, Qt::LeftButton);
        QTRY_VERIFY(a.janela.edDescricao->hasFocus());
        a.janela.edDescricao->clear();
        QTest::keyClicks(a.janela.edDescricao, u("sem cebola roxa"));
        QCOMPARE(a.clicaComMensagem(a.barra().TBSalvar),
                 u("Orlix: Alteração efetuada com sucesso!"));
        QCOMPARE(obs.texto(cod), u("SEM CEBOLA ROXA"));
        QCOMPARE(a.habilitados(), u(kNavegando));

        QCOMPARE(a.clicaComMensagem(a.barra().TBDeletar),
                 u("Orlix: Exclusão efetuada com sucesso!"));
        QVERIFY(!obs.procura(cod).has_value());
        QCOMPARE(a.janela.codigo(), 0);
        QCOMPARE(a.janela.edDescricao->text(), QString());
    }

    // An edit may not blank a ready-made observation either.
    void alteracaoEmBrancoRecusada()
    {
        Ambiente a;
        quandoModal<TfrmPesqCmdObs>([](TfrmPesqCmdObs* p) {
            const QTableView* g = p->DBGrid;
            const QRect r = g->visualRect(g->model()->index(2, 0));
            QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, r.center());
        });
        QTest::mouseClick(a.barra().TBVisulizar, Qt::LeftButton);
        QCOMPARE(a.janela.codigo(), 3);
        QCOMPARE(a.janela.edDescricao->text(), u("AO PONTO"));
        QTest::mouseClick(a.barra().TBAlterar, Qt::LeftButton);
        a.janela.edDescricao->clear();
        QCOMPARE(a.clicaComMensagem(a.barra().TBSalvar), u("Orlix: Observação inválida!"));
        QCOMPARE(a.janela.estado(), Estado::Editando);
        QCOMPARE(Observacoes(*a.dm).texto(3), u("AO PONTO"));
        QTest::mouseClick(a.barra().TBCancelar, Qt::LeftButton);
        QCOMPARE(a.janela.edDescricao->text(), u("AO PONTO"));
        QCOMPARE(a.habilitados(), u(kNavegando));

        // A search closed without a choice leaves the window without a record.
        quandoModal<TfrmPesqCmdObs>(
            [](TfrmPesqCmdObs* p) { QTest::keyClick(p->EditPesquisa, Qt::Key_Escape); });
        QTest::mouseClick(a.barra().TBVisulizar, Qt::LeftButton);
        QCOMPARE(a.janela.codigo(), 0);
        QCOMPARE(a.janela.edDescricao->text(), QString());
    }

    // A refused delete shows the server's error and leaves the record on the window.
    void exclusaoRecusadaMantemORegistro()
    {
        Ambiente a;
        a.dm->ExecutaSQL(u("CREATE TRIGGER obs_em_uso BEFORE DELETE ON CMD_OBS "
                           "BEGIN SELECT RAISE(ABORT, 'observacao em uso'); END"));
        quandoModal<TfrmPesqCmdObs>([](TfrmPesqCmdObs* p) {
            QTest::keyClicks(p->EditPesquisa, u("sem gelo"));
            QTest::keyClick(p->EditPesquisa, Qt::Key_Return);
            const QRect r = p->DBGrid->visualRect(p->DBGrid->model()->index(0, 0));
            QTest::mouseClick(p->DBGrid->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseDClick(p->DBGrid->viewport(), Qt::LeftButton, {}, r.center());
        });
        QTest::mouseClick(a.barra().TBVisulizar, Qt::LeftButton);
        QCOMPARE(a.janela.codigo(), 5);
        CaixaMensagem::setNextAnswer(QMessageBox::Ok);
        QTest::mouseClick(a.barra().TBDeletar, Qt::LeftButton);
        QCOMPARE(CaixaMensagem::exibidas().size(), 1);
        QCOMPARE(CaixaMensagem::exibidas().first().icone, QMessageBox::Critical);
        QVERIFY(CaixaMensagem::exibidas().first().texto.contains(u("observacao em uso")));
        QCOMPARE(a.janela.codigo(), 5);
        QCOMPARE(a.janela.edDescricao->text(), u("SEM GELO"));
        QCOMPARE(Observacoes(*a.dm).texto(5), u("SEM GELO"));
        QCOMPARE(a.habilitados(), u(kNavegando));
    }

    // Esc belongs to the field while a record is typed; once browsing, it closes the window.
    void escNoCampoNaoFechaECancelarDescarta()
    {
        Ambiente a;
        QTest::mouseClick(a.barra().TBNovo, Qt::LeftButton);
        QTRY_VERIFY(a.janela.edDescricao->hasFocus());
        QTest::keyClicks(a.janela.edDescricao, u("meio a meio"));
        QTest::keyClick(a.janela.edDescricao, Qt::Key_Escape);
        QVERIFY(a.janela.isVisible());
        QCOMPARE(a.janela.estado(), Estado::Inserindo);
        QTest::mouseClick(a.barra().TBCancelar, Qt::LeftButton);
        QCOMPARE(a.janela.estado(), Estado::Navegando);
        QCOMPARE(a.janela.edDescricao->text(), QString());
        QSqlQuery q;
        a.dm->ExecutaSQL(u("SELECT COUNT(*) FROM CMD_OBS"), q);
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 8);
        QVERIFY(CaixaMensagem::exibidas().isEmpty());
        QTest::keyClick(&a.janela, Qt::Key_Escape);
        QVERIFY(!a.janela.isVisible());
    }
};

QTEST_MAIN(TstFrmCadObservacao)
#include "tst_frmcadobservacao.moc"
