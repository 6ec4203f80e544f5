#include "AtualizaBanco.h"

#include "TDMXAL.h"
#include "platform/Falha.h"

namespace
{

QString u(const char* texto)
{
    return QString::fromUtf8(texto);
}

bool temColuna(TDMXAL& dm, const char* tabela, const char* coluna)
{
    QSqlQuery q;
    dm.ExecutaSQL(u("SELECT COUNT(*) FROM pragma_table_info(:t) WHERE UPPER(name) = UPPER(:c)"), q,
                  {{u("t"), u(tabela)}, {u("c"), u(coluna)}});
    const bool tem = q.next() && q.value(0).toInt() > 0;
    q.finish();
    return tem;
}

// SQLite form of "IF COL_LENGTH(table, column) IS NULL ALTER TABLE ... ADD ...": a missing
// table fails just as it does on the server.
std::function<void(TDMXAL&)> adicionaColuna(const char* tabela, const char* coluna,
                                            const char* tipo)
{
    return [=](TDMXAL& dm) {
        if (!temColuna(dm, tabela, coluna))
            dm.ExecutaSQL(u("ALTER TABLE ") + u(tabela) + u(" ADD COLUMN ") + u(coluna) +
                          QLatin1Char(' ') + u(tipo));
    };
}

std::function<void(TDMXAL&)> executa(const char* sql)
{
    return [=](TDMXAL& dm) { dm.ExecutaSQL(u(sql)); };
}

std::function<void(TDMXAL&)> todos(QList<std::function<void(TDMXAL&)>> passos)
{
    return [passos](TDMXAL& dm) {
        for (const auto& p : passos)
            p(dm);
    };
}

// Views are dropped and created in one transaction so no reader ever finds one missing.
std::function<void(TDMXAL&)> recriaVisao(const char* nome, const char* corpo)
{
    return [=](TDMXAL& dm) {
        dm.emTransacao([&] {
            dm.ExecutaSQL(u("DROP VIEW IF EXISTS ") + u(nome));
            dm.ExecutaSQL(u("CREATE VIEW ") + u(nome) + u(" AS ") + u(corpo));
        });
    };
}

const char* const kCriaTabelasSqlServer =
    "IF OBJECT_ID('PRODUTO_CATEGORIA') IS NULL BEGIN CREATE TABLE PRODUTO_CATEGORIA ( "
    "COD_CATEGORIA INT NOT NULL, DESCRICAO VARCHAR(50) NULL, ORDEM INT NULL, IMAGEM "
    "VARBINARY(MAX) NULL, CHK_ATIVO VARCHAR(1) NULL DEFAULT 'T', CONSTRAINT "
    "PK_PRODUTO_CATEGORIA PRIMARY KEY CLUSTERED (COD_CATEGORIA) ) END "
    "IF OBJECT_ID('CMD_OBS') IS NULL BEGIN CREATE TABLE CMD_OBS ( COD_OBS INT IDENTITY(1,1) "
    "NOT NULL PRIMARY KEY CLUSTERED, OBSERVACAO VARCHAR(100) NULL, ID_DEPARTAMENTO INT NULL, "
    "ID_SUB_DEPARTAMENTO INT NULL, CHK_ATIVO VARCHAR(1) NULL DEFAULT 'T' ) END "
    "IF OBJECT_ID('CMD_IMPRESSAO') IS NULL BEGIN CREATE TABLE CMD_IMPRESSAO ( COD_IMP INT "
    "IDENTITY(1,1) NOT NULL, DESCRICAO VARCHAR(50) NULL, PORTA_IMPRESSAO VARCHAR(128) NULL, "
    "COLUNAS INT NULL, ESP_RODAPE INT NULL, FONTE_NOME VARCHAR(50) NULL, FONTE_TAMANHO INT "
    "NULL, FONTE_ESTILO VARCHAR(50) NULL, CHK_ATIVO VARCHAR(1) NULL DEFAULT 'T', CONSTRAINT "
    "PK_CMD_IMPRESSAO PRIMARY KEY CLUSTERED (COD_IMP) ) END "
    "IF OBJECT_ID('CMD_LISTA_IMPRESSAO') IS NULL BEGIN CREATE TABLE CMD_LISTA_IMPRESSAO ( "
    "COD_LISTA INT IDENTITY(1,1) NOT NULL, DESCRICAO VARCHAR(50) NULL, CHK_ATIVO VARCHAR(1) "
    "NULL DEFAULT 'T', CONSTRAINT PK_CMD_LISTA_IMPRESSAO PRIMARY KEY CLUSTERED (COD_LISTA) ) "
    "END "
    "IF OBJECT_ID('CMD_LISTA_IMPRESSAO_ITEM') IS NULL BEGIN CREATE TABLE "
    "CMD_LISTA_IMPRESSAO_ITEM ( ID INT IDENTITY(1,1) NOT NULL PRIMARY KEY CLUSTERED, "
    "COD_LISTA INT NOT NULL, COD_DEPART INT NULL, COD_SUBDEPART INT NULL, COD_IMP INT NULL, "
    "CHK_ATIVO VARCHAR(1) NULL DEFAULT 'T', CONSTRAINT "
    "FK_CMD_LISTA_IMPRESSAO_ITEM_CMD_LISTA_IMPRESSAO FOREIGN KEY (COD_LISTA) REFERENCES "
    "CMD_LISTA_IMPRESSAO (COD_LISTA), CONSTRAINT UK2_CMD_LISTA_IMPRESSAO_ITEM UNIQUE "
    "(COD_LISTA, COD_DEPART, COD_SUBDEPART, COD_IMP) ) END "
    "IF OBJECT_ID('CMD_CONFIG_MOBILE') IS NULL BEGIN CREATE TABLE CMD_CONFIG_MOBILE ( ID INT "
    "NOT NULL PRIMARY KEY CLUSTERED, QTDE_MESA INT NULL, TIPO_ESTAB VARCHAR(50) NULL, "
    "CALC_COMB CHAR(3) NULL, LISTA_DEPARTAMENTOS VARCHAR(MAX) NULL, LISTA_SUBDEPARTAMENTOS "
    "VARCHAR(MAX) NULL, ESPACOS_IMPRESSAO INT NULL, CARTAO_MESA CHAR(1) NULL, "
    "DEPARTAMENTOS_COMBINADOS VARCHAR(MAX) NULL, IMPRIMIR CHAR(1) NULL, IMPRIMIRPOR CHAR(1) "
    "NULL, FAIXA_INICIAL INT NULL, FAIXA_FINAL INT NULL, ATENDENTE VARCHAR(50) NULL, "
    "COMBINADO CHAR(1) NULL, COD_CLIENTE INT NULL, CHK_CANCELA_ITEM CHAR(1) NULL DEFAULT 'N', "
    "IMPRIMIR_AUTO CHAR(1) NULL, VERIFICA_SENHA_LOGIN CHAR(1) NULL, VERIFICA_QUEBRA_IMPRESSAO "
    "CHAR(1) NULL, CATRACA CHAR(1) NULL, CHK_CANCELA_ITEM_IMPRESSO CHAR(1) NULL, "
    "CHK_QUALIFICAR_PEDIDO CHAR(1) NULL, IMPRIMIR_APOS_INSERIR CHAR(1) NULL, "
    "CHK_LOGIN_CANCELA_ITEM CHAR(1) NULL, CONFIG_JSON VARCHAR(MAX) NULL ) END "
    "IF OBJECT_ID('IMP_CONTROLE') IS NULL BEGIN CREATE TABLE IMP_CONTROLE ( ID INT "
    "IDENTITY(1,1) NOT NULL, DATA DATETIME NOT NULL, ID_TABELA INT NOT NULL, TIPO_IMPRESSAO "
    "VARCHAR(25) NOT NULL, DOCUMENTO VARCHAR(50) NOT NULL, FLG_IMPRESSAO VARCHAR(1) NULL, "
    "RESPOSTA VARCHAR(255) NULL, IMPRESSORA VARCHAR(50) NULL, COD_LISTA INT NULL, CONSTRAINT "
    "PK_IMP_CONTROLE PRIMARY KEY CLUSTERED (ID), CONSTRAINT UK_IMP_CONTROLE UNIQUE "
    "(ID_TABELA, TIPO_IMPRESSAO, DOCUMENTO) ) END ";

#define CAMPO_SQLSERVER(TAB, COL, TIPO)                                                            \
    "IF COL_LENGTH('" TAB "' , '" COL "') IS NULL BEGIN EXEC ('ALTER TABLE " TAB " ADD " COL       \
    " " TIPO "') END "

const char* const kCriaCamposSqlServer = CAMPO_SQLSERVER(
    "PRODUTO", "COD_CATEGORIA",
    "INT") CAMPO_SQLSERVER("CMD_OBS", "ID_DEPARTAMENTO",
                           "INT") CAMPO_SQLSERVER("CMD_OBS", "ID_SUB_DEPARTAMENTO", "INT")
    CAMPO_SQLSERVER("CMD_OBS", "CHK_ATIVO", "VARCHAR(1) DEFAULT ''T''") CAMPO_SQLSERVER(
        "CMD_IMPRESSAO", "COLUNAS", "INT") CAMPO_SQLSERVER("CMD_IMPRESSAO", "ESP_RODAPE", "INT")
        CAMPO_SQLSERVER("CMD_IMPRESSAO", "FONTE_NOME",
                        "VARCHAR(50)") CAMPO_SQLSERVER("CMD_IMPRESSAO", "FONTE_TAMANHO", "INT")
            CAMPO_SQLSERVER("CMD_IMPRESSAO", "FONTE_ESTILO", "VARCHAR(50)") CAMPO_SQLSERVER(
                "CMD_IMPRESSAO", "CHK_ATIVO",
                "VARCHAR(1) DEFAULT ''T''") CAMPO_SQLSERVER("CMD_LISTA_IMPRESSAO", "CHK_ATIVO",
                                                            "VARCHAR(1) DEFAULT ''T''")
                CAMPO_SQLSERVER(
                    "CMD_LISTA_IMPRESSAO_ITEM", "CHK_ATIVO",
                    "VARCHAR(1) DEFAULT ''T''") "IF COL_LENGTH('CMD_LISTA_IMPRESSAO_ITEM' , 'ID') "
                                                "IS NULL BEGIN EXEC ('ALTER TABLE "
                                                "CMD_LISTA_IMPRESSAO_ITEM ADD [ID] INT "
                                                "IDENTITY(1,1) NOT NULL PRIMARY KEY') EXEC ('ALTER "
                                                "TABLE CMD_LISTA_IMPRESSAO_ITEM ALTER COLUMN "
                                                "COD_LISTA INT NOT NULL') END "
                                                "IF OBJECT_ID('UK_CMD_LISTA_IMPRESSAO_ITEM') IS "
                                                "NOT NULL BEGIN EXEC ('ALTER TABLE "
                                                "CMD_LISTA_IMPRESSAO_ITEM DROP CONSTRAINT "
                                                "UK_CMD_LISTA_IMPRESSAO_ITEM') END "
                                                "IF OBJECT_ID('UK2_CMD_LISTA_IMPRESSAO_ITEM') IS "
                                                "NULL BEGIN EXEC ('ALTER TABLE "
                                                "CMD_LISTA_IMPRESSAO_ITEM ADD CONSTRAINT "
                                                "UK2_CMD_LISTA_IMPRESSAO_ITEM UNIQUE (COD_LISTA, "
                                                "COD_DEPART, COD_SUBDEPART, COD_IMP)') "
                                                "END " CAMPO_SQLSERVER("CMD_CONFIG_MOBILE",
                                                                       "CONFIG_JSON",
                                                                       "VARCHAR(MAX)")
                                                    CAMPO_SQLSERVER("CMD_ITEM", "ID_ITEM_CARDAPIO",
                                                                    "INT")
                                                        CAMPO_SQLSERVER("CMD_ITEM",
                                                                        "CHK_PRECO_COMANDA",
                                                                        "VARCHAR(1)")
                                                            CAMPO_SQLSERVER("CMD_NOTA",
                                                                            "COD_CONDICAO_PRECO",
                                                                            "INT");

void criaTabelasSqlite(TDMXAL& dm)
{
    static const char* const tabelas[] = {
        "CREATE TABLE IF NOT EXISTS PRODUTO_CATEGORIA (COD_CATEGORIA INTEGER NOT NULL PRIMARY "
        "KEY, DESCRICAO VARCHAR(50), ORDEM INTEGER, IMAGEM BLOB, CHK_ATIVO VARCHAR(1) DEFAULT "
        "'T')",
        "CREATE TABLE IF NOT EXISTS CMD_OBS (COD_OBS INTEGER PRIMARY KEY AUTOINCREMENT, "
        "OBSERVACAO VARCHAR(100), ID_DEPARTAMENTO INTEGER, ID_SUB_DEPARTAMENTO INTEGER, "
        "CHK_ATIVO VARCHAR(1) DEFAULT 'T')",
        "CREATE TABLE IF NOT EXISTS CMD_IMPRESSAO (COD_IMP INTEGER PRIMARY KEY AUTOINCREMENT, "
        "DESCRICAO VARCHAR(50), PORTA_IMPRESSAO VARCHAR(128), COLUNAS INTEGER, ESP_RODAPE "
        "INTEGER, FONTE_NOME VARCHAR(50), FONTE_TAMANHO INTEGER, FONTE_ESTILO VARCHAR(50), "
        "CHK_ATIVO VARCHAR(1) DEFAULT 'T')",
        "CREATE TABLE IF NOT EXISTS CMD_LISTA_IMPRESSAO (COD_LISTA INTEGER PRIMARY KEY "
        "AUTOINCREMENT, DESCRICAO VARCHAR(50), CHK_ATIVO VARCHAR(1) DEFAULT 'T')",
        "CREATE TABLE IF NOT EXISTS CMD_LISTA_IMPRESSAO_ITEM (ID INTEGER PRIMARY KEY "
        "AUTOINCREMENT, COD_LISTA INTEGER NOT NULL REFERENCES CMD_LISTA_IMPRESSAO (COD_LISTA), "
        "COD_DEPART INTEGER, COD_SUBDEPART INTEGER, COD_IMP INTEGER, CHK_ATIVO VARCHAR(1) "
        "DEFAULT 'T')",
        "CREATE TABLE IF NOT EXISTS CMD_CONFIG_MOBILE (ID INTEGER NOT NULL PRIMARY KEY, "
        "QTDE_MESA INTEGER, TIPO_ESTAB VARCHAR(50), CALC_COMB CHAR(3), LISTA_DEPARTAMENTOS "
        "TEXT, LISTA_SUBDEPARTAMENTOS TEXT, ESPACOS_IMPRESSAO INTEGER, CARTAO_MESA CHAR(1), "
        "DEPARTAMENTOS_COMBINADOS TEXT, IMPRIMIR CHAR(1), IMPRIMIRPOR CHAR(1), FAIXA_INICIAL "
        "INTEGER, FAIXA_FINAL INTEGER, ATENDENTE VARCHAR(50), COMBINADO CHAR(1), COD_CLIENTE "
        "INTEGER, CHK_CANCELA_ITEM CHAR(1) DEFAULT 'N', IMPRIMIR_AUTO CHAR(1), "
        "VERIFICA_SENHA_LOGIN CHAR(1), VERIFICA_QUEBRA_IMPRESSAO CHAR(1), CATRACA CHAR(1), "
        "CHK_CANCELA_ITEM_IMPRESSO CHAR(1), CHK_QUALIFICAR_PEDIDO CHAR(1), "
        "IMPRIMIR_APOS_INSERIR CHAR(1), CHK_LOGIN_CANCELA_ITEM CHAR(1), CONFIG_JSON TEXT)",
        "CREATE TABLE IF NOT EXISTS IMP_CONTROLE (ID INTEGER PRIMARY KEY AUTOINCREMENT, DATA "
        "TEXT NOT NULL, ID_TABELA INTEGER NOT NULL, TIPO_IMPRESSAO VARCHAR(25) NOT NULL, "
        "DOCUMENTO VARCHAR(50) NOT NULL, FLG_IMPRESSAO VARCHAR(1), RESPOSTA VARCHAR(255), "
        "IMPRESSORA VARCHAR(50), COD_LISTA INTEGER, CONSTRAINT UK_IMP_CONTROLE UNIQUE "
        "(ID_TABELA, TIPO_IMPRESSAO, DOCUMENTO))",
    };
    dm.emTransacao([&] {
        for (const char* sql : tabelas)
            dm.ExecutaSQL(u(sql));
    });
}

// A routing table of an old installation without its ID column is rebuilt with it.
void recriaListaImpressaoItem(TDMXAL& dm)
{
    if (temColuna(dm, "CMD_LISTA_IMPRESSAO_ITEM", "ID"))
        return;
    dm.emTransacao([&] {
        dm.ExecutaSQL(
            u("ALTER TABLE CMD_LISTA_IMPRESSAO_ITEM RENAME TO CMD_LISTA_IMPRESSAO_ITEM_ANT"));
        dm.ExecutaSQL(u(
            "CREATE TABLE CMD_LISTA_IMPRESSAO_ITEM (ID INTEGER PRIMARY KEY AUTOINCREMENT, "
            "COD_LISTA INTEGER NOT NULL REFERENCES CMD_LISTA_IMPRESSAO (COD_LISTA), COD_DEPART "
            "INTEGER, COD_SUBDEPART INTEGER, COD_IMP INTEGER, CHK_ATIVO VARCHAR(1) DEFAULT 'T')"));
        dm.ExecutaSQL(u("INSERT INTO CMD_LISTA_IMPRESSAO_ITEM (COD_LISTA, COD_DEPART, "
                        "COD_SUBDEPART, COD_IMP, CHK_ATIVO) SELECT COD_LISTA, COD_DEPART, "
                        "COD_SUBDEPART, COD_IMP, CHK_ATIVO FROM CMD_LISTA_IMPRESSAO_ITEM_ANT"));
        dm.ExecutaSQL(u("DROP TABLE CMD_LISTA_IMPRESSAO_ITEM_ANT"));
    });
}

void criaCamposSqlite(TDMXAL& dm)
{
    todos({adicionaColuna("PRODUTO", "COD_CATEGORIA", "INTEGER"),
           adicionaColuna("CMD_OBS", "ID_DEPARTAMENTO", "INTEGER"),
           adicionaColuna("CMD_OBS", "ID_SUB_DEPARTAMENTO", "INTEGER"),
           adicionaColuna("CMD_OBS", "CHK_ATIVO", "VARCHAR(1) DEFAULT 'T'"),
           adicionaColuna("CMD_IMPRESSAO", "COLUNAS", "INTEGER"),
           adicionaColuna("CMD_IMPRESSAO", "ESP_RODAPE", "INTEGER"),
           adicionaColuna("CMD_IMPRESSAO", "FONTE_NOME", "VARCHAR(50)"),
           adicionaColuna("CMD_IMPRESSAO", "FONTE_TAMANHO", "INTEGER"),
           adicionaColuna("CMD_IMPRESSAO", "FONTE_ESTILO", "VARCHAR(50)"),
           adicionaColuna("CMD_IMPRESSAO", "CHK_ATIVO", "VARCHAR(1) DEFAULT 'T'"),
           adicionaColuna("CMD_LISTA_IMPRESSAO", "CHK_ATIVO", "VARCHAR(1) DEFAULT 'T'"),
           adicionaColuna("CMD_LISTA_IMPRESSAO_ITEM", "CHK_ATIVO", "VARCHAR(1) DEFAULT 'T'"),
           recriaListaImpressaoItem, executa("DROP INDEX IF EXISTS UK_CMD_LISTA_IMPRESSAO_ITEM"),
           // As on the server, two rows without a sub-department are duplicates.
           executa("CREATE UNIQUE INDEX IF NOT EXISTS UK2_CMD_LISTA_IMPRESSAO_ITEM ON "
                   "CMD_LISTA_IMPRESSAO_ITEM (COD_LISTA, COD_DEPART, COALESCE(COD_SUBDEPART, "
                   "-1), COD_IMP)"),
           adicionaColuna("CMD_CONFIG_MOBILE", "CONFIG_JSON", "TEXT"),
           adicionaColuna("CMD_ITEM", "ID_ITEM_CARDAPIO", "INTEGER"),
           adicionaColuna("CMD_ITEM", "CHK_PRECO_COMANDA", "VARCHAR(1)"),
           adicionaColuna("CMD_NOTA", "COD_CONDICAO_PRECO", "INTEGER")})(dm);
}

void migraTipoKitSqlite(TDMXAL& dm)
{
    if (!temColuna(dm, "CMD_NOTA", "FLG_TIPO_KIT"))
        return;
    dm.emTransacao([&] {
        dm.ExecutaSQL(u("UPDATE CMD_NOTA SET FLG_TIPO_DOC = CASE WHEN FLG_TIPO_KIT = 'P' THEN "
                        "'K' ELSE 'T' END WHERE FLG_TIPO_DOC = 'K'"));
        dm.ExecutaSQL(u("ALTER TABLE CMD_NOTA DROP COLUMN FLG_TIPO_KIT"));
    });
}

// Indexes that keep the per-item statements independent of the size of the history; the
// back office keeps its own on SQL Server.
void criaIndicesSqlite(TDMXAL& dm)
{
    static const char* const indices[] = {
        "CREATE INDEX IF NOT EXISTS IX_CMD_ITEM_DOCUMENTO ON CMD_ITEM (DOCUMENTO)",
        "CREATE INDEX IF NOT EXISTS IX_CMD_ITEM_COMANDA ON CMD_ITEM (NUM_COMANDA, COD_LOJA, "
        "NUM_ITEM)",
        "CREATE INDEX IF NOT EXISTS IX_CMD_NOTA_COMANDA ON CMD_NOTA (NUM_COMANDA, COD_LOJA, "
        "FLG_TIPO_DOC, CHK_BAIXA)",
        "CREATE INDEX IF NOT EXISTS IX_CMD_NOTA_ABERTAS ON CMD_NOTA (COD_LOJA, CHK_BAIXA, DATA)",
        "CREATE INDEX IF NOT EXISTS IX_CMD_NOTA_VINCULO ON CMD_NOTA (COD_VINCULO)",
    };
    for (const char* sql : indices)
        dm.ExecutaSQL(u(sql));
}

QString negaLeitura(const char* objeto)
{
    return u(" DENY SELECT ON OBJECT::") + u(objeto) + u(" TO OrlixAutomacao; ");
}

QList<PassoAtualizacao> monta()
{
    QList<PassoAtualizacao> p;
    auto soServidor = [&p](const char* sql) { p.append({u(sql), nullptr}); };
    auto passo = [&p](const char* sql, std::function<void(TDMXAL&)> sqlite) {
        p.append({u(sql), std::move(sqlite)});
    };

    soServidor("IF  object_id('UDF_STS_COMANDA','IF') IS NOT NULL DROP FUNCTION UDF_STS_COMANDA");
    soServidor(
        "CREATE FUNCTION UDF_STS_COMANDA (  @NUM_COMANDA VARCHAR(100) ) RETURNS TABLE AS RETURN "
        "( SELECT TOP 1 NUM_COMANDA,DATA,HORA,SUBSTRING(STS,2,20) AS STS FROM ( SELECT "
        "C.NUM_COMANDA, CONVERT(VARCHAR(10),C.DATA,103) DATA, CONVERT(VARCHAR(8),C.HORA,108) "
        "HORA, 'AC' STS FROM CMD_NOTA C WHERE (ISNULL(C.CHK_BAIXA,'F')='F' AND "
        "ISNULL(C.CHK_CANCELADO,'F')='F' ) AND C.NUM_COMANDA=@NUM_COMANDA ) TAB ORDER BY STS  ) ");
    passo("if COL_LENGTH('CMD_NOTA','FLG_TIPO_KIT') IS NOT NULL   BEGIN    BEGIN      exec "
          "('UPDATE CMD_NOTA SET FLG_TIPO_DOC = CASE WHEN FLG_TIPO_KIT=''P'' THEN ''K'' ELSE "
          "''T'' END   \tWHERE FLG_TIPO_DOC=''K'' ')    END     BEGIN        exec ('ALTER TABLE "
          "CMD_NOTA DROP COLUMN FLG_TIPO_KIT')    END  END ",
          migraTipoKitSqlite);
    soServidor("if (Select COUNT(*) FROM sys.syslogins WHERE NAME = 'OrlixAutomacao')=0 EXECUTE "
               "('CREATE LOGIN OrlixAutomacao WITH PASSWORD = ''wudex''')");
    soServidor("if (Select COUNT(*) FROM sys.sysusers WHERE NAME = 'OrlixAutomacao')=0 EXECUTE "
               "('CREATE USER OrlixAutomacao FOR LOGIN  OrlixAutomacao ')");
    soServidor("EXEC sp_addrolemember N'db_datareader', N'OrlixAutomacao'");
    soServidor("deny VIEW DEFINITION to OrlixAutomacao");
    soServidor("Grant Select To OrlixAutomacao");
    soServidor("GRANT SELECT ON UDF_STS_COMANDA TO OrlixAutomacao");
    passo("if COL_LENGTH('CMD_NOTA','DATA_CONCLUIDO_DELIVERY') IS NULL  BEGIN    exec ('ALTER "
          "TABLE CMD_NOTA ADD DATA_CONCLUIDO_DELIVERY DATETIME') END ",
          adicionaColuna("CMD_NOTA", "DATA_CONCLUIDO_DELIVERY", "TEXT"));
    passo("if COL_LENGTH('CMD_NOTA','DELIVERYWEB') IS NULL  BEGIN    exec ('ALTER TABLE CMD_NOTA "
          "ADD DELIVERYWEB INT') END if COL_LENGTH('CMD_ITEM','DELIVERYWEB') IS NULL  BEGIN    "
          "exec ('ALTER TABLE CMD_ITEM ADD DELIVERYWEB INT') END ",
          todos({adicionaColuna("CMD_NOTA", "DELIVERYWEB", "INTEGER"),
                 adicionaColuna("CMD_ITEM", "DELIVERYWEB", "INTEGER")}));
    passo("if COL_LENGTH('CMD_TERMINAIS','COD_ATALHOS') IS NULL  BEGIN    exec ('ALTER TABLE "
          "CMD_TERMINAIS ADD COD_ATALHOS INT') END ",
          adicionaColuna("CMD_TERMINAIS", "COD_ATALHOS", "INTEGER"));
    passo("if COL_LENGTH('CMD_TERMINAIS','TOKEN') IS NULL  BEGIN    exec ('ALTER TABLE "
          "CMD_TERMINAIS ADD TOKEN VARCHAR(20)') END ",
          adicionaColuna("CMD_TERMINAIS", "TOKEN", "VARCHAR(20)"));
    passo("if COL_LENGTH('CMD_NOTA','DATA_ENTREGA') IS NULL  BEGIN    exec ('ALTER TABLE "
          "CMD_NOTA ADD DATA_ENTREGA DATETIME') END ",
          adicionaColuna("CMD_NOTA", "DATA_ENTREGA", "TEXT"));
    passo("if COL_LENGTH('CMD_TERMINAIS','CHK_IDENTIFICA_VEND_UMA_VEZ') IS NULL  BEGIN    exec "
          "('ALTER TABLE CMD_TERMINAIS ADD CHK_IDENTIFICA_VEND_UMA_VEZ VARCHAR(1) DEFAULT ''F'' "
          "') END ",
          adicionaColuna("CMD_TERMINAIS", "CHK_IDENTIFICA_VEND_UMA_VEZ", "VARCHAR(1) DEFAULT 'F'"));
    passo("if COL_LENGTH('CMD_TERMINAIS','CHK_VEND_INI_IT') IS NULL  BEGIN    exec ('ALTER "
          "TABLE CMD_TERMINAIS ADD CHK_VEND_INI_IT VARCHAR(1) DEFAULT ''F'' ') END ",
          adicionaColuna("CMD_TERMINAIS", "CHK_VEND_INI_IT", "VARCHAR(1) DEFAULT 'F'"));
    passo("if COL_LENGTH('CMD_TERMINAIS','CHK_SENHA_VEND') IS NULL  BEGIN    exec ('ALTER "
          "TABLE CMD_TERMINAIS ADD CHK_SENHA_VEND VARCHAR(1) DEFAULT ''F'' ') END ",
          adicionaColuna("CMD_TERMINAIS", "CHK_SENHA_VEND", "VARCHAR(1) DEFAULT 'F'"));
    // Steps 18/19, 21/22 and 36/37 drop and create a view; on SQLite each pair is one step.
    soServidor(" IF OBJECT_ID ('VIEW_COMANDA_ABERTAS', 'V') IS NOT NULL   DROP VIEW "
               "VIEW_COMANDA_ABERTAS ");
    passo(" CREATE VIEW VIEW_COMANDA_ABERTAS  AS   SELECT     NUM_COMANDA   FROM   CMD_NOTA C   "
          "WHERE (ISNULL(C.CHK_BAIXA,'F')='F' AND ISNULL(C.CHK_CANCELADO,'F')='F' )   UNION ALL "
          "  SELECT COD_CARTELA FROM CART_BLOQUEIO ",
          recriaVisao("VIEW_COMANDA_ABERTAS",
                      "SELECT NUM_COMANDA FROM CMD_NOTA C WHERE (COALESCE(C.CHK_BAIXA,'F')='F' "
                      "AND COALESCE(C.CHK_CANCELADO,'F')='F') UNION ALL SELECT COD_CARTELA "
                      "FROM CART_BLOQUEIO"));
    passo(" IF OBJECT_ID('CMD_CONSUMIDOR') IS NULL  BEGIN  CREATE TABLE [dbo].[CMD_CONSUMIDOR]( "
          "\t[ID] [int] IDENTITY(1,1) NOT NULL, \t[NUM_COMANDA] [int] NULL, \t[DATA] [date] "
          "NULL, \t[HORA] [time](7) NULL, \t[CONTATO] [varchar](250) NULL, "
          "\t[DOCUMENTO_CONSUMIDOR] [varchar](30) NULL, \t[TELEFONE] [varchar](15) NULL, "
          "\t[COD_LOJA] [int] NULL  ) ON [PRIMARY]  END ",
          executa("CREATE TABLE IF NOT EXISTS CMD_CONSUMIDOR (ID INTEGER PRIMARY KEY "
                  "AUTOINCREMENT, NUM_COMANDA INTEGER, DATA TEXT, HORA TEXT, CONTATO "
                  "VARCHAR(250), DOCUMENTO_CONSUMIDOR VARCHAR(30), TELEFONE VARCHAR(15), "
                  "COD_LOJA INTEGER)"));
    soServidor(" IF OBJECT_ID ('VIEW_DRENTAGATE', 'V') IS NOT NULL   DROP VIEW VIEW_DRENTAGATE ");
    passo(" CREATE VIEW VIEW_DRENTAGATE  AS  SELECT  CASE  WHEN LEN(NUM_COMANDA) = 1 \tTHEN "
          "'00'  ELSE CASE \t\tWHEN LEN(NUM_COMANDA) = 2 \t\t\tTHEN '0' \t\tELSE '' \t\tEND  "
          "END + CONVERT(VARCHAR(10), NUM_COMANDA)  NCOMANDA, CASE WHEN CB.COD_CARTELA>0  THEN "
          "'B' ELSE  CASE WHEN TC.NCOMANDA>0 THEN 'C' ELSE  'L' END END   STATUSCOMANDA  FROM "
          "COMANDA C  LEFT JOIN (SELECT  NUM_COMANDA  NCOMANDA,  'C' STSATUSCOMANDA  FROM  "
          "CMD_NOTA C  WHERE (ISNULL(C.CHK_BAIXA,'F')='F' AND ISNULL(C.CHK_CANCELADO,'F')='F' ) "
          " GROUP BY NUM_COMANDA ) AS TC ON TC.NCOMANDA = C.NUM_COMANDA  LEFT JOIN  "
          "CART_BLOQUEIO AS  CB ON CB.COD_CARTELA =C.NUM_COMANDA ",
          recriaVisao("VIEW_DRENTAGATE",
                      "SELECT CASE WHEN LENGTH(CAST(C.NUM_COMANDA AS TEXT)) = 1 THEN '00' ELSE "
                      "CASE WHEN LENGTH(CAST(C.NUM_COMANDA AS TEXT)) = 2 THEN '0' ELSE '' END "
                      "END || CAST(C.NUM_COMANDA AS TEXT) AS NCOMANDA, CASE WHEN "
                      "CB.COD_CARTELA > 0 THEN 'B' ELSE CASE WHEN TC.NCOMANDA > 0 THEN 'C' ELSE "
                      "'L' END END AS STATUSCOMANDA FROM COMANDA C LEFT JOIN (SELECT NUM_COMANDA "
                      "AS NCOMANDA FROM CMD_NOTA N WHERE (COALESCE(N.CHK_BAIXA,'F')='F' AND "
                      "COALESCE(N.CHK_CANCELADO,'F')='F') GROUP BY NUM_COMANDA) AS TC ON "
                      "TC.NCOMANDA = C.NUM_COMANDA LEFT JOIN CART_BLOQUEIO AS CB ON "
                      "CB.COD_CARTELA = C.NUM_COMANDA"));
    passo("if COL_LENGTH('CLIENTE','COMPLEMENTO') IS NULL  BEGIN    exec ('ALTER TABLE CLIENTE "
          "ADD COMPLEMENTO VARCHAR(40)') END ",
          adicionaColuna("CLIENTE", "COMPLEMENTO", "VARCHAR(40)"));
    passo("if COL_LENGTH('CMD_NOTA','NUM_OCUPANTE') IS NULL  BEGIN    exec ('ALTER TABLE "
          "CMD_NOTA ADD NUM_OCUPANTE INT ') END ",
          adicionaColuna("CMD_NOTA", "NUM_OCUPANTE", "INTEGER"));
    passo("if COL_LENGTH('CMD_NOTA','COD_VINCULO') IS NULL  BEGIN    exec ('ALTER TABLE "
          "CMD_NOTA ADD COD_VINCULO INT ') END ",
          adicionaColuna("CMD_NOTA", "COD_VINCULO", "INTEGER"));
    passo(kCriaTabelasSqlServer, criaTabelasSqlite);
    passo(kCriaCamposSqlServer, criaCamposSqlite);
    soServidor("if (Select COUNT(*) FROM sys.syslogins WHERE NAME = 'OrlixAutomacao')=0 EXECUTE "
               "('CREATE LOGIN OrlixAutomacao WITH PASSWORD = ''wudex'''); ");
    soServidor("if (Select COUNT(*) from sys.sysusers Where name = 'OrlixAutomacao') = 1  DROP "
               "USER [OrlixAutomacao] ");
    soServidor("CREATE USER [OrlixAutomacao] FOR LOGIN [OrlixAutomacao]");
    soServidor("EXEC sp_addrolemember N'db_datareader', N'OrlixAutomacao'");
    soServidor("deny VIEW DEFINITION to OrlixAutomacao");
    soServidor("GRANT SELECT ON VIEW_COMANDA_ABERTAS TO OrlixAutomacao");
    soServidor("GRANT SELECT ON VIEW_DRENTAGATE TO OrlixAutomacao");
    for (const char* objeto :
         {"produto", "departamento", "icms", "cmd_item", "cmd_nota", "GRV_FISCAL", "GRV_ITENS",
          "cliente", "funcionario", "SENHA", "receita", "vale", "loja", "configuracao", "icms",
          "vnd_item", "vnd_nota", "comanda"})
        p.append({negaLeitura(objeto), nullptr});
    soServidor(" IF OBJECT_ID ('TB_COMANDAS_PELTRA', 'V') IS NOT NULL   DROP VIEW "
               "TB_COMANDAS_PELTRA ");
    passo(" CREATE VIEW TB_COMANDAS_PELTRA       AS       SELECT   NUM_COMANDA  NCOMANDA,  CASE "
          "WHEN ISNULL( (SELECT TOP 1  ISNULL(CHK_BAIXA,'F') CHK_BAIXA     FROM CMD_NOTA WHERE  "
          "  CMD_NOTA.NUM_COMANDA = C.NUM_COMANDA AND   ISNULL(CMD_NOTA.CHK_BAIXA,'F')='F'    "
          "AND ISNULL(CMD_NOTA.CHK_CANCELADO,'F')='F' ),'T')   ='T'  THEN 1 ELSE  0 END    AS "
          "FLAG  FROM   CMD_NOTA C   GROUP BY NUM_COMANDA ",
          recriaVisao("TB_COMANDAS_PELTRA",
                      "SELECT NUM_COMANDA AS NCOMANDA, CASE WHEN COALESCE((SELECT "
                      "COALESCE(CHK_BAIXA,'F') FROM CMD_NOTA WHERE CMD_NOTA.NUM_COMANDA = "
                      "C.NUM_COMANDA AND COALESCE(CMD_NOTA.CHK_BAIXA,'F')='F' AND "
                      "COALESCE(CMD_NOTA.CHK_CANCELADO,'F')='F' LIMIT 1),'T') = 'T' THEN 1 "
                      "ELSE 0 END AS FLAG FROM CMD_NOTA C GROUP BY NUM_COMANDA"));
    soServidor("if (Select COUNT(*) FROM sys.syslogins WHERE NAME = 'QuorviComandas')=0 EXECUTE "
               "('CREATE LOGIN QuorviComandas WITH PASSWORD = ''TrevkPilhuGoz'''); ");
    soServidor("if (Select COUNT(*) from sys.sysusers Where name = 'QuorviComandas') = 1  DROP "
               "USER [QuorviComandas] ");
    soServidor("CREATE USER [QuorviComandas] FOR LOGIN [QuorviComandas]");
    soServidor("deny VIEW DEFINITION to QuorviComandas");
    soServidor("GRANT SELECT ON TB_COMANDAS_PELTRA TO QuorviComandas");
    p.append({QString(), criaIndicesSqlite});
    return p;
}

} // namespace

const QList<PassoAtualizacao>& passosAtualizacao()
{
    static const QList<PassoAtualizacao> passos = monta();
    return passos;
}

void AtualizaBanco(TDMXAL& dm)
{
    try {
        for (const PassoAtualizacao& passo : passosAtualizacao()) {
            if (dm.motor() == Motor::SqlServer) {
                if (!passo.sqlServer.isEmpty())
                    dm.ExecutaSQL(passo.sqlServer);
            } else if (passo.sqlite) {
                passo.sqlite(dm);
            }
        }
    } catch (const Falha& f) {
        throw Falha(QStringLiteral("Erro ao atualizar banco de dados ") + f.mensagem());
    }
}
