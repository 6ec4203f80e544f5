#!/usr/bin/python3
"""Parses every SQL Server form of the program with a T-SQL parser, so that a slip in a text
that no local engine runs is caught. Usage: valida_tsql.py <lista_sqlserver executable>.

The parser knows queries and DDL but not T-SQL control flow nor security statements, so a
batch is taken apart first: IF conditions, the texts given to EXEC, and each statement are
parsed on their own; GRANT, DENY, logins and users are matched against their grammar."""
import json
import re
import subprocess
import sys

import sqlglot

FORMAS_FIXAS = [
    r"(GRANT|DENY) SELECT ON (OBJECT::)?\w+ TO \w+",
    r"(GRANT|DENY) (SELECT|VIEW DEFINITION) TO \w+",
    r"CREATE LOGIN \w+ WITH PASSWORD = '[^']*'",
    r"CREATE USER \[?\w+\]? FOR LOGIN +\[?\w+\]?",
    r"DROP USER \[?\w+\]?",
    r"EXEC sp_addrolemember N'\w+', N'\w+'",
    r"DROP FUNCTION \w+",
    r"DROP VIEW \w+",
    r"ALTER TABLE \w+ DROP (COLUMN|CONSTRAINT) \w+",
    r"ALTER TABLE \w+ ALTER COLUMN \w+ \w+( NOT)? NULL",
    r"ALTER TABLE \w+ ADD CONSTRAINT \w+ UNIQUE \(\w+(, ?\w+)*\)",
]


def parse(sql):
    sql = sql.strip().rstrip(";").strip()
    if not sql:
        return
    if any(re.fullmatch(p, re.sub(r"\s+", " ", sql), re.I) for p in FORMAS_FIXAS):
        return
    # Parts the parser lacks but whose shape is fixed: the OUTPUT clause and lock hints.
    sql = re.sub(r"\bOUTPUT\s+INSERTED\.\w+(\s*,\s*INSERTED\.\w+)*", " ", sql, flags=re.I)
    sql = re.sub(r"\bWITH\s*\(\s*UPDLOCK\s*,\s*HOLDLOCK\s*\)", " ", sql, flags=re.I)
    sql = re.sub(r"\bON\s+\[PRIMARY\]", " ", sql, flags=re.I)
    sql = re.sub(r"\b(NON)?CLUSTERED\b", " ", sql, flags=re.I)
    sql = re.sub(r"\[(\w+)\]", r"\1", sql)
    sql = re.sub(r"\bIDENTITY\s*\(\s*1\s*,\s*1\s*\)", " ", sql, flags=re.I)
    arvores = sqlglot.parse(sql, read="tsql")
    if not arvores or any(a is None for a in arvores):
        raise ValueError("nothing parsed: " + sql[:60])


def fim_parenteses(texto, inicio):
    """Index just after the parenthesis group that opens at texto[inicio]."""
    nivel, i, aspas = 0, inicio, False
    while i < len(texto):
        c = texto[i]
        if c == "'":
            aspas = not aspas
        elif not aspas and c == "(":
            nivel += 1
        elif not aspas and c == ")":
            nivel -= 1
            if nivel == 0:
                return i + 1
        i += 1
    raise ValueError("unbalanced parentheses")


def valida(sql):
    # EXEC('...') texts: parse the inner statement, keep a placeholder.
    while True:
        m = re.search(r"\bexec(ute)?\s*\(", sql, re.I)
        if not m:
            break
        fim = fim_parenteses(sql, m.end() - 1)
        interno = sql[m.end():fim - 1].strip()
        if not (interno.startswith("'") and interno.endswith("'")):
            raise ValueError("EXEC without a text")
        parse(interno[1:-1].replace("''", "'"))
        sql = sql[:m.start()] + " ; " + sql[fim:]
    # IF <condition>: the condition is a search condition.
    partes = []
    while True:
        m = re.search(r"\bIF\b", sql, re.I)
        if not m:
            partes.append(sql)
            break
        partes.append(sql[:m.start()])
        resto = sql[m.end():]
        # The condition ends where the next statement or BEGIN starts.
        c = re.search(r"\b(BEGIN|DROP|CREATE|ALTER|EXEC|EXECUTE|UPDATE|INSERT)\b|;", resto, re.I)
        if not c:
            raise ValueError("IF without a statement")
        parse("SELECT 1 WHERE " + resto[:c.start()])
        sql = resto[c.start():]
    for parte in partes:
        for trecho in divide_blocos(parte):
            parse(trecho)


def divide_blocos(texto):
    """Splits at ';' and at BEGIN/END of blocks, leaving CASE ... END and texts whole."""
    trechos, atual, casos, nivel = [], [], 0, 0
    for m in re.finditer(r"'(?:[^']|'')*'|\w+|\s+|.", texto):
        tok = m.group(0)
        palavra = tok.upper()
        if tok == "(":
            nivel += 1
        elif tok == ")":
            nivel -= 1
        if palavra == "CASE":
            casos += 1
        elif palavra == "END" and casos > 0:
            casos -= 1
        elif nivel == 0 and (palavra in ("BEGIN", "END") or tok == ";"):
            trechos.append("".join(atual))
            atual = []
            continue
        atual.append(tok)
    trechos.append("".join(atual))
    return trechos


lista = json.loads(subprocess.check_output([sys.argv[1]]))
falhas = []
for item in lista:
    # ":name" placeholders become T-SQL variables for the parser.
    sql = re.sub(r"(?<![:\w]):([A-Za-z_]\w*)", r"@\1", item["sql"])
    try:
        valida(sql)
    except Exception as erro:  # noqa: BLE001 - any parser complaint is a failure
        falhas.append((item["nome"], str(erro).splitlines()[0]))

for nome, erro in falhas:
    print(f"FAIL {nome}: {erro}")
print(f"{len(lista) - len(falhas)} passed, {len(falhas)} failed")
sys.exit(1 if falhas else 0)
