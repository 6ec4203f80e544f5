#include "app/Configuracao.h"
#include "app/PainelSenha.h"
#include "app/SenhaSuporte.h"
#include "app/TfrmBrisvel.h"
#include "platform/TokenMaquina.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSqlQuery>
#include <QStyle>
#include <QToolButton>
#include <QtTest>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}

class JanelaTeste : public TfrmBrisvel
{
public:
    QStringList mensagens;

protected:
    void mostraMensagem(QMessageBox::Icon, const QString& texto) override { mensagens << texto; }
};

class EditTeclas : public QLineEdit
{
public:
    QList<int> teclas;

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        teclas << e->key();
        QLineEdit::keyPressEvent(e);
    }
};

QByteArray iniDemo()
{
    QFile f(QStringLiteral(DEMO_INI));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("demo ini");
    return f.readAll();
}

QAction* acao(QWidget& w, const char* nome)
{
    auto* a = w.findChild<QAction*>(QString::fromLatin1(nome));
    if (!a)
        qFatal("menu item %s missing", nome);
    return a;
}

QStringList captionsVisiveis(const QList<QAction*>& acoes)
{
    QStringList c;
    for (QAction* a : acoes)
        if (a->isVisible())
            c << a->text();
    return c;
}

// A shop folder with the demo settings and database, and the main window created on it.
struct Loja {
    PastaTeste pasta;
    std::unique_ptr<TDMXAL> dm;
    JanelaTeste janela;

    explicit Loja(const QByteArray& ini = iniDemo())
    {
        pasta.escreve(kArquivoAtendimento, ini);
        dm = abreBancoTeste(pasta);
    }
    bool cria() { return janela.FormCreate(dm.get()); }
    bool mostra()
    {
        janela.show();
        janela.activateWindow();
        return QTest::qWaitForWindowActive(&janela);
    }
};
} // namespace

class TstFrmBrisvel : public QObject
{
    Q_OBJECT
private slots:
    void init() { ConfigGeral = TConfigGeral(); }

    void menuCompletoComCaptionsExatas()
    {
        Loja loja;
        QVERIFY(loja.cria());
        QVERIFY(loja.mostra());
        JanelaTeste& w = loja.janela;
        QCOMPARE(w.windowTitle(), u("Brisvel"));
        QCOMPARE(w.findChild<QLabel*>(u("lbVersao"))->text(), u("1001"));
        QCOMPARE(captionsVisiveis(w.menuBar()->actions()),
                 QStringList({u("Cadastro"), u("Brisvel"), u("Orçamento"), u("Kit"),
                              u("Bloqueio Comanda"), u("Relatórios"), u("Atualizar Sistema")}));
        auto menu = [&](const char* nome) {
            return captionsVisiveis(w.findChild<QMenu*>(QString::fromLatin1(nome))->actions());
        };
        QCOMPARE(menu("Cadastro1"),
                 QStringList({u("Cadastrar Lista"), u("Impressoras"), u("Vincular Departamento"),
                              u("Cadastrar Terminais"), u("Observação")}));
        QCOMPARE(menu("Kit1"),
                 QStringList({u("Kit de Produtos"), u("Manutenção de Preço Kit"), u("Relatório")}));
        QCOMPARE(menu("Relatorio1"), QStringList({u("Kit")}));
        QCOMPARE(menu("Relatorios1"),
                 QStringList({u("Rastreamento de Comandas"), u("Orçamento"), u("Cancelamentos"),
                              u("Produtividade Por Funcionário"), u("Terminais"),
                              u("Relatório de Ticket médio por Mesa"), u("Análise de Produto"),
                              u("Relatório de Comandas Abertas"), u("Produtos Vendidos")}));
        // Hidden whatever the settings say.
        QCOMPARE(acao(w, "PreVenda11")->text(), u("Pre Venda"));
        QVERIFY(!acao(w, "PreVenda11")->isVisible());
        QCOMPARE(acao(w, "ImprimeDAV11")->text(), u("Imprime Orçamento"));
        QVERIFY(!acao(w, "ImprimeDAV11")->isVisible());
        QCOMPARE(acao(w, "RelatoriodoCondominio1")->text(), u("Relatório do Condomínio"));
        // No window is built yet behind these entries: present and disabled.
        for (const char* nome :
             {"PrAtendimento1", "Oramento11", "KitdeProdutos1", "CadastrarTerminais1",
              "BloqueioComanda1", "AtualizarSistema1", "ProdutosVendidos1"})
            QVERIFY2(!acao(w, nome)->isEnabled(), nome);
        QVERIFY(acao(w, "Cadastro1")->isEnabled());
        QVERIFY(acao(w, "Relatorios1")->isEnabled());
    }

    void entradaComJanelaAbre()
    {
        Loja loja;
        int abertas = 0;
        loja.janela.defineAbridor(JanelaMenu::CadTerminal, [&] { ++abertas; });
        QVERIFY(loja.cria());
        QVERIFY(loja.mostra());
        QAction* a = acao(loja.janela, "CadastrarTerminais1");
        QVERIFY(a->isEnabled());
        a->trigger();
        QCOMPARE(abertas, 1);
    }

    void ajustesDoArquivoNaAtivacao_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("orcamento");
        QTest::addColumn<bool>("brisvelHabilitado");
        QTest::addColumn<bool>("condominioVisivel");
        QTest::addColumn<bool>("demaisHabilitados");
        QTest::addColumn<QString>("criados");
        QTest::newRow("padrao")
            << QByteArray("[ATENDIMENTO]\nHabilitaBrisvel=Sim\nHabilitaOrcamento=Sim\n")
            << u("Orçamento") << true << false << true << QString();
        QTest::newRow("condominio")
            << QByteArray(
                   "[ATENDIMENTO]\nHabilitaBrisvel=Sim\nHabilitaOrcamento=Sim\nCondominio=SIM\n")
            << u("Lançamento") << false << true << true << QString();
        QTest::newRow("abre atendimento")
            << QByteArray("[ATENDIMENTO]\nHabilitaBrisvel=Sim\nHabilitaOrcamento="
                          "Sim\nAbreAtendimentoInicializacao=sim\n")
            << u("Orçamento") << true << false << false << u("C");
    }
    void ajustesDoArquivoNaAtivacao()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, orcamento);
        QFETCH(bool, brisvelHabilitado);
        QFETCH(bool, condominioVisivel);
        QFETCH(bool, demaisHabilitados);
        QFETCH(QString, criados);
        Loja loja(ini);
        QString tipos;
        QList<QWidget*> janelas;
        loja.janela.defineCriadorAtendimento([&](QChar tipo) {
            tipos += tipo;
            janelas << new QWidget;
            return janelas.last();
        });
        QVERIFY(loja.cria());
        QVERIFY(loja.mostra());
        JanelaTeste& w = loja.janela;
        QCOMPARE(acao(w, "Oramento11")->text(), orcamento);
        QCOMPARE(acao(w, "RelOrcamento1")->text(), orcamento);
        QCOMPARE(acao(w, "PrAtendimento1")->isEnabled(), brisvelHabilitado);
        QCOMPARE(acao(w, "RelatoriodoCondominio1")->isVisible(), condominioVisivel);
        for (const char* nome : {"Oramento11", "Kit1", "Cadastro1", "Relatorios1"})
            QVERIFY2(acao(w, nome)->isEnabled() == demaisHabilitados, nome);

        // Another activation does not open a second comanda window.
        QWidget outra;
        outra.show();
        outra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&outra));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(tipos, criados);
        if (!criados.isEmpty())
            QCOMPARE(w.frmAtendimento(), janelas.first());
        qDeleteAll(janelas);
    }

    void lojaDaCriacaoELojaUmNaAtivacao()
    {
        Loja loja;
        loja.dm->ExecutaSQL(u("UPDATE LOJA SET COD_LOJA = 7, UF = 'SP'"));
        loja.dm->ExecutaSQL(u("UPDATE SENHA SET COD_LOJA = 7 WHERE CODIGO = 1000"));
        QVERIFY(loja.cria());
        JanelaTeste& w = loja.janela;
        QCOMPARE(w.CODLOJA, 7);
        QCOMPARE(w.TOKEN, TokenMaquina());
        QCOMPARE(w.COD_TERM, 256);
        QSqlQuery q;
        loja.dm->ExecutaSQL(u("SELECT SENHA FROM SENHA WHERE CODIGO = 1000 AND COD_LOJA = 7"), q);
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), SenhaDoDia(QDate::currentDate()));

        QVERIFY(loja.mostra());
        QCOMPARE(w.CODLOJA, 1);
        QCOMPARE(w.CODFUNC, 1000);
        // Store 1 does not exist here: the state falls back to "PB".
        QCOMPARE(w.Estado, u("PB"));
        QCOMPARE(w.RSOCIAL, QString());
        QVERIFY(w.mensagens.isEmpty());
    }

    void terminalInativoEncerra()
    {
        Loja loja;
        loja.dm->ExecutaSQL(u("INSERT INTO CMD_TERMINAIS (COD_TERM, DESCRICAO, CHK_ATIVO, TOKEN) "
                              "VALUES (12, 'BALCAO', 'F', :t)"),
                            {{u("t"), TokenMaquina()}});
        QVERIFY(!loja.cria());
        QCOMPARE(loja.janela.COD_TERM, 12);
        QCOMPARE(loja.janela.mensagens, QStringList{u("Esse terminal não está ativo para uso!")});
    }

    void semBancoAJanelaAbre()
    {
        PastaTeste pasta;
        pasta.escreve(kArquivoAtendimento, iniDemo());
        TDMXAL dm(u("sem-banco"));
        DescricaoConexao c;
        c.texto = pasta.caminho(u("nao/existe/shop.db"));
        QVERIFY(!dm.DataModuleCreate(c).isEmpty());
        JanelaTeste w;
        QVERIFY(w.FormCreate(&dm));
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.COD_TERM, 0);
        QCOMPARE(w.CODLOJA, 1);
        QCOMPARE(w.Estado, u("PB"));
        QVERIFY(acao(w, "PrAtendimento1")->isVisible());
        QVERIFY(w.mensagens.isEmpty());
    }

    void painelDeSenha_data()
    {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("senha");
        QTest::addColumn<QString>("mensagem"); // empty: accepted
        QTest::newRow("gerente") << u("3") << u("MARIA JOSÉ FERREIRA") << u("3333") << QString();
        QTest::newRow("sem permissao")
            << u("1") << u("ANA PAULA SOUZA") << u("1111") << u("Funcionário sem permissão");
        QTest::newRow("senha errada")
            << u("3") << u("MARIA JOSÉ FERREIRA") << u("4444") << u("Senha Inválida");
        QTest::newRow("senha vazia")
            << u("3") << u("MARIA JOSÉ FERREIRA") << QString() << u("Senha Inválida");
    }
    void painelDeSenha()
    {
        QFETCH(QString, codigo);
        QFETCH(QString, nome);
        QFETCH(QString, senha);
        QFETCH(QString, mensagem);
        Loja loja;
        int bloqueios = 0;
        loja.janela.defineAbridor(JanelaMenu::BloqueioCartela, [&] { ++bloqueios; });
        QVERIFY(loja.cria());
        QVERIFY(loja.mostra());
        JanelaTeste& w = loja.janela;
        auto* painel = w.findChild<QFrame*>(u("pnSenha"));
        auto* edtCod = w.findChild<QLineEdit*>(u("edtCod"));
        auto* edtNome = w.findChild<QLineEdit*>(u("edtNome"));
        auto* edtSenha = w.findChild<QLineEdit*>(u("edtSenha"));
        QVERIFY(!painel->isVisible());

        QAction* menu = acao(w, "BloqueioComanda1");
        QVERIFY(menu->isEnabled());
        menu->trigger();
        QVERIFY(painel->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), edtCod);
        // Centred on the main window.
        const QPoint centro = painel->mapTo(&w, painel->rect().center());
        QVERIFY(qAbs(centro.x() - w.width() / 2) < 10);

        QTest::keyClicks(edtCod, codigo);
        QCOMPARE(edtNome->text(), nome);
        QTest::keyClick(edtCod, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), edtSenha);
        QTest::keyClicks(edtSenha, senha);
        QCOMPARE(edtSenha->echoMode(), QLineEdit::Password);
        QTest::keyClick(edtSenha, Qt::Key_Return);

        if (mensagem.isEmpty()) {
            QCOMPARE(bloqueios, 1);
            QVERIFY(w.mensagens.isEmpty());
            QVERIFY(!painel->isVisible());
            QCOMPARE(edtCod->text(), QString());
            QCOMPARE(edtSenha->text(), QString());
        } else {
            QCOMPARE(bloqueios, 0);
            QCOMPARE(w.mensagens, QStringList{mensagem});
            QVERIFY(painel->isVisible());
        }
    }

    void painelFechaLimpaESenhaCurta()
    {
        Loja loja;
        loja.janela.defineAbridor(JanelaMenu::BloqueioCartela, [] {});
        QVERIFY(loja.cria());
        QVERIFY(loja.mostra());
        JanelaTeste& w = loja.janela;
        acao(w, "BloqueioComanda1")->trigger();
        auto* edtCod = w.findChild<QLineEdit*>(u("edtCod"));
        auto* edtSenha = w.findChild<QLineEdit*>(u("edtSenha"));
        QTest::keyClicks(edtCod, u("3"));
        QTest::keyClicks(edtSenha, u("1234567890"));
        QCOMPARE(edtSenha->text(), u("12345678"));
        QCOMPARE(
            edtSenha->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, edtSenha),
            int('*'));
        QTest::mouseClick(w.findChild<QToolButton*>(u("btFechar")), Qt::LeftButton);
        QVERIFY(!w.findChild<QFrame*>(u("pnSenha"))->isVisible());
        QCOMPARE(edtCod->text(), QString());
        QCOMPARE(edtSenha->text(), QString());
        QVERIFY(w.mensagens.isEmpty());
    }

    void f10NaoFazNadaEmJanelaNenhuma()
    {
        Loja loja;
        QVERIFY(loja.cria());
        QVERIFY(loja.mostra());
        EditTeclas outra;
        outra.show();
        outra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&outra));
        QTest::keyClick(&outra, Qt::Key_F10);
        QTest::keyClick(&outra, Qt::Key_F9);
        QCOMPARE(outra.teclas, QList<int>{Qt::Key_F9});
        QTest::keyClick(&loja.janela, Qt::Key_F10);
        QVERIFY(!loja.janela.menuBar()->activeAction());
    }

    void fecharAvisaOPrograma()
    {
        Loja loja;
        QVERIFY(loja.cria());
        QVERIFY(loja.mostra());
        QSignalSpy fechada(&loja.janela, &TfrmBrisvel::fechada);
        loja.janela.close();
        QCOMPARE(fechada.count(), 1);
    }
};

QTEST_MAIN(TstFrmBrisvel)
#include "tst_frmbrisvel.moc"
