// The identification rules on the demo shop: code and badge lookups, password, permission
// column, and identification by print with the simulated reader.
#include "identification/IdentificaCliente.h"
#include "identification/IdentificaFuncionario.h"
#include "platform/Biometria.h"
#include "support/InteracaoRoteirizada.h"
#include "support/TestSupport.h"

#include <QtTest>

namespace
{
const QString u(const char* s)
{
    return QString::fromUtf8(s);
}

// A final result of typing a code, Enter, a password, Enter.
struct Desfecho {
    int resultado = mrNone;
    QString mensagem;
};

TConfigGeral biometria(bool habilita, bool soIni)
{
    TConfigGeral c;
    c.HabilitaBiometria = habilita;
    c.SoBioFun = habilita;
    c.SoBioCli = habilita;
    c.SoBioIni = soIni;
    return c;
}
} // namespace

class TstIdentificacao : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PastaTeste> m_pasta;
    std::unique_ptr<TDMXAL> m_dm;
    BiometriaSimulada* m_leitor = nullptr;

    void carregaSlots()
    {
        QVERIFY(m_leitor->inicia(1));
        QVERIFY(m_leitor->inicia(2));
        m_leitor->adiciona(1, QStringLiteral("DIG-ANA"), 1);
        m_leitor->adiciona(1, QStringLiteral("DIG-MARIA"), 3);
        m_leitor->adiciona(1, QStringLiteral("DIG-BEATRIZ"), 5);
        m_leitor->adiciona(1, QStringLiteral("DIG-RAFAEL"), 6);
        m_leitor->adiciona(2, QStringLiteral("DIG-JOSE"), 2);
        m_leitor->adiciona(2, QStringLiteral("DIG-CONCEICAO"), 3);
    }

private slots:
    // The rules only read: one demo shop serves every case.
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
        auto leitor = std::make_unique<BiometriaSimulada>();
        m_leitor = leitor.get();
        defineBackendBiometria(std::move(leitor));
        carregaSlots();
    }
    void cleanup() { defineBackendBiometria(nullptr); }

    void funcionarioPorTeclado_data()
    {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QString>("senha");
        QTest::addColumn<QString>("permissao");
        QTest::addColumn<int>("loja");
        QTest::addColumn<bool>("soBioIni");
        QTest::addColumn<int>("resultado");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<int>("funcionario");

        const QString nada;
        QTest::newRow("código e senha") << "3"
                                        << "3333" << nada << 1 << false << int(mrYes) << nada << 3;
        QTest::newRow("senha errada")
            << "3"
            << "3334" << nada << 1 << false << int(mrNone) << u("Senha Inválida!") << 0;
        QTest::newRow("senha com aspas")
            << "3"
            << "33'3" << nada << 1 << false << int(mrNone) << u("Senha Inválida!") << 0;
        QTest::newRow("senha vazia")
            << "2"
            << "" << nada << 1 << false << int(mrNone) << u("Senha Inválida!") << 0;
        QTest::newRow("crachá sem senha") << "20000003"
                                          << "" << nada << 1 << false << int(mrYes) << nada << 3;
        QTest::newRow("crachá sem permissão")
            << "20000001"
            << ""
            << "CHK_EXCLUIR_ITEM" << 1 << false << int(mrNo) << u("Senha não Autorizada!") << 0;
        QTest::newRow("permissão T") << "4"
                                     << "4444"
                                     << "CHK_EXCLUIR_ITEM" << 1 << false << int(mrYes) << nada << 4;
        QTest::newRow("permissão F")
            << "4"
            << "4444"
            << "CHK_SANGRIAS" << 1 << false << int(mrNo) << u("Senha não Autorizada!") << 0;
        QTest::newRow("permissão em minúsculas")
            << "3"
            << "3333"
            << "chk_descontos" << 1 << false << int(mrYes) << nada << 3;
        QTest::newRow("coluna inexistente")
            << "3"
            << "3333"
            << "CHK_VOAR" << 1 << false << int(mrNo) << u("Senha não Autorizada!") << 0;
        QTest::newRow("coluna com SQL") << "3"
                                        << "3333"
                                        << "SENHA FROM SENHA; DROP TABLE SENHA --" << 1 << false
                                        << int(mrNo) << u("Senha não Autorizada!") << 0;
        QTest::newRow("coluna SENHA não é permissão")
            << "3"
            << "3333"
            << "SENHA" << 1 << false << int(mrNo) << u("Senha não Autorizada!") << 0;
        QTest::newRow("sem linha de senha, permissão")
            << "5"
            << ""
            << "CHK_SANGRIAS" << 1 << false << int(mrNo) << u("Senha não Cadastrada!") << 0;
        QTest::newRow("sem linha de senha, senha vazia")
            << "5"
            << "" << nada << 1 << false << int(mrNo) << u("Senha não Cadastrada!") << 0;
        QTest::newRow("afastado") << "6"
                                  << "6666" << nada << 1 << false << int(mrNo)
                                  << u("Código não Encontrado!") << 0;
        QTest::newRow("outra loja")
            << "3"
            << "3333" << nada << 2 << false << int(mrNo) << u("Código não Encontrado!") << 0;
        QTest::newRow("negativo") << "-3"
                                  << "3333" << nada << 1 << false << int(mrNo)
                                  << u("Código não Encontrado!") << 0;
        QTest::newRow("7 caracteres só como crachá")
            << "0000003"
            << "3333" << nada << 1 << false << int(mrNo) << u("Código não Encontrado!") << 0;
        QTest::newRow("crachá com sobra")
            << "200000031"
            << "" << nada << 1 << false << int(mrNo) << u("Código não Encontrado!") << 0;
        QTest::newRow("muito longo")
            << "99999999999999999999999"
            << "" << nada << 1 << false << int(mrNo) << u("Código não Encontrado!") << 0;
        QTest::newRow("SoBioIni sem leitor compara a senha")
            << "3"
            << "0000" << nada << 1 << true << int(mrNone) << u("Senha Inválida!") << 0;
    }
    void funcionarioPorTeclado()
    {
        QFETCH(QString, codigo);
        QFETCH(QString, senha);
        QFETCH(QString, permissao);
        QFETCH(int, loja);
        QFETCH(bool, soBioIni);
        QFETCH(int, resultado);
        QFETCH(QString, mensagem);
        QFETCH(int, funcionario);

        // With SoBioIni on, fingerprint is switched on in the settings but no reader answers.
        m_leitor->dispositivo = false;
        const TConfigGeral config = biometria(soBioIni, soBioIni);
        InteracaoRoteirizada ui;
        IdentificaFuncionario regras(*m_dm, config, loja, ui);
        regras.defineVerificaPermissao(!permissao.isEmpty(), permissao);
        QVERIFY(!regras.somenteBiometria());

        Resposta r = regras.saiCodigo(codigo);
        if (r.resultado == mrNone) {
            QCOMPARE(r.foco, Resposta::Foco::Senha);
            r = regras.confirmaSenha(senha);
        }
        QCOMPARE(r.resultado, resultado);
        QCOMPARE(ui.atencoes, mensagem.isEmpty() ? QStringList() : QStringList{mensagem});
        if (resultado == mrYes)
            QCOMPARE(regras.Funcionario(), funcionario);
        if (resultado == mrNone)
            QCOMPARE(r.foco, Resposta::Foco::Senha);
    }

    // Nothing that is not a code reaches the database or the password.
    void codigoSemValor_data()
    {
        QTest::addColumn<QString>("codigo");
        QTest::newRow("vazio") << QString();
        QTest::newRow("zero") << QStringLiteral("0");
        QTest::newRow("letras") << QStringLiteral("abc");
        QTest::newRow("espaços") << QStringLiteral("   ");
    }
    void codigoSemValor()
    {
        QFETCH(QString, codigo);
        InteracaoRoteirizada ui;
        const TConfigGeral config;
        IdentificaFuncionario regras(*m_dm, config, 1, ui);
        // A typed code first, so that a refused second one cannot ride on it.
        QCOMPARE(regras.saiCodigo(QStringLiteral("3")).foco, Resposta::Foco::Senha);
        const Resposta r = regras.saiCodigo(codigo);
        QCOMPARE(r.resultado, int(mrNone));
        QCOMPARE(r.foco, Resposta::Foco::Codigo);
        QVERIFY(ui.atencoes.isEmpty());
        const Resposta s = regras.confirmaSenha(QStringLiteral("3333"));
        QCOMPARE(s.resultado, int(mrNone));
        QCOMPARE(s.foco, Resposta::Foco::Codigo);
    }

    void semSolicitaSenhaAceitaSemComparar()
    {
        InteracaoRoteirizada ui;
        const TConfigGeral config;
        IdentificaFuncionario regras(*m_dm, config, 1, ui);
        regras.SolicitaSenha = false;
        QCOMPARE(regras.saiCodigo(QStringLiteral("2")).resultado, int(mrNone));
        QCOMPARE(regras.confirmaSenha(QString()).resultado, int(mrYes));
        QCOMPARE(regras.Funcionario(), 2);
        QCOMPARE(regras.nome(), u("CARLOS EDUARDO LIMA"));
    }

    void funcionarioPorDigital_data()
    {
        QTest::addColumn<QList<QString>>("capturas"); // "" = capture cancelled
        QTest::addColumn<bool>("soBioIni");
        QTest::addColumn<QString>("permissao");
        QTest::addColumn<int>("resultado"); // mrNone with acceptance: accepted after the pause
        QTest::addColumn<bool>("aceita");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<int>("funcionario");
        QTest::addColumn<int>("capturasFeitas");

        const QString nada;
        using L = QList<QString>;
        QTest::newRow("identificado")
            << L{u("DIG-MARIA")} << false << nada << int(mrNone) << true << nada << 3 << 1;
        QTest::newRow("com permissão") << L{u("DIG-MARIA")} << false << "CHK_SANGRIAS"
                                       << int(mrNone) << true << nada << 3 << 1;
        QTest::newRow("não identificado, teclado")
            << L{u("DIG-NINGUEM")} << false << nada << int(mrNo) << false
            << u("Biometria inválida!") << 0 << 1;
        QTest::newRow("não identificado, só biometria")
            << L{u("DIG-NINGUEM"), u("DIG-NINGUEM"), u("DIG-MARIA")} << true << nada << int(mrNone)
            << true << nada << 3 << 3;
        QTest::newRow("cancelada") << L{QString()} << false << nada << int(mrNo) << false
                                   << u("Biometria cancelada!") << 0 << 1;
        QTest::newRow("cancelada após falha, só biometria")
            << L{u("DIG-NINGUEM"), QString()} << true << nada << int(mrNo) << false
            << u("Biometria cancelada!") << 0 << 2;
        QTest::newRow("afastado") << L{u("DIG-RAFAEL")} << false << nada << int(mrNo) << false
                                  << u("Código não Encontrado!") << 0 << 1;
        QTest::newRow("sem permissão") << L{u("DIG-ANA")} << false << "CHK_SANGRIAS" << int(mrNo)
                                       << false << u("Funcionário não autorizado!") << 0 << 1;
        QTest::newRow("sem linha de senha")
            << L{u("DIG-BEATRIZ")} << false << "CHK_SANGRIAS" << int(mrNo) << false
            << u("Senha não cadastrada!") << 0 << 1;
    }
    void funcionarioPorDigital()
    {
        QFETCH(QList<QString>, capturas);
        QFETCH(bool, soBioIni);
        QFETCH(QString, permissao);
        QFETCH(int, resultado);
        QFETCH(bool, aceita);
        QFETCH(QString, mensagem);
        QFETCH(int, funcionario);
        QFETCH(int, capturasFeitas);

        for (const QString& c : capturas)
            m_leitor->capturas.append(c.isEmpty() ? std::nullopt : std::optional<QString>(c));
        const TConfigGeral config = biometria(true, soBioIni);
        InteracaoRoteirizada ui;
        IdentificaFuncionario regras(*m_dm, config, 1, ui);
        regras.defineVerificaPermissao(!permissao.isEmpty(), permissao);
        QCOMPARE(regras.somenteBiometria(), soBioIni);

        const Resposta r = regras.biometria();
        QCOMPARE(r.resultado, resultado);
        QCOMPARE(r.aceitaAposPausa, aceita);
        QCOMPARE(ui.atencoes, mensagem.isEmpty() ? QStringList() : QStringList{mensagem});
        QCOMPARE(m_leitor->capturasFeitas, capturasFeitas);
        if (aceita) {
            QCOMPARE(regras.Funcionario(), funcionario);
            QCOMPARE(r.codigo.value_or(QString()), QString::number(funcionario));
            QCOMPARE(r.senha.value_or(QString()), QStringLiteral("3333"));
            // Enter before the dialog closes accepts the same person.
            QCOMPARE(regras.confirmaSenha(*r.senha).resultado, int(mrYes));
            QCOMPARE(regras.Funcionario(), funcionario);
        }
    }

    // A demonstration reader that always reads the same unknown print must not keep the
    // fingerprint-only dialog capturing for ever.
    void leitorDeDemonstracaoNaoPrendeODialogo()
    {
        m_leitor->capturaFixa = QStringLiteral("DIG-DESCONHECIDA");
        const TConfigGeral config = biometria(true, true);
        InteracaoRoteirizada ui;
        IdentificaFuncionario regras(*m_dm, config, 1, ui);
        QCOMPARE(regras.biometria().resultado, int(mrNo));
        QCOMPARE(ui.atencoes, QStringList{u("Biometria cancelada!")});
        QCOMPARE(m_leitor->capturasFeitas, 2);
        // The next attempt reads the print again.
        m_leitor->capturaFixa = QStringLiteral("DIG-MARIA");
        QVERIFY(regras.biometria().aceitaAposPausa);
    }

    void funcionarioSemLeitor_data()
    {
        QTest::addColumn<bool>("habilita");
        QTest::addColumn<bool>("dispositivo");
        QTest::addColumn<bool>("sensorAbre");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("ajustes desligados") << false << true << true << QString();
        QTest::newRow("nenhum leitor") << true << false << true << QString();
        QTest::newRow("leitor não abre")
            << true << true << false << u("Sensor de Biometria não encontrado!");
    }
    void funcionarioSemLeitor()
    {
        QFETCH(bool, habilita);
        QFETCH(bool, dispositivo);
        QFETCH(bool, sensorAbre);
        QFETCH(QString, mensagem);
        m_leitor->dispositivo = dispositivo;
        m_leitor->sensorAbre = sensorAbre;
        m_leitor->capturas = {u("DIG-MARIA")};
        const TConfigGeral config = biometria(habilita, true);
        InteracaoRoteirizada ui;
        IdentificaFuncionario regras(*m_dm, config, 1, ui);
        const Resposta r = regras.biometria();
        QCOMPARE(r.resultado, mensagem.isEmpty() ? int(mrNone) : int(mrNo));
        QVERIFY(!r.aceitaAposPausa);
        QCOMPARE(ui.atencoes, mensagem.isEmpty() ? QStringList() : QStringList{mensagem});
        QCOMPARE(m_leitor->capturasFeitas, 0);
        // Without a usable reader the keyboard identifies.
        QCOMPARE(regras.somenteBiometria(), dispositivo && habilita);
    }

    void defaultBackendReportsNoDevice()
    {
        defineBackendBiometria(nullptr);
        const TConfigGeral config = biometria(true, true);
        InteracaoRoteirizada ui;
        IdentificaFuncionario regras(*m_dm, config, 1, ui);
        QVERIFY(!regras.biometriaHabilitada());
        QVERIFY(!regras.somenteBiometria());
        QCOMPARE(regras.biometria().resultado, int(mrNone));
        QCOMPARE(regras.saiCodigo(QStringLiteral("3")).foco, Resposta::Foco::Senha);
        QCOMPARE(regras.confirmaSenha(QStringLiteral("3333")).resultado, int(mrYes));
    }

    void leitorQueFalha_data()
    {
        QTest::addColumn<bool>("cliente");
        QTest::newRow("funcionário") << false;
        QTest::newRow("cliente") << true;
    }
    void leitorQueFalha()
    {
        QFETCH(bool, cliente);
        m_leitor->falhaNaProxima = QStringLiteral("USB desconectado");
        const TConfigGeral config = biometria(true, false);
        InteracaoRoteirizada ui;
        Resposta r;
        if (cliente) {
            IdentificaCliente regras(*m_dm, config, 1, ui, 2);
            r = regras.biometria();
            QCOMPARE(regras.Cliente(), 0);
        } else {
            IdentificaFuncionario regras(*m_dm, config, 1, ui);
            r = regras.biometria();
        }
        QCOMPARE(r.resultado, int(mrNone));
        QVERIFY(!r.aceitaAposPausa);
        const QString prefixo = cliente ? u("Erro ao identificar cliente por biometria! ")
                                        : u("Erro ao identificar funcionário por biometria! ");
        QCOMPARE(ui.erros, QStringList{prefixo + QStringLiteral("USB desconectado")});
    }

    void leitorIdentificaPreencheSenha()
    {
        InteracaoRoteirizada ui;
        const TConfigGeral config;
        IdentificaFuncionario regras(*m_dm, config, 1, ui);
        const Resposta r = regras.leitorIdentificou(QStringLiteral("3"));
        QCOMPARE(r.codigo.value_or(QString()), QStringLiteral("3"));
        QCOMPARE(r.senha.value_or(QString()), QStringLiteral("3333"));
        QCOMPARE(r.foco, Resposta::Foco::Senha);
        QCOMPARE(regras.confirmaSenha(*r.senha).resultado, int(mrYes));
        QCOMPARE(regras.Funcionario(), 3);
        // A departed employee's print does not pass either.
        const Resposta s = regras.leitorIdentificou(QStringLiteral("6"));
        QCOMPARE(s.resultado, int(mrNo));
        QVERIFY(!s.senha);
    }

    void clienteSenha_data()
    {
        QTest::addColumn<int>("codCli");
        QTest::addColumn<QString>("senha");
        QTest::addColumn<int>("resultado");
        QTest::addColumn<bool>("limpa");
        QTest::addColumn<QString>("atencao");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("senha certa")
            << 2 << "2020" << int(mrYes) << false << QString() << QString();
        QTest::newRow("senha errada limpa o campo")
            << 3 << "2020" << int(mrNone) << true << u("Senha Inválida!") << QString();
        QTest::newRow("sem senha cadastrada") << 1 << "" << int(mrNo) << false << QString()
                                              << u("Senha não cadastrada para este cliente!");
        QTest::newRow("cliente inexistente") << 99 << "" << int(mrNo) << false << QString()
                                             << u("Senha não cadastrada para este cliente!");
    }
    void clienteSenha()
    {
        QFETCH(int, codCli);
        QFETCH(QString, senha);
        QFETCH(int, resultado);
        QFETCH(bool, limpa);
        QFETCH(QString, atencao);
        QFETCH(QString, mensagem);
        InteracaoRoteirizada ui;
        const TConfigGeral config;
        IdentificaCliente regras(*m_dm, config, 1, ui, codCli);
        Resposta r = regras.verificaCadastro();
        if (r.resultado == mrNone) {
            r = regras.saiCodigo(QString::number(codCli));
            QCOMPARE(r.foco, Resposta::Foco::Senha);
            r = regras.confirmaSenha(senha);
        }
        QCOMPARE(r.resultado, resultado);
        QCOMPARE(r.limpaSenha, limpa);
        QCOMPARE(ui.atencoes, atencao.isEmpty() ? QStringList() : QStringList{atencao});
        QCOMPARE(ui.mensagens, mensagem.isEmpty() ? QStringList() : QStringList{mensagem});
        QCOMPARE(regras.Cliente(), resultado == mrYes ? codCli : 0);
    }

    // The customer's password row must be of this store, like the employee's.
    void clienteDeOutraLojaSemSenhaAqui()
    {
        InteracaoRoteirizada ui;
        const TConfigGeral config;
        IdentificaCliente regras(*m_dm, config, 2, ui, 2);
        QCOMPARE(regras.verificaCadastro().resultado, int(mrNone));
        QCOMPARE(regras.saiCodigo(QStringLiteral("2")).resultado, int(mrNone));
        QCOMPARE(regras.confirmaSenha(QString()).resultado, int(mrNo));
        QCOMPARE(ui.atencoes, QStringList{u("Senha não Cadastrada!")});
    }

    void clientePorDigital_data()
    {
        QTest::addColumn<QList<QString>>("capturas");
        QTest::addColumn<bool>("soBioIni");
        QTest::addColumn<bool>("aceita");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<int>("capturasFeitas");
        using L = QList<QString>;
        QTest::newRow("o cliente") << L{u("DIG-JOSE")} << false << true << QString() << 1;
        QTest::newRow("outro cliente, teclado")
            << L{u("DIG-CONCEICAO")} << false << false << u("Biometria inválida!") << 1;
        QTest::newRow("outro cliente, só biometria")
            << L{u("DIG-CONCEICAO"), u("DIG-JOSE")} << true << true << QString() << 2;
        QTest::newRow("funcionário com o mesmo código")
            << L{u("DIG-ANA")} << false << false << u("Biometria inválida!") << 1;
        QTest::newRow("cancelada") << L{QString()} << false << false << QString() << 1;
    }
    void clientePorDigital()
    {
        QFETCH(QList<QString>, capturas);
        QFETCH(bool, soBioIni);
        QFETCH(bool, aceita);
        QFETCH(QString, mensagem);
        QFETCH(int, capturasFeitas);
        for (const QString& c : capturas)
            m_leitor->capturas.append(c.isEmpty() ? std::nullopt : std::optional<QString>(c));
        const TConfigGeral config = biometria(true, soBioIni);
        InteracaoRoteirizada ui;
        IdentificaCliente regras(*m_dm, config, 1, ui, 2);
        const Resposta r = regras.biometria();
        QCOMPARE(r.resultado, int(mrNone));
        QCOMPARE(r.aceitaAposPausa, aceita);
        QCOMPARE(ui.mensagens, mensagem.isEmpty() ? QStringList() : QStringList{mensagem});
        QVERIFY(ui.atencoes.isEmpty());
        QCOMPARE(m_leitor->capturasFeitas, capturasFeitas);
        QCOMPARE(regras.Cliente(), aceita ? 2 : 0);
        if (aceita)
            QCOMPARE(r.senha.value_or(QString()), QStringLiteral("2020"));
    }

    void clienteLeitorDeOutraPessoa()
    {
        InteracaoRoteirizada ui;
        const TConfigGeral config;
        IdentificaCliente regras(*m_dm, config, 1, ui, 2);
        const Resposta r = regras.leitorIdentificou(QStringLiteral("3"));
        QVERIFY(!r.codigo);
        QCOMPARE(ui.mensagens, QStringList{u("Biometria inválida!")});
        QCOMPARE(regras.confirmaSenha(QStringLiteral("3030")).resultado, int(mrNone));
        QCOMPARE(regras.Cliente(), 0);
    }
};

QTEST_GUILESS_MAIN(TstIdentificacao)
#include "tst_identificacao.moc"
