#include "DialogoModal.h"
#include "orderentry/TfrmAtendimento.h"
#include "registration/TfrmPesqCmdObs.h"
#include "registration/TfrmPesquisaObsCmd.h"
#include "support/InteracaoRoteirizada.h"
#include "support/TestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}
} // namespace

// The order entry window with the observation dialog as its hook, as the program wires it.
class TstObsAtendimento : public QObject
{
    Q_OBJECT

    struct Ambiente {
        PastaTeste pasta;
        std::unique_ptr<TDMXAL> dm = abreBancoTeste(pasta);
        InteracaoRoteirizada interacao;
        std::unique_ptr<TfrmAtendimento> janela;
        Ambiente()
        {
            pasta.escreve(u("Atendimento.ini"), "[ATENDIMENTO]\nCartaoMIn=1\nCartaoMax=100\n");
            ServicosAtendimento s;
            s.dm = dm.get();
            s.interacao = &interacao;
            s.imprimeProducao = [](int, QChar, const ConfigAtendimento&) {};
            s.observacaoItem = [this] { return TfrmPesquisaObsCmd::escolhe(*dm, janela.get()); };
            janela = std::make_unique<TfrmAtendimento>(QLatin1Char('C'), s);
            janela->setAttribute(Qt::WA_DeleteOnClose, false);
            janela->show();
            janela->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(janela.get()));
        }
        template <typename T> T* w(const char* nome) { return janela->findChild<T*>(u(nome)); }
        void digita(const char* campo, const QString& texto)
        {
            auto* e = w<QLineEdit>(campo);
            QTRY_VERIFY(e->hasFocus());
            QTest::keyClicks(e, texto);
            QTest::keyClick(e, Qt::Key_Return);
        }
        QString obsNoBanco()
        {
            QSqlQuery q;
            dm->ExecutaSQL(u("SELECT I.OBS FROM CMD_ITEM I INNER JOIN CMD_NOTA N ON "
                             "N.DOCUMENTO = I.DOCUMENTO WHERE N.NUM_COMANDA = 21"),
                           q);
            return q.next() ? q.value(0).toString() : u("<sem item>");
        }
        // Enter on the item of the grid, the dialog driven by the steps.
        void enterNoItem(std::function<void(TfrmPesquisaObsCmd*)> passos)
        {
            auto* itens = w<QTableWidget>("dbgEmbalagens");
            QTest::keyClick(w<QLineEdit>("edProduto"), Qt::Key_Tab);
            QTRY_VERIFY(itens->hasFocus());
            quandoModal<TfrmPesquisaObsCmd>(std::move(passos));
            QTest::keyClick(itens, Qt::Key_Return);
            // No window manager on the virtual display gives the activation back.
            janela->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(janela.get()));
            QTRY_VERIFY(w<QLineEdit>("edProduto")->hasFocus());
        }
    };

private slots:
    void enterNoItemGravaAObservacao()
    {
        Ambiente a;
        a.digita("EditComanda", u("21"));
        a.digita("edProduto", u("24"));
        QTest::keyClick(a.w<QLineEdit>("edQuant"), Qt::Key_Return);
        QTRY_COMPARE(a.w<QTableWidget>("dbgEmbalagens")->rowCount(), 1);
        QCOMPARE(a.obsNoBanco(), QString());

        a.enterNoItem([](TfrmPesquisaObsCmd* d) {
            QTest::keyClicks(d->edObs, u("sem gelo, copo d'agua"));
            QTest::keyClick(d->edObs, Qt::Key_Return);
        });
        QCOMPARE(a.obsNoBanco(), u("sem gelo, copo d'agua"));

        // A ready-made one, through the search.
        a.enterNoItem([](TfrmPesquisaObsCmd* d) {
            quandoModal<TfrmPesqCmdObs>([](TfrmPesqCmdObs* p) {
                QTest::keyClicks(p->EditPesquisa, u("molho"));
                QTest::keyClick(p->EditPesquisa, Qt::Key_Return);
                const QRect r = p->DBGrid->visualRect(p->DBGrid->model()->index(0, 0));
                QTest::mouseClick(p->DBGrid->viewport(), Qt::LeftButton, {}, r.center());
                QTest::mouseDClick(p->DBGrid->viewport(), Qt::LeftButton, {}, r.center());
            });
            QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
            QTest::keyClick(d->edObs, Qt::Key_Return);
        });
        QCOMPARE(a.obsNoBanco(), u("MOLHO À PARTE"));

        // Enter on the empty field removes the item's observation.
        a.enterNoItem([](TfrmPesquisaObsCmd* d) { QTest::keyClick(d->edObs, Qt::Key_Return); });
        QCOMPARE(a.obsNoBanco(), QString());
    }
};

QTEST_MAIN(TstObsAtendimento)
#include "tst_obsatendimento.moc"
