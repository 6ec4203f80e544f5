#include "Catalogo.h"

#include "platform/Falha.h"

namespace
{

InstrucaoSql mesma(const char* nome, const char* texto)
{
    return {QString::fromUtf8(nome), QString::fromUtf8(texto), QString()};
}

InstrucaoSql duas(const char* nome, const char* sqlServer, const char* sqlite)
{
    return {QString::fromUtf8(nome), QString::fromUtf8(sqlServer), QString::fromUtf8(sqlite)};
}

// Columns written when a header is created; shared by the two header inserts.
#define COLUNAS_NOTA                                                                               \
    "NUM_COMANDA, COD_LOJA, FLG_TIPO_DOC, DATA, HORA, CHK_BAIXA, COD_CLI, CNPJ_CPF, CONTATO, "     \
    "TELEFONE, DATA_ENTREGA, COD_CONDICAO_PRECO"
#define VALORES_NOTA                                                                               \
    ":COD_LOJA, :FLG_TIPO_DOC, :DATA, :HORA, 'F', :COD_CLI, :CNPJ_CPF, :CONTATO, :TELEFONE, "      \
    ":DATA_ENTREGA, :COD_CONDICAO_PRECO"

// The open list: the 1200 highest numbers of the store and period that still have a live item.
#define COMANDAS_ABERTAS                                                                           \
    "SELECT * FROM (SELECT ROW_NUMBER() OVER (ORDER BY C.NUM_COMANDA DESC) AS cod, C.COD_CLI, "    \
    "C.NUM_COMANDA, SUM(I.VLR_TOTAL) AS TOTAL, C.DATA, C.COD_FUNC, (SELECT MAX(NOME) FROM "        \
    "FUNCIONARIO WHERE COD_FUNC = C.COD_FUNC) AS NOME_FUNC, C.HORA, C.HORA_FINAL, "                \
    "C.FLG_TIPO_DOC, C.CNPJ_CPF, C.CONTATO, C.TELEFONE, "                                          \
    "COALESCE(C.DATA_ENTREGA, C.DATA) AS DATA_ENTREGA, CASE WHEN COALESCE(C.COO, 0) > 0 THEN "     \
    "'Em Fechamento' ELSE 'Aberta' END AS status, CASE WHEN C.FLG_TIPO_DOC = 'T' THEN 'T' "        \
    "ELSE 'P' END AS TipoKit, C.DELIVERYWEB FROM CMD_NOTA C INNER JOIN CMD_ITEM I ON "             \
    "C.DOCUMENTO = I.DOCUMENTO WHERE C.COD_LOJA = :PLOJA AND C.CHK_BAIXA = 'F' AND "               \
    "(I.CHK_CANCELADO IS NULL OR I.CHK_CANCELADO = 'F') AND (C.DELIVERYWEB IS NULL OR "            \
    "0 = :pDelivery) AND C.DATA BETWEEN :pIni AND :pFim GROUP BY C.COD_CLI, C.NUM_COMANDA, "       \
    "C.DATA, C.COD_FUNC, C.HORA, C.HORA_FINAL, C.FLG_TIPO_DOC, C.CNPJ_CPF, C.CONTATO, "            \
    "C.TELEFONE, C.COO, C.DELIVERYWEB, C.DATA_ENTREGA) T WHERE cod <= 1200 "                       \
    "ORDER BY NUM_COMANDA DESC"

QList<InstrucaoSql> monta()
{
    return {
        mesma("SqlVerifica",
              "SELECT P.COD_PROD, P.DESCRICAO, P.FLG_UNIDADE_VENDA, "
              "CAST(I.VLR_QTDE AS DECIMAL(18,3)) AS VLR_QTDE, "
              "CAST(I.VLR_TOTAL AS DECIMAL(18,2)) AS VLR_TOTAL FROM CMD_ITEM I INNER JOIN "
              "PRODUTO P ON P.COD_PROD = I.COD_PROD WHERE COALESCE(CHK_CANCELADO,'F') = 'F' AND "
              "COALESCE(CHK_BAIXA,'F') = 'F' AND I.DOCUMENTO = :idoc ORDER BY I.NUM_ITEM"),
        mesma("SqlConfig", "SELECT * FROM CONFIGURACAO"),
        mesma("SqlLoja", "select * from LOJA where COD_LOJA = :PCOD_LOJA"),
        mesma("qrInsertCmdNota",
              "SELECT NUM_OCUPANTE, MESA, CMD_NOTA.COD_CLI, CMD_NOTA.NUM_COMANDA, "
              "CMD_NOTA.COD_FUNC, CMD_NOTA.DATA, CMD_NOTA.HORA, CMD_NOTA.CHK_BAIXA, "
              "CMD_NOTA.COD_LOJA, CMD_ITEM.CHK_CANCELADO, CMD_NOTA.DOCUMENTO, "
              "CMD_NOTA.HORA_FINAL, CMD_NOTA.FLG_TIPO_DOC, CMD_NOTA.CNPJ_CPF, CMD_NOTA.CONTATO, "
              "CMD_NOTA.TELEFONE, CMD_NOTA.COO, CMD_NOTA.DATA_ENTREGA, "
              "CMD_NOTA.COD_CONDICAO_PRECO FROM CMD_NOTA LEFT JOIN CMD_ITEM ON "
              "CMD_NOTA.DOCUMENTO = CMD_ITEM.DOCUMENTO WHERE CMD_NOTA.NUM_COMANDA = :PNUM_COMANDA "
              "AND CMD_NOTA.COD_LOJA = :PLOJA AND CMD_NOTA.CHK_BAIXA = 'F' AND "
              "CMD_NOTA.FLG_TIPO_DOC = :pTipo_Doc"),
        // A new header only when, within the same statement, no open header of that number
        // and type exists: two terminals opening the same card get one header.
        duas("qrInsereCmdNota",
             "INSERT INTO CMD_NOTA (" COLUNAS_NOTA ") OUTPUT INSERTED.DOCUMENTO SELECT "
             ":NUM_COMANDA, " VALORES_NOTA " WHERE NOT EXISTS (SELECT 1 FROM CMD_NOTA WITH "
             "(UPDLOCK, HOLDLOCK) WHERE NUM_COMANDA = :NUM_COMANDA AND COD_LOJA = :COD_LOJA AND "
             "FLG_TIPO_DOC = :FLG_TIPO_DOC AND CHK_BAIXA = 'F')",
             "INSERT INTO CMD_NOTA (" COLUNAS_NOTA ") SELECT :NUM_COMANDA, " VALORES_NOTA
             " WHERE NOT EXISTS (SELECT 1 FROM CMD_NOTA WHERE NUM_COMANDA = :NUM_COMANDA AND "
             "COD_LOJA = :COD_LOJA AND FLG_TIPO_DOC = :FLG_TIPO_DOC AND CHK_BAIXA = 'F') "
             "RETURNING DOCUMENTO"),
        // A new header with the next number of a block (quotes, pre-sales, kits), drawn and
        // written in one step; no row when the block is full.
        duas("qrInsereNotaBloco",
             "INSERT INTO CMD_NOTA (" COLUNAS_NOTA ") OUTPUT INSERTED.DOCUMENTO, "
             "INSERTED.NUM_COMANDA SELECT COALESCE(MAX(N.NUM_COMANDA), :pPrimeiro - 1) + "
             "1, " VALORES_NOTA " FROM CMD_NOTA N WITH (UPDLOCK, HOLDLOCK) WHERE N.NUM_COMANDA "
             "BETWEEN :pPrimeiro AND :pUltimo HAVING COALESCE(MAX(N.NUM_COMANDA), "
             ":pPrimeiro - 1) < :pUltimo",
             "INSERT INTO CMD_NOTA (" COLUNAS_NOTA ") SELECT COALESCE(MAX(N.NUM_COMANDA), "
             ":pPrimeiro - 1) + 1, " VALORES_NOTA " FROM CMD_NOTA N WHERE N.NUM_COMANDA "
             "BETWEEN :pPrimeiro AND :pUltimo HAVING COALESCE(MAX(N.NUM_COMANDA), "
             ":pPrimeiro - 1) < :pUltimo RETURNING DOCUMENTO, NUM_COMANDA"),
        // One item with the card's next item number, drawn and written in one step.
        duas("qrInsereCmdItem",
             "INSERT INTO CMD_ITEM (DOCUMENTO, CHK_BAIXA, COD_LOJA, NUM_COMANDA, NUM_ITEM, "
             "COD_PROD, VLR_QTDE, VLR_PRECO, VLR_TOTAL, DATA, HORA, COD_VEND, FLG_STATUS, "
             "ACRESCIMO, TERMINAL) OUTPUT INSERTED.AUTONUM, INSERTED.NUM_ITEM SELECT "
             ":DOCUMENTO, 'F', :PLOJA, :NUM_COMANDA, COALESCE(MAX(M.NUM_ITEM), 0) + 1, "
             ":COD_PROD, :VLR_QTDE, :VLR_PRECO, :VLR_TOTAL, :DATA, :HORA, :COD_VEND, "
             ":FLG_STATUS, :ACRESCIMO, :TERMINAL FROM CMD_ITEM M WITH (UPDLOCK, HOLDLOCK) "
             "WHERE M.NUM_COMANDA = :NUM_COMANDA AND M.NUM_ITEM > 0 AND M.COD_LOJA = :PLOJA",
             "INSERT INTO CMD_ITEM (DOCUMENTO, CHK_BAIXA, COD_LOJA, NUM_COMANDA, NUM_ITEM, "
             "COD_PROD, VLR_QTDE, VLR_PRECO, VLR_TOTAL, DATA, HORA, COD_VEND, FLG_STATUS, "
             "ACRESCIMO, TERMINAL) SELECT :DOCUMENTO, 'F', :PLOJA, :NUM_COMANDA, "
             "COALESCE(MAX(M.NUM_ITEM), 0) + 1, :COD_PROD, :VLR_QTDE, :VLR_PRECO, :VLR_TOTAL, "
             ":DATA, :HORA, :COD_VEND, :FLG_STATUS, :ACRESCIMO, :TERMINAL FROM CMD_ITEM M "
             "WHERE M.NUM_COMANDA = :NUM_COMANDA AND M.NUM_ITEM > 0 AND M.COD_LOJA = :PLOJA "
             "RETURNING AUTONUM, NUM_ITEM"),
        mesma("qrCmdItensGrid",
              "SELECT I.COD_VEND, I.NUM_COMANDA, I.DOCUMENTO, I.NUM_ITEM, I.COD_PROD, "
              "P.DESCRICAO, I.VLR_QTDE, I.VLR_TOTAL, I.CHK_CANCELADO, I.VLR_PRECO, I.OBS, "
              "I.STS_IMP_ITENS FROM CMD_ITEM I, CMD_NOTA N, PRODUTO P WHERE "
              "N.DOCUMENTO = I.DOCUMENTO AND N.DOCUMENTO = :PDOCUMENTO AND I.COD_LOJA = :PLOJA "
              "AND P.COD_PROD = I.COD_PROD AND (N.FLG_TIPO_DOC = :sTipoDoc OR "
              "N.FLG_TIPO_DOC = :sTipoDoc1) AND I.CHK_BAIXA = 'F' AND N.CHK_BAIXA = 'F'"),
        mesma("qrMax",
              "SELECT MAX(NUM_ITEM) AS MaxIt FROM CMD_ITEM WHERE NUM_COMANDA = :piCart AND "
              "NUM_ITEM > 0 AND COD_LOJA = :piLoja"),
        mesma("cdsComandasAbertas", COMANDAS_ABERTAS),
        mesma("qrTotalizaCmd",
              "SELECT SUM(CMD_ITEM.VLR_TOTAL) AS SomaTotal FROM CMD_NOTA INNER JOIN CMD_ITEM ON "
              "CMD_NOTA.DOCUMENTO = CMD_ITEM.DOCUMENTO WHERE CMD_NOTA.CHK_BAIXA = 'F' AND "
              "CMD_ITEM.CHK_BAIXA = 'F' AND (CMD_ITEM.CHK_CANCELADO = 'F' OR "
              "CMD_ITEM.CHK_CANCELADO IS NULL) AND CMD_NOTA.FLG_TIPO_DOC = :sTipoDoc AND "
              "COALESCE(CMD_NOTA.DELIVERYWEB, 0) <= 0 AND CMD_NOTA.NUM_COMANDA = :psCart "
              "GROUP BY CMD_NOTA.NUM_COMANDA"),
        mesma("qrTotalCmd",
              "SELECT SUM(CMD_ITEM.VLR_TOTAL) AS SomaTotal, SUM(CMD_ITEM.ACRESCIMO) AS Servico "
              "FROM CMD_NOTA INNER JOIN CMD_ITEM ON CMD_NOTA.DOCUMENTO = CMD_ITEM.DOCUMENTO "
              "WHERE CMD_NOTA.CHK_BAIXA = 'F' AND CMD_ITEM.CHK_BAIXA = 'F' AND "
              "(CMD_ITEM.CHK_CANCELADO = 'F' OR CMD_ITEM.CHK_CANCELADO IS NULL) AND "
              "COALESCE(CMD_NOTA.DELIVERYWEB, 0) <= 0 AND (CMD_NOTA.NUM_COMANDA = :psCart OR "
              "CMD_NOTA.COD_VINCULO = :psVinc) AND CMD_NOTA.FLG_TIPO_DOC = :psTipoDoc"),
        mesma("qrInsereMesa",
              "UPDATE CMD_NOTA SET MESA = :pMesa, NUM_OCUPANTE = :pnum_ocupante WHERE "
              "DOCUMENTO = :pDOC"),
        mesma("qrIdentificaFunc",
              "UPDATE CMD_ITEM SET COD_VEND = :iVend WHERE DOCUMENTO = :iDoc AND "
              "NUM_ITEM = :iTem AND COD_PROD = :iProd"),
        duas("qrChekMesaFechada",
             "SELECT TOP 1 1 AS ck FROM CMD_NOTA WHERE DOCUMENTO = :idoc AND "
             "ISNULL(COO, 0) > 0 AND COD_LOJA = :iLoja",
             "SELECT 1 AS ck FROM CMD_NOTA WHERE DOCUMENTO = :idoc AND COALESCE(COO, 0) > 0 "
             "AND COD_LOJA = :iLoja LIMIT 1"),
        mesma("qrReabreComanda", "UPDATE CMD_NOTA SET COO = 0 WHERE DOCUMENTO = :iDoc"),
        mesma("qrAtualizaHora", "UPDATE CMD_NOTA SET HORA_FINAL = :pHora WHERE DOCUMENTO = :pDoc"),
        mesma("cdsPercAcresimoDepart",
              "SELECT PERC_ACRESCIMO FROM DEPARTAMENTO WHERE COD_DEPART = :IDEP AND "
              "COD_LOJA = :ILOJA"),
        mesma("qrMaxCodDav",
              "SELECT MAX(NUM_COMANDA) AS COD FROM CMD_NOTA WHERE NUM_COMANDA BETWEEN "
              "((:pDav * 2000000) - 1999999) AND (:pDavF * 2000000)"),
        mesma("qrMaxNumComandaDav",
              "SELECT MAX(NUM_COMANDA) AS COD FROM CMD_NOTA WHERE NUM_COMANDA BETWEEN "
              "((:pDav * 100000) - 99999) AND (:pDavF * 100000)"),
        // Every item of the document cancelled; a document without items counts as cancelled.
        duas("ComandaCancelada",
             "SELECT TOP 1 1 AS cod FROM CMD_ITEM WHERE DOCUMENTO = :iDoc HAVING COUNT(*) = "
             "(SELECT COUNT(*) FROM CMD_ITEM WHERE DOCUMENTO = :iDoc AND CHK_CANCELADO = 'T')",
             "SELECT 1 AS cod WHERE (SELECT COUNT(*) FROM CMD_ITEM WHERE DOCUMENTO = :iDoc) = "
             "(SELECT COUNT(*) FROM CMD_ITEM WHERE DOCUMENTO = :iDoc AND CHK_CANCELADO = 'T')"),
        // Standard record window and search windows.
        duas("EsquemaColunas",
             "SELECT COLUMN_NAME FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME = :tabela "
             "ORDER BY ORDINAL_POSITION",
             "SELECT name FROM pragma_table_info(:tabela)"),
        mesma("ConfiguracaoLoja", "SELECT * FROM CONFIGURACAO WHERE COD_LOJA = :PCOD_LOJA"),
        mesma("ProcuraFuncCodigo",
              "SELECT * FROM FUNCIONARIO WHERE COD_LOJA = :loja AND COD_FUNC = :codigo"),
        mesma("ProcuraFuncBarras",
              "SELECT * FROM FUNCIONARIO WHERE COD_LOJA = :loja AND CODIGO_BARRAS = :barras"),
        mesma("ProcuraBarrasVinculada",
              "SELECT * FROM BARRAS_VINCULADA WHERE COD_LOJA = :loja AND CODIGO_BARRAS = :barras"),
        // Active sale products whose code is the text or whose description, barcodes or
        // reference contain it; the promotion price on the days of the promotion.
        mesma("SqlPesquisa_Prod",
              "SELECT PRODUTO.COD_PROD, PRODUTO.DESCRICAO, PRODUTO.FLG_UNIDADE_VENDA, "
              "PRODUTO.CODIGO_BARRAS, COALESCE(PRODUTO.QTDE_DEPOSITO, 0) + "
              "COALESCE(PRODUTO.QTDE_ESTOQUE_LOJA, 0) AS ESTOQUE, CASE WHEN "
              "PRODUTO.DATA_PROM_INICIAL <= :hoje AND PRODUTO.DATA_PROM_FINAL >= :hoje THEN "
              "PRODUTO.VLR_PRECO_PROMOCAO ELSE PRODUTO.VLR_PRECO END AS VLR_PRECO FROM PRODUTO "
              "WHERE PRODUTO.COD_LOJA = :loja AND (PRODUTO.COD_PROD = :Cod OR "
              "PRODUTO.DESCRICAO LIKE :Desc ESCAPE '\\' OR PRODUTO.CODIGO_BARRAS LIKE :Barras "
              "ESCAPE '\\' OR PRODUTO.BARRAS_EMBALAGEM LIKE :BarrasEmb ESCAPE '\\' OR "
              "PRODUTO.REFERENCIA_FORN LIKE :RefForn ESCAPE '\\') AND PRODUTO.CHK_ATIVO = 'T' AND "
              "(PRODUTO.FLG_TIPO_PRODUTO = 'V' OR PRODUTO.FLG_TIPO_PRODUTO = 'S') "
              "ORDER BY PRODUTO.DESCRICAO"),
    };
}

} // namespace

namespace Catalogo
{

const QList<InstrucaoSql>& todas()
{
    static const QList<InstrucaoSql> lista = monta();
    return lista;
}

const InstrucaoSql& instrucao(const QString& nome)
{
    for (const InstrucaoSql& i : todas())
        if (i.nome == nome)
            return i;
    throw Falha(QStringLiteral("Instrução desconhecida: ") + nome);
}

QString texto(const QString& nome, Motor motor)
{
    const InstrucaoSql& i = instrucao(nome);
    return motor == Motor::SQLite && !i.sqlite.isEmpty() ? i.sqlite : i.sqlServer;
}

} // namespace Catalogo
