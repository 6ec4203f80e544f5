#include "platform/Clock.h"
#include "support/TestSupport.h"
#include "ui/CaixaMensagem.h"
#include "ui/TFrmPesquisaProd.h"
#include "ui/TFrmPesquisaSimples.h"
#include "ui/TfrmPesquisaFunc.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

// The search windows on the demo shop: employees, item observations (a lighter window on a
// whole table) and the product type-ahead.
class TstPesquisa : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void pesquisaFuncionario_data();
    void pesquisaFuncionario();
    void funcionarioEscolhidoComDuploClique();
    void pesquisaSimples_data();
    void pesquisaSimples();
    void pesquisaSimplesDuploClique();
    void produtoDigitacao();
    void produtoEscolhido();
    void produtoArrastadoPeloPainel();

private:
    template <typename J> void mostra(J& janela)
    {
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        janela.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&janela));
    }
    void digitaEEnter(QLineEdit* edit, const QString& texto)
    {
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, texto);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QStringList coluna(QTableView* grade, int c)
    {
        QStringList r;
        for (int i = 0; i < grade->model()->rowCount(); ++i)
            r << grade->model()->index(i, c).data().toString();
        return r;
    }
    void duploClique(QTableView* grade, int linha)
    {
        const QRect r = grade->visualRect(grade->model()->index(linha, 0));
        QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(grade->viewport(), Qt::LeftButton, {}, r.center());
    }
    QStringList textos() const
    {
        QStringList t;
        for (const auto& e : CaixaMensagem::exibidas())
            t << e.texto;
        return t;
    }

    std::unique_ptr<PastaTeste> m_pasta;
    std::unique_ptr<TDMXAL> m_dm;
};

void TstPesquisa::initTestCase()
{
    m_pasta = std::make_unique<PastaTeste>();
    m_dm = abreBancoTeste(*m_pasta);
    // An employee of another store never shows.
    m_dm->ExecutaSQL(QStringLiteral(
        "INSERT INTO FUNCIONARIO (COD_FUNC, COD_LOJA, NOME) VALUES (7, 2, 'ANA DE OUTRA LOJA')"));
}

void TstPesquisa::init()
{
    CaixaMensagem::reset();
}

void TstPesquisa::cleanupTestCase()
{
    m_dm.reset();
    m_pasta.reset();
}

void TstPesquisa::pesquisaFuncionario_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("nomes");
    QTest::newRow("prefixo, em maiusculas")
        << "ana" << QStringList{QStringLiteral("ANA PAULA SOUZA")};
    QTest::newRow("acento") << QString::fromUtf8("joão")
                            << QStringList{QString::fromUtf8("JOÃO PEDRO ALVES")};
    QTest::newRow("nada") << "zz" << QStringList();
    QTest::newRow("aspas") << "d'a" << QStringList();
    QTest::newRow("curinga") << "%" << QStringList();
}

void TstPesquisa::pesquisaFuncionario()
{
    QFETCH(QString, texto);
    QFETCH(QStringList, nomes);
    TfrmPesquisaFunc janela(*m_dm, 1);
    QCOMPARE(janela.windowTitle(), QString::fromUtf8("Pesquisa de Funcionários"));
    mostra(janela);
    QCOMPARE(janela.DBGrid->model()->rowCount(), 7); // the whole store
    QCOMPARE(QApplication::focusWidget(), janela.EditPesquisa);
    CaixaMensagem::setNextAnswer(QMessageBox::Ok);
    janela.EditPesquisa->setFocus();
    for (const QChar c : texto) {
        if (c.unicode() < 128)
            QTest::keyClick(janela.EditPesquisa, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, janela.EditPesquisa, Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
    }
    QCOMPARE(janela.EditPesquisa->text(), texto.toUpper());
    QTest::keyClick(janela.EditPesquisa, Qt::Key_Return);
    QCOMPARE(coluna(janela.DBGrid, 1), nomes);
    if (nomes.isEmpty()) {
        QCOMPARE(textos(),
                 QStringList{QString::fromUtf8("Informação.!\rNenhum registro encontrado com [ ") +
                             texto.toUpper() + QStringLiteral(" ]")});
        QCOMPARE(QApplication::focusWidget(), janela.EditPesquisa);
    } else {
        QCOMPARE(textos(), QStringList());
        QTest::keyClick(janela.EditPesquisa, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), janela.DBGrid);
    }
    QVERIFY(janela.isVisible());
}

void TstPesquisa::funcionarioEscolhidoComDuploClique()
{
    TfrmPesquisaFunc janela(*m_dm, 1);
    mostra(janela);
    QCOMPARE(janela.DBGrid->model()->headerData(0, Qt::Horizontal).toString(),
             QString::fromUtf8("Código"));
    const int linha = coluna(janela.DBGrid, 1).indexOf(QString::fromUtf8("MARIA JOSÉ FERREIRA"));
    QVERIFY(linha >= 0);
    duploClique(janela.DBGrid, linha);
    QCOMPARE(janela.iCodigo, 3);
    QVERIFY(!janela.isVisible());
}

void TstPesquisa::pesquisaSimples_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("linhas");
    QTest::newRow("vazio lista a tabela") << "" << 8;
    QTest::newRow("prefixo") << "sem" << 4;
    QTest::newRow("acento") << QString::fromUtf8("molho à") << 1;
    QTest::newRow("sublinhado nao e curinga") << "SEM_" << 0;
}

void TstPesquisa::pesquisaSimples()
{
    QFETCH(QString, texto);
    QFETCH(int, linhas);
    TFrmPesquisaSimples janela(*m_dm, QStringLiteral("CMD_OBS"), QStringLiteral("OBSERVACAO"),
                               QStringLiteral("COD_OBS"));
    mostra(janela);
    QCOMPARE(janela.DBGrid->model()->rowCount(), 8);
    CaixaMensagem::setNextAnswer(QMessageBox::Ok);
    janela.EditPesquisa->setText(texto.toUpper());
    QTest::keyClick(janela.EditPesquisa, Qt::Key_Return);
    QCOMPARE(janela.DBGrid->model()->rowCount(), linhas);
    QCOMPARE(CaixaMensagem::exibidas().size(), linhas ? 0 : 1);
    if (!linhas)
        QCOMPARE(CaixaMensagem::exibidas().first().titulo, QStringLiteral("Orlix"));
}

void TstPesquisa::pesquisaSimplesDuploClique()
{
    TFrmPesquisaSimples janela(*m_dm, QStringLiteral("CMD_OBS"), QStringLiteral("OBSERVACAO"),
                               QStringLiteral("COD_OBS"));
    mostra(janela);
    duploClique(janela.DBGrid, 1);
    QCOMPARE(janela.CodPesquisa(), 2);
    QVERIFY(!janela.isVisible());

    // An empty grid: closing by double click chooses nothing.
    TFrmPesquisaSimples vazia(*m_dm, QStringLiteral("CMD_OBS"), QStringLiteral("OBSERVACAO"),
                              QStringLiteral("COD_OBS"));
    mostra(vazia);
    CaixaMensagem::setNextAnswer(QMessageBox::Ok);
    vazia.EditPesquisa->setText(QStringLiteral("NADA"));
    QTest::keyClick(vazia.EditPesquisa, Qt::Key_Return);
    QTest::mouseDClick(vazia.DBGrid->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(vazia.CodPesquisa(), 0);
    QVERIFY(!vazia.isVisible());
}

void TstPesquisa::produtoDigitacao()
{
    TFrmPesquisaProd janela(*m_dm, 1);
    mostra(janela);
    QCOMPARE(QApplication::focusWidget(), janela.DBGrid);
    QTest::keyClicks(janela.DBGrid, QStringLiteral("abc"));
    QCOMPARE(janela.texto(), QStringLiteral("abc"));
    QCOMPARE(janela.textoStatus(0), QStringLiteral("Pesquisa: ABC"));
    QTest::keyClick(janela.DBGrid, Qt::Key_Backspace);
    QCOMPARE(janela.texto(), QStringLiteral("ab"));
    QCOMPARE(janela.textoStatus(0), QStringLiteral("Pesquisa: AB"));
    QCOMPARE(janela.textoStatus(1), QStringLiteral("  [ Esc ] - Sair"));
    QTest::keyClick(janela.DBGrid, Qt::Key_Backspace);
    QTest::keyClick(janela.DBGrid, Qt::Key_Backspace);
    QTest::keyClicks(janela.DBGrid, QStringLiteral("chope p"));
    // Pilsen 300 ml is on promotion today.
    QCOMPARE(coluna(janela.DBGrid, 1), (QStringList{QStringLiteral("CHOPE PILSEN 300ML"),
                                                    QStringLiteral("CHOPE PILSEN 500ML")}));
    QCOMPARE(coluna(janela.DBGrid, 5),
             (QStringList{QStringLiteral("8,90"), QStringLiteral("16,90")}));
    QTest::keyClick(janela.DBGrid, Qt::Key_Escape);
    QVERIFY(!janela.isVisible());
    QCOMPARE(janela.CodProd, QString());
}

void TstPesquisa::produtoEscolhido()
{
    TFrmPesquisaProd janela(*m_dm, 1);
    mostra(janela);
    QTest::keyClicks(janela.DBGrid, QStringLiteral("chope"));
    // The row nearest the text on the description order is the current one.
    QCOMPARE(janela.DBGrid->currentIndex().row(), 0);
    QTest::keyClick(janela.DBGrid, Qt::Key_Down);
    QTest::keyClick(janela.DBGrid, Qt::Key_Return);
    QCOMPARE(janela.CodProd, QStringLiteral("24"));
    QVERIFY(!janela.isVisible());

    TFrmPesquisaProd outra(*m_dm, 1);
    mostra(outra);
    QTest::keyClicks(outra.DBGrid, QStringLiteral("LN-IPA"));
    duploClique(outra.DBGrid, 0);
    QCOMPARE(outra.CodProd, QStringLiteral("38"));
}

void TstPesquisa::produtoArrastadoPeloPainel()
{
    TFrmPesquisaProd janela(*m_dm, 1);
    mostra(janela);
    QVERIFY(janela.windowFlags() & Qt::FramelessWindowHint);
    const QPoint antes = janela.pos();
    QTest::mousePress(janela.Panel1, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseMove(janela.Panel1, QPoint(23, 13));
    QTest::mouseRelease(janela.Panel1, Qt::LeftButton, {}, QPoint(23, 13));
    QTRY_COMPARE(janela.pos(), antes + QPoint(20, 10));
    // Released: moving the mouse no longer drags.
    QTest::mouseMove(janela.Panel1, QPoint(40, 20));
    QCOMPARE(janela.pos(), antes + QPoint(20, 10));
}

QTEST_MAIN(TstPesquisa)
#include "tst_pesquisa.moc"
