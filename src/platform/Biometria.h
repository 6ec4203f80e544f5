#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <array>
#include <memory>
#include <optional>

// The fingerprint template stores ("slots"): slot 1 holds the employees' templates, slot 2 the
// customers'. The reader's own library is reached through a backend, so a machine without a
// reader (and the tests) run with a backend of their own.
class BackendBiometria
{
public:
    virtual ~BackendBiometria() = default;
    // A reader is attached: only then may the dialogs offer fingerprint identification.
    virtual bool temDispositivo() const = 0;
    // New objects for the slot, with an empty template index; false when the reader's
    // library cannot be started.
    virtual bool inicia(int slot) = 0;
    // Closes whatever device the slot had open and opens it again; true when it opened.
    virtual bool abreSensor(int slot) = 0;
    // Takes a print; false when the person cancelled the capture.
    virtual bool captura(int slot) = 0;
    // The id under which the last captured print was enrolled; 0 and erro set when none.
    virtual int identifica(int slot, int& erro) = 0;
    virtual void adiciona(int slot, const QString& modelo, int id) = 0;
};

// The backend of a machine without a reader: nothing starts and no device opens.
class BiometriaSemDispositivo : public BackendBiometria
{
public:
    bool temDispositivo() const override { return false; }
    bool inicia(int) override { return false; }
    bool abreSensor(int) override { return false; }
    bool captura(int) override { return false; }
    int identifica(int slot, int& erro) override;
    void adiciona(int slot, const QString& modelo, int id) override;
};

// A reader simulated in memory, for tests and demonstrations: each capture takes the next
// print of a queue (an empty entry is a cancelled capture) and matches it against the
// templates added to the slot.
class BiometriaSimulada : public BackendBiometria
{
public:
    static constexpr int kErroSemCorrespondencia = 0x601;

    bool dispositivo = true;                // a reader is attached
    bool sensorAbre = true;                 // the attached reader opens
    bool iniciaFalha = false;               // the library does not start
    QList<std::optional<QString>> capturas; // next prints; nullopt: capture cancelled
    std::optional<QString> capturaFixa;     // used when the queue is empty (demonstrations)
    QString falhaNaProxima;                 // the next call raises Falha with this text
    int aberturas = 0;                      // how often the sensor was opened
    int capturasFeitas = 0;

    bool temDispositivo() const override { return dispositivo; }
    bool inicia(int slot) override;
    bool abreSensor(int slot) override;
    bool captura(int slot) override;
    int identifica(int slot, int& erro) override;
    void adiciona(int slot, const QString& modelo, int id) override;

    // The templates of a slot by id, as the index holds them.
    QHash<int, QString> modelos(int slot) const;

private:
    void talvezFalhe();
    static void confereSlot(int slot);

    std::array<std::optional<QHash<int, QString>>, 4> m_slots; // 1..3; nullopt: not started
    std::array<QString, 4> m_capturada;
    std::array<bool, 4> m_fixaFalhou{};
};

// The backend in use: the one without a device unless replaced. BRISVEL_BIOMETRIA=simulada:TEXT
// starts the program with a simulated reader that always reads the print TEXT.
BackendBiometria& backendBiometria();
// Replaces the backend (tests, demonstrations); nullptr restores the default.
void defineBackendBiometria(std::unique_ptr<BackendBiometria> backend);

// The slot functions the identification dialogs and the main window call.
bool IniciaBiometria(int slot);
bool AbreSensorBio(int slot);
bool CapturaDigital(int slot);
int IdentificaDigital(int slot, int& Erro);
void AdicionaDigital(int slot, const QString& Template, int Id);
