#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

// Serial scales of the counter. Each protocol asks for the weight and, when the terminal is
// set so, first sends the product's price per kg.
enum class ModeloBalanca { Toledo, Filizola, Urano, Magellan };

// "TOLEDO", "FILIZOLA", "URANO" or "MAGELLAN" without regard to case; anything else Toledo.
ModeloBalanca modeloBalanca(const QString& texto);

// The frames each protocol sends and receives.
namespace ProtocoloBalanca
{
QByteArray pedidoPeso(ModeloBalanca modelo);
// Empty when the protocol takes no price.
QByteArray quadroPreco(ModeloBalanca modelo, double precoKg);
// Consumes the first complete answer in the buffer: the weight in kg, 0 for an unstable,
// negative or overloaded reading; nothing while the answer is incomplete.
std::optional<double> interpretaResposta(ModeloBalanca modelo, QByteArray& buffer);
} // namespace ProtocoloBalanca

// Device path of a Windows-style port name ("COM3"): key COM3 of section [PORTAS] of
// Atendimento.ini, otherwise /dev/ttyS2 (COMn is /dev/ttyS(n-1)). Paths pass unchanged.
QString caminhoPorta(const QString& nome);

class Balanca
{
public:
    virtual ~Balanca() = default;
    virtual bool abre() = 0;
    virtual void fecha() = 0;
    virtual bool enviaPreco(double precoKg, int timeoutMs) = 0;
    // The weight in kg; nothing when the scale does not answer in time.
    virtual std::optional<double> lePeso(int timeoutMs) = 0;
};

// A scale on a serial port at 9600 baud, 8 data bits, no parity, 1 stop bit.
std::unique_ptr<Balanca> criaBalancaSerial(const QString& porta, ModeloBalanca modelo);
