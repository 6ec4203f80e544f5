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

// The open list: the 1200 highest numbers of the store, period and window type (a kit window
// passes K and T) that still have a live item; the type is chosen before the cut so that many
// open quotes never push the comandas out of the list.
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
    "0 = :pDelivery) AND C.DATA BETWEEN :pIni AND :pFim AND (C.FLG_TIPO_DOC = :pTipo OR "          \
    "C.FLG_TIPO_DOC = :pTipo2) GROUP BY C.COD_CLI, C.NUM_COMANDA, "                                \
    "C.DATA, C.COD_FUNC, C.HORA, C.HORA_FINAL, C.FLG_TIPO_DOC, C.CNPJ_CPF, C.CONTATO, "            \
    "C.TELEFONE, C.COO, C.DELIVERYWEB, C.DATA_ENTREGA) T WHERE cod <= 1200 "                       \
    "ORDER BY NUM_COMANDA DESC"

// Production printing. The terminal's printing list is an optional condition on a bound
// terminal code: no list (or no terminal row) means every list.
#define LISTA_DO_TERMINAL(TERM)                                                                    \
    "(L.COD_LISTA = (SELECT T.COD_IMPRESSAO FROM CMD_TERMINAIS T WHERE T.COD_TERM = " TERM         \
    ") OR (SELECT T.COD_IMPRESSAO FROM CMD_TERMINAIS T WHERE T.COD_TERM = " TERM ") IS NULL)"
// Routing rows that serve a product, lists described DELIVERY left out.
#define ROTEAMENTO                                                                                 \
    "FROM CMD_LISTA_IMPRESSAO_ITEM L INNER JOIN CMD_LISTA_IMPRESSAO LI ON LI.COD_LISTA = "         \
    "L.COD_LISTA INNER JOIN CMD_IMPRESSAO IM ON L.COD_IMP = IM.COD_IMP WHERE "                     \
    "UPPER(LI.DESCRICAO) <> 'DELIVERY' AND "
// The ports that have live routed items of the document, each port text once.
#define PORTAS_DO_DOCUMENTO                                                                        \
    "FROM CMD_ITEM I INNER JOIN PRODUTO P ON P.COD_PROD = I.COD_PROD INNER JOIN CMD_NOTA N ON "    \
    "N.DOCUMENTO = I.DOCUMENTO INNER JOIN (SELECT L.COD_DEPART, L.COD_SUBDEPART, "                 \
    "IM.PORTA_IMPRESSAO " ROTEAMENTO LISTA_DO_TERMINAL(                                            \
        ":ID_TERMINAL") ") ID ON ID.COD_DEPART = "                                                 \
                        "P.COD_DEPART AND COALESCE(ID.COD_SUBDEPART, 0) = "                        \
                        "COALESCE(P.COD_SUBDEPART, 0) WHERE "                                      \
                        "I.DOCUMENTO = :IDOC AND (I.CHK_CANCELADO = 'F' OR I.CHK_CANCELADO IS "    \
                        "NULL) AND "                                                               \
                        "N.FLG_TIPO_DOC = :STS GROUP BY I.NUM_COMANDA, ID.PORTA_IMPRESSAO, "       \
                        "I.DOCUMENTO "
// The live items of the document still waiting for their ticket, read at the run's start
// (AUTONUM up to pUltimo), that the port serves.
#define ITENS_DA_PORTA                                                                             \
    "FROM CMD_ITEM I INNER JOIN PRODUTO P ON P.COD_PROD = I.COD_PROD INNER JOIN CMD_NOTA N ON "    \
    "N.DOCUMENTO = I.DOCUMENTO WHERE N.FLG_TIPO_DOC = :sTipoDoc AND I.DOCUMENTO = :pComanda AND "  \
    "I.AUTONUM <= :pUltimo AND (I.CHK_CANCELADO = 'F' OR I.CHK_CANCELADO IS NULL) AND "            \
    "(I.STS_IMP_ITENS = 'F' OR I.STS_IMP_ITENS IS NULL) AND EXISTS (SELECT 1 " ROTEAMENTO          \
    "L.COD_DEPART = P.COD_DEPART AND COALESCE(L.COD_SUBDEPART, 0) = COALESCE(P.COD_SUBDEPART, "    \
    "0) AND UPPER(IM.PORTA_IMPRESSAO) = UPPER(:sImpressora) AND " LISTA_DO_TERMINAL(               \
        ":iTerminal") ") "

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
        // Only a header still open: one settled meanwhile keeps its closing data.
        mesma("qrReabreComanda",
              "UPDATE CMD_NOTA SET COO = 0 WHERE DOCUMENTO = :iDoc AND CHK_BAIXA = 'F'"),
        mesma("qrAtualizaHora", "UPDATE CMD_NOTA SET HORA_FINAL = :pHora WHERE DOCUMENTO = :pDoc"),
        // Production printing: routing, tickets, marks and the print queue.
        mesma("qrImpressorasCmd",
              "SELECT I.NUM_COMANDA, ID.PORTA_IMPRESSAO AS IMPRESSORA, (SELECT C.MESA FROM "
              "CMD_NOTA C WHERE C.DOCUMENTO = I.DOCUMENTO) AS Mesa, (SELECT MAX(U.AUTONUM) FROM "
              "CMD_ITEM U WHERE U.DOCUMENTO = I.DOCUMENTO) AS ULTIMO " PORTAS_DO_DOCUMENTO
              "ORDER BY ID.PORTA_IMPRESSAO"),
        mesma("qrQuorviPrinter",
              "SELECT I.DOCUMENTO, ID.PORTA_IMPRESSAO AS IMPRESSORA, (SELECT T.COD_IMPRESSAO "
              "FROM CMD_TERMINAIS T WHERE T.COD_TERM = :ID_TERMINAL) AS "
              "COD_LISTA " PORTAS_DO_DOCUMENTO "ORDER BY ID.PORTA_IMPRESSAO"),
        mesma("qrImpressao",
              "SELECT (SELECT MAX(RAZAO_SOCIAL) FROM LOJA WHERE COD_LOJA = 1) AS RAZAO, "
              "P.COD_PROD, I.NUM_COMANDA, I.OBS, P.DESCRICAO, P.FLG_UNIDADE_VENDA AS UNIDADE, "
              "CAST(I.VLR_QTDE AS DECIMAL(18,3)) AS QUANT, CAST(:sImpressora AS VARCHAR(128)) "
              "AS IMPRESSORA, I.NUM_ITEM, I.HORA AS HORA_ITEM, I.COD_VEND, (SELECT MAX(F.NOME) "
              "FROM FUNCIONARIO F WHERE F.COD_FUNC = I.COD_VEND) AS NOME, COALESCE(I.COD_VEND, "
              "0) AS COD_VEND_FILTER, I.AUTONUM " ITENS_DA_PORTA "ORDER BY 6, I.NUM_ITEM"),
        mesma("qrImpFuncionario",
              "SELECT COALESCE(V.COD_VEND, 0) AS COD_VEND, MAX(F.NOME) AS NOME FROM CMD_ITEM V "
              "LEFT JOIN FUNCIONARIO F ON F.COD_FUNC = V.COD_VEND WHERE V.AUTONUM IN (SELECT "
              "I.AUTONUM " ITENS_DA_PORTA ") GROUP BY "
              "COALESCE(V.COD_VEND, 0) ORDER BY 1"),
        // Marks the items of the document that the run read, never one added after it.
        mesma("qrUpdImpItens",
              "UPDATE CMD_ITEM SET STS_IMP_ITENS = 'T' WHERE DOCUMENTO = :pDOC AND AUTONUM <= "
              ":pUltimo AND (STS_IMP_ITENS = 'F' OR STS_IMP_ITENS IS NULL)"),
        // The queue row of a document, written only when there is none yet.
        duas("qrInsereImpControle",
             "INSERT INTO IMP_CONTROLE (DATA, ID_TABELA, TIPO_IMPRESSAO, DOCUMENTO, "
             "FLG_IMPRESSAO, IMPRESSORA, COD_LISTA) SELECT :DATA, 3, 'COZINHA', :DOCUMENTO, 'P', "
             ":IMPRESSORA, :COD_LISTA WHERE NOT EXISTS (SELECT 1 FROM IMP_CONTROLE WITH (UPDLOCK, "
             "HOLDLOCK) WHERE ID_TABELA = 3 AND TIPO_IMPRESSAO = 'COZINHA' AND DOCUMENTO = "
             ":DOCUMENTO)",
             "INSERT INTO IMP_CONTROLE (DATA, ID_TABELA, TIPO_IMPRESSAO, DOCUMENTO, "
             "FLG_IMPRESSAO, IMPRESSORA, COD_LISTA) SELECT :DATA, 3, 'COZINHA', :DOCUMENTO, 'P', "
             ":IMPRESSORA, :COD_LISTA WHERE NOT EXISTS (SELECT 1 FROM IMP_CONTROLE WHERE "
             "ID_TABELA = 3 AND TIPO_IMPRESSAO = 'COZINHA' AND DOCUMENTO = :DOCUMENTO)"),
        mesma("qrAtualizaImpControle",
              "UPDATE IMP_CONTROLE SET FLG_IMPRESSAO = 'P', IMPRESSORA = COALESCE(:IMPRESSORA, "
              "IMPRESSORA), COD_LISTA = COALESCE(:COD_LISTA, COD_LISTA) WHERE ID_TABELA = 3 AND "
              "TIPO_IMPRESSAO = 'COZINHA' AND DOCUMENTO = :DOCUMENTO"),
        mesma("cdsPercAcresimoDepart",
              "SELECT PERC_ACRESCIMO FROM DEPARTAMENTO WHERE COD_DEPART = :IDEP AND "
              "COD_LOJA = :ILOJA"),
        mesma("qrMaxCodDav",
              "SELECT MAX(NUM_COMANDA) AS COD FROM CMD_NOTA WHERE NUM_COMANDA BETWEEN "
              "((:pDav * 2000000) - 1999999) AND (:pDavF * 2000000)"),
        mesma("qrMaxNumComandaDav",
              "SELECT MAX(NUM_COMANDA) AS COD FROM CMD_NOTA WHERE NUM_COMANDA BETWEEN "
              "((:pDav * 100000) - 99999) AND (:pDavF * 100000)"),
        // Order entry: seals, blocked cards, attendant.
        mesma("SqlSeloItem",
              "SELECT I.NUM_COMANDA, I.DATA, I.NUM_ITEM, I.COD_PROD, P.DESCRICAO, "
              "P.FLG_UNIDADE_VENDA, P.FLG_SITUACAO_TRIB, S.PERCENTUAL AS VLR_ICMS, I.VLR_QTDE, "
              "I.VLR_PRECO, I.VLR_TOTAL, I.CHK_CANCELADO FROM (CMD_ITEM I LEFT JOIN PRODUTO P ON "
              "I.COD_PROD = P.COD_PROD) LEFT JOIN ICMS S ON P.COD_ICMS = S.COD_ICMS WHERE "
              "I.DOCUMENTO = :DOCUMENTO AND I.NUM_ITEM = :NUM_ITEM"),
        mesma("SqlAtualizaSeloItem",
              "UPDATE CMD_ITEM SET AUTENTICA = :AUTENTICA WHERE DOCUMENTO = :DOCUMENTO AND "
              "NUM_ITEM = :NUM_ITEM"),
        mesma("SqlSeloNota",
              "SELECT NUM_COMANDA, DATA, CNPJ_CPF, CONTATO, COO, ECF FROM CMD_NOTA WHERE "
              "DOCUMENTO = :DOCUMENTO"),
        mesma("SqlAtualizaSeloNota",
              "UPDATE CMD_NOTA SET AUTENTICA = :AUTENTICA WHERE DOCUMENTO = :DOCUMENTO"),
        duas("qrCartaoBloqueado",
             "SELECT TOP 1 1 AS cod FROM CART_BLOQUEIO WHERE COD_CARTELA = :pCartela",
             "SELECT 1 AS cod FROM CART_BLOQUEIO WHERE COD_CARTELA = :pCartela LIMIT 1"),
        mesma("qrItemAtendente",
              "SELECT COD_VEND, COD_PROD FROM CMD_ITEM WHERE DOCUMENTO = :DOCUMENTO AND "
              "NUM_ITEM = :NUM_ITEM"),
        mesma("qrRemoveItem",
              "DELETE FROM CMD_ITEM WHERE DOCUMENTO = :DOCUMENTO AND NUM_ITEM = :NUM_ITEM AND "
              "COD_PROD = :COD_PROD"),
        // The header goes only when no item is left, checked in the same statement: an item
        // another terminal has just added keeps it.
        mesma("qrRemoveNotaVazia",
              "DELETE FROM CMD_NOTA WHERE DOCUMENTO = :DOCUMENTO AND NOT EXISTS (SELECT 1 FROM "
              "CMD_ITEM WHERE CMD_ITEM.DOCUMENTO = :DOCUMENTO)"),
        mesma("qrFuncionarioLoja",
              "SELECT COD_FUNC, NOME FROM FUNCIONARIO WHERE COD_FUNC = :COD_FUNC AND "
              "COD_LOJA = :COD_LOJA"),
        mesma("qrDataHoraNota",
              "SELECT COALESCE(C.DATA_ENTREGA, C.DATA) AS DATA, C.HORA_FINAL FROM CMD_NOTA C "
              "WHERE C.DOCUMENTO = :DOCUMENTO AND C.CHK_BAIXA = 'F' AND EXISTS (SELECT 1 FROM "
              "CMD_ITEM I WHERE I.DOCUMENTO = C.DOCUMENTO AND (I.CHK_CANCELADO IS NULL OR "
              "I.CHK_CANCELADO = 'F'))"),
        // Item entry: product lookup and the price to charge.
        mesma("qrBarrasVinculada",
              "SELECT COD_PROD FROM BARRAS_VINCULADA WHERE COD_LOJA = :COD_LOJA AND "
              "CODIGO_BARRAS = :CODIGO_BARRAS"),
        mesma("qrProdutoPorBarras",
              "SELECT COALESCE(QTDE_ESTOQUE_LOJA, 0) + COALESCE(QTDE_DEPOSITO, 0) AS Estoque, "
              "COD_PROD, DESCRICAO, VLR_PRECO, VLR_ULTIMO_CUSTO, FLG_UNIDADE_VENDA, COD_DEPART "
              "FROM PRODUTO WHERE CODIGO_BARRAS = :CODIGO_BARRAS AND COD_LOJA = :COD_LOJA"),
        mesma("qrProdutoPorCodigo",
              "SELECT COALESCE(QTDE_ESTOQUE_LOJA, 0) + COALESCE(QTDE_DEPOSITO, 0) AS Estoque, "
              "COD_PROD, DESCRICAO, VLR_PRECO, VLR_ULTIMO_CUSTO, FLG_UNIDADE_VENDA, COD_DEPART "
              "FROM PRODUTO WHERE COD_PROD = :COD_PROD AND COD_LOJA = :COD_LOJA"),
        mesma("qrPrecoDiferenciado",
              "SELECT PRECO_DIFERENCIADO.VLR_PRECO AS VLR_PRECO_DIF, PRECO_DIFERENCIADO.COD_CLI, "
              "PRECO_DIFERENCIADO.COD_PROD, PRODUTO.DESCRICAO, PRODUTO.FLG_UNIDADE_VENDA FROM "
              "PRECO_DIFERENCIADO INNER JOIN PRODUTO ON PRECO_DIFERENCIADO.COD_PROD = "
              "PRODUTO.COD_PROD AND PRODUTO.COD_LOJA = PRECO_DIFERENCIADO.COD_LOJA WHERE "
              "PRECO_DIFERENCIADO.COD_LOJA = :PCOD_LOJA AND PRECO_DIFERENCIADO.COD_PROD = "
              ":PCOD_PROD AND PRECO_DIFERENCIADO.COD_CLI = :PCOD_CLI"),
        mesma("qrPrecoPromocao",
              "SELECT COD_PROD, DESCRICAO, VLR_PRECO, VLR_PRECO_PROMOCAO, FLG_UNIDADE_VENDA, "
              "DATA_PROM_INICIAL, DATA_PROM_FINAL FROM PRODUTO WHERE COD_LOJA = :PCOD_LOJA AND "
              "COD_PROD = :PCOD_PROD AND DATA_PROM_INICIAL <= :PINI AND DATA_PROM_FINAL >= :PFIN"),
        mesma("qrConfiguracaoLoja",
              "SELECT COD_BAL, LIMITE_QTDE FROM CONFIGURACAO WHERE COD_LOJA = :COD_LOJA"),
        // Ready-made item observations and the observation of an item.
        mesma("qrObservacao", "SELECT * FROM CMD_OBS WHERE COD_OBS = :PCOD_OBS"),
        mesma("qrListaObservacoes", "SELECT * FROM CMD_OBS ORDER BY COD_OBS"),
        duas("qrInsereObservacao",
             "INSERT INTO CMD_OBS (OBSERVACAO) OUTPUT INSERTED.COD_OBS VALUES (:OBSERVACAO)",
             "INSERT INTO CMD_OBS (OBSERVACAO) VALUES (:OBSERVACAO) RETURNING COD_OBS"),
        mesma("qrAlteraObservacao",
              "UPDATE CMD_OBS SET OBSERVACAO = :OBSERVACAO WHERE COD_OBS = :COD_OBS"),
        mesma("qrExcluiObservacao", "DELETE FROM CMD_OBS WHERE COD_OBS = :COD_OBS"),
        mesma(
            "qrGravaObsItem",
            "UPDATE CMD_ITEM SET OBS = :OBS WHERE DOCUMENTO = :DOCUMENTO AND NUM_ITEM = :NUM_ITEM"),
        // Every item of the document cancelled; a document without items counts as cancelled.
        duas("ComandaCancelada",
             "SELECT TOP 1 1 AS cod FROM CMD_ITEM WHERE DOCUMENTO = :iDoc HAVING COUNT(*) = "
             "(SELECT COUNT(*) FROM CMD_ITEM WHERE DOCUMENTO = :iDoc AND CHK_CANCELADO = 'T')",
             "SELECT 1 AS cod WHERE (SELECT COUNT(*) FROM CMD_ITEM WHERE DOCUMENTO = :iDoc) = "
             "(SELECT COUNT(*) FROM CMD_ITEM WHERE DOCUMENTO = :iDoc AND CHK_CANCELADO = 'T')"),

        // Start-up and main window.
        mesma("qrPrimeiraLoja", "SELECT COD_LOJA FROM LOJA"),
        mesma("qrTerminalToken",
              "SELECT COD_TERM, CHK_ATIVO FROM CMD_TERMINAIS WHERE TOKEN = :TOKEN"),
        // Self-registration from 256 upward; the read of the maximum is locked on the server so
        // two new terminals starting together do not draw the same code.
        duas("qrRegistraTerminal",
             "INSERT INTO CMD_TERMINAIS (COD_TERM, DESCRICAO, CHK_ATIVO, TOKEN) SELECT N.COD, "
             "'DESKTOP', 'T', :TOKEN FROM (SELECT CASE WHEN COALESCE(MAX(COD_TERM), 0) + 1 >= 256 "
             "THEN COALESCE(MAX(COD_TERM), 0) + 1 ELSE 256 END AS COD FROM CMD_TERMINAIS WITH "
             "(UPDLOCK, HOLDLOCK)) N WHERE NOT EXISTS (SELECT 1 FROM CMD_TERMINAIS WHERE TOKEN = "
             ":TOKEN)",
             "INSERT INTO CMD_TERMINAIS (COD_TERM, DESCRICAO, CHK_ATIVO, TOKEN) SELECT N.COD, "
             "'DESKTOP', 'T', :TOKEN FROM (SELECT CASE WHEN COALESCE(MAX(COD_TERM), 0) + 1 >= 256 "
             "THEN COALESCE(MAX(COD_TERM), 0) + 1 ELSE 256 END AS COD FROM CMD_TERMINAIS) N WHERE "
             "NOT EXISTS (SELECT 1 FROM CMD_TERMINAIS WHERE TOKEN = :TOKEN)"),
        mesma("qrSenhaSuporte",
              "SELECT SENHA FROM SENHA WHERE COD_LOJA = :COD_LOJA AND CODIGO = 1000 AND "
              "FLG_ORIGEM = 'F'"),
        mesma("qrAtualizaSenhaSuporte",
              "UPDATE SENHA SET SENHA = :SENHA WHERE COD_LOJA = :COD_LOJA AND CODIGO = 1000 AND "
              "FLG_ORIGEM = 'F'"),
        mesma("qrFunc", "SELECT NOME FROM FUNCIONARIO WHERE COD_FUNC = :iCod"),
        mesma("qrConfere",
              "SELECT CHK_SANGRIAS, SENHA FROM SENHA WHERE CODIGO = :icod AND FLG_ORIGEM = 'F'"),
        // Identification of employees and customers, and the fingerprint templates.
        mesma("dspSenhaFun",
              "SELECT FUNCIONARIO.NOME, FUNCIONARIO.COD_FUNC, FUNCIONARIO.Codigo_Barras FROM "
              "FUNCIONARIO WHERE (FUNCIONARIO.COD_FUNC = :piCodFun OR FUNCIONARIO.Codigo_Barras "
              "= :psBar) AND FUNCIONARIO.COD_LOJA = :piCodLoja AND "
              "FUNCIONARIO.DATA_AFASTAMENTO IS NULL"),
        mesma("dspSH", "SELECT * FROM SENHA WHERE SENHA.FLG_ORIGEM = 'F' AND SENHA.CODIGO = "
                       ":piCodFun AND SENHA.COD_LOJA = :piCodLoja"),
        mesma("cdsSenhaFuncBio",
              "SELECT SENHA FROM SENHA WHERE CODIGO = :icod AND FLG_ORIGEM = 'F'"),
        // A customer by code in any store, or by badge in this store.
        mesma("dspSenhaCli",
              "SELECT NOME, COD_CLI, Codigo_Barras FROM CLIENTE WHERE COD_CLI = :piCodFun OR "
              "(Codigo_Barras = :psBar AND COD_LOJA = :piCodLoja)"),
        mesma("dspSenha", "SELECT * FROM SENHA WHERE SENHA.FLG_ORIGEM = 'C' AND SENHA.CODIGO = "
                          ":piCodFun AND SENHA.COD_LOJA = :piCodLoja"),
        mesma("cdsSenhaCliBio",
              "SELECT SENHA FROM SENHA WHERE CODIGO = :icod AND FLG_ORIGEM = 'C'"),
        mesma("CdsVerifica",
              "SELECT C.COD_CLI, S.SENHA, C.Codigo_Barras FROM CLIENTE C INNER JOIN SENHA S ON "
              "C.COD_CLI = S.CODIGO WHERE S.FLG_ORIGEM = 'C' AND S.CODIGO = :codCli"),
        mesma("cdsAcessoEnroll", "SELECT TEMPLATE, COD_FUN, COD_CLI FROM Enroll WHERE COD_FUN IS "
                                 "NOT NULL OR COD_CLI IS NOT NULL"),
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
