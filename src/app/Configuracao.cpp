#include "Configuracao.h"

#include "platform/Arquivos.h"
#include "platform/Falha.h"
#include "platform/IniFile.h"

TConfigGeral ConfigGeral;

namespace
{

QString u(const char* t)
{
    return QString::fromUtf8(t);
}

class Leitor
{
public:
    explicit Leitor(const QString& caminho) : m_ini(caminho) {}
    bool existe() const { return m_ini.existe(); }

    QString texto(const char* secao, const char* chave, const char* padrao) const
    {
        return m_ini.valor(u(secao), u(chave)).value_or(u(padrao));
    }
    bool sim(const char* secao, const char* chave, const char* padrao) const
    {
        return texto(secao, chave, padrao).toUpper() == QLatin1String("SIM");
    }
    // Converted from text: a value that is not a number raises the conversion error.
    int inteiro(const char* secao, const char* chave, const char* padrao) const
    {
        const QString v = texto(secao, chave, padrao);
        bool ok = false;
        const int n = converte(v, &ok);
        if (!ok)
            throw Falha(u("'") + v + u("' não é um valor inteiro válido"));
        return n;
    }
    double decimal(const char* secao, const char* chave, const char* padrao) const
    {
        const QString v = texto(secao, chave, padrao);
        bool ok = false;
        const double n = QString(v).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        if (!ok)
            throw Falha(u("'") + v + u("' não é um valor de ponto flutuante válido"));
        return n;
    }
    // Read as an integer by the INI reader itself: anything that is not a number is the default.
    int inteiroIni(const char* secao, const char* chave, int padrao) const
    {
        const auto v = m_ini.valor(u(secao), u(chave));
        if (!v || v->isEmpty())
            return padrao;
        bool ok = false;
        const int n = converte(*v, &ok);
        return ok ? n : padrao;
    }

private:
    static int converte(const QString& v, bool* ok)
    {
        if (v.startsWith(QLatin1Char('$')))
            return v.mid(1).toInt(ok, 16);
        if (v.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
            return v.mid(2).toInt(ok, 16);
        return v.toInt(ok, 10);
    }

    IniFile m_ini;
};

const char* const AT = "ATENDIMENTO";

} // namespace

QString LeConfigGeral(TConfigGeral& c)
{
    return LeConfigGeral(c, PastaPrograma() + kArquivoAtendimento);
}

QString LeConfigGeral(TConfigGeral& c, const QString& caminho)
{
    const Leitor ini(caminho);
    if (!ini.existe()) {
        TConfigGeral vazio;
        vazio.Appname = c.Appname;
        vazio.SiglaApp = c.SiglaApp;
        vazio.VerApp = c.VerApp;
        vazio.LogExtenso = c.LogExtenso;
        vazio.Weblog = c.Weblog;
        vazio.CNPJ = c.CNPJ;
        vazio.AgentUser = c.AgentUser;
        c = vazio;
        return QString();
    }
    try {
        c.HabilitaBrisvel = ini.sim(AT, "HabilitaBrisvel", "SIM");
        c.HabilitaOrcamento = ini.sim(AT, "HabilitaOrcamento", "Nao");
        c.HabilitaPrevenda = ini.sim(AT, "HabilitaPrevenda", "Nao");
        c.AbreAtendimentoInicializacao = ini.sim(AT, "AbreAtendimentoInicializacao", "Nao");
        c.Condominio = ini.sim(AT, "Condominio", "Não");
        c.CondominioImpColunas = ini.sim(AT, "CondominioImpColunas", "Não");
        c.PrefixoComanda = ini.texto(AT, "PrefixoComanda", "");
        c.impressora_padrao = ini.texto(AT, "impressora_padrao", "");
        c.ForcarEscPos = ini.sim(AT, "ForcarEscPos", "Não");
        c.MensagemAdicionalConferencia = ini.texto(AT, "MensagemAdicionalConferencia", "");
        c.HabilitaKitProd = ini.sim("KIT", "HabilitaKitProd", "Sim");
        c.HabilitaBiometria = ini.sim("Biometria", "HabilitaBiometria", "Sim");
        c.SoBioIni = ini.sim("Biometria", "SoBioIni", "Sim");
        c.SoBioFun = ini.sim("Biometria", "SoBioFun", "Sim");
        c.SoBioCli = ini.sim("Biometria", "SoBioCli", "Sim");
        c.posprinter_impressora = ini.texto("POSPRINTER", "impressora", "");
        c.posprinter_modelo = ini.texto("POSPRINTER", "modelo", "EPSON");
        c.posprinter_corte = ini.texto("POSPRINTER", "corte", "PARCIAL");
        c.posprinter_avanco = ini.inteiro("POSPRINTER", "avanco", "2");
        c.posprinter_qrcode = ini.inteiro("POSPRINTER", "qrcode", "25");
    } catch (const Falha& f) {
        return f.mensagem();
    }
    return QString();
}

QString LeConfigAtendimento(ConfigAtendimento& c)
{
    return LeConfigAtendimento(c, PastaPrograma() + kArquivoAtendimento);
}

QString LeConfigAtendimento(ConfigAtendimento& c, const QString& caminho)
{
    const Leitor ini(caminho);
    if (!ini.existe()) {
        c = ConfigAtendimento();
        return QString();
    }
    try {
        c.CartaoMIn = ini.inteiro(AT, "CartaoMIn", "1");
        c.CartaoMax = ini.inteiro(AT, "CartaoMax", "100");
        c.NumeroTerminal = ini.inteiroIni(AT, "NumeroTerminal", 0);
        c.CartaoMesa = ini.sim(AT, "CartaoMesa", "Nao");
        c.Imprime = ini.sim(AT, "Imprime", "Nao");
        c.ImpQuorviPrinter = ini.sim(AT, "ImpQuorviPrinter", "Nao");
        c.AtendenteAutomatico = ini.sim(AT, "AtendenteAutomatico", "Nao");
        c.SenhaAtendente = ini.sim(AT, "SenhaAtendente", "Nao");
        c.ForcarSenha = ini.sim(AT, "ForcarSenha", "Não");
        c.SenhaCliente = ini.sim(AT, "SenhaCliente", "Não");
        c.CodigoCliente = ini.inteiroIni(AT, "CodigoCliente", 0);
        c.CodigoClientePre = ini.inteiroIni(AT, "CodigoClientePre", 0);
        c.LimiteQuantidadeVenda = ini.inteiroIni(AT, "LimiteQuantidadeVenda", 0);
        c.ExibeValorTotal = ini.sim(AT, "ExibeValorTotal", "Nao");
        c.BloquearItemMesaFechada = ini.sim(AT, "BloquearItemMesaFechada", "Sim");
        c.GerenciaComanda = ini.sim(AT, "GerenciaComanda", "Sim");
        c.QuantidadePadraoAutomatica = ini.sim(AT, "QuantidadePadraoAutomatica", "Sim");
        c.MostrarPedidoDelivery = ini.sim(AT, "MostrarPedidoDelivery", "Sim");
        c.TaxaServico = ini.decimal(AT, "TaxaServico", "10");
        c.HoraInicial = ini.inteiro("SEM_ACRESCIMO", "HoraInicial", "-1");
        c.HoraFinal = ini.inteiro("SEM_ACRESCIMO", "HoraFinal", "1000");
        c.BalancaAtivo = ini.sim("BALANCA", "Ativo", "Nao");
        c.BalancaModelo = ini.texto("BALANCA", "Modelo", "Toledo");
        c.BalancaPorta = ini.inteiro("BALANCA", "Porta", "1");
        c.BalancaENQ = ini.sim("BALANCA", "ENQ", "Sim");
        c.ImpColunas = ini.sim("IMPRESSAO", "ImpColunas", "NAO");
        c.ImpFonteNome = ini.texto("IMPRESSAO", "ImpFonteNome", "Consolas");
        c.ImpFonteTamanho = ini.inteiro("IMPRESSAO", "ImpFonteTamanho", "8");
        c.ImpFonteNegrito = ini.sim("IMPRESSAO", "ImpFonteNegrito", "NAO");
        c.ClienteCompleto = ini.sim("IMPRESSAO", "ClienteCompleto", "Não");
        c.MostrarEstoque = ini.sim("ORÇAMENTO", "MostrarEstoque", "Não");
        c.ConsiderarEstoque = ini.sim("ORÇAMENTO", "ConsiderarEstoque", "Não");
        c.MostrarPreco = ini.sim("ORÇAMENTO", "MostrarPreco", "Não");
        c.SEQUENCIAL_KIT = ini.inteiroIni("KIT", "SEQUENCIAL_KIT", 0);
        c.KitModelo = ini.texto("KIT", "MODELO", "BEMATECH");
        c.Qtde_Espaco_Imp = ini.inteiro("KIT", "Qtde_Espaco_Imp", "1");
        c.Intervalo_impressao = ini.inteiro("KIT", "Intervalo_impressao", "1");
    } catch (const Falha& f) {
        return f.mensagem();
    }
    return QString();
}
