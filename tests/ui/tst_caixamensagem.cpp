#include "ui/CaixaMensagem.h"
#include "ui/InteracaoJanela.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

// The one wrapper of message boxes: a real box carries the caller's captions and the title
// "Orlix"; the test hook answers without showing; the window interaction goes through it.
class TstCaixaMensagem : public QObject
{
    Q_OBJECT
private slots:
    void init() { CaixaMensagem::reset(); }
    void msgDinamicaMostraAsLegendas();
    void mensagensDaJanela_data();
    void mensagensDaJanela();
    void perguntaENumero();
};

void TstCaixaMensagem::msgDinamicaMostraAsLegendas()
{
    QString titulo;
    QStringList legendas;
    QString texto;
    QTimer::singleShot(0, this, [&] {
        auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(caixa);
        titulo = caixa->windowTitle();
        texto = caixa->text();
        for (QAbstractButton* b : caixa->buttons())
            legendas << b->text();
        caixa->button(QMessageBox::No)->click();
    });
    const int r = MsgDinamica(
        QStringLiteral("Imprimir a conta?\rMesa 4"),
        {QStringLiteral("Imprimir"), QStringLiteral("Só fechar"), QStringLiteral("Voltar")},
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(r, int(QMessageBox::No));
    QCOMPARE(titulo, QStringLiteral("Orlix"));
    QCOMPARE(texto, QStringLiteral("Imprimir a conta?\nMesa 4"));
    legendas.sort();
    QCOMPARE(legendas, (QStringList{QStringLiteral("Imprimir"), QStringLiteral("Só fechar"),
                                    QStringLiteral("Voltar")}));
}

void TstCaixaMensagem::mensagensDaJanela_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("icone");
    QTest::newRow("mensagem") << 0 << int(QMessageBox::Information);
    QTest::newRow("atencao") << 1 << int(QMessageBox::Warning);
    QTest::newRow("erro") << 2 << int(QMessageBox::Critical);
}

void TstCaixaMensagem::mensagensDaJanela()
{
    QFETCH(int, tipo);
    QFETCH(int, icone);
    InteracaoJanela interacao;
    CaixaMensagem::setNextAnswer(QMessageBox::Ok);
    const QString texto = QStringLiteral("texto %1").arg(tipo);
    if (tipo == 0)
        interacao.mensagem(texto);
    else if (tipo == 1)
        interacao.atencao(texto);
    else
        interacao.erro(texto);
    QCOMPARE(CaixaMensagem::exibidas().size(), 1);
    QCOMPARE(int(CaixaMensagem::exibidas().first().icone), icone);
    QCOMPARE(CaixaMensagem::exibidas().first().titulo, QStringLiteral("Orlix"));
    QCOMPARE(CaixaMensagem::exibidas().first().texto, texto);
}

void TstCaixaMensagem::perguntaENumero()
{
    InteracaoJanela interacao;
    CaixaMensagem::setNextAnswer(QMessageBox::Yes);
    CaixaMensagem::setNextAnswer(QMessageBox::No);
    QVERIFY(interacao.pergunta(QStringLiteral("Confirmação"), QStringLiteral("Cancelar?")));
    QVERIFY(!interacao.pergunta(QStringLiteral("Confirmação"), QStringLiteral("Cancelar?")));
    QCOMPARE(CaixaMensagem::exibidas().first().titulo, QStringLiteral("Confirmação"));

    CaixaMensagem::setNextNumber(2.5);
    CaixaMensagem::setNextNumber(std::nullopt);
    QCOMPARE(interacao.numero(QStringLiteral("Mesa"), QStringLiteral("Número"), 0), 2.5);
    QCOMPARE(interacao.numero(QStringLiteral("Mesa"), QStringLiteral("Número"), 0), std::nullopt);

    // Nobody is identified without the identification dialogs.
    QVERIFY(!interacao.identificaFuncionario({}).identificado);
    QVERIFY(!interacao.identificaCliente({}).identificado);
}

QTEST_MAIN(TstCaixaMensagem)
#include "tst_caixamensagem.moc"
