#include "Biometria.h"

#include "Falha.h"

#include <utility>

namespace
{
std::unique_ptr<BackendBiometria> g_backend;

std::unique_ptr<BackendBiometria> backendInicial()
{
    const QString escolha = qEnvironmentVariable("BRISVEL_BIOMETRIA");
    const QString prefixo = QStringLiteral("simulada:");
    if (escolha.startsWith(prefixo)) {
        auto simulada = std::make_unique<BiometriaSimulada>();
        simulada->capturaFixa = escolha.mid(prefixo.size());
        return simulada;
    }
    return std::make_unique<BiometriaSemDispositivo>();
}

const QString kSemLeitor = QStringLiteral("Leitor biométrico não instalado");
} // namespace

int BiometriaSemDispositivo::identifica(int, int&)
{
    throw Falha(kSemLeitor);
}

void BiometriaSemDispositivo::adiciona(int, const QString&, int)
{
    throw Falha(kSemLeitor);
}

void BiometriaSimulada::confereSlot(int slot)
{
    if (slot < 1 || slot > 3)
        throw Falha(QStringLiteral("Slot de biometria inválido: %1").arg(slot));
}

void BiometriaSimulada::talvezFalhe()
{
    if (!falhaNaProxima.isEmpty()) {
        const QString texto = falhaNaProxima;
        falhaNaProxima.clear();
        throw Falha(texto);
    }
}

bool BiometriaSimulada::inicia(int slot)
{
    confereSlot(slot);
    if (iniciaFalha)
        return false;
    m_slots[static_cast<size_t>(slot)] = QHash<int, QString>();
    m_capturada[static_cast<size_t>(slot)].clear();
    return true;
}

bool BiometriaSimulada::abreSensor(int slot)
{
    confereSlot(slot);
    talvezFalhe();
    ++aberturas;
    return dispositivo && sensorAbre;
}

bool BiometriaSimulada::captura(int slot)
{
    confereSlot(slot);
    talvezFalhe();
    ++capturasFeitas;
    const auto i = static_cast<size_t>(slot);
    std::optional<QString> digital;
    if (!capturas.isEmpty()) {
        digital = capturas.takeFirst();
    } else if (!std::exchange(m_fixaFalhou[i], false)) {
        digital = capturaFixa;
    }
    m_capturada[static_cast<size_t>(slot)] = digital.value_or(QString());
    return digital.has_value();
}

int BiometriaSimulada::identifica(int slot, int& erro)
{
    confereSlot(slot);
    talvezFalhe();
    const auto& indice = m_slots[static_cast<size_t>(slot)];
    const QString& digital = m_capturada[static_cast<size_t>(slot)];
    if (indice && !digital.isEmpty()) {
        for (auto it = indice->cbegin(); it != indice->cend(); ++it) {
            if (it.value() == digital)
                return it.key();
        }
    }
    m_fixaFalhou[static_cast<size_t>(slot)] = capturas.isEmpty() && capturaFixa.has_value();
    erro = kErroSemCorrespondencia;
    return 0;
}

void BiometriaSimulada::adiciona(int slot, const QString& modelo, int id)
{
    confereSlot(slot);
    talvezFalhe();
    auto& indice = m_slots[static_cast<size_t>(slot)];
    if (!indice)
        throw Falha(QStringLiteral("Slot de biometria não iniciado: %1").arg(slot));
    indice->insert(id, modelo);
}

QHash<int, QString> BiometriaSimulada::modelos(int slot) const
{
    confereSlot(slot);
    return m_slots[static_cast<size_t>(slot)].value_or(QHash<int, QString>());
}

BackendBiometria& backendBiometria()
{
    if (!g_backend)
        g_backend = backendInicial();
    return *g_backend;
}

void defineBackendBiometria(std::unique_ptr<BackendBiometria> backend)
{
    g_backend = std::move(backend);
}

bool IniciaBiometria(int slot)
{
    try {
        return backendBiometria().inicia(slot);
    } catch (...) {
        return false;
    }
}

bool AbreSensorBio(int slot)
{
    return backendBiometria().abreSensor(slot);
}

bool CapturaDigital(int slot)
{
    return backendBiometria().captura(slot);
}

int IdentificaDigital(int slot, int& Erro)
{
    return backendBiometria().identifica(slot, Erro);
}

void AdicionaDigital(int slot, const QString& Template, int Id)
{
    backendBiometria().adiciona(slot, Template, Id);
}
