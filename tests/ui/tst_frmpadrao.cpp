#include "support/TestSupport.h"
#include "ui/CaixaMensagem.h"
#include "ui/Impressoras.h"
#include "ui/TFrmPadrao.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>

// A small record window over a table of its own: code, name and a non-negative value.
class TFrmTeste : public TFrmPadrao
{
public:
    TFrmTeste(TDMXAL& dm) : TFrmPadrao(dm, 1)
    {
        setWindowTitle(QStringLiteral("Teste"));
        auto* form = new QFormLayout(PanelCentral);
        edCod = criaEdit("edCod", QStringLiteral("COD"));
        edNome = criaEdit("edNome", QStringLiteral("NOME"));
        edValor = criaEdit("edValor", QStringLiteral("VALOR"));
        form->addRow(QStringLiteral("Código"), edCod);
        form->addRow(QStringLiteral("Nome"), edNome);
        form->addRow(QStringLiteral("Valor"), edValor);
        CdsPadrao->defineComando(QStringLiteral("SELECT * FROM T_TESTE ORDER BY COD"));
        CdsPadrao->defineTabela(QStringLiteral("T_TESTE"));
        CdsPadrao->info(QStringLiteral("COD")).tag = 1;
    }
    QLineEdit* edCod;
    QLineEdit* edNome;
    QLineEdit* edValor;
    bool escFecha = true;
    int novos = 0;

protected:
    // Esc may stay in the window, as the order entry window does.
    void FormKeyDown(int& Key, Qt::KeyboardModifiers Shift) override
    {
        if (Key == Qt::Key_Escape && !escFecha)
            return;
        TFrmPadrao::FormKeyDown(Key, Shift);
    }
    void TBNovoClick() override
    {
        ++novos;
        TFrmPadrao::TBNovoClick();
    }

private:
    QLineEdit* criaEdit(const char* nome, const QString& campo)
    {
        auto* e = new QLineEdit(PanelCentral);
        e->setObjectName(QString::fromUtf8(nome));
        ligaCampo(e, campo);
        return e;
    }
};

class TstFrmPadrao : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void estadoDasBarras_data();
    void estadoDasBarras();
    void salvaNovoRegistro();
    void salvarSemAlteracaoAvisa();
    void alteraOuCancela();
    void gravacaoRecusada_data();
    void gravacaoRecusada();
    void fecharEmEdicaoERecusado();
    void verificaCampoObrigatorio();
    void falhaNaAcaoMostraErro();
    void impressoras();
    void teclas_data();
    void teclas();
    void escFechaOuVolta();
    void corDoFoco_data();
    void corDoFoco();

private:
    void respondeOk(int vezes = 5)
    {
        for (int i = 0; i < vezes; ++i)
            CaixaMensagem::setNextAnswer(QMessageBox::Ok);
    }
    QStringList textosExibidos() const
    {
        QStringList t;
        for (const auto& e : CaixaMensagem::exibidas())
            t << e.texto;
        return t;
    }
    void digita(QLineEdit* edit, const QString& texto)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, texto);
    }
    int contaLinhas(int cod)
    {
        QSqlQuery q;
        m_dm->ExecutaSQL(QStringLiteral("SELECT COUNT(*) FROM T_TESTE WHERE COD = :c"), q,
                         {{QStringLiteral("c"), cod}});
        q.next();
        return q.value(0).toInt();
    }

    std::unique_ptr<PastaTeste> m_pasta;
    std::unique_ptr<TDMXAL> m_dm;
    std::unique_ptr<TFrmTeste> m_janela;
};

void TstFrmPadrao::initTestCase()
{
    m_pasta = std::make_unique<PastaTeste>();
    m_dm = abreBancoTeste(*m_pasta);
    m_dm->ExecutaSQL(QStringLiteral("CREATE TABLE T_TESTE (COD INTEGER NOT NULL PRIMARY KEY, "
                                    "NOME VARCHAR(20) NOT NULL, VALOR REAL CHECK (VALOR >= 0))"));
}

void TstFrmPadrao::cleanupTestCase()
{
    m_dm.reset();
    m_pasta.reset();
}

void TstFrmPadrao::init()
{
    CaixaMensagem::reset();
    m_dm->ExecutaSQL(QStringLiteral("DELETE FROM T_TESTE"));
    m_dm->ExecutaSQL(
        QStringLiteral("INSERT INTO T_TESTE (COD, NOME, VALOR) VALUES (1, 'UM', 1.5)"));
    m_janela = std::make_unique<TFrmTeste>(*m_dm);
    m_janela->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_janela.get()));
    m_janela->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_janela.get()));
    QCOMPARE(textosExibidos(), QStringList());
}

void TstFrmPadrao::cleanup()
{
    // Leave any edit so the window closes without asking.
    if (m_janela->DsPadrao()->editando())
        m_janela->Cancelar();
    m_janela.reset();
}

void TstFrmPadrao::estadoDasBarras_data()
{
    QTest::addColumn<QStringList>("acoes");
    QTest::addColumn<QString>("ligados"); // N S A C D V I: Novo Salvar Alterar Cancelar ...
    QTest::addColumn<QString>("status");
    const QString navegando = QStringLiteral("N-A-DVI");
    const QString editando = QStringLiteral("-S-C---");
    QTest::newRow("inicio") << QStringList() << navegando << QString();
    QTest::newRow("novo") << QStringList{QStringLiteral("novo")} << editando
                          << QStringLiteral(" Inserindo...");
    QTest::newRow("novo, cancelar")
        << QStringList{QStringLiteral("novo"), QStringLiteral("cancelar")} << navegando
        << QString();
    QTest::newRow("alterar") << QStringList{QStringLiteral("alterar")} << editando
                             << QStringLiteral(" Alterando...");
    QTest::newRow("alterar, cancelar")
        << QStringList{QStringLiteral("alterar"), QStringLiteral("cancelar")} << navegando
        << QString();
    QTest::newRow("alterar, salvar")
        << QStringList{QStringLiteral("alterar"), QStringLiteral("nome"), QStringLiteral("salvar")}
        << navegando << QString();
    QTest::newRow("novo, salvar") << QStringList{QStringLiteral("novo"), QStringLiteral("codigo"),
                                                 QStringLiteral("nome"), QStringLiteral("salvar")}
                                  << navegando << QString();
    // Buttons that cannot be pressed change nothing.
    QTest::newRow("alterar, alterar")
        << QStringList{QStringLiteral("alterar"), QStringLiteral("alterar")} << editando
        << QStringLiteral(" Alterando...");
    QTest::newRow("cancelar navegando")
        << QStringList{QStringLiteral("cancelar")} << navegando << QString();
}

void TstFrmPadrao::estadoDasBarras()
{
    QFETCH(QStringList, acoes);
    QFETCH(QString, ligados);
    QFETCH(QString, status);
    TFrmTeste& j = *m_janela;
    respondeOk();
    for (const QString& a : acoes) {
        if (a == QLatin1String("novo"))
            QTest::mouseClick(j.TBNovo, Qt::LeftButton);
        else if (a == QLatin1String("alterar"))
            QTest::mouseClick(j.TBAlterar, Qt::LeftButton);
        else if (a == QLatin1String("cancelar"))
            QTest::mouseClick(j.TBCancelar, Qt::LeftButton);
        else if (a == QLatin1String("salvar"))
            QTest::mouseClick(j.TBSalvar, Qt::LeftButton);
        else if (a == QLatin1String("codigo"))
            digita(j.edCod, QStringLiteral("7"));
        else if (a == QLatin1String("nome"))
            digita(j.edNome, QStringLiteral("sete"));
    }
    const QList<QToolButton*> botoes{j.TBNovo,    j.TBSalvar,    j.TBAlterar, j.TBCancelar,
                                     j.TBDeletar, j.TBVisulizar, j.TBImprimir};
    QString obtidos;
    for (int i = 0; i < botoes.size(); ++i)
        obtidos += botoes[i]->isEnabled() ? ligados[i] : QLatin1Char('-');
    QCOMPARE(obtidos, ligados);
    const bool editando = ligados[1] == QLatin1Char('S');
    QCOMPARE(j.TBSair->isEnabled(), !editando);
    QCOMPARE(j.PanelCentral->isEnabled(), editando);
    QCOMPARE(j.textoStatus(2), status);
    // The menu follows the buttons: Novo, Salvar, Alterar, Cancelar, Deletar.
    QList<bool> menu;
    for (QAction* a : j.PopEditar->actions())
        if (!a->isSeparator())
            menu << a->isEnabled();
    QCOMPARE(menu, (QList<bool>{!editando, editando, !editando, editando, !editando}));
    QCOMPARE(j.PopPesquisar->actions().first()->isEnabled(), !editando);
}

void TstFrmPadrao::salvaNovoRegistro()
{
    TFrmTeste& j = *m_janela;
    QTest::mouseClick(j.TBNovo, Qt::LeftButton);
    QCOMPARE(j.novos, 1); // the descendant's handler ran, and called the base
    QCOMPARE(j.operacao(), QStringLiteral("INCLUIDO"));
    digita(j.edCod, QStringLiteral("2"));
    digita(j.edNome, QStringLiteral("dois"));
    digita(j.edValor, QStringLiteral("3,25"));
    QTest::mouseClick(j.TBSalvar, Qt::LeftButton);
    QCOMPARE(textosExibidos(), QStringList());
    QCOMPARE(j.DsPadrao()->estado(), ConjuntoDados::Estado::Navegando);
    QSqlQuery q;
    m_dm->ExecutaSQL(QStringLiteral("SELECT NOME FROM T_TESTE WHERE COD = 2"), q);
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("DOIS"));
}

void TstFrmPadrao::salvarSemAlteracaoAvisa()
{
    TFrmTeste& j = *m_janela;
    QTest::mouseClick(j.TBAlterar, Qt::LeftButton);
    QCOMPARE(j.operacao(), QStringLiteral("ALTERADO"));
    respondeOk();
    QTest::mouseClick(j.TBSalvar, Qt::LeftButton);
    QCOMPARE(textosExibidos(), QStringList{QStringLiteral("Nenhum registro alterado!")});
    QCOMPARE(CaixaMensagem::exibidas().first().titulo, QStringLiteral("Orlix"));
    QCOMPARE(j.DsPadrao()->estado(), ConjuntoDados::Estado::Navegando);
    QVERIFY(j.TBNovo->isEnabled());
}

void TstFrmPadrao::alteraOuCancela()
{
    TFrmTeste& j = *m_janela;
    QCOMPARE(j.edNome->text(), QStringLiteral("UM"));
    QCOMPARE(j.edValor->text(), QStringLiteral("1,50")); // the store's two decimals
    QTest::mouseClick(j.TBAlterar, Qt::LeftButton);
    digita(j.edNome, QStringLiteral("primeiro"));
    QTest::mouseClick(j.TBCancelar, Qt::LeftButton);
    QCOMPARE(j.edNome->text(), QStringLiteral("UM"));

    QTest::mouseClick(j.TBAlterar, Qt::LeftButton);
    digita(j.edNome, QStringLiteral("primeiro"));
    digita(j.edValor, QStringLiteral("2,75"));
    QTest::mouseClick(j.TBSalvar, Qt::LeftButton);
    QCOMPARE(textosExibidos(), QStringList());
    QSqlQuery q;
    m_dm->ExecutaSQL(QStringLiteral("SELECT NOME, VALOR FROM T_TESTE WHERE COD = 1"), q);
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("PRIMEIRO"));
    QCOMPARE(q.value(1).toDouble(), 2.75);
    QCOMPARE(contaLinhas(1), 1);
}

void TstFrmPadrao::gravacaoRecusada_data()
{
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("valor");
    QTest::addColumn<bool>("testaDuplicado");
    QTest::addColumn<QString>("mensagem");
    QTest::addColumn<QString>("foco");
    QTest::newRow("duplicado antes de gravar")
        << "1"
        << "X"
        << "1" << true << QString::fromUtf8("Informação!\rO registro: [ 1 ] já está cadastrado")
        << "edCod";
    QTest::newRow("chave primaria")
        << "1"
        << "X"
        << "1" << false
        << QString::fromUtf8("Atenção.....                      \r\rHouve violação "
                             "de \"Chave Primária\"\rFavor inserir o registro "
                             "novamente.")
        << "edCod";
    QTest::newRow("campo obrigatorio")
        << "5"
        << ""
        << "1" << true
        << QString::fromUtf8("Atenção.....                  \r\r Favor preencher o campo NOME . ")
        << "edNome";
    // No hint: the server's own words, and the record is not taken as saved.
    QTest::newRow("outra recusa") << "5"
                                  << "X"
                                  << "-1" << true << "CHECK constraint failed: VALOR >= 0"
                                  << "";
}

void TstFrmPadrao::gravacaoRecusada()
{
    QFETCH(QString, codigo);
    QFETCH(QString, nome);
    QFETCH(QString, valor);
    QFETCH(bool, testaDuplicado);
    QFETCH(QString, mensagem);
    QFETCH(QString, foco);
    TFrmTeste& j = *m_janela;
    if (testaDuplicado)
        j.TabelaVerifica = QStringLiteral("T_TESTE");
    QTest::mouseClick(j.TBNovo, Qt::LeftButton);
    digita(j.edCod, codigo);
    digita(j.edNome, nome);
    digita(j.edValor, valor);
    j.edValor->setFocus();
    respondeOk();
    QTest::mouseClick(j.TBSalvar, Qt::LeftButton);
    QCOMPARE(textosExibidos(), QStringList{mensagem});
    // Still inserting, with what was typed, ready to be mended and saved again.
    QCOMPARE(j.DsPadrao()->estado(), ConjuntoDados::Estado::Inserindo);
    QVERIFY(j.TBSalvar->isEnabled());
    QVERIFY(!j.TBNovo->isEnabled());
    QCOMPARE(j.edNome->text(), nome.toUpper());
    if (!foco.isEmpty())
        QCOMPARE(QApplication::focusWidget()->objectName(), foco);
    QCOMPARE(contaLinhas(codigo.toInt()), codigo == QLatin1String("1") ? 1 : 0);

    digita(j.edCod, QStringLiteral("8"));
    digita(j.edNome, QStringLiteral("OITO"));
    digita(j.edValor, QStringLiteral("2"));
    QTest::mouseClick(j.TBSalvar, Qt::LeftButton);
    QCOMPARE(j.DsPadrao()->estado(), ConjuntoDados::Estado::Navegando);
    QCOMPARE(contaLinhas(8), 1);
}

void TstFrmPadrao::fecharEmEdicaoERecusado()
{
    TFrmTeste& j = *m_janela;
    QTest::mouseClick(j.TBAlterar, Qt::LeftButton);
    respondeOk();
    j.close();
    QVERIFY(j.isVisible());
    QCOMPARE(CaixaMensagem::exibidas().size(), 1);
    QCOMPARE(CaixaMensagem::exibidas().first().titulo, QString::fromUtf8("Informação"));
    QCOMPARE(CaixaMensagem::exibidas().first().icone, QMessageBox::Warning);
    QCOMPARE(CaixaMensagem::exibidas().first().texto,
             QString::fromUtf8(
                 "Atenção!\rÉ necessário que Salve ou Cancele\ro Registro antes de sair!"));
    QTest::keyClick(j.edNome, Qt::Key_Escape);
    QVERIFY(j.isVisible());
    QTest::mouseClick(j.TBCancelar, Qt::LeftButton);
    QTest::keyClick(&j, Qt::Key_Escape);
    QVERIFY(!j.isVisible());
}

void TstFrmPadrao::verificaCampoObrigatorio()
{
    TFrmTeste& j = *m_janela;
    j.CdsPadrao->info(QStringLiteral("NOME")).rotulo = QStringLiteral("Nome");
    QTest::mouseClick(j.TBNovo, Qt::LeftButton);
    digita(j.edCod, QStringLiteral("9"));
    respondeOk();
    QVERIFY(!j.Verifica_Campo());
    QCOMPARE(CaixaMensagem::exibidas().size(), 1);
    QCOMPARE(CaixaMensagem::exibidas().first().titulo, QString::fromUtf8("Informação"));
    QCOMPARE(CaixaMensagem::exibidas().first().texto,
             QString::fromUtf8("Atenção!\rfavor preencher o campo [Nome]"));
    QCOMPARE(QApplication::focusWidget(), j.edNome);
    digita(j.edNome, QStringLiteral("NOVE"));
    QVERIFY(j.Verifica_Campo());
}

void TstFrmPadrao::falhaNaAcaoMostraErro()
{
    TFrmTeste& j = *m_janela;
    j.CdsPadrao->fecha();
    respondeOk();
    QTest::mouseClick(j.TBNovo, Qt::LeftButton);
    QCOMPARE(textosExibidos(),
             QStringList{QString::fromUtf8("O conjunto de registros está fechado")});
    QCOMPARE(CaixaMensagem::exibidas().first().icone, QMessageBox::Critical);
    QVERIFY(j.isVisible());
    QVERIFY(j.TBNovo->isEnabled());
    QVERIFY(!j.TBSalvar->isEnabled());
}

void TstFrmPadrao::impressoras()
{
    TFrmTeste& j = *m_janela;
    Impressoras::defineFonte([] { return QStringList(); }, [] { return QString(); });
    QVERIFY(!j.verificaimpressora());
    Impressoras::defineFonte([] { return QStringList{QStringLiteral("COZINHA")}; },
                             [] { return QStringLiteral("COZINHA"); });
    QVERIFY(j.verificaimpressora());
    j.NomeImpressora();
    QCOMPARE(j.textoStatus(2), QStringLiteral(" Impressora: COZINHA"));
    Impressoras::defineFonte(nullptr, nullptr);
}

void TstFrmPadrao::teclas_data()
{
    QTest::addColumn<QString>("inicio");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("foco");
    QTest::addColumn<QString>("digitado");
    QTest::newRow("enter vai ao proximo") << "edCod" << int(Qt::Key_Return) << ""
                                          << "edNome"
                                          << "";
    QTest::newRow("enter do teclado numerico") << "edNome" << int(Qt::Key_Enter) << ""
                                               << "edValor"
                                               << "";
    QTest::newRow("seta direita") << "edCod" << int(Qt::Key_Right) << ""
                                  << "edNome"
                                  << "";
    QTest::newRow("seta esquerda") << "edNome" << int(Qt::Key_Left) << ""
                                   << "edCod"
                                   << "";
    QTest::newRow("tab descartado") << "edNome" << int(Qt::Key_Tab) << ""
                                    << "edNome"
                                    << "";
    QTest::newRow("letras em maiusculas") << "edNome" << 0 << "abc Z"
                                          << "edNome"
                                          << "ABC Z";
    QTest::newRow("ponto e virgula decimais") << "edValor" << 0 << "1.5,2"
                                              << "edValor"
                                              << "1,5,2";
    QTest::newRow("acentos ficam")
        << "edNome" << 0 << QString::fromUtf8("ç1") << "edNome" << QString::fromUtf8("ç1");
}

void TstFrmPadrao::teclas()
{
    QFETCH(QString, inicio);
    QFETCH(int, tecla);
    QFETCH(QString, texto);
    QFETCH(QString, foco);
    QFETCH(QString, digitado);
    TFrmTeste& j = *m_janela;
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QTest::mouseClick(j.TBNovo, Qt::LeftButton);
    auto* edit = j.findChild<QLineEdit*>(inicio);
    edit->setFocus();
    QCOMPARE(QApplication::focusWidget(), edit);
    if (tecla)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(tecla));
    for (const QChar c : texto) {
        if (c.unicode() < 128)
            QTest::keyClick(edit, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), foco);
    if (!tecla)
        QCOMPARE(edit->text(), digitado);
}

void TstFrmPadrao::escFechaOuVolta()
{
    TFrmTeste& j = *m_janela;
    j.escFecha = false;
    QTest::mouseClick(j.TBNovo, Qt::LeftButton);
    j.edNome->setFocus();
    QTest::keyClick(j.edNome, Qt::Key_Escape);
    QVERIFY(j.isVisible());
    QCOMPARE(QApplication::focusWidget(), j.edCod);
    QTest::mouseClick(j.TBCancelar, Qt::LeftButton);
    j.escFecha = true;
    QTest::keyClick(j.TBNovo, Qt::Key_Escape);
    QVERIFY(!j.isVisible());
}

void TstFrmPadrao::corDoFoco_data()
{
    QTest::addColumn<QString>("tipo");
    for (const char* t :
         {"QLineEdit", "QDoubleSpinBox", "QComboBox", "QPlainTextEdit", "QDateEdit"})
        QTest::newRow(t) << QString::fromUtf8(t);
}

void TstFrmPadrao::corDoFoco()
{
    QFETCH(QString, tipo);
    TFrmTeste& j = *m_janela;
    QWidget* w = nullptr;
    if (tipo == QLatin1String("QLineEdit"))
        w = new QLineEdit(j.PanelCentral);
    else if (tipo == QLatin1String("QDoubleSpinBox"))
        w = new QDoubleSpinBox(j.PanelCentral);
    else if (tipo == QLatin1String("QComboBox")) {
        auto* c = new QComboBox(j.PanelCentral);
        c->setEditable(true);
        w = c;
    } else if (tipo == QLatin1String("QPlainTextEdit"))
        w = new QPlainTextEdit(j.PanelCentral);
    else
        w = new QDateEdit(j.PanelCentral);
    j.PanelCentral->layout()->addWidget(w);
    w->show();
    QTest::mouseClick(j.TBNovo, Qt::LeftButton);
    w->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), w);
    QCOMPARE(w->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xE6));
    j.edCod->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), j.edCod);
    QCOMPARE(w->palette().color(QPalette::Base), j.palette().color(QPalette::Base));
    QCOMPARE(j.edCod->palette().color(QPalette::Base), TFrmPadrao::corFoco());
}

QTEST_MAIN(TstFrmPadrao)
#include "tst_frmpadrao.moc"
