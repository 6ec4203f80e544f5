#pragma once

#include <QString>

// Settings of Atendimento.ini. A yes/no key is on when its upper-cased value is "SIM". When the
// file is missing nothing is read: every switch off, every number 0, every text empty.

// The global settings record: read by the main window at every activation.
struct TConfigGeral {
    QString Appname;
    QString SiglaApp;
    int VerApp = 0;
    bool LogExtenso = false;
    bool Weblog = false;
    QString CNPJ;
    QString AgentUser;

    // [ATENDIMENTO]
    bool HabilitaBrisvel = false;
    bool HabilitaOrcamento = false;
    bool HabilitaPrevenda = false;
    bool AbreAtendimentoInicializacao = false;
    bool Condominio = false;
    bool CondominioImpColunas = false;
    QString PrefixoComanda;
    QString impressora_padrao;
    bool ForcarEscPos = false;
    QString MensagemAdicionalConferencia;
    // [KIT]
    bool HabilitaKitProd = false;
    // [Biometria]
    bool HabilitaBiometria = false;
    bool SoBioIni = false;
    bool SoBioFun = false;
    bool SoBioCli = false;
    // [POSPRINTER]
    QString posprinter_impressora;
    QString posprinter_modelo;
    QString posprinter_corte;
    int posprinter_avanco = 0;
    int posprinter_qrcode = 0;
};

// Settings the order entry window reads when it is created and shown.
struct ConfigAtendimento {
    // [ATENDIMENTO]
    int CartaoMIn = 0;
    int CartaoMax = 0;
    int NumeroTerminal = 0;
    bool CartaoMesa = false;
    bool Imprime = false;
    bool ImpQuorviPrinter = false;
    bool AtendenteAutomatico = false;
    bool SenhaAtendente = false;
    bool ForcarSenha = false;
    bool SenhaCliente = false;
    int CodigoCliente = 0;
    int CodigoClientePre = 0;
    int LimiteQuantidadeVenda = 0;
    bool ExibeValorTotal = false;
    bool BloquearItemMesaFechada = false;
    bool GerenciaComanda = false;
    bool QuantidadePadraoAutomatica = false;
    bool MostrarPedidoDelivery = false;
    double TaxaServico = 0;
    // [SEM_ACRESCIMO]
    int HoraInicial = 0;
    int HoraFinal = 0;
    // [BALANCA]
    bool BalancaAtivo = false;
    QString BalancaModelo;
    int BalancaPorta = 0;
    bool BalancaENQ = false;
    // [IMPRESSAO]
    bool ImpColunas = false;
    QString ImpFonteNome;
    int ImpFonteTamanho = 0;
    bool ImpFonteNegrito = false;
    bool ClienteCompleto = false;
    // [ORÇAMENTO]
    bool MostrarEstoque = false;
    bool ConsiderarEstoque = false;
    bool MostrarPreco = false;
    // [KIT]
    int SEQUENCIAL_KIT = 0;
    QString KitModelo;
    int Qtde_Espaco_Imp = 0;
    int Intervalo_impressao = 0;
};

extern TConfigGeral ConfigGeral;

inline const QString kArquivoAtendimento = QStringLiteral("Atendimento.ini");

// Reads the main window's keys of Atendimento.ini in the program folder into the record.
// A key that must be a number and is not stops the reading there: the keys after it keep
// their values and the conversion error text is returned ("" when all was read).
QString LeConfigGeral(TConfigGeral& config);
QString LeConfigGeral(TConfigGeral& config, const QString& caminho);
QString LeConfigAtendimento(ConfigAtendimento& config);
QString LeConfigAtendimento(ConfigAtendimento& config, const QString& caminho);
