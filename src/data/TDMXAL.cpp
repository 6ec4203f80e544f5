#include "TDMXAL.h"

#include "AtualizaBanco.h"
#include "FuncoesSqlite.h"
#include "LojaDemo.h"
#include "platform/Falha.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>

namespace
{
TDMXAL* g_dmxal = nullptr;

const QString kFormatoData = QStringLiteral("yyyy-MM-dd HH:mm:ss");
// Times without a day are stored on the day the back office uses for them.
const QDate kDiaDasHoras(1899, 12, 30);

QString mensagemDe(const QSqlError& erro)
{
    QString texto = erro.databaseText().trimmed();
    if (texto.isEmpty())
        texto = erro.text().trimmed();
    return texto;
}

[[noreturn]] void falhaComando(const QSqlError& erro)
{
    throw Falha(QStringLiteral("Erro ao executar comando\r") + mensagemDe(erro));
}
} // namespace

TDMXAL* DMXAL()
{
    return g_dmxal;
}
void defineDMXAL(TDMXAL* modulo)
{
    g_dmxal = modulo;
}

TDMXAL::TDMXAL(QString nomeConexao) : m_nomeConexao(std::move(nomeConexao)) {}

TDMXAL::~TDMXAL()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_nomeConexao, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_nomeConexao);
    if (g_dmxal == this)
        g_dmxal = nullptr;
}

QSqlDatabase TDMXAL::banco() const
{
    return QSqlDatabase::database(m_nomeConexao, false);
}

bool TDMXAL::conectado() const
{
    return banco().isOpen();
}

QString TDMXAL::DataModuleCreate()
{
    DescricaoConexao conexao;
    try {
        conexao = StringConexaoBrisvel();
    } catch (const Falha& f) {
        return QStringLiteral("Problemas ao estabelecer conexão com o bando de dados ") +
               f.mensagem();
    }
    return DataModuleCreate(conexao);
}

void TDMXAL::abre(const DescricaoConexao& conexao)
{
    if (QSqlDatabase::contains(m_nomeConexao)) {
        QSqlDatabase::database(m_nomeConexao, false).close();
        QSqlDatabase::removeDatabase(m_nomeConexao);
    }
    m_motor = conexao.tipo == DescricaoConexao::Tipo::Odbc ? Motor::SqlServer : Motor::SQLite;
    const QString driver =
        m_motor == Motor::SqlServer ? QStringLiteral("QODBC") : QStringLiteral("QSQLITE");
    if (!QSqlDatabase::isDriverAvailable(driver))
        throw Falha(QStringLiteral("Driver ") + driver + QStringLiteral(" não instalado"));
    QSqlDatabase db = QSqlDatabase::addDatabase(driver, m_nomeConexao);
    db.setDatabaseName(conexao.texto);
    if (m_motor == Motor::SQLite)
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    else
        db.setConnectOptions(
            QStringLiteral("SQL_ATTR_CONNECTION_TIMEOUT=30;SQL_ATTR_LOGIN_TIMEOUT=30"));
}

QString TDMXAL::DataModuleCreate(const DescricaoConexao& conexao)
{
    m_criouDemo = false;
    const bool novo =
        conexao.tipo == DescricaoConexao::Tipo::SQLite && !QFileInfo::exists(conexao.texto);
    try {
        abre(conexao);
    } catch (const Falha& f) {
        return QStringLiteral("Problemas ao estabelecer conexão com o bando de dados ") +
               f.mensagem();
    }
    QSqlDatabase db = banco();
    if (!db.open()) {
        const QString msg = mensagemDe(db.lastError());
        if (m_motor == Motor::SQLite)
            return QStringLiteral("Problemas ao estabelecer conexão com o bando de dados ") + msg;
        // A server that cannot be reached shows up at the first upgrade statement.
        return QStringLiteral("Erro ao atualizar banco de dados Erro ao executar comando\r") + msg;
    }
    if (m_motor == Motor::SQLite) {
        registraFuncoesSqlite(db);
        QSqlQuery(db).exec(QStringLiteral("PRAGMA foreign_keys = ON"));
        // Terminals of one machine share the file: readers never wait for a writer and a
        // commit costs one flush. A read-only file keeps its journal mode.
        QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    }
    try {
        if (novo)
            emTransacao([this] { LojaDemo::criaEstrutura(*this); });
        AtualizaBanco(*this);
        if (novo) {
            emTransacao([this] { LojaDemo::preenche(*this); });
            m_criouDemo = true;
        }
    } catch (const Falha& f) {
        if (novo && !m_criouDemo) {
            // Never leave a half-made demo shop behind: the next start makes it again.
            db.close();
            for (const char* sufixo : {"", "-wal", "-shm", "-journal"})
                QFile::remove(conexao.texto + QLatin1String(sufixo));
        }
        return f.mensagem();
    }
    return QString();
}

QString TDMXAL::placeholdersPosicionais(const QString& sql, QStringList* nomes)
{
    QString saida;
    saida.reserve(sql.size());
    QChar aspa;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!aspa.isNull()) {
            saida.append(c);
            if (c == aspa)
                aspa = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('[')) {
            aspa = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            saida.append(c);
            continue;
        }
        const bool inicioNome = c == QLatin1Char(':') && i + 1 < sql.size() &&
                                (sql[i + 1].isLetter() || sql[i + 1] == QLatin1Char('_')) &&
                                (i == 0 || sql[i - 1] != QLatin1Char(':'));
        if (!inicioNome) {
            saida.append(c);
            continue;
        }
        qsizetype fim = i + 1;
        while (fim < sql.size() && (sql[fim].isLetterOrNumber() || sql[fim] == QLatin1Char('_')))
            ++fim;
        if (nomes)
            nomes->append(sql.mid(i + 1, fim - i - 1));
        saida.append(QLatin1Char('?'));
        i = fim - 1;
    }
    return saida;
}

QVariant TDMXAL::valorData(const QVariant& valor) const
{
    QDateTime momento;
    switch (valor.typeId()) {
    case QMetaType::QDateTime:
        momento = valor.toDateTime();
        break;
    case QMetaType::QDate:
        momento = QDateTime(valor.toDate(), QTime(0, 0));
        break;
    case QMetaType::QTime:
        momento = QDateTime(kDiaDasHoras, valor.toTime());
        break;
    default:
        return valor;
    }
    if (!momento.isValid())
        return QVariant(
            QMetaType(m_motor == Motor::SQLite ? QMetaType::QString : QMetaType::QDateTime));
    // Whole seconds on both engines, so a value read back compares equal.
    momento.setTime(QTime(momento.time().hour(), momento.time().minute(), momento.time().second()));
    if (m_motor == Motor::SQLite)
        return momento.toString(kFormatoData);
    return momento;
}

QDateTime TDMXAL::lerData(const QVariant& valor)
{
    if (valor.isNull())
        return {};
    if (valor.typeId() == QMetaType::QDateTime)
        return valor.toDateTime();
    if (valor.typeId() == QMetaType::QDate)
        return QDateTime(valor.toDate(), QTime(0, 0));
    const QString texto = valor.toString().trimmed();
    // The stored form "yyyy-MM-dd HH:mm:ss" is read digit by digit: lists read thousands.
    if (texto.size() >= 10 && texto[4] == QLatin1Char('-') && texto[7] == QLatin1Char('-')) {
        auto n = [&texto](int de, int tam) {
            int v = 0;
            for (int i = de; i < de + tam; ++i) {
                const int d = texto[i].digitValue();
                if (d < 0)
                    return -1;
                v = v * 10 + d;
            }
            return v;
        };
        const QDate dia(n(0, 4), n(5, 2), n(8, 2));
        QTime hora(0, 0);
        if (texto.size() >= 19 && texto[13] == QLatin1Char(':'))
            hora = QTime(n(11, 2), n(14, 2), n(17, 2));
        if (dia.isValid() && hora.isValid())
            return QDateTime(dia, hora);
    }
    QDateTime d = QDateTime::fromString(texto.left(19), kFormatoData);
    if (!d.isValid())
        d = QDateTime::fromString(texto, Qt::ISODate);
    if (!d.isValid())
        d = QDateTime(QDate::fromString(texto.left(10), QStringLiteral("yyyy-MM-dd")), QTime(0, 0));
    return d;
}

QSqlQuery TDMXAL::prepara(const QString& sql, const Parametros& parametros)
{
    QSqlDatabase db = banco();
    if (!db.isOpen() && !db.open())
        falhaComando(db.lastError());
    ++m_instrucoes;
    QStringList nomes;
    const QString texto = placeholdersPosicionais(sql, &nomes);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(texto))
        falhaComando(q.lastError());
    QHash<QString, QVariant> porNome;
    for (auto it = parametros.cbegin(); it != parametros.cend(); ++it)
        porNome.insert(it.key().toUpper(), it.value());
    for (int i = 0; i < nomes.size(); ++i) {
        const auto it = porNome.constFind(nomes[i].toUpper());
        if (it == porNome.cend())
            throw Falha(QStringLiteral("Erro ao executar comando\rParâmetro sem valor: ") +
                        nomes[i]);
        q.bindValue(i, valorData(*it));
    }
    return q;
}

void TDMXAL::ExecutaSQL(const QString& sql, const Parametros& parametros)
{
    QSqlQuery q = prepara(sql, parametros);
    if (!q.exec())
        falhaComando(q.lastError());
    // Read to the end: an ODBC connection without MARS refuses the next statement otherwise.
    while (q.next()) {
    }
}

void TDMXAL::ExecutaSQL(const QString& sql, QSqlQuery& recs, const Parametros& parametros)
{
    recs = prepara(sql, parametros);
    if (!recs.exec())
        falhaComando(recs.lastError());
}

QSqlQuery TDMXAL::executa(const QString& nome, const Parametros& parametros)
{
    QSqlQuery q;
    ExecutaSQL(Catalogo::texto(nome, m_motor), q, parametros);
    return q;
}

QVariant TDMXAL::escalar(const QString& nome, const Parametros& parametros)
{
    QSqlQuery q = executa(nome, parametros);
    QVariant valor;
    if (q.next())
        valor = q.value(0);
    while (q.next()) {
    }
    return valor;
}

bool TDMXAL::ComandaCancelada(int iDoc)
{
    return escalar(QStringLiteral("ComandaCancelada"), {{QStringLiteral("iDoc"), iDoc}}).isValid();
}

void TDMXAL::iniciaTransacao()
{
    QSqlDatabase db = banco();
    if (!db.isOpen() && !db.open())
        falhaComando(db.lastError());
    if (m_motor == Motor::SQLite) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
            falhaComando(q.lastError());
    } else if (!db.transaction()) {
        falhaComando(db.lastError());
    }
}

void TDMXAL::confirmaTransacao()
{
    QSqlDatabase db = banco();
    if (m_motor == Motor::SQLite) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("COMMIT")))
            falhaComando(q.lastError());
    } else if (!db.commit()) {
        falhaComando(db.lastError());
    }
}

void TDMXAL::desfazTransacao()
{
    QSqlDatabase db = banco();
    if (m_motor == Motor::SQLite)
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    else
        db.rollback();
}
