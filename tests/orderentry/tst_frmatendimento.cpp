#include "orderentry/TfrmAtendimento.h"
#include "platform/Clock.h"
#include "support/InteracaoRoteirizada.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}

template <typename T> T* achar(QWidget* janela, const char* nome)
{
    T* w = janela->findChild<T*>(u(nome));
    if (!w)
        qFatal("widget %s not found", nome);
    return w;
}
} // namespace

class TstFrmAtendimento : public QObject
{
    Q_OBJECT

    struct Ambiente {
        PastaTeste pasta;
        std::unique_ptr<TDMXAL> dm = abreBancoTeste(pasta);
        InteracaoRoteirizada interacao;
        QList<int> impressos;
        std::unique_ptr<TfrmAtendimento> janela;
        explicit Ambiente(const QByteArray& ini = "[ATENDIMENTO]\nCartaoMIn=1\nCartaoMax=100\n"
                                                  "Imprime=Sim\nExibeValorTotal=Sim\n")
        {
            pasta.escreve(u("Atendimento.ini"), ini);
            ServicosAtendimento s;
            s.dm = dm.get();
            s.interacao = &interacao;
            s.codTerm = 3;
            s.imprimeProducao = [this](int doc, QChar, const ConfigAtendimento&) {
                impressos << doc;
            };
            janela = std::make_unique<TfrmAtendimento>(QLatin1Char('C'), s);
            janela->setAttribute(Qt::WA_DeleteOnClose, false);
            janela->show();
            janela->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(janela.get()));
        }
        QLineEdit* edit(const char* nome) { return achar<QLineEdit>(janela.get(), nome); }
        QTableWidget* grade(const char* nome) { return achar<QTableWidget>(janela.get(), nome); }
        void digita(const char* campo, const QString& texto)
        {
            QLineEdit* e = edit(campo);
            QTRY_VERIFY(e->hasFocus());
            QTest::keyClicks(e, texto);
            QTest::keyClick(e, Qt::Key_Return);
        }
    };

private slots:
    void umaComandaDoCartaoAoItem()
    {
        Ambiente a;
        QVERIFY(a.edit("EditComanda")->hasFocus());
        a.digita("EditComanda", u("012"));
        QCOMPARE(a.edit("EditComanda")->text(), u("12"));
        a.digita("edProduto", u("24"));
        // A product sold by unit gets quantity 1 proposed.
        QCOMPARE(a.edit("edQuant")->text(), u("1"));
        QCOMPARE(a.edit("DBEdit6")->text(), u("CHOPE PILSEN 300ML"));
        QTest::keyClicks(a.edit("edQuant"), u("3"));
        QTest::keyClick(a.edit("edQuant"), Qt::Key_Return);
        QTRY_VERIFY(a.edit("edProduto")->hasFocus());
        QTableWidget* itens = a.grade("dbgEmbalagens");
        QCOMPARE(itens->rowCount(), 1);
        QCOMPARE(itens->item(0, 1)->text(), u("CHOPE PILSEN 300ML"));
        QCOMPARE(itens->item(0, 2)->text(), u("3,000"));
        QCOMPARE(achar<QLabel>(a.janela.get(), "lblTotal")->text(), u("26,70"));
        QCOMPARE(a.grade("cxGrid1")->rowCount(), 1);
        QCOMPARE(a.grade("cxGrid1")->item(0, 1)->text(), u("12"));

        // A scanned barcode goes in at once with quantity 1.
        QTest::keyClicks(a.edit("edProduto"), u("7894900011517"));
        QTest::keyClick(a.edit("edProduto"), Qt::Key_Return);
        QTRY_COMPARE(itens->rowCount(), 2);
        QVERIFY(a.interacao.atencoes.isEmpty());

        // Esc in the product field prints the new items and frees the screen.
        QTest::keyClick(a.edit("edProduto"), Qt::Key_Escape);
        QCOMPARE(a.impressos.size(), 1);
        QCOMPARE(a.edit("EditComanda")->text(), QString());
        QCOMPARE(itens->rowCount(), 0);
        QTRY_VERIFY(a.edit("EditComanda")->hasFocus());
    }

    void produtoDesconhecidoEQuantidadePorUnidade()
    {
        Ambiente a;
        a.digita("EditComanda", u("13"));
        a.digita("edProduto", u("777"));
        QCOMPARE(a.interacao.atencoes, QStringList{u("Produto não encontrado!")});
        QVERIFY(a.edit("edProduto")->hasFocus());
        a.edit("edProduto")->clear();
        a.digita("edProduto", u("24"));
        QLineEdit* quant = a.edit("edQuant");
        quant->clear();
        // A unit product takes no decimal separator.
        QTest::keyClicks(quant, u("2,5"));
        QCOMPARE(quant->text(), u("25"));
    }

    void tabNaoMudaOFocoEF9LimpaATela()
    {
        Ambiente a;
        a.digita("EditComanda", u("14"));
        QTest::keyClick(a.edit("edProduto"), Qt::Key_Tab);
        QVERIFY(a.edit("edProduto")->hasFocus());
        a.digita("edProduto", u("1"));
        QTest::keyClick(a.edit("edQuant"), Qt::Key_Return);
        QTRY_COMPARE(a.grade("dbgEmbalagens")->rowCount(), 1);
        // From an empty product field, Tab goes into the grid that has items.
        QTest::keyClick(a.edit("edProduto"), Qt::Key_Tab);
        QTRY_VERIFY(a.grade("dbgEmbalagens")->hasFocus());
        QTest::keyClick(a.janela.get(), Qt::Key_F9);
        QCOMPARE(a.grade("dbgEmbalagens")->rowCount(), 0);
        QTRY_VERIFY(a.edit("EditComanda")->hasFocus());
    }

    void cartaoForaDoIntervaloEEscFecha()
    {
        Ambiente a;
        a.digita("EditComanda", u("150"));
        QCOMPARE(a.interacao.atencoes, QStringList{u("Intervalo de cartão inválido! ")});
        QVERIFY(a.edit("EditComanda")->hasFocus());
        QTest::keyClick(a.edit("EditComanda"), Qt::Key_Escape);
        QTRY_VERIFY(!a.janela->isVisible());
    }

    void listaAbreDocumentoEF12UsaAJanelaMaisRecente()
    {
        Ambiente a("[ATENDIMENTO]\nCartaoMesa=Sim\n");
        a.digita("EditComanda", u("30"));
        QTest::keyClick(a.edit("edMesa"), Qt::Key_Escape);
        a.digita("edProduto", u("1"));
        QTest::keyClick(a.edit("edQuant"), Qt::Key_Return);
        QTRY_COMPARE(a.grade("cxGrid1")->rowCount(), 1);
        QTest::keyClick(a.janela.get(), Qt::Key_F9);
        QCOMPARE(a.grade("dbgEmbalagens")->rowCount(), 0);

        // A click on the open list loads that comanda.
        QTableWidget* lista = a.grade("cxGrid1");
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                          lista->visualItemRect(lista->item(0, 1)).center());
        QCOMPARE(a.edit("EditComanda")->text(), u("30"));
        QCOMPARE(a.grade("dbgEmbalagens")->rowCount(), 1);
        QVERIFY(a.janela->persistencia().StatusItem == u("I"));

        // F12 shows the table panel of the newest window only.
        QWidget* painel = achar<QWidget>(a.janela.get(), "pnIdentificaMesa");
        QTest::keyClick(a.edit("EditComanda"), Qt::Key_F12);
        QVERIFY(painel->isVisible());
        QTest::keyClick(a.edit("edMesa"), Qt::Key_Escape);
        QVERIFY(!painel->isVisible());
        {
            ServicosAtendimento s;
            s.dm = a.dm.get();
            s.interacao = &a.interacao;
            TfrmAtendimento outra(QLatin1Char('C'), s);
            QCOMPARE(TfrmAtendimento::maisRecente(), &outra);
            QTest::keyClick(a.janela.get(), Qt::Key_F12);
            QVERIFY(!painel->isVisible()); // the newest window has no header loaded
        }
        // The newest window is gone: F12 touches nothing that no longer exists.
        QVERIFY(!TfrmAtendimento::maisRecente());
        QTest::keyClick(a.janela.get(), Qt::Key_F12);
    }

    void painelDeMesa()
    {
        Ambiente a("[ATENDIMENTO]\nCartaoMesa=Sim\n");
        a.digita("EditComanda", u("21"));
        QWidget* painel = achar<QWidget>(a.janela.get(), "pnIdentificaMesa");
        QTRY_VERIFY(painel->isVisible());
        a.digita("edMesa", u("8"));
        QTest::keyClicks(a.edit("edNumOcupante"), u("4"));
        QTest::keyClick(a.edit("edNumOcupante"), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // "Gravar"
        QTRY_VERIFY(!painel->isVisible());
        a.digita("edProduto", u("1"));
        QTest::keyClick(a.edit("edQuant"), Qt::Key_Return);
        QTRY_COMPARE(a.grade("dbgEmbalagens")->rowCount(), 1);
        QSqlQuery q;
        a.dm->ExecutaSQL(u("SELECT MESA, NUM_OCUPANTE FROM CMD_NOTA WHERE NUM_COMANDA = 21"), q);
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 8);
        QCOMPARE(q.value(1).toInt(), 4);
        QCOMPARE(achar<QLineEdit>(a.janela.get(), "edMesaAtual")->text(), u("8"));
    }
};

QTEST_MAIN(TstFrmAtendimento)
#include "tst_frmatendimento.moc"
