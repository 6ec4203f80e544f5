#include "DialogoModal.h"
#include "registration/BarraCadastro.h"
#include "registration/TfrmPesqCmdObs.h"
#include "registration/TfrmPesquisaObsCmd.h"
#include "support/TestSupport.h"
#include "ui/CaixaMensagem.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}

void duploClique(QTableView* grade, int linha)
{
    const QRect r = grade->visualRect(grade->model()->index(linha, 0));
    QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(grade->viewport(), Qt::LeftButton, {}, r.center());
}

// Opens the dialog modally, runs the steps on it and returns what it chose.
std::optional<QString> escolheCom(TDMXAL& dm, std::function<void(TfrmPesquisaObsCmd*)> passos)
{
    quandoModal<TfrmPesquisaObsCmd>(std::move(passos));
    return TfrmPesquisaObsCmd::escolhe(dm, nullptr);
}
} // namespace

class TstFrmObservacao : public QObject
{
    Q_OBJECT

    PastaTeste m_pasta;
    std::unique_ptr<TDMXAL> m_dm;

private slots:
    void initTestCase() { m_dm = abreBancoTeste(m_pasta); }
    void init() { CaixaMensagem::reset(); }

    void dialogoDigitado_data()
    {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<bool>("escolheu");
        QTest::addColumn<QString>("observacao");
        const int enter = Qt::Key_Return;
        QTest::newRow("texto como digitado") << u(" sem sal ") << enter << true << u(" sem sal ");
        QTest::newRow("enter vazio nada escolhe") << QString() << enter << false << QString();
        QTest::newRow("enter em branco nada escolhe") << u("   ") << enter << false << QString();
        QTest::newRow("no maximo 60")
            << QString(70, QLatin1Char('x')) << enter << true << QString(60, QLatin1Char('x'));
        QTest::newRow("esc sai sem escolher")
            << u("sem gelo") << int(Qt::Key_Escape) << false << QString();
        // The save button keeps the field as it is, also empty (the item loses its note).
        QTest::newRow("salvar vazio") << QString() << 0 << true << QString();
        QTest::newRow("salvar texto") << u("bem passado") << 0 << true << u("bem passado");
    }

    void dialogoDigitado()
    {
        QFETCH(QString, digitado);
        QFETCH(int, tecla);
        QFETCH(bool, escolheu);
        QFETCH(QString, observacao);
        bool focado = false;
        const std::optional<QString> r = escolheCom(*m_dm, [&](TfrmPesquisaObsCmd* d) {
            focado = d->edObs->hasFocus();
            QTest::keyClicks(d->edObs, digitado);
            if (tecla)
                QTest::keyClick(d->edObs, Qt::Key(tecla));
            else
                d->ToolBar1->TBSalvar->click();
            if (d->isVisible())
                d->done(QDialog::Rejected);
        });
        QVERIFY(focado);
        QCOMPARE(r.has_value(), escolheu);
        QCOMPARE(r.value_or(QString()), observacao);
    }

    void dialogoMostraSoSalvarEStatus()
    {
        TfrmPesquisaObsCmd d(*m_dm);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.windowTitle(), u("Observação"));
        QCOMPARE(d.BitBtn1->text(), u("Pesquisar"));
        QStringList visiveis;
        for (QToolButton* b : d.ToolBar1->findChildren<QToolButton*>())
            if (b->isVisible())
                visiveis << b->toolTip();
        QCOMPARE(visiveis, QStringList{u("Salvar registro")});
        QStringList status;
        for (QLabel* l : d.StatusBar1->findChildren<QLabel*>())
            status << l->text();
        QCOMPARE(status, (QStringList{u("[ Esc = Sair ]"), u("  Enter para Salvar")}));
    }

    // A ready-made observation comes into the field, where it can still be changed.
    void escolheProntaPelaPesquisa()
    {
        bool voltouAoCampo = false;
        int achadas = -1;
        const std::optional<QString> r = escolheCom(*m_dm, [&](TfrmPesquisaObsCmd* d) {
            quandoModal<TfrmPesqCmdObs>([&](TfrmPesqCmdObs* p) {
                QTest::keyClicks(p->EditPesquisa, u("bem"));
                QTest::keyClick(p->EditPesquisa, Qt::Key_Return);
                achadas = p->DBGrid->model()->rowCount();
                duploClique(p->DBGrid, 0);
            });
            QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
            voltouAoCampo = d->focusWidget() == d->edObs;
            QTest::keyClicks(d->edObs, u(", sem sal"));
            QTest::keyClick(d->edObs, Qt::Key_Return);
        });
        QCOMPARE(achadas, 1);
        QVERIFY(voltouAoCampo);
        QCOMPARE(r, std::optional<QString>(u("BEM PASSADO, sem sal")));
    }

    void pesquisaFechadaSemEscolhaMantemOCampo()
    {
        QString depois;
        escolheCom(*m_dm, [&](TfrmPesquisaObsCmd* d) {
            QTest::keyClicks(d->edObs, u("meu texto"));
            quandoModal<TfrmPesqCmdObs>(
                [](TfrmPesqCmdObs* p) { QTest::keyClick(p->EditPesquisa, Qt::Key_Escape); });
            QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
            depois = d->edObs->text();
            d->done(QDialog::Rejected);
        });
        QCOMPARE(depois, u("meu texto"));
    }

    // Inactive observations are offered as well; every column of the table is shown.
    void pesquisaListaTodas()
    {
        m_dm->ExecutaSQL(u("UPDATE CMD_OBS SET CHK_ATIVO = 'F' WHERE COD_OBS = 4"));
        TfrmPesqCmdObs p(*m_dm);
        p.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        QCOMPARE(p.windowTitle(), u("Observação"));
        QCOMPARE(p.lbPesquisa->text(), u("Pesquisar por Observação"));
        QCOMPARE(p.DBGrid->model()->rowCount(), 8);
        QStringList colunas;
        for (int c = 0; c < p.DBGrid->model()->columnCount(); ++c)
            colunas << p.DBGrid->model()->headerData(c, Qt::Horizontal).toString().toUpper();
        QVERIFY(colunas.contains(u("COD_OBS")));
        QVERIFY(colunas.contains(u("CHK_ATIVO")));
        duploClique(p.DBGrid, 3);
        QCOMPARE(p.CodPesquisa(), 4);
        m_dm->ExecutaSQL(u("UPDATE CMD_OBS SET CHK_ATIVO = 'T' WHERE COD_OBS = 4"));
    }
};

QTEST_MAIN(TstFrmObservacao)
#include "tst_frmobservacao.moc"
