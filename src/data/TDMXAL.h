#pragma once

#include "Catalogo.h"
#include "platform/FonteConexao.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantMap>

// Values of a statement's ":name" placeholders, looked up without regard to case.
// QDateTime, QDate and QTime values are converted to the form the engine stores.
using Parametros = QVariantMap;

// The one connection of the program, the schema upgrade at start and the statements that
// every window shares.
class TDMXAL
{
public:
    explicit TDMXAL(QString nomeConexao = QStringLiteral("brisvel"));
    ~TDMXAL();
    TDMXAL(const TDMXAL&) = delete;
    TDMXAL& operator=(const TDMXAL&) = delete;

    // Connects to the database named by StringConexaoBrisvel (or the given one) and upgrades
    // the schema. Returns the error text to show ("" when all went well); start-up goes on
    // either way and later work fails with its own messages.
    QString DataModuleCreate();
    QString DataModuleCreate(const DescricaoConexao& conexao);

    bool conectado() const;
    Motor motor() const { return m_motor; }
    QSqlDatabase banco() const;
    // True when this start created the embedded demo shop.
    bool criouLojaDemo() const { return m_criouDemo; }

    // Runs a text; raises "Erro ao executar comando\r" + the server's message.
    void ExecutaSQL(const QString& sql, const Parametros& parametros = {});
    // The same, handing the resulting rows to the caller.
    void ExecutaSQL(const QString& sql, QSqlQuery& recs, const Parametros& parametros = {});
    // Runs a statement of the catalogue by name, in this engine's form.
    QSqlQuery executa(const QString& nome, const Parametros& parametros = {});
    // The first column of the first row of a catalogue statement, or an invalid value.
    QVariant escalar(const QString& nome, const Parametros& parametros = {});

    // Statements sent since the module was created (for measurements).
    qint64 instrucoes() const { return m_instrucoes; }

    // True when every item of the document is cancelled (also when it has no items).
    bool ComandaCancelada(int iDoc);

    // Runs the steps as one write transaction (taking the write lock at once on SQLite);
    // rolls back and raises again on failure.
    template <typename F> auto emTransacao(F&& passos)
    {
        iniciaTransacao();
        try {
            if constexpr (std::is_void_v<decltype(passos())>) {
                passos();
                confirmaTransacao();
            } else {
                auto r = passos();
                confirmaTransacao();
                return r;
            }
        } catch (...) {
            desfazTransacao();
            throw;
        }
    }

    // The value a date or time travels as on this engine: a date-time value on SQL Server,
    // the text "yyyy-MM-dd HH:mm:ss" on SQLite (so that comparisons hold).
    QVariant valorData(const QVariant& valor) const;
    // Reads a date-time column of either engine.
    static QDateTime lerData(const QVariant& valor);

    // "?" placeholders in place of ":name" (outside quoted texts), with the names in order.
    static QString placeholdersPosicionais(const QString& sql, QStringList* nomes);

private:
    QSqlQuery prepara(const QString& sql, const Parametros& parametros);
    void abre(const DescricaoConexao& conexao);
    void iniciaTransacao();
    void confirmaTransacao();
    void desfazTransacao();

    QString m_nomeConexao;
    Motor m_motor = Motor::SQLite;
    bool m_criouDemo = false;
    qint64 m_instrucoes = 0;
};

// The program's database module, set at start.
TDMXAL* DMXAL();
void defineDMXAL(TDMXAL* modulo);
