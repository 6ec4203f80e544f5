#include "ConjuntoDados.h"

#include "Esquema.h"
#include "platform/Falha.h"

#include <QCollator>
#include <QLocale>
#include <QSqlField>
#include <QSqlIndex>
#include <algorithm>

namespace
{
bool semValor(const QVariant& v)
{
    return v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty());
}

// The server's own words of a failed command ("Erro ao executar comando\r" + message).
QString mensagemServidor(const Falha& f)
{
    const QString& m = f.mensagem();
    const qsizetype r = m.indexOf(QLatin1Char('\r'));
    return r >= 0 ? m.mid(r + 1) : m;
}
} // namespace

ConjuntoDados::ConjuntoDados(TDMXAL& dm, QObject* parent) : QObject(parent), m_dm(dm) {}

void ConjuntoDados::defineComando(const QString& sql, const Parametros& parametros)
{
    m_sql = sql;
    m_parametros = parametros;
}

void ConjuntoDados::defineTabela(const QString& tabela)
{
    Esquema esquema(m_dm);
    m_tabela = esquema.tabela(tabela);
    m_colunasTabela = esquema.colunas(m_tabela);
    m_chave.clear();
    const QSqlIndex indice = m_dm.banco().primaryIndex(m_tabela);
    for (int i = 0; i < indice.count(); ++i)
        m_chave << indice.fieldName(i);
    m_obrigatoriasTabela.clear();
    const QSqlRecord r = m_dm.banco().record(m_tabela);
    for (int i = 0; i < r.count(); ++i)
        if (r.field(i).requiredStatus() == QSqlField::Required)
            m_obrigatoriasTabela << r.fieldName(i).toUpper();
}

void ConjuntoDados::abre()
{
    QSqlQuery q;
    m_dm.ExecutaSQL(m_sql, q, m_parametros);
    carrega(q);
}

void ConjuntoDados::abre(const QString& sql, const Parametros& parametros)
{
    defineComando(sql, parametros);
    abre();
}

void ConjuntoDados::carrega(QSqlQuery& q)
{
    m_modelo = q.record();
    for (int i = 0; i < m_modelo.count(); ++i)
        m_modelo.setValue(i, QVariant());
    m_linhas.clear();
    while (q.next())
        m_linhas.append(q.record());
    m_pendentes.clear();
    m_atual = m_linhas.isEmpty() ? -1 : 0;
    defineEstado(Estado::Navegando);
    emit aberto();
    emit dadosMudaram();
}

void ConjuntoDados::ordena(const QString& campo)
{
    QCollator collator(QLocale(QLocale::Portuguese, QLocale::Brazil));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(
        m_linhas.begin(), m_linhas.end(), [&](const QSqlRecord& a, const QSqlRecord& b) {
            return collator.compare(a.value(campo).toString(), b.value(campo).toString()) < 0;
        });
    m_atual = m_linhas.isEmpty() ? -1 : 0;
    emit dadosMudaram();
}

void ConjuntoDados::carregaLinhas(const QList<QSqlRecord>& linhas)
{
    m_modelo = linhas.isEmpty() ? QSqlRecord() : linhas.first();
    for (int i = 0; i < m_modelo.count(); ++i)
        m_modelo.setValue(i, QVariant());
    m_linhas = linhas;
    m_pendentes.clear();
    m_atual = m_linhas.isEmpty() ? -1 : 0;
    defineEstado(Estado::Navegando);
    emit dadosMudaram();
}

void ConjuntoDados::fecha()
{
    m_linhas.clear();
    m_pendentes.clear();
    m_atual = -1;
    defineEstado(Estado::Fechado);
    emit dadosMudaram();
}

void ConjuntoDados::defineEstado(Estado e)
{
    if (m_estado == e)
        return;
    m_estado = e;
    emit estadoMudou();
}

void ConjuntoDados::vaiPara(int linha)
{
    if (linha < 0 || linha >= quantidade() || linha == m_atual)
        return;
    if (editando())
        Post();
    m_atual = linha;
    emit dadosMudaram();
}

QStringList ConjuntoDados::campos() const
{
    QStringList nomes;
    for (int i = 0; i < m_modelo.count(); ++i)
        nomes << m_modelo.fieldName(i);
    return nomes;
}

bool ConjuntoDados::temCampo(const QString& campo) const
{
    return m_modelo.indexOf(campo) >= 0;
}

QVariant ConjuntoDados::valor(int linha, const QString& campo) const
{
    if (linha < 0 || linha >= quantidade())
        return {};
    return m_linhas[linha].value(campo);
}

QVariant ConjuntoDados::valor(const QString& campo) const
{
    return valor(m_atual, campo);
}

QString ConjuntoDados::texto(int linha, const QString& campo) const
{
    const QVariant v = valor(linha, campo);
    const QString formato = info(campo).formato;
    if (v.isNull() || formato.isEmpty())
        return v.toString();
    const qsizetype ponto = formato.indexOf(QLatin1Char('.'));
    const int casas = ponto < 0 ? 0 : static_cast<int>(formato.size() - ponto - 1);
    return QLocale(QLocale::Portuguese, QLocale::Brazil).toString(v.toDouble(), 'f', casas);
}

QString ConjuntoDados::texto(const QString& campo) const
{
    return texto(m_atual, campo);
}

void ConjuntoDados::defineValor(const QString& campo, const QVariant& v)
{
    if (!editando())
        throw Falha(QStringLiteral("O registro não está em edição"));
    if (!temCampo(campo))
        throw Falha(QStringLiteral("Campo inexistente: ") + campo);
    if (m_linhas[m_atual].value(campo) == v && m_linhas[m_atual].isNull(campo) == v.isNull())
        return;
    m_linhas[m_atual].setValue(campo, v);
    emit dadosMudaram();
}

QVariant ConjuntoDados::valorDigitado(const QString& campo, const QString& texto) const
{
    if (texto.isEmpty())
        return {};
    const int i = m_modelo.indexOf(campo);
    const int tipo = i < 0 ? QMetaType::QString : m_modelo.field(i).metaType().id();
    bool ok = false;
    if (tipo == QMetaType::Double) {
        double v = QLocale(QLocale::Portuguese, QLocale::Brazil).toDouble(texto, &ok);
        if (!ok)
            v = QLocale::c().toDouble(texto, &ok);
        if (ok)
            return v;
    } else if (tipo == QMetaType::Int || tipo == QMetaType::LongLong) {
        const qlonglong v = texto.toLongLong(&ok);
        if (ok)
            return v;
    }
    return texto;
}

ConjuntoDados::InfoCampo& ConjuntoDados::info(const QString& campo)
{
    return m_info[campo.toUpper()];
}

ConjuntoDados::InfoCampo ConjuntoDados::info(const QString& campo) const
{
    return m_info.value(campo.toUpper());
}

QStringList ConjuntoDados::camposReais() const
{
    QStringList nomes;
    for (int i = 0; i < m_modelo.count(); ++i)
        if (m_modelo.field(i).metaType().id() == QMetaType::Double)
            nomes << m_modelo.fieldName(i);
    return nomes;
}

QString ConjuntoDados::campoObrigatorioVazio() const
{
    if (m_atual < 0)
        return {};
    for (const QString& c : campos())
        if ((info(c).obrigatorio || m_obrigatoriasTabela.contains(c.toUpper())) &&
            semValor(valor(c)))
            return c;
    return {};
}

void ConjuntoDados::Append()
{
    if (!ativo())
        throw Falha(QStringLiteral("O conjunto de registros está fechado"));
    if (editando())
        Post();
    m_linhas.append(m_modelo);
    m_atual = quantidade() - 1;
    m_antesEdicao = QSqlRecord();
    defineEstado(Estado::Inserindo);
    emit dadosMudaram();
}

void ConjuntoDados::Edit()
{
    if (editando() || m_atual < 0)
        return;
    m_antesEdicao = m_linhas[m_atual];
    defineEstado(Estado::Editando);
}

void ConjuntoDados::Post()
{
    if (m_estado == Estado::Inserindo) {
        m_pendentes.append({true, m_atual, QSqlRecord()});
    } else if (m_estado == Estado::Editando) {
        const bool mudou = m_linhas[m_atual] != m_antesEdicao;
        bool jaPendente = false;
        for (const Pendente& p : std::as_const(m_pendentes))
            jaPendente = jaPendente || p.linha == m_atual;
        if (mudou && !jaPendente)
            m_pendentes.append({false, m_atual, m_antesEdicao});
    } else {
        return;
    }
    defineEstado(Estado::Navegando);
    emit dadosMudaram();
}

void ConjuntoDados::Cancel()
{
    if (m_estado == Estado::Inserindo) {
        m_linhas.removeAt(m_atual);
        m_atual = quantidade() - 1;
    } else if (m_estado == Estado::Editando) {
        m_linhas[m_atual] = m_antesEdicao;
    } else {
        return;
    }
    defineEstado(Estado::Navegando);
    emit dadosMudaram();
}

void ConjuntoDados::CancelUpdates()
{
    Cancel();
    for (qsizetype i = m_pendentes.size() - 1; i >= 0; --i) {
        const Pendente& p = m_pendentes[i];
        if (p.insercao)
            m_linhas.removeAt(p.linha);
        else
            m_linhas[p.linha] = p.original;
    }
    m_pendentes.clear();
    m_atual = qMin(m_atual, quantidade() - 1);
    emit dadosMudaram();
}

void ConjuntoDados::retomaEdicao()
{
    if (m_pendentes.isEmpty() || editando())
        return;
    const Pendente p = m_pendentes.takeLast();
    m_atual = p.linha;
    m_antesEdicao = p.original;
    defineEstado(p.insercao ? Estado::Inserindo : Estado::Editando);
    emit dadosMudaram();
}

QVariant ConjuntoDados::valorChave(const QSqlRecord& r, const QString& campo) const
{
    if (r.indexOf(campo) < 0)
        throw Falha(QStringLiteral("Campo da chave ausente: ") + campo);
    return r.value(campo);
}

void ConjuntoDados::grava(const Pendente& p)
{
    const QSqlRecord& linha = m_linhas[p.linha];
    Parametros valores;
    QStringList colunas;
    QStringList marcas;
    // Only columns of the table, by the table's own names; the values are always bound.
    for (const QString& coluna : std::as_const(m_colunasTabela)) {
        const int i = linha.indexOf(coluna);
        if (i < 0)
            continue;
        if (p.insercao ? linha.isNull(i)
                       : (linha.value(i) == p.original.value(coluna) &&
                          linha.isNull(i) == p.original.isNull(coluna)))
            continue;
        const QString marca = QStringLiteral("v%1").arg(colunas.size());
        colunas << coluna;
        marcas << marca;
        valores.insert(marca, linha.value(i));
    }
    if (colunas.isEmpty() && !p.insercao)
        return;
    QString sql;
    if (p.insercao) {
        sql = QStringLiteral("INSERT INTO ") + m_tabela + QStringLiteral(" (") +
              colunas.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (:") +
              marcas.join(QStringLiteral(", :")) + QLatin1Char(')');
    } else {
        if (m_chave.isEmpty())
            throw Falha(QStringLiteral("Tabela sem chave primária: ") + m_tabela);
        QStringList atribuicoes;
        for (int i = 0; i < colunas.size(); ++i)
            atribuicoes << colunas[i] + QStringLiteral(" = :") + marcas[i];
        QStringList condicoes;
        for (int i = 0; i < m_chave.size(); ++i) {
            const QString marca = QStringLiteral("k%1").arg(i);
            condicoes << m_chave[i] + QStringLiteral(" = :") + marca;
            valores.insert(marca, valorChave(p.original, m_chave[i]));
        }
        sql = QStringLiteral("UPDATE ") + m_tabela + QStringLiteral(" SET ") +
              atribuicoes.join(QStringLiteral(", ")) + QStringLiteral(" WHERE ") +
              condicoes.join(QStringLiteral(" AND "));
    }
    m_dm.ExecutaSQL(sql, valores);
}

QString ConjuntoDados::ApplyUpdates()
{
    if (m_pendentes.isEmpty())
        return {};
    if (m_tabela.isEmpty())
        return QStringLiteral("Tabela de gravação não definida");
    try {
        m_dm.emTransacao([this] {
            for (const Pendente& p : std::as_const(m_pendentes))
                grava(p);
        });
    } catch (const Falha& f) {
        return mensagemServidor(f);
    }
    m_pendentes.clear();
    emit dadosMudaram();
    return {};
}
