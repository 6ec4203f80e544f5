#include "LojaDemo.h"

#include "TDMXAL.h"
#include "platform/Arquivos.h"
#include "platform/Clock.h"

#include <QStringList>

namespace
{

QString u(const char* t)
{
    return QString::fromUtf8(t);
}

const char* const kEstrutura[] = {
    "CREATE TABLE LOJA (COD_LOJA INTEGER NOT NULL PRIMARY KEY, UF VARCHAR(2), RAZAO_SOCIAL "
    "VARCHAR(60), NOME_REDUZIDO VARCHAR(30), TELEFONE VARCHAR(15), CNPJ VARCHAR(14))",
    "CREATE TABLE CONFIGURACAO (COD_LOJA INTEGER NOT NULL PRIMARY KEY, COD_BAL INTEGER, "
    "LIMITE_QTDE REAL, DECIMAIS INTEGER, CHK_MARK_MARGE CHAR(1))",
    "CREATE TABLE ICMS (COD_ICMS INTEGER NOT NULL PRIMARY KEY, DESCRICAO VARCHAR(30), "
    "PERCENTUAL REAL)",
    "CREATE TABLE DEPARTAMENTO (COD_DEPART INTEGER NOT NULL, COD_LOJA INTEGER NOT NULL, "
    "DESCRICAO VARCHAR(40), PERC_ACRESCIMO REAL, PRIMARY KEY (COD_DEPART, COD_LOJA))",
    "CREATE TABLE SUB_DEPARTAMENTO (COD_DEPART INTEGER NOT NULL, COD_SUBDEPART INTEGER NOT "
    "NULL, DSC_SUBDEPART VARCHAR(40), PRIMARY KEY (COD_DEPART, COD_SUBDEPART))",
    "CREATE TABLE SECAO (COD_SECAO INTEGER NOT NULL PRIMARY KEY, COD_DEPART INTEGER, "
    "COD_SUBDEPART INTEGER, DSC_SECAO VARCHAR(40))",
    "CREATE TABLE PRODUTO (COD_PROD INTEGER NOT NULL, COD_LOJA INTEGER NOT NULL, DESCRICAO "
    "VARCHAR(50), CODIGO_BARRAS VARCHAR(13), BARRAS_EMBALAGEM VARCHAR(13), REFERENCIA_FORN "
    "VARCHAR(20), FLG_UNIDADE_VENDA VARCHAR(2), VLR_PRECO REAL, VLR_PRECO_PROMOCAO REAL, "
    "DATA_PROM_INICIAL TEXT, DATA_PROM_FINAL TEXT, QTDE_ESTOQUE_LOJA REAL, QTDE_DEPOSITO REAL, "
    "COD_DEPART INTEGER, COD_SUBDEPART INTEGER, COD_SECAO INTEGER, COD_ICMS INTEGER, "
    "FLG_SITUACAO_TRIB CHAR(1), FLG_TIPO_PRODUTO CHAR(1), CHK_ATIVO CHAR(1), VLR_ULTIMO_CUSTO "
    "REAL, VLR_FATOR_CONV_COMPRA REAL, IMAGEM BLOB, AUTENTICA NUMERIC, PRIMARY KEY (COD_PROD, "
    "COD_LOJA))",
    "CREATE INDEX IX_PRODUTO_BARRAS ON PRODUTO (CODIGO_BARRAS)",
    "CREATE INDEX IX_PRODUTO_EMBALAGEM ON PRODUTO (BARRAS_EMBALAGEM)",
    "CREATE INDEX IX_PRODUTO_REFERENCIA ON PRODUTO (REFERENCIA_FORN)",
    "CREATE INDEX IX_PRODUTO_DESCRICAO ON PRODUTO (DESCRICAO)",
    "CREATE TABLE PRECO_DIFERENCIADO (COD_LOJA INTEGER NOT NULL, COD_PROD INTEGER NOT NULL, "
    "COD_CLI INTEGER NOT NULL, VLR_PRECO REAL, PRIMARY KEY (COD_LOJA, COD_PROD, COD_CLI))",
    "CREATE TABLE BARRAS_VINCULADA (COD_LOJA INTEGER NOT NULL, CODIGO_BARRAS VARCHAR(13) NOT "
    "NULL, COD_PROD INTEGER NOT NULL, PRIMARY KEY (COD_LOJA, CODIGO_BARRAS))",
    "CREATE TABLE SETOR (COD_SETOR INTEGER NOT NULL PRIMARY KEY, DESCRICAO VARCHAR(40))",
    "CREATE TABLE FUNCIONARIO (COD_FUNC INTEGER NOT NULL, COD_LOJA INTEGER NOT NULL, NOME "
    "VARCHAR(50), Codigo_Barras VARCHAR(8), DATA_AFASTAMENTO TEXT, COD_SETOR INTEGER, PRIMARY "
    "KEY (COD_FUNC, COD_LOJA))",
    "CREATE INDEX IX_FUNCIONARIO_BARRAS ON FUNCIONARIO (Codigo_Barras)",
    "CREATE TABLE SENHA (CODIGO INTEGER NOT NULL, COD_LOJA INTEGER NOT NULL, FLG_ORIGEM "
    "CHAR(1) NOT NULL, SENHA VARCHAR(10), CHK_SANGRIAS CHAR(1) DEFAULT 'F', CHK_EXCLUIR_ITEM "
    "CHAR(1) DEFAULT 'F', CHK_EXCLUIR_NOTA CHAR(1) DEFAULT 'F', CHK_DESCONTOS CHAR(1) DEFAULT "
    "'F', CHK_CANCELA_CUPOM CHAR(1) DEFAULT 'F', CHK_ABRE_GAVETA CHAR(1) DEFAULT 'F', PRIMARY "
    "KEY (CODIGO, COD_LOJA, FLG_ORIGEM))",
    "CREATE TABLE cliente_tipo (cod_tipo_cli INTEGER NOT NULL PRIMARY KEY, descricao "
    "VARCHAR(40))",
    "CREATE TABLE CLIENTE (COD_CLI INTEGER NOT NULL, COD_LOJA INTEGER NOT NULL, NOME "
    "VARCHAR(60), Codigo_Barras VARCHAR(13), CHK_ATIVO CHAR(1), CHK_CADERNETA CHAR(1), "
    "ENDERECO VARCHAR(60), BAIRRO VARCHAR(40), CIDADE VARCHAR(40), UF VARCHAR(2), TELEFONE "
    "VARCHAR(15), CNPJ_CPF VARCHAR(14), OBS VARCHAR(255), cod_tipo_cli INTEGER, PRIMARY KEY "
    "(COD_CLI, COD_LOJA))",
    "CREATE TABLE CONDICAO_PRECO (COD_CONDICAO_PRECO INTEGER NOT NULL PRIMARY KEY, DESCRICAO "
    "VARCHAR(40), CHK_ATIVO CHAR(1))",
    "CREATE TABLE Enroll (ID INTEGER PRIMARY KEY AUTOINCREMENT, TEMPLATE BLOB, COD_FUN "
    "INTEGER, COD_CLI INTEGER)",
    "CREATE TABLE COMANDA (NUM_COMANDA INTEGER NOT NULL PRIMARY KEY, BLOQUEADA CHAR(1) DEFAULT "
    "'F')",
    "CREATE TABLE CART_BLOQUEIO (COD_CARTELA INTEGER NOT NULL, DATA TEXT, COD_LOJA INTEGER, "
    "PRIMARY KEY (COD_CARTELA, COD_LOJA))",
    "CREATE TABLE CMD_TERMINAIS (COD_TERM INTEGER NOT NULL PRIMARY KEY, DESCRICAO VARCHAR(25), "
    "CHK_ATIVO CHAR(1), COD_IMPRESSAO INTEGER, COD_LOJA INTEGER, LINHAS INTEGER, COLUNAS "
    "INTEGER, CHK_BALANCA CHAR(1), CHK_ENVIA_PCO_BAL CHAR(1), CHK_MESA CHAR(1), CHK_IMPRIME "
    "CHAR(1))",
    "CREATE TABLE CMD_NOTA (DOCUMENTO INTEGER PRIMARY KEY AUTOINCREMENT, NUM_COMANDA INTEGER, "
    "COD_LOJA INTEGER, FLG_TIPO_DOC CHAR(1), DATA TEXT, HORA TEXT, HORA_FINAL TEXT, CHK_BAIXA "
    "CHAR(1), CHK_CANCELADO CHAR(1), COD_FUN_CANC INTEGER, COO INTEGER, ECF INTEGER, CUPOM "
    "INTEGER, COD_FUNC INTEGER, COD_CLI INTEGER, CNPJ_CPF VARCHAR(14), CONTATO VARCHAR(100), "
    "TELEFONE VARCHAR(15), MESA INTEGER, AUTENTICA NUMERIC, OBS VARCHAR(255), PROD_CONSUMO "
    "CHAR(1), CUP_DELIVERY INTEGER, FLG_STS_ORIGEM CHAR(1), BARRAS VARCHAR(20), QTDCLI "
    "INTEGER, CER INTEGER, NUM_SERIE VARCHAR(20), COO_CUPOM INTEGER)",
    "CREATE TABLE CMD_ITEM (AUTONUM INTEGER PRIMARY KEY AUTOINCREMENT, DOCUMENTO INTEGER, "
    "NUM_COMANDA INTEGER, NUM_ITEM INTEGER, COD_LOJA INTEGER, COD_PROD INTEGER, VLR_QTDE REAL, "
    "VLR_PRECO REAL, VLR_TOTAL REAL, ACRESCIMO REAL, DATA TEXT, HORA TEXT, COD_VEND INTEGER, "
    "TERMINAL INTEGER, FLG_STATUS CHAR(1), CHK_BAIXA CHAR(1), CHK_CANCELADO CHAR(1), "
    "COD_FUN_CANC INTEGER, STS_IMP_ITENS CHAR(1), OBS VARCHAR(60), CMD_ORIGEM INTEGER, "
    "AUTENTICA NUMERIC, COD_OBS INTEGER, COD_SITUACAO INTEGER, DESC_SIT VARCHAR(30), COO "
    "INTEGER, CER INTEGER, ECF INTEGER, DATA_ALTERA TEXT)",
    "CREATE TABLE vnd_nota (cod_vnd_nota INTEGER PRIMARY KEY AUTOINCREMENT, "
    "chk_cupom_excluido CHAR(1))",
    "CREATE TABLE vnd_item (cod_vnd_item INTEGER PRIMARY KEY AUTOINCREMENT, cod_vnd_nota "
    "INTEGER, cod_prod INTEGER, qtde_saida REAL, vlr_preco_total REAL, data_saida TEXT, "
    "hora_saida TEXT, cod_func INTEGER, chk_excluido CHAR(1))",
    "CREATE INDEX IX_VND_ITEM_DATA ON vnd_item (data_saida)",
    "CREATE TABLE GRV_FISCAL (ID INTEGER PRIMARY KEY AUTOINCREMENT)",
    "CREATE TABLE GRV_ITENS (ID INTEGER PRIMARY KEY AUTOINCREMENT)",
    "CREATE TABLE receita (ID INTEGER PRIMARY KEY AUTOINCREMENT)",
    "CREATE TABLE vale (ID INTEGER PRIMARY KEY AUTOINCREMENT)",
};

// Inserts rows with bound values: insere(dm, "TABLE", "A, B", {{1, "x"}, {2, "y"}}).
void insere(TDMXAL& dm, const char* tabela, const char* colunas, const QList<QVariantList>& linhas)
{
    const QStringList nomes = u(colunas).split(QLatin1Char(','), Qt::SkipEmptyParts);
    QStringList marcas;
    for (int i = 0; i < nomes.size(); ++i)
        marcas << QStringLiteral(":p%1").arg(i);
    const QString sql = u("INSERT INTO ") + u(tabela) + QLatin1String(" (") + u(colunas) +
                        QLatin1String(") VALUES (") + marcas.join(QLatin1String(", ")) +
                        QLatin1Char(')');
    for (const QVariantList& linha : linhas) {
        Parametros p;
        for (int i = 0; i < nomes.size(); ++i)
            p.insert(QStringLiteral("p%1").arg(i), i < linha.size() ? linha[i] : QVariant());
        dm.ExecutaSQL(sql, p);
    }
}

const QVariant nulo;

} // namespace

namespace LojaDemo
{

void criaEstrutura(TDMXAL& dm)
{
    for (const char* sql : kEstrutura)
        dm.ExecutaSQL(u(sql));
}

void preenche(TDMXAL& dm)
{
    const QDate hoje = relogio().hoje();
    const QString pasta = PastaPrograma();

    insere(dm, "LOJA", "COD_LOJA, UF, RAZAO_SOCIAL, NOME_REDUZIDO, TELEFONE, CNPJ",
           {{1, u("PB"), u("BAR E RESTAURANTE MARÉ ALTA LTDA"), u("MARÉ ALTA"), u("8332214455"),
             u("12345678000195")}});
    insere(dm, "CONFIGURACAO", "COD_LOJA, COD_BAL, LIMITE_QTDE, DECIMAIS, CHK_MARK_MARGE",
           {{1, 4, 1000, 2, u("F")}});
    insere(dm, "ICMS", "COD_ICMS, DESCRICAO, PERCENTUAL",
           {{1, u("ISENTO"), 0},
            {2, u("TRIBUTADO 18%"), 18},
            {3, u("TRIBUTADO 12%"), 12},
            {4, u("SUBSTITUIÇÃO"), 0}});
    insere(dm, "DEPARTAMENTO", "COD_DEPART, COD_LOJA, DESCRICAO, PERC_ACRESCIMO",
           {{1, 1, u("COZINHA"), 10},
            {2, 1, u("BAR"), 10},
            {3, 1, u("BEBIDAS"), 10},
            {4, 1, u("SOBREMESAS"), 10},
            {5, 1, u("EMPÓRIO"), 0}});
    insere(dm, "SUB_DEPARTAMENTO", "COD_DEPART, COD_SUBDEPART, DSC_SUBDEPART",
           {{1, 1, u("PETISCOS")},
            {1, 2, u("PRATOS")},
            {1, 3, u("GRELHADOS")},
            {2, 1, u("DRINQUES")},
            {2, 2, u("CHOPE")},
            {3, 1, u("REFRIGERANTES")},
            {3, 2, u("CERVEJAS")},
            {3, 3, u("ÁGUAS E SUCOS")},
            {4, 1, u("DOCES")}});
    insere(dm, "SECAO", "COD_SECAO, COD_DEPART, COD_SUBDEPART, DSC_SECAO",
           {{1, 1, 1, u("FRITOS")},
            {2, 1, 1, u("PORÇÕES FRIAS")},
            {3, 1, 2, u("EXECUTIVOS")},
            {4, 1, 3, u("CARNES")},
            {5, 2, 1, u("CLÁSSICOS")},
            {6, 3, 2, u("LONG NECK")}});

    const QVariant promoIni = QDateTime(hoje.addDays(-30), QTime(0, 0));
    const QVariant promoFim = QDateTime(hoje.addDays(365), QTime(0, 0));
    // code, description, barcode, package barcode, reference, unit, price, depart, subdepart,
    // icms, stock
    struct P {
        int cod;
        const char* desc;
        const char* barras;
        const char* embalagem;
        const char* ref;
        const char* un;
        double preco;
        int dep;
        int sub;
        int icms;
        double estoque;
    };
    const P produtos[] = {
        {1, "BATATA FRITA PORÇÃO", "", "", "", "UN", 28.00, 1, 1, 2, 200},
        {2, "MANDIOCA FRITA PORÇÃO", "", "", "", "UN", 26.00, 1, 1, 2, 200},
        {3, "CALABRESA ACEBOLADA", "", "", "", "UN", 34.90, 1, 1, 2, 200},
        {4, "FRANGO A PASSARINHO", "", "", "", "UN", 39.90, 1, 1, 2, 200},
        {5, "CARNE DE SOL COM MACAXEIRA", "", "", "", "UN", 69.90, 1, 1, 2, 200},
        {6, "ISCA DE PEIXE", "", "", "", "UN", 44.90, 1, 1, 2, 200},
        {7, "QUEIJO COALHO NA BRASA", "", "", "", "UN", 29.90, 1, 1, 2, 200},
        {8, "PASTEL DE CAMARÃO (6 UN)", "", "", "", "UN", 32.00, 1, 1, 2, 200},
        {9, "ESCONDIDINHO DE CHARQUE", "", "", "", "UN", 42.00, 1, 2, 2, 200},
        {10, "PRATO EXECUTIVO DO DIA", "", "", "", "UN", 32.90, 1, 2, 2, 200},
        {11, "PEIXADA PARA DOIS", "", "", "", "UN", 119.00, 1, 2, 2, 200},
        {12, "PARMEGIANA DE FRANGO", "", "", "", "UN", 54.90, 1, 2, 2, 200},
        {13, "PICANHA NA BRASA (KG)", "", "", "", "KG", 139.90, 1, 3, 2, 50},
        {14, "COSTELA NO BAFO (KG)", "", "", "", "KG", 89.90, 1, 3, 2, 50},
        {15, "BUFFET LIVRE POR QUILO", "", "", "", "KG", 69.90, 1, 2, 2, 500},
        {16, "LINGUIÇA ARTESANAL (KG)", "", "", "", "KG", 59.90, 1, 3, 2, 40},
        {20, "CAIPIRINHA DE LIMÃO", "", "", "", "UN", 19.90, 2, 1, 2, 500},
        {21, "CAIPIROSKA DE MORANGO", "", "", "", "UN", 24.90, 2, 1, 2, 500},
        {22, "GIN TÔNICA", "", "", "", "UN", 29.90, 2, 1, 2, 500},
        {23, "MOJITO", "", "", "", "UN", 26.90, 2, 1, 2, 500},
        {24, "CHOPE PILSEN 300ML", "", "", "", "UN", 11.90, 2, 2, 2, 1000},
        {25, "CHOPE PILSEN 500ML", "", "", "", "UN", 16.90, 2, 2, 2, 1000},
        {26, "CHOPE ESCURO 300ML", "", "", "", "UN", 13.90, 2, 2, 2, 1000},
        {30, "REFRIGERANTE COLA LATA 350ML", "7894900011517", "", "", "UN", 7.00, 3, 1, 4, 480},
        {31, "REFRIGERANTE GUARANÁ LATA 350ML", "7894900010015", "", "", "UN", 7.00, 3, 1, 4, 480},
        {32, "REFRIGERANTE COLA ZERO LATA", "7894900700015", "", "", "UN", 7.00, 3, 1, 4, 240},
        {33, "ÁGUA MINERAL SEM GÁS 500ML", "7896065200012", "", "", "UN", 5.00, 3, 3, 4, 600},
        {34, "ÁGUA MINERAL COM GÁS 500ML", "7896065200029", "", "", "UN", 5.50, 3, 3, 4, 300},
        {35, "SUCO DE CAJU 400ML", "", "", "", "UN", 10.00, 3, 3, 2, 300},
        {36, "SUCO DE MARACUJÁ 400ML", "", "", "", "UN", 10.00, 3, 3, 2, 300},
        {37, "CERVEJA LONG NECK PURO MALTE", "7891991010856", "17891991010853", "LN-PM-355", "UN",
         12.00, 3, 2, 4, 720},
        {38, "CERVEJA LONG NECK IPA", "7891991015004", "17891991015001", "LN-IPA-355", "UN", 16.00,
         3, 2, 4, 360},
        {39, "CERVEJA 600ML GARRAFA", "7891149103102", "", "GF-600", "UN", 15.00, 3, 2, 4, 480},
        {40, "PUDIM DE LEITE", "", "", "", "UN", 14.00, 4, 1, 2, 60},
        {41, "PETIT GÂTEAU COM SORVETE", "", "", "", "UN", 24.90, 4, 1, 2, 60},
        {42, "COCADA DE FORNO", "", "", "", "UN", 12.00, 4, 1, 2, 60},
        {43, "BOLO DE ROLO (FATIA)", "", "", "", "UN", 11.00, 4, 1, 2, 60},
        {50, "CASTANHA DE CAJU TORRADA (KG)", "", "", "", "KG", 119.90, 5, 0, 1, 20},
        {51, "QUEIJO COALHO PEÇA (KG)", "2000051000000", "", "", "KG", 54.90, 5, 0, 1, 30},
        {52, "GELO EM CUBOS 5KG", "7898000000525", "", "", "UN", 15.00, 5, 0, 1, 100},
    };
    QList<QVariantList> linhas;
    for (const P& p : produtos) {
        const bool chope300 = p.cod == 24;
        linhas.append(QVariantList{p.cod,
                                   1,
                                   u(p.desc),
                                   *p.barras ? QVariant(u(p.barras)) : nulo,
                                   *p.embalagem ? QVariant(u(p.embalagem)) : nulo,
                                   *p.ref ? QVariant(u(p.ref)) : nulo,
                                   u(p.un),
                                   p.preco,
                                   chope300 ? QVariant(8.90) : QVariant(0.0),
                                   chope300 ? promoIni : nulo,
                                   chope300 ? promoFim : nulo,
                                   p.estoque,
                                   0,
                                   p.dep,
                                   p.sub ? QVariant(p.sub) : nulo,
                                   p.icms,
                                   u("T"),
                                   u("V"),
                                   u("T"),
                                   p.preco * 0.4,
                                   u(p.un) == QLatin1String("UN") && p.dep == 3 ? 12 : 1});
    }
    insere(dm, "PRODUTO",
           "COD_PROD, COD_LOJA, DESCRICAO, CODIGO_BARRAS, BARRAS_EMBALAGEM, REFERENCIA_FORN, "
           "FLG_UNIDADE_VENDA, VLR_PRECO, VLR_PRECO_PROMOCAO, DATA_PROM_INICIAL, "
           "DATA_PROM_FINAL, QTDE_ESTOQUE_LOJA, QTDE_DEPOSITO, COD_DEPART, COD_SUBDEPART, "
           "COD_ICMS, FLG_SITUACAO_TRIB, FLG_TIPO_PRODUTO, CHK_ATIVO, VLR_ULTIMO_CUSTO, "
           "VLR_FATOR_CONV_COMPRA",
           linhas);
    insere(dm, "BARRAS_VINCULADA", "COD_LOJA, CODIGO_BARRAS, COD_PROD",
           {{1, u("7894900011500"), 30}, {1, u("7891991010849"), 37}});

    insere(dm, "SETOR", "COD_SETOR, DESCRICAO",
           {{1, u("SALÃO")},
            {2, u("CAIXA")},
            {3, u("GERÊNCIA")},
            {4, u("COZINHA")},
            {5, u("SUPORTE")}});
    const QVariant saiu = QDateTime(hoje.addDays(-60), QTime(0, 0));
    insere(dm, "FUNCIONARIO",
           "COD_FUNC, COD_LOJA, NOME, Codigo_Barras, DATA_AFASTAMENTO, COD_SETOR",
           {{1, 1, u("ANA PAULA SOUZA"), u("20000001"), nulo, 1},
            {2, 1, u("CARLOS EDUARDO LIMA"), u("20000002"), nulo, 1},
            {3, 1, u("MARIA JOSÉ FERREIRA"), u("20000003"), nulo, 3},
            {4, 1, u("JOÃO PEDRO ALVES"), u("20000004"), nulo, 2},
            {5, 1, u("BEATRIZ GONÇALVES"), u("20000005"), nulo, 1},
            {6, 1, u("RAFAEL ARAÚJO"), u("20000006"), saiu, 1},
            {1000, 1, u("SUPORTE TÉCNICO"), nulo, nulo, 5}});
    insere(dm, "SENHA",
           "CODIGO, COD_LOJA, FLG_ORIGEM, SENHA, CHK_SANGRIAS, CHK_EXCLUIR_ITEM, "
           "CHK_EXCLUIR_NOTA, CHK_DESCONTOS, CHK_CANCELA_CUPOM, CHK_ABRE_GAVETA",
           {{1, 1, u("F"), u("1111"), u("F"), u("F"), u("F"), u("F"), u("F"), u("F")},
            {2, 1, u("F"), u("2222"), u("F"), u("F"), u("F"), u("F"), u("F"), u("F")},
            {3, 1, u("F"), u("3333"), u("T"), u("T"), u("T"), u("T"), u("T"), u("T")},
            {4, 1, u("F"), u("4444"), u("F"), u("T"), u("F"), u("T"), u("T"), u("T")},
            {6, 1, u("F"), u("6666"), u("F"), u("F"), u("F"), u("F"), u("F"), u("F")},
            {1000, 1, u("F"), u("000000"), u("T"), u("T"), u("T"), u("T"), u("T"), u("T")},
            {2, 1, u("C"), u("2020"), u("F"), u("F"), u("F"), u("F"), u("F"), u("F")},
            {3, 1, u("C"), u("3030"), u("F"), u("F"), u("F"), u("F"), u("F"), u("F")}});

    insere(dm, "cliente_tipo", "cod_tipo_cli, descricao", {{1, u("VAREJO")}, {2, u("MORADOR")}});
    insere(
        dm, "CLIENTE",
        "COD_CLI, COD_LOJA, NOME, Codigo_Barras, CHK_ATIVO, CHK_CADERNETA, ENDERECO, BAIRRO, "
        "CIDADE, UF, TELEFONE, CNPJ_CPF, cod_tipo_cli",
        {{1, 1, u("CONSUMIDOR FINAL"), nulo, u("T"), u("F"), nulo, nulo, u("JOÃO PESSOA"), u("PB"),
          nulo, nulo, 1},
         {2, 1, u("JOSÉ DA SILVA ARRUDA"), u("30000002"), u("T"), u("T"), u("RUA DAS ACÁCIAS, 120"),
          u("TAMBAÚ"), u("JOÃO PESSOA"), u("PB"), u("83988776655"), u("52998224725"), 1},
         {3, 1, u("CONCEIÇÃO MEDEIROS"), u("30000003"), u("T"), u("T"),
          u("AV. CABO BRANCO, 3400 AP 201"), u("CABO BRANCO"), u("JOÃO PESSOA"), u("PB"),
          u("83999112233"), u("11144477735"), 2},
         {4, 1, u("EVENTOS LITORAL LTDA"), nulo, u("T"), u("F"), u("RUA DO SOL, 55"), u("CENTRO"),
          u("CABEDELO"), u("PB"), u("8332451000"), u("11222333000181"), 1}});
    // A regular customer pays less for the draught beer.
    insere(dm, "PRECO_DIFERENCIADO", "COD_LOJA, COD_PROD, COD_CLI, VLR_PRECO",
           {{1, 25, 2, 14.90}, {1, 37, 4, 10.50}});
    insere(dm, "CONDICAO_PRECO", "COD_CONDICAO_PRECO, DESCRICAO, CHK_ATIVO",
           {{1, u("À VISTA"), u("T")},
            {2, u("FUNCIONÁRIO"), u("T")},
            {3, u("EVENTO"), u("T")},
            {4, u("TABELA ANTIGA"), u("F")}});

    QList<QVariantList> cartoes;
    for (int n = 1; n <= 150; ++n)
        cartoes.append({n, u("F")});
    insere(dm, "COMANDA", "NUM_COMANDA, BLOQUEADA", cartoes);
    // Card 99 was lost: it is blocked.
    dm.ExecutaSQL(u("UPDATE COMANDA SET BLOQUEADA = 'T' WHERE NUM_COMANDA = :n"), {{u("n"), 99}});
    insere(dm, "CART_BLOQUEIO", "COD_CARTELA, DATA, COD_LOJA",
           {{99, QDateTime(hoje.addDays(-3), QTime(0, 0)), 1}});

    insere(dm, "CMD_TERMINAIS",
           "COD_TERM, DESCRICAO, CHK_ATIVO, COD_IMPRESSAO, COD_LOJA, LINHAS, COLUNAS, "
           "CHK_BALANCA, CHK_ENVIA_PCO_BAL, CHK_MESA, CHK_IMPRIME",
           {{1, u("CAIXA"), u("T"), 1, 1, 10, 10, u("F"), u("F"), u("T"), u("T")}});

    // The kitchen and bar print into files of the shop folder, so tickets show without a printer.
    insere(dm, "CMD_IMPRESSAO",
           "COD_IMP, DESCRICAO, PORTA_IMPRESSAO, COLUNAS, ESP_RODAPE, CHK_ATIVO",
           {{1, u("COZINHA"), u("file:") + pasta + u("impressora-cozinha.txt"), 48, 5, u("T")},
            {2, u("BAR"), u("file:") + pasta + u("impressora-bar.txt"), 48, 5, u("T")}});
    insere(dm, "CMD_LISTA_IMPRESSAO", "COD_LISTA, DESCRICAO, CHK_ATIVO",
           {{1, u("SALÃO"), u("T")}, {2, u("DELIVERY"), u("T")}});
    insere(dm, "CMD_LISTA_IMPRESSAO_ITEM",
           "COD_LISTA, COD_DEPART, COD_SUBDEPART, COD_IMP, CHK_ATIVO",
           {{1, 1, 1, 1, u("T")},
            {1, 1, 2, 1, u("T")},
            {1, 1, 3, 1, u("T")},
            {1, 4, 1, 1, u("T")},
            {1, 2, 1, 2, u("T")},
            {1, 2, 2, 2, u("T")},
            {1, 3, 1, 2, u("T")},
            {1, 3, 2, 2, u("T")},
            {1, 3, 3, 2, u("T")},
            {2, 1, 1, 1, u("T")}});
    insere(dm, "CMD_OBS", "OBSERVACAO, CHK_ATIVO",
           {{u("SEM CEBOLA"), u("T")},
            {u("BEM PASSADO"), u("T")},
            {u("AO PONTO"), u("T")},
            {u("MAL PASSADO"), u("T")},
            {u("SEM GELO"), u("T")},
            {u("SEM AÇÚCAR"), u("T")},
            {u("MOLHO À PARTE"), u("T")},
            {u("SEM PIMENTA"), u("T")}});
}

} // namespace LojaDemo
