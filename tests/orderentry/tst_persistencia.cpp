#include "app/Configuracao.h"
#include "orderentry/PersistenciaComanda.h"
#include "platform/Clock.h"
#include "support/InteracaoRoteirizada.h"
#include "support/TestSupport.h"

#include <QSqlRecord>
#include <QThread>
#include <QtTest>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}
} // namespace

class TstPersistencia : public QObject
{
    Q_OBJECT

    struct Ambiente {
        PastaTeste pasta;
        std::unique_ptr<TDMXAL> dm = abreBancoTeste(pasta);
        InteracaoRoteirizada interacao;
        FixedClock relogio{QDateTime(QDate(2026, 12, 11), QTime(20, 0))};
        ConfigAtendimento config;
        TConfigGeral geral;
        Ambiente()
        {
            config.CartaoMIn = 1;
            config.CartaoMax = 100;
            config.HoraInicial = -1;
            config.HoraFinal = 1000;
            config.BloquearItemMesaFechada = true;
        }
        PersistenciaComanda comanda(QChar tipo = QLatin1Char('C'))
        {
            return PersistenciaComanda({*dm, interacao, relogio, config, geral, 1, 7}, tipo);
        }
        ProdutoSelecionado chope()
        {
            ProdutoSelecionado p;
            p.COD_PROD = 24;
            p.VLR_PRECO = 11.9;
            p.FLG_UNIDADE_VENDA = u("UN");
            p.COD_DEPART = 2;
            return p;
        }
        QVariant valor(const char* sql, const Parametros& p = {})
        {
            QSqlQuery q;
            dm->ExecutaSQL(u(sql), q, p);
            return q.next() ? q.value(0) : QVariant();
        }
    };

private slots:
    void abreCartao_data()
    {
        QTest::addColumn<QString>("prefixo");
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<bool>("carregada");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("aviso");
        QTest::newRow("no intervalo") << QString() << u("12") << true << u("12") << QString();
        QTest::newRow("zeros a esquerda") << QString() << u("0012") << true << u("12") << QString();
        QTest::newRow("no limite") << QString() << u("100") << true << u("100") << QString();
        QTest::newRow("acima do intervalo")
            << QString() << u("150") << false << u("150") << u("Intervalo de cartão inválido! ");
        QTest::newRow("prefixo") << u("C") << u("C012") << true << u("12") << QString();
        QTest::newRow("sem o prefixo")
            << u("C") << u("012") << false << u("0") << u("Intervalo de cartão inválido! ");
        QTest::newRow("vinte digitos")
            << QString() << u("12345678901234567890") << false << QString() << QString();
        QTest::newRow("letras e espacos")
            << QString() << u(" c 1 2 ") << true << u("12") << QString();
        QTest::newRow("bloqueado")
            << QString() << u("99") << false << u("99") << u("Comanda Bloqueada!");
    }
    void abreCartao()
    {
        QFETCH(QString, prefixo);
        QFETCH(QString, digitado);
        QFETCH(bool, carregada);
        QFETCH(QString, numero);
        QFETCH(QString, aviso);
        Ambiente a;
        a.geral.PrefixoComanda = prefixo;
        auto c = a.comanda();
        const auto r = c.InicializaComanda(digitado);
        QCOMPARE(r.carregada, carregada);
        QCOMPARE(c.EditComanda, numero);
        QCOMPARE(a.interacao.atencoes.value(0), aviso);
        if (aviso.isEmpty() && !carregada) {
            // A number too large for a card is the conversion error, nothing is opened.
            QCOMPARE(a.interacao.erros,
                     QStringList{u("'12345678901234567890' não é um valor inteiro válido")});
            return;
        }
        QCOMPARE(r.foco, carregada ? Foco::edProduto : Foco::EditComanda);
    }

    void comandaAbertaForaDoIntervaloEAceita()
    {
        Ambiente a;
        a.config.CartaoMax = 200;
        auto outro = a.comanda();
        outro.InicializaComanda(u("101"));
        QVERIFY(outro.InsereComanda(a.chope(), 1, 11.9).gravado);
        a.config.CartaoMax = 100;
        auto c = a.comanda();
        QVERIFY(c.InicializaComanda(u("101")).carregada);
        QVERIFY(c.cabecalho);
    }

    void primeiroItemCriaCabecalhoSeladoEItem()
    {
        Ambiente a;
        auto c = a.comanda();
        c.InicializaComanda(u("12"));
        QVERIFY(!c.cabecalho);
        const auto g = c.InsereComanda(a.chope(), 2, 11.9);
        QVERIFY(g.gravado);
        QCOMPARE(g.numItem, 1);
        QVERIFY(c.cabecalho);
        const auto g2 = c.InsereComanda(a.chope(), 1, 11.9);
        QCOMPARE(g2.numItem, 2);
        QCOMPARE(a.valor("SELECT COUNT(*) FROM CMD_NOTA WHERE NUM_COMANDA = 12").toInt(), 1);
        QSqlQuery q;
        a.dm->ExecutaSQL(
            u("SELECT VLR_TOTAL, TERMINAL, FLG_STATUS, AUTENTICA, ACRESCIMO FROM CMD_ITEM "
              "WHERE NUM_COMANDA = 12 ORDER BY NUM_ITEM"),
            q);
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toDouble(), 23.8);
        QCOMPARE(q.value(1).toInt(), 7);
        QCOMPARE(q.value(2).toString(), u("N"));
        QVERIFY(q.value(3).toLongLong() > 0);
        QCOMPARE(q.value(4).toDouble(), 0.0); // default hours: no service charge
        q.finish();
        QVERIFY(a.valor("SELECT AUTENTICA FROM CMD_NOTA WHERE NUM_COMANDA = 12").toLongLong() > 0);
        QCOMPARE(a.valor("SELECT HORA_FINAL FROM CMD_NOTA WHERE NUM_COMANDA = 12").toString(),
                 u("1899-12-30 20:00:00"));
    }

    void recusasAntesDeGravar_data()
    {
        QTest::addColumn<QString>("cartao");
        QTest::addColumn<double>("quantidade");
        QTest::addColumn<QString>("aviso");
        QTest::addColumn<int>("foco");
        QTest::newRow("cartao zero")
            << u("0") << 1.0 << u("Informe o número do cartão!") << int(Foco::EditComanda);
        QTest::newRow("quantidade zero")
            << u("12") << 0.0 << u("Quantidade Inválida!") << int(Foco::edQuant);
    }
    void recusasAntesDeGravar()
    {
        QFETCH(QString, cartao);
        QFETCH(double, quantidade);
        QFETCH(QString, aviso);
        QFETCH(int, foco);
        Ambiente a;
        auto c = a.comanda();
        c.EditComanda = cartao;
        const auto g = c.InsereComanda(a.chope(), quantidade, 11.9);
        QVERIFY(!g.gravado);
        QCOMPARE(int(g.foco), foco);
        QCOMPARE(a.interacao.atencoes, QStringList{aviso});
        QCOMPARE(a.valor("SELECT COUNT(*) FROM CMD_ITEM").toInt(), 0);
    }

    void cartaoBloqueadoDepoisDeAbertoNaoRecebeItem()
    {
        Ambiente a;
        auto c = a.comanda();
        c.InicializaComanda(u("15"));
        a.dm->ExecutaSQL(
            u("INSERT INTO CART_BLOQUEIO (COD_CARTELA, DATA, COD_LOJA) VALUES (15, :d, 1)"),
            {{u("d"), QDate(2026, 12, 11)}});
        const auto g = c.InsereComanda(a.chope(), 1, 11.9);
        QVERIFY(!g.gravado && g.limparTela);
        QCOMPARE(a.interacao.atencoes, QStringList{u("Comanda Bloqueada!")});
        QCOMPARE(a.valor("SELECT COUNT(*) FROM CMD_NOTA").toInt(), 0);
    }

    void acrescimoForaDoHorario_data()
    {
        QTest::addColumn<int>("hora");
        QTest::addColumn<double>("acrescimo");
        QTest::newRow("02:00") << 2 << 0.0;
        QTest::newRow("05:59") << 5 << 0.0;
        QTest::newRow("06:00") << 6 << 2.38;
        QTest::newRow("01:00") << 1 << 2.38;
    }
    void acrescimoForaDoHorario()
    {
        QFETCH(int, hora);
        QFETCH(double, acrescimo);
        Ambiente a;
        a.config.HoraInicial = 2;
        a.config.HoraFinal = 5;
        a.relogio.define(QDateTime(QDate(2026, 12, 11), QTime(hora, 59)));
        if (hora == 6)
            a.relogio.define(QDateTime(QDate(2026, 12, 11), QTime(6, 0)));
        auto c = a.comanda();
        QCOMPARE(c.calculaAcrescimo(2, 23.8), acrescimo);
        QCOMPARE(c.calculaAcrescimo(5, 23.8), 0.0); // a department without service charge
    }

    void comandaEmFechamentoEReabertura()
    {
        Ambiente a;
        auto c = a.comanda();
        c.InicializaComanda(u("20"));
        QVERIFY(c.InsereComanda(a.chope(), 1, 11.9).gravado);
        a.dm->ExecutaSQL(u("UPDATE CMD_NOTA SET COO = 55 WHERE NUM_COMANDA = 20"));
        QVERIFY(!c.InsereComanda(a.chope(), 1, 11.9).gravado);
        QCOMPARE(a.interacao.atencoes.last(),
                 u("A comanda está em fechamento, o item não será inserido!"));

        // Reopening asks, then needs an employee allowed to (CHK_SANGRIAS) with a password.
        a.interacao.respostas = {true};
        a.interacao.identificacoes = {ResultadoIdentificacao{true, 3}};
        QVERIFY(c.ReabreComanda());
        QCOMPARE(a.interacao.pedidos.last().campoPermissao, u("CHK_SANGRIAS"));
        QCOMPARE(a.interacao.pedidos.last().titulo, u("Autorizar Reabertura Comanda"));
        QVERIFY(a.interacao.pedidos.last().pedeSenha);
        QCOMPARE(a.interacao.mensagens.last(), u("A Comanda 20 foi reaberta com sucesso!"));
        QVERIFY(c.InsereComanda(a.chope(), 1, 11.9).gravado);

        a.dm->ExecutaSQL(u("UPDATE CMD_NOTA SET COO = 56 WHERE NUM_COMANDA = 20"));
        a.interacao.respostas = {true};
        QVERIFY(!c.ReabreComanda()); // nobody identified: stays closing
        QCOMPARE(a.valor("SELECT COO FROM CMD_NOTA WHERE NUM_COMANDA = 20").toInt(), 56);

        a.config.BloquearItemMesaFechada = false;
        QVERIFY(c.InsereComanda(a.chope(), 1, 11.9).gravado);

        // Settled at the checkout meanwhile: the closing data stays and the user is told.
        a.config.BloquearItemMesaFechada = true;
        a.dm->ExecutaSQL(u("UPDATE CMD_NOTA SET CHK_BAIXA = 'T' WHERE NUM_COMANDA = 20"));
        a.interacao.respostas = {true};
        a.interacao.identificacoes = {ResultadoIdentificacao{true, 3}};
        QVERIFY(!c.ReabreComanda());
        QCOMPARE(a.interacao.atencoes.last(),
                 u("A Comanda 20 já foi encerrada e não pode ser reaberta!"));
        QCOMPARE(a.valor("SELECT COO FROM CMD_NOTA WHERE NUM_COMANDA = 20").toInt(), 56);
    }

    void atendenteObrigatorio()
    {
        Ambiente a;
        a.config.AtendenteAutomatico = true;
        auto c = a.comanda();
        c.InicializaComanda(u("33"));
        // Cancelled for the first item of a new comanda: item and header go.
        QVERIFY(!c.InsereComanda(a.chope(), 1, 11.9).gravado);
        QCOMPARE(a.interacao.atencoes.last(),
                 u("A identificação do vendedor é obrigatória, o item não será gravado!"));
        QCOMPARE(a.valor("SELECT COUNT(*) FROM CMD_ITEM").toInt(), 0);
        QCOMPARE(a.valor("SELECT COUNT(*) FROM CMD_NOTA").toInt(), 0);
        QVERIFY(!c.cabecalho);

        // Identified once: the next items reuse the attendant without asking.
        a.interacao.identificacoes = {ResultadoIdentificacao{true, 2}};
        QVERIFY(c.InsereComanda(a.chope(), 1, 11.9).gravado);
        QVERIFY(c.InsereComanda(a.chope(), 1, 11.9).gravado);
        QCOMPARE(a.interacao.pedidos.size(), 2);
        QCOMPARE(a.valor("SELECT COUNT(*) FROM CMD_ITEM WHERE COD_VEND = 2").toInt(), 2);
        QCOMPARE(c.MostraFunc(2), u("002-CARLOS EDUARDO LIMA  11/12/2026 20:00:00"));
    }

    void atendenteJaIdentificadoNoF5()
    {
        Ambiente a;
        auto c = a.comanda();
        c.InicializaComanda(u("34"));
        const auto g = c.InsereComanda(a.chope(), 1, 11.9);
        a.interacao.identificacoes = {ResultadoIdentificacao{true, 1}};
        QVERIFY(c.InsereAtendente(g.numItem, false));
        QVERIFY(c.InsereAtendente(g.numItem, false));
        QCOMPARE(a.interacao.atencoes, QStringList{u("Vendedor já identificado!")});
        // F5 refused on an item without attendant leaves it in place.
        a.config.AtendenteAutomatico = true;
        const auto g2 = c.InsereComanda(a.chope(), 1, 11.9);
        QVERIFY(g2.gravado);
        c.VendedorIdentificado = 0;
        QVERIFY(c.InsereAtendente(g2.numItem, false));
        QCOMPARE(a.valor("SELECT COUNT(*) FROM CMD_ITEM").toInt(), 2);
    }

    void mesaGravadaNoCabecalho()
    {
        Ambiente a;
        a.config.CartaoMesa = true;
        auto c = a.comanda();
        const auto r = c.InicializaComanda(u("40"));
        QVERIFY(r.mostrarPainelMesa);
        QCOMPARE(r.foco, Foco::edMesa);
        c.MesaSelecionada = 7;
        c.Num_Ocupante = 4;
        QVERIFY(c.InsereComanda(a.chope(), 1, 11.9).gravado);
        QCOMPARE(a.valor("SELECT MESA FROM CMD_NOTA WHERE NUM_COMANDA = 40").toInt(), 7);
        auto outra = a.comanda();
        const auto r2 = outra.InicializaComanda(u("40"));
        QCOMPARE(r2.mesa.toInt(), 7);
        QCOMPARE(r2.ocupantes.toInt(), 4);
    }

    void falhaDoBancoNaoDeixaItemPelaMetade()
    {
        Ambiente a;
        auto c = a.comanda();
        c.InicializaComanda(u("45"));
        QCOMPARE(c.InsereComanda(a.chope(), 1, 11.9).numItem, 1);
        // The server refuses the next item (a full disk, a lost connection...).
        a.dm->ExecutaSQL(u("CREATE TRIGGER recusa BEFORE INSERT ON CMD_ITEM WHEN NEW.COD_PROD = 30 "
                           "BEGIN SELECT RAISE(ABORT, 'disco cheio'); END"));
        ProdutoSelecionado lata = a.chope();
        lata.COD_PROD = 30;
        const auto g = c.InsereComanda(lata, 1, 7);
        QVERIFY(!g.gravado);
        QCOMPARE(a.interacao.erros.size(), 1);
        QVERIFY(a.interacao.erros.first().startsWith(
            u("Problemas ao gravar tabela CMD_ITEM Erro ao executar comando\r")));
        QVERIFY(a.interacao.erros.first().contains(u("disco cheio")));
        QCOMPARE(a.valor("SELECT COUNT(*) FROM CMD_ITEM WHERE NUM_COMANDA = 45").toInt(), 1);
        // The next item is numbered right after the last stored one.
        QCOMPARE(c.InsereComanda(a.chope(), 1, 11.9).numItem, 2);
    }

    void doisTerminaisNoMesmoCartao()
    {
        Ambiente a;
        const QString arquivo = a.pasta.caminho(u("shop.db"));
        // Each terminal has its own connection, in its own thread, confirming 500 items.
        auto terminal = [&](int numero) {
            return QThread::create([&, numero] {
                TDMXAL dm(QStringLiteral("terminal%1").arg(numero));
                DescricaoConexao c;
                c.texto = arquivo;
                dm.DataModuleCreate(c);
                InteracaoRoteirizada interacao;
                PersistenciaComanda comanda(
                    {dm, interacao, a.relogio, a.config, a.geral, 1, numero}, QLatin1Char('C'));
                comanda.InicializaComanda(u("77"));
                for (int i = 0; i < 500; ++i)
                    comanda.InsereComanda(a.chope(), 1, 11.9);
            });
        };
        QThread* t1 = terminal(1);
        QThread* t2 = terminal(2);
        t1->start();
        t2->start();
        QVERIFY(t1->wait(120000));
        QVERIFY(t2->wait(120000));
        delete t1;
        delete t2;
        QCOMPARE(a.valor("SELECT COUNT(*) FROM CMD_NOTA WHERE NUM_COMANDA = 77").toInt(), 1);
        QCOMPARE(a.valor("SELECT COUNT(*) FROM CMD_ITEM WHERE NUM_COMANDA = 77").toInt(), 1000);
        QCOMPARE(
            a.valor("SELECT COUNT(DISTINCT NUM_ITEM) FROM CMD_ITEM WHERE NUM_COMANDA = 77").toInt(),
            1000);
        QCOMPARE(a.valor("SELECT MIN(NUM_ITEM) FROM CMD_ITEM WHERE NUM_COMANDA = 77").toInt(), 1);
        QCOMPARE(a.valor("SELECT MAX(NUM_ITEM) FROM CMD_ITEM WHERE NUM_COMANDA = 77").toInt(),
                 1000);
        QCOMPARE(a.valor("SELECT COUNT(*) FROM CMD_ITEM WHERE NUM_COMANDA = 77 AND TERMINAL = 2")
                     .toInt(),
                 500);
    }

    void orcamentoExigeDocumentoValido_data()
    {
        QTest::addColumn<QString>("documento");
        QTest::addColumn<QString>("contato");
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("aviso");
        QTest::newRow("sem documento")
            << QString() << u("ANA") << u("Física") << u("O Campo CPF/CNPJ deve ser preenchido!");
        QTest::newRow("sem contato") << u("529.982.247-25") << QString() << u("Física")
                                     << u("O Campo Contato deve ser preenchido!");
        QTest::newRow("cpf invalido")
            << u("529.982.247-24") << u("ANA") << u("Física") << u("CPF Inválido!");
        QTest::newRow("cnpj invalido")
            << u("11.222.333/0001-80") << u("ANA") << u("Jurídica") << u("CNPJ Inválido!");
        QTest::newRow("cpf valido") << u("529.982.247-25") << u("ANA") << u("Física") << QString();
        QTest::newRow("cnpj valido")
            << u("11.222.333/0001-81") << u("ANA") << u("Jurídica") << QString();
    }
    void orcamentoExigeDocumentoValido()
    {
        QFETCH(QString, documento);
        QFETCH(QString, contato);
        QFETCH(QString, tipo);
        QFETCH(QString, aviso);
        Ambiente a;
        auto c = a.comanda(QLatin1Char('D'));
        c.EditComanda = u("100001");
        c.dados.edDocumento = documento;
        c.dados.edContato = contato;
        c.dados.tipoPessoa = tipo;
        QCOMPARE(c.InsereComanda(a.chope(), 1, 11.9).gravado, aviso.isEmpty());
        QCOMPARE(a.interacao.atencoes.value(0), aviso);
    }
};

QTEST_GUILESS_MAIN(TstPersistencia)
#include "tst_persistencia.moc"
